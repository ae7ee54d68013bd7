#pragma once
// Bitmap filters: pixel-row tables, the region a filter keeps to, the filter
// contract, the ordered filter list, the 3 x 3 convolution and the blur.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Collection.h"
#include "platform/vcl/Graphics.h"

#pragma pack(push, 1)
struct TRGB {
  uint8_t Blue, Green, Red;
};
struct TRGBA {
  uint8_t Red, Green, Blue, Alpha;
};
#pragma pack(pop)

// One pointer per bitmap row, top row first.
using TRGBArray = std::vector<TRGB*>;
using TRGBAArray = std::vector<TRGBA*>;

// Sets the bitmap to 24 (or 32) bits a pixel and fills the table: rows 0
// and 1 from the bitmap, every further row one row distance on. A bitmap
// without rows gives an empty table, one of one row a one-entry table.
void PlotCalcLines(TRGBArray& Lines, TBitmap* Bitmap);
void PlotCalcLines(TRGBAArray& Lines, TBitmap* Bitmap);
int PlotGetDeviceCaps(gdi::HDC DC, int Index);
// Bits per pixel times planes.
int PlotBitsperPixel(gdi::HDC DC);

class TFilterRegion : public TPersistent {
 public:
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  // (Left, Top, Left + Width, Top + Height).
  TRect GetRectangle() const;
  void SetRectangle(const TRect& Value);
  int GetLeft() const { return FLeft; }
  void SetLeft(int Value) { FLeft = Value; }
  int GetTop() const { return FTop; }
  void SetTop(int Value) { FTop = Value; }
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value) { FWidth = Value; }
  int GetHeight() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }

 private:
  int FHeight = 0, FLeft = 0, FTop = 0, FWidth = 0;
};

// A scroll bar a filter editor made; its filter may change its range later.
class TFilterScrollBar {
 public:
  virtual ~TFilterScrollBar() = default;
  virtual void SetMinMax(int Min, int Max) = 0;
};

// What a filter editor is given to offer controls, each bound to the
// published property of the same name.
class TFilterEditorCreator {
 public:
  virtual ~TFilterEditorCreator() = default;
  // An integer scroll bar; the editor may answer nil.
  virtual TFilterScrollBar* AddScroll(const std::string& PropName, int Min, int Max) = 0;
  // An integer field limited to Min .. Max.
  virtual void AddInteger(const std::string& PropName, const std::string& Caption, int Min,
                          int Max) = 0;
  // A check box; OnChange runs after the property changed.
  virtual void AddCheckBox(const std::string& PropName, const std::string& Caption,
                           const TNotifyEvent& OnChange) = 0;
  // A choice list of the enumeration's members.
  virtual void AddChoice(const std::string& PropName) = 0;
  virtual void AddColor(const std::string& PropName, const std::string& Caption) = 0;
};

class TPlotFilter : public TCollectionItem {
 public:
  explicit TPlotFilter(TCollection* ACollection = nullptr);
  ~TPlotFilter() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // From another filter: Enabled and the region.
  void Assign(TPersistent* Source) override;

  // Works on the whole bitmap, or on the region (inclusive pixel bounds; a
  // width or height of 0 runs to the bitmap's edge).
  void Apply(TBitmap* Bitmap);
  // Builds the row table unless ReuseLines; filters call this first.
  virtual void Apply(TBitmap* Bitmap, const TRect& R);
  // Keeps the change notification; filters also ask for their controls.
  virtual void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged);
  // The class name unless a filter says otherwise.
  virtual std::string Description();
  // Settings that make a visible preview in the filter gallery (published,
  // called by name).
  virtual void PrepareForGallery() {}
  // A filter of the class with default properties, applied once.
  static void ApplyTo(const TClassInfo* FilterClass, TBitmap* Bitmap);

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  TFilterRegion* GetRegion();
  void SetRegion(TFilterRegion* Value);
  bool HasRegion() const { return FRegion != nullptr; }
  bool Empty() const { return RGBA ? LinesRGBA.empty() : Lines.empty(); }

  bool AllowRegion = true;
  bool ReuseLines = false;
  bool RGBA = false;
  TRGBArray Lines;
  TRGBAArray LinesRGBA;

 protected:
  void CalcLines(TBitmap* Bitmap);
  TNotifyEvent FChanged;

 private:
  bool FEnabled = true;
  std::unique_ptr<TFilterRegion> FRegion;
};

// The ordered list of a picture's filters.
class TFilterItems : public TCollection {
 public:
  explicit TFilterItems(TPersistent* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TPersistent* GetOwner() const { return FOwner; }
  TPlotFilter* Get(int Index) const { return static_cast<TPlotFilter*>(GetItem(Index)); }
  // A new filter of the class at the end; raises EInvalidOperation for a
  // class that is no filter.
  TPlotFilter* Add(const TClassInfo* FilterClass);
  // Every enabled filter in order.
  void ApplyTo(TBitmap* Bitmap);
  // From another list: a new filter of each source filter's class.
  void Assign(TPersistent* Source) override;
  bool Changed = false;
  // Runs after every change of the list.
  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TPersistent* FOwner;
};

class TConvolveFilter : public TPlotFilter {
 public:
  using TPlotFilter::Apply;
  explicit TConvolveFilter(TCollection* ACollection = nullptr);
  ~TConvolveFilter() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Replaces every inner pixel of the rectangle by the weighted sum of its
  // 3 x 3 neighbourhood in the unchanged image; the outer rows and columns
  // stay. All weights 1: the integer mean; otherwise the sum over the sum
  // of weights, rounded; weights summing to 0: the plain weighted sum.
  // Results are clamped to 0 .. 255.
  void Apply(TBitmap* Bitmap, const TRect& R) override;

  std::array<float, 9> Weights{1, 1, 1, 1, 1, 1, 1, 1, 1};
  bool KeepBuffer = false;

 protected:
  void CreateBuffer(int AWidth, int AHeight);
  void FreeBuffer();

  std::unique_ptr<TBitmap> BufferBitmap;
  std::unique_ptr<TPlotFilter> BufferFilter;
  TRect Rect;
};

class TBlurFilter : public TConvolveFilter {
 public:
  using TPlotFilter::Apply;
  explicit TBlurFilter(TCollection* ACollection = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  // Steps passes of the box blur, the centre weighing Amount.
  void Apply(TBitmap* Bitmap, const TRect& R) override;
  void CreateEditor(TFilterEditorCreator* Creator, const TNotifyEvent& AChanged) override;
  std::string Description() override;

  int GetAmount() const { return FAmount; }
  void SetAmount(int Value) { FAmount = Value; }
  int GetSteps() const { return FSteps; }
  void SetSteps(int Value) { FSteps = Value; }

 private:
  int FAmount = 1;
  int FSteps = 1;
};

// The filter classes that streams may name.
void RegisterPlotFilters();
