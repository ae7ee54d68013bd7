// Pictures for looking at, in build/gallery/: extra_calendars_en.png and
// extra_calendars_zh.png (a calendar, one with week numbers and Sunday
// first, an open calendar box and an open calendar text box, in the
// English and the Chinese locale) and extra_controls.png (an image viewer,
// a magnified dock bar, a drop target with a drag over it, iPhone buttons
// normal, hovered and pressed). Each also checks that the controls drew.

#include "controls/zr_calendar.h"
#include "controls/zr_calendar_box.h"
#include "controls/zr_calendar_text_box.h"
#include "controls/zr_dock_bar.h"
#include "controls/zr_drop_target.h"
#include "controls/zr_image_viewer.h"
#include "controls/zr_iphone_button.h"
#include "controls/zr_objects.h"
#include "scene/zr_bitmap.h"
#include "tests/controls/controls_fixture.h"
#include "tests/extra_controls/locale_guard.h"

namespace {

constexpr TzrColor Backdrop = 0xFF2B2B2B;

class ExtraGallery : public ControlsTest {
 protected:
  void Calendars(const char* Locale, const std::string& Picture) {
    TLocaleGuard locale(Locale);
    SKIP_WITHOUT_LOCALE(locale, Locale);
    GalleryCanvas(640, 400, Backdrop);
    auto* plain = Make<TzrCalendar>(10, 10);
    plain->SetDate(EncodeDate(2021, 3, 17));
    auto* weeks = Make<TzrCalendar>(210, 10);
    weeks->SetBounds(210, 10, 205, 160);
    weeks->SetFirstDayOfWeek(zrSunday);
    weeks->SetWeekNumbers(true);
    weeks->SetDate(EncodeDate(2021, 1, 8));
    auto* box = Make<TzrCalendarBox>(10, 190);
    box->SetWidth(130);
    box->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
    box->SetDate(EncodeDate(2024, 2, 29));
    auto* text = Make<TzrCalendarTextBox>(430, 10);
    text->SetWidth(130);
    text->GetPopup()->SetPlacementScene(zrPlacementSceneTarget);
    text->SetDate(EncodeDate(2026, 12, 11));
    Show();
    box->DropDown();
    text->DropDown();
    SaveGalleryPicture(Picture);
    for (TzrVisualObject* c : std::initializer_list<TzrVisualObject*>{plain, weeks, box, text})
      EXPECT_TRUE(DrawnOver(c, Backdrop));
    ASSERT_TRUE(box->GetPopup()->GetIsOpen());
    EXPECT_TRUE(DrawnOver(box->GetCalendar(), Backdrop));
    EXPECT_TRUE(DrawnOver(text->GetCalendar(), Backdrop));
  }
};

TEST_F(ExtraGallery, CalendarsInEnglish) { Calendars("en_US.UTF-8", "extra_calendars_en"); }

TEST_F(ExtraGallery, CalendarsInChinese) { Calendars("zh_CN.UTF-8", "extra_calendars_zh"); }

// A picture of rings and stripes, so that zoom and centring show.
void Paint(TzrBitmap* B) {
  for (int y = 0; y < B->GetHeight(); ++y) {
    TzrColor* row = B->GetScanline(y);
    for (int x = 0; x < B->GetWidth(); ++x) {
      const int d = ((x - 60) * (x - 60) + (y - 40) * (y - 40)) / 90;
      const uint32_t r = (d % 2) ? 0xE0 : 0x40, g = uint32_t(x * 2 % 256), b = 0xC0;
      row[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
  }
  B->BitmapChanged();
}

TEST_F(ExtraGallery, ExtraControls) {
  GalleryCanvas(640, 330, Backdrop);
  auto* viewer = Make<TzrImageViewer>(10, 10);
  viewer->SetBounds(10, 10, 200, 160);
  viewer->SetShowBackground(true);
  viewer->GetBackgroundFill()->SetSolidColor(0xFFFFFFFF);
  viewer->GetBitmap()->SetSize(120, 80);
  Paint(viewer->GetBitmap());
  viewer->SetBitmapScale(1.2f);
  auto* zoomed = Make<TzrImageViewer>(220, 10);
  zoomed->SetBounds(220, 10, 160, 160);
  zoomed->GetBitmap()->SetSize(120, 80);
  Paint(zoomed->GetBitmap());
  zoomed->SetBitmapScale(3);

  auto* dock = Make<TzrDockBar>(10, 190);
  dock->SetBounds(10, 190, 370, 110);
  const TzrColor colours[] = {0xFFE05050, 0xFFE0A040, 0xFF50C060, 0xFF4090E0, 0xFFA060D0};
  for (int i = 0; i < 5; ++i) {
    auto* icon = new TzrRoundRect(&Owner);
    icon->GetFill()->SetSolidColor(colours[i]);
    icon->SetBounds(i * 40.f, 0, 32, 32);
    icon->SetParent(dock);
  }
  dock->Realign();
  dock->MouseMove(0, 185 - 10, 90, 0, 0);  // over the middle icon

  auto* target = Make<TzrDropTarget>(400, 10);
  target->SetText(u"Drop here / 拖到这里");
  auto* idle = Make<TzrDropTarget>(520, 10);
  idle->SetText(u"Drop here");
  std::vector<TzrIPhoneButton*> buttons;
  for (int i = 0; i < 3; ++i) {
    auto* b = Make<TzrIPhoneButton>(400 + i * 75.f, 180);
    b->SetText(i == 0 ? u"Normal" : i == 1 ? u"悬停" : u"Pressed");
    b->GetBackground()->SetSolidColor(colours[i + 2]);
    buttons.push_back(b);
  }
  Show();
  TzrDragObject data;
  data.Files = {u"/tmp/picture.png"};
  target->DragEnter(data, {60, 60});
  buttons[1]->MouseEnter();
  buttons[2]->MouseEnter();
  Press(buttons[2], 30, 30);
  SaveGalleryPicture("extra_controls");
  for (TzrVisualObject* c : std::initializer_list<TzrVisualObject*>{viewer, zoomed, dock, target})
    EXPECT_TRUE(DrawnOver(c, Backdrop));
  for (TzrIPhoneButton* b : buttons) EXPECT_TRUE(DrawnOver(b, Backdrop));
  EXPECT_TRUE(target->GetIsDragOver());
}

}  // namespace
