// Message boxes and file dialogs answered through their hooks; no display.

#include "platform/vcl/Dialogs.h"

#include <gtest/gtest.h>

#include "platform/vcl/Forms.h"

namespace {

struct THooks : ::testing::Test {
  ~THooks() override {
    MessageBoxHook = nullptr;
    FileDialogHook = nullptr;
  }
};

}  // namespace

TEST_F(THooks, MessageBoxHookAnswersInsteadOfTheUser) {
  TMessageBoxRequest seen;
  MessageBoxHook = [&](const TMessageBoxRequest& r) {
    seen = r;
    return IDNO;
  };
  EXPECT_EQ(MessageBox("Upgrade now?", "Infomation", MB_YESNO | MB_ICONQUESTION), IDNO);
  EXPECT_EQ(seen.Text, "Upgrade now?");
  EXPECT_EQ(seen.Caption, "Infomation");
  EXPECT_EQ(seen.Flags, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(Application->MessageBox("t", "c", MB_OK), IDNO);
  EXPECT_EQ(IDYES, mrYes);
  EXPECT_EQ(IDNO, mrNo);
  EXPECT_EQ(IDOK, mrOk);
}

TEST_F(THooks, MessageDlgMapsTypeAndButtonsToTheBox) {
  struct TCase {
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
    int Flags;
    const char* Caption;
  };
  const TCase cases[] = {
      {mtConfirmation, mbYesNo, MB_YESNO | MB_ICONQUESTION, "Confirm"},
      {mtError, mbOK, MB_OK | MB_ICONERROR, "Error"},
      {mtWarning, mbOKCancel, MB_OKCANCEL | MB_ICONWARNING, "Warning"},
      {mtInformation, mbYesNoCancel, MB_YESNOCANCEL | MB_ICONINFORMATION, "Information"},
  };
  for (const TCase& c : cases) {
    TMessageBoxRequest seen;
    MessageBoxHook = [&](const TMessageBoxRequest& r) {
      seen = r;
      return IDYES;
    };
    EXPECT_EQ(MessageDlg("text", c.Type, c.Buttons), mrYes);
    EXPECT_EQ(seen.Flags, c.Flags) << c.Caption;
    EXPECT_EQ(seen.Caption, c.Caption);
  }
}

TEST_F(THooks, FileDialogHookChoosesAndDefaultExtCompletesTheName) {
  struct TCase {
    const char* Typed;
    const char* DefaultExt;
    const char* Result;
  };
  const TCase cases[] = {
      {"/tmp/report", ".pdf", "/tmp/report.pdf"},
      {"/tmp/report", "txt", "/tmp/report.txt"},
      {"/tmp/report.txt", ".pdf", "/tmp/report.txt"},
      {"/tmp/v1.2/report", ".pdf", "/tmp/v1.2/report.pdf"},
      {"/tmp/report", "", "/tmp/report"},
  };
  for (const TCase& c : cases) {
    TSaveDialog dialog(nullptr);
    dialog.SetDefaultExt(c.DefaultExt);
    FileDialogHook = [&](TFileDialog& d) {
      d.SetFileName(c.Typed);
      return true;
    };
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.GetFileName(), c.Result) << c.Typed << " " << c.DefaultExt;
  }
}

TEST_F(THooks, CancelledFileDialogKeepsTheNameAndTheHookSeesTheSettings) {
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("INI File (*.txt)|*.txt");
  dialog.SetFileName("old.txt");
  dialog.SetInitialDir("/tmp");
  std::string filter, dir;
  TFileDialogKind kind = fdSave;
  FileDialogHook = [&](TFileDialog& d) {
    filter = d.GetFilter();
    dir = d.GetInitialDir();
    kind = d.Kind();
    return false;
  };
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.GetFileName(), "old.txt");
  EXPECT_EQ(filter, "INI File (*.txt)|*.txt");
  EXPECT_EQ(dir, "/tmp");
  EXPECT_EQ(kind, fdOpen);
}
