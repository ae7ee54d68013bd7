// TzrListBox: laying the items out in rows or columns, scrolling the current
// item into view, the highlight copies, painting behind the items and the
// style parts.

#include <algorithm>
#include <cmath>

#include "controls/zr_listbox.h"
#include "controls/zr_scroll_bar.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_resource_objects.h"

namespace {

// The outer spacing of a node: left, top, right, bottom.
TzrRect Pad(TzrVisualObject* V) { return V->GetPadding()->GetRect(); }

// How far beyond its row an item may paint (its focus frame, a glow or a
// shadow of its style): rows this close to the visible window are painted.
constexpr float kItemOverhang = 32;

}  // namespace

// ---------------------------------------------------------------- layout

TzrRect TzrListBox::GetContentBounds() {
  if (FUpdating > 0) return GetLocalRect();
  SortItems();
  if (!FContentLayout) return GetLocalRect();
  TzrRect r = FContentLayout->GetLocalRect();
  if (FContent) {
    if (!FMultiSelect)
      if (TzrListBoxItem* current = GetSelected()) current->SetIsSelected(true);
    if (FListStyle == zrListVertical)
      LayoutVertical(r);
    else
      LayoutHorizontal(r);
  }
  UpdateSelection();
  return r;
}

void TzrListBox::LayoutVertical(TzrRect& R) {
  const int count = GetCount();
  const float width = R.Right - R.Left;
  if (FItemWidth != 0) {
    FColumns = std::max(1, int(std::trunc(width / FItemWidth)));
    for (int i = 0; i < count; ++i) {
      TzrObject* child = FContent->GetChild(i);
      if (!child->GetIsVisual()) continue;
      TzrVisualObject* v = child->GetVisual();
      v->SetBounds(v->GetPosition()->GetX(), v->GetPosition()->GetY(), FItemWidth,
                   FItemHeight != 0 ? FItemHeight : v->GetHeight());
    }
  } else if (FItemHeight != 0) {
    for (int i = 0; i < count; ++i)
      if (TzrListBoxItem* item = ItemByIndex(i))
        item->SetBounds(item->GetPosition()->GetX(), item->GetPosition()->GetY(), item->GetWidth(),
                        FItemHeight);
  }
  // Rows of Columns items share the height of their tallest item.
  float total = 0;
  for (int first = 0; first < count; first += FColumns) {
    const int last = std::min(count, first + FColumns);
    float row = 0;
    for (int i = first; i < last; ++i)
      if (TzrListBoxItem* item = ItemByIndex(i)) {
        const TzrRect p = Pad(item);
        row = std::max(row, item->GetHeight() + p.Top + p.Bottom);
      }
    for (int i = first; i < last; ++i)
      if (TzrListBoxItem* item = ItemByIndex(i)) {
        const TzrRect p = Pad(item);
        item->SetHeight(row - p.Top - p.Bottom);
      }
    total += row;
  }
  FContent->SetHeight(total);
  const float column = FItemWidth != 0 ? FItemWidth : width / FColumns;
  float top = 0;
  for (int first = 0; first < count; first += FColumns) {
    const int last = std::min(count, first + FColumns);
    float row = 0;
    for (int i = first; i < last; ++i) {
      TzrListBoxItem* item = ItemByIndex(i);
      if (!item) continue;
      const TzrRect p = Pad(item);
      item->SetBounds((i - first) * column + p.Left, top + p.Top, column - p.Left - p.Right,
                      item->GetHeight());
      row = std::max(row, item->GetHeight() + p.Top + p.Bottom);
    }
    top += row;
  }
  if (top > 0) R.Bottom = R.Top + top;
  if (FItemWidth != 0) R.Right = R.Left + FItemWidth * FColumns;
  FRowsInOrder = true;
}

void TzrListBox::LayoutHorizontal(TzrRect& R) {
  FRowsInOrder = false;
  const int count = GetCount();
  const float height = R.Bottom - R.Top;
  if (FItemHeight != 0) {
    const TzrRect own = Pad(this);
    FColumns = std::max(1, int(std::trunc((height - own.Top - own.Bottom) / FItemHeight)));
    for (int i = 0; i < count; ++i) {
      TzrObject* child = FContent->GetChild(i);
      if (!child->GetIsVisual()) continue;
      TzrVisualObject* v = child->GetVisual();
      v->SetBounds(v->GetPosition()->GetX(), v->GetPosition()->GetY(),
                   FItemWidth != 0 ? FItemWidth : v->GetWidth(), FItemHeight);
    }
  } else if (FItemWidth != 0) {
    for (int i = 0; i < count; ++i) {
      TzrObject* child = FContent->GetChild(i);
      if (!child->GetIsVisual()) continue;
      TzrVisualObject* v = child->GetVisual();
      v->SetBounds(v->GetPosition()->GetX(), v->GetPosition()->GetY(), FItemWidth, v->GetHeight());
    }
  }
  // Columns of Columns items share the width of their widest item.
  for (int first = 0; first < count; first += FColumns) {
    const int last = std::min(count, first + FColumns);
    float column = 0;
    for (int i = first; i < last; ++i)
      if (TzrListBoxItem* item = ItemByIndex(i)) {
        const TzrRect p = Pad(item);
        column = std::max(column, item->GetWidth() + p.Left + p.Right);
      }
    for (int i = first; i < last; ++i)
      if (TzrListBoxItem* item = ItemByIndex(i)) {
        const TzrRect p = Pad(item);
        item->SetWidth(column - p.Left - p.Right);
      }
  }
  if (FItemIndex > count - 1) FItemIndex = count - 1;
  const float rowHeight = FItemHeight != 0 ? FItemHeight : height / FColumns;
  float left = 0;
  for (int first = 0; first < count; first += FColumns) {
    const int last = std::min(count, first + FColumns);
    float column = 0;
    for (int i = first; i < last; ++i) {
      TzrListBoxItem* item = ItemByIndex(i);
      if (!item) continue;
      const TzrRect p = Pad(item);
      item->SetBounds(left + p.Left, (i - first) * rowHeight + p.Top, item->GetWidth(),
                      rowHeight - p.Top - p.Bottom);
      column = std::max(column, item->GetWidth() + p.Left + p.Right);
    }
    left += column;
  }
  if (left > 0) R.Right = R.Left + left;
  if (FItemHeight != 0) R.Bottom = R.Top + FItemHeight * FColumns;
}

