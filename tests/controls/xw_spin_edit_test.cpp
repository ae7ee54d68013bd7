// The spin edit driven by GTK key, wheel and focus events (run under
// xvfb-run): limits while typing, stepping, the decimal separator, value
// types, display formats, leaving with a value out of range, and loading the
// gear calculator's two fields from a form stream.

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <memory>

#include "controls/XwSpinEdit.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"
#include "tests/controls/xw_gtk_fixture.h"

using namespace xwtest;

namespace {

// Counts the error beeps instead of sounding them.
class TBeepCountingSpinEdit : public TXwSpinEdit {
 public:
  using TXwSpinEdit::TXwSpinEdit;
  int Beeps = 0;

 protected:
  void DoBeepOnError() override { ++Beeps; }
};

// A spin edit in a window of its own, with its entry and an OnChange count.
struct TSpinField {
  explicit TSpinField(int width = 121, int height = 24) {
    Edit.SetBounds(0, 0, width, height);
    Edit.OnChange = [this](TObject*) { ++Changes; };
    Host = std::make_unique<THost>(&Edit);
  }
  GtkWidget* Entry() { return Edit.Entry(); }
  void SelectAll() { gtk_editable_select_region(GTK_EDITABLE(Entry()), 0, -1); }
  int Caret() { return gtk_editable_get_position(GTK_EDITABLE(Entry())); }

