#include "chart/PlotCorners.h"

#include <cstdlib>

#include "platform/rtl/RttiDecl.h"

namespace {

const TEnumInfo& CornerStyleInfo() {
  static const TEnumInfo info("TPlotCornerStyle", {"cosRound", "cosBevel", "cosNone"});
  return info;
}

}  // namespace

const TClassInfo* TPlotCorner::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotCorner>("TPlotCorner", TPersistent::Class())
          .Enum("Style", &TPlotCorner::GetStyle, &TPlotCorner::SetStyle, CornerStyleInfo())
          .Default(cosRound);
  return info;
}

void TPlotCorner::Assign(TPersistent* Source) {
  if (auto* corner = dynamic_cast<TPlotCorner*>(Source)) {
    FStyle = corner->FStyle;
    return;
  }
  TPersistent::Assign(Source);
}

void TPlotCorner::SetStyle(TPlotCornerStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  if (IChanged) IChanged(this);
}

const TClassInfo* TPlotCorners::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotCorners>("TPlotCorners", TPersistent::Class())
          .Prop("LeftBottom", &TPlotCorners::GetLeftBottom, &TPlotCorners::SetLeftBottom)
          .Prop("LeftTop", &TPlotCorners::GetLeftTop, &TPlotCorners::SetLeftTop)
          .Prop("RightBottom", &TPlotCorners::GetRightBottom, &TPlotCorners::SetRightBottom)
          .Prop("RightTop", &TPlotCorners::GetRightTop, &TPlotCorners::SetRightTop);
  return info;
}

TPlotCorners::TPlotCorners(TNotifyEvent Changed)
    : FLeftBottom(std::make_unique<TPlotCorner>(Changed)),
      FLeftTop(std::make_unique<TPlotCorner>(Changed)),
      FRightBottom(std::make_unique<TPlotCorner>(Changed)),
      FRightTop(std::make_unique<TPlotCorner>(Changed)) {}

void TPlotCorners::Assign(TPersistent* Source) {
  if (auto* corners = dynamic_cast<TPlotCorners*>(Source)) {
    FLeftBottom->Assign(corners->FLeftBottom.get());
    FLeftTop->Assign(corners->FLeftTop.get());
    FRightBottom->Assign(corners->FRightBottom.get());
    FRightTop->Assign(corners->FRightTop.get());
    return;
  }
  TPersistent::Assign(Source);
}

TPlotBasePath* TPlotCorners::GetPath(TPlotCanvas* ACanvas, const TRect& R, int X, int Y) {
  TPlotBasePath* path = ACanvas->CreatePath();
  int w = std::max((X / 2) * 2, 1), h = std::max((Y / 2) * 2, 1);
  w = std::min(w, std::abs(R.Right - R.Left));
  h = std::min(h, std::abs(R.Bottom - R.Top));
  const float L = float(R.Left), T = float(R.Top), Rt = float(R.Right), B = float(R.Bottom);
  const float fw = float(w), fh = float(h), w2 = float(w / 2), h2 = float(h / 2);
  const TPlotCornerStyle rt = FRightTop->GetStyle(), rb = FRightBottom->GetStyle(),
                         lb = FLeftBottom->GetStyle(), lt = FLeftTop->GetStyle();
  // right-top
  if (rt == cosRound) {
    if (lt == cosNone) {
      path->MoveTo(L, T);
      path->LineTo(Rt - fw, T);
    }
    path->ArcTo(Rt - fw, T, fw, fh, 270, 90);
  } else if (rt == cosBevel) {
    path->MoveTo(Rt - w2, T);
    path->LineTo(Rt, T + h2);
  } else {
    path->MoveTo(Rt, T);
  }
  // right-bottom
  if (rb == cosRound) {
    if (rt != cosRound) path->LineTo(Rt, B - fh);
    path->ArcTo(Rt - fw, B - fh, fw, fh, 0, 90);
  } else {
    if (rt == cosRound) path->MoveTo(Rt, T + fh);
    if (rb == cosBevel) {
      path->LineTo(Rt, B - h2);
      path->LineTo(Rt - w2, B);
    } else {
      path->LineTo(Rt, B);
    }
  }
  // left-bottom
  if (lb == cosRound) {
    if (rb != cosRound) path->LineTo(L + fw, B);
    path->ArcTo(L, B - fh, fw, fh, 90, 90);
  } else {
    if (rb == cosRound) path->MoveTo(Rt - fw, B);
    if (lb == cosBevel) {
      path->LineTo(L + w2, B);
      path->LineTo(L, B - h2);
    } else {
      path->LineTo(L, B);
    }
  }
  // left-top
  if (lt == cosRound) {
    if (lb != cosRound) path->LineTo(L, T + fh);
    path->ArcTo(L, T, fw, fh, 180, 90);
  } else {
    if (lb == cosRound) path->MoveTo(L, B - fh);
    if (lt == cosBevel) {
      path->LineTo(L, T + h2);
      path->LineTo(L + w2, T);
    } else if (rt != cosRound) {
      path->LineTo(L, T);
    }
  }
  path->Close();
  return path;
}
