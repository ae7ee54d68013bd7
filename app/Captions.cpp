#include "app/Captions.h"

#include <string>

namespace {

using G = TCaptionGroup;
using P = TCaptionProperty;

const TCaptionBinding kBindings[] = {
    {G::DataLinkItems, "DATALINK1", "DATALINK1", P::Caption},
    {G::DataLinkItems, "DATALINK2", "DATALINK2", P::Caption},
    {G::DataLinkItems, "DATALINK3", "DATALINK3", P::Caption},
    {G::DataLinkItems, "DATALINK4", "DATALINK4", P::Caption},
    {G::DataLinkItems, "DATALINK5", "DATALINK5", P::Caption},

    {G::LanguagePairs, "TabAbout", "tabLabel1", P::Text},
    {G::LanguagePairs, "TabFirmware", "tabLabel8", P::Text},
    {G::LanguagePairs, "TabData", "tabLabel9", P::Text},
    {G::LanguagePairs, "TabCale", "tabLabel10", P::Text},
    {G::LanguagePairs, "StateGroup", "GroupBox1", P::Text},
    {G::LanguagePairs, "Esc", "Label1", P::Text},
    {G::LanguagePairs, "Busy", "Label2", P::Text},
    {G::LanguagePairs, "SettingGroup", "GroupBox2", P::Text},
    {G::LanguagePairs, "Update", "btnUpdate", P::Text},
    {G::LanguagePairs, "Default", "btnDefault", P::Text},
    {G::LanguagePairs, "UpdateHelp", "Label9", P::Text},
    {G::LanguagePairs, "DefaultHelp", "Label10", P::Text},
    {G::LanguagePairs, "Upgrade", "btnUpgrade", P::Text},
    {G::LanguagePairs, "Upgrade", "btnUpgrade2", P::Text},
    {G::LanguagePairs, "Version", "lVersion", P::Text},
    {G::LanguagePairs, "Info", "Label3", P::Text},
    {G::LanguagePairs, "Controller", "Label4", P::Text},
    {G::LanguagePairs, "Hardware", "Label5", P::Text},
    {G::LanguagePairs, "Firmware", "Label6", P::Text},
    {G::LanguagePairs, "UpgradeFirmware", "Label7", P::Text},
    {G::LanguagePairs, "Info", "lbLabel3", P::Text},
    {G::LanguagePairs, "Controller", "lbLabel4", P::Text},
    {G::LanguagePairs, "Hardware", "lbLabel5", P::Text},
    {G::LanguagePairs, "Firmware", "lbLabel6", P::Text},
    {G::LanguagePairs, "UpgradeFirmware", "lbLabel7", P::Text},
    {G::LanguagePairs, "Version", "lbVersion", P::Text},
    {G::LanguagePairs, "Process", "Label8", P::Text},
    {G::LanguagePairs, "Color", "lbColor", P::Text},
    {G::LanguagePairs, "Rotation", "lbRotation", P::Text},
    {G::LanguagePairs, "CW", "rbCW", P::Text},
    {G::LanguagePairs, "CCW", "rbCCW", P::Text},
    {G::LanguagePairs, "Red", "cbRed", P::Text},
    {G::LanguagePairs, "Blue", "cbBlue", P::Text},
    {G::LanguagePairs, "Green", "cbGreen", P::Text},
    {G::LanguagePairs, "StartScan", "btnScan", P::Text},
    {G::LanguagePairs, "File", "File1", P::Caption},
    {G::LanguagePairs, "File_menu_english", "English1", P::Caption},
    {G::LanguagePairs, "File_menu_chinese", "Chinese1", P::Caption},
    {G::LanguagePairs, "File_menu_export", "Export1", P::Caption},
    {G::LanguagePairs, "File_menu_import", "Import1", P::Caption},
    {G::LanguagePairs, "File_menu_print", "Print1", P::Caption},
    {G::LanguagePairs, "File_menu_style", "Style1", P::Caption},
    {G::LanguagePairs, "File_menu_version", "Version1", P::Caption},
    {G::LanguagePairs, "File_menu_demo", "Demo1", P::Caption},
    {G::LanguagePairs, "File_menu_exit", "Exit1", P::Caption},
    {G::LanguagePairs, "Device", "Device1", P::Caption},
    {G::LanguagePairs, "Device_menu_esc", "ESCSpeedController1", P::Caption},
    {G::LanguagePairs, "Device_menu_motor", "MotorChecker1", P::Caption},
    {G::LanguagePairs, "Device_menu_lcd", "LCDProgramCard1", P::Caption},
    {G::LanguagePairs, "Help", "Help1", P::Caption},
    {G::LanguagePairs, "Help_menu_help", "Help2", P::Caption},
    {G::LanguagePairs, "Help_menu_about", "About1", P::Caption},
    {G::LanguagePairs, "Help_menu_history", "History1", P::Caption},
    {G::LanguagePairs, "Help_menu_update", "Update1", P::Caption},
    {G::LanguagePairs, "Help_menu_dbupdate", "DBUpdate", P::Caption},
    {G::LanguagePairs, "Desired_head_speed", "calcLabel1", P::Text},
    {G::LanguagePairs, "Teeth_of_main_gear", "calcLabel2", P::Text},
    {G::LanguagePairs, "Teeth_of_pinion", "calcLabel3", P::Text},
    {G::LanguagePairs, "Magnetic_poles", "calcLabel4", P::Text},
    {G::LanguagePairs, "Kv_of_motor", "calcLabel5", P::Text},
    {G::LanguagePairs, "Number_of_cells", "calcLabel6", P::Text},
    {G::LanguagePairs, "Battery_type_for_voltage_cell", "calcLabel7", P::Text},
    {G::LanguagePairs, "Battery_voltage", "calcLabel10", P::Text},
    {G::LanguagePairs, "Head_remainder_enough", "calcLabel13", P::Text},
    {G::LanguagePairs, "Should_set_governor_area", "calcTextBox16", P::TextLabel},
    {G::LanguagePairs, "Should_set_throttle_value", "calcTextBox17", P::TextLabel},
    {G::LanguagePairs, "Warning", "calcLabel16", P::Text},

    {G::KeyTexts, "ThrottleAmount", "lblTH", P::Text},
    {G::KeyTexts, "MbRPM", "lblRPM", P::Text},
    {G::KeyTexts, "MotorPoles", "lblPoles", P::Text},
    {G::KeyTexts, "MainDriveGear", "lblZC", P::Text},
    {G::KeyTexts, "DriveGearRatio", "rbCB", P::Text},
    {G::KeyTexts, "RequiredRPM", "lblReRPM", P::Text},
    {G::KeyTexts, "RequiredTH", "lblReTH", P::Text},
    {G::KeyTexts, "MotorDriveGear", "rbDJC", P::Text},
    {G::KeyTexts, "SettingDGR", "gbSelect", P::Text},
    {G::KeyTexts, "ChartTitle", "btnShow", P::Text},
    {G::KeyTexts, "ReadChannel", "btnRead", P::Text},
    {G::KeyTexts, "WriteChannel", "btnWrite", P::Text},
    {G::KeyTexts, "Channel1", "cbChannel1", P::Text},
    {G::KeyTexts, "Channel2", "cbChannel2", P::Text},
    {G::KeyTexts, "Channel3", "cbChannel3", P::Text},
    {G::KeyTexts, "Channel4", "cbChannel4", P::Text},
    {G::KeyTexts, "Channel5", "cbChannel5", P::Text},
    {G::KeyTexts, "Channel6", "cbChannel6", P::Text},
    {G::KeyTexts, "Channel7", "cbChannel7", P::Text},
    {G::KeyTexts, "Channel8", "cbChannel8", P::Text},
    {G::KeyTexts, "Channel1", "rbChannel1", P::Text},
    {G::KeyTexts, "Channel2", "rbChannel2", P::Text},
    {G::KeyTexts, "Channel3", "rbChannel3", P::Text},
    {G::KeyTexts, "Channel4", "rbChannel4", P::Text},
    {G::KeyTexts, "Channel5", "rbChannel5", P::Text},
    {G::KeyTexts, "Channel6", "rbChannel6", P::Text},
    {G::KeyTexts, "Channel7", "rbChannel7", P::Text},
    {G::KeyTexts, "Channel8", "rbChannel8", P::Text},
    {G::KeyTexts, "Basic", "tabLabel11", P::Text},
};

}  // namespace

TLangTable<TCaptionBinding> CaptionBindings() {
  return {kBindings, sizeof kBindings / sizeof kBindings[0]};
}

std::string ComposeWindowTitle(const std::string& title, const std::string& softwareVersion,
                               const std::string& databaseVersion, bool chinese) {
  const std::string head = title + " " + softwareVersion + "      Database: ";
  if (chinese) return head + databaseVersion;
  // Month and day follow the year's dash; a version without a dash is taken
  // from its start.
  const size_t dash = databaseVersion.find('-');
  const size_t from = dash == std::string::npos ? 0 : dash + 1;
  const std::string monthDay = databaseVersion.substr(from, 5);
  return head + monthDay + "-" + databaseVersion.substr(0, 4) + "(MM-DD-YY)";
}
