#include "platform/vcl/Image.h"

#include "platform/rtl/RttiDecl.h"

const TClassInfo* TImage::Class() {
  static const TClassInfo* info =
      TClassDecl<TImage>("TImage", TComponent::Class())
          .Prop("Center", &TImage::GetCenter, &TImage::SetCenter)
          .Default(0)
          .Prop("Proportional", &TImage::GetProportional, &TImage::SetProportional)
          .Default(0)
          .Prop("Stretch", &TImage::GetStretch, &TImage::SetStretch)
          .Default(0);
  return info;
}

TImage::TImage(TComponent* AOwner)
    : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
  FPicture->OnChange = [this](TObject* Sender) { PictureChanged(Sender); };
}

TImage::~TImage() { FPicture->OnChange = nullptr; }

void TImage::SetStretch(bool Value) {
  if (Value == FStretch) return;
  FStretch = Value;
  Invalidate();
}

void TImage::SetProportional(bool Value) {
  if (Value == FProportional) return;
  FProportional = Value;
  Invalidate();
}

void TImage::SetCenter(bool Value) {
  if (Value == FCenter) return;
  FCenter = Value;
  Invalidate();
}

TRect TImage::DestRect() const {
  int w = FPicture->GetWidth(), h = FPicture->GetHeight();
  const int cw = GetWidth(), ch = GetHeight();
  if (FStretch || (FProportional && (w > cw || h > ch))) {
    if (FProportional && w > 0 && h > 0) {
      const double aspect = double(w) / h;
      if (w > h) {
        w = cw;
        h = int(cw / aspect);
        if (h > ch) {
          h = ch;
          w = int(ch * aspect);
        }
      } else {
        h = ch;
        w = int(ch * aspect);
        if (w > cw) {
          w = cw;
          h = int(cw / aspect);
        }
      }
    } else {
      w = cw;
      h = ch;
    }
  }
  const int x = FCenter ? (cw - w) / 2 : 0, y = FCenter ? (ch - h) / 2 : 0;
  return TRect{x, y, x + w, y + h};
}

void TImage::Paint() {
  TCanvas* canvas = GetCanvas();
  TGraphic* graphic = FPicture->GetGraphic();
  if (!canvas || !graphic || graphic->GetEmpty()) return;
  canvas->StretchDraw(DestRect(), graphic);
}

void TImage::PictureChanged(TObject* /*Sender*/) { Invalidate(); }
