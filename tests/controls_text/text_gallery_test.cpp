// Pictures of the text boxes for looking at: build/gallery/text_boxes.png
// (text, round and HUD text boxes normal, hovered, focused with caret and
// selection, disabled and as password) and build/gallery/number_boxes.png
// (number boxes hovered and being dragged each way, spin boxes with units and
// their HUD forms), English and Chinese text. Each also checks that a box
// drew its text over its background.

#include "platform/rtl/Rtti.h"
#include "scene/zr_brush.h"
#include "text_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFF808080;

class TextGallery : public TextBoxTest {
 protected:
  void Canvas(int W, int H) { GalleryCanvas(W, H, Backdrop); }
  TzrCustomTextBox* Add(const char* Class, float X, float Y, const std::u16string& Text) {
    auto* box = static_cast<TzrCustomTextBox*>(GetClass(Class)->Create(&Owner));
    box->GetPosition()->SetPoint({X, Y});
    box->SetWidth(130);
    box->SetParent(Root);
    box->SetText(Text);
    return box;
  }
  void Save(const std::string& Name) { SaveGalleryPicture(Name); }
  // Some pixel of the box's content differs from the content's background.
  void ExpectText(TzrCustomTextBox* Box) {
    const TzrRect r = Box->ContentRect();
    const TzrPoint at = Box->LocalToAbsolute({r.Left, r.Top});
    const int y = int(at.Y + (r.Bottom - r.Top) / 2);
    const TzrColor ground = Scene.Pixel(int(at.X) + 1, int(at.Y) + 1);
    bool inked = false;
    for (int x = int(at.X); x < int(at.X + r.Right - r.Left) && !inked; ++x)
      inked = Scene.Pixel(x, y) != ground;
    EXPECT_TRUE(inked) << Box->ClassName() << " " << UTF16ToUTF8(Box->GetText());
  }
};

enum TState { Normal, Hovered, Focused, Disabled, Password };

}  // namespace

TEST_F(TextGallery, TextBoxes) {
  const char* classes[] = {"TzrTextBox", "TzrRoundTextBox", "TzrHudTextBox", "TzrHudRoundTextBox"};
  const std::u16string texts[] = {u"Motor poles 14", u"电调设置 ESC", u"Throttle 油门", u"s3cr3t"};
  Canvas(4 * 145 + 10, 5 * 32 + 10);
  std::vector<std::vector<TzrCustomTextBox*>> grid;
  for (int col = 0; col < 4; ++col) {
    grid.emplace_back();
    for (int row = 0; row < 5; ++row)
      grid.back().push_back(Add(classes[col], 10.0f + float(col) * 145, 10.0f + float(row) * 32,
                                texts[(row + col) % 3]));
  }
  Scene.DrawAll();
  for (auto& column : grid) {
    column[Hovered]->MouseEnter();
    column[Disabled]->SetEnabled(false);
    static_cast<TzrTextBox*>(column[Password])->SetPassword(true);
    column[Password]->SetText(texts[3]);
  }
  // One box holds the scene's focus; for the picture every box of the
  // focused row is told it has it, with its caret and a selection.
  Scene.SetFocused(nullptr);
  for (auto& column : grid) {
    TzrCustomTextBox* box = column[Focused];
    box->EnterFocus();
    box->SetSelStart(2);
    box->SetSelLength(5);
    box->SetCaretPosition(7);
  }
  Save("text_boxes");
  for (auto& column : grid)
    for (TzrCustomTextBox* box : column) ExpectText(box);
}

TEST_F(TextGallery, NumberAndSpinBoxes) {
  Canvas(4 * 145 + 10, 3 * 36 + 10);
  const char* numbers[] = {"TzrNumberBox", "TzrHudNumberBox"};
  const char* spins[] = {"TzrSpinBox", "TzrHudSpinBox"};
  std::vector<TzrCustomTextBox*> all;
  for (int i = 0; i < 2; ++i) {
    const float x = 10.0f + float(i) * 290;
    auto* plain = static_cast<TzrNumberBox*>(Add(numbers[i], x, 10, u""));
    plain->SetMax(100);
    plain->SetValue(14);
    auto* horizontal = static_cast<TzrNumberBox*>(Add(numbers[i], x + 145, 10, u""));
    horizontal->SetMax(100);
    auto* vertical = static_cast<TzrNumberBox*>(Add(numbers[i], x, 46, u""));
    vertical->SetMax(100);
    auto* spin = static_cast<TzrSpinBox*>(Add(spins[i], x + 145, 46, u""));
    spin->SetValueType(zrValueFloat);
    spin->SetDecimalDigits(1);
    spin->SetPostfix(u"V");
    spin->SetValue(3.5f);
    auto* chinese = static_cast<TzrSpinBox*>(Add(spins[i], x, 82, u""));
    chinese->SetPostfix(u" 极");
    chinese->SetMax(40);
    chinese->SetValue(14);
    auto* disabled = static_cast<TzrSpinBox*>(Add(spins[i], x + 145, 82, u""));
    disabled->SetValue(7);
    disabled->SetEnabled(false);
    Scene.DrawAll();
    plain->MouseEnter();
    Press(horizontal, 20, 10);
    Move(horizontal, 25, 11);
    Move(horizontal, 30, 11);
    Press(vertical, 20, 10);
    Move(vertical, 20, 4);
    all.insert(all.end(), {plain, horizontal, vertical, spin, chinese, disabled});
  }
  Save("number_boxes");
  for (TzrCustomTextBox* box : all) ExpectText(box);
}
