#include "controls/XwGroupHeader.h"

#include <algorithm>

#include "controls/XwUtils.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/DrawText.h"

namespace {

const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo info("TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"});
  return info;
}
const TEnumInfo& LayoutInfo() {
  static const TEnumInfo info("TXwLayout", {"lTop", "lCenter", "lBottom"});
  return info;
}
const TEnumInfo& ShapeInfo() {
  static const TEnumInfo info("TShapeType", {"stRectangle", "stSquare", "stRoundRect",
                                             "stRoundSquare", "stEllipse", "stCircle"});
  return info;
}
const TEnumInfo& BevelStyleInfo() {
  static const TEnumInfo info("TXwBevelStyle", {"bsShape", "bsLowered", "bsRaised"});
  return info;
}

unsigned AlignmentFlag(TAlignment a) {
  switch (a) {
    case taRightJustify:
      return DT_RIGHT;
    case taCenter:
      return DT_CENTER;
    default:
      return DT_LEFT;
  }
}

}  // namespace

// ---------------- TXwGroupHeaderOptions ----------------

const TClassInfo* TXwGroupHeaderOptions::Class() {
  using T = TXwGroupHeaderOptions;
  static const TClassInfo* info = TClassDecl<T>("TXwGroupHeaderOptions", TPersistent::Class())
                                      .Prop("Brush", &T::GetBrush, &T::SetBrush)
                                      .Prop("Height", &T::GetHeight, &T::SetHeight)
                                      .Default(2)
                                      .Prop("Pen", &T::GetPen, &T::SetPen)
                                      .Enum("Shape", &T::GetShape, &T::SetShape, ShapeInfo())
                                      .Default(stRectangle)
                                      .Enum("Style", &T::GetStyle, &T::SetStyle, BevelStyleInfo())
                                      .Default(bsLowered);
  return info;
}

TXwGroupHeaderOptions::TXwGroupHeaderOptions() {
  FBrush.OnChange = [this](TObject*) { Changed(); };
  FPen.OnChange = [this](TObject*) { Changed(); };
}

void TXwGroupHeaderOptions::Changed() {
  if (!FSilent && FOnChange) FOnChange(this);
}

void TXwGroupHeaderOptions::SetHeight(int value) {
  if (value == FHeight) return;
  FHeight = value;
  Changed();
}

void TXwGroupHeaderOptions::SetShape(TShapeType value) {
  if (value == FShape) return;
  FShape = value;
  Changed();
}

void TXwGroupHeaderOptions::SetStyle(TXwBevelStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Changed();
}

void TXwGroupHeaderOptions::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TXwGroupHeaderOptions*>(Source);
  if (other == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  FSilent = true;
  FBrush.Assign(&other->FBrush);
  FHeight = other->FHeight;
  FPen.Assign(&other->FPen);
  FShape = other->FShape;
  FStyle = other->FStyle;
  FSilent = false;
  Changed();
}

// ---------------- TXwGroupHeader ----------------

const TClassInfo* TXwGroupHeader::Class() {
  using T = TXwGroupHeader;
  static const TClassInfo* info =
      TClassDecl<T>("TXwGroupHeader", TControl::Class())
          .Prop("Caption", &T::GetCaption, &T::SetCaption)
          .Enum("Alignment", &T::GetAlignment, &T::SetAlignment, AlignmentInfo())
          .Default(taLeftJustify)
          .Enum("Layout", &T::GetLayout, &T::SetLayout, LayoutInfo())
          .Default(lTop)
          .Prop("BevelOptions", &T::GetBevelOptions, &T::SetBevelOptions)
          .Prop("BevelSpace", &T::GetBevelSpace, &T::SetBevelSpace)
          .Default(12)
          .Prop("PositionOffset", &T::GetPositionOffset, &T::SetPositionOffset)
          .Default(0)
          .Prop("Transparent", &T::GetTransparent, &T::SetTransparent)
          .Default(0);
  return info;
}

TXwGroupHeader::TXwGroupHeader(TComponent* AOwner) : TXwExGraphicControl(AOwner) {
  FWidth = 200;
  FHeight = 17;
  FBevelOptions.FOnChange = [this](TObject* sender) { BevelOptionsChanged(sender); };
}

void TXwGroupHeader::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TXwGroupHeader::SetLayout(TXwLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TXwGroupHeader::SetBevelSpace(int value) {
  if (value == FBevelSpace) return;
  FBevelSpace = value;
  Invalidate();
}

void TXwGroupHeader::SetPositionOffset(int value) {
  if (value == FPositionOffset) return;
  FPositionOffset = value;
  Invalidate();
}

void TXwGroupHeader::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  Invalidate();
}

void TXwGroupHeader::BevelOptionsChanged(TObject*) { Invalidate(); }

void TXwGroupHeader::TextChanged() {
  TXwExGraphicControl::TextChanged();
  Invalidate();
}

void TXwGroupHeader::FontChanged() {
  TXwExGraphicControl::FontChanged();
  Invalidate();
}

