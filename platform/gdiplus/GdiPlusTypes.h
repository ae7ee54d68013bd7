#pragma once
// Basic values of the drawing layer: status codes, colours, points, rectangles,
// identifiers and the enumerations shared by graphics, pens, brushes, paths,
// images and text. The numeric values are those the calling code hands over.

#include <cstdint>
#include <cstring>

namespace Gdiplus {

using REAL = float;
using ARGB = uint32_t;
using INT = int32_t;
using UINT = uint32_t;
using GraphicsState = uint32_t;
using PixelFormat = int32_t;

enum Status {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
  PropertyNotFound = 19,
  PropertyNotSupported = 20
};

enum Unit {
  UnitWorld = 0,
  UnitDisplay = 1,
  UnitPixel = 2,
  UnitPoint = 3,
  UnitInch = 4,
  UnitDocument = 5,
  UnitMillimeter = 6
};

enum FillMode { FillModeAlternate = 0, FillModeWinding = 1 };

enum SmoothingMode {
  SmoothingModeInvalid = -1,
  SmoothingModeDefault = 0,
  SmoothingModeHighSpeed = 1,
  SmoothingModeHighQuality = 2,
  SmoothingModeNone = 3,
  SmoothingModeAntiAlias = 4,
  SmoothingModeAntiAlias8x8 = 5
};

enum InterpolationMode {
  InterpolationModeInvalid = -1,
  InterpolationModeDefault = 0,
  InterpolationModeLowQuality = 1,
  InterpolationModeHighQuality = 2,
  InterpolationModeBilinear = 3,
  InterpolationModeBicubic = 4,
  InterpolationModeNearestNeighbor = 5,
  InterpolationModeHighQualityBilinear = 6,
  InterpolationModeHighQualityBicubic = 7
};

enum PixelOffsetMode {
  PixelOffsetModeInvalid = -1,
  PixelOffsetModeDefault = 0,
  PixelOffsetModeHighSpeed = 1,
  PixelOffsetModeHighQuality = 2,
  PixelOffsetModeNone = 3,
  PixelOffsetModeHalf = 4
};

enum CompositingMode { CompositingModeSourceOver = 0, CompositingModeSourceCopy = 1 };

enum CompositingQuality {
  CompositingQualityDefault = 0,
  CompositingQualityHighSpeed = 1,
  CompositingQualityHighQuality = 2,
  CompositingQualityGammaCorrected = 3,
  CompositingQualityAssumeLinear = 4
};

enum TextRenderingHint {
  TextRenderingHintSystemDefault = 0,
  TextRenderingHintSingleBitPerPixelGridFit = 1,
  TextRenderingHintSingleBitPerPixel = 2,
  TextRenderingHintAntiAliasGridFit = 3,
  TextRenderingHintAntiAlias = 4,
  TextRenderingHintClearTypeGridFit = 5
};

enum CombineMode {
  CombineModeReplace = 0,
  CombineModeIntersect = 1,
  CombineModeUnion = 2,
  CombineModeXor = 3,
  CombineModeExclude = 4,
  CombineModeComplement = 5
};

enum MatrixOrder { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };

enum LineCap { LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3 };
enum DashCap { DashCapFlat = 0, DashCapRound = 2, DashCapTriangle = 3 };
enum LineJoin { LineJoinMiter = 0, LineJoinBevel = 1, LineJoinRound = 2, LineJoinMiterClipped = 3 };

enum DashStyle {
  DashStyleSolid = 0,
  DashStyleDash = 1,
  DashStyleDot = 2,
  DashStyleDashDot = 3,
  DashStyleDashDotDot = 4,
  DashStyleCustom = 5
};

enum PenAlignment { PenAlignmentCenter = 0, PenAlignmentInset = 1 };

enum WrapMode {
  WrapModeTile = 0,
  WrapModeTileFlipX = 1,
  WrapModeTileFlipY = 2,
  WrapModeTileFlipXY = 3,
  WrapModeClamp = 4
};

enum BrushType {
  BrushTypeSolidColor = 0,
  BrushTypeHatchFill = 1,
  BrushTypeTextureFill = 2,
  BrushTypePathGradient = 3,
  BrushTypeLinearGradient = 4
};

enum LinearGradientMode {
  LinearGradientModeHorizontal = 0,
  LinearGradientModeVertical = 1,
  LinearGradientModeForwardDiagonal = 2,
  LinearGradientModeBackwardDiagonal = 3
};

enum PathPointType : uint8_t {
  PathPointTypeStart = 0,
  PathPointTypeLine = 1,
  PathPointTypeBezier = 3,
  PathPointTypePathTypeMask = 0x07,
  PathPointTypeDashMode = 0x10,
  PathPointTypePathMarker = 0x20,
  PathPointTypeCloseSubpath = 0x80
};

enum FontStyle {
  FontStyleRegular = 0,
  FontStyleBold = 1,
  FontStyleItalic = 2,
  FontStyleBoldItalic = 3,
  FontStyleUnderline = 4,
  FontStyleStrikeout = 8
};

enum StringAlignment { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };

enum StringFormatFlags {
  StringFormatFlagsDirectionRightToLeft = 0x0001,
  StringFormatFlagsDirectionVertical = 0x0002,
  StringFormatFlagsNoFitBlackBox = 0x0004,
  StringFormatFlagsDisplayFormatControl = 0x0020,
  StringFormatFlagsNoFontFallback = 0x0400,
  StringFormatFlagsMeasureTrailingSpaces = 0x0800,
  StringFormatFlagsNoWrap = 0x1000,
  StringFormatFlagsLineLimit = 0x2000,
  StringFormatFlagsNoClip = 0x4000
};

enum StringTrimming {
  StringTrimmingNone = 0,
  StringTrimmingCharacter = 1,
  StringTrimmingWord = 2,
  StringTrimmingEllipsisCharacter = 3,
  StringTrimmingEllipsisWord = 4,
  StringTrimmingEllipsisPath = 5
};

constexpr PixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr PixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr PixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr PixelFormat PixelFormat32bppPARGB = 0x000E200B;

enum ImageLockMode { ImageLockModeRead = 1, ImageLockModeWrite = 2, ImageLockModeUserInputBuf = 4 };

enum RotateFlipType {
  RotateNoneFlipNone = 0,
  Rotate90FlipNone = 1,
  Rotate180FlipNone = 2,
  Rotate270FlipNone = 3,
  RotateNoneFlipX = 4,
  Rotate90FlipX = 5,
  Rotate180FlipX = 6,
  Rotate270FlipX = 7
};

enum ColorMatrixFlags {
  ColorMatrixFlagsDefault = 0,
  ColorMatrixFlagsSkipGrays = 1,
  ColorMatrixFlagsAltGray = 2
};

enum ColorAdjustType {
  ColorAdjustTypeDefault = 0,
  ColorAdjustTypeBitmap = 1,
  ColorAdjustTypeBrush = 2,
  ColorAdjustTypePen = 3,
  ColorAdjustTypeText = 4
};

enum EncoderParameterValueType {
  EncoderParameterValueTypeByte = 1,
  EncoderParameterValueTypeASCII = 2,
  EncoderParameterValueTypeShort = 3,
  EncoderParameterValueTypeLong = 4
};

struct PointF {
  REAL X = 0;
  REAL Y = 0;
  PointF() = default;
  PointF(REAL x, REAL y) : X(x), Y(y) {}
  bool Equals(const PointF& p) const { return X == p.X && Y == p.Y; }
};

struct Point {
  INT X = 0;
  INT Y = 0;
  Point() = default;
  Point(INT x, INT y) : X(x), Y(y) {}
};

struct SizeF {
  REAL Width = 0;
  REAL Height = 0;
  SizeF() = default;
  SizeF(REAL w, REAL h) : Width(w), Height(h) {}
};

struct RectF {
  REAL X = 0;
  REAL Y = 0;
  REAL Width = 0;
  REAL Height = 0;
  RectF() = default;
  RectF(REAL x, REAL y, REAL w, REAL h) : X(x), Y(y), Width(w), Height(h) {}
  REAL GetLeft() const { return X; }
  REAL GetTop() const { return Y; }
  REAL GetRight() const { return X + Width; }
  REAL GetBottom() const { return Y + Height; }
  bool IsEmptyArea() const { return Width <= 0 || Height <= 0; }
  bool Contains(REAL x, REAL y) const {
    return x >= X && x < X + Width && y >= Y && y < Y + Height;
  }
};

struct Rect {
  INT X = 0;
  INT Y = 0;
  INT Width = 0;
  INT Height = 0;
  Rect() = default;
  Rect(INT x, INT y, INT w, INT h) : X(x), Y(y), Width(w), Height(h) {}
};

// A 32-bit ARGB colour: alpha in the top byte, then red, green, blue.
class Color {
 public:
  Color() = default;
  Color(ARGB argb) : FArgb(argb) {}
  Color(uint8_t r, uint8_t g, uint8_t b) : FArgb(MakeARGB(255, r, g, b)) {}
  Color(uint8_t a, uint8_t r, uint8_t g, uint8_t b) : FArgb(MakeARGB(a, r, g, b)) {}
  static ARGB MakeARGB(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return (ARGB(a) << 24) | (ARGB(r) << 16) | (ARGB(g) << 8) | ARGB(b);
  }
  uint8_t GetA() const { return uint8_t(FArgb >> 24); }
  uint8_t GetR() const { return uint8_t(FArgb >> 16); }
  uint8_t GetG() const { return uint8_t(FArgb >> 8); }
  uint8_t GetB() const { return uint8_t(FArgb); }
  ARGB GetValue() const { return FArgb; }
  void SetValue(ARGB argb) { FArgb = argb; }

 private:
  ARGB FArgb = 0xFF000000;
};

// Class and format identifiers of the codecs and encoder parameters.
struct GUID {
  uint32_t Data1 = 0;
  uint16_t Data2 = 0;
  uint16_t Data3 = 0;
  uint8_t Data4[8] = {};
  bool operator==(const GUID& o) const {
    return Data1 == o.Data1 && Data2 == o.Data2 && Data3 == o.Data3 &&
           std::memcmp(Data4, o.Data4, 8) == 0;
  }
};
using CLSID = GUID;

// {1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}
inline const GUID EncoderQuality = {
    0x1D5BE4B5, 0xFA4A, 0x452D, {0x9C, 0xDD, 0x5D, 0xB3, 0x51, 0x05, 0xE7, 0xEB}};

}  // namespace Gdiplus
