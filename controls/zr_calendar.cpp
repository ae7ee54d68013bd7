#include "controls/zr_calendar.h"

#include <cmath>
#include <string>

#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_objects.h"
#include "controls/zr_objects_path.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_strings.h"

namespace {

constexpr int kCells = 42;

// Inner parts belong to the calendar: not streamed, not selectable.
template <class T>
T* Part(TzrCalendar* Owner, TzrVisualObject* Parent) {
  auto* part = new T(Owner);
  part->SetStored(false);
  part->SetLocked(true);
  part->SetParent(Parent);
  return part;
}

std::u16string Num(int Value) { return UTF8ToUTF16(std::to_string(Value)); }

// Runs a body with a counter raised, lowering it again on every exit.
struct TCountGuard {
  int& Count;
  explicit TCountGuard(int& ACount) : Count(ACount) { ++Count; }
  ~TCountGuard() { --Count; }
};

}  // namespace

const TEnumInfo& zrCalDayOfWeekInfo() {
  static const TEnumInfo info("TzrCalDayOfWeek",
                              {"zrMonday", "zrTuesday", "zrWednesday", "zrThursday", "zrFriday",
                               "zrSaturday", "zrSunday", "zrLocaleDefault"});
  return info;
}

int zrCalendarWeekNumber(TDateTime Date) {
  uint16_t y, m, d;
  DecodeDate(Date, y, m, d);
  const TDateTime j = EncodeDate(y, 1, 1);
  const int b = (DayOfWeek(j) + 1) % 7;
  return int(std::trunc((std::trunc(Date) - j + b - 3) / 7 + 1));
}

const TClassInfo* TzrCalendar::Class() {
  using T = TzrCalendar;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCalendar", TzrControl::Class())
          .Prop("BindingSource", &T::GetBindingSource, &T::SetBindingSource)
          .Prop("Date", &T::GetDate, &T::SetDate)
          .Enum("FirstDayOfWeek", &T::GetFirstDayOfWeek, &T::SetFirstDayOfWeek,
                zrCalDayOfWeekInfo())
          .Default(zrLocaleDefault)
          .Prop("TodayDefault", &T::GetTodayDefault, &T::SetTodayDefault)
          .Prop("WeekNumbers", &T::GetWeekNumbers, &T::SetWeekNumbers)
          .Event("OnChange", &T::OnChange)
          .Event("OnDayChange", &T::OnDayChange);
  return info;
}

TzrCalendar::TzrCalendar(TComponent* AOwner) : TzrControl(AOwner) {
  SetBounds(0, 0, 180, 160);
  FDateTime = Now();
  BuildHeader();
  BuildWeekRows();
  BuildDays();
  FillList();
}

void TzrCalendar::BuildHeader() {
  auto* header = Part<TzrLayout>(this, this);
  header->SetHeight(19);
  header->SetAlign(vaMostTop);
  header->GetPadding()->SetBottom(2);
  auto button = [&](float X, TNotifyEvent Click, TzrVisualObject* Glyph) {
    auto* b = Part<TzrButton>(this, header);
    b->GetPosition()->SetX(X);
    b->SetWidth(19);
    b->SetAlign(vaLeft);
    b->GetPadding()->SetRight(2);
    b->SetResource("transparentcirclebuttonstyle");
    b->SetRepeatClick(true);
    b->OnClick = std::move(Click);
    Glyph->SetBounds(0, 0, 5, 5);
    Glyph->SetAlign(vaCenter);
    Glyph->SetHitTest(false);
    Glyph->SetStored(false);
    Glyph->SetLocked(true);
    if (auto* shape = dynamic_cast<TzrShape*>(Glyph)) shape->GetStroke()->SetStyle(zrBrushNone);
    Glyph->SetParent(b);
    return b;
  };
  FPrev = button(
      0, [this](TObject* S) { DoPrevClick(S); }, new TzrScrollArrowLeft(this));
  FToday = button(
      30, [this](TObject* S) { DoTodayClick(S); }, new TzrEllipse(this));
  FNext = button(
      50, [this](TObject* S) { DoNextClick(S); }, new TzrScrollArrowRight(this));

  uint16_t y, m, d;
  DecodeDate(FDateTime, y, m, d);
  FMonths = Part<TzrPopupBox>(this, header);
  FMonths->SetAlign(vaClient);
  FMonths->GetPadding()->SetLeft(5);
  FMonths->GetPadding()->SetRight(5);
  FMonths->SetDisableFocusEffect(true);
  FMonths->SetResource("labelstyle");
  TzrWideStringList months;
  for (int i = 1; i <= 12; ++i) months.Add(UTF8ToUTF16(LocaleLongMonthName(i)));
  FMonths->SetItems(&months);
  FMonths->GetFont()->SetStyle(zrFontBold);
  FMonths->SetTextAlign(zrTextAlignFar);
  FMonths->SetItemIndex(m - 1);
  FMonths->OnChange = [this](TObject* S) { DoMonthChange(S); };

  FYears = Part<TzrPopupBox>(this, header);
  FYears->SetWidth(40);
  FYears->SetAlign(vaRight);
  FYears->SetDisableFocusEffect(true);
  FYears->SetResource("labelstyle");
  TzrWideStringList years;
  for (int i = y - 10; i <= y + 10; ++i) years.Add(Num(i));
  FYears->SetItems(&years);
  FYears->GetFont()->SetStyle(zrFontBold);
  FYears->SetTextAlign(zrTextAlignNear);
  FYears->SetItemIndex(10);
  FYears->OnChange = [this](TObject* S) { DoYearChange(S); };
}

