#include "controls/zr_image_control.h"

#include <cmath>
#include <filesystem>

#include "controls/zr_objects_text.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"
#include "scene/zr_filter.h"

const TClassInfo* TzrImageControl::Class() {
  using T = TzrImageControl;
  static const TClassInfo* info =
      TClassDecl<T>("TzrImageControl", TzrControl::Class())
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Default(-1)
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Default(false)
          .Prop("EnableOpenDialog", &T::GetEnableOpenDialog, &T::SetEnableOpenDialog)
          .Default(true)
          .Prop("Bitmap", &T::GetBitmap, &T::SetBitmap)
          .Event("OnChange", &T::OnChange);
  return info;
}

TzrImageControl::TzrImageControl(TComponent* AOwner)
    : TzrControl(AOwner), FBitmap(std::make_unique<TzrBitmap>(1, 1)) {
  SetCanFocused(true);
  FBitmap->OnChange = [this](TObject* Sender) { DoBitmapChanged(Sender); };
}

TzrImageControl::~TzrImageControl() { FBitmap->OnChange = nullptr; }

void TzrImageControl::SetBitmap(TzrBitmap* Value) { FBitmap->Assign(Value); }

void TzrImageControl::DoBitmapChanged(TObject*) {
  if (!FImage) return;
  TzrRect r{0, 0, float(FBitmap->GetWidth()), float(FBitmap->GetHeight())};
  const TzrRect bounds{0, 0, FImage->GetWidth(), FImage->GetHeight()};
  // Enlarged or reduced to fit, keeping the aspect ratio.
  float scale =
      std::min(bounds.Right / std::max(r.Right, 1.0f), bounds.Bottom / std::max(r.Bottom, 1.0f));
  int w = int(std::nearbyint(r.Right * scale));
  int h = int(std::nearbyint(r.Bottom * scale));
  TzrBitmap* target = FImage->GetBitmap();
  target->SetSize(w, h);
  target->Clear(0);
  if (TzrCanvas* canvas = target->GetCanvas(); canvas && w > 0 && h > 0) {
    canvas->BeginScene();
    canvas->DrawBitmap(*FBitmap, r, {0, 0, float(w), float(h)}, 1);
    canvas->EndScene();
  }
  target->BitmapChanged();
  FImage->Repaint();
  if (OnChange) OnChange(this);
}

void TzrImageControl::ApplyStyle() {
  TzrControl::ApplyStyle();
  FImage = dynamic_cast<TzrImage*>(FindResource("image"));
  if (FImage) DoBitmapChanged(this);
}

void TzrImageControl::FreeStyle() {
  TzrControl::FreeStyle();
  FImage = nullptr;
}

bool TzrImageControl::IsPictureFile(const std::u16string& FileName) {
  const std::string name = UTF16ToUTF8(FileName);
  if (!std::filesystem::is_regular_file(name)) return false;
  const std::string ext = std::filesystem::path(name).extension().string();
  if (ext.empty()) return false;
  const std::string types = zrFilterFileTypes(DefaultFilterClass);
  // Masks such as "*.png;*.jpg": the extension must end one of them.
  size_t at = 0;
  while ((at = types.find(ext, at)) != std::string::npos) {
    size_t end = at + ext.size();
    if (end == types.size() || types[end] == ';') return true;
    at = end;
  }
  return false;
}

void TzrImageControl::Click() {
  TzrControl::Click();
  if (!FEnableOpenDialog) return;
  TOpenDialog dialog(nullptr);
  dialog.SetFilter(zrFilterFileTypes(DefaultFilterClass));
  if (!dialog.Execute()) return;
  FBitmap->LoadFromFile(dialog.GetFileName());
}

void TzrImageControl::DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) {
  TzrControl::DragOver(Data, Point, Accept);
  if (!Data.Files.empty() && IsPictureFile(Data.Files.front())) {
    Accept = true;
    return;
  }
  Accept = dynamic_cast<TzrImage*>(Data.Source) != nullptr;
}

void TzrImageControl::DragDrop(const TzrDragObject& Data, const TzrPoint& Point) {
  TzrControl::DragDrop(Data, Point);
  if (auto* image = dynamic_cast<TzrImage*>(Data.Source)) {
    FBitmap->Assign(image->GetBitmap());
    return;
  }
  if (!Data.Files.empty()) FBitmap->LoadFromFile(UTF16ToUTF8(Data.Files.front()));
}

// The control stands for its bitmap: object handles name components only.
Variant TzrImageControl::GetData() { return ObjectToVariant(this); }

void TzrImageControl::SetData(const Variant& Value) {
  if (Value.IsNull()) {
    FBitmap->SetSize(1, 1);
    FBitmap->Clear(0);
    return;
  }
  if (VarIsObject(Value)) {
    TObject* object = VariantToObject(Value);
    if (auto* control = dynamic_cast<TzrImageControl*>(object))
      return SetBitmap(control->GetBitmap());
    if (auto* image = dynamic_cast<TzrImage*>(object)) return SetBitmap(image->GetBitmap());
    if (auto* source = dynamic_cast<TPersistent*>(object)) FBitmap->Assign(source);
    return;
  }
  if (Value.IsText()) FBitmap->LoadFromFile(Value.ToString());
}
