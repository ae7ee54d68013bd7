// The page canvas: graphics operators, pages, fonts and images.

#include "files/PdfCanvas.h"

#include "files/PdfDoc.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"

namespace {

std::string Reals(std::initializer_list<float> AValues) {
  std::string result;
  for (float value : AValues) result += (result.empty() ? "" : " ") + FormatReal(value);
  return result;
}

std::string Ints(std::initializer_list<int> AValues) {
  std::string result;
  for (int value : AValues) result += (result.empty() ? "" : " ") + IntToStr(value);
  return result;
}

std::string RGB(TPdfColor AValue) {
  if (AValue <= 0) AValue = 0;
  return Reals({(AValue & 0xFF) / 255.0f, ((AValue >> 8) & 0xFF) / 255.0f,
                ((AValue >> 16) & 0xFF) / 255.0f});
}

}  // namespace

// ---------------------------------------------------------------- text state

void TPdfCanvasAttribute::SetWordSpace(float AValue) {
  if (AValue < 0) throw EPdfInvalidValue("SetWordSpace --invalid word space");
  FWordSpace = AValue;
}

void TPdfCanvasAttribute::SetCharSpace(float AValue) {
  if (AValue < -30 || AValue > 300) throw EPdfInvalidValue("SetCharSpace --invalid char space");
  FCharSpace = AValue;
}

void TPdfCanvasAttribute::SetFontSize(float AValue) {
  if (AValue < 0 || AValue > 300) throw EPdfInvalidValue("SetFontSize --invalid font size");
  FFontSize = AValue;
}

void TPdfCanvasAttribute::SetLeading(float AValue) {
  if (AValue < 0 || AValue > 300) throw EPdfInvalidValue("SetLeading --invalid leading");
  FLeading = AValue;
}

void TPdfCanvasAttribute::SetHorizontalScaling(uint16_t AValue) {
  if (AValue < 10 || AValue > 300)
    throw EPdfInvalidValue("SetHorizontalScaling --invalid horizontal scaling");
  FHorizontalScaling = AValue;
}

// ---------------------------------------------------------------- operators

void TPdfCanvas::Emit(const std::string& ALine) {
  if (FIsVirtual || !FContents) return;
  WriteText(ALine, *FContents->Stream());
}

void TPdfCanvas::GSave() { Emit("q\n"); }
void TPdfCanvas::GRestore() { Emit("Q\n"); }
void TPdfCanvas::Concat(float a, float b, float c, float d, float e, float f) {
  Emit(Reals({a, b, c, d, e, f}) + " cm\n");
}
void TPdfCanvas::SetFlat(uint8_t flatness) { Emit(IntToStr(flatness) + " i\n"); }
void TPdfCanvas::SetLineCap(TLineCapStyle linecap) {
  Emit(IntToStr(static_cast<int>(linecap)) + " J\n");
}
void TPdfCanvas::SetLineJoin(TLineJoinStyle linejoin) {
  Emit(IntToStr(static_cast<int>(linejoin)) + " j\n");
}
void TPdfCanvas::SetMiterLimit(uint8_t miterlimit) { Emit(IntToStr(miterlimit) + " M\n"); }
void TPdfCanvas::SetLineWidth(float linewidth) { Emit(FormatReal(linewidth) + " w\n"); }

void TPdfCanvas::SetDash(const std::vector<uint8_t>& aarray, uint8_t phase) {
  std::string line = "[";
  if (!aarray.empty() && aarray[0] != 0)
    for (uint8_t value : aarray) line += IntToStr(value) + " ";
  Emit(line + "] " + IntToStr(phase) + " d\n");
}

