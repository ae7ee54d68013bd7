// The controls' published properties: values other than the constructors'
// are written and read back; the constructors' own values are not written.

#include <functional>
#include <memory>

#include "controls_fixture.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_brush.h"
#include "scene/zr_strings.h"

namespace {

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

TEST_F(ControlsTest, ControlsRoundTripTheirPublishedValues) {
  struct Case {
    const char* Class;
    std::function<void(TzrObject*)> Set;
    std::vector<std::string> Written;
  } cases[] = {
      {"TzrLabel",
       [](TzrObject* o) {
         auto* l = dynamic_cast<TzrLabel*>(o);
         l->SetText(u"速度 Speed");
         l->SetWordWrap(false);
         l->SetAutoTranslate(false);
         l->SetTextAlign(zrTextAlignFar);
       },
       {"WordWrap = False", "AutoTranslate = False", "TextAlign = zrTextAlignFar"}},
      {"TzrButton",
       [](TzrObject* o) {
         auto* b = dynamic_cast<TzrButton*>(o);
         b->SetDefault(true);
         b->SetModalResult(2);
         b->SetStaysPressed(true);
         b->SetIsPressed(true);
         b->SetRepeatClick(true);
       },
       {"Default = True", "ModalResult = 2", "IsPressed = True", "RepeatClick = True"}},
      {"TzrSpeedButton",
       [](TzrObject* o) { dynamic_cast<TzrSpeedButton*>(o)->SetRepeatClick(false); },
       {"RepeatClick = False"}},
      {"TzrCornerButton",
       [](TzrObject* o) {
         auto* c = dynamic_cast<TzrCornerButton*>(o);
         c->SetCorners(1 << zrCornerTopLeft);
         c->SetSides(1 << zrSideTop | 1 << zrSideLeft);
         c->SetCornerType(zrCornerBevel);
       },
       {"Corners = [zrCornerTopLeft]", "CornerType = zrCornerBevel"}},
      {"TzrColorButton",
       [](TzrObject* o) {
         auto* c = dynamic_cast<TzrColorButton*>(o);
         c->SetColor("#FF102030");
         c->SetUseStandardDialog(false);
       },
       {"Color = '#FF102030'", "UseStandardDialog = False"}},
      {"TzrPopupBox",
       [](TzrObject* o) {
         auto* p = dynamic_cast<TzrPopupBox*>(o);
         p->GetItems()->Add(u"Soft");
         p->GetItems()->Add(u"Hard");
         p->SetItemIndex(1);
       },
       {"ItemIndex = 1"}},
      {"TzrCalloutPanel",
       [](TzrObject* o) {
         auto* c = dynamic_cast<TzrCalloutPanel*>(o);
         c->SetCalloutPosition(zrCalloutLeft);
         c->SetCalloutOffset(-8);
       },
       {"CalloutPosition = zrCalloutLeft", "CalloutOffset = -8"}},
      {"TzrStatusBar",
       [](TzrObject* o) { dynamic_cast<TzrStatusBar*>(o)->SetShowSizeGrip(false); },
       {"ShowSizeGrip = False"}},
      {"TzrHudWindow",
       [](TzrObject* o) {
         auto* w = dynamic_cast<TzrHudWindow*>(o);
         w->SetStrokeThickness(3);
         w->SetShowCaption(false);
         w->SetButtonAlign(zrButtonAlignRight);
         w->SetTextAlign(zrTextAlignCenter);
         w->SetText(u"设置");
       },
       {"StrokeThickness = 3", "ShowCaption = False", "ButtonAlign = zrButtonAlignRight",
        "TextAlign = zrTextAlignCenter"}},
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
  EXPECT_EQ(TextOf(Fresh("TzrHudWindow").get()).find("StrokeThickness"), std::string::npos);
}

}  // namespace
