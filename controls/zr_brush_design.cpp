#include "controls/zr_brush_design.h"

#include <cmath>
#include <numbers>

#include "controls/zr_angle_button.h"
#include "controls/zr_bitmap_editor.h"
#include "controls/zr_buttons.h"
#include "controls/zr_color_quad.h"
#include "controls/zr_editor_forms.h"
#include "controls/zr_gradient_edit.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_number_box.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_tab_control.h"
#include "controls/zr_text_box.h"
#include "controls/zr_windows.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_color_text.h"
#include "scene/zr_colors.h"
#include "scene/zr_gradient.h"
#include "scene/zr_resource_objects.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

namespace {

TzrBrushDesign* SharedDesign = nullptr;

TzrColor ComposeColor(TzrNumberBox* A, TzrNumberBox* R, TzrNumberBox* G, TzrNumberBox* B) {
  auto byte = [](TzrNumberBox* Box) { return TzrColor(std::trunc(Box->GetValue())) & 0xFF; };
  return byte(A) << 24 | byte(R) << 16 | byte(G) << 8 | byte(B);
}

void ShowBytes(TzrColor C, TzrNumberBox* A, TzrNumberBox* R, TzrNumberBox* G, TzrNumberBox* B) {
  R->SetValue(float(C >> 16 & 0xFF));
  G->SetValue(float(C >> 8 & 0xFF));
  B->SetValue(float(C & 0xFF));
  A->SetValue(float(C >> 24));
}

TzrColor WithAlphaOf(TzrColor Rgb, TzrColor AlphaSource) {
  return (Rgb & 0x00FFFFFF) | (AlphaSource & 0xFF000000);
}

// A list entry: a client-aligned label that lets the pointer through.
TzrListBoxItem* AddListEntry(TzrListBox* List, TComponent* Owner, const std::string& Text) {
  auto* item = new TzrListBoxItem(Owner);
  item->SetHeight(23);
  item->SetStored(false);
  item->SetParent(List);
  auto* label = new TzrLabel(Owner);
  label->SetAlign(vaClient);
  label->SetHitTest(false);
  label->SetStored(false);
  label->SetText(UTF8ToUTF16(Text));
  label->SetParent(item);
  return item;
}

}  // namespace

// ---------------------------------------------------------------- form

