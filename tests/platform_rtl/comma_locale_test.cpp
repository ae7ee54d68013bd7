// Number text must not follow the process locale. These tests switch the C
// and C++ locales to German (decimal comma) and check that nothing changes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <sstream>

#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"

namespace {

const char kLocaleName[] = "de_DE.UTF-8";

// Compiles the German locale into a private folder when the machine has no
// ready-made one, and points the C library at it (LOCPATH); no root needed.
bool MakeCommaLocaleAvailable(const std::filesystem::path& folder) {
  if (std::setlocale(LC_NUMERIC, kLocaleName)) return true;
  std::filesystem::create_directories(folder);
  const std::string command =
      "localedef -i de_DE -f UTF-8 '" + (folder / kLocaleName).string() + "' >/dev/null 2>&1";
  std::system(command.c_str());
  setenv("LOCPATH", folder.c_str(), 1);
  return std::setlocale(LC_NUMERIC, kLocaleName) != nullptr;
}

class CommaLocale : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { FAvailable = MakeCommaLocaleAvailable(Folder()); }
  static void TearDownTestSuite() {
    std::setlocale(LC_ALL, "C");
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
  }
  static std::filesystem::path Folder() {
    return std::filesystem::temp_directory_path() / ("esctool-locale-" + std::to_string(getpid()));
  }

  void SetUp() override {
    ASSERT_TRUE(FAvailable) << "no German locale: install the Debian package \"locales\"";
    ASSERT_TRUE(std::setlocale(LC_ALL, kLocaleName));
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    FOldGlobal = std::locale::global(std::locale(kLocaleName));
    std::ostringstream probe;
    probe << 1.5;
    ASSERT_EQ(probe.str(), "1,5");  // the C++ side really uses the comma now
  }

  void TearDown() override {
    std::locale::global(FOldGlobal);
    std::setlocale(LC_ALL, "C");
  }

  static inline bool FAvailable = false;
  std::locale FOldGlobal;
};

}  // namespace

TEST_F(CommaLocale, TextOfNumbersKeepsTheDot) {
  EXPECT_EQ(FloatToStr(1.5), "1.5");
  EXPECT_EQ(FloatToStr(-1234567.25), "-1234567.25");
  EXPECT_EQ(FloatToStr(2.5e-9), "2.5E-9");
  EXPECT_EQ(IntToStr(1234567), "1234567");
  EXPECT_EQ(Format("%.2f %n %e %g %d", {1234.5, 1234.5, 0.5, 0.25, 1234567}),
            "1234.50 1,234.50 5.00000000000000E-001 0.25 1234567");
}

TEST_F(CommaLocale, PicturesKeepTheDotAndTheirOwnGrouping) {
  struct TCase {
    const char* Format;
    long double Value;
    const char* Text;
  };
  const TCase cases[] = {
      {"0.##", 1234.5, "1234.5"},
      {"0.00", 1234.5, "1234.50"},
      {"#,##0.###", 2400000, "2,400,000"},
      {"#,##0.###", -1234.5678, "-1,234.568"},
      {"0.#", 0.25, "0.3"},
      {"#,##0", 1e20L, "100,000,000,000,000,000,000"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(FormatFloat(c.Format, c.Value), c.Text) << c.Format << " " << double(c.Value);
}

TEST_F(CommaLocale, ParsingKeepsTheDot) {
  EXPECT_DOUBLE_EQ(StrToFloat("1.25"), 1.25);
  EXPECT_DOUBLE_EQ(StrToFloat("-3.5e2"), -350);
  EXPECT_THROW(StrToFloat("1,25"), EConvertError);
  EXPECT_DOUBLE_EQ(StrToFloat("1,25", ','), 1.25);
  EXPECT_EQ(StrToInt("1234"), 1234);
}