// ---------------------------------------------------------------- visible rows

bool TzrListBox::ItemsBetween(float ALow, float AHigh, int& First, int& Last) {
  const int count = GetCount();
  if (!FContent || !FRowsInOrder || FOtherContentChildren > 0 || FListStyle != zrListVertical ||
      FUpdating > 0 || count == 0)
    return false;
  const int rows = (count + FColumns - 1) / FColumns;
  // The top of a row is that of its first item's outer box; rows run down.
  auto rowTop = [&](int Row) {
    TzrListBoxItem* item = ItemByIndex(Row * FColumns);
    return item ? item->GetPosition()->GetY() - Pad(item).Top : 0.0f;
  };
  // The last row starting at or above ALow, then the last starting before AHigh.
  int lo = 0, hi = rows - 1;
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (rowTop(mid) <= ALow)
      lo = mid;
    else
      hi = mid - 1;
  }
  const int firstRow = lo;
  hi = rows - 1;
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (rowTop(mid) < AHigh)
      lo = mid;
    else
      hi = mid - 1;
  }
  First = firstRow * FColumns;
  Last = std::min(count, (lo + 1) * FColumns) - 1;
  return true;
}

bool TzrListBox::ContentPaintRange(int& First, int& Last) {
  if (!FContent) return false;
  const TzrRect view = FContent->GetClipRect();
  return ItemsBetween(view.Top - kItemOverhang, view.Bottom + kItemOverhang, First, Last);
}

// ---------------------------------------------------------------- scrolling

void TzrListBox::ScrollIntoView(TzrListBoxItem* AItem) {
  if (!FContent || !FContentLayout) return;
  const TzrRect p = Pad(AItem);
  const TzrPoint c = FContent->GetPosition()->GetPoint();
  const TzrPoint item = AItem->GetPosition()->GetPoint();
  const TzrPoint vp = FContentLayout->GetPosition()->GetPoint();
  if (FVScrollBar) {
    const float bottom = c.Y + item.Y + p.Top + p.Bottom + AItem->GetHeight();
    const float limit = vp.Y + FContentLayout->GetHeight();
    if (bottom > limit) FVScrollBar->SetValue(FVScrollBar->GetValue() + bottom - limit);
    const float top = FContent->GetPosition()->GetY() + item.Y;
    if (top < vp.Y) FVScrollBar->SetValue(FVScrollBar->GetValue() + top - vp.Y);
  }
  if (FHScrollBar) {
    const float cx = FContent->GetPosition()->GetX();
    const float right = cx + item.X + p.Left + p.Right + AItem->GetWidth();
    const float limit = vp.X + FContentLayout->GetWidth();
    if (right > limit) FHScrollBar->SetValue(FHScrollBar->GetValue() + right - limit);
    const float left = FContent->GetPosition()->GetX() + item.X;
    if (left < 0) FHScrollBar->SetValue(FHScrollBar->GetValue() + left - vp.X);
  }
}

void TzrListBox::VScrollChange(TObject* Sender) {
  TzrScrollBox::VScrollChange(Sender);
  PlaceRowsInView();
  UpdateSelection();
}

void TzrListBox::PlaceRowsInView() {
  int first = 0, last = -1;
  if (!ContentPaintRange(first, last)) return;
  // The rows' matrices are computed now rather than while they are painted:
  // the repaint each computation asks for then joins this frame's area
  // instead of making another frame.
  for (int i = std::max(first, 0); i <= last && i < GetCount(); ++i)
    if (TzrListBoxItem* item = ItemByIndex(i)) item->RecalcAbsoluteNow();
}

void TzrListBox::HScrollChange(TObject* Sender) {
  TzrScrollBox::HScrollChange(Sender);
  UpdateSelection();
}

// ---------------------------------------------------------------- highlight

