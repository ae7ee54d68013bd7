// Registration and streaming: each class under its designer category (the
// dock bar under none), and published values written and read back.

#include "platform/rtl/Streams.h"

#include <functional>
#include <memory>

#include "controls/zr_calendar.h"
#include "controls/zr_calendar_box.h"
#include "controls/zr_drop_target.h"
#include "controls/zr_grid_layout.h"
#include "controls/zr_image_viewer.h"
#include "controls/zr_iphone_button.h"
#include "controls/zr_scaled_layout.h"
#include "scene/zr_classes.h"
#include "tests/controls/controls_fixture.h"

namespace {

TEST(ExtraRegistration, ClassesJoinTheirCategories) {
  ControlsTest::SetUpTestSuite();
  const std::pair<const char*, const char*> wanted[] = {
      {"Layout", "TzrScaledLayout"},        {"Layout", "TzrGridLayout"},
      {"Layout", "TzrSplitLayout"},         {"Layout", "TzrNonZRLayout"},
      {"Ext. Controls", "TzrIPhoneButton"}, {"Ext. Controls", "TzrDropTarget"},
      {"Ext. Controls", "TzrImageViewer"},  {"Compound", "TzrCalendar"},
      {"Boxes", "TzrCalendarBox"},          {"Text Edits", "TzrCalendarTextBox"},
  };
  for (const auto& [category, name] : wanted) {
    int found = 0;
    for (const auto& entry : ObjectList())
      if (entry.first == category && entry.second->Name() == name) ++found;
    EXPECT_EQ(found, 1) << category << " " << name;
    EXPECT_NE(GetClass(name), nullptr) << name;
  }
  EXPECT_EQ(GetClass("TzrDockBar"), nullptr) << "streams cannot create a dock bar";
}

std::string TextOf(TzrObject* Node) {
  TMemoryStream text;
  Node->SaveToStream(&text);
  std::string bytes(size_t(text.GetSize()), '\0');
  text.SetPosition(0);
  if (!bytes.empty()) text.ReadBuffer(bytes.data(), int32_t(bytes.size()));
  return bytes;
}

std::unique_ptr<TzrObject> Fresh(const char* ClassName) {
  const TClassInfo* info = GetClass(ClassName);
  return std::unique_ptr<TzrObject>(info ? dynamic_cast<TzrObject*>(info->Create(nullptr))
                                         : nullptr);
}

TEST_F(ControlsTest, ExtraControlsRoundTripTheirPublishedValues) {
  struct Case {
    const char* Class;
    std::function<void(TzrObject*)> Set;
    std::vector<std::string> Written;
  } cases[] = {
      {"TzrGridLayout",
       [](TzrObject* o) {
         auto* g = dynamic_cast<TzrGridLayout*>(o);
         g->SetItemWidth(32);
         g->SetOrientation(zrVertical);
       },
       {"ItemWidth = 32", "Orientation = zrVertical"}},
      {"TzrScaledLayout",
       [](TzrObject* o) { dynamic_cast<TzrScaledLayout*>(o)->SetOriginalWidth(80); },
       {"OriginalWidth = 80"}},
      {"TzrCalendar",
       [](TzrObject* o) {
         auto* c = dynamic_cast<TzrCalendar*>(o);
         c->SetWeekNumbers(true);
         c->SetFirstDayOfWeek(zrSunday);
         c->SetDate(EncodeDate(2021, 3, 17));
       },
       {"WeekNumbers = True", "FirstDayOfWeek = zrSunday", "Date = 44272"}},
      {"TzrCalendarBox",
       [](TzrObject* o) { dynamic_cast<TzrCalendarBox*>(o)->SetDate(EncodeDate(2021, 3, 17)); },
       {"Date = 44272"}},
      {"TzrImageViewer",
       [](TzrObject* o) {
         auto* v = dynamic_cast<TzrImageViewer*>(o);
         v->SetShowBackground(true);
         v->SetMouseScaling(false);
         v->SetBitmapScale(2);
       },
       {"ShowBackground = True", "MouseScaling = False", "BitmapScale = 2"}},
      {"TzrDropTarget",
       [](TzrObject* o) { dynamic_cast<TzrDropTarget*>(o)->SetFilter(u"*.png"); },
       {"Filter = '*.png'"}},
      {"TzrIPhoneButton",
       [](TzrObject* o) {
         dynamic_cast<TzrIPhoneButton*>(o)->GetBackground()->SetSolidColor(0xFF2060C0);
       },
       {"Background.Color = '#FF2060C0'"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Class);
    auto original = Fresh(c.Class);
    ASSERT_NE(original, nullptr);
    const std::string plain = TextOf(original.get());
    c.Set(original.get());
    const std::string text = TextOf(original.get());
    for (const std::string& w : c.Written) {
      EXPECT_NE(text.find(w), std::string::npos) << w << "\n" << text;
      EXPECT_EQ(plain.find(w), std::string::npos) << w << " written by a fresh control";
    }
    auto copy = Fresh(c.Class);
    TMemoryStream in;
    in.WriteBuffer(text.data(), int32_t(text.size()));
    in.SetPosition(0);
    copy->LoadFromStream(&in);
    EXPECT_EQ(TextOf(copy.get()), text);
  }
  // No declared defaults: the grid's cell size is always written, and the
  // split layout's HitTest differs from its declared default.
  const std::string grid = TextOf(Fresh("TzrGridLayout").get());
  EXPECT_NE(grid.find("ItemWidth = 64"), std::string::npos) << grid;
  EXPECT_NE(TextOf(Fresh("TzrSplitLayout").get()).find("HitTest = True"), std::string::npos);
}

}  // namespace
