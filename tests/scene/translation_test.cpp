// Translation dictionary, TzrLang and its dictionary block.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_lang.h"
#include "scene/zr_stream.h"
#include "tests/scene/object_fixture.h"

namespace {

class TranslationTest : public ::testing::Test {
 protected:
  ~TranslationTest() override {
    ResetLang();
    CollectLangFinish();
    CustomTranslateProc = nullptr;
  }
  // A TzrLang with "de" (Motor=Antrieb) and "fr" (Motor=Moteur).
  static void Fill(TzrLang& L) {
    L.GetOriginal()->SetTextStr(u"Motor\r\nStart\r\n");
    L.AddLang(u"de");
    L.GetLangStr(u"de")->Add(u"Motor=Antrieb");
    L.AddLang(u"fr");
    L.GetLangStr(u"fr")->Add(u"Motor=Moteur");
  }
};

TEST_F(TranslationTest, DictionaryAndReset) {
  EXPECT_EQ(Translate(u"Motor"), u"Motor");
  EXPECT_EQ(Translate(u""), u"");
  TzrWideStringList lines;
  lines.Add(u"Motor=Antrieb");
  LoadLangFromStrings(&lines);
  EXPECT_EQ(Translate(u"Motor"), u"Antrieb");
  EXPECT_EQ(Translate(u"Brake"), u"Brake");
  LangResetting = true;
  EXPECT_EQ(Translate(u"Antrieb"), u"Motor");
  LangResetting = false;
  ResetLang();
  EXPECT_EQ(LangTable, nullptr);
  EXPECT_EQ(Translate(u"Motor"), u"Motor");
}

// Scenes refresh after every switch; while the dictionary is being switched
// off they turn translations back into the untranslated texts.
TEST_F(TranslationTest, ScenesRefreshThroughTheSceneList) {
  struct TLangScene : TTestScene {
    using TTestScene::TTestScene;
    std::vector<std::u16string> Seen;
    void UpdateResource() override { Seen.push_back(Translate(u"Antrieb")); }
  } scene(nullptr);
  AddScene(&scene);
  TzrWideStringList lines;
  lines.Add(u"Motor=Antrieb");
  LoadLangFromStrings(&lines);
  ResetLang();
  RemoveScene(&scene);
  EXPECT_EQ(scene.Seen, (std::vector<std::u16string>{u"Antrieb", u"Motor"}));
  EXPECT_FALSE(LangResetting);
}

TEST_F(TranslationTest, CustomFunctionAndCollecting) {
  CustomTranslateProc = [](const std::u16string& s) {
    return s == u"Motor" ? std::u16string(u"MOTOR") : std::u16string();
  };
  EXPECT_EQ(Translate(u"Motor"), u"MOTOR");
  EXPECT_EQ(Translate(u"Brake"), u"Brake");
  CustomTranslateProc = nullptr;
  CollectLangStart();
  Translate(u"Start");
  Translate(u"Motor");
  Translate(u"Start");
  ASSERT_NE(CollectLangStrings(), nullptr);
  EXPECT_EQ(CollectLangStrings()->GetTextStr(), u"Motor\r\nStart\r\n");
  CollectLangFinish();
  EXPECT_EQ(CollectLangStrings(), nullptr);
}

TEST_F(TranslationTest, SetLangSwitchesDictionaries) {
  TzrLang L(nullptr);
  Fill(L);
  L.SetLang("de");
  EXPECT_EQ(Translate(u"Motor"), u"Antrieb");
  L.SetLang("xx");  // no dictionary: the active one stays
  EXPECT_EQ(Translate(u"Motor"), u"Antrieb");
  L.SetLang("en");
  EXPECT_EQ(LangTable, nullptr);
}

TEST_F(TranslationTest, LoadedSelectsTheUsersLanguage) {
  const char* lang = std::getenv("LANG");
  const std::string keep = lang ? lang : "";
  const char* all = std::getenv("LC_ALL");
  const char* messages = std::getenv("LC_MESSAGES");
  if (all || messages) GTEST_SKIP() << "the locale is set through LC_ALL or LC_MESSAGES";
  setenv("LANG", "de_AT.UTF-8", 1);
  TzrLang L(nullptr);
  Fill(L);
  L.SetComponentState(csLoading);
  L.SetLang("fr");  // loading: nothing switched yet
  EXPECT_EQ(LangTable, nullptr);
  L.Loaded();
  EXPECT_EQ(L.GetLang(), "de");
  EXPECT_EQ(Translate(u"Motor"), u"Antrieb");
  if (keep.empty()) unsetenv("LANG");
  else setenv("LANG", keep.c_str(), 1);
}

TEST_F(TranslationTest, BlockRoundTripAndFile) {
  TzrLang L(nullptr);
  Fill(L);
  TMemoryStream block;
  L.WriteResources(&block);
  block.SetPosition(0);
  TzrLang R(nullptr);
  R.ReadResources(&block);
  EXPECT_EQ(R.GetOriginal()->GetTextStr(), L.GetOriginal()->GetTextStr());
  ASSERT_EQ(R.GetResources()->GetCount(), 2);
  EXPECT_EQ(R.GetResources()->Get(0), u"de");
  EXPECT_EQ(R.GetLangStr(u"fr")->GetValue(u"Motor"), u"Moteur");

  const std::string file = ::testing::TempDir() + "esctool_dictionary.lng";
  L.SaveToFile(file);
  TzrLang F(nullptr);
  F.LoadFromFile(file);
  EXPECT_EQ(F.GetLangStr(u"de")->GetValue(u"Motor"), u"Antrieb");
}

TEST_F(TranslationTest, CorruptBlocksRaiseAndChangeNothing) {
  TzrLang L(nullptr);
  Fill(L);
  TMemoryStream good;
  L.WriteResources(&good);
  auto bytes = [&](size_t Size) {
    return std::vector<uint8_t>(static_cast<const uint8_t*>(good.Memory()),
                                static_cast<const uint8_t*>(good.Memory()) + Size);
  };
  std::vector<uint8_t> negative = bytes(size_t(good.GetSize()));
  negative[0] = 0xFF, negative[1] = 0xFF, negative[2] = 0xFF, negative[3] = 0xFF;
  std::vector<uint8_t> pastEnd = bytes(size_t(good.GetSize()));
  pastEnd[0] = 0x7F;
  const std::vector<std::vector<uint8_t>> cases = {negative, pastEnd,
                                                   bytes(size_t(good.GetSize()) - 3), bytes(2)};
  for (const auto& data : cases) {
    TzrLang R(nullptr);
    Fill(R);
    TResourceStream s(data.data(), data.size());
    EXPECT_THROW(R.ReadResources(&s), EObjectStreamError) << data.size();
    EXPECT_EQ(R.GetResources()->GetCount(), 2);
    EXPECT_EQ(R.GetLangStr(u"de")->GetValue(u"Motor"), u"Antrieb");
  }
}

TEST(UserLanguage, FromTheLocale) {
  struct Case {
    const char* Lang;
    const char* Expected;
  };
  const Case cases[] = {{"de_DE.UTF-8", "de"}, {"C", "en"}, {"POSIX", "en"}, {"", "en"},
                        {"FR_fr", "fr"}};
  const char* all = std::getenv("LC_ALL");
  const char* messages = std::getenv("LC_MESSAGES");
  const std::string keepAll = all ? all : "", keepMessages = messages ? messages : "";
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  for (const Case& c : cases) {
    setenv("LANG", c.Lang, 1);
    EXPECT_EQ(UserLanguage(), c.Expected) << c.Lang;
  }
  setenv("LC_MESSAGES", "it_IT", 1);
  EXPECT_EQ(UserLanguage(), "it");
  if (!keepAll.empty()) setenv("LC_ALL", keepAll.c_str(), 1);
  if (!keepMessages.empty()) setenv("LC_MESSAGES", keepMessages.c_str(), 1);
  else unsetenv("LC_MESSAGES");
}

}  // namespace
