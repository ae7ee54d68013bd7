// The data link's time stamp, line log and boot-wait timer handler.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "app/frmInterface.h"
#include "controls/XwThreadTimer.h"
#include "controls/zr_controls.h"
#include "tests/link/datalink_fixture.h"

namespace {

using DataLinkLogTest = DataLinkFixture;

TEST_F(DataLinkLogTest, TimeStringHasNoLeadingZeros) {
  const std::regex number("(0|[1-9][0-9]*)");
  const std::regex stamp(
      "[1-9][0-9]{3}-(1[0-2]|[1-9])-([1-9]|[12][0-9]|3[01]) "
      "(0|1?[0-9]|2[0-3]):(0|[1-5]?[0-9]):(0|[1-5]?[0-9]):(0|[1-9][0-9]{0,2})");
  const std::string text = Form->GetTimeString();
  EXPECT_TRUE(std::regex_match(text, stamp)) << text;
}

TEST_F(DataLinkLogTest, LogAppendsLinesAndIgnoresWhatItCannotOpen) {
  const std::string path = ::testing::TempDir() + "datalink_log_test.log";
  std::filesystem::remove(path);
  Form->WriteLog("not written");  // no file named
  Form->FLogFileName = path;
  Form->WriteLog("first");
  Form->WriteLog("zweite 二");
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  const std::regex lines(
      "first---->[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8}\r\n"
      "zweite 二---->[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8}\r\n");
  EXPECT_TRUE(std::regex_match(content.str(), lines)) << content.str();
  std::filesystem::remove(path);

  Form->FLogFileName = ::testing::TempDir() + "no/such/folder/log.txt";
  EXPECT_NO_THROW(Form->WriteLog("lost"));
}

TEST_F(DataLinkLogTest, BootWaitEnablesScanOnceTheModelIsKnown) {
  EXPECT_FALSE(Form->ttMyThread->GetEnabled());  // nothing enables it
  EXPECT_EQ(Form->ttMyThread->GetInterval(), 2500u);
  const struct {
    bool visible;
    const char* model;
    bool scanBefore, scanAfter, bootWait;
  } cases[] = {
      {true, "CAR_ESC", false, true, false},
      {true, "0", true, false, true},
      {true, "", true, false, true},
      {false, "CAR_ESC", false, false, true},  // a hidden button is left alone
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.model) + (c.visible ? " shown" : " hidden"));
    Form->btnScan->SetVisible(c.visible);
    Form->btnScan->SetEnabled(c.scanBefore);
    Form->FBootWait = true;
    Form->FModel = c.model;
    Form->ttMyThreadTimer(Form->ttMyThread);
    EXPECT_EQ(Form->btnScan->GetEnabled(), c.scanAfter);
    EXPECT_EQ(Form->FBootWait, c.bootWait);
    EXPECT_FALSE(Form->ttMyThread->GetEnabled());
  }
}

}  // namespace
