// The month calendar: the 42 cells of a month for a fixed first weekday,
// the weekday row, week numbers, the day, month, year and wheel changes
// (a chosen month without the shown day shows its last day), and the two
// date boxes around it.

#include <clocale>
#include <string>

#include "controls/zr_calendar.h"
#include "controls/zr_calendar_box.h"
#include "controls/zr_calendar_text_box.h"
#include "controls/zr_labels.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_strings.h"
#include "tests/controls/controls_fixture.h"
#include "tests/extra_controls/locale_guard.h"

namespace {

class CalendarTest : public ControlsTest {
 protected:
  TzrCalendar* Calendar(int Y, int M, int D, TzrCalDayOfWeek First = zrMonday) {
    auto* cal = Make<TzrCalendar>(0, 0);
    cal->SetFirstDayOfWeek(First);
    cal->SetDate(EncodeDate(Y, M, D));
    cal->OnChange = [this](TObject*) { ++Changes; };
    cal->OnDayChange = [this](TObject*) { ++DayChanges; };
    return cal;
  }
  static std::string Cell(TzrCalendar* C, int I) {
    return UTF16ToUTF8(C->GetDays()->ItemByIndex(I)->GetText());
  }
  static bool Grey(TzrCalendar* C, int I) { return C->GetDays()->ItemByIndex(I)->GetOpacity() < 1; }
  static std::string Label(TzrGridLayout* Row, int I) {
    return UTF16ToUTF8(static_cast<TzrLabel*>(Row->GetChild(I))->GetText());
  }
  // The cell of day D of the shown month, whatever the first weekday.
  static int CellOf(TzrCalendar* C, int D) {
    return D + C->GetDays()->GetTag() - 2 - C->GetFirstDayOfWeekNum();
  }
  static std::string Ymd(TDateTime D) {
    uint16_t y, m, d;
    DecodeDate(D, y, m, d);
    return std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d);
  }

  int Changes = 0;
  int DayChanges = 0;
};

struct MonthCase {
  int Year, Month;
  TzrCalDayOfWeek First;
  int Leading, Days, Trailing;
  const char* FirstCell;
};

TEST_F(CalendarTest, CellsShowTheNeighbouringMonthsGrey) {
  const MonthCase cases[] = {
      // A 31-day month beginning on the first weekday: a whole grey row first.
      {2021, 3, zrMonday, 7, 31, 4, "22"},
      // A common February beginning on the first weekday.
      {2021, 2, zrMonday, 7, 28, 7, "25"},
      // A 31-day month whose first lies six columns on.
      {2021, 8, zrMonday, 6, 31, 5, "26"},
      {2021, 8, zrSunday, 7, 31, 4, "25"},
      // The previous month of January is December.
      {2022, 1, zrMonday, 5, 31, 6, "27"},
  };
  for (const MonthCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Year) + "-" + std::to_string(c.Month));
    TzrCalendar* cal = Calendar(c.Year, c.Month, 15, c.First);
    EXPECT_EQ(cal->GetDays()->GetCount(), 42);
    EXPECT_EQ(Cell(cal, 0), c.FirstCell);
    for (int i = 0; i < 42; ++i) {
      const bool inMonth = i >= c.Leading && i < c.Leading + c.Days;
      EXPECT_EQ(Grey(cal, i), !inMonth) << i;
      if (inMonth) EXPECT_EQ(Cell(cal, i), std::to_string(i - c.Leading + 1)) << i;
    }
    EXPECT_EQ(42 - c.Leading - c.Days, c.Trailing);
    EXPECT_EQ(Cell(cal, c.Leading + c.Days), "1") << "next month from its first";
    EXPECT_EQ(cal->GetDays()->GetItemIndex(), c.Leading + 14) << "the 15th is selected";
  }
}

