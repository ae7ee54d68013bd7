// Menu items' state without a display.

#include <gtest/gtest.h>

#include "platform/vcl/Menus.h"

namespace {

struct TMenuFixture : ::testing::Test {
  TMainMenu Menu{nullptr};
  TMenuItem* Add(TMenuItem* parent, const std::string& caption, int group = 0, bool radio = false) {
    auto* item = new TMenuItem(&Menu);
    item->SetCaption(caption);
    item->SetGroupIndex(group);
    item->SetRadioItem(radio);
    parent->Add(item);
    return item;
  }
};

}  // namespace

TEST_F(TMenuFixture, CheckingARadioItemClearsOnlyItsGroupUnderTheSameParent) {
  TMenuItem* modes = Add(Menu.Items(), "&Mode");
  TMenuItem* a = Add(modes, "A", 1, true);
  TMenuItem* b = Add(modes, "B", 1, true);
  TMenuItem* other = Add(modes, "Other group", 2, true);
  TMenuItem* plain = Add(modes, "Not radio", 1, false);
  TMenuItem* elsewhere = Add(Menu.Items(), "Elsewhere", 1, true);
  a->SetChecked(true);
  other->SetChecked(true);
  plain->SetChecked(true);
  elsewhere->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->GetChecked());
  EXPECT_TRUE(b->GetChecked());
  EXPECT_TRUE(other->GetChecked());
  EXPECT_TRUE(plain->GetChecked());
  EXPECT_TRUE(elsewhere->GetChecked());
}

TEST_F(TMenuFixture, ClickAutoChecksThenRunsOnClick) {
  TMenuItem* parent = Add(Menu.Items(), "&Options");
  TMenuItem* demo = Add(parent, "Demo");
  TMenuItem* en = Add(parent, "English", 3, true);
  TMenuItem* zh = Add(parent, "Chinese", 3, true);
  demo->SetAutoCheck(true);
  en->SetAutoCheck(true);
  zh->SetAutoCheck(true);
  en->SetChecked(true);
  std::vector<bool> seenChecked;
  demo->OnClick = [&](TObject* s) {
    seenChecked.push_back(static_cast<TMenuItem*>(s)->GetChecked());
  };
  demo->Click();
  demo->Click();
  EXPECT_EQ(seenChecked, (std::vector<bool>{true, false}));  // checked before OnClick
  zh->Click();
  zh->Click();  // a radio item's click keeps it checked
  EXPECT_TRUE(zh->GetChecked());
  EXPECT_FALSE(en->GetChecked());
}

TEST_F(TMenuFixture, DisabledItemIgnoresClicks) {
  TMenuItem* item = Add(Menu.Items(), "X");
  item->SetAutoCheck(true);
  item->SetEnabled(false);
  int clicks = 0;
  item->OnClick = [&](TObject*) { ++clicks; };
  item->Click();
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(item->GetChecked());
}

TEST_F(TMenuFixture, FreeingAnItemTakesItOutOfItsParent) {
  TMenuItem* parent = Add(Menu.Items(), "P");
  TMenuItem* a = Add(parent, "a");
  TMenuItem* b = Add(parent, "b");
  delete a;
  ASSERT_EQ(parent->Count(), 1);
  EXPECT_EQ(parent->Items(0), b);
  auto* c = new TMenuItem(nullptr);
  parent->Insert(0, c);  // an item without owner is owned by its parent
  EXPECT_EQ(c->GetOwner(), parent);
  EXPECT_EQ(parent->IndexOf(c), 0);
}

TEST(MenuCaption, AmpersandsBecomeGtkMnemonics) {
  struct TCase {
    const char* Caption;
    const char* Label;
  };
  const TCase cases[] = {{"&File", "_File"},
                         {"E&xit", "E_xit"},
                         {"Save && Quit", "Save & Quit"},
                         {"snake_case", "snake__case"},
                         {"Trailing&", "Trailing"},
                         {"中文(&C)", "中文(_C)"}};
  for (const TCase& c : cases) EXPECT_EQ(MenuCaptionToMnemonic(c.Caption), c.Label) << c.Caption;
}
