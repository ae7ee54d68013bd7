#pragma once
// Shapes: the framed, filled box behind every chart element that has one
// (titles, legend, axis titles and labels, marks, walls). A shape is a
// rectangle, rounded rectangle or ellipse filled with a brush (colour,
// gradient or picture) and outlined with a pen; it may be turned about its
// centre, see-through, shadowed, embossed, bevelled, carry a callout pointer
// on one side and hold a column or row of child shapes.

#include <memory>

#include "chart/PlotBackImage.h"
#include "chart/PlotCorners.h"
#include "chart/PlotFont.h"
#include "chart/PlotPen.h"
#include "chart/PlotShadow.h"
#include "controls/XwTypes.h"
#include "platform/rtl/Collection.h"
#include "platform/vcl/ExtCtrls.h"

class TCustomPlotPanel;
class TPlotCustomShape;
class TPlotTransform;
class TVisualBlock;

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle, fosEllipse };
enum TShapeCalloutSide { csNone, csLeft, csTop, csRight, csBottom };
enum TPlotShapeLayout { slTopBottom, slLeftRight };

// Makes a shape of one class for a panel (the class-of type of shapes).
using TPlotCustomShapeClass = TPlotCustomShape* (*)(TCustomPlotPanel* Owner);
template <class S>
TPlotCustomShape* PlotShapeOf(TCustomPlotPanel* Owner) {
  return new S(Owner);
}

// The corners of R turned by Angle degrees about R's integer centre:
// top-left, top-right, bottom-right, bottom-left.
void RectToFourPoints(const TRect& R, double Angle, TFourPoints& P);

// Brush, pen, visibility and the panel of a chart element.
class TPlotCustomShapeBrushPen : public TPersistent {
 public:
  TPlotCustomShapeBrushPen();
  ~TPlotCustomShapeBrushPen() override;
  TPlotCustomShapeBrushPen(const TPlotCustomShapeBrushPen&) = delete;
  TPlotCustomShapeBrushPen& operator=(const TPlotCustomShapeBrushPen&) = delete;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Brush, pen and Visible (the field) of another element.
  void Assign(TPersistent* Source) override;

  virtual void SetParent(TCustomPlotPanel* Value) { FParent = Value; }
  // Invalidates the panel; nothing without one.
  virtual void Repaint();
  // The change handler of every drawing attribute the element owns.
  void CanvasChanged(TObject* Sender);
  const TClassInfo* GetBrushClass() const;

  TPlotBrush* GetBrush() const { return FBrush.get(); }
  void SetBrush(TPlotBrush* Value) { FBrush->Assign(Value); }
  TPlotPen* GetPen() const { return FPen.get(); }
  void SetPen(TPlotPen* Value) { FPen->Assign(Value); }
  TPlotPen* GetFrame() const { return FPen.get(); }
  void SetFrame(TPlotPen* Value) { SetPen(Value); }
  TCustomPlotPanel* GetParentChart() const { return FParent; }
  bool GetVisible() const { return FVisible; }
  // Through the panel's setter when there is a panel.
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool IsVisibleStored() const { return FVisible != DefaultVisible; }

  bool DefaultVisible = true;
  // A transformation the element frees; nothing in the program sets it.
  std::unique_ptr<TPlotTransform> Transform;

 protected:
  TNotifyEvent Changed() {
    return [this](TObject* S) { CanvasChanged(S); };
  }
  std::unique_ptr<TPlotBrush> FBrush;
  TCustomPlotPanel* FParent = nullptr;
  std::unique_ptr<TPlotPen> FPen;
  bool FVisible = true;
};

// The pointer of a callout on one side of its shape, and the outline of the
// shape with it.
class TShapeCallout : public TPersistent {
 public:
  explicit TShapeCallout(TPlotCustomShape* AOwner = nullptr) : IOwner(AOwner) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  // R's outline with the pointer, built clockwise from the top-left corner
  // with corners of size S, on a path of the canvas; the caller frees it.
  TPlotBasePath* GetPath(TPlotCanvas* ACanvas, const TRect& R, int S);

  int GetPointPosition() const { return FPointPosition; }
  void SetPointPosition(int Value) { FPointPosition = Value; }
  int GetPosition() const { return FPosition; }
  void SetPosition(int Value) { Store(FPosition, Value); }
  TShapeCalloutSide GetSide() const { return FSide; }
  void SetSide(TShapeCalloutSide Value);
  int GetSize() const { return FSize; }
  void SetSize(int Value) { Store(FSize, Value); }
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value) { Store(FWidth, Value); }

 private:
  void Store(int& Field, int Value);
  void Changed();
  void HorizPointer(TPlotBasePath* P, const TRect& R, int S, bool Top);
  void VertPointer(TPlotBasePath* P, const TRect& R, int S, bool Right);

  int FPointPosition = 50;
  int FPosition = 50;
  TShapeCalloutSide FSide = csNone;
  int FSize = 25;
  int FWidth = 20;
  TPlotCustomShape* IOwner;
};