TEST_F(CalendarTest, WeekdayRowStartsWithTheFirstWeekday) {
  TzrCalendar* cal = Calendar(2021, 3, 1, zrSunday);
  EXPECT_EQ(cal->GetFirstDayOfWeekNum(), 0);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(Label(cal->GetWeek(), i), LocaleShortDayName(i + 1));
  cal->SetFirstDayOfWeek(zrMonday);
  EXPECT_EQ(cal->GetFirstDayOfWeekNum(), 1);
  EXPECT_EQ(Label(cal->GetWeek(), 0), LocaleShortDayName(2));
  EXPECT_EQ(Label(cal->GetWeek(), 6), LocaleShortDayName(1));
  EXPECT_NE(LocaleShortDayName(1), LocaleShortDayName(2));
}

TEST_F(CalendarTest, LocaleDefaultTakesTheLocalesFirstWeekdayAndNames) {
  struct {
    const char* Locale;
    int FirstNum;
    const char* Monday;
    const char* March;
  } cases[] = {{"en_US.UTF-8", 0, "Mon", "March"}, {"zh_CN.UTF-8", 1, "一", "三月"}};
  for (const auto& c : cases) {
    TLocaleGuard locale(c.Locale);
    SKIP_WITHOUT_LOCALE(locale, c.Locale);
    TzrCalendar* cal = Calendar(2021, 3, 1, zrLocaleDefault);
    EXPECT_EQ(cal->GetFirstDayOfWeekNum(), c.FirstNum) << c.Locale;
    EXPECT_EQ(Label(cal->GetWeek(), (1 - c.FirstNum + 7) % 7), c.Monday) << c.Locale;
    EXPECT_EQ(UTF16ToUTF8(cal->GetMonths()->GetText()), c.March) << c.Locale;
  }
}

TEST_F(CalendarTest, WeekNumbersCountFromMonday) {
  struct {
    int Year, Month;
    const char* Rows[6];
  } cases[] = {
      // 1 January 2021 is a Friday: week 0, shown as 52.
      {2021, 1, {"52", "1", "2", "3", "4", "5"}},
      {2021, 3, {"9", "10", "11", "12", "13", "14"}},
      // 1 January 2020 is a Wednesday: weeks past 52 start again.
      {2020, 12, {"49", "50", "51", "52", "1", "2"}},
  };
  for (const auto& c : cases) {
    TzrCalendar* cal = Calendar(c.Year, c.Month, 1);
    EXPECT_FALSE(cal->GetWeeks()->GetVisible());
    const float left = cal->GetDays()->GetPosition()->GetX();
    cal->SetWeekNumbers(true);
    EXPECT_TRUE(cal->GetWeeks()->GetVisible());
    EXPECT_EQ(cal->GetDays()->GetPosition()->GetX(), left + 23) << "the column pushes the cells";
    for (int r = 0; r < 6; ++r) EXPECT_EQ(Label(cal->GetWeeks(), r), c.Rows[r]) << c.Month << r;
  }
}

TEST_F(CalendarTest, ChoosingADayChangesTheDateAndGreyCellsKeepIt) {
  TzrCalendar* cal = Calendar(2021, 3, 10);
  EXPECT_EQ(DayChanges, 0) << "filling the cells is silent";
  cal->GetDays()->SetItemIndex(7 + 14);
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-3-15");
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(DayChanges, 1);
  cal->GetDays()->SetItemIndex(40);  // a grey day of April
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-3-15");
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(DayChanges, 2) << "still reported";
  cal->GetDays()->SetItemIndex(2);  // a grey day of February
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-3-15");
  cal->SetDate(EncodeDate(2021, 3, 20));
  EXPECT_EQ(DayChanges, 3) << "a date set in code does not report a day change";
}

