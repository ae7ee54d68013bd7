#pragma once
// TzrCalendar: a month calendar made of toolkit controls. A header with
// previous, today and next buttons, month and year choosers, a row of the
// locale's short day names, an optional column of week numbers and 42 day
// cells (7 columns); days of the neighbouring months are shown grey.
//
// Month and day names and the first weekday come from the C library's
// LC_TIME locale. Choosing a month or year in which the shown day does not
// exist (April while 31 March is shown) shows the last day of that month.

#include "controls/zr_buttons.h"
#include "controls/zr_grid_layout.h"
#include "controls/zr_listbox.h"
#include "controls/zr_popup_buttons.h"
#include "platform/rtl/DateUtils.h"
#include "scene/zr_control.h"

enum TzrCalDayOfWeek {
  zrMonday,
  zrTuesday,
  zrWednesday,
  zrThursday,
  zrFriday,
  zrSaturday,
  zrSunday,
  zrLocaleDefault
};
const TEnumInfo& zrCalDayOfWeekInfo();

class TzrCalendar : public TzrControl {
 public:
  explicit TzrCalendar(TComponent* AOwner);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TDateTime GetDate() const { return FDateTime; }
  // Shows the date, keeping the current time of day.
  void SetDate(TDateTime Value);
  TDateTime GetDateTime() const { return FDateTime; }
  // Stores a new value, fills the cells, feeds bound controls and fires
  // OnChange; an equal value does nothing.
  void SetDateTime(TDateTime Value);
  TzrCalDayOfWeek GetFirstDayOfWeek() const { return FFirstDayOfWeek; }
  void SetFirstDayOfWeek(TzrCalDayOfWeek Value);
  bool GetTodayDefault() const { return FTodayDefault; }
  void SetTodayDefault(bool Value);
  bool GetWeekNumbers() const { return FWeekNumbers; }
  void SetWeekNumbers(bool Value);

  // The resolved first weekday, 0 = Sunday ... 6 = Saturday.
  int GetFirstDayOfWeekNum() const { return FFirstDayOfWeekNum; }
  TzrListBox* GetDays() const { return FDays; }
  TzrGridLayout* GetWeek() const { return FWeek; }
  TzrGridLayout* GetWeeks() const { return FWeeks; }
  TzrPopupBox* GetMonths() const { return FMonths; }
  TzrPopupBox* GetYears() const { return FYears; }
  TzrButton* GetPrev() const { return FPrev; }
  TzrButton* GetToday() const { return FToday; }
  TzrButton* GetNext() const { return FNext; }

  void MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) override;
  void Realign() override;
  Variant GetData() override;
  // A date, or a text that reads as a date and time; anything else is
  // ignored.
  void SetData(const Variant& Value) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnDayChange;

 private:
  void BuildHeader();
  void BuildWeekRows();
  void BuildDays();
  void FillList();
  void FillCells(int Year, int Month, int Offset);
  void FillWeekNumbers(TDateTime First);
  void DoPrevClick(TObject* Sender);
  void DoNextClick(TObject* Sender);
  void DoTodayClick(TObject* Sender);
  void DoMonthChange(TObject* Sender);
  void DoYearChange(TObject* Sender);
  void DoDayChange(TObject* Sender);
  // The date of Year, Month and the shown day, that day lowered to the
  // month's last where the month is shorter.
  TDateTime DateInMonth(int Year, int Month) const;
  void FireDayChange();

  TDateTime FDateTime = 0;
  TzrListBox* FDays = nullptr;
  TzrButton* FToday = nullptr;
  TzrButton* FPrev = nullptr;
  TzrButton* FNext = nullptr;
  TzrPopupBox* FMonths = nullptr;
  TzrPopupBox* FYears = nullptr;
  TzrGridLayout* FWeeks = nullptr;
  TzrCalDayOfWeek FFirstDayOfWeek = zrLocaleDefault;
  int FFirstDayOfWeekNum = 0;
  TzrGridLayout* FWeek = nullptr;
  bool FTodayDefault = false;
  bool FWeekNumbers = false;
  int FDisableDayChange = 0;
  // Raised while the cells and choosers are filled: the choosers' change
  // events are the calendar's own echo then.
  int FFilling = 0;
};

// Week number of a date, weeks counted from Monday: 1 January is in week 1
// when it falls on Monday to Thursday and in week 0 otherwise.
int zrCalendarWeekNumber(TDateTime Date);
