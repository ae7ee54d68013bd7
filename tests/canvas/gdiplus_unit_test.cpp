// Start-up and shut-down of the drawing layer and the default classes.
#include <gtest/gtest.h>

#include "canvas/zr_filter_gdiplus.h"
#include "canvas/zr_gdiplus_unit.h"
#include "canvas_fixture.h"
#include "platform/gdiplus/GdiPlusStartup.h"
#include "scene/zr_filter.h"

namespace {

TEST(GdiPlusUnit, StartsOnceAndStopsOnce) {
  ASSERT_TRUE(GdiPlusLoaded());  // started by the test environment
  EXPECT_EQ(InitGDIP(), Gdiplus::Ok);
  FreeGDIP();  // one shut-down undoes the one start
  EXPECT_FALSE(GdiPlusLoaded());
  EXPECT_FALSE(Gdiplus::GdiplusIsRunning());
  FreeGDIP();  // nothing loaded: nothing happens
  EXPECT_EQ(InitGDIP(), Gdiplus::Ok);
  EXPECT_TRUE(GdiPlusLoaded());
  EXPECT_TRUE(Gdiplus::GdiplusIsRunning());
}

TEST(GdiPlusUnit, InitialisationSelectsTheDefaultClasses) {
  EXPECT_EQ(DefaultCanvasClass, TzrCanvasGdiPlus::ClassRef());
  EXPECT_EQ(DefaultPrinterCanvasClass, TzrCanvasGdiPlus::ClassRef());
  EXPECT_EQ(DefaultFilterClass, TzrFilterGdiPlus::Class());
  EXPECT_EQ(zrFilterFileTypes(DefaultFilterClass),
            "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico");
  // a canvas class chosen before stays chosen
  static const TzrCanvasClassRec other = {"TOtherCanvas", nullptr, nullptr, nullptr};
  DefaultCanvasClass = &other;
  InitializeCanvasGdiPlus();
  EXPECT_EQ(DefaultCanvasClass, &other);
  EXPECT_EQ(DefaultPrinterCanvasClass, TzrCanvasGdiPlus::ClassRef());
  DefaultCanvasClass = TzrCanvasGdiPlus::ClassRef();
}

}  // namespace
