#pragma once
// The text boxes' tests: the styled controls' small scene on a virtual clock,
// with GTK started for the clipboard, and the keys and characters a scene
// hands the focused box (a key press as Key with no character, a typed
// character as KeyChar with Key 0).

#include <clocale>
#include <string>

#include "controls/zr_number_box.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "tests/controls/controls_fixture.h"
#include "tests/support/DisplayLocks.h"

// Text with each "." standing for the user's decimal separator, which the
// number and spin boxes show and read (the C library's, as GTK sets it).
inline std::u16string Decimal(std::u16string Text) {
  const lconv* conv = std::localeconv();
  const char16_t separator = conv && conv->decimal_point[0] ? conv->decimal_point[0] : '.';
  for (char16_t& c : Text)
    if (c == u'.') c = separator;
  return Text;
}

class TextBoxTest : public ControlsTest {
 public:
  static void SetUpTestSuite();

 protected:
  TClipboardLock ClipboardLock;
  // The boxes outlive this part of the fixture: their events stop counting.
  ~TextBoxTest() override;
  // A box of class T at (10, Y), shown and focused (which selects its text),
  // counting its events.
  template <class T = TzrTextBox>
  T* Box(const std::u16string& Text, float Y = 10) {
    auto* box = Make<T>(10, Y);
    box->SetText(Text);
    Count(box);
    Show();
    box->SetFocus();
    return box;
  }
  void Count(TzrCustomTextBox* Box);
  using ControlsTest::Press;
  // A key press with modifiers, through the root's DialogKey first.
  void Press(uint16_t AKey, TShiftState Shift = 0);
  // A typed character, as the scene delivers it to the focused node.
  void Type(char16_t Char, TShiftState Shift = 0);
  void TypeText(const std::u16string& Text);
  // Caret to P with the selection collapsed.
  static void CaretAt(TzrCustomTextBox* Box, int P);

  int Changes = 0, Trackings = 0, Typings = 0;
};
