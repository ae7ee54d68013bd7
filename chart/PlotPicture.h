#pragma once
// The chart's picture: a framework picture with a list of filters that it
// hands out its graphic through; and small float-point persistents.

#include <memory>

#include "chart/PlotFilter.h"
#include "platform/vcl/Graphics.h"

class TReader;
class TWriter;

class TPlotPicture : public TPicture {
 public:
  TPlotPicture();
  ~TPlotPicture() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Copies a chart picture's filters, then the graphic of any picture.
  void Assign(TPersistent* Source) override;
  // The stream entry "FilterItems" when there are filters.
  void DefineProperties(TFiler* Filer) override;

  bool Valid() const { return GetGraphic() != nullptr; }
  // The graphic itself without filters; otherwise a bitmap copy of it (an
  // icon drawn at its own size) with every enabled filter applied, made
  // again at every call and kept by the picture.
  TGraphic* Filtered();
  TFilterItems* GetFilters();
  // Nil frees the list; otherwise copies it.
  void SetFilters(TFilterItems* Value);
  bool HasFilters() const { return FFilters && FFilters->Count() > 0; }
  void Repaint() { Changed(this); }

 private:
  void ReadFilters(TReader* Reader);
  void WriteGraphic(TStream* Stream);
  void ReadGraphic(TStream* Stream);
  void WriteFilters(TWriter* Writer);

  std::unique_ptr<TFilterItems> FFilters;
  std::unique_ptr<TBitmap> IBitmap;
};

// The "FilterItems" stream entry of a filter list: the collection tag, then
// per filter "ItemClass", its registered class name and its properties.
// Reading replaces the list's filters.
void PlotWriteFilterItems(TWriter* Writer, TFilterItems* List);
void PlotReadFilterItems(TReader* Reader, TFilterItems* List);

struct TPointFloat {
  double X = 0, Y = 0;
};
struct TPoint3DFloat {
  double X = 0, Y = 0, Z = 0;
};

// X and Y, each streamed when it differs from its default.
class TFloatXY : public TPersistent {
 public:
  explicit TFloatXY(float DefaultX = 0, float DefaultY = 0);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Copies X and Y without notification.
  void Assign(TPersistent* Source) override;
  float GetX() const { return FX; }
  void SetX(float Value);
  float GetY() const { return FY; }
  void SetY(float Value);
  TPointFloat Point() const { return TPointFloat{FX, FY}; }
  TNotifyEvent OnChange;

 protected:
  void Changed();
  float FX, FY;

 private:
  bool IsXStored() const { return FX != IDefaultX; }
  bool IsYStored() const { return FY != IDefaultY; }
  float IDefaultX, IDefaultY;
};

class TFloatXYZ : public TFloatXY {
 public:
  explicit TFloatXYZ(float DefaultX = 0, float DefaultY = 0, float DefaultZ = 0);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Copies Z, then X and Y.
  void Assign(TPersistent* Source) override;
  float GetZ() const { return FZ; }
  void SetZ(float Value);
  TPoint3DFloat Point() const { return TPoint3DFloat{FX, FY, FZ}; }

 private:
  bool IsZStored() const { return FZ != IDefaultZ; }
  float FZ, IDefaultZ;
};

enum TSmoothStretchOption { ssBestQuality, ssBestPerformance };

// Resamples Source into Destination's size (both made 24 bits a pixel);
// each result is its contributions over the total of their weights.
// Nothing happens unless both have more than one pixel in each direction;
// a destination of two rows keeps its pixels.
void SmoothStretch(TBitmap* Source, TBitmap* Destination);
void SmoothStretch(TBitmap* Source, TBitmap* Destination, TSmoothStretchOption Option);
