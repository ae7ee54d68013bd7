#include "app/LangCommon.h"

#include <strings.h>

namespace {

const TLangOption kOptions[] = {
    {"esc_option", true},          {"lcd_option", true},          {"demo_option", true},
    {"mc_option", false},          {"datalink1_option", true},    {"datalink2_option", true},
    {"datalink3_option", true},    {"datalink4_option", true},    {"datalink5_option", true},
    {"datalink5_1_option", false}, {"datalink5_2_option", false}, {"lang", true},
    {"autoupdate", true},          {"stylecolor", false},
};

const TLangInteger kIntegers[] = {
    {"aboutimage_x", 16},
    {"aboutimage_y", 16},
    {"aboutimage_w", 589},
    {"aboutimage_h", 427},
};

const TLangText kPlainTexts[] = {
    {"icon", ""},
    {"aboutimage", ""},
    {"abouticon", ""},
    {"firmwareicon", ""},
    {"dataicon", ""},
    {"calcicon", ""},
    {"bsicon", ""},
    {"styleimage", ""},
    {"software_version", "V1.0.0"},
    {"update_server", ""},
    {"updateimage", ""},
    {"cacl1", "2300"},
    {"cacl2", "153"},
    {"cacl3", "16"},
    {"cacl4", "4"},
    {"cacl5", "740"},
    {"cacl6", "12"},
    {"cacl7", "3.3V"},
    {"cacl8", "3.6V"},
    {"cacl9", "2.7V"},
    {"cacl10", "39.6V"},
    {"cacl11", "42.2V"},
    {"cacl12", "32.4V"},
    {"cacl13", "3064"},
    {"cacl14", "3343"},
    {"cacl15", "2507"},
    {"cacl16", "Governor_High"},
    {"cacl17", "77.5%"},
    {"cacl18", "21993.75"},
    {"cacl19", "87975"},
};

const TLangPair kCaptionPairs[] = {
    {"Title", "Quenby ESC System V3.0", "Quenby昆比科技电调调制软件 V3.0"},
    {"TabAbout", "About", "关于"},
    {"TabFirmware", "Firmware Upgrade", "固件更新"},
    {"TabData", "Data Recorder", "数据记录"},
    {"TabCale", "Speed Calculator", "速度计算"},
    {"StateGroup", "Connection State", "连接状态"},
    {"Esc", "ESC", "电调"},
    {"Busy", "Busy", "工作指示"},
    {"SettingGroup", "Setting To ESC", "设置电调"},
    {"Update", "Write ESC", "参数写入电调"},
    {"Default", "Default", "恢复出厂设置"},
    {"UpdateHelp", "Write ESC", "参数写入电调"},
    {"DefaultHelp", "Default", "恢复出厂设置"},
    {"Upgrade", "Upgrade", "升级"},
    {"Version", "Database Version", "数据库版本"},
    {"Info", "Info", "状态信息"},
    {"Controller", "Controller", "连接器件类型"},
    {"Hardware", "Hardware Version", "硬件版本"},
    {"Firmware", "Firmware Version", "固件版本"},
    {"UpgradeFirmware", "Firmware Upgrade", "可升级固件"},
    {"Process", "Progress Status:Please Waiting...", "处理中，请稍候..."},
    {"Color", "Color", "颜色"},
    {"Rotation", "Rotation", "转向"},
    {"CW", "CW", "正转"},
    {"CCW", "CCW", "反转"},
    {"Red", "Red", "红"},
    {"Blue", "Blue", "蓝"},
    {"Green", "Green", "绿"},
    {"StartScan", "Scan", "扫描"},
    {"File", "&File", "文件(&F)"},
    {"File_menu_english", "&English", "&English"},
    {"File_menu_chinese", "Simplified Chinese(&C)", "Simplified Chinese(&C)"},
    {"File_menu_export", "Export Setting", "输出设置参数表"},
    {"File_menu_import", "Import Setting", "导入设置参数表"},
    {"File_menu_print", "Print Setting", "打印设置参数表"},
    {"File_menu_style", "Style", "界面风格"},
    {"File_menu_version", "Suppor Version", "支持版本"},
    {"File_menu_demo", "Demo", "演示"},
    {"File_menu_exit", "E&xit", "退出系统(&X)"},
    {"Device", "&Device", "器件(&D)"},
    {"Device_menu_esc", "ESC Speed Controller", "电调"},
    {"Device_menu_motor", "Motor Checker", "无刷分析仪"},
    {"Device_menu_lcd", "LCD Program Card", "2合1设定盒"},
    {"Help", "&Help", "帮助(&H)"},
    {"Help_menu_help", "&Help...", "帮助(&H)..."},
    {"Help_menu_about", "&About...", "关于(&A)..."},
    {"Help_menu_history", "&Revision History...", "更新历史(&R)..."},
    {"Help_menu_update", "&Update...", "更新(&U)..."},
    {"Help_menu_dbupdate", "&Database Update...", "数据库更新(&D)..."},
    {"Desired_head_speed", "Desired Head Speed", "期望大桨转速"},
    {"Teeth_of_main_gear", "Teeth of Main Gear", "主齿盘"},
    {"Teeth_of_pinion", "Teeth of Pinion", "马达主齿"},
    {"Magnetic_poles", "Magnetic Poles", "马达极对数"},
    {"Kv_of_motor", "KV of Motor", "马达KV"},
    {"Number_of_cells", "Number of cells", "电池节数"},
    {"Battery_type_for_voltage_cell", "Battery Type for Voltage/cell (Normal/Max/Min)",
     "单节电压 (正常电压/最大电压/最小电压)"},
    {"Battery_voltage", "Battery Voltage (Normal/Max/Min)",
     "电池电压 (正常电压/最大电压/最小电压)"},
    {"Head_remainder_enough", "Head Speed Remainder Enough? (Normal/Max/Min)",
     "对应的大桨转速 (正常电压/最大电压/最小电压)"},
    {"Should_set_governor_area", "Should Set Governor Area", "查图对应定速范围"},
    {"Should_set_throttle_value", "Should Set Throttle Value", "查图对应油门点"},
    {"Warning",
     "Warning! This calculator is ONLY available for Quenby Ardent series ESC. The misuse with "
     "other brands ESCs may cause unpredictable effect.",
     "警告！因算法存在差异，本程序仅适用于昆比科技有限公司生产的亚丹系列空模电子调速器，不可适用于"
     "其他品牌。"},
};

const TLangText kKeyTexts[] = {
    {"DATALINK1", "DATALINK"},
    {"DATALINK2", "DATALINK UART->ESC"},
    {"DATALINK3", "DATALINK CAN"},
    {"DATALINK4", "DATALINK CAN->ESC"},
    {"DATALINK5", "DATALINK ESC Param"},
    {"ThrottleAmount", "油门值"},
    {"MbRPM", "主旋翼转速"},
    {"MotorPoles", "电机磁极数"},
    {"MainDriveGear", "主齿数"},
    {"DriveGearRatio", "齿轮比"},
    {"RequiredRPM", "需求转速"},
    {"RequiredTH", "需求设置油门值"},
    {"MotorDriveGear", "电机齿齿数"},
    {"SettingDGR", "齿轮比设置"},
    {"ReadChannel", "读取通道"},
    {"WriteChannel", "写入通道"},
    {"Channel1", "Channel 1"},
    {"Channel2", "Channel 2"},
    {"Channel3", "Channel 3"},
    {"Channel4", "Channel 4"},
    {"Channel5", "Channel 5"},
    {"Channel6", "Channel 6"},
    {"Channel7", "Channel 7"},
    {"Channel8", "Channel 8"},
    {"Basic", "Basic"},
    {"DisConnect", "DisConnect"},
    {"Connect", "Connect"},
    {"InfoTitle", "Information"},
    {"btn_Ok", "Ok"},
    {"upgrade_controller_help", ""},
    {"upgrade_hardware_help", ""},
    {"upgrade_firmware_help", ""},
    {"upgrade_version_help", ""},
    {"lcd_upgrade_controller_help", ""},
    {"lcd_upgrade_hardware_help", ""},
    {"lcd_upgrade_firmware_help", ""},
    {"lcd_upgrade_version_help", ""},
    {"calc_help", ""},
    {"setting_suggestion", ""},
    {"ThHigh", "TH is too high"},
    {"ThLow", "TH is too low"},
    {"HelpUrl", "help/help.html"},
    {"UpdateTitle", "更新信息"},
    {"UpdateAlready", "已经是最新版本了！"},
    {"UpdateNew", "版本更新了！"},
    {"UpdateInstall", "确定"},
    {"UpdateCancel", "取消"},
    {"network_connect_fail", "network_connect_fail"},
    {"download_fail", "下载失败"},
    {"DBUpdateTitle", "更新信息"},
    {"DBUpdateAlready", "已经是最新版本了！"},
    {"DBUpdateNew", "版本更新了！"},
    {"upgrade_succ", "升级成功"},
    {"Upgrade_fail", "升级失败,请重新升级!"},
    {"version_file_fail", "无法读取版本文件 version_control.xml，软件和数据库版本未知。"},
};

const TLangPair kAboutPairs[] = {
    {"About_title", "About", "关于"}, {"About_label1", "", ""},     {"About_label2", "", ""},
    {"About_label3", "", ""},         {"About_btncredits", "", ""}, {"About_btnok", "", ""},
};

template <class T, size_t N>
TLangTable<T> Table(const T (&rows)[N]) {
  return {rows, N};
}

template <class T, class Name>
const T* Find(const TLangTable<T>& table, const char* key, Name name) {
  for (const T& row : table)
    if (strcasecmp(name(row), key) == 0) return &row;
  return nullptr;
}

}  // namespace

