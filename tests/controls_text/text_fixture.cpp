#include "text_fixture.h"

#include "platform/vcl/Forms.h"

void TextBoxTest::SetUpTestSuite() {
  ControlsTest::SetUpTestSuite();
  Application->Initialize();  // the clipboard lives on the display
}

void TextBoxTest::Count(TzrCustomTextBox* Box) {
  Box->OnChange = [this](TObject*) { ++Changes; };
  Box->OnChangeTracking = [this](TObject*) { ++Trackings; };
  Box->OnTyping = [this](TObject*) { ++Typings; };
}

void TextBoxTest::Press(uint16_t AKey, TShiftState Shift) {
  char16_t ch = 0;
  Root->DialogKey(AKey, Shift);
  if (AKey != 0 && Scene.Focused) Scene.Focused->KeyDown(AKey, ch, Shift);
}

void TextBoxTest::Type(char16_t Char, TShiftState Shift) {
  uint16_t key = 0;
  if (Scene.Focused) Scene.Focused->KeyDown(key, Char, Shift);
}

void TextBoxTest::TypeText(const std::u16string& Text) {
  for (char16_t c : Text) Type(c);
}

void TextBoxTest::CaretAt(TzrCustomTextBox* Box, int P) {
  Box->SetSelLength(0);
  Box->SetCaretPosition(P);
}