void TzrCalendar::BuildWeekRows() {
  FWeek = Part<TzrGridLayout>(this, this);
  FWeek->SetHeight(19);
  FWeek->GetPosition()->SetY(20);
  FWeek->SetItemHeight(19);
  FWeek->SetAlign(vaTop);
  FWeek->GetPadding()->SetBottom(2);
  for (int i = 0; i < 7; ++i) {
    auto* label = Part<TzrLabel>(this, FWeek);
    label->SetTextAlign(zrTextAlignCenter);
    label->SetWordWrap(false);
  }
  FWeek->SetItemWidth(FWeek->GetWidth() / 7);

  FWeeks = Part<TzrGridLayout>(this, this);
  FWeeks->SetWidth(23);
  FWeeks->SetAlign(vaMostLeft);
  FWeeks->GetPadding()->SetTop(21);
  FWeeks->SetItemHeight(19);
  FWeeks->SetItemWidth(FWeeks->GetWidth());
  FWeeks->SetVisible(false);
  for (int i = 0; i < 6; ++i) {
    auto* label = Part<TzrLabel>(this, FWeeks);
    label->SetTextAlign(zrTextAlignCenter);
    label->SetWordWrap(false);
  }
}

void TzrCalendar::BuildDays() {
  FDays = Part<TzrListBox>(this, this);
  FDays->GetPosition()->SetY(50);
  FDays->SetHeight(114);
  FDays->SetAlign(vaTop);
  FDays->SetColumns(7);
  FDays->SetItemHeight(19);
  FDays->SetAlternatingRowBackground(true);
  FDays->SetHideSelectionUnfocused(false);
  FDays->SetShowScrollBars(false);
  FDays->SetResource("transparentlistboxstyle");
  FDays->OnChange = [this](TObject* S) { DoDayChange(S); };
  for (int i = 0; i < kCells; ++i) {
    auto* item = Part<TzrListBoxItem>(this, FDays);
    item->SetTextAlign(zrTextAlignFar);
    item->SetWordWrap(false);
  }
}

// ---------------------------------------------------------------- the cells

void TzrCalendar::FillList() {
  TCountGuard guard(FDisableDayChange);
  TCountGuard filling(FFilling);
  const int first =
      FFirstDayOfWeek == zrLocaleDefault ? LocaleFirstDayOfWeek() : int(FFirstDayOfWeek);
  FFirstDayOfWeekNum = (first + 8) % 7;
  for (int i = 0; i < 7 && i < FWeek->GetChildrenCount(); ++i)
    if (auto* label = dynamic_cast<TzrLabel*>(FWeek->GetChild(i)))
      label->SetText(UTF8ToUTF16(LocaleShortDayName((i + 7 + FFirstDayOfWeekNum) % 7 + 1)));

  uint16_t y, m, d;
  DecodeDate(FDateTime, y, m, d);
  const int days = DaysInAMonth(y, m);
  const int f = FFirstDayOfWeekNum;
  int offset = DayOfWeek(EncodeDate(y, m, 1));
  if (offset - f < 3) offset += 7;
  if (kCells - (days + offset - f) < 3) offset -= 7;
  FDays->SetTag(offset);
  FillCells(y, m, offset);
  FillWeekNumbers(EncodeDate(y, m, 1));

  FDays->SetItemIndex(d + offset - 2 - f);
  FMonths->SetItemIndex(m - 1);
  TzrWideStringList years;
  for (int i = y - 10; i <= y + 10; ++i) years.Add(Num(i));
  FYears->SetItems(&years);
  FYears->SetText(Num(y));
}

void TzrCalendar::FillCells(int Year, int Month, int Offset) {
  const int f = FFirstDayOfWeekNum;
  const int days = DaysInAMonth(Year, Month);
  // The previous month of January is December, whose 31 days the current
  // year's table gives as well.
  const int prevDays = DaysInAMonth(Year, Month == 1 ? 12 : Month - 1);
  auto cell = [this](int Index, float Opacity, int Text) {
    if (Index < 0 || Index >= kCells) return;
    TzrListBoxItem* item = FDays->ItemByIndex(Index);
    if (!item) return;
    item->SetOpacity(Opacity);
    item->SetText(Num(Text));
  };
  for (int i = 0; i < Offset; ++i) cell(i, 0.3f, prevDays - Offset + i + 2 + f);
  for (int d = 1; d <= days; ++d) cell(Offset + d - 2 - f, 1, d);
  for (int k = days + Offset; k <= kCells + f; ++k) cell(k - 1 - f, 0.3f, k - Offset - days + 1);
}