void TXwGroupHeader::BevelLine(TColor color, int x, int width, int y) {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(color);
  canvas->MoveTo(x, y);
  canvas->LineTo(x + width, y);
}

void TXwGroupHeader::DoDrawText(TRect& rect, unsigned flags) {
  TCanvas* canvas = GetCanvas();
  const std::u16string text = UTF8ToUTF16(GetLabelText());
  flags |= DT_NOPREFIX;
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  if (GetEnabled() || (flags & DT_CALCRECT)) {
    DrawTextNoModify(canvas, text, -1, flags, rect);
    return;
  }
  // Embossed: the highlight one pixel right and down, the shadow on top.
  TRect moved{rect.Left + 1, rect.Top + 1, rect.Right + 1, rect.Bottom + 1};
  canvas->GetFont()->SetColor(clBtnHighlight);
  DrawTextNoModify(canvas, text, -1, flags, moved);
  canvas->GetFont()->SetColor(clBtnShadow);
  DrawTextNoModify(canvas, text, -1, flags, rect);
}

void TXwGroupHeader::Paint() {
  TCanvas* canvas = GetCanvas();
  if (!FTransparent) FillBackground(canvas, ClientRect(), GetColor());
  const int w = FWidth, h = FHeight, b = FBevelSpace, p = FPositionOffset;
  TRect textRect{p, 0, w + p, h};
  const unsigned flags = AlignmentFlag(FAlignment);
  if (FLayout != lTop) {
    TRect measured = textRect;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int shift = FLayout == lCenter ? (h - measured.Bottom) / 2 : h - measured.Bottom;
    textRect.Top += shift, textRect.Bottom += shift;
  }
  DoDrawText(textRect, flags);

  canvas->SetFont(GetFont());
  const std::u16string caption = UTF8ToUTF16(GetLabelText());
  const int tw = canvas->TextWidth(caption), th = canvas->TextHeight(caption);
  int l = 0, s = 0, r = 0;
  switch (FAlignment) {
    case taLeftJustify:
      l = p - b, s = p + tw + b, r = w - tw - b;
      break;
    case taRightJustify:
      l = p + w - tw - b, s = l + tw + 2 * b, r = w;
      break;
    case taCenter:
      l = (w - tw) / 2 + p - b, s = l + tw + 2 * b, r = w;
      break;
  }
  l = std::max(l, 0);
  r = std::max(r, s);
  int y = th / 2;
  if (FLayout == lCenter) y = h / 2;
  if (FLayout == lBottom) y = h - th / 2;

  const TXwBevelStyle style = FBevelOptions.GetStyle();
  if (style == bsShape) {
    DrawShape(l, y);
    return;
  }
  const TColor first = style == bsLowered ? clBtnShadow : clBtnHighlight;
  const TColor second = style == bsLowered ? clBtnHighlight : clBtnShadow;
  if (GetComponentState() & csDesigning) {
    canvas->GetPen()->SetStyle(psSolid);
    canvas->GetPen()->SetMode(pmCopy);
    canvas->GetBrush()->SetStyle(bsSolid);
  }
  canvas->GetPen()->SetWidth(1);
  if (l != 0) {
    BevelLine(first, 0, l, y);
    BevelLine(second, 0, l, y + 1);
  }
  if (s != r) {
    BevelLine(first, s, r, y);
    BevelLine(second, s, r, y + 1);
  }
}

void TXwGroupHeader::DrawShape(int left, int y) {
  TCanvas* canvas = GetCanvas();
  canvas->SetPen(FBevelOptions.GetPen());
  canvas->SetBrush(FBevelOptions.GetBrush());
  const int pw = canvas->GetPen()->GetWidth();
  const int height = FBevelOptions.GetHeight();
  int x = pw / 2;
  int top = pw / 2 + y - height / 2;
  int h = height - pw + 1;
  int w = left - pw + 1;
  if (pw == 0) --h, --w;
  const int m = std::min(w, h);
  const TShapeType shape = FBevelOptions.GetShape();
  int mirror = FWidth - x - w;
  if (shape == stSquare || shape == stRoundSquare || shape == stCircle) {
    x += (w - m) / 2;
    top += (h - m) / 2;
    w = h = m;
    mirror = FWidth - 2 * x - m;
  }
  auto draw = [&](int dx) {
    const TRect r{x + dx, top, x + dx + w, top + h};
    switch (shape) {
      case stRectangle:
      case stSquare:
        canvas->Rectangle(r);
        break;
      case stRoundRect:
      case stRoundSquare:
        canvas->RoundRect(r.Left, r.Top, r.Right, r.Bottom, m / 4, m / 4);
        break;
      case stEllipse:
      case stCircle:
        canvas->Ellipse(r);
        break;
    }
  };
  draw(0);
  if (FAlignment == taCenter) draw(mirror);
}

void RegisterXwGroupHeaderClasses() { RegisterClass(TXwGroupHeader::Class()); }
