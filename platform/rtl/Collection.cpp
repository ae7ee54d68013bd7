#include "platform/rtl/Collection.h"

#include <algorithm>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"

const TClassInfo* TCollectionItem::Class() {
  static const TClassInfo* info =
      TClassDecl<TCollectionItem>("TCollectionItem", TPersistent::Class());
  return info;
}

const TClassInfo* TCollection::Class() {
  static const TClassInfo* info = TClassDecl<TCollection>("TCollection", TPersistent::Class());
  return info;
}

TCollectionItem::TCollectionItem(TCollection* ACollection) : FCollection(ACollection) {
  if (FCollection) FCollection->FItems.push_back(this);
}

TCollectionItem::~TCollectionItem() {
  if (!FCollection) return;
  auto& items = FCollection->FItems;
  items.erase(std::remove(items.begin(), items.end(), this), items.end());
  FCollection->Changed(nullptr);
}

int TCollectionItem::GetIndex() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : int(it - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  const int current = GetIndex();
  if (current < 0 || Value == current) return;
  auto& items = FCollection->FItems;
  Value = std::clamp(Value, 0, int(items.size()) - 1);
  items.erase(items.begin() + current);
  items.insert(items.begin() + Value, this);
  FCollection->Changed(nullptr);
}

void TCollectionItem::Changed() {
  if (FCollection) FCollection->Changed(this);
}

TCollection::TCollection(const TClassInfo* AItemClass) : FItemClass(AItemClass) {}

TCollection::~TCollection() {
  ++FUpdateCount;  // no change notices while freeing
  Clear();
}

TCollectionItem* TCollection::GetItem(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds");
  return FItems[size_t(Index)];
}

TCollectionItem* TCollection::Add() {
  TObject* made = FItemClass ? FItemClass->Create(this) : nullptr;
  auto* item = dynamic_cast<TCollectionItem*>(made);
  if (!item) {
    delete made;
    throw EInvalidOperation("The collection cannot create its items");
  }
  Changed(item);
  return item;
}

void TCollection::Delete(int Index) { delete GetItem(Index); }

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  while (!FItems.empty()) delete FItems.back();
  EndUpdate();
}

void TCollection::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TCollection*>(Source);
  if (!other) return TPersistent::Assign(Source);
  if (other == this) return;
  BeginUpdate();
  Clear();
  for (TCollectionItem* item : other->FItems) Add()->Assign(item);
  EndUpdate();
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) Changed(nullptr);
}

void TCollection::Update(TCollectionItem* Item) {
  (void)Item;
  if (OnChange) OnChange(this);
}

void TCollection::Changed(TCollectionItem* Item) {
  if (FUpdateCount == 0) Update(Item);
}
