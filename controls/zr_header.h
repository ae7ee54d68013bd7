#pragma once
// The row of column captions above a grid. TzrHeader lays out one
// TzrHeaderItem per column side by side from its offset (the grid's
// negative horizontal scroll position) and ends the row with a filler item
// that takes the remaining width. Each item is a corner button with two
// thin grips at its edges: dragging the right grip resizes the item,
// dragging the left grip resizes the item before it, and dragging an item
// onto another reorders them. The header only reports resizes and moves
// (OnResizeItem, OnRealignItem); the grid answers them.

#include <functional>

#include "controls/zr_buttons.h"

class TzrHeader;

// A grip: a plain node whose pressed mark the header item reads.
class TzrHeaderGrip : public TzrVisualObject {
 public:
  using TzrVisualObject::TzrVisualObject;
  // Lets the item drive the previous item's grip as if it were pressed.
  void SetPressedMark(bool Value) { FPressed = Value; }
};

class TzrHeaderItem : public TzrCornerButton {
 public:
  explicit TzrHeaderItem(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TzrHeaderGrip* GetSplitter() const { return FSplitter; }
  TzrHeaderGrip* GetLeftSplitter() const { return FLeftSplitter; }
  // The header this item lies in, or nil.
  TzrHeader* Header() const;

  void DragOver(const TzrDragObject& Data, const TzrPoint& Point, bool& Accept) override;
  void DragDrop(const TzrDragObject& Data, const TzrPoint& Point) override;

 private:
  TzrHeaderGrip* MakeGrip(TzrAlign AAlign);
  // Mouse moves over a grip while it is pressed resize the item (right
  // grip) or the item before it (left grip).
  void GripMouseMove(TObject* Sender, TShiftState Shift, float X, float Y, float Dx, float Dy);
  void ResizeTo(TzrHeaderGrip* AGrip, float X, float Y);
  void ResizePrevious(float X, float Y, TShiftState Shift);

  TzrHeaderGrip* FSplitter = nullptr;
  TzrHeaderGrip* FLeftSplitter = nullptr;
};

using TzrOnRealignItemEvent = std::function<void(TObject* Sender, int OldIndex, int NewIndex)>;
using TzrOnResizeItemEvent = std::function<void(TObject* Sender, float& NewSize)>;

class TzrHeader : public TzrControl {
 public:
  explicit TzrHeader(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  std::string ItemClass() override { return "TzrHeaderItem"; }
  // The child at Index (the filler included), nil outside the range.
  TzrHeaderItem* GetItem(int Index) const;
  TzrHeaderItem* GetLastItem() const { return FLastItem; }
  float GetOffset() const { return FOffset; }
  void SetOffset(float Value) { FOffset = Value; }
  float GetRadius() const { return FRadius; }
  void SetRadius(float Value);
  TzrSides GetSides() const { return FSides; }
  void SetSides(TzrSides Value);

  void Realign() override;
  void Paint() override;

  TzrOnRealignItemEvent OnRealignItem;
  TzrOnResizeItemEvent OnResizeItem;

 private:
  void PlaceItems();
  void DressItem(TzrHeaderItem* AItem, bool First);

  float FOffset = 0;
  TzrHeaderItem* FLastItem = nullptr;
  float FRadius = 0;
  TzrSides FSides = AllSides;
};
