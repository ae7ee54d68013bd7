#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

namespace {

std::vector<std::string> Items(const TStrings& list) {
  std::vector<std::string> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list[i]);
  return items;
}

using TItems = std::vector<std::string>;

}  // namespace

TEST(StringList, SortedAddFollowsDuplicatesMode) {
  const struct {
    TDuplicates Mode;
    TItems Expected;
    int SecondBIndex;
  } cases[] = {
      {dupIgnore, {"a", "B", "c"}, 1},
      {dupAccept, {"a", "b", "B", "c"}, 1},
  };
  for (const auto& c : cases) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(c.Mode);
    list.Add("c");
    list.Add("B");
    list.Add("a");
    EXPECT_EQ(list.Add("b"), c.SecondBIndex);  // equal to "B" without regard to case
    EXPECT_EQ(Items(list), c.Expected);
  }
  TStringList strict;
  strict.SetSorted(true);
  strict.SetDuplicates(dupError);
  strict.Add("x");
  try {
    strict.Add("X");
    ADD_FAILURE() << "duplicate accepted";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "String list does not allow duplicates");
  }
  EXPECT_EQ(strict.Count(), 1);
}

TEST(StringList, CaseSensitiveSortedListKeepsLowerBeforeUpper) {
  TStringList list;
  list.SetCaseSensitive(true);
  list.SetSorted(true);
  for (const char* s : {"b", "B", "A", "a", "\xC3\x89t\xC3\xA9", "\xC3\xA9t\xC3\xA9"}) list.Add(s);
  EXPECT_EQ(Items(list), (TItems{"a", "A", "b", "B", "\xC3\xA9t\xC3\xA9", "\xC3\x89t\xC3\xA9"}));
  EXPECT_EQ(list.IndexOf("B"), 3);
  EXPECT_EQ(list.IndexOf("\xC3\x89T\xC3\x89"), -1);
  list.SetCaseSensitive(false);  // "ÉTÉ" now equals "été"
  EXPECT_EQ(list.IndexOf("\xC3\x89T\xC3\x89") / 2, 2);
}

TEST(StringList, IndexErrorsAndSortedRestrictions) {
  TStringList list;
  list.Add("one");
  const struct {
    void (*Action)(TStringList&);
    const char* Message;
  } cases[] = {
      {[](TStringList& l) { l.Get(1); }, "List index out of bounds (1)"},
      {[](TStringList& l) { l.Delete(-1); }, "List index out of bounds (-1)"},
      {[](TStringList& l) { l.Insert(3, "x"); }, "List index out of bounds (3)"},
      {[](TStringList& l) { l.SetStrings(5, "x"); }, "List index out of bounds (5)"},
      {[](TStringList& l) { l.GetObjects(1); }, "List index out of bounds (1)"},
      {[](TStringList& l) { l.Exchange(0, 1); }, "List index out of bounds (1)"},
  };
  for (const auto& c : cases) {
    try {
      c.Action(list);
      ADD_FAILURE() << c.Message;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), c.Message);
    }
  }
  list.Insert(1, "two");  // at the end is allowed
  list.SetSorted(true);
  EXPECT_THROW(list.Insert(0, "x"), EListError);
  EXPECT_THROW(list.SetStrings(0, "x"), EListError);
  EXPECT_EQ(Items(list), (TItems{"one", "two"}));
}

TEST(StringList, NameValuePairs) {
  TStringList list;
  list.SetText("Port=COM3\nnovalue\nBaud=115200\nempty=\nport=second");
  EXPECT_EQ(list.GetValues("PORT"), "COM3");  // first match, any case
  EXPECT_EQ(list.GetValues("missing"), "");
  EXPECT_EQ(list.GetNames(1), "");
  EXPECT_EQ(list.GetValueFromIndex(1), "");  // no separator: no value
  EXPECT_EQ(list.GetValueFromIndex(2), "115200");
  EXPECT_EQ(list.IndexOfName("empty"), 3);

  list.SetValues("baud", "9600");  // replaced in place, name as given
  list.SetValues("New", "x=y");
  list.SetValues("empty", "");  // an empty value deletes the line
  list.SetValueFromIndex(3, "third");
  EXPECT_EQ(Items(list), (TItems{"Port=COM3", "novalue", "baud=9600", "port=third", "New=x=y"}));
  EXPECT_EQ(list.GetValues("new"), "x=y");

  TStringList sorted;
  sorted.SetSorted(true);
  sorted.SetCommaText("a=1,m=2,z=3");
  sorted.SetValues("M", "9");  // a sorted list moves the line instead of refusing it
  EXPECT_EQ(Items(sorted), (TItems{"a=1", "M=9", "z=3"}));
}