void TPdfCanvas::MoveTo(float x, float y) { Emit(Reals({x, y}) + " m\n"); }
void TPdfCanvas::LineTo(float x, float y) { Emit(Reals({x, y}) + " l\n"); }
void TPdfCanvas::CurveToC(float x1, float y1, float x2, float y2, float x3, float y3) {
  Emit(Reals({x1, y1, x2, y2, x3, y3}) + " c\n");
}
void TPdfCanvas::CurveToV(float x2, float y2, float x3, float y3) {
  Emit(Reals({x2, y2, x3, y3}) + " v\n");
}
void TPdfCanvas::CurveToY(float x1, float y1, float x3, float y3) {
  Emit(Reals({x1, y1, x3, y3}) + " y\n");
}
void TPdfCanvas::Rectangle(float x, float y, float width, float height) {
  Emit(Reals({x, y, width, height}) + " re\n");
}
void TPdfCanvas::Closepath() { Emit("h\n"); }
void TPdfCanvas::NewPath() { Emit("n\n"); }
void TPdfCanvas::Stroke() { Emit("S\n"); }
void TPdfCanvas::ClosePathStroke() { Emit("s\n"); }
void TPdfCanvas::Fill() { Emit("f\n"); }
void TPdfCanvas::Eofill() { Emit("f*\n"); }
void TPdfCanvas::FillStroke() { Emit("B\n"); }
void TPdfCanvas::ClosepathFillStroke() { Emit("b\n"); }
void TPdfCanvas::EofillStroke() { Emit("B*\n"); }
void TPdfCanvas::ClosepathEofillStroke() { Emit("b*\n"); }
void TPdfCanvas::Clip() { Emit("W\n"); }
void TPdfCanvas::Eoclip() { Emit("W*\n"); }
void TPdfCanvas::SetRGBFillColor(TPdfColor Value) { Emit(RGB(Value) + " rg\n"); }
void TPdfCanvas::SetRGBStrokeColor(TPdfColor Value) { Emit(RGB(Value) + " RG\n"); }

void TPdfCanvas::Ellipse(float x, float y, float width, float height) {
  const float k = 11.0f / 20.0f;
  const float w = width, h = height;
  MoveTo(x, y + h / 2);
  CurveToC(x, y + h / 2 - k * h / 2, x + w / 2 - k * w / 2, y, x + w / 2, y);
  CurveToC(x + w / 2 + k * w / 2, y, x + w, y + h / 2 - k * h / 2, x + w, y + h / 2);
  CurveToC(x + w, y + h / 2 + k * h / 2, x + w / 2 + k * w / 2, y + h, x + w / 2, y + h);
  CurveToC(x + w / 2 - k * w / 2, y + h, x, y + h / 2 + k * h / 2, x, y + h / 2);
}

void TPdfCanvas::BeginText() { Emit("BT\n"); }
void TPdfCanvas::EndText() { Emit("ET\n"); }
void TPdfCanvas::MoveTextPoint(float tx, float ty) { Emit(Reals({tx, ty}) + " Td\n"); }
void TPdfCanvas::SetTextMatrix(uint16_t a, uint16_t b, uint16_t c, uint16_t d, uint16_t x,
                               uint16_t y) {
  Emit(Ints({a, b, c, d, x, y}) + " Tm\n");
}
void TPdfCanvas::MoveToNextLine() { Emit("T*\n"); }

std::string TPdfCanvas::StringForm(const std::u16string& AText) const {
  if (HasWideChars(AText)) return "<" + HexOfCodes(AText) + ">";
  return LiteralString(AText, FAttr.Font() ? FAttr.Font()->Encoding() : TPdfEncoding::Win1252);
}

void TPdfCanvas::ShowText(const std::u16string& s) { Emit(StringForm(s) + " Tj\n"); }
void TPdfCanvas::ShowTextNextLine(const std::u16string& s) { Emit(StringForm(s) + " '\n"); }

void TPdfCanvas::SetCharSpace(float charSpace) {
  if (charSpace == FAttr.CharSpace()) return;
  FAttr.SetCharSpace(charSpace);
  if (FPage) Emit(FormatReal(charSpace) + " Tc\n");
}

void TPdfCanvas::SetWordSpace(float wordSpace) {
  if (wordSpace == FAttr.WordSpace()) return;
  FAttr.SetWordSpace(wordSpace);
  if (FPage) Emit(FormatReal(wordSpace) + " Tw\n");
}

