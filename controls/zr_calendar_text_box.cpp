#include "controls/zr_calendar_text_box.h"

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_object.h"
#include "scene/zr_stream.h"

const TClassInfo* TzrCalendarTextBox::Class() {
  using T = TzrCalendarTextBox;
  static const TClassInfo* info = TClassDecl<T>("TzrCalendarTextBox", TzrCustomTextBox::Class())
                                      .Prop("Cursor", &T::GetCursor, &T::SetCursor)
                                      .Default(0)
                                      .Idents(CursorIdents())
                                      .Prop("Date", &T::GetDate, &T::SetDate);
  return info;
}

TzrCalendarTextBox::TzrCalendarTextBox(TComponent* AOwner) : TzrCustomTextBox(AOwner) {
  SetCursor(0);
  SetFilterChar(u"0123456789./");
  SetResource("combotextboxstyle");
  const TzrCalendarPopup parts = zrMakeCalendarPopup(this);
  FPopup = parts.Popup;
  FCalendar = parts.Calendar;
  FPopup->OnClosePopup = [this](TObject* Sender) { DoClosePopup(Sender); };
  FCalendar->OnChange = [this](TObject*) { CalendarChanged(); };
  ShowDate();
}

TzrCalendarTextBox::~TzrCalendarTextBox() {
  Destroying();
  if (FCalendar) FCalendar->OnChange = nullptr;
  if (FPopup) {
    FPopup->OnClosePopup = nullptr;
    FPopup->SetIsOpen(false);
  }
}

void TzrCalendarTextBox::Notification(TComponent* AComponent, TOperation Operation) {
  TzrCustomTextBox::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopup) FPopup = nullptr;
  if (AComponent == FCalendar) FCalendar = nullptr;
}

void TzrCalendarTextBox::ShowDate() {
  if (FCalendar) SetText(UTF8ToUTF16(DateTimeToLocaleStr(FCalendar->GetDate())));
}

void TzrCalendarTextBox::SetDate(TDateTime Value) {
  if (!FCalendar) return;
  FCalendar->SetDate(Value);
  ShowDate();
}

// A date chosen in the open calendar is the user's edit of the box.
void TzrCalendarTextBox::CalendarChanged() {
  if (!FPopup || !FPopup->GetIsOpen()) return;
  ShowDate();
  SetCaretPosition(int(GetText().size()));
  Change();
  FNeedChange = false;
  DropDown();
}

void TzrCalendarTextBox::DropDown() {
  if (!FPopup) return;
  if (FPopup->GetIsOpen()) return FPopup->ClosePopup();
  if (GetShowCaret()) HideCaret();
  FPopup->SetPlacement(FPlacement);
  FPopup->Popup();
}

void TzrCalendarTextBox::DoClosePopup(TObject*) {
  if (GetShowCaret() && GetIsFocused()) ShowCaretProc();
}

void TzrCalendarTextBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrCustomTextBox::MouseDown(Button, Shift, X, Y);
  if (watch.Freed() || Button != mbLeft) return;
  if (!zrPtInRect({X, Y}, ContentRect())) DropDown();
}
