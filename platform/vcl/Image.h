#pragma once
// The framework's picture control: a windowless control that shows its
// picture, unscaled or stretched, optionally keeping the aspect ratio and
// centred.

#include <memory>

#include "platform/vcl/Graphics.h"
#include "platform/vcl/WinControls.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;
  std::string ClassName() const override { return "TImage"; }
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TPicture* GetPicture() { return FPicture.get(); }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool GetStretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool GetProportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool GetCenter() const { return FCenter; }
  void SetCenter(bool Value);

  // Where the picture goes in the client area: its own size at the top
  // left; the client area with Stretch; scaled down to fit, aspect kept,
  // with Proportional; centred with Center.
  TRect DestRect() const;

 protected:
  void Paint() override;
  // The picture's change handler: repaints.
  virtual void PictureChanged(TObject* Sender);

 private:
  std::unique_ptr<TPicture> FPicture;
  bool FStretch = false, FProportional = false, FCenter = false;
};