TzrBrushDesign::TzrBrushDesign(TComponent* AOwner) : TForm(AOwner) {
  ReadEditorForm(this, "TZRBRUSHDESIGN");
  SetBorderStyle(bsNone);
  FindComponents();
  BindHandlers();
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

TzrBrushDesign::~TzrBrushDesign() {
  if (SharedDesign == this) SharedDesign = nullptr;
  // The lists and boxes fire their change events while they go: they go
  // now, while the form is whole and its handlers have nothing to edit.
  Destroying();
  FBrush = nullptr;
  FComp = nullptr;
  FScene = nullptr;
  FUpdating = true;
  while (ComponentCount() > 0) delete Component(ComponentCount() - 1);
}

void TzrBrushDesign::FindComponents() {
  FindEditorComponent(this, "zrBrushDesigner", zrBrushDesigner);
  FindEditorComponent(this, "dsgnRoot", dsgnRoot);
  FindEditorComponent(this, "HudWindow1", HudWindow1);
  FindEditorComponent(this, "brushList", brushList);
  FindEditorComponent(this, "brushTabControl", brushTabControl);
  FindEditorComponent(this, "tabNone", tabNone);
  FindEditorComponent(this, "tabSolid", tabSolid);
  FindEditorComponent(this, "tabGradient", tabGradient);
  FindEditorComponent(this, "tabBitmap", tabBitmap);
  FindEditorComponent(this, "tabRes", tabRes);
  FindEditorComponent(this, "panelSolid", panelSolid);
  FindEditorComponent(this, "solidQuad", solidQuad);
  FindEditorComponent(this, "solidPicker", solidPicker);
  FindEditorComponent(this, "solidColorRect", solidColorRect);
  FindEditorComponent(this, "textSolidR", textSolidR);
  FindEditorComponent(this, "textSolidG", textSolidG);
  FindEditorComponent(this, "textSolidB", textSolidB);
  FindEditorComponent(this, "textSolidA", textSolidA);
  FindEditorComponent(this, "textSolidHex", textSolidHex);
  FindEditorComponent(this, "panelGradient", panelGradient);
  FindEditorComponent(this, "gradEditor", gradEditor);
  FindEditorComponent(this, "gradQuad", gradQuad);
  FindEditorComponent(this, "gradPicker", gradPicker);
  FindEditorComponent(this, "gradColorRect", gradColorRect);
  FindEditorComponent(this, "textGradR", textGradR);
  FindEditorComponent(this, "textGradG", textGradG);
  FindEditorComponent(this, "textGradB", textGradB);
  FindEditorComponent(this, "textGradA", textGradA);
  FindEditorComponent(this, "textGradHex", textGradHex);
  FindEditorComponent(this, "gradKind", gradKind);
  FindEditorComponent(this, "gradAngle", gradAngle);
  FindEditorComponent(this, "gradAngleLabel", gradAngleLabel);
  FindEditorComponent(this, "panelBitmap", panelBitmap);
  FindEditorComponent(this, "bitmapImage", bitmapImage);
  FindEditorComponent(this, "btnSelectBitmap", btnSelectBitmap);
  FindEditorComponent(this, "tileModeList", tileModeList);
  FindEditorComponent(this, "panerRes", panerRes);
  FindEditorComponent(this, "resList", resList);
  FindEditorComponent(this, "Layout6", Layout6);
  FindEditorComponent(this, "btnCancel", btnCancel);
  FindEditorComponent(this, "btnOK", btnOK);
  FindEditorComponent(this, "makeResLayout", makeResLayout);
  FindEditorComponent(this, "btnMakeRes", btnMakeRes);
}

void TzrBrushDesign::BindHandlers() {
  brushList->OnChange = [this](TObject* S) { brushListChange(S); };
  brushTabControl->OnChange = [this](TObject* S) { brushTabControlChange(S); };
  solidQuad->OnChange = [this](TObject* S) { solidQuadChange(S); };
  for (TzrNumberBox* box : {textSolidR, textSolidG, textSolidB, textSolidA})
    box->OnChange = [this](TObject* S) { textSolidRChange(S); };
  textSolidHex->OnChange = [this](TObject* S) { textSolidHexChange(S); };
  gradQuad->OnChange = [this](TObject* S) { gradQuadChange(S); };
  for (TzrNumberBox* box : {textGradR, textGradG, textGradB, textGradA})
    box->OnChange = [this](TObject* S) { textGradRChange(S); };
  textGradHex->OnChange = [this](TObject* S) { textGradHexChange(S); };
  gradEditor->OnChange = [this](TObject* S) { gradEditorChange(S); };
  gradKind->OnChange = [this](TObject* S) { gradKindChange(S); };
  gradAngle->OnChange = [this](TObject* S) { gradAngleChange(S); };
  btnSelectBitmap->OnClick = [this](TObject* S) { btnSelectBitmapClick(S); };
  tileModeList->OnChange = [this](TObject* S) { tileModeListChange(S); };
  resList->OnChange = [this](TObject* S) { resListChange(S); };
  btnMakeRes->OnClick = [this](TObject* S) { btnMakeResClick(S); };
  btnOK->OnClick = [this](TObject* S) { btnOKClick(S); };
  btnCancel->OnClick = [this](TObject* S) { btnCancelClick(S); };
}

void TzrBrushDesign::FormClose(TObject*, TCloseAction& Action) {
  Action = caFree;
  if (SharedDesign == this) SharedDesign = nullptr;
}

void TzrBrushDesign::btnOKClick(TObject*) { SetModalResult(mrOk); }

void TzrBrushDesign::btnCancelClick(TObject*) { SetModalResult(mrCancel); }

void TzrBrushDesign::Notification(TComponent* AComponent, TOperation Operation) {
  TForm::Notification(AComponent, Operation);
  if (Operation != opRemove || !FComp || AComponent != FComp) return;
  SetBrush(nullptr);
  SetComp(nullptr);
}

// ---------------------------------------------------------------- component and brush

TzrObject* TzrBrushDesign::SceneRoot() const { return FScene ? FScene->GetRoot() : nullptr; }

void TzrBrushDesign::RepaintComp() {
  if (auto* visual = dynamic_cast<TzrVisualObject*>(FComp)) visual->Repaint();
}

void TzrBrushDesign::SetComp(TPersistent* Value) {
  if (auto* old = dynamic_cast<TComponent*>(FComp); old && old != Value)
    old->RemoveFreeNotification(this);
  FComp = Value;
  FScene = nullptr;
  if (auto* scene = dynamic_cast<TzoRurev*>(Value)) FScene = scene;
  if (auto* object = dynamic_cast<TzrObject*>(Value)) FScene = object->GetScene();
  if (auto* component = dynamic_cast<TComponent*>(Value)) component->FreeNotification(this);
  SetBrush(nullptr);
  brushList->Clear();
  brushList->SetHeight(4);
  if (Value) {
    for (const TPropInfo* prop : Value->ClassType()->Properties()) {
      if (prop->Kind != tkClass || !prop->ClassType() || prop->ClassType()->Name() != "TzrBrush")
        continue;
      auto* brush = dynamic_cast<TzrBrush*>(prop->GetObj(Value));
      if (!brush) continue;
      TzrListBoxItem* item = AddListEntry(brushList, this, prop->Name);
      item->SetTagObject(brush);
      brushList->SetHeight(brushList->GetHeight() + item->GetHeight());
      if (!FBrush) SetBrush(brush);
    }
  }
  FUpdating = true;
  brushList->SetItemIndex(0);
  FUpdating = false;
}

TzrBrushStyle TzrBrushDesign::TabStyle(TzrTabItem* Tab) const {
  if (Tab == tabSolid) return zrBrushSolid;
  if (Tab == tabGradient) return zrBrushGradient;
  if (Tab == tabBitmap) return zrBrushBitmap;
  if (Tab == tabRes) return zrBrushResource;
  return zrBrushNone;
}

TzrTabItem* TzrBrushDesign::StyleTab(TzrBrushStyle Style) const {
  switch (Style) {
    case zrBrushSolid:
      return tabSolid;
    case zrBrushGradient:
      return tabGradient;
    case zrBrushBitmap:
      return tabBitmap;
    case zrBrushResource:
      return tabRes;
    default:
      return tabNone;
  }
}

void TzrBrushDesign::ShowGradientAngle() {
  gradAngle->SetVisible(gradEditor->GetGradient()->GetStyle() == zrLinearGradient);
}

void TzrBrushDesign::SetBrush(TzrBrush* Value) {
  FBrush = Value;
  if (!FBrush) return;
  const TzrBrushStyle style = FBrush->GetStyle();
  // The panes follow the brush through their own change handlers, which
  // also fill the number and hex boxes.
  if (style == zrBrushSolid || style == zrBrushGradient) {
    solidPicker->SetColor(FBrush->GetSolidColor());
    gradEditor->SetGradient(FBrush->GetGradient());
  }
  FUpdating = true;
  if (style == zrBrushGradient) {
    TzrGradient* g = FBrush->GetGradient();
    gradKind->SetItemIndex(int(g->GetStyle()));
    const TzrPoint start = g->GetStartPosition()->GetPoint();
    const TzrPoint stop = g->GetStopPosition()->GetPoint();
    const float dx = stop.X - start.X;
    if (dx != 0) {
      const float deg = -float(std::atan((stop.Y - start.Y) / dx) * 180 / std::numbers::pi);
      gradAngle->SetValue(dx > 0 ? deg : deg - 180);
    }
    ShowGradientAngle();
  }
  if (style == zrBrushBitmap) {
    bitmapImage->GetBitmap()->Assign(FBrush->GetBitmap()->GetBitmap());
    tileModeList->SetItemIndex(int(FBrush->GetBitmap()->GetWrapMode()));
  }
  FUpdating = false;
  if (style == zrBrushGradient) gradQuadChange(nullptr);
  FUpdating = true;
  brushTabControl->SetItem(StyleTab(style));
  FUpdating = false;
  if (style == zrBrushResource) RebuildResList();
  btnMakeRes->SetVisible(style != zrBrushResource && style != zrBrushNone);
  SelectBrushItem();
}

void TzrBrushDesign::SelectBrushItem() {
  FUpdating = true;
  for (int i = 0; i < brushList->Count(); ++i)
    if (brushList->GetItem(i)->GetTagObject() == FBrush) brushList->SetItemIndex(i);
  FUpdating = false;
}

// ---------------------------------------------------------------- handlers

void TzrBrushDesign::brushListChange(TObject*) {
  if (FUpdating || !FBrush || !FComp) return;
  TzrListBoxItem* item = brushList->GetSelected();
  if (!item) return;
  if (auto* brush = dynamic_cast<TzrBrush*>(item->GetTagObject())) SetBrush(brush);
}

void TzrBrushDesign::brushTabControlChange(TObject*) {
  if (FUpdating || !FBrush) return;
  TzrTabItem* tab = brushTabControl->TabItem(brushTabControl->GetItemIndex());
  const TzrBrushStyle style = TabStyle(tab);
  FBrush->SetStyle(style);
  if (tab == tabGradient) {
    gradQuadChange(nullptr);
    gradAngleLabel->SetText(UTF8ToUTF16(std::to_string(int(std::trunc(gradAngle->GetValue())))));
  }
  btnMakeRes->SetVisible(tab != tabRes && tab != tabNone);
  if (!btnMakeRes->GetVisible()) RebuildResList();
  RepaintComp();
}

void TzrBrushDesign::solidQuadChange(TObject*) {
  if (FUpdating || !FBrush) return;
  FUpdating = true;
  solidQuad->SetAlpha(float(FBrush->GetSolidColor() >> 24) / 255);
  const TzrColor color =
      WithAlphaOf(zrHSLtoRGB(solidQuad->GetHue(), solidQuad->GetSat(), solidQuad->GetLum()),
                  FBrush->GetSolidColor());
  FBrush->SetSolidColor(color);
  ShowBytes(color, textSolidA, textSolidR, textSolidG, textSolidB);
  textSolidHex->SetText(zrColorToStr(color));
  FUpdating = false;
  RepaintComp();
}

void TzrBrushDesign::textSolidRChange(TObject*) {
  if (FUpdating || !FBrush) return;
  const TzrColor color = ComposeColor(textSolidA, textSolidR, textSolidG, textSolidB);
  FBrush->SetSolidColor(color);
  solidPicker->SetColor(color);
}

void TzrBrushDesign::textSolidHexChange(TObject*) {
  if (FUpdating || !FBrush) return;
  const TzrColor color = zrStrToColor(textSolidHex->GetText());
  FBrush->SetSolidColor(color);
  solidPicker->SetColor(color);
}

void TzrBrushDesign::gradQuadChange(TObject*) {
  if (FUpdating || !FBrush) return;
  FUpdating = true;
  TzrGradientPoints* points = gradEditor->GetGradient()->GetPoints();
  const int current = gradEditor->GetCurrentPoint();
  if (current >= 0 && current < points->Count()) {
    TzrGradientPoint* point = points->GetPoint(current);
    point->SetIntColor(
        WithAlphaOf(zrHSLtoRGB(gradQuad->GetHue(), gradQuad->GetSat(), gradQuad->GetLum()),
                    point->GetIntColor()));
  }
  FBrush->GetGradient()->Assign(gradEditor->GetGradient());
  const TzrColor shown = gradColorRect->GetColor();
  ShowBytes(shown, textGradA, textGradR, textGradG, textGradB);
  textGradHex->SetText(zrColorToStr(shown));
  gradEditor->Repaint();
  FUpdating = false;
  RepaintComp();
}

void TzrBrushDesign::textGradRChange(TObject*) {
  if (FUpdating || !FBrush) return;
  TzrGradientPoints* points = gradEditor->GetGradient()->GetPoints();
  const int current = gradEditor->GetCurrentPoint();
  if (current < 0 || current >= points->Count()) return;
  points->GetPoint(current)->SetIntColor(ComposeColor(textGradA, textGradR, textGradG, textGradB));
  gradEditor->UpdateGradient();
}

void TzrBrushDesign::textGradHexChange(TObject*) {
  if (FUpdating || !FBrush) return;
  TzrGradientPoints* points = gradEditor->GetGradient()->GetPoints();
  const int current = gradEditor->GetCurrentPoint();
  if (current < 0 || current >= points->Count()) return;
  points->GetPoint(current)->SetIntColor(zrStrToColor(textGradHex->GetText()));
  gradEditor->UpdateGradient();
}

void TzrBrushDesign::gradEditorChange(TObject*) {
  if (FUpdating || !FBrush) return;
  FBrush->GetGradient()->Assign(gradEditor->GetGradient());
  RepaintComp();
}

void TzrBrushDesign::gradKindChange(TObject*) {
  if (FUpdating || !FBrush) return;
  gradEditor->GetGradient()->SetStyle(TzrGradientStyle(std::max(gradKind->GetItemIndex(), 0)));
  gradEditor->UpdateGradient();
  ShowGradientAngle();
  FBrush->GetGradient()->Assign(gradEditor->GetGradient());
}

void TzrBrushDesign::gradAngleChange(TObject*) {
  if (FUpdating || !FBrush) return;
  const double theta = double(gradAngle->GetValue()) * std::numbers::pi / 180;
  const double c = std::cos(theta), s = std::sin(theta);
  auto stretch = [](double v) {
    if (v == 0) return 1.0;
    const double k = std::fabs(1 / v);
    return k <= 1.42 ? k : 1.0;
  };
  const double m = std::max(stretch(c), stretch(s)) * 0.5;
  TzrGradient* g = gradEditor->GetGradient();
  g->GetStartPosition()->SetPoint({float(0.5 - c * m), float(0.5 + s * m)});
  g->GetStopPosition()->SetPoint({float(0.5 + c * m), float(0.5 - s * m)});
  gradEditor->UpdateGradient();
  FBrush->GetGradient()->Assign(g);
  gradAngleLabel->SetText(UTF8ToUTF16(std::to_string(int(std::trunc(gradAngle->GetValue())))));
  RepaintComp();
}

void TzrBrushDesign::btnSelectBitmapClick(TObject*) {
  if (!FBrush) return;
  TzrBitmapEditor editor(nullptr);
  editor.AssignFromBitmap(bitmapImage->GetBitmap());
  if (editor.ShowModal() != mrOk) return;
  editor.AssignToBitmap(bitmapImage->GetBitmap());
  FBrush->GetBitmap()->GetBitmap()->Assign(bitmapImage->GetBitmap());
  RepaintComp();
  bitmapImage->Repaint();
}

void TzrBrushDesign::tileModeListChange(TObject*) {
  if (FUpdating || !FBrush || tileModeList->GetItemIndex() < 0) return;
  FBrush->GetBitmap()->SetWrapMode(TzrWrapMode(tileModeList->GetItemIndex()));
  RepaintComp();
}

void TzrBrushDesign::resListChange(TObject*) {
  if (FUpdating || !FBrush || !SceneRoot()) return;
  TzrListBoxItem* item = resList->GetSelected();
  auto* object = item ? dynamic_cast<TzrBrushObject*>(item->GetTagObject()) : nullptr;
  if (!object) return;
  FBrush->Assign(object->GetBrush());
  FBrush->GetResource()->SetResource(object);
  FBrush->SetStyle(zrBrushResource);
  RepaintComp();
}

std::string TzrBrushDesign::UniqueName(const std::string& Base) {
  SetTag(GetTag() + 1);
  return Base + std::to_string(GetTag());
}

void TzrBrushDesign::btnMakeResClick(TObject*) {
  TzrObject* root = SceneRoot();
  if (!FBrush || !root) return;
  std::string name = UniqueName("Brush");
  if (!InputQuery("New TzrBrushObject", "Enter resource name:", name)) return;
  auto* object = new TzrBrushObject(FScene->GetOwner());
  object->SetParent(root);
  object->SetResourceName(name);
  object->SetName(name);
  object->GetBrush()->Assign(FBrush);
  RebuildResList();
}

void TzrBrushDesign::RebuildResList() {
  TzrObject* root = SceneRoot();
  if (!root || !FBrush) return;
  FUpdating = true;
  resList->Clear();
  std::vector<TzrObject*> all;
  root->AddObjectsToList(all);
  for (TzrObject* o : all) {
    auto* object = dynamic_cast<TzrBrushObject*>(o);
    if (!object) continue;
    TzrListBoxItem* item = AddListEntry(resList, this, object->GetResourceName());
    item->SetTagObject(object);
    auto* swatch = new TzrRectangle(this);
    swatch->SetStored(false);
    swatch->SetAlign(vaLeft);
    swatch->SetWidth(19);
    swatch->GetPadding()->SetRect({2, 2, 2, 2});
    swatch->SetHitTest(false);
    swatch->GetFill()->SetStyle(zrBrushResource);
    swatch->GetFill()->GetResource()->SetResource(object);
    swatch->GetStroke()->SetColor("#80FFFFFF");
    swatch->SetParent(item);
    if (FBrush->GetResource()->GetResource() == object) resList->SetItemIndex(resList->Count() - 1);
  }
  FUpdating = false;
}

// ---------------------------------------------------------------- dialog

std::function<int(TzrBrushDesign& Form)> BrushDialogHook;

const TClassInfo* TzrBrushDialog::Class() {
  using T = TzrBrushDialog;
  static const TClassInfo* info =
      TClassDecl<T>("TzrBrushDialog", TComponent::Class())
          .Set("ShowStyles", &T::GetShowStyles, &T::SetShowStyles, zrBrushStyleInfo())
          .Default(zrAllBrushStyles)
          .Prop("ShowBrushList", &T::GetShowBrushList, &T::SetShowBrushList)
          .Default(true)
          .Prop("ShowMakeResource", &T::GetShowMakeResource, &T::SetShowMakeResource)
          .Default(false)
          .Prop("Title", &T::GetTitle, &T::SetTitle);
  return info;
}

TzrBrushDialog::TzrBrushDialog(TComponent* AOwner)
    : TComponent(AOwner), FBrush(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF808080)) {}

