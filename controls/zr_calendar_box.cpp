#include "controls/zr_calendar_box.h"

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_object.h"
#include "scene/zr_stream.h"

const TClassInfo* TzrCalendarBox::Class() {
  using T = TzrCalendarBox;
  static const TClassInfo* info =
      TClassDecl<T>("TzrCalendarBox", TzrTextControl::Class())
          .Prop("CanFocused", &T::GetCanFocused, &T::SetCanFocused)
          .Default(true)
          .Prop("DisableFocusEffect", &T::GetDisableFocusEffect, &T::SetDisableFocusEffect)
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Default(-1)
          .Prop("Cursor", &T::GetCursor, &T::SetCursor)
          .Default(0)
          .Idents(CursorIdents())
          .Prop("Date", &T::GetDate, &T::SetDate)
          .Enum("TextAlign", &T::GetTextAlign, &T::SetTextAlign, zrTextAlignInfo())
          .Default(zrTextAlignNear);
  return info;
}

TzrCalendarBox::TzrCalendarBox(TComponent* AOwner) : TzrTextControl(AOwner) {
  SetCanFocused(true);
  SetCursor(0);
  SetTextAlign(zrTextAlignNear);
  SetResource("combotextboxstyle");
  const TzrCalendarPopup parts = zrMakeCalendarPopup(this);
  FPopup = parts.Popup;
  FCalendar = parts.Calendar;
  FPopup->OnClosePopup = [](TObject*) {};
  FCalendar->OnChange = [this](TObject*) { ShowDate(); };
  FCalendar->OnDayChange = [this](TObject*) {
    if (FPopup && FPopup->GetIsOpen()) FPopup->ClosePopup();
  };
  ShowDate();
  SetBounds(0, 0, 100, 22);
}

TzrCalendarBox::~TzrCalendarBox() {
  Destroying();
  if (FCalendar) {
    FCalendar->OnChange = nullptr;
    FCalendar->OnDayChange = nullptr;
  }
  if (FPopup) {
    FPopup->OnClosePopup = nullptr;
    FPopup->SetIsOpen(false);
  }
}

void TzrCalendarBox::Notification(TComponent* AComponent, TOperation Operation) {
  TzrTextControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopup) FPopup = nullptr;
  if (AComponent == FCalendar) FCalendar = nullptr;
}

void TzrCalendarBox::ShowDate() {
  if (FCalendar) SetText(UTF8ToUTF16(DateTimeToLocaleStr(FCalendar->GetDate())));
}

void TzrCalendarBox::SetDate(TDateTime Value) {
  if (!FCalendar) return;
  FCalendar->SetDate(Value);
  ShowDate();
}

void TzrCalendarBox::DropDown() {
  if (!FPopup) return;
  if (FPopup->GetIsOpen()) return FPopup->ClosePopup();
  FPopup->SetPlacement(FPlacement);
  FPopup->Popup();
}

void TzrCalendarBox::MouseDown(TMouseButton Button, TShiftState Shift, float X, float Y) {
  TzrFreeWatch watch(this);
  TzrTextControl::MouseDown(Button, Shift, X, Y);
  if (!watch.Freed() && Button == mbLeft) DropDown();
}

void TzrCalendarBox::ApplyStyle() {
  TzrTextControl::ApplyStyle();
  if (auto* content = dynamic_cast<TzrContent*>(FindResource("content")))
    content->OnPaint = [this](TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect) {
      DoContentPaint(Sender, Canvas, ARect);
    };
}

void TzrCalendarBox::DoContentPaint(TObject*, TzrCanvas* Canvas, const TzrRect& ARect) {
  if (GetText().empty()) return;
  TCanvasState state(Canvas);
  Canvas->GetFont()->Assign(GetFont());
  Canvas->GetFill()->Assign(GetFontFill());
  Canvas->FillText(ARect, ARect, GetText(), false, GetAbsoluteOpacity(), GetTextAlign(),
                   zrTextAlignCenter);
}
