#include "controls/zr_windows.h"

#include "controls/zr_host_form.h"
#include "controls/zr_objects.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_brush.h"
#include "scene/zr_font.h"

namespace {

TzrVisualObject* VisualPart(TzrControl* AControl, const char* AName) {
  TzrObject* part = AControl->FindResource(AName);
  return part ? part->GetVisual() : nullptr;
}

// Shown or hidden at run time, and hidden in the designer too when hidden.
void ShowPart(TzrVisualObject* APart, bool AShow) {
  APart->SetVisible(AShow);
  APart->SetDesignHide(!AShow);
}

}  // namespace

// ---------------------------------------------------------------- close button

const TClassInfo* TzrCloseButton::Class() {
  using T = TzrCloseButton;
  static const TClassInfo* info = TClassDecl<T>("TzrCloseButton", TzrControl::Class())
                                      .Event("OnClick", &T::OnClick)
                                      .Prop("CloseForm", &T::GetCloseForm, &T::SetCloseForm)
                                      .Default(true);
  return info;
}

TzrCloseButton::TzrCloseButton(TComponent* AOwner) : TzrControl(AOwner) {
  FCanFocused = false;
  // The release must reach the button wherever it happens: a press whose
  // release went to another node would stay pending and close the form at
  // the next release that lands here.
  FAutoCapture = true;
  SetBounds(0, 0, 20, 20);
}

void TzrCloseButton::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // OnMouseDown may free the button
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (!watch.Freed() && Button == mbLeft) FPressing = true;
}

void TzrCloseButton::MouseUp(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);  // closing the form may free the button
  TzrControl::MouseUp(Button, Shift, X, Y);
  if (watch.Freed() || !FPressing) return;
  FPressing = false;
  if (FCloseForm)
    if (TForm* form = zrHostForm(this)) form->Close();
  if (!watch.Freed() && OnClick) {
    TNotifyEvent handler = OnClick;
    handler(this);
  }
}

// ---------------------------------------------------------------- size grip, bars

const TClassInfo* TzrSizeGrip::Class() {
  static const TClassInfo* info = TClassDecl<TzrSizeGrip>("TzrSizeGrip", TzrControl::Class());
  return info;
}

const TClassInfo* TzrStatusBar::Class() {
  using T = TzrStatusBar;
  static const TClassInfo* info =
      TClassDecl<T>("TzrStatusBar", TzrControl::Class())
          .Enum("Align", &T::GetAlign, &T::SetAlign, zrAlignInfo())
          .Default(vaBottom)
          .Prop("ShowSizeGrip", &T::GetShowSizeGrip, &T::SetShowSizeGrip);
  return info;
}

TzrStatusBar::TzrStatusBar(TComponent* AOwner) : TzrControl(AOwner) {
  SetHeight(22);
  SetAlign(vaBottom);
}

void TzrStatusBar::SetShowSizeGrip(bool Value) {
  if (FShowSizeGrip == Value) return;
  FShowSizeGrip = Value;
  SetResource(GetResource());
}

void TzrStatusBar::ApplyStyle() {
  TzrControl::ApplyStyle();
  TzrVisualObject* grip = VisualPart(this, "sizegrip");
  if (!grip) return;
  grip->SetVisible(FShowSizeGrip);
  if (Designing()) return;
  grip->SetLocked(false);
  grip->SetHitTest(true);
}

const TClassInfo* TzrToolBar::Class() {
  using T = TzrToolBar;
  static const TClassInfo* info = TClassDecl<T>("TzrToolBar", TzrControl::Class())
                                      .Enum("Align", &T::GetAlign, &T::SetAlign, zrAlignInfo())
                                      .Default(vaTop);
  return info;
}

TzrToolBar::TzrToolBar(TComponent* AOwner) : TzrControl(AOwner) {
  SetHeight(40);
  SetAlign(vaTop);
}

// ---------------------------------------------------------------- window

