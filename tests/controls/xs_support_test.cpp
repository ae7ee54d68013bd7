// The support library: character routines, the critical section shared by
// racing threads, and options read as registry values from a settings file.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <thread>
#include <vector>

#include "controls/XsBase.h"
#include "controls/XsRegistry.h"
#include "controls/XsSynch.h"
#include "platform/rtl/UserSettings.h"

namespace {

TEST(XsBase, CharacterRoutines) {
  EXPECT_EQ(StrCharCount("", '.'), 0u);
  EXPECT_EQ(StrCharCount("1.2.3", '.'), 2u);
  EXPECT_EQ(StrCharCount("abc", '.'), 0u);
  EXPECT_TRUE(CharIsReturn('\r'));
  EXPECT_TRUE(CharIsReturn('\n'));
  EXPECT_FALSE(CharIsReturn('\t'));
  EXPECT_EQ(DecimalSeparator(), '.');
  EXPECT_EQ(ThousandSeparator(), ',');
}

TEST(XsBase, SystemVersionComparesMajorThenMinor) {
  TOSVersion v = GetOSVersion();
  ASSERT_GT(v.Major, 0);
  EXPECT_TRUE(IsSystemVersionAtLeast(v.Major, v.Minor));
  EXPECT_TRUE(IsSystemVersionAtLeast(v.Major - 1, v.Minor + 50));
  EXPECT_FALSE(IsSystemVersionAtLeast(v.Major, v.Minor + 1));
  EXPECT_FALSE(IsSystemVersionAtLeast(v.Major + 1, 0));
}

TEST(XsBase, MemoryAndModules) {
  char bytes[4] = {1, 2, 3, 4};
  ResetMemory(bytes, -1);
  EXPECT_EQ(bytes[0], 1);
  ResetMemory(bytes, 3);
  EXPECT_EQ(bytes[2], 0);
  EXPECT_EQ(bytes[3], 4);

  std::string self = GetModulePath(nullptr);
  EXPECT_NE(self.find("test_controls"), std::string::npos) << self;
  EXPECT_LE(self.size(), 260u);

  int a = 0, b = 0;
  void* target = &a;
  EXPECT_EQ(LockedCompareExchange(target, &b, nullptr), &a);  // not expected: kept
  EXPECT_EQ(target, &a);
  EXPECT_EQ(LockedCompareExchange(target, &b, &a), &a);
  EXPECT_EQ(target, &b);
}

TEST(XsSynch, CreateAndEnterFromRacingThreadsLeavesOneSection) {
  for (int round = 0; round < 50; ++round) {
    TXsCriticalSection* section = nullptr;
    std::atomic<int> ready{0};
    std::vector<TXsCriticalSection*> seen(2);
    std::vector<std::thread> threads;
    for (int i = 0; i < 2; ++i)
      threads.emplace_back([&, i] {
        ++ready;
        while (ready < 2) std::this_thread::yield();
        TXsCriticalSection::CreateAndEnter(section);
        seen[i] = section;
        section->Leave();
      });
    for (auto& t : threads) t.join();
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(seen[0], section);
    EXPECT_EQ(seen[1], section);
    delete section;
  }
}

TEST(XsSynch, SectionExcludesOtherThreads) {
  TXsCriticalSection section;
  int counter = 0;
  std::vector<std::thread> threads;
  for (int i = 0; i < 4; ++i)
    threads.emplace_back([&] {
      for (int k = 0; k < 10000; ++k) {
        section.Enter();
        ++counter;
        section.Leave();
      }
    });
  for (auto& t : threads) t.join();
  EXPECT_EQ(counter, 40000);
}

struct XsRegistryTest : ::testing::Test {
  std::string File = ::testing::TempDir() + "xs_registry_settings.ini";
  std::unique_ptr<TUserSettings> Settings;
  void SetUp() override {
    std::ofstream(File) << "[Software\\Esc\\Widgets]\n"
                           "Name=spin\n"
                           "Count=42\n"
                           "Big=0x100000005\n"
                           "Word=many\n";
    Settings = std::make_unique<TUserSettings>(File);
    RegSetUserSettings(Settings.get());
  }
  void TearDown() override {
    RegSetUserSettings(nullptr);
    std::remove(File.c_str());
  }
};

TEST_F(XsRegistryTest, KeyPathsWithAndWithoutRootPrefix) {
  for (const char* key : {"Software\\Esc\\Widgets", "\\Software\\Esc\\Widgets",
                          "HKEY_CURRENT_USER\\Software\\Esc\\Widgets", "\\HKCU\\Software\\Esc\\Widgets",
                          "hkcu\\Software\\Esc\\Widgets"})
    EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, key, "Name"), "spin") << key;
}