  TBeepCountingSpinEdit Edit{nullptr};
  int Changes = 0;
  std::unique_ptr<THost> Host;
};

// The motor-poles field of the gear calculator: integer, 1 to 100000000.
void MakePloes(TXwSpinEdit& edit) {
  edit.SetMaxValue(100000000.0);
  edit.SetMinValue(1.0);
  edit.SetValue(1.0);
}

// The gear-ratio field: real, step 0.01, 1 to 100000000.
void MakeRadio(TXwSpinEdit& edit) {
  edit.SetMaxValue(100000000.0);
  edit.SetMinValue(1.0);
  edit.SetIncrement(0.01);
  edit.SetValueType(vtFloat);
  edit.SetValue(1.0);
}

struct XwSpinEditTest : TGtkTest {};

TEST(FormatFloat, Pictures) {
  struct Case {
    const char* Format;
    long double Value;
    const char* Text;
  };
  const Case cases[] = {
      {",0.##", 1234.5L, "1,234.5"},
      {",0.##", 1234567.125L, "1,234,567.13"},
      {"0.00", 1234.5L, "1234.50"},
      {"0", 2.5L, "3"},  // halves away from zero
      {",0.##", -1234.5L, "-1,234.5"},
      {"#.##", 0.5L, ".5"},
      {"0.0;(0.0)", -2.25L, "(2.3)"},
      {"'x='0", 7, "x=7"},
      {",0.##", 0, "0"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Text) << c.Format;
}

TEST(TryStrToInt64, DecimalAndHex) {
  int64_t v = 0;
  EXPECT_TRUE(TryStrToInt64("-9223372036854775808", v));
  EXPECT_EQ(v, INT64_MIN);
  EXPECT_FALSE(TryStrToInt64("9223372036854775808", v));
  EXPECT_TRUE(TryStrToInt64("$ff", v));
  EXPECT_EQ(v, 255);
  for (const char* bad : {"", "-", "$", "1.5", "12a", "$fg"})
    EXPECT_FALSE(TryStrToInt64(bad, v)) << bad;
}

TEST_F(XwSpinEditTest, TypingBeyondTheLimitsGivesTheLimit) {
  TSpinField field;
  MakePloes(field.Edit);
  EXPECT_EQ(field.Edit.GetText(), "1");
  EXPECT_TRUE(field.Edit.GetCheckMinValue());
  EXPECT_TRUE(field.Edit.GetCheckMaxValue());
  FocusIn(field.Entry());
  field.SelectAll();
  Type(field.Entry(), "0");
  EXPECT_EQ(field.Edit.GetText(), "1");

  field.SelectAll();
  Type(field.Entry(), "100000001");
  EXPECT_EQ(field.Edit.GetText(), "100000000");
  EXPECT_EQ(field.Edit.GetValue(), 100000000.0L);
}

TEST_F(XwSpinEditTest, ArrowKeysStepAFloatFieldWithOneChangeEach) {
  TSpinField field;
  MakeRadio(field.Edit);
  EXPECT_EQ(field.Edit.GetText(), "1.00");
  FocusIn(field.Entry());
  field.Changes = 0;
  SendKey(field.Entry(), GDK_KEY_Up);
  EXPECT_EQ(field.Edit.GetText(), "1.01");
  EXPECT_EQ(field.Changes, 1);
  SendKey(field.Entry(), GDK_KEY_Up);
  SendKey(field.Entry(), GDK_KEY_Up);
  EXPECT_EQ(field.Edit.GetText(), "1.03");
  EXPECT_EQ(field.Changes, 3);
  SendKey(field.Entry(), GDK_KEY_Down);
  EXPECT_EQ(field.Edit.GetText(), "1.02");
  EXPECT_EQ(field.Changes, 4);
  // The lower limit stops the steps; nothing changes, nothing fires.
  for (int i = 0; i < 5; ++i) SendKey(field.Entry(), GDK_KEY_Down);
  EXPECT_EQ(field.Edit.GetText(), "1.00");
  EXPECT_EQ(field.Changes, 6);
}

TEST_F(XwSpinEditTest, TheDecimalSeparatorIsSteppedOverNotTypedTwice) {
  TSpinField field;
  MakeRadio(field.Edit);
  field.Edit.SetValue(12.5);
  ASSERT_EQ(field.Edit.GetText(), "12.50");
  FocusIn(field.Entry());
  gtk_editable_set_position(GTK_EDITABLE(field.Entry()), 0);
  Type(field.Entry(), ".");
  EXPECT_EQ(field.Edit.GetText(), "12.50");
  EXPECT_EQ(field.Caret(), 3);  // behind the separator
  // Backspace behind the separator and Delete before it move the caret.
  SendKey(field.Entry(), GDK_KEY_BackSpace);
  EXPECT_EQ(field.Edit.GetText(), "12.50");
  EXPECT_EQ(field.Caret(), 2);
  SendKey(field.Entry(), GDK_KEY_Delete);
  EXPECT_EQ(field.Edit.GetText(), "12.50");
  EXPECT_EQ(field.Caret(), 3);
  // Backspace elsewhere deletes as usual.
  gtk_editable_set_position(GTK_EDITABLE(field.Entry()), 2);
  SendKey(field.Entry(), GDK_KEY_Left);
  SendKey(field.Entry(), GDK_KEY_BackSpace);
  EXPECT_EQ(field.Edit.GetText(), "2.50");
}

TEST_F(XwSpinEditTest, RefusedCharactersBeepAndTypeNothing) {
  TSpinField field;
  FocusIn(field.Entry());
  field.SelectAll();
  Type(field.Entry(), "4x2");
  EXPECT_EQ(field.Edit.GetText(), "42");
  EXPECT_EQ(field.Edit.Beeps, 1);
  field.Edit.SetEditorEnabled(false);
  Type(field.Entry(), "7");
  EXPECT_EQ(field.Edit.GetText(), "42");
  EXPECT_EQ(field.Edit.Beeps, 2);
  SendKey(field.Entry(), GDK_KEY_Up);  // the steps still work
  EXPECT_EQ(field.Edit.GetText(), "43");
  field.Edit.SetReadOnly(true);
  SendKey(field.Entry(), GDK_KEY_Up);
  EXPECT_EQ(field.Edit.GetText(), "43");
  EXPECT_EQ(field.Edit.Beeps, 3);
}

TEST_F(XwSpinEditTest, ThousandSeparatorsKeepTheCaretBehindTheTypedDigit) {
  TSpinField field;
  field.Edit.SetThousands(true);
  field.Edit.SetValue(123);
  FocusIn(field.Entry());
  gtk_editable_set_position(GTK_EDITABLE(field.Entry()), 3);
  Type(field.Entry(), "4");
  EXPECT_EQ(field.Edit.GetText(), "1,234");
  EXPECT_EQ(field.Caret(), 5);
  Type(field.Entry(), "5");
  EXPECT_EQ(field.Edit.GetText(), "12,345");
  EXPECT_EQ(field.Caret(), 6);
  EXPECT_EQ(field.Edit.GetValue(), 12345.0L);
}

TEST_F(XwSpinEditTest, SettingTheSameValueFiresNothing) {
  TSpinField field;
  field.Edit.SetValue(5);
  EXPECT_EQ(field.Changes, 1);
  field.Edit.SetValue(5);
  EXPECT_EQ(field.Changes, 1);
  field.Edit.SetValue(6);
  EXPECT_EQ(field.Changes, 2);
}

TEST_F(XwSpinEditTest, HexShowsUpperCaseAndReadsLowerCase) {
  TSpinField field;
  field.Edit.SetIncrement(0.5);
  field.Edit.SetValueType(vtHex);
  EXPECT_EQ(field.Edit.GetIncrement(), 1.0L);  // 0.5 rounds to 0 under ties-to-even
  field.Edit.SetValue(255);
  EXPECT_EQ(field.Edit.GetText(), "FF");
  FocusIn(field.Entry());
  field.SelectAll();
  Type(field.Entry(), "ff");
  EXPECT_EQ(field.Edit.GetValue(), 255.0L);
  Type(field.Entry(), "g");  // not a hex digit
  EXPECT_EQ(field.Edit.Beeps, 1);
  // Increment 2.5 becomes 2, the even neighbour.
  field.Edit.SetIncrement(2.5);
  field.Edit.SetValueType(vtInteger);
  EXPECT_EQ(field.Edit.GetIncrement(), 2.0L);
}

TEST_F(XwSpinEditTest, OneWheelNotchOrFlickStepsOneIncrement) {
  TSpinField field;
  field.Edit.SetIncrement(3);
  field.Edit.SetValue(10);
  SendScroll(field.Entry(), GDK_SCROLL_UP);
  EXPECT_EQ(field.Edit.GetText(), "13");
  SendScroll(field.Entry(), GDK_SCROLL_SMOOTH, -7.5);  // a fast flick upwards
  EXPECT_EQ(field.Edit.GetText(), "16");
  SendScroll(field.Entry(), GDK_SCROLL_DOWN);
  SendScroll(field.Entry(), GDK_SCROLL_SMOOTH, 0.2);
  EXPECT_EQ(field.Edit.GetText(), "10");
}

TEST_F(XwSpinEditTest, DisplayFormatWhenUnfocusedPlainDigitsWhenFocused) {
  TSpinField field;
  field.Edit.SetValueType(vtFloat);
  field.Edit.SetDisplayFormat(",0.##");
  field.Edit.SetValue(1234.5);
  EXPECT_EQ(field.Edit.GetText(), "1,234.5");
  FocusIn(field.Entry());
  EXPECT_EQ(field.Edit.GetText(), "1234.50");
  EXPECT_EQ(field.Edit.GetValue(), 1234.5L);
  FocusOut(field.Entry());
  EXPECT_EQ(field.Edit.GetText(), "1,234.5");
}

TEST_F(XwSpinEditTest, LeavingOutOfRangeWithoutCroppingShowsTheRangeAndKeepsTheFocus) {
  std::vector<std::string> shown;
  Application->OnException = [&](TObject*, const std::exception& e) { shown.push_back(e.what()); };
  TSpinField field;
  field.Edit.SetMaxValue(100);
  field.Edit.SetMinValue(1);
  field.Edit.SetCheckOptions(CheckOptionBit(coCheckOnExit));
  FocusIn(field.Entry());
  field.SelectAll();
  Type(field.Entry(), "500");
  EXPECT_EQ(field.Edit.GetText(), "500");  // no check while typing
  FocusOut(field.Entry());
  Application->OnException = nullptr;
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], "Value must be between 1 and 100");
  EXPECT_TRUE(gtk_widget_is_focus(field.Entry()));
  EXPECT_EQ(field.Edit.GetSelLength(), 3);

