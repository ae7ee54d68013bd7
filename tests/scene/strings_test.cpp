// The toolkit's wide string lists: order, sorted insert, text, comma and
// name=value forms, change events, bad indexes and the file forms.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_strings.h"
#include "scene/zr_strings_compare.h"

namespace {

std::vector<std::u16string> ItemsOf(const TzrWideStrings& list) {
  std::vector<std::u16string> items;
  for (int i = 0; i < list.GetCount(); ++i) items.push_back(list.Get(i));
  return items;
}

using Items = std::vector<std::u16string>;

int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

TEST(ZrCompareText, OrdersWordsAsUsersExpect) {
  struct Case {
    std::u16string a, b;
    bool caseSensitive;
    int expected;
  };
  const Case cases[] = {
      {u"apple", u"Banana", false, -1},
      {u"ABC", u"abc", false, 0},
      {u"abc", u"ABC", true, -1},  // lower case first
      {u"abc", u"abd", true, -1},
      {u"Zeta", u"alpha", true, 1},  // case only breaks ties
      {u"!x", u"1", false, -1},      // symbols before digits
      {u"9", u"a", false, -1},       // digits before letters
      {u"_a", u"Z", false, -1},      // underscore is a symbol
      {u"résumé", u"resume", false, 1},
      {u"résumé", u"rf", false, -1},  // accents only break ties
      {u"ÄRGER", u"ärger", false, 0},
      {u"coop", u"co-op", false, 1},  // hyphens count only as a tie breaker
      {u"co-op", u"cop", false, -1},
      {u"ab", u"abc", false, -1},
      {u"", u"a", false, -1},
      {u"Ωmega", u"ωMEGA", false, 0},
      {u"Яблоко", u"арбуз", false, 1},
      {u"zebra", u"Ωmega", false, -1},  // Latin before Greek
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sign(zrCompareText(c.a, c.b, c.caseSensitive)), c.expected)
        << std::string(c.a.begin(), c.a.end()) << " vs " << std::string(c.b.begin(), c.b.end());
    EXPECT_EQ(Sign(zrCompareText(c.b, c.a, c.caseSensitive)), -c.expected);
  }
}

TEST(ZrCompareText, EqualOnlyForTheSameText) {
  EXPECT_NE(zrCompareText(u"a-b", u"ab", false), 0);
  EXPECT_NE(zrCompareText(u"e", u"é", false), 0);
  EXPECT_NE(zrCompareText(u"Abc", u"abc", true), 0);
}

TEST(ZrWideStringList, SortedAddHonoursDuplicates) {
  struct Case {
    TDuplicates duplicates;
    Items adds;
    std::vector<int> results;
    Items expected;
  };
  const Case cases[] = {
      {dupIgnore, {u"b", u"a", u"b"}, {0, 0, 1}, {u"a", u"b"}},
      {dupIgnore, {u"B", u"b"}, {0, 0}, {u"B"}},
      {dupAccept, {u"b", u"a", u"b", u"c"}, {0, 0, 1, 3}, {u"a", u"b", u"b", u"c"}},
      {dupError, {u"m", u"m", u"a"}, {0, 0, 0}, {u"a", u"m", u"m"}},
      {dupIgnore,
       {u"delta", u"Alpha", u"charlie", u"bravo"},
       {0, 0, 1, 1},
       {u"Alpha", u"bravo", u"charlie", u"delta"}},
  };
  for (const Case& c : cases) {
    TzrWideStringList list;
    list.SetDuplicates(c.duplicates);
    list.SetSorted(true);
    std::vector<int> results;
    for (const auto& s : c.adds) results.push_back(list.Add(s));
    EXPECT_EQ(results, c.results);
    EXPECT_EQ(ItemsOf(list), c.expected);
  }
}

TEST(ZrWideStringList, AcceptedDuplicateGoesBeforeTheEqualOnes) {
  TzrWideStringList list;
  list.SetDuplicates(dupAccept);
  list.SetSorted(true);
  TObject first, second;
  list.AddObject(u"b", &first);
  list.AddObject(u"b", &second);
  EXPECT_EQ(list.GetObject(0), &second);
  EXPECT_EQ(list.GetObject(1), &first);
}