const TClassInfo* TzrWindow::Class() {
  using T = TzrWindow;
  static const TClassInfo* info =
      TClassDecl<T>("TzrWindow", TzrTextControl::Class())
          .Prop("ShowCloseButton", &T::GetShowCloseButton, &T::SetShowCloseButton)
          .Default(true)
          .Prop("ShowSizeGrip", &T::GetShowSizeGrip, &T::SetShowSizeGrip)
          .Default(true)
          .Event("OnCloseClick", &T::OnCloseClick)
          .Prop("AutoTranslate", &T::GetAutoTranslate, &T::SetAutoTranslate)
          .Default(true)
          .Prop("Font", &T::GetFont, &T::SetFont)
          // Always written: a window starts near-aligned.
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Prop("Text", &T::GetText, &T::SetText);
  return info;
}

TzrWindow::TzrWindow(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetAutoTranslate(true);
  FHitTest = false;
  SetTextAlign(zrTextAlignNear);
  SetBounds(0, 0, 200, 200);
}

void TzrWindow::SetShowCloseButton(bool Value) {
  if (FShowCloseButton == Value) return;
  FShowCloseButton = Value;
  SetResource(GetResource());
}

void TzrWindow::SetShowSizeGrip(bool Value) {
  if (FShowSizeGrip == Value) return;
  FShowSizeGrip = Value;
  SetResource(GetResource());
}

void TzrWindow::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  if (TzrVisualObject* close = VisualPart(this, "close")) {
    close->SetVisible(FShowCloseButton);
    auto* button = dynamic_cast<TzrCloseButton*>(close);
    if (button && OnCloseClick) {
      button->SetCloseForm(false);
      button->OnClick = OnCloseClick;
    }
  }
  if (TzrVisualObject* grip = VisualPart(this, "sizegrip")) grip->SetVisible(FShowSizeGrip);
}

// ---------------------------------------------------------------- HUD window

const TEnumInfo& zrCloseAlignInfo() {
  static const TEnumInfo info("TzrCloseAlign", {"zrButtonAlignLeft", "zrButtonAlignRight"});
  return info;
}

const TClassInfo* TzrHudWindow::Class() {
  using T = TzrHudWindow;
  static const TClassInfo* info =
      TClassDecl<T>("TzrHudWindow", TzrWindow::Class())
          .Prop("DisableShadowOnOSX", &T::GetDisableShadowOnOSX, &T::SetDisableShadowOnOSX)
          .Default(true)
          .Enum("ButtonAlign", &T::GetButtonAlign, &T::SetButtonAlign, zrCloseAlignInfo())
          .Default(zrButtonAlignLeft)
          .Prop("Fill", &T::GetFill, &T::SetFill)
          .Prop("Stroke", &T::GetStroke, &T::SetStroke)
          .Prop("StrokeThickness", &T::GetStrokeThickness, &T::SetStrokeThickness)
          .Stored(&T::StrokeThicknessStored)
          .Enum("StrokeCap", &T::GetStrokeCap, &T::SetStrokeCap, zrStrokeCapInfo())
          .Default(zrCapFlat)
          .Enum("StrokeDash", &T::GetStrokeDash, &T::SetStrokeDash, zrStrokeDashInfo())
          .Default(zrDashSolid)
          .Enum("StrokeJoin", &T::GetStrokeJoin, &T::SetStrokeJoin, zrStrokeJoinInfo())
          .Default(zrJoinMiter)
          .Prop("ShowCaption", &T::GetShowCaption, &T::SetShowCaption)
          .Default(true);
  return info;
}

TzrHudWindow::TzrHudWindow(TComponent* AOwner)
    : TzrWindow(AOwner),
      FFill(std::make_unique<TzrBrush>(zrBrushSolid, 0xEA2F2F2F)),
      FStroke(std::make_unique<TzrBrush>(zrBrushSolid, 0x5B000000)) {
  FFill->OnChanged = [this](TObject* Sender) { DoFillChanged(Sender); };
  FStroke->OnChanged = [this](TObject* Sender) { DoFillChanged(Sender); };
  GetFont()->SetStyle(zrFontBold);
}

