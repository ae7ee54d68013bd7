#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/rtl/UserSettings.h"

namespace {

// Points XDG_CONFIG_HOME and HOME at a private folder for one test.
class UserSettingsFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder =
        std::filesystem::temp_directory_path() / ("esctool-settings-" + std::to_string(getpid()));
    std::filesystem::create_directories(FFolder / "config/esctool");
    Save("XDG_CONFIG_HOME", FOldConfig);
    Save("HOME", FOldHome);
    setenv("XDG_CONFIG_HOME", (FFolder / "config").c_str(), 1);
    setenv("HOME", FFolder.c_str(), 1);
  }
  void TearDown() override {
    Restore("XDG_CONFIG_HOME", FOldConfig);
    Restore("HOME", FOldHome);
    std::filesystem::remove_all(FFolder);
  }
  void Write(const std::string& text) {
    std::ofstream(FFolder / "config/esctool/settings.ini", std::ios::binary) << text;
  }

  std::filesystem::path FFolder;

 private:
  static void Save(const char* name, std::pair<bool, std::string>& old) {
    const char* value = std::getenv(name);
    old = {value != nullptr, value ? value : ""};
  }
  static void Restore(const char* name, const std::pair<bool, std::string>& old) {
    if (old.first)
      setenv(name, old.second.c_str(), 1);
    else
      unsetenv(name);
  }
  std::pair<bool, std::string> FOldConfig, FOldHome;
};

}  // namespace

TEST_F(UserSettingsFolder, FileFollowsXdgConfigHomeElseHome) {
  EXPECT_EQ(TUserSettings::DefaultFileName(), (FFolder / "config/esctool/settings.ini").string());
  setenv("XDG_CONFIG_HOME", "relative/folder", 1);  // not absolute: ignored
  EXPECT_EQ(TUserSettings::DefaultFileName(), (FFolder / ".config/esctool/settings.ini").string());
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(TUserSettings::DefaultFileName(), (FFolder / ".config/esctool/settings.ini").string());
}

TEST_F(UserSettingsFolder, LooksValuesUpByKeyPathAndName) {
  Write(
      "\xEF\xBB\xBF; comment\r\n"
      "[Software\\Vendor\\Chart]\r\n"
      "DefaultCanvas = TPlotCanvas3D\r\n"
      "DefaultPalette=2\r\n"
      "DefaultPalette=5\r\n"
      "no equals sign\r\n"
      "Hex=$10\r\n"
      "[Other]\n"
      "Word=\xE7\x94\xB5\n");
  const TUserSettings settings;
  EXPECT_TRUE(settings.KeyExists("software/vendor/chart/"));
  EXPECT_FALSE(settings.KeyExists("Software\\Vendor"));
  EXPECT_EQ(settings.ReadString("\\SOFTWARE\\Vendor\\Chart", "defaultcanvas", "x"),
            "TPlotCanvas3D");
  EXPECT_EQ(settings.ReadInteger("Software\\Vendor\\Chart", "DefaultPalette", -1), 2);
  EXPECT_EQ(settings.ReadInteger("Software\\Vendor\\Chart", "Hex", -1), 16);
  EXPECT_EQ(settings.ReadInteger("Software\\Vendor\\Chart", "DefaultCanvas", -1), -1);
  EXPECT_FALSE(settings.ValueExists("Other", "DefaultPalette"));
  EXPECT_EQ(settings.ReadString("Other", "Word", ""), "\xE7\x94\xB5");
  EXPECT_EQ(settings.ReadString("Missing", "Word", "fallback"), "fallback");
}

TEST_F(UserSettingsFolder, MissingFileGivesDefaults) {
  const TUserSettings settings;
  EXPECT_FALSE(settings.KeyExists("Software"));
  EXPECT_EQ(settings.ReadInteger("Software", "x", 7), 7);
}

TEST(OSVersion, ComesFromUname) {
  const TOSVersion version = GetOSVersion();
  EXPECT_EQ(version.Name.rfind("Linux ", 0), 0u) << version.Name;
  EXPECT_GE(version.Major, 2);
}
