// The help column: the help text of a code, shown as text, pictures, text
// files and web pages of the help folder; and the web view beside the scene.

#include "app/HelpFiles.h"
#include "app/frmInterface.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_objects_text.h"
#include "controls/zr_panels.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/WebBrowser.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_position.h"

namespace {

// Where the web view stands: out of sight, or over the help column.
constexpr int kWebHidden = 1800;
constexpr int kWebShown = 543;

bool Ticked(const TMenuItem* item) { return item && item->GetChecked(); }

// Section "common" keys of the fixed topics 100 to 103, and their LCD-card forms.
const char* const kUpgradeHelpKeys[] = {"upgrade_controller_help", "upgrade_hardware_help",
                                        "upgrade_firmware_help", "upgrade_version_help"};

}  // namespace

std::string TfrmInterface::HelpText(int code) const {
  const bool chinese = Ticked(Chinese1);
  if (code >= 0 && code < VERSION::MaxItems) {
    const ITEM& item = FPageDef.items[code];
    return chinese ? item.chelp : item.ehelp;
  }
  if (code == 99) return chinese ? FPageDef.site.chelp : FPageDef.site.ehelp;
  if (code >= 100 && code <= 103) {
    const std::string key = kUpgradeHelpKeys[code - 100];
    return LangText(Ticked(LCDProgramCard1) ? "lcd_" + key : key, "");
  }
  if (code == 104) return LangText("calc_help", "");
  if (code == 105) return LangText("setting_suggestion", "");
  return {};  // no item or topic has this code
}

void TfrmInterface::ShowHelpPanel(int code) {
  web->SetLeft(kWebHidden);
  delete FindComponent("helpLayout");
  auto* layout = new TzrLayout(this);
  layout->SetName("helpLayout");
  layout->SetParent(Panel2);
  layout->SetBounds(20, 8, Panel2->GetWidth() - 20, Panel2->GetHeight() - 16);
  if (code < 0) return;

  std::string text = HelpText(code);
  if (IsHelpFileList(text)) {
    const std::vector<std::string> parts = SplitHelpParts(text);
    text.clear();
    const std::string folder = ExtractProgramFolder() + "help/";
    const THelpDevice device{FModel, FHardware, FFirmware};
    for (const std::string& part : parts) {
      const std::string path = HelpPartPath(folder, part, device);
      if (!HelpFileExists(folder, path)) {
        text += path;
        continue;
      }
      switch (HelpPartKindOf(path)) {
        case THelpPartKind::Picture: {
          layout->SetBounds(14, 3, Panel2->GetWidth() - 17, Panel2->GetHeight() - 7);
          auto* image = new TzrImage(this);
          image->SetParent(layout);
          image->SetBounds(0, 0, layout->GetWidth(), layout->GetHeight());
          image->SetWrapMode(zrImageStretch);
          image->GetBitmap()->LoadFromFile(path, 0);
          break;
        }
        case THelpPartKind::Page:
          web->Navigate(FilePathToUrl(path));
          web->SetLeft(kWebShown);
          break;
        case THelpPartKind::Text:
          text += ReadHelpTextFile(path);
          break;
      }
    }
  }
  if (text.empty()) return;
  auto* label = new TzrLabel(this);
  label->SetParent(layout);
  label->SetAlign(vaClient);
  label->SetTextAlign(zrTextAlignNear);
  label->SetVertTextAlign(zrTextAlignNear);
  label->SetText(UTF8ToUTF16(text));
}
