#include "controls/zr_color_panel.h"

#include <cmath>

#include "controls/zr_color_quad.h"
#include "controls/zr_color_tracks.h"
#include "controls/zr_gradient_edit.h"
#include "controls/zr_text_box.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"
#include "scene/zr_color_text.h"
#include "scene/zr_colors.h"

namespace {

// Inner controls are owned by the compound control and never streamed.
template <class T>
T* MakeInner(TComponent* Owner, TzrObject* Parent) {
  auto* c = new T(Owner);
  c->SetStored(false);
  c->SetParent(Parent);
  return c;
}

}  // namespace

// ---------------------------------------------------------------- colour panel

const TClassInfo* TzrColorPanel::Class() {
  using T = TzrColorPanel;
  static const TClassInfo* info = TClassDecl<T>("TzrColorPanel", TzrControl::Class())
                                      .Event("OnChange", &T::OnChange)
                                      .Prop("Color", &T::GetColor, &T::SetColor)
                                      .Prop("ColorBox", &T::GetColorBox, &T::SetColorBox)
                                      .Prop("UseAlpha", &T::GetUseAlpha, &T::SetUseAlpha)
                                      .Default(true);
  return info;
}

TzrColorPanel::TzrColorPanel(TComponent* AOwner) : TzrControl(AOwner) {
  SetWidth(150);
  SetHeight(150);
  FAlphaTrack = MakeInner<TzrAlphaTrackBar>(this, this);
  FAlphaTrack->SetAlign(vaBottom);
  FAlphaTrack->SetHeight(15);
  FAlphaTrack->GetPadding()->SetRight(15);
  FAlphaTrack->SetDisableFocusEffect(true);
  FAlphaTrack->SetLocked(true);
  FAlphaTrack->OnChange = [this](TObject*) { FColorQuad->SetAlpha(FAlphaTrack->GetValue()); };
  FHueTrack = MakeInner<TzrHueTrackBar>(this, this);
  FHueTrack->SetAlign(vaRight);
  FHueTrack->SetOrientation(zrVertical);
  FHueTrack->SetWidth(15);
  FHueTrack->SetDisableFocusEffect(true);
  FHueTrack->SetLocked(true);
  FHueTrack->OnChange = [this](TObject*) { FColorQuad->SetHue(FHueTrack->GetValue()); };
  FColorQuad = MakeInner<TzrColorQuad>(this, this);
  FColorQuad->SetAlign(vaClient);
  FColorQuad->GetPadding()->SetRect({5, 5, 3, 3});
  FColorQuad->SetLocked(true);
  FColorQuad->OnChange = [this](TObject*) { DoQuadChange(); };
  SetColor("#FFFFFFFF");
}

std::string TzrColorPanel::GetColor() const {
  const TzrColor rgb = zrHSLtoRGB(FColorQuad->GetHue(), FColorQuad->GetSat(), FColorQuad->GetLum());
  return UTF16ToUTF8(zrColorToStr(zrOpacity(rgb, FColorQuad->GetAlpha())));
}

void TzrColorPanel::DoQuadChange() {
  if (FColorBox) FColorBox->SetColor(zrStrToColor(UTF8ToUTF16(GetColor())));
  if (OnChange) OnChange(this);
}

void TzrColorPanel::SetColor(const std::string& Value) {
  TNotifyEvent saved = std::move(OnChange);
  OnChange = nullptr;
  const TzrColor color = zrStrToColor(UTF8ToUTF16(Value));
  float h = 0, s = 0, l = 0;
  zrRGBtoHSL(color, h, s, l);
  FColorQuad->SetLum(l);
  FColorQuad->SetSat(s);
  FHueTrack->SetValue(h);
  FAlphaTrack->SetValue(float(color >> 24) / 255);
  OnChange = std::move(saved);
  if (!IsLoading()) DoQuadChange();
}

void TzrColorPanel::Loaded() {
  TzrControl::Loaded();
  SetColor(GetColor());
}

