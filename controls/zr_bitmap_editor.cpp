#include "controls/zr_bitmap_editor.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_buttons.h"
#include "controls/zr_editor_forms.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_number_box.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_scroll_box.h"
#include "controls/zr_selection.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Clipbrd.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Graphics.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_filter.h"
#include "scene/zr_position.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

TzrBitmapEditor::TzrBitmapEditor(TComponent* AOwner) : TForm(AOwner) {
  ReadEditorForm(this, "TZRBITMAPEDITOR");
  FindComponents();
  BindHandlers();
  // FormCreate
  resizeLayout->SetVisible(false);
  FBitmap = std::make_unique<TzrBitmap>(1, 1);
  FOldScale = 1;
}

TzrBitmapEditor::~TzrBitmapEditor() = default;

void TzrBitmapEditor::FindComponents() {
  FindEditorComponent(this, "zoRurev1", zoRurev1);
  FindEditorComponent(this, "Root1", Root1);
  FindEditorComponent(this, "Layout1", Layout1);
  FindEditorComponent(this, "Button1", Button1);
  FindEditorComponent(this, "Button2", Button2);
  FindEditorComponent(this, "btnOk", btnOk);
  FindEditorComponent(this, "btnPaste", btnPaste);
  FindEditorComponent(this, "editControl", editControl);
  FindEditorComponent(this, "labelScale", labelScale);
  FindEditorComponent(this, "trackScale", trackScale);
  FindEditorComponent(this, "btnFit", btnFit);
  FindEditorComponent(this, "btnOriginal", btnOriginal);
  FindEditorComponent(this, "cropButton", cropButton);
  FindEditorComponent(this, "Button3", Button3);
  FindEditorComponent(this, "btnResize", btnResize);
  FindEditorComponent(this, "btnSave", btnSave);
  FindEditorComponent(this, "ScrollBox1", ScrollBox1);
  FindEditorComponent(this, "Preview", Preview);
  FindEditorComponent(this, "resizeLayout", resizeLayout);
  FindEditorComponent(this, "newWidth", newWidth);
  FindEditorComponent(this, "newHeight", newHeight);
  FindEditorComponent(this, "Button4", Button4);
  FindEditorComponent(this, "Button5", Button5);
  FindEditorComponent(this, "SaveDialog1", SaveDialog1);
}

void TzrBitmapEditor::BindHandlers() {
  auto click = [this](TzrButton* Button, void (TzrBitmapEditor::*Handler)(TObject*)) {
    Button->OnClick = [this, Handler](TObject* Sender) { (this->*Handler)(Sender); };
  };
  click(Button1, &TzrBitmapEditor::Button1Click);
  click(Button2, &TzrBitmapEditor::Button2Click);
  click(btnOk, &TzrBitmapEditor::btnOkClick);
  click(btnPaste, &TzrBitmapEditor::btnPasteClick);
  click(btnFit, &TzrBitmapEditor::btnFitClick);
  click(btnOriginal, &TzrBitmapEditor::btnOriginalClick);
  click(cropButton, &TzrBitmapEditor::cropButtonClick);
  click(Button3, &TzrBitmapEditor::Button3Click);
  click(btnResize, &TzrBitmapEditor::btnResizeClick);
  click(Button4, &TzrBitmapEditor::Button4Click);
  click(Button5, &TzrBitmapEditor::Button5Click);
  click(btnSave, &TzrBitmapEditor::btnSaveClick);
  Preview->OnPaint = [this](TObject* Sender, TzrCanvas* Canvas) { PreviewPaint(Sender, Canvas); };
  trackScale->OnChange = [this](TObject* Sender) { trackScaleChange(Sender); };
  trackScale->OnMouseDown = [this](TObject* Sender, TMouseButton Button, TShiftState Shift, float X,
                                   float Y) { trackScaleMouseDown(Sender, Button, Shift, X, Y); };
  newWidth->OnChange = [this](TObject* Sender) { newWidthChange(Sender); };
  newHeight->OnChange = [this](TObject* Sender) { newHeightChange(Sender); };
}

float TzrBitmapEditor::GetScale() const { return trackScale->GetValue(); }

void TzrBitmapEditor::ShowWholeBitmap() {
  FSourceRect = {0, 0, float(FBitmap->GetWidth()), float(FBitmap->GetHeight())};
  Preview->SetWidth(FBitmap->GetWidth() * GetScale());
  Preview->SetHeight(FBitmap->GetHeight() * GetScale());
  ScrollBox1->Realign();
  Preview->Repaint();
}