TEST_F(XsRegistryTest, PrefixOfAnotherRootIsRefused) {
  try {
    RegReadString(HKEY_CURRENT_USER, "HKLM\\Software\\Esc\\Widgets", "Name");
    FAIL() << "no error";
  } catch (const EXsRegistryError& e) {
    EXPECT_STREQ(e.what(), "\"HKLM\\Software\\Esc\\Widgets\" does not match RootKey");
  }
  EXPECT_EQ(RegReadStringDef(HKEY_CURRENT_USER, "HKLM\\Software\\Esc\\Widgets", "Name", "d"), "d");
}

TEST_F(XsRegistryTest, FailureMessagesWhenRaisingIsAsked) {
  struct Case {
    HKEY Root;
    const char* Key;
    const char* Name;
    const char* Message;
  };
  const Case cases[] = {
      {HKEY_CURRENT_USER, "Software\\Nothing", "Name",
       "Unable to open key \"HKEY_CURRENT_USER\\Software\\Nothing\" for read"},
      {HKEY_LOCAL_MACHINE, "Software\\Esc\\Widgets", "Name",
       "Unable to open key \"HKEY_LOCAL_MACHINE\\Software\\Esc\\Widgets\" for read"},
      {HKEY_CURRENT_USER, "Software\\Esc\\Widgets", "Missing",
       "Unable to open key \"HKEY_CURRENT_USER\\Software\\Esc\\Widgets\" and access value "
       "\"Missing\""},
  };
  for (const Case& c : cases) {
    std::string value = "kept";
    EXPECT_FALSE(RegReadStringEx(c.Root, c.Key, c.Name, value, false));
    EXPECT_EQ(value, "kept");
    try {
      RegReadStringEx(c.Root, c.Key, c.Name, value, true);
      ADD_FAILURE() << "no error for " << c.Key;
    } catch (const EXsRegistryError& e) {
      EXPECT_STREQ(e.what(), c.Message);
    }
  }
  try {
    RegReadInteger(HKEY_CURRENT_USER, "Software\\Esc\\Widgets", "Word");
    ADD_FAILURE() << "no error for text";
  } catch (const EXsRegistryError& e) {
    EXPECT_STREQ(e.what(), "\"HKEY_CURRENT_USER\\Software\\Esc\\Widgets\\Word\" is of wrong kind or size");
  }
}

TEST_F(XsRegistryTest, IntegersAndDefaults) {
  const std::string key = "Software\\Esc\\Widgets";
  EXPECT_EQ(RegReadInteger(HKEY_CURRENT_USER, key, "Count"), 42);
  EXPECT_EQ(RegReadInteger(HKEY_CURRENT_USER, key, "Big"), 5);  // the low 32 bits
  EXPECT_EQ(RegReadIntegerDef(HKEY_CURRENT_USER, key, "Word", -1), -1);
  EXPECT_EQ(RegReadIntegerDef(HKEY_CURRENT_USER, key, "Missing", 7), 7);
  EXPECT_EQ(RegReadIntegerDef(HKEY_CURRENT_USER, "Software\\None", "Count", 8), 8);
  EXPECT_EQ(RegReadStringDef(HKEY_CURRENT_USER, key, "Missing", "def"), "def");
}

TEST(XsRegistry, RootKeyNames) {
  EXPECT_EQ(RootKeyName(HKEY_DYN_DATA), "HKEY_DYN_DATA");
  EXPECT_EQ(RootKeyName(0x1234), "0x00001234");
}

}  // namespace
