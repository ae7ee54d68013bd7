// The standard registration: every row of the table once, the
// style-only row kept out of the designers' list; forms naming unregistered
// classes are refused with the reader's error and lose nothing else.

#include <gtest/gtest.h>

#include <algorithm>

#include "controls/zr_controls_register.h"
#include "controls/zr_labels.h"
#include "controls/zr_windows.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_resources.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "tests/controls/controls_fixture.h"

namespace {

// Positions of the class under the category in the designers' list.
std::vector<size_t> Entries(const std::string& Category, const TClassInfo* Class) {
  std::vector<size_t> at;
  const auto& list = ObjectList();
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].first == Category && list[i].second == Class) at.push_back(i);
  return at;
}

TEST(Registration, EveryRowIsRegisteredOnceUnderItsCategory) {
  ControlsTest::SetUpTestSuite();
  const size_t before = ObjectList().size();
  RegisterStandardControls();
  EXPECT_EQ(ObjectList().size(), before) << "a second run registers nothing";
  const std::vector<TzrControlRow>& rows = StandardControlRows();
  ASSERT_EQ(rows.size(), 7u);
  for (const TzrControlRow& row : rows) {
    SCOPED_TRACE(row.Category);
    for (const TClassInfo* c : row.Classes) {
      ASSERT_NE(c, nullptr);
      EXPECT_EQ(GetClass(c->Name()), c) << c->Name();
      if (row.Category.empty()) {
        for (const auto& entry : ObjectList()) EXPECT_NE(entry.second, c) << c->Name();
        continue;
      }
      const std::vector<size_t> at = Entries(row.Category, c);
      EXPECT_EQ(at.size(), 1u) << c->Name();
    }
  }
  // The tab control's step follows.
  for (const char* name : {"TzrTabControl", "TzrHudTabControl", "TzrTabItem", "TzrHudTabItem"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  for (const char* name :
       {"TzrTextControl", "TzrCustomButton", "TzrCustomTrack", "TzrWindow", "TzrLayerWindow"})
    EXPECT_EQ(GetClass(name), nullptr) << name;
}

std::vector<std::string> ReadForm(const std::string& Class, TzrBackground& Root) {
  const std::string text =
      "object Form: TzrBackground\n"
      "  object Label1: TzrLabel\n    Text = 'One'\n  end\n"
      "  object Frame: " +
      Class +
      "\n    Width = 120\n  end\n"
      "  object Label2: TzrLabel\n    Text = 'Two'\n  end\n"
      "end\n";
  TResourceStream source(text.data(), text.size());
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  std::vector<std::string> errors;
  TReader reader(&binary);
  reader.OnError = [&](const std::string& Message) {
    errors.push_back(Message);
    return true;
  };
  reader.ReadRootComponent(&Root);
  return errors;
}

TEST(Registration, PlainWindowIsRefusedHudWindowReads) {
  ControlsTest::SetUpTestSuite();
  TzrBackground plain(nullptr);
  std::vector<std::string> errors = ReadForm("TzrWindow", plain);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "Class TzrWindow not found");
  EXPECT_EQ(plain.FindComponent("Frame"), nullptr);
  ASSERT_NE(plain.FindComponent("Label2"), nullptr) << "what follows still reads";
  EXPECT_EQ(dynamic_cast<TzrLabel*>(plain.FindComponent("Label2"))->GetText(), u"Two");

  TzrBackground hud(nullptr);
  EXPECT_TRUE(ReadForm("TzrHudWindow", hud).empty());
  auto* window = dynamic_cast<TzrHudWindow*>(hud.FindComponent("Frame"));
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetWidth(), 120);
}

}  // namespace