void TzrBitmapEditor::AssignFromBitmap(TzrBitmap* Bitmap) {
  FFileName.clear();
  if (Bitmap) FBitmap->Assign(Bitmap);
  ShowWholeBitmap();
  if (!Bitmap || FBitmap->GetWidth() <= 1) return;
  editControl->SetEnabled(true);
  btnOk->SetEnabled(true);
}

void TzrBitmapEditor::AssignToBitmap(TzrBitmap* Bitmap) {
  if (!Bitmap) return;
  if (!FCropRect || FCropRect->GetWidth() == 0 || FCropRect->GetHeight() == 0) {
    Bitmap->Assign(FBitmap.get());
    return;
  }
  const float scale = GetScale();
  const float x = FCropRect->GetPosition()->GetX();
  const float y = FCropRect->GetPosition()->GetY();
  const TzrRect r{x / scale, y / scale, (x + FCropRect->GetWidth()) / scale,
                  (y + FCropRect->GetHeight()) / scale};
  // Only pixels of the picture are copied: the rectangle is limited to it.
  const int left = std::clamp(int(std::trunc(r.Left)), 0, FBitmap->GetWidth());
  const int top = std::clamp(int(std::trunc(r.Top)), 0, FBitmap->GetHeight());
  const int width = std::clamp(int(std::trunc(r.Right - r.Left)), 0, FBitmap->GetWidth() - left);
  const int height = std::clamp(int(std::trunc(r.Bottom - r.Top)), 0, FBitmap->GetHeight() - top);
  Bitmap->SetSize(width, height);
  for (int i = 0; i < height; ++i)
    std::copy_n(FBitmap->GetScanline(top + i) + left, width, Bitmap->GetScanline(i));
  Bitmap->BitmapChanged();
}

void TzrBitmapEditor::btnOkClick(TObject*) { SetModalResult(mrOk); }

void TzrBitmapEditor::Button2Click(TObject*) { SetModalResult(mrCancel); }

void TzrBitmapEditor::Button1Click(TObject*) {
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("Images|" + zrFilterFileTypes(DefaultFilterClass));
  if (!dialog.Execute()) return;
  // A file the codec cannot read is told and leaves the picture as it was.
  TzrBitmap loaded;
  std::unique_ptr<TzrFilter> filter = zrCreateFilter();
  if (!filter || !filter->LoadFromFile(dialog.GetFileName(), 0, loaded) || loaded.IsEmpty())
    throw Exception("Cannot load the picture " + dialog.GetFileName());
  FFileName = dialog.GetFileName();
  FBitmap->Assign(&loaded);
  ShowWholeBitmap();
  editControl->SetEnabled(true);
  btnOk->SetEnabled(true);
}

void TzrBitmapEditor::btnPasteClick(TObject*) {
  TBitmap picture;
  picture.SetPixelFormat(pf32bit);
  if (!Clipboard()->GetAsBitmap(&picture)) return;
  FBitmap->Assign(&picture);
  // The preview shows the pasted picture whole, and it can be edited.
  ShowWholeBitmap();
  if (FBitmap->GetWidth() <= 1) return;
  editControl->SetEnabled(true);
  btnOk->SetEnabled(true);
}

void TzrBitmapEditor::PreviewPaint(TObject*, TzrCanvas* Canvas) {
  const float scale = GetScale();
  const TzrRect target{0, 0, (FSourceRect.Right - FSourceRect.Left) * scale,
                       (FSourceRect.Bottom - FSourceRect.Top) * scale};
  Canvas->DrawBitmap(*FBitmap, FSourceRect, target, 1);
}

void TzrBitmapEditor::trackScaleChange(TObject*) {
  const float scale = GetScale();
  Preview->SetWidth(FBitmap->GetWidth() * scale);
  Preview->SetHeight(FBitmap->GetHeight() * scale);
  ScrollBox1->Realign();
  if (FCropRect) {
    const float factor = scale / FOldScale;
    FCropRect->GetPosition()->SetX(FCropRect->GetPosition()->GetX() * factor);
    FCropRect->GetPosition()->SetY(FCropRect->GetPosition()->GetY() * factor);
    FCropRect->SetWidth(FCropRect->GetWidth() * factor);
    FCropRect->SetHeight(FCropRect->GetHeight() * factor);
  }
  FOldScale = scale;
  const int percent = int(std::nearbyint(scale * 100));
  labelScale->SetText(u"Scale: " + UTF8ToUTF16(std::to_string(percent)) + u"%");
  Preview->Repaint();
}

void TzrBitmapEditor::trackScaleMouseDown(TObject*, TMouseButton, TShiftState Shift, float, float) {
  if (Shift & ssDouble) trackScale->SetValue(1);
}

