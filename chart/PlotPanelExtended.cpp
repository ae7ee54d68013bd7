#include "chart/PlotPanelExtended.h"

#include "chart/PlotCanvas3D.h"
#include "scene/zr_stream.h"

TCustomPlotPanelExtended::TCustomPlotPanelExtended(TComponent* AOwner)
    : TCustomPlotPanel(AOwner), FZoom(std::make_unique<TPlotZoom>()) {}

TCustomPlotPanelExtended::~TCustomPlotPanelExtended() = default;

// ---------------- owned settings ----------------

TBackImage* TCustomPlotPanelExtended::GetBackImage() {
  if (!FBackImage) {
    FBackImage = std::make_unique<TBackImage>();
    FBackImage->OnChange = [this](TObject* S) { CanvasChanged(S); };
  }
  return FBackImage.get();
}

void TCustomPlotPanelExtended::SetBackImage(TBackImage* Value) {
  if (Value != nullptr) {
    GetBackImage()->Assign(Value);
    return;
  }
  FBackImage.reset();
  Invalidate();
}

bool TCustomPlotPanelExtended::HasBackImage() const { return FBackImage && FBackImage->Valid(); }

bool TCustomPlotPanelExtended::GetBackImageInside() const {
  return FBackImage && FBackImage->GetInside();
}

bool TCustomPlotPanelExtended::GetBackImageTransp() const {
  return FBackImage && FBackImage->GetGraphic() && FBackImage->GetGraphic()->GetTransparent();
}

void TCustomPlotPanelExtended::SetBackImageTransp(bool Value) {
  if (FBackImage && FBackImage->GetGraphic()) FBackImage->GetGraphic()->SetTransparent(Value);
}

TPlotGradient* TCustomPlotPanelExtended::GetGradient() {
  if (!FGradient)
    FGradient = std::make_unique<TPlotGradient>([this](TObject* S) { CanvasChanged(S); });
  return FGradient.get();
}

void TCustomPlotPanelExtended::SetGradient(TPlotGradient* Value) {
  if (Value == nullptr) {
    FGradient.reset();
    return;
  }
  GetGradient()->Assign(Value);
}

void TCustomPlotPanelExtended::DrawBitmap(const TRect& R, int Z) {
  if (HasBackImage()) FBackImage->Draw(this, R, Z);
}

void TCustomPlotPanelExtended::UndoZoom() {
  if (OnUndoZoom) OnUndoZoom(this);
  Invalidate();
  FZoomed = false;
}

TColor TCustomPlotPanelExtended::GetBackColor() {
  if (GetGradient()->GetVisible()) return GetGradient()->GetStartColor();
  return TCustomPlotPanel::GetBackColor();
}

void TCustomPlotPanelExtended::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TCustomPlotPanelExtended*>(Source)) {
    SetBackImage(source->FBackImage.get());
    SetGradient(source->FGradient.get());
    FAllowPanning = source->FAllowPanning;
    FScrollMouse = source->FScrollMouse;
    FZoom->Assign(source->FZoom.get());
  }
  TCustomPlotPanel::Assign(Source);
}

void TCustomPlotPanelExtended::DefineProperties(TFiler* Filer) {
  TCustomPlotPanel::DefineProperties(Filer);
  auto none = [](TWriter*) {};
  Filer->DefineProperty(
      "AllowZoom", [this](TReader* r) { FZoom->SetAllow(r->ReadBoolean()); }, none, false);
  Filer->DefineProperty(
      "AnimatedZoom", [this](TReader* r) { FZoom->SetAnimated(r->ReadBoolean()); }, none, false);
  Filer->DefineProperty(
      "AnimatedZoomSteps", [this](TReader* r) { FZoom->SetAnimatedSteps(r->ReadInteger()); }, none,
      false);
  bool marginsStored = !(PrintMargins == TRect{15, 15, 15, 15});
  Filer->DefineProperty(
      "PrintMargins",
      [this](TReader* r) {
        r->ReadListBegin();
        PrintMargins.Left = r->ReadInteger();
        PrintMargins.Top = r->ReadInteger();
        PrintMargins.Right = r->ReadInteger();
        PrintMargins.Bottom = r->ReadInteger();
        r->ReadListEnd();
      },
      [this](TWriter* w) {
        w->WriteListBegin();
        w->WriteInteger(PrintMargins.Left);
        w->WriteInteger(PrintMargins.Top);
        w->WriteInteger(PrintMargins.Right);
        w->WriteInteger(PrintMargins.Bottom);
        w->WriteListEnd();
      },
      marginsStored);
}

// ---------------- panel background ----------------

void TCustomPlotPanelExtended::PlaceEffect(TPlotShadow* Effect, TRect& R, bool IsShadow) {
  if (!Effect->ShouldDraw()) return;
  int h = Effect->GetHorizSize(), v = Effect->GetVertSize();
  if (IsShadow) {
    if (h > 0)
      R.Right -= h + 1;
    else
      R.Left -= h + 1;
    if (v > 0)
      R.Bottom -= v + 1;
    else
      R.Top -= v + 1;
  } else {
    if (h > 0)
      R.Left += h + 1;
    else
      R.Right -= h + 1;
    if (v > 0)
      R.Top += v + 1;
    else
      R.Bottom -= v + 1;
  }
  InternalCanvas->GetPen()->SetStyle(psClear);
  Effect->Draw(InternalCanvas, R, FBorderRound, 0);
}

