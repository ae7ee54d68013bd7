#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_stream_strict.h"
#include "scene/zr_stream_text.h"
#include "tests/scene/checks.h"
#include "tests/scene/object_fixture.h"

namespace {

namespace fs = std::filesystem;

// The strict read's error for Text, or "" when it reads.
std::string StrictError(const std::string& Text) {
  std::unique_ptr<TMemoryStream> in(MemoryFrom(Text));
  try {
    ReadObjectTextStrict(in.get());
    return "";
  } catch (const EParserError& e) {
    return e.what();
  }
}

std::string StrictFileError(const fs::path& File) {
  TFileStream in(File.string(), fmOpenRead);
  try {
    ReadObjectTextStrict(&in);
    return "";
  } catch (const EParserError& e) {
    return e.what();
  }
}

// The forms (*.zrform) and style sheets (*.zrstyle) authored under resources/.
std::vector<fs::path> AuthoredStreams() {
  std::vector<fs::path> found;
  for (const auto& entry : fs::recursive_directory_iterator(ESCTOOL_SOURCE_DIR "/resources")) {
    const std::string ext = entry.path().extension().string();
    if (entry.is_regular_file() && (ext == ".zrform" || ext == ".zrstyle"))
      found.push_back(entry.path());
  }
  return found;
}

}  // namespace

TEST(StreamStrict, EveryFaultFailsWithItsLine) {
  RegisterTestClasses();
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"object F: TTestForm\r\n  Caption = 'a'\r\n  Fil.Color = '#FF000000'\r\nend\r\n",
       "Property Fil.Color does not exist on line 3"},
      {"object F: TTestForm\r\n  Align = taBottom\r\nend\r\n", "on line 2"},
      {"object F: TTestForm\r\n  Visible = 'yes'\r\nend\r\n", "on line 2"},
      {"object F: TTestForm\r\n  object B: TTestNode\r\n  end\r\n"
       "  object W: TRemovedWidget\r\n  end\r\nend\r\n",
       "Class TRemovedWidget not found on line 4"},
      {"object F: TTestForm\r\n  Points = <\r\n    item\r\n      Offset = 0.5\r\n"
       "    end\r\n    item\r\n      Ofset = 1\r\n    end>\r\nend\r\n",
       "on line 7"},
      {"object F: TTestForm\r\n  Caption = 'a'\r\n  Buddy = Nobody\r\nend\r\n",
       "Component Nobody not found on line 3"},
      {"object F: TTestForm\r\n  OnClick = NoSuchHandler\r\nend\r\n", "on line 2"},
      {"object F: TNoSuchForm\r\nend\r\n", "Class TNoSuchForm not found on line 1"},
      {"object F: TTestForm\r\n  Caption = 'open\r\nend\r\n", "on line 2"},
  };
  for (const auto& c : cases) {
    const std::string error = StrictError(c.text);
    EXPECT_TRUE(Contains(error, c.error)) << c.text << " gave: " << error;
  }
}

TEST(StreamStrict, ASoundStreamReadsWhole) {
  RegisterTestClasses();
  const std::string text =
      "object F: TTestForm\r\n  Caption = 'ok'\r\n  Buddy = B\r\n  OnClick = ButtonClick\r\n"
      "  Fill.Color = '#FF2B2B2B'\r\n  object B: TTestNode\r\n    Align = taTop\r\n  end\r\nend\r\n";
  std::unique_ptr<TMemoryStream> in(MemoryFrom(text));
  std::unique_ptr<TComponent> root = ReadObjectTextStrict(in.get());
  auto* form = dynamic_cast<TTestForm*>(root.get());
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->Caption, "ok");
  ASSERT_EQ(form->GetChildrenCount(), 1);
  EXPECT_EQ(form->GetBuddy(), form->GetChild(0));
  EXPECT_FALSE(form->IsLoading());
}

// The toolkit's own loads stay lenient about the same typo.
TEST(StreamStrict, TheTypoFixtureFailsStrictlyAndLoadsLeniently) {
  RegisterSceneClasses();
  const fs::path fixture = ESCTOOL_SOURCE_DIR "/tests/scene/fixtures/fil_color_typo.zrstyle";
  EXPECT_EQ(StrictFileError(fixture), "Property Fil.Color does not exist on line 2");
  TFileStream in(fixture.string(), fmOpenRead);
  TzrObject* node = CreateObjectFromStream(nullptr, &in);
  ASSERT_NE(node, nullptr);
  delete node;
}

TEST(StreamStrict, EveryAuthoredFormAndStyleSheetReadsStrictly) {
  RegisterSceneClasses();
  for (const fs::path& file : AuthoredStreams())
    EXPECT_EQ(StrictFileError(file), "") << file;
}
