#include "chart/PlotBackImage.h"

#include "chart/PlotPanelExtended.h"
#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& ModeInfo() {
  static const TEnumInfo info("TPlotBackImageMode",
                              {"pbmStretch", "pbmTile", "pbmCenter", "pbmCustom"});
  return info;
}

const TEnumInfo& QualityInfo() {
  static const TEnumInfo info("TCanvasStretchQuality", {"sqHigh", "sqLow"});
  return info;
}

// Restores the canvas's stretch quality however drawing ends.
struct TQualityScope {
  TPlotCanvas* Canvas;
  TCanvasStretchQuality Saved;
  TQualityScope(TPlotCanvas* C, TCanvasStretchQuality Q)
      : Canvas(C), Saved(C->GetStretchQuality()) {
    C->SetStretchQuality(Q);
  }
  ~TQualityScope() { Canvas->SetStretchQuality(Saved); }
};

}  // namespace

const TClassInfo* TBackImage::Class() {
  using B = TBackImage;
  static const TClassInfo* info =
      TClassDecl<B>("TBackImage", TPlotPicture::Class())
          .Prop("Bottom", &B::GetBottom, &B::SetBottom)
          .Default(0)
          .Enum("DrawQuality", &B::GetDrawQuality, &B::SetDrawQuality, QualityInfo())
          .Default(sqHigh)
          .Prop("Inside", &B::GetInside, &B::SetInside)
          .Default(0)
          .Prop("Left", &B::GetLeft, &B::SetLeft)
          .Default(0)
          .Enum("Mode", &B::GetMode, &B::SetMode, ModeInfo())
          .Default(pbmStretch)
          .Prop("Right", &B::GetRight, &B::SetRight)
          .Default(0)
          .Prop("Top", &B::GetTop, &B::SetTop)
          .Default(0);
  return info;
}

void TBackImage::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TBackImage*>(Source)) {
    FBottom = source->FBottom;
    FDrawQuality = source->FDrawQuality;
    FInside = source->FInside;
    FLeft = source->FLeft;
    FMode = source->FMode;
    FRight = source->FRight;
    FTop = source->FTop;
  }
  TPlotPicture::Assign(Source);
}

TRect TBackImage::GetBounds() const {
  return TRect{FLeft, FTop, FRight == 0 ? PictureWidth() + FLeft : FRight,
               FBottom == 0 ? PictureHeight() + FTop : FBottom};
}

void TBackImage::SetBounds(const TRect& Value) {
  FLeft = Value.Left, FTop = Value.Top, FRight = Value.Right, FBottom = Value.Bottom;
  Changed(this);
}

void TBackImage::Draw(TCustomPlotPanelExtended* Panel, TRect R, int Z) {
  TGraphic* g = Filtered();
  TCanvas3D* c = Panel->GetCanvas();
  if (g == nullptr || c == nullptr) return;
  TQualityScope quality(c, FDrawQuality);
  bool ortho = c->GetView3DOptions() && c->GetView3DOptions()->GetOrthogonal();
  auto project = [&] {
    R = c->CalcRect3D(R, Z);
    if (!Panel->GetView3D()) R.Top++;
  };
  if (FMode == pbmStretch) {
    if (Z != 0 && !ortho) {
      c->StretchDraw(R, g, double(Z), cpZ);
      return;
    }
    if (Z != 0) project();
    c->StretchDraw(R, g);
    return;
  }
  bool clip = Panel->CanClip();
  if (clip) {
    if (Z == 0)
      c->ClipRectangle(R);
    else
      c->ClipCube(R, 0, Panel->Width3D);
  }
  if (Z != 0 && ortho) project();
  int pw = g->GetWidth(), ph = g->GetHeight();
  if (FMode == pbmTile) {
    if (pw > 0 && ph > 0) {
      for (int y = 0; y < R.Height(); y += ph) {
        for (int x = 0; x < R.Width(); x += pw) {
          if (Z > 0 && !ortho) {
            TRect tile{R.Left + x, R.Top + y, R.Left + x + pw, R.Top + y + ph};
            c->StretchDraw(tile, g, double(Z), cpZ);
          } else {
            c->Draw(R.Left + x, R.Top + y, g);
          }
        }
      }
    }
  } else {
    Panel->FillPanelRect(R);
    if (FMode == pbmCustom) {
      R.Left += FLeft;
      R.Top += FTop;
      R.Right = R.Left + (FRight == 0 ? pw : FRight);
      R.Bottom = R.Top + (FBottom == 0 ? ph : FBottom);
    } else {
      int dx = (pw - R.Width()) / 2, dy = (ph - R.Height()) / 2;
      R.Left -= dx, R.Right += dx, R.Top -= dy, R.Bottom += dy;
    }
    if (Z != 0 && !ortho)
      c->StretchDraw(R, g, double(Z), cpZ);
    else if (FRight == 0 && FBottom == 0)
      c->Draw(R.Left, R.Top, g);
    else
      c->StretchDraw(R, g);
  }
  if (clip) c->UnClipRectangle();
}
