#pragma once
// The back image of a panel or a framed shape: a chart picture with a mode
// (stretched, tiled, centred, or placed at custom bounds), a stretch quality
// and whether the chart draws it inside its walls.

#include "chart/PlotCanvas.h"
#include "chart/PlotPicture.h"

enum TPlotBackImageMode { pbmStretch, pbmTile, pbmCenter, pbmCustom };

class TCustomPlotPanelExtended;

class TBackImage : public TPlotPicture {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From another back image its placement, then the picture (graphic and
  // filters) of any source.
  void Assign(TPersistent* Source) override;
  // Draws the picture into R at depth Z on the panel's canvas.
  void Draw(TCustomPlotPanelExtended* Panel, TRect R, int Z = 0);

  int GetBottom() const { return FBottom; }
  void SetBottom(int Value) { Store(FBottom, Value); }
  TCanvasStretchQuality GetDrawQuality() const { return FDrawQuality; }
  void SetDrawQuality(TCanvasStretchQuality Value) { Store(FDrawQuality, Value); }
  bool GetInside() const { return FInside; }
  void SetInside(bool Value) { Store(FInside, Value); }
  int GetLeft() const { return FLeft; }
  void SetLeft(int Value) { Store(FLeft, Value); }
  TPlotBackImageMode GetMode() const { return FMode; }
  void SetMode(TPlotBackImageMode Value) { Store(FMode, Value); }
  int GetRight() const { return FRight; }
  void SetRight(int Value) { Store(FRight, Value); }
  int GetTop() const { return FTop; }
  void SetTop(int Value) { Store(FTop, Value); }
  // (Left, Top, Right, Bottom), a Right or Bottom of 0 read as the
  // picture's size past Left or Top. Writing always signals a change.
  TRect GetBounds() const;
  void SetBounds(const TRect& Value);

 private:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Changed(this);
  }
  int PictureWidth() const { return GetGraphic() ? GetGraphic()->GetWidth() : 0; }
  int PictureHeight() const { return GetGraphic() ? GetGraphic()->GetHeight() : 0; }

  int FBottom = 0;
  TCanvasStretchQuality FDrawQuality = sqHigh;
  bool FInside = false;
  int FLeft = 0;
  TPlotBackImageMode FMode = pbmStretch;
  int FRight = 0;
  int FTop = 0;
};
