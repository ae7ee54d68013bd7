// TzrCustomGrid: the row highlight and the current-cell frame, stripes and
// lines painted around the cells, and the style parts.

#include <algorithm>

#include "controls/zr_grid.h"
#include "controls/zr_header.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_resource_objects.h"

namespace {

TzrVisualObject* VisualPart(TzrObject* APart) {
  return APart && APart->GetIsVisual() ? APart->GetVisual() : nullptr;
}

}  // namespace

// ---------------------------------------------------------------- highlight

std::vector<TzrRect> TzrCustomGrid::SelectionRects(TzrVisualObject* AParent) {
  // Only the current row is ever selected, so one copy serves.
  if (FSelected < 0 || FSelected >= FRowCount) return {};
  const float width = std::max(ClientWidth(), FContent->GetWidth());
  TzrPoint p = FContent->LocalToAbsolute({0, FSelected * FRowHeight});
  if (AParent) p = AParent->AbsoluteToLocal(p);
  return {zrRect(p.X, p.Y, p.X + width, p.Y + FRowHeight)};
}

void TzrCustomGrid::PlaceFocusFrame(TzrVisualObject* AParent, const TzrRect& ARow) {
  TzrColumn* column = ColumnByIndex(FColumnIndex);
  if (!column || !column->GetVisible()) {
    FFocus->SetVisible(false);
    return;
  }
  TzrPoint p = FContent->LocalToAbsolute({column->GetPosition()->GetX(), 0});
  if (AParent) p = AParent->AbsoluteToLocal(p);
  const TzrRect pad = FFocus->GetPadding()->GetRect();
  FFocus->SetVisible(true);
  FFocus->BringToFront();
  FFocus->SetBounds(p.X + pad.Left, ARow.Top + pad.Top, column->GetWidth() - pad.Left - pad.Right,
                    ARow.Bottom - ARow.Top - pad.Top - pad.Bottom);
}

void TzrCustomGrid::UpdateSelection() {
  if (!FSelection || !FContent || GetColumnCount() == 0) return;
  TzrObject* parentObject = FSelection->GetParent();
  TzrVisualObject* parent = VisualPart(parentObject);
  std::vector<TzrRect> rects;
  if (FRowCount > 0) rects = SelectionRects(parent);
  while (FSelections.size() < rects.size()) {
    TzrObject* copy = FSelection->Clone(this);
    copy->SetResourceName("");
    copy->SetParent(parentObject);
    copy->SetStored(false);
    FSelections.push_back(copy->GetVisual());
  }
  for (size_t k = 0; k < FSelections.size(); ++k) {
    TzrVisualObject* copy = FSelections[k];
    copy->SetVisible(k < rects.size());
    if (k >= rects.size()) continue;
    const TzrRect& r = rects[k];
    copy->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  }
  if (FFocus) {
    if (FShowSelectedCell && !rects.empty())
      PlaceFocusFrame(parent, rects.front());
    else
      FFocus->SetVisible(false);
  }
  for (int i = 0; i < GetColumnCount(); ++i) ColumnByIndex(i)->UpdateSelected();
}

// ---------------------------------------------------------------- painting

void TzrCustomGrid::PaintStripes(TzrCanvas* Canvas, const TzrRect& ADirty,
                                 TzrVisualObject* APainted) {
  if (!FAlternatingRowBackground || !FContent || !Canvas || !APainted) return;
  const float opacity = GetAbsoluteOpacity();
  Canvas->GetFill()->Assign(FOddFill.get());
  const int top = GetTopRow();
  for (int i = 0; i < PoolSize(); ++i) {
    const int row = top + i;
    if (row >= FRowCount) break;
    if (row % 2 == 0) continue;
    const TzrPoint p = APainted->AbsoluteToLocal(FContent->LocalToAbsolute({0, row * FRowHeight}));
    const TzrRect band = zrRect(p.X, p.Y, p.X + FContent->GetWidth(), p.Y + FRowHeight);
    if (zrIntersectRect(band, ADirty)) Canvas->FillRect(band, 0, 0, AllCorners, opacity);
  }
}

void TzrCustomGrid::PaintLines(TzrCanvas* Canvas, const TzrRect& ADirty,
                               TzrVisualObject* APainted) {
  if ((!FShowHorzLines && !FShowVertLines) || !FContent || !Canvas || !APainted) return;
  const float opacity = GetAbsoluteOpacity();
  const int top = GetTopRow();
  // Lines stop at the last row.
  const int rows = std::max(0, std::min(PoolSize(), FRowCount - top));
  TCanvasState state(Canvas);
  Canvas->IntersectClipRect(ADirty);
  Canvas->GetStroke()->Assign(FLineFill.get());
  Canvas->SetStrokeThickness(1);
  if (FShowHorzLines) {
    const float width = FContent->GetWidth();
    for (int i = 0; i <= rows; ++i) {
      const TzrPoint p =
          APainted->AbsoluteToLocal(FContent->LocalToAbsolute({0, (top + i) * FRowHeight}));
      Canvas->DrawLine({p.X, p.Y - 0.5f}, {p.X + width, p.Y - 0.5f}, opacity);
    }
  }
  if (!FShowVertLines) return;
  for (int i = 0; i < GetColumnCount(); ++i) {
    TzrColumn* column = ColumnByIndex(i);
    if (!column->GetVisible()) continue;
    const TzrPoint p = APainted->AbsoluteToLocal(column->LocalToAbsolute({column->GetWidth(), 0}));
    Canvas->DrawLine({p.X + 0.5f, p.Y}, {p.X + 0.5f, p.Y + rows * FRowHeight}, opacity);
  }
}

// ---------------------------------------------------------------- style

void TzrCustomGrid::ApplyStyle() {
  TzrScrollBox::ApplyStyle();
  if (FContentLayout) {
    FContentLayout->OnBeforePaint = [this](TObject* Sender, TzrCanvas* Canvas,
                                           const TzrRect& ARect) {
      PaintStripes(Canvas, ARect, dynamic_cast<TzrVisualObject*>(Sender));
    };
    FContentLayout->OnPaint = [this](TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect) {
      PaintLines(Canvas, ARect, dynamic_cast<TzrVisualObject*>(Sender));
    };
  }
  FSelection = VisualPart(FindResource("selection"));
  if (FSelection) FSelection->SetVisible(false);
  FFocus = VisualPart(FindResource("focus"));
  if (FFocus) FFocus->SetVisible(false);
  FHeader = dynamic_cast<TzrHeader*>(FindResource("header"));
  if (FHeader) {
    FHeader->SetVisible(FShowHeader);
    FHeader->OnRealignItem = [this](TObject* Sender, int OldIndex, int NewIndex) {
      HeaderRealignItem(Sender, OldIndex, NewIndex);
    };
    FHeader->OnResizeItem = [this](TObject* Sender, float& NewSize) {
      HeaderResizeItem(Sender, NewSize);
    };
  }
  if (auto* odd = dynamic_cast<TzrBrushObject*>(FindResource("AlternatingRowBackground")))
    FOddFill->Assign(odd->GetBrush());
  if (auto* line = dynamic_cast<TzrBrushObject*>(FindResource("LineFill")))
    FLineFill->Assign(line->GetBrush());
  UpdateColumns();
  UpdateHeader();
  UpdateSelection();
}

void TzrCustomGrid::FreeStyle() {
  TzrScrollBox::FreeStyle();
  FSelection = FFocus = nullptr;
  FHeader = nullptr;
  FSelections.clear();
}
