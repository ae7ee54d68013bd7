#include "platform/rtl/Collection.h"

#include <gtest/gtest.h>

#include "platform/rtl/RttiDecl.h"

namespace {

class TKey : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  static const TClassInfo* Class() {
    static const TClassInfo* info = TClassDecl<TKey>("TKey", TCollectionItem::Class());
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override {
    if (auto* k = dynamic_cast<TKey*>(Source)) return void(Value = k->Value);
    TCollectionItem::Assign(Source);
  }
  void SetValue(int V) {
    Value = V;
    Changed();
  }
  int Value = 0;
};

TKey* Key(TCollection& C, int I) { return static_cast<TKey*>(C.GetItem(I)); }

}  // namespace

TEST(Collection, ItemsAreMadeByClassAndChangesAnnouncedOutsideUpdates) {
  TCollection keys(TKey::Class());
  int changes = 0;
  keys.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &keys);
    ++changes;
  };
  static_cast<TKey*>(keys.Add())->SetValue(1);
  static_cast<TKey*>(keys.Add())->SetValue(2);
  EXPECT_EQ(changes, 4);  // two adds, two item changes
  keys.BeginUpdate();
  static_cast<TKey*>(keys.Add())->SetValue(3);
  Key(keys, 2)->SetIndex(0);
  EXPECT_EQ(changes, 4);
  keys.EndUpdate();
  EXPECT_EQ(changes, 5);  // one notice for the whole update
  EXPECT_EQ(Key(keys, 0)->Value, 3);
  EXPECT_EQ(Key(keys, 0)->GetIndex(), 0);
  keys.Delete(1);
  EXPECT_EQ(keys.Count(), 2);
  EXPECT_EQ(Key(keys, 1)->Value, 2);
  EXPECT_THROW(keys.GetItem(2), EListError);
  EXPECT_THROW(keys.GetItem(-1), EListError);
  delete Key(keys, 0);  // an item freed on its own leaves the collection
  EXPECT_EQ(keys.Count(), 1);

  TCollection copy(TKey::Class());
  copy.Add();
  copy.Assign(&keys);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(Key(copy, 0)->Value, 2);
  TPersistent other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
  // A collection whose item class cannot be made refuses to add.
  TCollection none(nullptr);
  EXPECT_THROW(none.Add(), EInvalidOperation);
}
