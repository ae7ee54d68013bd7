// Close button, window frames, status bar and the default style sheet's
// window classes.

#include "controls/zr_objects.h"
#include "controls_fixture.h"
#include "platform/rtl/Streams.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_classes.h"
#include "scene/zr_control.h"
#include "scene/zr_resources.h"
#include "scene/zr_stream.h"

namespace {

class WindowsTest : public ControlsTest {
 protected:
  WindowsTest() {
    Form.InsertComponent(&Scene);
    Form.OnClose = [this](TObject*, TCloseAction&) { Log.push_back("close"); };
  }
  ~WindowsTest() override { Form.RemoveComponent(&Scene); }
  TzrVisualObject* Part(TzrControl* C, const char* Name) {
    TzrObject* part = C->FindResource(Name);
    return part ? part->GetVisual() : nullptr;
  }
  TForm Form{nullptr};
  std::vector<std::string> Log;
};

TEST_F(WindowsTest, CloseButtonClosesOnAReleaseAnywhereThenClicks) {
  auto* close = Make<TzrCloseButton>(10, 10);
  EXPECT_FALSE(close->GetCanFocused());
  close->OnClick = [this](TObject*) { Log.push_back("click"); };
  Press(close, 5, 5);
  Release(close, 300, 300);
  EXPECT_EQ(Log, (std::vector<std::string>{"close", "click"}));
  Log.clear();
  close->SetCloseForm(false);
  Press(close, 5, 5);
  Release(close, 5, 5);
  EXPECT_EQ(Log, (std::vector<std::string>{"click"}));
  Log.clear();
  close->MouseDown(mbRight, ssRight, 5, 5);
  close->MouseUp(mbRight, 0, 5, 5);
  EXPECT_TRUE(Log.empty()) << "only the left button closes";
}

TEST_F(WindowsTest, OnCloseClickReplacesClosing) {
  auto* window = Make<TzrHudWindow>(0, 0);
  window->OnCloseClick = [this](TObject*) { Log.push_back("handler"); };
  Show();
  auto* close = dynamic_cast<TzrCloseButton*>(window->FindResource("close"));
  ASSERT_NE(close, nullptr);
  EXPECT_FALSE(close->GetCloseForm());
  Press(close, 3, 3);
  Release(close, 3, 3);
  EXPECT_EQ(Log, (std::vector<std::string>{"handler"}));
}

TEST_F(WindowsTest, HudWindowDrivesCaptionStrokeAndCloseButton) {
  auto* window = Make<TzrHudWindow>(0, 0);
  Show();
  window->SetStrokeThickness(3);
  TzrVisualObject* caption = Part(window, "caption");
  auto* stroke = dynamic_cast<TzrShape*>(Part(window, "stroke"));
  ASSERT_NE(caption, nullptr);
  ASSERT_NE(stroke, nullptr);
  EXPECT_EQ(caption->GetHeight(), 23);
  const TzrRect padding = caption->GetPadding()->GetRect();
  EXPECT_EQ(padding.Left, 3);
  EXPECT_EQ(padding.Top, 3);
  EXPECT_EQ(padding.Right, 3);
  EXPECT_EQ(padding.Bottom, 0);
  EXPECT_EQ(stroke->GetStrokeThickness(), 3);
  EXPECT_EQ(stroke->GetMargins()->GetRect().Right, 3);
  EXPECT_EQ(stroke->GetStroke()->GetSolidColor(), 0x5B000000u);

  TzrBrush fill(zrBrushSolid, 0xEA103050);
  window->SetFill(&fill);
  auto* back = dynamic_cast<TzrShape*>(Part(window, "back"));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetFill()->GetSolidColor(), 0xEA103050u);

