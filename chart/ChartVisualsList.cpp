#include "chart/ChartVisualsList.h"

#include <algorithm>

#include "chart/ChartSeries.h"
#include "platform/rtl/Rtti.h"

std::function<bool(TVisualBlock* Block)> PlotEditVisualHook;

TVisualsList::~TVisualsList() { Clear(); }

void TVisualsList::FreeBlock(TVisualBlock* Block) { delete Block; }

TVisualBlock* TVisualsList::GetVisual(int Index) {
  if (Index >= 0 && Index < Count() && FItems[Index]) return FItems[Index];
  if (!FTemplate || !FTemplate->IsCloneable) return nullptr;
  TVisualBlock* clone = CloneOf(FTemplate);
  if (clone) SetVisual(Index, clone);
  return clone;
}

TVisualBlock* TVisualsList::CloneOf(TVisualBlock* Block) const {
  auto* clone = dynamic_cast<TVisualBlock*>(Block->ClassType()->Create(FSeries));
  if (clone) clone->Assign(Block);
  return clone;
}

void TVisualsList::SetVisual(int Index, TVisualBlock* Block) {
  const bool inside = Index >= 0 && Index < Count();
  if (inside && FItems[Index] && FItems[Index] != Block && FItems[Index]->GetOwner() == FSeries) {
    FreeBlock(FItems[Index]);
    FItems[Index] = nullptr;
  }
  if (Block) {
    if (Index >= Count()) FItems.resize(static_cast<size_t>(Index) + 1, nullptr);
    FItems[Index] = Block;
  } else if (inside) {
    FItems[Index] = nullptr;
  }
  if (FSeries) FSeries->Repaint();
}

void TVisualsList::InsertVisual(int Index, TVisualBlock* Block) {
  if (!Block && FItems.empty()) return;
  if (Index > Count()) FItems.resize(static_cast<size_t>(Index), nullptr);
  FItems.insert(FItems.begin() + Index, Block);
}

void TVisualsList::DeleteVisual(int Index) {
  TVisualBlock* block = FItems[Index];
  FItems.erase(FItems.begin() + Index);
  FreeBlock(block);
}

void TVisualsList::Clear() {
  std::vector<TVisualBlock*> items;
  items.swap(FItems);
  for (TVisualBlock* block : items) FreeBlock(block);
}

void TVisualsList::Assign(TVisualsList& Source) {
  Clear();
  // Each list frees the blocks it holds, so this one holds copies.
  for (int i = 0; i < Source.Count(); ++i) {
    TVisualBlock* block = Source.GetVisual(i);
    InsertVisual(i, block ? CloneOf(block) : nullptr);
  }
}

void TVisualsList::SetTemplate(TVisualBlock* Block) {
  if (FTemplate == Block) return;
  if (FTemplate && FSeries) FTemplate->RemoveFreeNotification(FSeries);
  FTemplate = Block;
  if (FTemplate && FSeries) FTemplate->FreeNotification(FSeries);
  Clear();
}

void TVisualsList::Edit(int Index) {
  if (!PlotEditVisualHook) return;
  if (Index == -1) {
    if (FTemplate && PlotEditVisualHook(FTemplate)) Clear();
    return;
  }
  TVisualBlock* block = GetVisual(Index);
  if (block && PlotEditVisualHook(block) && FSeries) FSeries->Repaint();
}
