#pragma once
// Collections: an owned, ordered list of items of one class, streamed as one
// property value (key frames, gradient points).

#include <vector>

#include "platform/rtl/Classes.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  explicit TCollectionItem(TCollection* ACollection);
  ~TCollectionItem() override;
  const TClassInfo* ClassType() const override { return Class(); }
  static const TClassInfo* Class();

  TCollection* GetCollection() const { return FCollection; }
  // Position in the collection, -1 outside one.
  int GetIndex() const;
  void SetIndex(int Value);

 protected:
  // Tells the collection that the item changed.
  void Changed();

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
};

class TCollection : public TPersistent {
 public:
  // Items are instances of AItemClass, which must be constructible with a collection.
  explicit TCollection(const TClassInfo* AItemClass);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;
  const TClassInfo* ClassType() const override { return Class(); }
  static const TClassInfo* Class();

  const TClassInfo* ItemClass() const { return FItemClass; }
  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises EListError for an index outside 0 .. Count - 1.
  TCollectionItem* GetItem(int Index) const;
  TCollectionItem* Add();
  void Delete(int Index);
  void Clear();
  // Copies the items of another collection (each through its Assign).
  void Assign(TPersistent* Source) override;

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // Fired after a change (an added, removed, moved or changed item) outside updates.
  TNotifyEvent OnChange;

 protected:
  virtual void Update(TCollectionItem* Item);

 private:
  friend class TCollectionItem;
  void Changed(TCollectionItem* Item);
  const TClassInfo* FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FUpdateCount = 0;
};