TEST(StringList, CommaTextReadsQuotesAndBlanks) {
  const struct {
    const char* Text;
    TItems Expected;
  } cases[] = {
      {"a,b,c", {"a", "b", "c"}},
      {"  a , b  ", {"a", "b"}},
      {"a b,c", {"a", "b", "c"}},  // blanks separate too
      {"a,,b", {"a", "", "b"}},
      {"a,", {"a", ""}},
      {"\"x, y\",\"say \"\"hi\"\"\"", {"x, y", "say \"hi\""}},
      {"\"open", {"open"}},
      {"\"\"", {""}},
      {"", {}},
      {"\"a\"b", {"a", "b"}},
      {"\xE7\x94\xB5,\xE8\xB0\x83", {"\xE7\x94\xB5", "\xE8\xB0\x83"}},
  };
  TStringList list;
  for (const auto& c : cases) {
    list.SetCommaText(c.Text);
    EXPECT_EQ(Items(list), c.Expected) << c.Text;
  }
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
  TStringList list;
  list.SetText("plain\nwith blank\nsay \"hi\"\na,b\n\n\xE7\x94\xB5");
  EXPECT_EQ(list.GetCommaText(), "plain,\"with blank\",\"say \"\"hi\"\"\",\"a,b\",,\xE7\x94\xB5");
  TStringList back;
  back.SetCommaText(list.GetCommaText());
  EXPECT_EQ(Items(back), Items(list));

  list.SetText("\n");
  EXPECT_EQ(list.GetCommaText(), "\"\"");  // one empty string, not an empty list
  back.SetCommaText(list.GetCommaText());
  EXPECT_EQ(back.Count(), 1);
}

TEST(StringList, StrictDelimitedText) {
  TStringList list;
  list.SetDelimiter(';');
  list.SetQuoteChar('\'');
  list.SetStrictDelimiter(true);
  list.SetDelimitedText(" a b ;'c;d'; ;");
  EXPECT_EQ(Items(list), (TItems{" a b ", "c;d", " ", ""}));
  EXPECT_EQ(list.GetDelimitedText(), " a b ;'c;d'; ;");
  list.SetStrictDelimiter(false);
  EXPECT_EQ(list.GetDelimitedText(), "' a b ';'c;d';' ';");
}

TEST(StringList, TextSplitsAtAnyLineEndAndWritesLineFeeds) {
  TStringList list;
  list.SetText("one\r\ntwo\n\nthree\rfour\r\n");
  EXPECT_EQ(Items(list), (TItems{"one", "two", "", "three", "four"}));
  EXPECT_EQ(list.GetText(), "one\ntwo\n\nthree\nfour\n");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, ChangeEventsWaitForTheLastEndUpdate) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add("a");
  EXPECT_EQ(changed, 1);
  list.SetText("x\ny\nz");  // one change for the whole text
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changed, 2);
  list.EndUpdate();
  EXPECT_EQ(changed, 3);
  int index = -1;
  EXPECT_TRUE(list.Find("y", index));  // reading changes nothing
  EXPECT_EQ(changing, 3);
  EXPECT_EQ(changed, 3);
}

TEST(StringList, ObjectsTravelWithTheirStrings) {
  TObject first, second;
  TStringList list;
  list.AddObject("b", &first);
  list.AddObject("a", &second);
  list.SetSorted(true);
  EXPECT_EQ(list.GetObjects(0), &second);
  EXPECT_EQ(list.IndexOfObject(&first), 1);
  list.SetDuplicates(dupIgnore);
  list.AddObject("A", nullptr);  // ignored: the existing object stays
  EXPECT_EQ(list.GetObjects(0), &second);

  TStringList copy;
  copy.Assign(&list);
  EXPECT_EQ(Items(copy), Items(list));
  EXPECT_EQ(copy.GetObjects(1), &first);
}

TEST(StringList, FilesAreUtf8WithAnOptionalMarkOnLoadAndNoneOnSave) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("esctool-list-" + std::to_string(getpid()) + ".txt");
  {
    std::ofstream out(path, std::ios::binary);
    out << "\xEF\xBB\xBF\xE7\x94\xB5\xE8\xB0\x83\r\nline2\r\n";
  }
  TStringList list;
  list.LoadFromFile(path.string());
  EXPECT_EQ(Items(list), (TItems{"\xE7\x94\xB5\xE8\xB0\x83", "line2"}));
  list.SaveToFile(path.string());
  std::ifstream in(path, std::ios::binary);
  const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(saved, "\xE7\x94\xB5\xE8\xB0\x83\nline2\n");
  std::filesystem::remove(path);
  EXPECT_THROW(list.LoadFromFile(path.string()), EFOpenError);
  EXPECT_EQ(list.Count(), 2);  // a failed load keeps the list
}
