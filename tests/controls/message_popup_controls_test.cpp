// The message popup over the registered controls and the default style
// sheet: the dialog is made of real labels, a layout and buttons, its icon
// and background come from the sheet, and a click on a button or Escape
// (the cancel button) answers the modal result. Writes
// build/gallery/popup_message_en.png and popup_message_zh.png. Needs a
// display (run under xvfb-run).

#include <gtk/gtk.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>

#include "controls/zr_layouts.h"
#include "controls_fixture.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_message_popup.h"
#include "scene/zr_scene.h"
#include "scene/zr_scene_unit.h"
#include "tests/scene/png_filter.h"
#include "tests/support/GdkInput.h"

namespace {

template <class T>
std::vector<T*> ChildrenOf(TzrObject* Node) {
  std::vector<T*> out;
  for (int i = 0; i < Node->GetChildrenCount(); ++i)
    if (auto* c = dynamic_cast<T*>(Node->GetChild(i))) out.push_back(c);
  return out;
}

// Lets the main loop run for about Ms milliseconds.
void Pump(int Ms) {
  for (int i = 0; i < Ms / 5; ++i) {
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    g_usleep(5000);
  }
}

// Runs Step once from the main loop after Ms milliseconds.
void Later(int Ms, std::function<void()> Step) {
  g_timeout_add(
      guint(Ms),
      [](gpointer P) -> gboolean {
        std::unique_ptr<std::function<void()>> step(static_cast<std::function<void()>*>(P));
        (*step)();
        return G_SOURCE_REMOVE;
      },
      new std::function<void()>(std::move(Step)));
}

// Lays the scene buffers over each other (each at its offset, first at the
// bottom) on a dark picture and writes it to build/gallery/<Name>.png.
void SaveLayers(const std::string& Name, int W, int H,
                const std::vector<std::tuple<TzrCustomScene*, int, int>>& Layers) {
  TzrBitmap picture(W, H);
  TzrColor* out = picture.GetStartLine();
  for (int i = 0; i < W * H; ++i) out[i] = 0xFF202020;
  for (const auto& [scene, dx, dy] : Layers) {
    TzrCanvas* c = scene->GetCanvas();
    const TzrColor* in = c->GetBufferBits();
    for (int y = 0; y < c->GetHeight(); ++y)
      for (int x = 0; x < c->GetWidth(); ++x) {
        const int tx = x + dx, ty = y + dy;
        if (tx < 0 || ty < 0 || tx >= W || ty >= H) continue;
        // Premultiplied source over an opaque picture.
        const TzrColor s = in[x + y * c->GetWidth()];
        const uint32_t keep = 255 - (s >> 24);
        TzrColor& d = out[tx + ty * W];
        TzrColor mixed = 0xFF000000;
        for (int shift = 0; shift < 24; shift += 8) {
          const uint32_t v = ((s >> shift) & 0xFF) + ((d >> shift) & 0xFF) * keep / 255;
          mixed |= std::min(v, 255u) << shift;
        }
        d = mixed;
      }
  }
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  TzrPngFilter png;
  png.SaveToFile((folder / (Name + ".png")).string(), picture, "");
}

class MessagePopupControlsTest : public ::testing::Test {
 public:
  static void SetUpTestSuite() { ControlsTest::SetUpTestSuite(); }

 protected:
  void SetUp() override {
    ASSERT_NO_THROW(Application->Initialize()) << "needs a display";
    Form.SetBorderStyle(bsNone);
    Form.SetBounds(120, 100, 640, 300);
    View = new TzoRurev(&Form);
    View->SetName("Scene1");
    View->SetAlign(alClient);
    View->SetParent(&Form);
    Root = new TzrLayout(&Form);
    View->AddObject(Root);
    auto* label = new TzrLabel(&Form);
    label->SetBounds(20, 200, 400, 24);
    label->SetText(u"Main window / 主窗口");
    label->SetParent(Root);
    Form.Show();
    for (int i = 0; i < 400 && !gtk_widget_get_realized(View->Handle()); ++i) Pump(5);
    ASSERT_TRUE(gtk_widget_get_realized(View->Handle()));
    Pump(100);
  }