  // With cropping the value is brought inside silently.
  field.Edit.SetCheckOptions(CheckOptionBit(coCheckOnExit) | CheckOptionBit(coCropBeyondLimit));
  FocusOut(field.Entry());
  EXPECT_EQ(field.Edit.GetText(), "100");
}

TEST_F(XwSpinEditTest, ATypedMinusSurvivesWhenTheMinimumAllowsIt) {
  struct Case {
    long double Min, Max;
    const char* Typed;
    const char* Text;
  };
  const Case cases[] = {
      {0, 0, "-", "-0"},  // no limits: the sign stays for the digits to come
      {0, 0, "-0", "-0"},      {-50, 50, "-", "-50"},  // a lone sign is no number: the minimum
      {-50, 50, "-77", "-50"}, {1, 50, "-", "1"},      // the minimum allows no sign
  };
  for (const Case& c : cases) {
    TSpinField field;
    field.Edit.SetMinValue(c.Min);
    field.Edit.SetMaxValue(c.Max);
    FocusIn(field.Entry());
    field.SelectAll();
    Type(field.Entry(), c.Typed);
    EXPECT_EQ(field.Edit.GetText(), c.Text) << c.Min << " " << c.Typed;
  }
}

TEST_F(XwSpinEditTest, StringValuesAndAnEmptyItemList) {
  TSpinField field;
  TStringList items;
  items.SetCommaText("low,mid,high");
  field.Edit.SetValueType(vtString);
  field.Edit.SetItems(&items);
  EXPECT_EQ(field.Edit.GetText(), "low");
  SendKey(field.Entry(), GDK_KEY_Up);
  SendKey(field.Entry(), GDK_KEY_Up);
  SendKey(field.Entry(), GDK_KEY_Up);  // past the end stays at the last item
  EXPECT_EQ(field.Edit.GetText(), "high");
  EXPECT_EQ(field.Edit.GetValue(), 2.0L);
  // No items: no item is read; the text is empty and the value 0.
  TStringList none;
  field.Edit.SetItems(&none);
  EXPECT_EQ(field.Edit.GetText(), "");
  EXPECT_EQ(field.Edit.GetValue(), 0.0L);
  SendKey(field.Entry(), GDK_KEY_Up);
  EXPECT_EQ(field.Edit.GetText(), "");
}

