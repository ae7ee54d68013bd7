#pragma once
// The bitmap editor: a modal form over a working copy of a bitmap. The user
// loads a picture file or pastes one from the clipboard, zooms the preview,
// crops with a selection frame, resizes keeping the aspect ratio, clears and
// saves it. The caller fills it with AssignFromBitmap, shows it modally and,
// on mrOk, reads the result with AssignToBitmap.

#include <memory>
#include <string>

#include "platform/vcl/Forms.h"
#include "scene/zr_geometry.h"

class TzoRurev;
class TzrBackground;
class TzrBitmap;
class TzrButton;
class TzrCanvas;
class TzrControl;
class TzrFramedScrollBox;
class TzrLabel;
class TzrLayout;
class TzrNumberBox;
class TzrPaintBox;
class TzrSelection;
class TzrTrack;
class TSaveDialog;

class TzrBitmapEditor : public TForm {
 public:
  explicit TzrBitmapEditor(TComponent* AOwner);
  ~TzrBitmapEditor() override;
  std::string ClassName() const override { return "TzrBitmapEditor"; }

  TzoRurev* zoRurev1 = nullptr;
  TzrBackground* Root1 = nullptr;
  TzrLayout* Layout1 = nullptr;
  TzrButton* Button1 = nullptr;  // Load...
  TzrButton* Button2 = nullptr;  // Cancel
  TzrButton* btnOk = nullptr;
  TzrButton* btnPaste = nullptr;
  TzrControl* editControl = nullptr;  // zoom, crop, clear and resize
  TzrLabel* labelScale = nullptr;
  TzrTrack* trackScale = nullptr;
  TzrButton* btnFit = nullptr;
  TzrButton* btnOriginal = nullptr;
  TzrButton* cropButton = nullptr;
  TzrButton* Button3 = nullptr;  // Clear
  TzrButton* btnResize = nullptr;
  TzrButton* btnSave = nullptr;
  TzrFramedScrollBox* ScrollBox1 = nullptr;
  TzrPaintBox* Preview = nullptr;
  TzrBackground* resizeLayout = nullptr;
  TzrNumberBox* newWidth = nullptr;
  TzrNumberBox* newHeight = nullptr;
  TzrButton* Button4 = nullptr;  // resize OK
  TzrButton* Button5 = nullptr;  // resize Cancel
  TSaveDialog* SaveDialog1 = nullptr;

  // A copy of Bitmap becomes the picture (nil keeps the current one).
  void AssignFromBitmap(TzrBitmap* Bitmap);
  // Bitmap takes the picture, or only its part under the crop selection.
  void AssignToBitmap(TzrBitmap* Bitmap);

  void btnOkClick(TObject* Sender);
  void Button2Click(TObject* Sender);
  void Button1Click(TObject* Sender);
  void btnPasteClick(TObject* Sender);
  void PreviewPaint(TObject* Sender, TzrCanvas* Canvas);
  void trackScaleChange(TObject* Sender);
  void trackScaleMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, float X,
                           float Y);
  void btnFitClick(TObject* Sender);
  void btnOriginalClick(TObject* Sender);
  void cropButtonClick(TObject* Sender);
  void Button3Click(TObject* Sender);
  void btnResizeClick(TObject* Sender);
  void newWidthChange(TObject* Sender);
  void newHeightChange(TObject* Sender);
  void Button4Click(TObject* Sender);
  void Button5Click(TObject* Sender);
  void btnSaveClick(TObject* Sender);

  TzrBitmap* GetBitmap() const { return FBitmap.get(); }
  TzrSelection* GetCropRect() const { return FCropRect; }
  float GetScale() const;
  const std::string& GetFileName() const { return FFileName; }

 private:
  void FindComponents();
  void BindHandlers();
  // Source rectangle, preview size and scroll box layout follow the picture.
  void ShowWholeBitmap();
  void RemoveCropRect();
  void HideResizeLayout();

  std::unique_ptr<TzrBitmap> FBitmap;
  TzrRect FSourceRect{};
  TzrSelection* FCropRect = nullptr;
  float FOldScale = 1;
  std::string FFileName;
  bool FSettingSize = false;  // one number box is being set from the other
};