void TzrListBox::UpdateSelection() {
  if (!FSelection) return;
  TzrObject* parentObject = FSelection->GetParent();
  TzrVisualObject* parent =
      parentObject && parentObject->GetIsVisual() ? parentObject->GetVisual() : nullptr;
  const TzrRect own = GetUpdateRect();
  // The selected items in index order.
  std::vector<std::pair<int, TzrListBoxItem*>> selected;
  selected.reserve(FSelectedItems.size());
  for (TzrListBoxItem* item : FSelectedItems) selected.emplace_back(item->GetIndex(), item);
  std::sort(selected.begin(), selected.end());
  std::vector<TzrRect> rects;
  for (const auto& [i, item] : selected) {
    if (!zrIntersectRect(item->GetUpdateRect(), own)) continue;
    TzrPoint p = item->LocalToAbsolute({0, 0});
    if (parent) p = parent->AbsoluteToLocal(p);
    const TzrRect r = zrRect(p.X, p.Y, p.X + item->GetWidth(), p.Y + item->GetHeight());
    TzrListBoxItem* before = ItemByIndex(i - 1);
    if (!rects.empty() && before && before->GetIsSelected())
      rects.back() = zrUnionRect(rects.back(), r);
    else
      rects.push_back(r);
  }
  while (FSelections.size() < rects.size()) {
    TzrObject* copy = FSelection->Clone(this);
    copy->SetResourceName("");
    copy->SetParent(parentObject);
    copy->SetStored(false);
    FSelections.push_back(copy->GetVisual());
  }
  const bool show = !(FHideSelectionUnfocused && !FIsFocused);
  for (size_t k = 0; k < FSelections.size(); ++k) {
    TzrVisualObject* copy = FSelections[k];
    if (k >= rects.size()) {
      copy->SetVisible(false);
      continue;
    }
    copy->SetVisible(show);
    if (!show) continue;
    const TzrRect& r = rects[k];
    copy->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  }
}

// ---------------------------------------------------------------- painting

void TzrListBox::PaintBehindItems(TzrCanvas* Canvas, const TzrRect& ADirty,
                                  TzrVisualObject* APainted) {
  if (!FContent || !FContentLayout || !Canvas || !APainted) return;
  const float opacity = GetAbsoluteOpacity();
  if (FBackground && FBackgroundBitmap && !FBackgroundBitmap->IsEmpty()) {
    TzrBrush* fill = Canvas->GetFill();
    fill->SetStyle(zrBrushBitmap);
    fill->GetBitmap()->SetBitmap(FBackgroundBitmap.get());
    Canvas->FillRect(ADirty, 0, 0, AllCorners, opacity);
  }
  if (!FAlternatingRowBackground) return;
  Canvas->GetFill()->Assign(FOddFill.get());
  // Only the rows under the dirty rectangle can get a band.
  int first = 0, last = GetCount() - 1;
  const TzrRect dirty = zrNormalizeRect(
      {FContent->AbsoluteToLocal(APainted->LocalToAbsolute(ADirty.TopLeft())),
       FContent->AbsoluteToLocal(APainted->LocalToAbsolute({ADirty.Right, ADirty.Top})),
       FContent->AbsoluteToLocal(APainted->LocalToAbsolute(ADirty.BottomRight())),
       FContent->AbsoluteToLocal(APainted->LocalToAbsolute({ADirty.Left, ADirty.Bottom}))});
  ItemsBetween(dirty.Top - kItemOverhang, dirty.Bottom + kItemOverhang, first, last);
  const int firstGroup = std::max(1, (first / FColumns) | 1);
  for (int g = firstGroup; g * FColumns < GetCount() && g * FColumns <= last; g += 2) {
    TzrListBoxItem* item = ItemByIndex(g * FColumns);
    if (!item) continue;
    const TzrPoint p = APainted->AbsoluteToLocal(item->LocalToAbsolute({0, 0}));
    const TzrRect band =
        zrRect(p.X, p.Y, p.X + FContentLayout->GetWidth(), p.Y + item->GetHeight());
    if (zrIntersectRect(band, ADirty)) Canvas->FillRect(band, 0, 0, AllCorners, opacity);
  }
}

// ---------------------------------------------------------------- style

void TzrListBox::ApplyStyle() {
  TzrScrollBox::ApplyStyle();
  if (FContentLayout)
    FContentLayout->OnBeforePaint = [this](TObject* Sender, TzrCanvas* Canvas,
                                           const TzrRect& ARect) {
      PaintBehindItems(Canvas, ARect, dynamic_cast<TzrVisualObject*>(Sender));
    };
  TzrObject* selection = FindResource("selection");
  FSelection = selection && selection->GetIsVisual() ? selection->GetVisual() : nullptr;
  if (FSelection) {
    FSelection->SetVisible(false);
    UpdateSelection();
  }
  if (auto* odd = dynamic_cast<TzrBrushObject*>(FindResource("AlternatingRowBackground")))
    FOddFill->Assign(odd->GetBrush());
}

void TzrListBox::FreeStyle() {
  TzrScrollBox::FreeStyle();
  FSelection = nullptr;
  FSelections.clear();
}