void TzrCalendar::FillWeekNumbers(TDateTime First) {
  if (FWeeks->GetVisible() != FWeekNumbers) {
    // The column takes its place beside the cells, or gives it back.
    FWeeks->SetVisible(FWeekNumbers);
    Realign();
  }
  if (!FWeekNumbers) return;
  const int w = zrCalendarWeekNumber(First);
  for (int r = 0; r < 6 && r < FWeeks->GetChildrenCount(); ++r) {
    auto* label = dynamic_cast<TzrLabel*>(FWeeks->GetChild(r));
    if (!label) continue;
    int n = w + r;
    if (w + r == 0)
      n = 52;
    else if (w == 0)
      n = r;
    else if (w + r > 52)
      n = w + r - 52;
    label->SetText(Num(n));
  }
}

// ---------------------------------------------------------------- the date

void TzrCalendar::SetDate(TDateTime Value) {
  TCountGuard guard(FDisableDayChange);
  const TDateTime before = FDateTime;
  try {
    SetDateTime(ReplaceTime(Value, FDateTime));
  } catch (...) {
    // The cells show the date that was there before.
    FDateTime = before;
    FillList();
    throw;
  }
}

void TzrCalendar::SetDateTime(TDateTime Value) {
  if (Value == FDateTime) return;
  FDateTime = Value;
  FillList();
  if (!GetBindingObjects().empty()) ToBindingObjects();
  if (OnChange) OnChange(this);
}

void TzrCalendar::SetFirstDayOfWeek(TzrCalDayOfWeek Value) {
  if (FFirstDayOfWeek == Value) return;
  FFirstDayOfWeek = Value;
  FillList();
}

void TzrCalendar::SetWeekNumbers(bool Value) {
  if (FWeekNumbers == Value) return;
  FWeekNumbers = Value;
  FillList();
}

void TzrCalendar::SetTodayDefault(bool Value) {
  FTodayDefault = Value;
  if (Value) SetDate(Now());
}

TDateTime TzrCalendar::DateInMonth(int Year, int Month) const {
  uint16_t y, m, d;
  DecodeDate(FDateTime, y, m, d);
  return EncodeDate(Year, Month, std::min<int>(d, DaysInAMonth(Year, Month)));
}

void TzrCalendar::FireDayChange() {
  if (OnDayChange && FDisableDayChange == 0) OnDayChange(this);
}

void TzrCalendar::DoPrevClick(TObject*) { SetDate(IncMonth(FDateTime, -1)); }

void TzrCalendar::DoNextClick(TObject*) { SetDate(IncMonth(FDateTime, 1)); }

void TzrCalendar::DoTodayClick(TObject*) {
  SetDate(Now());
  FireDayChange();
}

void TzrCalendar::DoMonthChange(TObject*) {
  if (FFilling > 0) return;
  uint16_t y, m, d;
  DecodeDate(FDateTime, y, m, d);
  SetDateTime(DateInMonth(y, FMonths->GetItemIndex() + 1));
}

void TzrCalendar::DoYearChange(TObject*) {
  if (FFilling > 0) return;
  uint16_t y, m, d;
  DecodeDate(FDateTime, y, m, d);
  SetDateTime(DateInMonth(StrToInt(UTF16ToUTF8(FYears->GetText())), m));
}

void TzrCalendar::DoDayChange(TObject*) {
  uint16_t y, m, dd;
  DecodeDate(FDateTime, y, m, dd);
  const int d = FDays->GetItemIndex() + FFirstDayOfWeekNum - FDays->GetTag() + 2;
  if (d >= 1 && d <= DaysInAMonth(y, m)) SetDateTime(EncodeDate(y, m, d));
  FireDayChange();
}

void TzrCalendar::MouseWheel(TShiftState Shift, int WheelDelta, bool& Handled) {
  TzrControl::MouseWheel(Shift, WheelDelta, Handled);
  if (Handled) return;
  SetDate(IncMonth(FDateTime, WheelDelta > 0 ? -1 : 1));
  Handled = true;
}

void TzrCalendar::Realign() {
  TzrControl::Realign();
  if (FWeek) FWeek->SetItemWidth(FWeek->GetWidth() / 7 - 0.1f);
}

Variant TzrCalendar::GetData() { return Variant::Date(FDateTime); }

void TzrCalendar::SetData(const Variant& Value) {
  if (Value.VarType() == varDate) return SetDate(Value.ToDouble());
  if (!Value.IsText()) return;
  TDateTime date = 0;
  if (TryStrToDateTime(Value.ToString(), date)) SetDate(date);
}