void TPdfCanvas::SetHorizontalScaling(uint16_t hScaling) {
  if (hScaling == FAttr.HorizontalScaling()) return;
  FAttr.SetHorizontalScaling(hScaling);
  if (FPage) Emit(IntToStr(hScaling) + " Tz\n");
}

void TPdfCanvas::SetLeading(float leading) {
  if (leading == FAttr.Leading()) return;
  FAttr.SetLeading(leading);
  if (FPage) Emit(FormatReal(leading) + " TL\n");
}

void TPdfCanvas::SetFontAndSize(const std::string& fontname, float size) {
  Emit(fontname + " " + FormatReal(size) + " Tf\n");
}
void TPdfCanvas::SetTextRenderingMode(TTextRenderingMode mode) {
  Emit(IntToStr(static_cast<int>(mode)) + " Tr\n");
}
void TPdfCanvas::SetTextRise(uint16_t rise) { Emit(IntToStr(rise) + " Ts\n"); }
void TPdfCanvas::ExecuteXObject(const std::u16string& xObject) {
  Emit("/" + EncodeName(xObject) + " Do\n");
}

// ---------------------------------------------------------------- pages

TPdfDictionary* TPdfCanvas::Page() const {
  if (!FPage) throw EPdfInvalidOperation("GetPage --the Page is nil");
  return FPage;
}

void TPdfCanvas::Forget() {
  FPage = nullptr;
  FContents = nullptr;
  FAttr.SetFont(nullptr);
}

void TPdfCanvas::StoreState() {
  if (FAttr.Font())
    FPage->AddInternalItem(u"_Font", new TPdfName(UTF8ToUTF16(FAttr.Font()->Name())));
  FPage->AddInternalItem(u"_Font_Size", new TPdfReal(FAttr.FontSize()));
  FPage->AddInternalItem(u"_Word_Space", new TPdfReal(FAttr.WordSpace()));
  FPage->AddInternalItem(u"_Char_Space", new TPdfReal(FAttr.CharSpace()));
  FPage->AddInternalItem(u"_HScalling", new TPdfNumber(FAttr.HorizontalScaling()));
  FPage->AddInternalItem(u"_Leading", new TPdfReal(FAttr.Leading()));
}

void TPdfCanvas::RestoreState() {
  FAttr.SetFont(FPdfDoc->GetFont(UTF16ToUTF8(FPage->PdfNameByName(u"_Font")->Value())));
  auto real = [this](const char16_t* AKey) {
    TPdfReal* value = FPage->PdfRealByName(AKey);
    return value ? static_cast<float>(value->Value()) : 0.0f;
  };
  FAttr.SetFontSize(real(u"_Font_Size"));
  FAttr.SetWordSpace(real(u"_Word_Space"));
  FAttr.SetCharSpace(real(u"_Char_Space"));
  TPdfNumber* scaling = FPage->PdfNumberByName(u"_HScalling");
  FAttr.SetHorizontalScaling(scaling ? static_cast<uint16_t>(scaling->Value()) : 100);
  FAttr.SetLeading(real(u"_Leading"));
}

void TPdfCanvas::SetPage(TPdfDictionary* APage) {
  if (FPage) StoreState();
  FPage = APage;
  FContents = dynamic_cast<TPdfStream*>(APage->ValueByName(u"Contents"));
  if (APage->PdfNameByName(u"_Font")) {
    RestoreState();
    return;
  }
  FAttr.SetFont(nullptr);
  SetFont("Arial", 10);
  FAttr.SetCharSpace(0);
  FAttr.SetWordSpace(0);
  FAttr.SetHorizontalScaling(100);
  FAttr.SetLeading(0);
}

TPdfDictionary* TPdfCanvas::Resources(const std::u16string& AKind) const {
  TPdfDictionary* resources = Page()->PdfDictionaryByName(u"Resources");
  if (!resources) {
    resources = new TPdfDictionary(FPage->ObjectMgr());
    FPage->AddItem(u"Resources", resources);
  }
  TPdfDictionary* kind = resources->PdfDictionaryByName(AKind);
  if (!kind) {
    kind = new TPdfDictionary(FPage->ObjectMgr());
    resources->AddItem(AKind, kind);
  }
  return kind;
}