  window->SetButtonAlign(zrButtonAlignRight);
  EXPECT_EQ(Part(window, "close")->GetAlign(), vaRight);
  window->SetShowCaption(false);
  for (const char* name : {"caption", "text", "close"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(Part(window, name)->GetVisible());
    EXPECT_TRUE(Part(window, name)->GetDesignHide());
  }
}

TEST_F(WindowsTest, ShowSizeGripHidesTheGripAtOnce) {
  auto* bar = Make<TzrStatusBar>(0, 0);
  EXPECT_EQ(bar->GetAlign(), vaBottom);
  EXPECT_EQ(bar->GetHeight(), 22);
  Show();
  TzrVisualObject* grip = Part(bar, "sizegrip");
  ASSERT_NE(grip, nullptr);
  EXPECT_NE(dynamic_cast<IzrSizeGrip*>(grip), nullptr);
  EXPECT_TRUE(grip->GetVisible());
  EXPECT_TRUE(grip->GetHitTest()) << "the pointer must reach the grip";
  EXPECT_FALSE(grip->GetLocked());
  bar->SetShowSizeGrip(false);
  grip = Part(bar, "sizegrip");
  ASSERT_NE(grip, nullptr);
  EXPECT_FALSE(grip->GetVisible());

  auto* window = Make<TzrHudWindow>(0, 0);
  Show();
  window->SetShowSizeGrip(false);
  EXPECT_FALSE(Part(window, "sizegrip")->GetVisible());
  window->SetShowCloseButton(false);
  EXPECT_FALSE(Part(window, "close")->GetVisible());
}

TEST(StyleSheet, DefaultSheetReadsCleanlyWithItsStylesInOrder) {
  ControlsTest::SetUpTestSuite();
  FreeDefaultStyles();
  std::vector<std::string> errors;
  TResourceStream stream(std::string("defaultzrstyle"));
  TzrBackground sheet(nullptr);
  TReader reader(&stream);
  reader.OnError = [&](const std::string& Message) {
    errors.push_back(Message);
    return true;
  };
  reader.ReadRootComponent(&sheet);
  EXPECT_TRUE(errors.empty()) << errors.front();
  std::vector<std::string> names;
  for (int i = 0; i < sheet.GetChildrenCount(); ++i)
    names.push_back(sheet.GetChild(i)->GetResourceName());
  const std::vector<std::string> wanted = {"panelstyle",
                                           "calloutpanelstyle",
                                           "statusbarstyle",
                                           "toolbarstyle",
                                           "buttonstyle",
                                           "popupbuttonstyle",
                                           "roundbuttonstyle",
                                           "circlebuttonstyle",
                                           "colorbuttonstyle",
                                           "cornerbuttonstyle",
                                           "speedbuttonstyle",
                                           "transparentbuttonstyle",
                                           "transparentcirclebuttonstyle",
                                           "popupboxstyle",
                                           "labelstyle",
                                           "labelstyle2",
                                           "valuelabelstyle",
                                           "sizegripstyle",
                                           "CloseButtonStyle",
                                           "hudwindowstyle",
                                           "hudSizeGripStyle",
                                           "hudCloseButtonStyle",
                                           "hudlabelstyle",
                                           "hudbuttonstyle",
                                           "hudroundbuttonstyle",
                                           "hudcirclebuttonstyle",
                                           "hudcornerbuttonstyle",
                                           "hudpopupboxstyle",
                                           "hudstatusbarstyle",
                                           "hudpanelstyle",
                                           "trackbarstyle",
                                           "thumbbarstyle",
                                           "trackstyle",
                                           "hthumbstyle",
                                           "vthumbstyle",
                                           "scrollbarleftbutton",
                                           "scrollbarrightbutton",
                                           "scrollbartopbutton",
                                           "scrollbarbottombutton",
                                           "scrollbarhtrackstyle",
                                           "scrollbarvtrackstyle",
                                           "scrollbarstyle",
                                           "smallscrollbarhtrackstyle",
                                           "smallscrollbarvtrackstyle",
                                           "smallscrollbarstyle",
                                           "hudtrackbarstyle",
                                           "hudthumbbarstyle",
                                           "hudtrackstyle",
                                           "hudthumbstyle",
                                           "hudscrollbarhtrackstyle",
                                           "hudscrollbarvtrackstyle",
                                           "hudscrollbarstyle",
                                           "checkboxstyle",
                                           "pathcheckboxstyle",
                                           "radiobuttonstyle",
                                           "groupboxstyle",
                                           "progressbarstyle",
                                           "hudcheckboxstyle",
                                           "hudradiobuttonstyle",
                                           "hudgroupboxstyle",
                                           "textboxstyle",
                                           "roundtextboxstyle",
                                           "hudtextboxstyle",
                                           "hudroundtextboxstyle",
                                           "memostyle",
                                           "hudmemostyle",
                                           "combotextboxstyle",
                                           "combopopupstyle",
                                           "textboxclearbtnstyle",
                                           "hudcombotextboxstyle",
                                           "hudcombopopupstyle",
                                           "numberboxstyle",
                                           "spinboxstyle",
                                           "hudnumberboxstyle",
                                           "hudspinboxstyle",
                                           "scrollboxstyle",
                                           "framedscrollboxstyle",
                                           "listboxstyle",
                                           "transparentlistboxstyle",
                                           "listboxitemstyle",
                                           "comboboxstyle",
                                           "combolistboxstyle",
                                           "hudcomboboxstyle",
                                           "hudcombolistboxstyle",
                                           "hudlistboxstyle",
                                           "hudlistboxitemstyle",
                                           "tabcontrolstyle",
                                           "tabitemstyle",
                                           "hudtabcontrolstyle",
                                           "hudtabitemstyle",
                                           "headeritemstyle",
                                           "textcellstyle",
                                           "checkcellstyle",
                                           "progresscellstyle",
                                           "popupcellstyle",
                                           "imagecellstyle",
                                           "gridstyle",
                                           "anglebuttonstyle",
                                           "hudanglebuttonstyle",
                                           "imagecontrolstyle",
                                           "bitmapbuttonstyle",
                                           "pathbuttonstyle",
                                           "toolbuttonstyle",
                                           "toolpathbuttonstyle",
                                           "expanderstyle",
                                           "expanderbuttonstyle",
                                           "expandercheckboxstyle",
                                           "splitterstyle",
                                           "messagepopupstyle",
                                           "iconconfirmation",
                                           "iconinformation",
                                           "iconwarning",
                                           "iconerror",
                                           "treeviewstyle",
                                           "treeviewitemstyle",
                                           "treeviewexpanderbuttonstyle",
                                           "imagelistboxitemstyle",
                                           "droptargetstyle",
                                           "iphonebuttonstyle"};
  EXPECT_EQ(names, wanted);
}

TEST(StyleSheet, BaseAndPlainWindowClassesAreNotRegistered) {
  ControlsTest::SetUpTestSuite();
  for (const char* name : {"TzrTextControl", "TzrCustomButton", "TzrWindow", "TzrLayerWindow"})
    EXPECT_EQ(GetClass(name), nullptr) << name;
  for (const char* name : {"TzrHudWindow", "TzrLabel", "TzrPopupBox", "TzrSelectionItem",
                           "TzrExpanderButton", "TzrHudSizeGrip", "TzrCloseButton"})
    EXPECT_NE(GetClass(name), nullptr) << name;
}

}  // namespace
