#pragma once
// The visual blocks of a series' points, made only when used. Entries may
// be empty; a template block, when it may be cloned, gives every point
// that asks a copy of its own.

#include <functional>
#include <vector>

#include "chart/PlotVisualBlock.h"

class TChartSeries;

// Edits a block; answers whether it changed. Unset unless an editor is
// installed.
extern std::function<bool(TVisualBlock* Block)> PlotEditVisualHook;

class TVisualsList : public TObject {
 public:
  explicit TVisualsList(TChartSeries* ASeries) : FSeries(ASeries) {}
  ~TVisualsList() override;
  TVisualsList(const TVisualsList&) = delete;
  TVisualsList& operator=(const TVisualsList&) = delete;

  // The block at Index; else a clone of the template stored there; else nil.
  TVisualBlock* GetVisual(int Index);
  // Frees the block it replaces when the series owns that block; a block
  // pads the list to hold Index, nil only empties an existing entry.
  // Repaints the series.
  void SetVisual(int Index, TVisualBlock* Block);
  void InsertVisual(int Index, TVisualBlock* Block);
  void DeleteVisual(int Index);
  void Exchange(int Index1, int Index2) { std::swap(FItems[Index1], FItems[Index2]); }
  void Clear();
  int Count() const { return static_cast<int>(FItems.size()); }
  // The stored entry, without cloning.
  TVisualBlock* Item(int Index) const { return FItems[Index]; }
  // Copies of the source's blocks (its template clones included).
  void Assign(TVisualsList& Source);
  // Index -1 edits the template (and empties the list when it changed).
  void Edit(int Index);

  TChartSeries* Series() const { return FSeries; }
  TVisualBlock* GetTemplate() const { return FTemplate; }
  // Watches the template's removal through the series; empties the list.
  void SetTemplate(TVisualBlock* Block);
  // The template is going away (the series was told).
  void TemplateRemoved() { FTemplate = nullptr; }

 private:
  void FreeBlock(TVisualBlock* Block);
  // A new block of Block's class, owned by the series, copied from Block.
  TVisualBlock* CloneOf(TVisualBlock* Block) const;

  std::vector<TVisualBlock*> FItems;
  TChartSeries* FSeries;
  TVisualBlock* FTemplate = nullptr;
};