TLangTable<TLangOption> LangOptions() { return Table(kOptions); }
TLangTable<TLangInteger> LangIntegers() { return Table(kIntegers); }
TLangTable<TLangText> LangPlainTexts() { return Table(kPlainTexts); }
TLangTable<TLangPair> LangCaptionPairs() { return Table(kCaptionPairs); }
TLangTable<TLangText> LangKeyTexts() { return Table(kKeyTexts); }
TLangTable<TLangPair> LangAboutPairs() { return Table(kAboutPairs); }

const TLangPair* FindLangPair(const char* Base) {
  const auto name = [](const TLangPair& row) { return row.Base; };
  const TLangPair* row = Find(LangCaptionPairs(), Base, name);
  return row ? row : Find(LangAboutPairs(), Base, name);
}

const TLangText* FindLangKeyText(const char* Base) {
  return Find(LangKeyTexts(), Base, [](const TLangText& row) { return row.Key; });
}

const TLangOption* FindLangOption(const char* Key) {
  return Find(LangOptions(), Key, [](const TLangOption& row) { return row.Key; });
}

const TLangInteger* FindLangInteger(const char* Key) {
  return Find(LangIntegers(), Key, [](const TLangInteger& row) { return row.Key; });
}

const TLangText* FindLangPlainText(const char* Key) {
  return Find(LangPlainTexts(), Key, [](const TLangText& row) { return row.Key; });
}
