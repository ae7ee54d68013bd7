#pragma once
// The page canvas: each drawing call appends one line of page-description
// operators to the current page's "Contents" stream. It keeps the text state
// to measure, align and wrap text with the fonts' widths, and registers on the
// page every font and image it uses.

#include <cstdint>
#include <string>
#include <vector>

#include "files/PdfFonts.h"
#include "files/PdfTypes.h"

class TPdfDoc;

// The text state; each setter checks its range.
class TPdfCanvasAttribute {
 public:
  float WordSpace() const { return FWordSpace; }
  void SetWordSpace(float AValue);
  float CharSpace() const { return FCharSpace; }
  void SetCharSpace(float AValue);
  float FontSize() const { return FFontSize; }
  void SetFontSize(float AValue);
  TPdfFont* Font() const { return FFont; }
  void SetFont(TPdfFont* AValue) { FFont = AValue; }
  float Leading() const { return FLeading; }
  void SetLeading(float AValue);
  uint16_t HorizontalScaling() const { return FHorizontalScaling; }
  void SetHorizontalScaling(uint16_t AValue);

 private:
  float FWordSpace = 0;
  float FCharSpace = 0;
  float FFontSize = 0;
  TPdfFont* FFont = nullptr;
  float FLeading = 0;
  uint16_t FHorizontalScaling = 0;
};

enum TLineCapStyle { lcButt_End, lcRound_End, lcProjectingSquareEnd };
enum TLineJoinStyle { ljMiterJoin, ljRoundJoin, ljBevelJoin };
enum TTextRenderingMode {
  trFill,
  trStroke,
  trFillThenStroke,
  trInvisible,
  trFillClipping,
  trStrokeClipping,
  trFillStrokeClipping,
  trClipping
};
// Red in the lowest byte, then green, then blue.
using TPdfColor = int32_t;

class TPdfCanvas {
 public:
  explicit TPdfCanvas(TPdfDoc* APdfDoc) : FPdfDoc(APdfDoc) {}

  // Graphics state, paths and painting.
  void GSave();
  void GRestore();
  void Concat(float a, float b, float c, float d, float e, float f);
  void SetFlat(uint8_t flatness);
  void SetLineCap(TLineCapStyle linecap);
  void SetLineJoin(TLineJoinStyle linejoin);
  void SetMiterLimit(uint8_t miterlimit);
  void SetLineWidth(float linewidth);
  void SetDash(const std::vector<uint8_t>& aarray, uint8_t phase);
  void MoveTo(float x, float y);
  void LineTo(float x, float y);
  void CurveToC(float x1, float y1, float x2, float y2, float x3, float y3);
  void CurveToV(float x2, float y2, float x3, float y3);
  void CurveToY(float x1, float y1, float x3, float y3);
  void Rectangle(float x, float y, float width, float height);
  void Closepath();
  void NewPath();
  void Stroke();
  void ClosePathStroke();
  void Fill();
  void Eofill();
  void FillStroke();
  void ClosepathFillStroke();
  void EofillStroke();
  void ClosepathEofillStroke();
  void Clip();
  void Eoclip();
  void SetRGBFillColor(TPdfColor Value);
  void SetRGBStrokeColor(TPdfColor Value);
  // Four Bezier quarters from the left middle point; neither closed nor painted.
  void Ellipse(float x, float y, float width, float height);

  // Text.
  void BeginText();
  void EndText();
  void MoveTextPoint(float tx, float ty);
  void SetTextMatrix(uint16_t a, uint16_t b, uint16_t c, uint16_t d, uint16_t x, uint16_t y);
  void MoveToNextLine();
  void ShowText(const std::u16string& s);
  void ShowTextNextLine(const std::u16string& s);
  void SetCharSpace(float charSpace);
  void SetWordSpace(float wordSpace);
  void SetHorizontalScaling(uint16_t hScaling);
  void SetLeading(float leading);
  void SetFontAndSize(const std::string& fontname, float size);
  void SetTextRenderingMode(TTextRenderingMode mode);
  void SetTextRise(uint16_t rise);
  void ExecuteXObject(const std::u16string& xObject);

  // Compound operations.
  void SetPage(TPdfDictionary* APage);
  void SetFont(const std::string& AName, float ASize);
  void TextOut(float X, float Y, const std::u16string& Text);
  void TextRect(const TPdfRect& ARect, const std::u16string& Text, TPdfAlignment Alignment,
                bool Clipping);
  void MultilineTextRect(TPdfRect ARect, const std::u16string& Text, bool WordWrap);
  void DrawXObject(float X, float Y, float AWidth, float AHeight,
                   const std::u16string& AXObjectName);
  void DrawXObjectEx(float X, float Y, float AWidth, float AHeight, float ClipX, float ClipY,
                     float ClipWidth, float ClipHeight, const std::u16string& AXObjectName);
  float TextWidth(const std::u16string& Text);
  // How many leading characters of Text fit into AWidth.
  int MeasureText(const std::u16string& Text, float AWidth);
  // The word at Index (from 1), up to a blank, a CR LF or the end; Index
  // moves past it. Empty past the end.
  static std::u16string GetNextWord(const std::u16string& S, int& Index);

  TPdfCanvasAttribute& Attribute() { return FAttr; }
  TPdfStream* Contents() const { return FContents; }
  // Raises EPdfInvalidOperation "GetPage --the Page is nil" without a page.
  TPdfDictionary* Page() const;
  TPdfDoc* Doc() const { return FPdfDoc; }
  int32_t PageWidth() const;
  void SetPageWidth(int32_t AValue);
  int32_t PageHeight() const;
  void SetPageHeight(int32_t AValue);
  bool IsVirtual() const { return FIsVirtual; }
  void SetIsVirtual(bool AValue) { FIsVirtual = AValue; }
  // The document went: no page, no contents, no font.
  void Forget();

 private:
  void Emit(const std::string& ALine);
  std::string StringForm(const std::u16string& AText) const;
  float Advance(const std::u16string& AText, int APos);
  void StoreState();
  void RestoreState();
  TPdfDictionary* Resources(const std::u16string& AKind) const;
  TPdfXObject* RequireXObject(const std::u16string& AName, const char* AOperation);
  int32_t MediaBoxValue(int AIndex, int32_t ADefault) const;

  TPdfStream* FContents = nullptr;
  TPdfDictionary* FPage = nullptr;
  TPdfDoc* FPdfDoc;
  TPdfCanvasAttribute FAttr;
  bool FIsVirtual = false;
};