void TzrBitmapEditor::btnFitClick(TObject*) {
  TzrRect r{0, 0, float(FBitmap->GetWidth()), float(FBitmap->GetHeight())};
  trackScale->SetValue(1 / zrFitRect(r, ScrollBox1->GetLocalRect()));
}

void TzrBitmapEditor::btnOriginalClick(TObject*) { trackScale->SetValue(1); }

void TzrBitmapEditor::RemoveCropRect() {
  if (!FCropRect) return;
  delete FCropRect;
  FCropRect = nullptr;
  Preview->Repaint();
  cropButton->SetText(u"Crop");
}

void TzrBitmapEditor::cropButtonClick(TObject*) {
  if (FCropRect) {
    RemoveCropRect();
    return;
  }
  btnFitClick(btnFit);
  const float scale = GetScale();
  const float w = float(FBitmap->GetWidth());
  const float h = float(FBitmap->GetHeight());
  FCropRect = new TzrSelection(this);
  FCropRect->SetParent(Preview);
  FCropRect->GetPosition()->SetX(std::trunc(0.1f * w * scale));
  FCropRect->GetPosition()->SetY(std::trunc(0.1f * h * scale));
  FCropRect->SetWidth(0.8f * w * scale);
  FCropRect->SetHeight(std::trunc(0.8f * h * scale));
  FOldScale = scale;
  cropButton->SetText(u"Full");
}

void TzrBitmapEditor::Button3Click(TObject*) {
  editControl->SetEnabled(false);
  btnOk->SetEnabled(true);
  RemoveCropRect();
  trackScale->SetValue(1);
  FBitmap->SetSize(1, 1);
  ShowWholeBitmap();
}

void TzrBitmapEditor::btnResizeClick(TObject*) {
  FSettingSize = true;
  newWidth->SetValue(float(FBitmap->GetWidth()));
  newHeight->SetValue(float(FBitmap->GetHeight()));
  FSettingSize = false;
  resizeLayout->SetVisible(true);
  resizeLayout->GetPosition()->SetY(-resizeLayout->GetHeight());
  resizeLayout->AnimateFloat("Position.Y", 0, 0.3f);
}

void TzrBitmapEditor::newWidthChange(TObject*) {
  if (FSettingSize || !resizeLayout->GetVisible() || FBitmap->GetWidth() == 0) return;
  FSettingSize = true;
  const float ratio = float(FBitmap->GetHeight()) / float(FBitmap->GetWidth());
  newHeight->SetValue(std::nearbyint(ratio * newWidth->GetValue()));
  FSettingSize = false;
}

void TzrBitmapEditor::newHeightChange(TObject*) {
  if (FSettingSize || !resizeLayout->GetVisible() || FBitmap->GetHeight() == 0) return;
  FSettingSize = true;
  const float ratio = float(FBitmap->GetWidth()) / float(FBitmap->GetHeight());
  newWidth->SetValue(std::nearbyint(ratio * newHeight->GetValue()));
  FSettingSize = false;
}

void TzrBitmapEditor::HideResizeLayout() {
  resizeLayout->AnimateFloatWait("Position.Y", -resizeLayout->GetHeight(), 0.3f);
  resizeLayout->SetVisible(false);
}

void TzrBitmapEditor::Button4Click(TObject*) {
  const int w = int(std::trunc(newWidth->GetValue()));
  const int h = int(std::trunc(newHeight->GetValue()));
  TzrBitmap resized(w, h);
  TzrCanvas* canvas = resized.GetCanvas();
  if (canvas && canvas->BeginScene()) {
    canvas->DrawBitmap(*FBitmap, {0, 0, float(FBitmap->GetWidth()), float(FBitmap->GetHeight())},
                       {0, 0, float(w), float(h)}, 1);
    canvas->EndScene();
  }
  const std::string fileName = FFileName;
  AssignFromBitmap(&resized);
  FFileName = fileName;
  HideResizeLayout();
}

void TzrBitmapEditor::Button5Click(TObject*) { HideResizeLayout(); }

void TzrBitmapEditor::btnSaveClick(TObject*) {
  SaveDialog1->SetFileName(FFileName);
  if (!SaveDialog1->Execute()) return;
  // A file the codec could not write is told, not passed over.
  std::unique_ptr<TzrFilter> filter = zrCreateFilter();
  if (!filter || !filter->SaveToFile(SaveDialog1->GetFileName(), *FBitmap, ""))
    throw Exception("Cannot save the picture as " + SaveDialog1->GetFileName());
}