class TPlotShapes;

class TPlotShapeItem : public TCollectionItem {
 public:
  explicit TPlotShapeItem(TCollection* ACollection);
  ~TPlotShapeItem() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;
  // The shape that holds the collection, nil for a collection alone.
  TPlotCustomShape* OwnerShape() const;
  TPlotCustomShape* GetShape() const { return FShape.get(); }
  void SetShape(TPlotCustomShape* Value);

 private:
  std::unique_ptr<TPlotCustomShape> FShape;
};

// The child shapes of a shape.
class TPlotShapes : public TCollection {
 public:
  explicit TPlotShapes(TPlotCustomShape* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  TPlotCustomShape* GetOwner() const { return FOwner; }
  TPlotShapeItem* Get(int Index) const { return static_cast<TPlotShapeItem*>(GetItem(Index)); }
  // Copies Item into the item at Index.
  void Put(int Index, TPlotShapeItem* Item) { Get(Index)->Assign(Item); }
  TPlotShapeItem* Add() { return static_cast<TPlotShapeItem*>(TCollection::Add()); }

  // The class of new child shapes.
  TPlotCustomShapeClass IShapeClass = nullptr;

 private:
  TPlotCustomShape* FOwner;
};

class TPlotCustomShape : public TPlotCustomShapeBrushPen {
 public:
  explicit TPlotCustomShape(TCustomPlotPanel* AOwner = nullptr);
  ~TPlotCustomShape() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // Everything of another shape (children included), then brush, pen and
  // visibility of any element.
  void Assign(TPersistent* Source) override;
  // The read-only entries "ShadowColor" and "ShadowSize".
  void DefineProperties(TFiler* Filer) override;
  // The panel goes to every child as well.
  void SetParent(TCustomPlotPanel* Value) override;

  // ---- virtual operations
  // Auto-sized: the size starts from nothing and grows by the visible
  // children, stacked by ChildLayout.
  virtual void CalcBounds(TCustomPlotPanel* Panel);
  // The outline and fill from the points (R and Angle are not used).
  virtual void DoDraw(TCustomPlotPanel* Panel, std::span<const TPoint> Points, const TRect& R,
                      double Angle, int Z);
  // The outline and fill of R: by style, by the callout's path or, turned,
  // as a polygon.
  virtual void DoDraw(TCustomPlotPanel* Panel, const TRect& R, double Angle, int Z);
  // Where the first child starts: the top (or left) of the bounds.
  virtual int FirstChildPos();
  virtual TPlotCustomShapeClass GetChildClass() const;
  virtual std::string GetEditorClass() const { return "TFormPlotShape"; }
  virtual void InitEmboss(TPlotEmboss* Emboss);
  virtual void InitShadow(TPlotShadow* Shadow);

  // ---- drawing
  void Draw();
  void Draw(const TRect& R, double Angle, int Z);
  void Draw(TCustomPlotPanel* Panel, const TRect& R, double Angle, int Z);
  void Draw(const TRect& R, std::span<const TPoint> Points, double Angle, int Z);
  void Draw(TCustomPlotPanel* Panel, const TRect& R, std::span<const TPoint> Points,
            double Angle, int Z);
  void DoDrawPoints(TCustomPlotPanel* Panel, std::span<const TPoint> Points, int Z);

  // P in R (edges included), or in R's corners turned by Angle.
  bool ClickedShape(TPoint P, const TRect& R) const;
  void MoveTo(int X, int Y);
  void MoveTo(TPoint P) { MoveTo(P.X, P.Y); }