// The gear calculator's two fields as its form holds them.
const char* const GearFields[] = {
    "object editPloes: TXwSpinEdit\r\n"
    "  Left = 96\r\n  Top = 8\r\n  Width = 81\r\n  Height = 24\r\n"
    "  MaxValue = 100000000.000000000000000000\r\n"
    "  MinValue = 1.000000000000000000\r\n"
    "  Value = 1.000000000000000000\r\n"
    "end\r\n",
    "object editRadio: TXwSpinEdit\r\n"
    "  Left = 96\r\n  Top = 40\r\n  Width = 81\r\n  Height = 24\r\n"
    "  Increment = 0.010000000000000000\r\n"
    "  MaxValue = 100000000.000000000000000000\r\n"
    "  MinValue = 1.000000000000000000\r\n"
    "  ValueType = vtFloat\r\n"
    "  Value = 1.000000000000000000\r\n"
    "end\r\n",
};

void ReadText(const std::string& text, TComponent* root) {
  TResourceStream source(text.data(), text.size());
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  TReader reader(&binary);
  reader.ReadRootComponent(root);
}

std::string WriteText(TComponent* root) {
  TMemoryStream binary;
  {
    TWriter writer(&binary);
    writer.WriteRootComponent(root);
  }
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

TEST_F(XwSpinEditTest, TheGearFieldsLoadWithoutAChange) {
  RegisterXwSpinClasses();
  EXPECT_EQ(GetClass("TXwSpinEdit"), TXwSpinEdit::Class());
  const char* const texts[] = {"1", "1.00"};
  for (int i = 0; i < 2; ++i) {
    TSpinField field;
    field.Changes = 0;
    ReadText(GearFields[i], &field.Edit);
    EXPECT_EQ(field.Edit.GetText(), texts[i]);
    EXPECT_EQ(field.Changes, 0);
    EXPECT_TRUE(field.Edit.GetCheckMinValue());
    EXPECT_TRUE(field.Edit.GetCheckMaxValue());
    // What the recalculation reads: the platform's plain conversions.
    EXPECT_EQ(StrToFloat(field.Edit.GetText()), 1.0);
    // After loading, typing the same limits works as for a built field.
    FocusIn(field.Entry());
    field.SelectAll();
    Type(field.Entry(), "0");
    EXPECT_EQ(field.Edit.GetValue(), 1.0L);
    EXPECT_EQ(field.Changes, 0);  // still 1: no change
  }
}

TEST_F(XwSpinEditTest, DefaultsAreNotWritten) {
  TXwSpinEdit edit(nullptr);
  edit.SetName("Spin");
  const std::string plain = WriteText(&edit);
  for (const char* name :
       {"Value", "ValueType", "MinValue", "MaxValue", "CheckMinValue", "CheckOptions", "Increment",
        "Decimal", "ArrowKeys", "ButtonKind", "Color"})
    EXPECT_EQ(plain.find(std::string("  ") + name + " ="), std::string::npos) << name << "\n"
                                                                              << plain;
  MakeRadio(edit);
  const std::string radio = WriteText(&edit);
  for (const char* entry : {"Value = 1", "ValueType = vtFloat", "Increment = 0.01", "MinValue = 1",
                            "MaxValue = 100000000"})
    EXPECT_NE(radio.find(entry), std::string::npos) << entry << "\n" << radio;
  // A limit set makes its check flag one to write.
  EXPECT_NE(radio.find("CheckMinValue = True"), std::string::npos) << radio;
}

}  // namespace
