#pragma once
// Text shapes: a shape with text inside it (marks, titles, legend, axis
// titles and labels, hover and selection looks). The text has margins,
// a horizontal alignment, optional clipping to the box, several lines
// (separated by PlotLineSeparator) and plain or HTML form, and turns with
// the shape about the box's centre. A position-capable text shape may be
// placed by the user.

#include <memory>
#include <string>

#include "chart/ChartTextMargins.h"
#include "chart/PlotPanel.h"
#include "chart/PlotShape.h"

class TEnumInfo;

enum TVertTextAlign { vtaCenter, vtaTop, vtaBottom };

class TCustomTextShape : public TPlotCustomShape {
 public:
  explicit TCustomTextShape(TCustomPlotPanel* AOwner = nullptr);
  ~TCustomTextShape() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Clip flag, cursor, margins, text, alignments and format of another
  // text shape, then the shape.
  void Assign(TPersistent* Source) override;

  // The line count and, auto-sized, the box grown by the text and margins.
  void CalcBounds(TCustomPlotPanel* Panel) override;
  void DoDraw(TCustomPlotPanel* Panel, std::span<const TPoint> Points, const TRect& R,
              double Angle, int Z) override;
  void DoDraw(TCustomPlotPanel* Panel, const TRect& R, double Angle, int Z) override;
  // Below the text (or right of it for children left to right).
  int FirstChildPos() override;
  TPlotCustomShapeClass GetChildClass() const override;
  std::string GetEditorClass() const override { return "TTextShapeEditor"; }

  // Sets the canvas alignment and the x of the text in R.
  virtual void CalcTextAlign(TCustomPlotPanel* Panel, int& X, const std::string& Text,
                             const TRect& R);
  // The panel's size of the lines of Text in the current font.
  virtual void CalcTextSize(TCustomPlotPanel* Panel, const std::string& Text, TSize& Size,
                            int& NumLines, TTextFormat Format);
  // Repaints.
  virtual void ChangedText();
  // One line at (X, Y), turned by Angle about Center.
  virtual void DrawString(TCustomPlotPanel* Panel, int X, TPoint Center, double Angle, bool Html,
                          const std::string& Text, int Z, int Y);
  // The lines of the text inside R.
  void DoDrawText(TCustomPlotPanel* Panel, const TRect& R, int Z, double Angle);

  bool GetClipText() const { return FClipText; }
  void SetClipText(bool Value) { Store(FClipText, Value); }
  int GetCursor() const { return FCursor; }
  void SetCursor(int Value) { FCursor = Value; }
  TMargins* GetMargins() const { return FMargins.get(); }
  void SetMargins(TMargins* Value) { FMargins->Assign(Value); }
  TAlignment GetTextAlignment() const { return FTextAlign; }
  void SetTextAlignment(TAlignment Value) { Store(FTextAlign, Value); }
  // The alignment and its stored default.
  void InitTextAlignment(TAlignment Value) { FTextAlign = IDefaultTextAlign = Value; }
  TTextFormat GetTextFormat() const { return FTextFormat; }
  void SetTextFormat(TTextFormat Value) { Store(FTextFormat, Value); }
  TVertTextAlign GetVertTextAlign() const { return FVertTextAlign; }
  void SetVertTextAlign(TVertTextAlign Value) { Store(FVertTextAlign, Value); }
  const std::string& GetText() const { return FText; }
  void SetText(const std::string& Value);

  TAlignment IDefaultTextAlign = taLeftJustify;
  // Flat text always, without the 3D font preparation.
  bool IDraw2D = false;
  int ITextOffset = 0;
  // Lines found by the last CalcBounds.
  int INumLines = 0;

 protected:
  bool IsTextAlignStored() const { return FTextAlign != IDefaultTextAlign; }
  bool IsTextStored() const { return !FText.empty(); }
  // The shape's font on the panel's canvas, flat or prepared for 3D.
  void SelectFont(TCustomPlotPanel* Panel);
  // An opaque box with a visible frame: its frame width counts.
  bool FramedBox() const { return !FTransparent && FPen->GetVisible(); }

  bool FClipText = true;
  int FCursor = 0;
  std::unique_ptr<TMargins> FMargins;
  TAlignment FTextAlign = taLeftJustify;
  TTextFormat FTextFormat = ttfNormal;
  TVertTextAlign FVertTextAlign = vtaCenter;
  std::string FText;
};

// A text shape the user may place (legend, chart titles).
class TPlotCustomShapePosition : public TCustomTextShape {
 public:
  using TCustomTextShape::TCustomTextShape;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // The custom flag and, when on, left and top; then the text shape.
  void Assign(TPersistent* Source) override;

  bool GetCustomPosition() const { return FCustomPosition; }
  void SetCustomPosition(bool Value);
  int GetLeft() const { return ShapeBounds.Left; }
  // Turns CustomPosition on first.
  void SetLeft(int Value);
  int GetTop() const { return ShapeBounds.Top; }
  void SetTop(int Value);

  bool DefaultCustom = false;

 protected:
  bool IsCustomStored() const { return FCustomPosition != DefaultCustom; }
  bool IsPosStored() const { return FCustomPosition; }
  void SetEdge(int& Edge, int Value);
  bool FCustomPosition = false;
};

// The enumerations of text shapes, for the type information of descendants.
const TEnumInfo& TextAlignmentInfo();
const TEnumInfo& TextFormatInfo();
const TEnumInfo& VertTextAlignInfo();