TEST_F(CalendarTest, WheelAndButtonsStepByMonths) {
  TzrCalendar* cal = Calendar(2021, 3, 31);
  bool handled = false;
  cal->MouseWheel(0, 120, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-2-28") << "up shows the month before";
  handled = false;
  cal->MouseWheel(0, -120, handled);
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-3-28");
  cal->GetNext()->Click();
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-4-28");
  cal->GetPrev()->Click();
  cal->GetPrev()->Click();
  cal->GetPrev()->Click();
  cal->GetPrev()->Click();
  EXPECT_EQ(Ymd(cal->GetDate()), "2020-12-28") << "across the year";
  EXPECT_EQ(UTF16ToUTF8(cal->GetYears()->GetText()), "2020");
  EXPECT_EQ(cal->GetMonths()->GetItemIndex(), 11);
  EXPECT_EQ(DayChanges, 0);
}

TEST_F(CalendarTest, AChosenMonthOrYearWithoutTheDayShowsItsLastDay) {
  TzrCalendar* cal = Calendar(2021, 3, 31);
  cal->GetMonths()->SetItemIndex(3);  // April
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-4-30");
  cal->GetMonths()->SetItemIndex(0);
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-1-30");
  cal->SetDate(EncodeDate(2020, 2, 29));
  cal->GetYears()->SetItemIndex(11);  // 2021
  EXPECT_EQ(Ymd(cal->GetDate()), "2021-2-28");
  EXPECT_EQ(cal->GetYears()->GetItems()->GetCount(), 21);
  EXPECT_EQ(UTF16ToUTF8(cal->GetYears()->GetItems()->Get(0)), "2011") << "rebuilt around 2021";
}

TEST_F(CalendarTest, DataIsTheDateAndTextsThatAreNoDatesAreIgnored) {
  TzrCalendar* cal = Calendar(2021, 3, 10);
  EXPECT_EQ(cal->GetData(), Variant::Date(EncodeDate(2021, 3, 10)));
  cal->SetData(Variant::Date(EncodeDate(2022, 7, 4)));
  EXPECT_EQ(Ymd(cal->GetDate()), "2022-7-4");
  cal->SetData("2023-05-06");
  EXPECT_EQ(Ymd(cal->GetDate()), "2023-5-6");
  cal->SetData("not a date");
  cal->SetData(int64_t(5));
  EXPECT_EQ(Ymd(cal->GetDate()), "2023-5-6");
}

TEST_F(CalendarTest, CalendarBoxShowsTheDateAndClosesOnADay) {
  auto* box = Make<TzrCalendarBox>(10, 10);
  box->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
  box->SetDate(EncodeDate(2021, 3, 10));
  EXPECT_EQ(UTF16ToUTF8(box->GetText()), DateTimeToLocaleStr(EncodeDate(2021, 3, 10)));
  Show();
  Press(box, 5, 5);
  Release(box, 5, 5);
  ASSERT_TRUE(box->GetPopup()->GetIsOpen());
  box->GetCalendar()->GetDays()->SetItemIndex(CellOf(box->GetCalendar(), 22));
  EXPECT_FALSE(box->GetPopup()->GetIsOpen()) << "choosing a day closes it";
  EXPECT_EQ(UTF16ToUTF8(box->GetText()), DateTimeToLocaleStr(EncodeDate(2021, 3, 22)));
}

TEST_F(CalendarTest, CalendarTextBoxTakesOnlyDateCharactersAndReportsChosenDates) {
  auto* box = Make<TzrCalendarTextBox>(10, 10);
  box->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
  int changes = 0;
  box->OnChange = [&](TObject*) { ++changes; };
  box->SetDate(EncodeDate(2021, 3, 10));
  Show();
  box->SetText(u"");
  Scene.SetFocused(box);
  for (char16_t c : std::u16string(u"1a2.3/4-5 x")) {
    uint16_t key = 0;
    box->KeyDown(key, c, 0);
  }
  EXPECT_EQ(UTF16ToUTF8(box->GetText()), "12.3/45");
  EXPECT_EQ(Ymd(box->GetDate()), "2021-3-10") << "typed text is not read back";

  box->GetCalendar()->SetDate(EncodeDate(2021, 3, 12));
  EXPECT_EQ(changes, 0) << "a closed calendar does not write the box";
  box->DropDown();
  ASSERT_TRUE(box->GetPopup()->GetIsOpen());
  changes = 0;  // the typed text may have been committed as the focus left
  box->GetCalendar()->GetDays()->SetItemIndex(CellOf(box->GetCalendar(), 25));
  EXPECT_FALSE(box->GetPopup()->GetIsOpen());
  EXPECT_EQ(UTF16ToUTF8(box->GetText()), DateTimeToLocaleStr(EncodeDate(2021, 3, 25)));
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(box->GetNeedChange());
}

}  // namespace
