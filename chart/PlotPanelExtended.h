#pragma once
// The chart panel with the settings the chart control reads for mouse
// interaction (zoom, panning, scroll button, wheels), a background gradient,
// a back image, the painting of the panel background and the rubber band
// drawn in XOR mode while a zoom is dragged.

#include <memory>

#include "chart/PlotBackImage.h"
#include "chart/PlotGradient.h"
#include "chart/PlotPanel.h"
#include "chart/PlotZoom.h"

class TCustomPlotPanelExtended : public TCustomPlotPanel {
 public:
  explicit TCustomPlotPanelExtended(TComponent* AOwner);
  ~TCustomPlotPanelExtended() override;
  std::string ClassName() const override { return "TCustomPlotPanelExtended"; }

  // Fills R with the panel colour or gradient and the border pen.
  virtual void FillPanelRect(const TRect& R);
  // The panel background: erase, shadow and emboss, fill, back image, bevels.
  virtual void PanelPaint(TRect R);
  TColor GetBackColor() override;
  void Assign(TPersistent* Source) override;
  void DefineProperties(TFiler* Filer) override;
  // Fires OnUndoZoom, repaints and clears Zoomed.
  virtual void UndoZoom();

  // The rubber band of the zoom's corners, in XOR mode unless FullRepaint
  // is on or the canvas cannot; shown at once on the window.
  void DrawZoomRectangle();
  // Draws the rubber band again (which erases it in XOR mode) or repaints.
  void TryDrawZoom();
  bool HasBackImage() const;
  void DrawBitmap(const TRect& R, int Z);

  TPanningMode GetAllowPanning() const { return FAllowPanning; }
  void SetAllowPanning(TPanningMode Value) { FAllowPanning = Value; }
  bool GetAllowZoom() const { return FZoom->GetAllow(); }
  void SetAllowZoom(bool Value) { FZoom->SetAllow(Value); }
  bool GetAnimatedZoom() const { return FZoom->GetAnimated(); }
  void SetAnimatedZoom(bool Value) { FZoom->SetAnimated(Value); }
  int GetAnimatedZoomSteps() const { return FZoom->GetAnimatedSteps(); }
  void SetAnimatedZoomSteps(int Value) { FZoom->SetAnimatedSteps(Value); }
  // Made on first read.
  TBackImage* GetBackImage();
  // Nil frees the back image and repaints; otherwise copies into it.
  void SetBackImage(TBackImage* Value);
  bool GetBackImageInside() const;
  void SetBackImageInside(bool Value) { GetBackImage()->SetInside(Value); }
  TPlotBackImageMode GetBackImageMode() { return GetBackImage()->GetMode(); }
  void SetBackImageMode(TPlotBackImageMode Value) { GetBackImage()->SetMode(Value); }
  bool GetBackImageTransp() const;
  void SetBackImageTransp(bool Value);
  // Made on first read.
  TPlotGradient* GetGradient();
  // Nil frees the gradient; otherwise copies into it.
  void SetGradient(TPlotGradient* Value);
  bool HasGradient() const { return FGradient != nullptr; }
  TMouseButton GetScrollMouseButton() const { return FScrollMouse; }
  void SetScrollMouseButton(TMouseButton Value) { FScrollMouse = Value; }
  TPlotZoom* GetZoom() const { return FZoom.get(); }
  void SetZoom(TPlotZoom* Value) { FZoom->Assign(Value); }
  TMouseWheelStyle GetZoomWheel() const { return FZoomWheel; }
  void SetZoomWheel(TMouseWheelStyle Value) { FZoomWheel = Value; }
  bool GetZoomed() const { return FZoomed; }
  void SetZoomed(bool Value) { FZoomed = Value; }

  TNotifyEvent OnAfterDraw, OnScroll, OnUndoZoom, OnZoom;

 private:
  // Shrinks R for a shadow (Sign 1) or emboss (Sign -1) and draws it.
  void PlaceEffect(TPlotShadow* Effect, TRect& R, bool IsShadow);
  bool GradientHasTransparency() const;

  TPanningMode FAllowPanning = pmBoth;
  std::unique_ptr<TPlotGradient> FGradient;
  TMouseButton FScrollMouse = mbRight;
  std::unique_ptr<TPlotZoom> FZoom;
  TMouseWheelStyle FZoomWheel = pmwNone;
  bool FZoomed = false;
  std::unique_ptr<TBackImage> FBackImage;
};

// The canvas pen as Pen in a colour that shows in XOR mode over the panel's
// background, drawing in pmNotXor.
void PlotPrepareXorPen(TCustomPlotPanelExtended* Panel, TPlotPen* Pen);