TzrBrushDialog::~TzrBrushDialog() = default;

void TzrBrushDialog::SetBrush(TzrBrush* Value) { FBrush->Assign(Value); }

bool TzrBrushDialog::Execute() {
  std::unique_ptr<TzrBrushDesign> form = std::make_unique<TzrBrushDesign>(Application);
  form->brushList->SetVisible(FShowBrushList);
  if (FComponent)
    form->SetComp(FComponent);
  else
    form->brushList->SetVisible(false);
  form->HudWindow1->SetText(FTitle);
  form->brushTabControl->SetItemIndexField(-1);
  const std::pair<TzrTabItem*, TzrBrushStyle> tabs[] = {{form->tabNone, zrBrushNone},
                                                        {form->tabSolid, zrBrushSolid},
                                                        {form->tabGradient, zrBrushGradient},
                                                        {form->tabBitmap, zrBrushBitmap},
                                                        {form->tabRes, zrBrushResource}};
  for (const auto& [tab, style] : tabs)
    tab->SetVisible((FShowStyles & zrBrushStyleBit(style)) != 0);
  form->brushTabControl->Realign();
  form->btnOK->SetVisible(true);
  form->btnCancel->SetVisible(true);
  form->SetBrush(FBrush.get());
  form->makeResLayout->SetVisible(FShowMakeResource);
  form->dsgnRoot->SetHeight(form->dsgnRoot->GetHeight() - 1);
  const TzrBounds* m = form->HudWindow1->GetMargins();
  form->SetClientHeight(int(std::trunc(form->Layout6->GetPosition()->GetY() +
                                       form->Layout6->GetHeight() + m->GetTop() + m->GetBottom())));
  const int result = BrushDialogHook ? BrushDialogHook(*form) : form->ShowModal();
  return result == mrOk;
}