  TForm Form{nullptr};
  TzoRurev* View = nullptr;
  TzrLayout* Root = nullptr;
};

struct TCase {
  const char* Gallery;
  std::u16string Title, Message;
  TzrMessageType Type;
  TzrMessageButtons Buttons;
  const char* Icon;
  std::vector<std::u16string> Captions;  // in the order of the buttons
  bool Escape;  // answered by Escape (the cancel button), else a click on the default
  int Result;
};

TEST_F(MessagePopupControlsTest, DialogOfRealControlsAnswersItsButtons) {
  const TCase cases[] = {
      {"popup_message_en",
       u"Unsaved settings",
       u"The parameters were changed but not written to the controller.",
       zrMessageWarning,
       zrButton(zrMbOK) | zrButton(zrMbCancel),
       "iconwarning",
       {u"OK", u"Cancel"},
       false,
       1},
      {"popup_message_zh",
       u"连接中断",
       u"设备已断开。请检查 USB 连接后重试。",
       zrMessageError,
       zrButton(zrMbRetry) | zrButton(zrMbCancel),
       "iconerror",
       {u"Cancel", u"Retry"},
       true,
       2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Gallery);
    bool inspected = false;
    Later(50, [&] {
      TzrPopupForm* window = TzrPopupForm::Active();
      TzrPopup* popup = window ? window->FPopup : nullptr;
      if (!popup) return;
      inspected = true;
      // A failed check below must not leave the loop waiting.
      struct TEnd {
        TzrPopupForm* W;
        ~TEnd() {
          if (TzrPopupForm::Active() == W && W->GetModalResult() == 0) W->SetModalResult(-1);
        }
      } end{window};
      Pump(100);
      EXPECT_NE(popup->GetResourceLink(), nullptr) << "the sheet's messagepopupstyle";
      auto controls = ChildrenOf<TzrControl>(popup);
      ASSERT_FALSE(controls.empty());
      EXPECT_EQ(controls[0]->GetResource(), c.Icon);
      EXPECT_NE(controls[0]->GetResourceLink(), nullptr) << "the icon comes from the sheet";
      auto labels = ChildrenOf<TzrLabel>(popup);
      ASSERT_EQ(labels.size(), 2u);
      EXPECT_EQ(labels[0]->GetText(), c.Title);
      EXPECT_EQ(labels[1]->GetText(), c.Message);
      EXPECT_EQ(labels[1]->GetTextAlign(), zrTextAlignNear);
      auto layouts = ChildrenOf<TzrLayout>(popup);
      ASSERT_EQ(layouts.size(), 1u);
      auto buttons = ChildrenOf<TzrButton>(layouts[0]);
      ASSERT_EQ(buttons.size(), c.Captions.size());
      std::vector<std::u16string> shown;
      for (TzrButton* b : buttons) shown.push_back(b->GetText());
      EXPECT_EQ(shown, c.Captions);

      TzrCustomScene* popupScene = popup->GetPopupScene();
      popupScene->UpdateBuffer();
      View->UpdateBuffer();
      int fx = 0, fy = 0;
      gtk_window_get_position(GTK_WINDOW(Form.Handle()), &fx, &fy);
      SaveLayers(
          c.Gallery, 700, 340,
          {{View, 30, 20}, {popupScene, 30 + window->GetLeft() - fx, 20 + window->GetTop() - fy}});

      TGdkInput input(popupScene->Handle());
      if (c.Escape) {
        input.Type(GDK_KEY_Escape);
        return;
      }
      TzrButton* def = nullptr;
      for (TzrButton* b : buttons)
        if (b->GetDefault()) def = b;
      ASSERT_NE(def, nullptr);
      const TzrRect r = def->GetAbsoluteRect();
      input.Move((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
      input.Click((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    });
    const int result =
        MessagePopup(c.Title, c.Message, c.Type, c.Buttons, View, nullptr, true, nullptr, nullptr);
    EXPECT_TRUE(inspected);
    EXPECT_EQ(result, c.Result);
    EXPECT_TRUE(Root->GetEnabled());
    EXPECT_EQ(TzrPopupForm::Active(), nullptr);
    Pump(50);
  }
}

}  // namespace