TzrHudWindow::~TzrHudWindow() {
  Destroying();
  FFill->OnChanged = nullptr;
  FStroke->OnChanged = nullptr;
}

void TzrHudWindow::Changed() {
  if (!IsLoading()) ApplyStyle();
}

void TzrHudWindow::DoFillChanged(TObject*) { Changed(); }

void TzrHudWindow::SetFill(TzrBrush* Value) { FFill->Assign(Value); }

void TzrHudWindow::SetStroke(TzrBrush* Value) { FStroke->Assign(Value); }

void TzrHudWindow::SetDisableShadowOnOSX(bool Value) {
  if (FDisableShadowOnOSX == Value) return;
  FDisableShadowOnOSX = Value;
  SetResource(GetResource());
}

void TzrHudWindow::SetStrokeThickness(float Value) {
  if (FStrokeThickness == Value) return;
  FStrokeThickness = Value;
  Changed();
}

void TzrHudWindow::SetStrokeCap(TzrStrokeCap Value) {
  if (FStrokeCap == Value) return;
  FStrokeCap = Value;
  Changed();
}

void TzrHudWindow::SetStrokeDash(TzrStrokeDash Value) {
  if (FStrokeDash == Value) return;
  FStrokeDash = Value;
  Changed();
}

void TzrHudWindow::SetStrokeJoin(TzrStrokeJoin Value) {
  if (FStrokeJoin == Value) return;
  FStrokeJoin = Value;
  Changed();
}

void TzrHudWindow::SetButtonAlign(TzrCloseAlign Value) {
  if (FCloseAlign == Value) return;
  FCloseAlign = Value;
  Changed();
}

void TzrHudWindow::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  Changed();
}

void TzrHudWindow::ApplyStyle() {
  TzrWindow::ApplyStyle();
  const float t = FStrokeThickness;
  if (auto* close = dynamic_cast<TzrCloseButton*>(FindResource("close"))) {
    close->SetAlign(FCloseAlign == zrButtonAlignRight ? vaRight : vaLeft);
    if (close->GetVisible()) ShowPart(close, FShowCaption);
  }
  if (auto* back = dynamic_cast<TzrShape*>(FindResource("back"))) back->SetFill(FFill.get());
  if (auto* stroke = dynamic_cast<TzrShape*>(FindResource("stroke"))) {
    stroke->SetStroke(FStroke.get());
    stroke->SetStrokeThickness(t);
    stroke->SetStrokeCap(FStrokeCap);
    stroke->SetStrokeDash(FStrokeDash);
    stroke->SetStrokeJoin(FStrokeJoin);
    stroke->GetMargins()->SetRect({t, t, t, t});
  }
  if (TzrVisualObject* caption = VisualPart(this, "caption")) {
    caption->SetHeight(t + 20);
    caption->GetPadding()->SetRect({t, t, t, 0});
    ShowPart(caption, FShowCaption);
  }
  if (TzrVisualObject* text = VisualPart(this, "text")) ShowPart(text, FShowCaption);
}

const TClassInfo* TzrLayerWindow::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrLayerWindow>("TzrLayerWindow", TzrHudWindow::Class());
  return info;
}

const TClassInfo* TzrHudCloseButton::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudCloseButton>("TzrHudCloseButton", TzrCloseButton::Class());
  return info;
}

const TClassInfo* TzrHudSizeGrip::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudSizeGrip>("TzrHudSizeGrip", TzrSizeGrip::Class());
  return info;
}

const TClassInfo* TzrHudStatusBar::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudStatusBar>("TzrHudStatusBar", TzrStatusBar::Class());
  return info;
}