bool ShowBrushDialog(TzrBrush* Brush, TzrBrushStyles ShowStyles, bool ShowBrushList) {
  TzrBrushDialog dialog(nullptr);
  dialog.SetBrush(Brush);
  dialog.SetShowStyles(ShowStyles);
  dialog.SetShowBrushList(ShowBrushList);
  if (!dialog.Execute()) return false;
  Brush->Assign(dialog.GetBrush());
  return true;
}

bool ShowGradientDialog(TzrGradient* Gradient) {
  TzrBrushDialog dialog(nullptr);
  dialog.GetBrush()->SetStyle(zrBrushGradient);
  dialog.GetBrush()->GetGradient()->Assign(Gradient);
  dialog.SetShowStyles(zrBrushStyleBit(zrBrushGradient));
  dialog.SetShowBrushList(false);
  if (!dialog.Execute()) return false;
  Gradient->Assign(dialog.GetBrush()->GetGradient());
  return true;
}

std::string ShowColorDialog(const std::string& Color) {
  TzrBrushDialog dialog(nullptr);
  dialog.GetBrush()->SetStyle(zrBrushSolid);
  dialog.GetBrush()->SetColor(Color);
  dialog.SetShowStyles(zrBrushStyleBit(zrBrushSolid));
  dialog.SetShowBrushList(false);
  if (!dialog.Execute()) return std::string();
  return dialog.GetBrush()->GetColor();
}

// ---------------------------------------------------------------- shared designer

TzrBrushDesign* SharedBrushDesign() { return SharedDesign; }

void SelectInDesign(TObject* Value, TComponent* Component) {
  if (!SharedDesign) SharedDesign = new TzrBrushDesign(Application);
  if (!Value) {
    SharedDesign->SetComp(nullptr);
    SharedDesign->SetBrush(nullptr);
  } else if (auto* brush = dynamic_cast<TzrBrush*>(Value)) {
    SharedDesign->SetComp(Component);
    SharedDesign->SetBrush(brush);
  } else if (auto* object = dynamic_cast<TzrObject*>(Value)) {
    SharedDesign->SetComp(object);
  }
  SharedDesign->Show();
}
