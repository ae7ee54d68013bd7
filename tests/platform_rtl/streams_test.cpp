#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

const uint8_t kEmbedded[] = {'E', 'S', 'C', 0, 1, 2};
const TResourceRegistration kEmbeddedRegistration("TESTDATA", kEmbedded, sizeof kEmbedded);

class StreamFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    FFolder =
        std::filesystem::temp_directory_path() / ("esctool-streams-" + std::to_string(getpid()));
    std::filesystem::create_directories(FFolder);
  }
  void TearDown() override { std::filesystem::remove_all(FFolder); }
  std::string Path(const char* name) const { return (FFolder / name).string(); }

  std::filesystem::path FFolder;
};

std::string ReadAllText(TStream& stream) {
  std::string text(static_cast<size_t>(stream.GetSize() - stream.GetPosition()), '\0');
  stream.ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
  return text;
}

}  // namespace

TEST(MemoryStream, ShortReadRaisesAndKeepsWhatWasThere) {
  TMemoryStream stream;
  stream.WriteBuffer("abc", 3);
  stream.SetPosition(1);
  char buffer[8] = {};
  EXPECT_THROW(stream.ReadBuffer(buffer, 3), EReadError);
  stream.SetPosition(1);
  EXPECT_EQ(stream.Read(buffer, 8), 2);
  EXPECT_EQ(std::string(buffer, 2), "bc");
  EXPECT_EQ(stream.Read(buffer, 8), 0);  // at the end
}

TEST(MemoryStream, WritePastTheEndFillsZerosAndSetSizeClampsPosition) {
  TMemoryStream stream;
  stream.Seek(3, soBeginning);
  stream.WriteBuffer("x", 1);
  ASSERT_EQ(stream.GetSize(), 4);
  EXPECT_EQ(std::memcmp(stream.Memory(), "\0\0\0x", 4), 0);
  stream.SetSize(2);
  EXPECT_EQ(stream.GetPosition(), 2);
  EXPECT_THROW(stream.Seek(-1, soBeginning), EStreamError);
  stream.Clear();
  EXPECT_EQ(stream.GetSize(), 0);
  EXPECT_EQ(stream.GetPosition(), 0);
}

TEST_F(StreamFiles, MemoryAndFileRoundTrip) {
  TMemoryStream out;
  std::string data(200000, '\0');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
  out.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
  out.SaveToFile(Path("a.bin"));

  TMemoryStream in;
  in.WriteBuffer("old", 3);
  in.LoadFromFile(Path("a.bin"));
  EXPECT_EQ(in.GetPosition(), 0);
  EXPECT_EQ(ReadAllText(in), data);

  TFileStream file(Path("a.bin"), fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(file.GetSize(), 200000);
  file.Seek(-4, soEnd);
  EXPECT_EQ(ReadAllText(file), data.substr(data.size() - 4));
}

TEST_F(StreamFiles, CopyFromWholeSourceOrCountedPart) {
  TMemoryStream source;
  source.WriteBuffer("0123456789", 10);
  TFileStream target(Path("copy.bin"), fmCreate);
  EXPECT_EQ(target.CopyFrom(source, 0), 10);  // 0: all of it, from the start
  source.SetPosition(8);
  EXPECT_THROW(target.CopyFrom(source, 5), EReadError);
  target.SetPosition(0);
  EXPECT_EQ(ReadAllText(target), "0123456789");
}

TEST_F(StreamFiles, OpenModes) {
  {
    TFileStream create(Path("m.txt"), fmCreate);
    create.WriteBuffer("hello", 5);
  }
  {
    // Opening for writing keeps the content; only what is written changes.
    TFileStream write(Path("m.txt"), fmOpenWrite);
    write.WriteBuffer("J", 1);
    char c;
    EXPECT_EQ(write.Read(&c, 1), 0);  // opened for writing only
  }
  {
    TFileStream both(Path("m.txt"), fmOpenReadWrite);
    EXPECT_EQ(ReadAllText(both), "Jello");
    both.SetSize(2);
  }
  TFileStream read(Path("m.txt"), fmOpenRead);
  EXPECT_EQ(ReadAllText(read), "Je");
  EXPECT_EQ(read.Write("x", 1), 0);
  EXPECT_THROW(read.WriteBuffer("x", 1), EWriteError);
}

TEST_F(StreamFiles, OpenFailuresNameTheFileAndTheReason) {
  const std::string missing = Path("missing.txt");
  try {
    TFileStream stream(missing, fmOpenRead);
    ADD_FAILURE() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
  }
  TMemoryStream memory;
  EXPECT_THROW(memory.LoadFromFile(FFolder.string()), EFOpenError);  // a folder
  EXPECT_THROW(TFileStream(Path("no/such/folder.txt"), fmCreate), EFCreateError);
  EXPECT_THROW(memory.SaveToFile(Path("no/such/folder.txt")), EStreamError);
}

TEST(ResourceStream, ReadsRegisteredDataByNameAndRefusesWrites) {
  ASSERT_TRUE(FindResource("testdata"));
  TResourceStream stream("TestData");
  EXPECT_EQ(stream.GetSize(), 6);
  EXPECT_EQ(stream.Memory(), kEmbedded);
  uint8_t bytes[6];
  stream.ReadBuffer(bytes, 6);
  EXPECT_EQ(bytes[5], 2);
  EXPECT_THROW(stream.Write("x", 1), EStreamError);
  EXPECT_THROW(stream.SetSize(0), EStreamError);

  EXPECT_FALSE(FindResource("NOSUCHDATA"));
  try {
    TResourceStream missing("NOSUCHDATA");
    ADD_FAILURE() << "found a missing resource";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NOSUCHDATA not found");
  }
}