bool TCustomPlotPanelExtended::GradientHasTransparency() const {
  if (!FGradient || !FGradient->GetVisible() || !FGradient->HasColors()) return false;
  TPlotGradientColors* colors = FGradient->GetColors();
  for (int i = 0; i < colors->Count(); ++i)
    if (colors->Get(i)->GetTransparency() > 0) return true;
  return false;
}

void TCustomPlotPanelExtended::PanelPaint(TRect R) {
  InternalCanvas->BeginEntity("Panel", nullptr, nullptr);
  InternalCanvas->FrontPlaneBegin();
  if (!Printing || PrintPlotPanel) {
    if (GetColor() != clNone) {
      TColor erase = PanelColor(GetParent() ? GetParent()->GetColor() : GetColor());
      InternalCanvas->GetBrush()->SetStyle(bsSolid);
      InternalCanvas->GetBrush()->SetColor(erase);
      InternalCanvas->GetPen()->SetStyle(psClear);
      InternalCanvas->GetGradient()->SetVisible(false);
      InternalCanvas->EraseBackground(R);
      PlaceEffect(FShadow.get(), R, true);
      PlaceEffect(FEmboss.get(), R, false);
    }
    FillPanelRect(R);
    if (HasBackImage() && !FBackImage->GetInside()) {
      DrawBitmap(R, 0);
      if (GradientHasTransparency()) FillPanelRect(R);
    }
    DrawPanelBevels(R);
  }
  InternalCanvas->FrontPlaneEnd();
  InternalCanvas->EndEntity();
}

void TCustomPlotPanelExtended::FillPanelRect(const TRect& R) {
  if (Printing && !PrintPlotPanel) return;
  TColor c = GetParentColor() && GetParent() ? GetParent()->GetColor() : GetColor();
  if (c != clNone) c = PanelColor(c);
  if (!FBorder->GetVisible() && c == clNone) return;
  InternalCanvas->FrontPlaneBegin();
  InternalCanvas->AssignVisiblePenColor(FBorder.get(), FBorder->GetColor());
  if (FGradient && FGradient->GetVisible())
    InternalCanvas->GetGradient()->Assign(FGradient.get());
  else
    InternalCanvas->GetGradient()->SetVisible(false);
  TPlotBrush* brush = InternalCanvas->GetBrush();
  if (c == clNone) {
    brush->SetStyle(bsClear);
  } else {
    brush->SetImage(nullptr);
    brush->SetStyle(bsSolid);
    brush->SetColor(c);
  }
  TRect shape = R;
  if (FBorder->GetVisible()) {
    FixBorderWidth(FBorder.get(), shape);
  } else {
    shape.Right++;
    shape.Bottom++;
  }
  if (FBorderRound > 0)
    InternalCanvas->RoundRect(shape.Left, shape.Top, shape.Right, shape.Bottom, FBorderRound,
                              FBorderRound);
  else
    InternalCanvas->Rectangle(shape.Left, shape.Top, shape.Right, shape.Bottom);
  InternalCanvas->FrontPlaneEnd();
}

// ---------------- rubber band ----------------

void PlotPrepareXorPen(TCustomPlotPanelExtended* Panel, TPlotPen* Pen) {
  TColor back = TColor(ColorToRGB(Panel->GetBackColor()));
  TColor color = TColor((0xFFFFFF - back) ^ TColor(ColorToRGB(Pen->GetColor())));
  Panel->GetCanvas()->AssignVisiblePenColor(Pen, color);
  Panel->GetCanvas()->GetPen()->SetMode(pmNotXor);
}

void TCustomPlotPanelExtended::DrawZoomRectangle() {
  TCanvas3D* c = InternalCanvas;
  bool fullRepaint = FZoom->GetFullRepaint();
  if (FZoom->HasBrush()) {
    TPlotBrush* brush = FZoom->GetBrush();
    TColor b = TColor(ColorToRGB(GetBackColor()));
    if (!fullRepaint) b = TColor(ColorToRGB(brush->GetColor())) ^ (0xFFFFFF - b);
    SetBrushCanvas(brush->GetColor(), brush, b);
  } else {
    c->GetBrush()->SetStyle(bsClear);
  }
  if (fullRepaint || !c->GetSupportsXORMode()) {
    FZoom->GetPen()->SetMode(pmCopy);
    c->AssignVisiblePenColor(FZoom->GetPen(), FZoom->GetPen()->GetColor());
  } else {
    PlotPrepareXorPen(this, FZoom->GetPen());
  }
  c->Rectangle(FZoom->X0, FZoom->Y0, FZoom->X1, FZoom->Y1);
  if (!fullRepaint) c->GetPen()->SetMode(pmCopy);
  if (c->GetReferenceCanvas() == TCustomPanel::GetCanvas()) FlushCanvas();
}

void TCustomPlotPanelExtended::TryDrawZoom() {
  if (!FZoom->GetFullRepaint() && InternalCanvas->GetSupportsXORMode())
    DrawZoomRectangle();
  else
    Invalidate();
}
