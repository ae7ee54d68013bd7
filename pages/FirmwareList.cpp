// The model database of the connected device and its firmware list, with the
// identity boxes, lamps and buttons of the status page that follow from them.

#include "app/frmInterface.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_controls.h"
#include "controls/zr_listbox.h"
#include "controls/zr_objects.h"
#include "controls/zr_text_box.h"
#include "pages/ModelDatabase.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"

namespace {

const char kLampOn[] = "#FF00AA00";
const char kLampOff[] = "#FF004A00";

bool Ticked(const TMenuItem* item) { return item && item->GetChecked(); }

template <class T>
void SetText(T* control, const std::string& text) {
  if (control) control->SetText(UTF8ToUTF16(text));
}

void EnableControl(TzrControl* control, bool enabled) {
  if (control) control->SetEnabled(enabled);
}

}  // namespace

std::string TfrmInterface::MapFirmwareName(const std::string& name) const {
  return MapFirmwareNameIn(ExtractProgramFolder() + "parallel_table.ini", name);
}

void TfrmInterface::SelectModelDatabase() {
  if (FModel.empty()) return;
  // A search that finds nothing leaves no path behind from an earlier model.
  FModelDatabase.clear();
  SetText(lVersion, "");
  try {
    const auto match = FindModelDatabase(ListModelDatabases(ExtractProgramFolder()), FModel);
    if (!match) return;
    FModelDatabase = match->Path;
    if (!match->HasVersion) return;
    SetText(lVersion, VersionLabelText(LangText("Version", ""), match->Version, Ticked(Chinese1),
                                       FLocalDatabaseVersion));
  } catch (const std::exception&) {
    // The search ends silently; the label stays empty.
  }
}

void TfrmInterface::LoadFirmwareList() {
  // The definition worker may still be filling FPageDef, whose group count
  // chooses the page shown: wait for it first, whichever way this ends.
  if (FThread && !FDefinitionsLoaded.load()) WaitForDefinitions();
  const std::string fw =
      FModel == "VO_VAV_OVI_V5" && !FDeviceExtraId.empty() ? FDeviceExtraId : FFirmware;
  const bool lcd = Ticked(LCDProgramCard1);
  const bool channelPage = Ticked(DATALINK2) || Ticked(DATALINK3) || Ticked(DATALINK4);
  TzrTextBox* modelBox = channelPage ? tbController : eController;
  TzrTextBox* hardwareBox = channelPage ? tbHardware : eHardware;
  TzrTextBox* firmwareBox = channelPage ? tbFirmware : eFirmware;
  TzrComboBox* list = channelPage ? scbFirmware : cbFirmware;

  const auto showIdentity = [&] {
    if (lcd) {
      SetText(eController, LCDProgramCard1->GetCaption());
      SetText(eHardware, LcdHardwareDisplayText(FModel, FHardware));
      return;
    }
    SetText(modelBox, ModelDisplayText(FModel));
    SetText(hardwareBox, HardwareDisplayText(FHardware));
  };
  const auto showPage = [&](TzrListBoxItem* entry) {
    if (ListBox1) ListBox1->SetItemIndex(FPageDef.tab + 1);
    ListBoxItemClick(entry);
  };

  ProcessMessages();
  TSoftwareRows rows;
  try {
    rows = ReadSoftwareVersions(FModelDatabase, FHardware, FModel);
  } catch (const std::exception&) {
    return;
  }
  if (!rows.Opened) return;
  if (!rows.Prepared) {
    if (FModel.empty() || FHardware.empty() || FFirmware.empty()) return;
    showIdentity();
    SetText(firmwareBox, MapFirmwareName(fw));
    return;
  }

  if (list) list->Clear();
  TFirmwareList firmware;
  try {
    const auto batches =
        ReadMarkedBatches(VersionControlPath(FModelDatabase), FModel, FHardware, fw);
    firmware = BuildFirmwareList(
        rows.Versions, batches, [this](const std::string& name) { return MapFirmwareName(name); },
        [] { ProcessMessages(); });
  } catch (const std::exception&) {
    return;
  }
  if (list)
    for (const std::string& name : firmware.Names) zrComboAddText(list, UTF8ToUTF16(name));

  // Identity boxes and navigation, by product mode.
  if (lcd || channelPage) {
    showIdentity();
    showPage(ListBoxItem8);
  } else if (Ticked(DATALINK5)) {
    showPage(ListBoxItem11);
  } else {
    showIdentity();
    if (Ticked(MotorChecker1)) {
      if (MotorChecker1->OnClick) MotorChecker1->OnClick(MotorChecker1);
      showPage(ListBoxItem8);
    } else if (Ticked(DATALINK1)) {
      showPage(ListBoxItem8);
    }
  }
  SetText(firmwareBox, MapFirmwareName(fw));

  // Lamps: the link lamp is what the write, default and upgrade actions test.
  const bool found = firmware.Found;
  if (Circle1) Circle1->GetFill()->SetColor(found ? kLampOn : kLampOff);
  if (Circle2) Circle2->GetFill()->SetColor(found && FSettingsRead ? kLampOn : kLampOff);

  const bool writable = found && FSettingsRead && FPageDef.tab > 0;
  const bool hasEntries = list && list->Count() > 0;
  if (list) list->SetItemIndex(0);
  EnableControl(modelBox, found);
  EnableControl(hardwareBox, found);
  EnableControl(firmwareBox, found);
  EnableControl(btnUpdate, writable);
  EnableControl(btnDefault, writable);
  EnableControl(list, hasEntries);
  if (channelPage)
    EnableControl(btnUpgrade2, hasEntries && FModel.find("DATALINK") == std::string::npos);
  else
    EnableControl(btnUpgrade, hasEntries);
}