  // ---- properties
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { Store(FAlignment, Value); }
  int GetAngle() const { return FAngle; }
  void SetAngle(int Value) { Store(FAngle, Value); }
  void InitAngle(int Value) { FAngle = Value; }
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value) { Store(FAutoSize, Value); }
  TBevelCut GetBevel() const { return FBevel; }
  void SetBevel(TBevelCut Value) { Store(FBevel, Value); }
  int GetBevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value) { Store(FBevelWidth, Value); }
  TPlotShapes* GetChildren() const { return FChildren.get(); }
  void SetChildren(TPlotShapes* Value) { FChildren->Assign(Value); }
  TPlotShapeLayout GetChildLayout() const { return FChildLayout; }
  void SetLayout(TPlotShapeLayout Value) { Store(FChildLayout, Value); }
  TColor GetColor() const { return FColor; }
  // Through the panel's setter when there is a panel.
  void SetColor(TColor Value);
  TPlotFont* GetFont() const { return FFont.get(); }
  void SetFont(TPlotFont* Value) { FFont->Assign(Value); }
  int GetRoundSize() const { return FRoundSize; }
  // A size above 0 also makes the shape a rounded rectangle.
  void SetRoundSize(int Value);
  TChartObjectShapeStyle GetShapeStyle() const { return FShapeStyle; }
  void SetShapeStyle(TChartObjectShapeStyle Value) { Store(FShapeStyle, Value); }
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value) { Store(FTransparent, Value); }
  // The field and its stored default, without repaint.
  void InitTransparent(bool Value) { FTransparent = DefaultTransparent = Value; }
  int GetTransparency() const { return FTransparency; }
  void SetTransparency(int Value) { Store(FTransparency, TPlotTransparency(Value)); }
  TPlotShadow* GetShadow() const { return FShadow.get(); }
  void SetShadow(TPlotShadow* Value);
  TColor GetShadowColor() const { return FShadow->GetColor(); }
  void SetShadowColor(TColor Value) { FShadow->SetColor(Value); }
  int GetShadowSize() const { return FShadow->GetSize(); }
  void SetShadowSize(int Value) { FShadow->SetSize(Value); }
  TPlotGradient* GetGradient() const { return FBrush->GetGradient(); }
  void SetGradient(TPlotGradient* Value) { FBrush->SetGradient(Value); }

  // Made on first use; nil frees them, anything else is copied in.
  TShapeCallout* GetCallout();
  void SetCallout(TShapeCallout* Value);
  TPlotCorners* GetCorners();
  void SetCorners(TPlotCorners* Value);
  TPlotEmboss* GetEmboss();
  void SetEmboss(TPlotEmboss* Value);
  TBackImage* GetPicture();
  // Repaints either way.
  void SetPicture(TBackImage* Value);
  bool HasCallout() const { return FCallout != nullptr; }
  bool HasCorners() const { return FCorners != nullptr; }
  bool HasEmboss() const { return FEmboss != nullptr; }
  bool HasPicture() const { return FPicture != nullptr; }

  int GetWidth() const { return ShapeBounds.Width(); }
  void SetWidth(int Value) { ShapeBounds.Right = ShapeBounds.Left + Value; }
  int GetHeight() const { return ShapeBounds.Height(); }
  void SetHeight(int Value) { ShapeBounds.Bottom = ShapeBounds.Top + Value; }

  bool DefaultTransparent = false;
  // Drawn with depth even on a canvas without full rotation.
  bool FDraw3D = false;
  TRect ShapeBounds;

 protected:
  template <class T>
  void Store(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Repaint();
  }
  void InternalDraw(TCustomPlotPanel* Panel, std::span<const TPoint> Points, const TRect& R,
                    bool FromRectangle, double Angle, int Z);
  // The shadow (Sign 1) or emboss (Sign -1) under the shape.
  void DrawEffect(TPlotShadow* Effect, int Sign, TCanvas3D* C, const TRect& R, double Angle,
                  int Z);
  void DrawPictureFill(TCustomPlotPanel* Panel, std::span<const TPoint> Points, const TRect& R,
                       bool FromRectangle, int Z);
  void DrawChildren(TCustomPlotPanel* Panel, const TRect& R, double Angle, int Z);
  bool IsCornersStored() const { return HasCorners(); }
  bool IsPictureStored() const { return HasPicture(); }
  bool IsChildrenStored() const { return FChildren->Count() > 0; }
  bool IsTransparentStored() const { return FTransparent != DefaultTransparent; }
  // Object getters for the type information (they make the object).
  TShapeCallout* CalloutProp() { return GetCallout(); }
  TPlotCorners* CornersProp() { return GetCorners(); }
  TPlotEmboss* EmbossProp() { return GetEmboss(); }
  TBackImage* PictureProp() { return GetPicture(); }

  int FAngle = 0;
  bool FAutoSize = true;
  TBevelCut FBevel = bvNone;
  int FBevelWidth = 2;
  std::unique_ptr<TShapeCallout> FCallout;
  std::unique_ptr<TPlotShapes> FChildren;
  TPlotShapeLayout FChildLayout = slTopBottom;
  TColor FColor = clWhite;
  std::unique_ptr<TPlotCorners> FCorners;
  std::unique_ptr<TPlotFont> FFont;
  int FRoundSize = 16;
  TChartObjectShapeStyle FShapeStyle = fosRectangle;
  bool FTransparent = false;
  TVisualBlock* FVisual = nullptr;
  TAlignment FAlignment = taLeftJustify;
  std::unique_ptr<TPlotEmboss> FEmboss;
  std::unique_ptr<TBackImage> FPicture;
  std::unique_ptr<TPlotShadow> FShadow;
  TPlotTransparency FTransparency = 0;
  TFourPoints FRotatedBounds{};
};

// The shape with its properties published.
class TPlotShape : public TPlotCustomShape {
 public:
  using TPlotCustomShape::TPlotCustomShape;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