void TzrColorPanel::SetColorBox(TzrColorBox* Value) {
  if (Value == FColorBox) return;
  if (FColorBox) FColorBox->RemoveFreeNotification(this);
  FColorBox = Value;
  if (!FColorBox) return;
  FColorBox->FreeNotification(this);
  FColorBox->SetColor(zrStrToColor(UTF8ToUTF16(GetColor())));
}

void TzrColorPanel::SetUseAlpha(bool Value) {
  if (Value == FUseAlpha) return;
  FUseAlpha = Value;
  FAlphaTrack->SetVisible(FUseAlpha);
}

void TzrColorPanel::Notification(TComponent* AComponent, TOperation Operation) {
  TzrControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FColorBox) FColorBox = nullptr;
}

// ---------------------------------------------------------------- combo colour box

const TClassInfo* TzrComboColorBox::Class() {
  using T = TzrComboColorBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrComboColorBox", TzrControl::Class())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Prop("Color", &T::GetColor, &T::SetColor)
          .Prop("UseAlpha", &T::GetUseAlpha, &T::SetUseAlpha)
          .Default(true)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrComboColorBox::TzrComboColorBox(TComponent* AOwner) : TzrControl(AOwner) {
  SetWidth(60);
  SetHeight(22);
  FCanFocused = true;
  SetAutoCapture(true);
  FPopup = MakeInner<TzrPopup>(this, this);
  FPopup->SetPlacementTarget(this);
  FPopup->SetStaysOpen(false);
  FPopup->SetDesignHide(true);
  FPopup->SetLocked(true);
  FPopup->SetWidth(240);
  FPopup->SetHeight(160);
  FPopup->GetMargins()->SetRect({5, 5, 5, 5});
  FColorBox = MakeInner<TzrColorBox>(this, FPopup);
  FColorBox->SetWidth(50);
  FColorBox->SetAlign(vaRight);
  FColorBox->GetPadding()->SetRect({15, 70, 15, 30});
  FColorText = MakeInner<TzrTextBox>(this, FPopup);
  FColorText->SetBounds(160, 20, 70, 22);
  FColorText->SetAlign(vaTopRight);
  FColorText->SetFilterChar(u"#0123456789abcdefABCDEF");
  FColorText->SetDisableFocusEffect(true);
  FColorText->SetLocked(true);
  FColorText->OnChange = [this](TObject*) { DoTextChange(); };
  FColorPanel = MakeInner<TzrColorPanel>(this, FPopup);
  FColorPanel->SetAlign(vaClient);
  FColorPanel->SetDisableFocusEffect(true);
  FColorPanel->SetColorBox(FColorBox);
  FColorPanel->OnChange = [this](TObject*) { DoColorChange(); };
}

TzrComboColorBox::~TzrComboColorBox() {
  Destroying();
  if (FPopup) FPopup->SetIsOpen(false);
}

void TzrComboColorBox::Notification(TComponent* AComponent, TOperation Operation) {
  TzrControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopup) FPopup = nullptr;
  if (AComponent == FColorPanel) FColorPanel = nullptr;
  if (AComponent == FColorBox) FColorBox = nullptr;
  if (AComponent == FColorText) FColorText = nullptr;
}

std::string TzrComboColorBox::GetColor() const {
  return FColorPanel ? FColorPanel->GetColor() : std::string();
}

void TzrComboColorBox::SetColor(const std::string& Value) {
  if (FColorPanel) FColorPanel->SetColor(Value);
}

bool TzrComboColorBox::GetUseAlpha() const { return !FColorPanel || FColorPanel->GetUseAlpha(); }

void TzrComboColorBox::SetUseAlpha(bool Value) {
  if (FColorPanel) FColorPanel->SetUseAlpha(Value);
}

void TzrComboColorBox::DoColorChange() {
  if (FColorText) FColorText->SetText(UTF8ToUTF16(GetColor()));
  Repaint();
  if (OnChange) OnChange(this);
}

void TzrComboColorBox::DoTextChange() {
  if (!FColorText) return;
  const std::string previous = GetColor();
  try {
    SetColor(UTF16ToUTF8(FColorText->GetText()));
  } catch (const std::exception&) {
    SetColor(previous);
  }
}