void TPdfCanvas::SetFont(const std::string& AName, float ASize) {
  TPdfFont* font = FPdfDoc->GetFont(AName);
  if (font == FAttr.Font() && ASize == FAttr.FontSize()) return;
  if (ASize < 0 || ASize > 300) throw EPdfInvalidValue("SetFontSize --invalid font size");
  const std::u16string resourceName = font->Data()->PdfNameByName(u"Name")->Value();
  TPdfDictionary* fonts = Resources(u"Font");
  if (!fonts->ValueByName(resourceName)) fonts->AddItem(resourceName, font->Data());
  if (FContents) SetFontAndSize("/" + EncodeName(resourceName), ASize);
  FAttr.SetFont(font);
  FAttr.SetFontSize(ASize);
}

int32_t TPdfCanvas::MediaBoxValue(int AIndex, int32_t ADefault) const {
  TPdfArray* box = Page()->PdfArrayByName(u"MediaBox");
  auto* value =
      box && box->ItemCount() > AIndex ? dynamic_cast<TPdfNumber*>(box->Items(AIndex)) : nullptr;
  return value ? value->Value() : ADefault;
}

int32_t TPdfCanvas::PageWidth() const { return MediaBoxValue(2, FPdfDoc->DefaultPageWidth()); }
int32_t TPdfCanvas::PageHeight() const { return MediaBoxValue(3, FPdfDoc->DefaultPageHeight()); }

void TPdfCanvas::SetPageWidth(int32_t AValue) {
  TPdfArray* box = Page()->PdfArrayByName(u"MediaBox");
  auto* value = box && box->ItemCount() > 2 ? dynamic_cast<TPdfNumber*>(box->Items(2)) : nullptr;
  if (!value) throw EPdfInvalidOperation("Can not chenge width of this page..");
  value->SetValue(AValue);
}

void TPdfCanvas::SetPageHeight(int32_t AValue) {
  TPdfArray* box = Page()->PdfArrayByName(u"MediaBox");
  auto* value = box && box->ItemCount() > 3 ? dynamic_cast<TPdfNumber*>(box->Items(3)) : nullptr;
  if (!value) throw EPdfInvalidOperation("Can not chenge height of this page..");
  value->SetValue(AValue);
}

// ---------------------------------------------------------------- images

TPdfXObject* TPdfCanvas::RequireXObject(const std::u16string& AName, const char* AOperation) {
  TPdfXObject* object = FPdfDoc->GetXObject(AName);
  if (!object)
    throw EPdfInvalidValue(
        Format(std::string(AOperation) + " --XObject not found: %s", {UTF16ToUTF8(AName)}));
  TPdfDictionary* xobjects = Resources(u"XObject");
  if (!xobjects->ValueByName(AName)) xobjects->AddItem(AName, object);
  return object;
}

void TPdfCanvas::DrawXObject(float X, float Y, float AWidth, float AHeight,
                             const std::u16string& AXObjectName) {
  TPdfXObject* object = RequireXObject(AXObjectName, "DrawXObject");
  GSave();
  Concat(AWidth, 0, 0, AHeight, X, Y);
  ExecuteXObject(object->Attributes()->PdfNameByName(u"Name")->Value());
  GRestore();
}

void TPdfCanvas::DrawXObjectEx(float X, float Y, float AWidth, float AHeight, float ClipX,
                               float ClipY, float ClipWidth, float ClipHeight,
                               const std::u16string& AXObjectName) {
  TPdfXObject* object = RequireXObject(AXObjectName, "DrawXObjectEx");
  GSave();
  Rectangle(ClipX, ClipY, ClipWidth, ClipHeight);
  Clip();
  NewPath();
  Concat(AWidth, 0, 0, AHeight, X, Y);
  ExecuteXObject(object->Attributes()->PdfNameByName(u"Name")->Value());
  GRestore();
}
