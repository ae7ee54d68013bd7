// Registration of the lists, grid and trees units: every row under its
// category once (the grid's cells and string column for streams only), a
// second initialisation registers nothing, the classes made only by code
// stay unregistered, and a form naming the units' classes streams in.

#include <gtest/gtest.h>

#include "controls/zr_combo_box.h"
#include "controls/zr_controls_register.h"
#include "controls/zr_grid.h"
#include "controls/zr_grid_register.h"
#include "controls/zr_listbox.h"
#include "controls/zr_lists_register.h"
#include "controls/zr_tree_view.h"
#include "controls/zr_windows.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_resources.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"

namespace {

size_t Entries(const std::string& Category, const TClassInfo* Class) {
  size_t n = 0;
  for (const auto& entry : ObjectList()) n += entry.first == Category && entry.second == Class;
  return n;
}

size_t Offered(const TClassInfo* Class) {
  size_t n = 0;
  for (const auto& entry : ObjectList()) n += entry.second == Class;
  return n;
}

TEST(ListsRegistration, EveryRowOfTheThreeUnitsIsRegisteredOnce) {
  ControlsTest::SetUpTestSuite();
  const size_t before = ObjectList().size();
  RegisterListControls();
  RegisterGridControls();
  RegisterTreeControls();
  RegisterStandardControls();
  EXPECT_EQ(ObjectList().size(), before) << "a second initialisation registers nothing";
  struct {
    const char* Unit;
    const std::vector<TzrControlRow>& Rows;
    size_t Count;
  } units[] = {{"lists", ListControlRows(), 6},
               {"grid", GridControlRows(), 4},
               {"trees", TreeControlRows(), 2}};
  for (const auto& unit : units) {
    SCOPED_TRACE(unit.Unit);
    EXPECT_EQ(unit.Rows.size(), unit.Count);
    for (const TzrControlRow& row : unit.Rows)
      for (const TClassInfo* c : row.Classes) {
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(GetClass(c->Name()), c) << c->Name();
        if (row.Category.empty())
          EXPECT_EQ(Offered(c), 0u) << c->Name() << " is for streams only";
        else
          EXPECT_EQ(Entries(row.Category, c), 1u) << c->Name() << " under " << row.Category;
      }
  }
  for (const char* name : {"TzrComboListBox", "TzrImageCell"})
    EXPECT_EQ(GetClass(name), nullptr) << name << " is made only by code";
}

TEST(ListsRegistration, AFormOfTheUnitsClassesStreamsIn) {
  ControlsTest::SetUpTestSuite();
  const std::string text =
      "object Form: TzrBackground\n"
      "  object Grid: TzrStringGrid\n"
      "    Width = 200\n"
      "    RowCount = 3\n"
      "    object TzrStringColumn\n      Width = 62\n    end\n"
      "    object TzrStringColumn\n      Width = 80\n      Header = 'Speed'\n    end\n"
      "  end\n"
      "  object Horz: TzrHorzListBox\n"
      "    Height = 60\n"
      "    object One: TzrListBoxItem\n      Text = 'One'\n    end\n"
      "    object Two: TzrListBoxItem\n      Text = 'Two'\n    end\n"
      "  end\n"
      "  object Combo: TzrStringComboBox\n"
      "    Items.strings = (\n      'Low'\n      'High')\n"
      "    ItemIndex = 1\n"
      "  end\n"
      "  object Tree: TzrTreeView\n"
      "    object Root: TzrTreeViewItem\n      Text = 'Root'\n      IsExpanded = True\n"
      "      object Leaf: TzrTreeViewItem\n        Text = 'Leaf'\n      end\n"
      "    end\n"
      "  end\n"
      "end\n";
  TResourceStream source(text.data(), text.size());
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  std::vector<std::string> errors;
  TzrBackground form(nullptr);
  TReader reader(&binary);
  reader.OnError = [&](const std::string& Message) {
    errors.push_back(Message);
    return true;
  };
  reader.ReadRootComponent(&form);
  EXPECT_TRUE(errors.empty()) << errors.front();

  auto* grid = dynamic_cast<TzrStringGrid*>(form.FindComponent("Grid"));
  ASSERT_NE(grid, nullptr);
  ASSERT_EQ(grid->GetColumnCount(), 2);
  EXPECT_NE(dynamic_cast<TzrStringColumn*>(grid->GetColumn(1)), nullptr);
  EXPECT_FLOAT_EQ(grid->GetColumn(1)->GetWidth(), 80);

  auto* horz = dynamic_cast<TzrHorzListBox*>(form.FindComponent("Horz"));
  ASSERT_NE(horz, nullptr);
  ASSERT_EQ(horz->Count(), 2);
  EXPECT_EQ(horz->ItemByIndex(1)->GetText(), u"Two");

  auto* combo = dynamic_cast<TzrStringComboBox*>(form.FindComponent("Combo"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->GetItems()->GetCount(), 2);
  EXPECT_EQ(zrComboText(combo), u"High");

  EXPECT_NE(form.FindComponent("Leaf"), nullptr);
}

}  // namespace