void TzrComboColorBox::DropDown() {
  if (!FPopup) return;
  if (FPopup->GetIsOpen()) {
    FPopup->ClosePopup();
    return;
  }
  FPopup->SetPlacement(FPlacement);
  FPopup->SetResource(PopupStyleName());
  if (FColorPanel) FColorPanel->ApplyResource();
  FPopup->SetIsOpen(true);
}

void TzrComboColorBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrControl::MouseDown(Button, Shift, X, Y);
  if (!watch.Freed() && Button == mbLeft) DropDown();
}

void TzrComboColorBox::ApplyStyle() {
  TzrControl::ApplyStyle();
  FContentPart = dynamic_cast<TzrContent*>(FindResource("Content"));
  if (!FContentPart) return;
  FContentPart->OnPaint = [this](TObject* Sender, TzrCanvas* Canvas, const TzrRect& R) {
    DoContentPaint(Sender, Canvas, R);
  };
}

void TzrComboColorBox::FreeStyle() {
  if (FContentPart) FContentPart->OnPaint = nullptr;
  FContentPart = nullptr;
  TzrControl::FreeStyle();
}

// The colour over a checkerboard inside the style's content part, outlined.
void TzrComboColorBox::DoContentPaint(TObject*, TzrCanvas* Canvas, const TzrRect& ARect) {
  if (!Canvas) return;
  const float opacity = GetAbsoluteOpacity();
  TzrRect r = ARect;
  zrInflateRect(r, -2.5f, -2.5f);
  const uint32_t state = Canvas->SaveCanvas();
  Canvas->IntersectClipRect(r);
  Canvas->GetStroke()->SetStyle(zrBrushNone);
  zrPaintCheckerboard(Canvas, zrRect(0, 0, zrRectWidth(r), zrRectHeight(r)), 5, opacity);
  Canvas->RestoreCanvas(state);
  Canvas->GetFill()->SetStyle(zrBrushSolid);
  Canvas->GetFill()->SetColor(GetColor());
  Canvas->FillRect(r, 0, 0, AllCorners, opacity);
  Canvas->GetStroke()->SetStyle(zrBrushSolid);
  Canvas->GetStroke()->SetColor("#FF000000");
  Canvas->SetStrokeThickness(1);
  Canvas->DrawRect(r, 0, 0, AllCorners, opacity);
}

Variant TzrComboColorBox::GetData() { return Variant(GetColor()); }

void TzrComboColorBox::SetData(const Variant& Value) {
  if (VarIsEvent(Value)) {
    OnChange = VariantToEvent(Value);
    return;
  }
  const TVarType type = Value.VarType();
  if (type == varString || type == varUString) {
    SetColor(Value.ToString());
    return;
  }
  if (type == varBoolean || type == varInt64)
    SetColor(UTF16ToUTF8(zrColorToStr(TzrColor(Value.ToInt64()))));
}

const TClassInfo* TzrHudComboColorBox::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrHudComboColorBox>("TzrHudComboColorBox", TzrComboColorBox::Class());
  return info;
}

TzrHudComboColorBox::TzrHudComboColorBox(TComponent* AOwner) : TzrComboColorBox(AOwner) {}

// ---------------------------------------------------------------- registration

void RegisterColorControls() {
  static const bool registered = [] {
    RegisterZRObjects("Colors",
                      {TzrHueTrackBar::Class(), TzrAlphaTrackBar::Class(), TzrBWTrackBar::Class(),
                       TzrColorQuad::Class(), TzrColorPicker::Class(), TzrGradientEdit::Class(),
                       TzrColorBox::Class(), TzrColorPanel::Class(), TzrComboColorBox::Class()});
    RegisterZRObjects("HUD", {TzrHudHueTrackBar::Class(), TzrHudAlphaTrackBar::Class(),
                              TzrHudBWTrackBar::Class(), TzrHudComboColorBox::Class()});
    return true;
  }();
  (void)registered;
}