TEST(ZrWideStringList, BecomingSortedSortsAndSearchesStayConsistent) {
  TzrWideStringList list;
  list.SetCommaText(u"pear,Apple,fig,apple,banana,Fig");
  list.SetDuplicates(dupAccept);
  list.SetSorted(true);
  Items folded;
  for (auto s : ItemsOf(list)) {
    for (auto& c : s) c = zrFoldCase(c);
    folded.push_back(s);
  }
  EXPECT_EQ(folded, (Items{u"apple", u"apple", u"banana", u"fig", u"fig", u"pear"}));

  list.SetCaseSensitive(true);
  EXPECT_EQ(list.GetCommaText(), u"apple,Apple,banana,fig,Fig,pear");
  for (const auto& s : ItemsOf(list)) {
    const int i = list.IndexOf(s);
    ASSERT_GE(i, 0) << std::string(s.begin(), s.end());
    EXPECT_EQ(list.Get(i), s);
  }
  EXPECT_EQ(list.IndexOf(u"APPLE"), -1);
  list.SetCaseSensitive(false);
  EXPECT_GE(list.IndexOf(u"APPLE"), 0);
}

TEST(ZrWideStringList, SortAndFindByObject) {
  TObject objects[4];
  TzrWideStringList list;
  list.SetSortByObject(true);
  list.AddObject(u"x", &objects[1]);
  list.AddObject(u"y", &objects[3]);
  list.AddObject(u"z", &objects[0]);
  list.Sort();
  EXPECT_EQ(list.GetObject(0), &objects[3]);  // descending addresses
  EXPECT_EQ(list.GetObject(2), &objects[0]);
  int index = -1;
  EXPECT_TRUE(list.FindByObject(&objects[1], index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.FindByObject(&objects[2], index));
  EXPECT_EQ(index, 1);
}

TEST(ZrWideStrings, TextIsCutAtEveryLineBreak) {
  struct Case {
    std::u16string text;
    Items expected;
  };
  const Case cases[] = {
      {u"x\r\ny\n\nz", {u"x", u"y", u"", u"z"}},
      {u"a\r\nb\r\n", {u"a", u"b"}},
      {u"a\n\rb", {u"a", u"", u"b"}},
      {u"a\vb\fc\rd\u2028e\u2029f", {u"a", u"b", u"c", u"d", u"e", u"f"}},
      {std::u16string(u"a\nb\0c\nd", 7), {u"a", u"b"}},
      {u"", {}},
      {u"\r\n", {u""}},
  };
  for (const Case& c : cases) {
    TzrWideStringList list;
    list.SetTextStr(c.text);
    EXPECT_EQ(ItemsOf(list), c.expected);
  }
}

TEST(ZrWideStrings, TextOfTheListEndsEveryItem) {
  TzrWideStringList list;
  EXPECT_EQ(list.GetTextStr(), u"");
  list.Add(u"a");
  list.Add(u"b");
  EXPECT_EQ(list.GetTextStr(), u"a\r\nb\r\n");
  list.SetText(u"p\nq");
  EXPECT_EQ(ItemsOf(list), (Items{u"p", u"q"}));
}

TEST(ZrWideStrings, CommaTextIsRead) {
  struct Case {
    std::u16string text;
    Items expected;
  };
  const Case cases[] = {
      {u" , , ,", {u"", u"", u""}},
      {u"x y,z", {u"x", u"y", u"z"}},
      {u"   ", {}},
      {u"  a,b", {u"a", u"b"}},
      {u"\"a b\",c", {u"a b", u"c"}},
      {u"\"say \"\"hi\"\"\",\"x,y\"", {u"say \"hi\"", u"x,y"}},
      {u"\"open to the end", {u"open to the end"}},
      {std::u16string(u"a,b\0,c", 6), {u"a", u"b"}},
  };
  for (const Case& c : cases) {
    TzrWideStringList list;
    list.SetCommaText(c.text);
    EXPECT_EQ(ItemsOf(list), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(ZrWideStrings, CommaTextIsWrittenAndReadBack) {
  struct Case {
    Items items;
    std::u16string text;
  };
  const Case cases[] = {
      {{u"a", u"b"}, u"a,b"},
      {{u""}, u""},
      {{}, u""},
      {{u"a b", u"c,d", u"e\"f"}, u"\"a b\",\"c,d\",\"e\"\"f\""},
      {{u"tab\there", u"plain"}, u"\"tab\there\",plain"},
  };
  for (const Case& c : cases) {
    TzrWideStringList list;
    for (const auto& s : c.items) list.Add(s);
    EXPECT_EQ(list.GetCommaText(), c.text);
    if (c.items.size() > 1) {
      TzrWideStringList back;
      back.SetCommaText(list.GetCommaText());
      EXPECT_EQ(ItemsOf(back), c.items);
    }
  }
}

TEST(ZrWideStrings, NamesAndValues) {
  TzrWideStringList list;
  list.SetTextStr(u"Width=10\nName=x=y\nabc\nCAPTION=Hi");
  EXPECT_EQ(list.GetName(0), u"Width");
  EXPECT_EQ(list.GetName(2), u"");
  EXPECT_EQ(list.GetValue(u"Name"), u"x=y");
  EXPECT_EQ(list.GetValue(u"caption"), u"Hi");
  EXPECT_EQ(list.GetValue(u"missing"), u"");
  EXPECT_EQ(list.GetValueFromIndex(2), u"bc");  // no "=": the first character is lost
  EXPECT_EQ(list.GetValueFromIndex(0), u"10");
  EXPECT_EQ(list.GetValueFromIndex(-1), u"");
  EXPECT_EQ(list.IndexOfName(u"abc"), -1);
  EXPECT_EQ(list.IndexOfValue(u"hi"), 3);

  list.SetValue(u"Width", u"20");
  list.SetValue(u"Height", u"5");
  list.SetValue(u"Name", u"");
  EXPECT_EQ(ItemsOf(list), (Items{u"Width=20", u"abc", u"CAPTION=Hi", u"Height=5"}));

  list.SetValueFromIndex(1, u"q");
  list.SetValueFromIndex(-1, u"new");
  list.SetValueFromIndex(2, u"");
  EXPECT_EQ(ItemsOf(list), (Items{u"Width=20", u"=q", u"Height=5", u"=new"}));
}

TEST(ZrWideStringList, EventsFireOncePerEditOrBracket) {
  TzrWideStringList list;
  std::string log;
  list.OnChanging = [&](TObject*) { log += '<'; };
  list.OnChange = [&](TObject*) { log += '>'; };

  list.BeginUpdate();
  list.Add(u"a");
  list.Add(u"b");
  list.Add(u"c");
  list.EndUpdate();
  EXPECT_EQ(log, "<>");

  log.clear();
  list.Delete(0);
  list.Put(0, u"x");
  list.Exchange(0, 1);
  EXPECT_EQ(log, "<><><>");

  log.clear();
  list.SetTextStr(u"1\n2\n3");
  list.SetCommaText(u"4,5");
  EXPECT_EQ(log, "<><>");

  log.clear();
  list.Clear();
  list.Clear();
  EXPECT_EQ(log, "<>");
  EXPECT_EQ(list.GetCapacity(), 0);
}

TEST(ZrWideStringList, CapacityGrowsInSteps) {
  TzrWideStringList list;
  std::vector<int> capacities;
  for (int i = 0; i < 100; ++i) {
    list.Add(u"s");
    if (capacities.empty() || capacities.back() != list.GetCapacity()) {
      capacities.push_back(list.GetCapacity());
    }
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
  list.SetCapacity(10);  // below the count: refused
  EXPECT_EQ(list.GetCapacity(), 118);
}

// Records the reports that reach the error hook.
class TReportingList : public TzrWideStringList {
 public:
  std::vector<std::string> Reports;

 protected:
  void Error(const std::string& Msg, int) const override {
    const_cast<TReportingList*>(this)->Reports.push_back(Msg);
  }
};

TEST(ZrWideStringList, BadIndexesAreReportedAndIgnored) {
  TReportingList list;
  TObject object;
  list.AddObject(u"a", &object);
  list.Add(u"b");
  int events = 0;
  list.OnChange = [&](TObject*) { ++events; };

  EXPECT_EQ(list.Get(-1), u"");
  EXPECT_EQ(list.Get(2), u"");
  EXPECT_EQ(list.GetObject(5), nullptr);
  list.Delete(2);
  list.Delete(-1);
  list.Put(2, u"x");
  list.PutObject(-1, &object);
  list.Exchange(0, 2);
  list.Insert(3, u"x");
  list.Insert(-1, u"x");
  list.Move(0, 2);
  list.Move(5, 0);
  list.InsertObject(4, u"x", &object);

  EXPECT_EQ(ItemsOf(list), (Items{u"a", u"b"}));
  EXPECT_EQ(list.GetObject(0), &object);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(list.Reports.size(), 13u);
  for (const auto& r : list.Reports) EXPECT_EQ(r, "List index error");
}

TEST(ZrWideStringList, SortedListReportsButKeepsEditing) {
  TReportingList list;
  list.SetDuplicates(dupError);
  list.SetSorted(true);
  list.Add(u"b");
  list.Add(u"b");
  list.Insert(0, u"z");
  EXPECT_EQ(ItemsOf(list), (Items{u"z", u"b", u"b"}));
  EXPECT_EQ(list.Reports, (std::vector<std::string>{"Doublicate string", "Sorted list error"}));
}

TEST(ZrWideStrings, MoveExchangeAndCopyKeepObjects) {
  TObject o1, o2, o3;
  TzrWideStringList list;
  list.AddObject(u"one", &o1);
  list.AddObject(u"two", &o2);
  list.AddObject(u"three", &o3);
  list.Move(0, 2);
  EXPECT_EQ(ItemsOf(list), (Items{u"two", u"three", u"one"}));
  EXPECT_EQ(list.GetObject(2), &o1);
  list.Exchange(0, 1);
  EXPECT_EQ(list.GetObject(0), &o3);
  EXPECT_EQ(list.IndexOfObject(&o2), 1);

  TzrWideStringList copy;
  copy.Add(u"old");
  copy.Assign(&list);
  EXPECT_TRUE(copy.Equals(list));
  EXPECT_EQ(copy.GetObject(2), &o1);
  copy.Put(0, u"THREE");
  EXPECT_FALSE(copy.Equals(list));  // exact comparison
  copy.Assign(&copy);
  EXPECT_EQ(copy.GetCount(), 3);
  TPersistent other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
}

TEST(ZrWideStrings, CopiesToAndFromPlatformStringLists) {
  TObject object;
  TStringList platform;
  platform.AddObject("油门", &object);
  platform.Add("curve");
  TzrWideStringList wide;
  int changes = 0;
  wide.OnChange = [&](TObject*) { ++changes; };
  wide.Add(u"old");
  wide.Assign(&platform);
  EXPECT_EQ(ItemsOf(wide), (Items{u"油门", u"curve"}));
  EXPECT_EQ(wide.GetObject(0), &object);
  EXPECT_EQ(changes, 2);  // the Add, then one bracket

  wide.Put(1, u"Kurve");
  platform.Assign(&wide);
  ASSERT_EQ(platform.GetCount(), 2);
  EXPECT_EQ(platform.Get(1), "Kurve");
  EXPECT_EQ(platform.GetObject(0), &object);
}

TEST(ZrWideStrings, BytesAreReadByTheirMark) {
  struct Case {
    std::vector<uint8_t> bytes;
    Items expected;
  };
  const Case cases[] = {
      {{0xFF, 0xFE, 'a', 0, 0x2D, 0x6C, '\n', 0, 'b', 0}, {u"a\u6C2D", u"b"}},
      {{0xFE, 0xFF, 'a', 0, 'b', 0, 'c'}, {u"ab"}},  // no swap; odd byte dropped
      {{0xEF, 0xBB, 0xBF, 'h', 'i'}, {u"\u00EF\u00BB\u00BFhi"}},
      {{'x', 0x80, 0xE9, '\r', '\n', 'y'}, {u"x\u20AC\u00E9", u"y"}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    TMemoryStream stream;
    stream.WriteBuffer("ab", 2);
    stream.WriteBuffer(c.bytes.data(), static_cast<int32_t>(c.bytes.size()));
    stream.SetPosition(2);
    TzrWideStringList list;
    list.Add(u"old");
    list.LoadFromStream(stream);
    EXPECT_EQ(ItemsOf(list), c.expected);
  }
}

class ZrWideStringsFile : public testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("zr_strings_" + std::to_string(::getpid()) + "_" +
           testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::vector<uint8_t> Read(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::filesystem::path dir;
};

TEST_F(ZrWideStringsFile, SavesAndLoadsUtf16) {
  TzrWideStringList list;
  list.SetTextStr(u"油门\ncurve");
  const auto file = (dir / "list.txt").string();
  list.SaveToFile(file);
  EXPECT_EQ(Read(file),
            (std::vector<uint8_t>{0xFF, 0xFE, 0xB9, 0x6C, 0xE8, 0x95, '\r', 0, '\n', 0, 'c',  0,
                                  'u',  0,    'r',  0,    'v',  0,    'e',  0, '\r', 0, '\n', 0}));
  TzrWideStringList back;
  back.LoadFromFile(file);
  EXPECT_TRUE(back.Equals(list));
}

TEST_F(ZrWideStringsFile, AnsiFileAndErrors) {
  TzrWideStringList list;
  list.SetTextStr(u"café €\n油");
  const auto file = (dir / "ansi.txt").string();
  list.SaveToAnsiFile(file);
  EXPECT_EQ(Read(file),
            (std::vector<uint8_t>{'c', 'a', 'f', 0xE9, ' ', 0x80, '\r', '\n', '?', '\r', '\n'}));

  list.LoadFromFile((dir / "missing.txt").string());
  EXPECT_EQ(list.GetCount(), 2);
  EXPECT_THROW(list.SaveToFile((dir / "no" / "such" / "dir.txt").string()), EFCreateError);
}

}  // namespace
