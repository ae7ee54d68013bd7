#pragma once
// The main window. Declared here once; its methods are defined in the folder
// of the subsystem they belong to (app/, link/, pages/, files/). Members are
// grouped by the subsystem that owns them.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GovernorCalc.h"
#include "pages/PageDefinition.h"
#include "platform/rtl/IniFiles.h"
#include "platform/vcl/Forms.h"
#include "platform/xml/XMLDoc.h"

class TTimer;
class TXwTimer;
class TzrCircle;
class TzrColorKeyAnimation;
class TzrMemo;
class TzrTextControl;
class TzrTextBox;
class TzrCustomTextBox;
class TzrComboBox;
class TzrButton;
class TzrCheckBox;
class TzrListBox;
class TListBox;
class TzrListBoxItem;
class TMenuItem;
class TzrStringGrid;
class TzrTabControl;
class TzrTabItem;
class TzrPlotGrid;
class TzrCanvas;
class TzoRurev;
class TzrBackground;
class TzrResources;
class TzrVisualObject;
struct TzrRect;
class TOpenDialog;
class TSaveDialog;
class TfrmHid;
class TfrmInfo;
class TfrmProgress;
class MyThread;
struct TCaptionBinding;
enum class TCaptionGroup;
namespace hid {
struct hid_device;
struct hid_device_info;
class THidDeviceNotifier;
enum class TDeviceChange;
}  // namespace hid

class TfrmInterface : public TForm {
public:
  explicit TfrmInterface(TComponent* AOwner);
  ~TfrmInterface() override;
  std::string ClassName() const override { return "TfrmInterface"; }

  // ---- Program start and window life (app/) ----
  // The scene filling the client area and its root, from the form resource.
  TzoRurev* ControlsScene = nullptr;
  TzrBackground* Backgroup = nullptr;
  TzrResources* SceneStyle = nullptr;
  class TStatusBar* StatusBar1 = nullptr;  // below the scene; nothing writes to it
  class TMainMenu* MainMenu1 = nullptr;
  // Reads the form resource; raises when it does not load cleanly.
  void ReadForm();
  // Sets the members below from the form's components; raises when one is
  // missing or of another class.
  void FindFormComponents();
  void CreateHelperComponents();
  void BindFormHandlers();
  void FormCreate(TObject* Sender);
  void FormActivate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  // Runs the create handler, then starts the link timer if it is to run: no
  // tick comes before the handler has set the markers and opened the
  // language file.
  void DoCreate() override;
  bool FCreating = false;
  bool FLinkTimerWanted = false;
  // Device notifications (the udev monitor): registered by the first
  // activation; a failure is told in a message box and not retried.
  void RegisterDevice();
  bool FNotifyRegistered = false;
  // Saves the language file without a byte-order mark, through a temporary
  // file renamed over it; a failed save leaves the old file whole.
  void SaveLanguageFile();

  // ---- Language file and texts (app/) ----
  // "lang.ini" of the program folder, held in memory for the window's life.
  std::unique_ptr<TMemIniFile> FLangIni;
  void OpenLanguageFile();
  // "chs" + Base while Chinese1 carries its check mark, otherwise "eng" + Base.
  std::string LangKey(const std::string& Base) const;
  // Section "common", key LangKey(Base), with the given or the built-in default.
  std::string LangText(const std::string& Base, const std::string& Default) const;
  std::string LangText(const std::string& Base) const;
  // Section "common", the literal "chs" or "eng" key of a language pair, with
  // the built-in default of that language.
  std::string LangPairText(const std::string& Base) const;
  // Section "common", a plain key, with its default from the key catalogue.
  bool ReadCommonBool(const std::string& key) const;
  std::string ReadCommonText(const std::string& key) const;
  int ReadCommonInteger(const std::string& key) const;
  // Puts section "common" onto the window: options, pictures, the title and
  // every caption in the language in force, the product label, and on the
  // first run the demo-model items of Version1, the calculator fields and the
  // update option; ends by selecting the model database. Errors reach the
  // caller.
  void ApplyLanguage();
  void ApplyCaptions(TCaptionGroup group);
  void SetBoundCaption(const TCaptionBinding& binding, const std::string& text);
  void ApplyPictures();
  void ApplyChannelPageOptions();
  void ApplyProductLabel();
  void AddDemoModelItems(const std::vector<std::string>& sections);
  void ApplyCalculatorFields();
  void ApplyNavigationLook();
  std::string FSoftwareVersion;  // "software_version", shown in the title
  // Handler of the language items (Tag 1 Chinese, 2 English) and the
  // demo-model items (Tag 3 and up): applies the texts again and rebuilds the
  // parameter page, of the chosen demo model or of the device.
  void VersionClick(TObject* Sender);
  void ResetChannelPage();
  // On while VersionClick rebuilds the page.
  bool FVersionSwitching = false;
  // The demo-model item whose page is shown while Demo1 is checked. Picking
  // it again ends demo mode, as a device-mode pick does (LeaveDemoMode).
  TMenuItem* FDemoItem = nullptr;
  // Unchecks Demo1 and the demo-model items; true when demo mode was on.
  bool LeaveDemoMode();
  // A language, demo-model or product-mode pick that arrives while a link
  // operation holds FBusy would rebuild the page under it (a product mode
  // would also release the link): the pick is held, and HeldClickTimer
  // (100 ms) runs the held picks in order once FBusy is released. True when
  // Sender was held.
  bool HoldWhileBusy(TObject* Sender);
  std::vector<TMenuItem*> FHeldClicks;
  TTimer* HeldClickTimer = nullptr;
  void HeldClickTimerTimer(TObject* Sender);


  // ---- Timers, menus and window frame (app/) ----
  // Product modes of the device menu (app/ProductModes.cpp): the speed
  // controller (markers 0xA5/0x5A), the motor analyzer (0xA6/0x6A) and the
  // program card (0xC3/0x3C).
  void ESCSpeedController1Click(TObject* Sender);
  void MotorChecker1Click(TObject* Sender);
  void LCDProgramCard1Click(TObject* Sender);
  // The switch every mode runs: stops a scan, checks the item and ends demo
  // mode; a device mode that is already active (and was not in demo mode)
  // stops there. Otherwise the page, the markers, the identity and the
  // connection start over in the new mode; the data-link modes hide the write
  // and connect buttons and disable the file items. False when the switch is
  // held until a running link operation has ended.
  bool SwitchProductMode(TMenuItem* item, uint8_t start, uint8_t end, bool dataLink);
  // The device-menu item whose mode the window is set up for. A pick's check
  // mark moves before its handler runs (auto-check), and the frame markers
  // follow a data-link scan or an adapter's arrival, so neither tells whether
  // the picked mode is the active one: this item does.
  TMenuItem* FModeItem = nullptr;
  // Plain menu entries (app/MenuCommands.cpp).
  void Exit1Click(TObject* Sender);
  // The style entries only move their check mark.
  void StyleClick(TObject* Sender);
  // Opens the help address when it answers, otherwise the local help page of
  // the checked language; an empty address opens nothing.
  void Help2Click(TObject* Sender);
  // Shows the about box with the texts of the checked language (app/AboutBox.cpp).
  void About1Click(TObject* Sender);
  // The connect switch (app/ConnectSwitch.cpp): takes the device off the link
  // and puts it back.
  void btnConnectClick(TObject* Sender);

  // ---- Message output, progress window and navigation list (app/) ----
  // Kind 0: message area only; 1: information box only; 2: both.
  void ShowMessageText(const std::string& text, int kind);
  TzrMemo* MessageArea() const;
  TfrmInfo* FInfoForm = nullptr;
  // Texts for the information box that came while it was open (from a timer
  // tick or a device message in its loop): shown in order once it closes.
  std::vector<std::string> FPendingInfo;
  void ShowInfoBox(const std::string& text);
  // Loads the picture file Name of the program folder into the image; an
  // empty name or a missing file leaves the image as it was.
  void LoadPicture(class TzrImage* image, const std::string& name);
  // Navigation column, pages and help column.
  class TzrListBox* ListBox2 = nullptr;  // entries the model does not use
  class TzrLayout* tabLayout[13] = {};   // tabLayout1 .. tabLayout13
  class TzrCalloutPanel* Panel2 = nullptr;  // the help callout
  class TzrLayout* Panel6 = nullptr;        // the help column
  class TzrImage* imgLogo = nullptr;
  // The calculator's boxes whose texts the language file keeps ("cacl1" ..
  // "cacl19"); boxes 16 and 17 are compound boxes.
  TzrCustomTextBox* calcTextBox[19] = {};
  class TzrCompoundTextBox* calcTextBox16 = nullptr;
  class TzrCompoundTextBox* calcTextBox17 = nullptr;
  std::string CalcBoxText(int number) const;
  // Shows the page the sender's tag stands for and hides the others, shows
  // the help column for the parameter and calculator pages, and selects the
  // sender in the navigation list when it stands there.
  void ListBoxItemClick(TObject* Sender);
  int PageOfTag(int tag) const;
  // Governor page (app/GovernorPage.cpp): its controls, the governor values
  // and the read-outs the navigation list fills when the page shows.
  class TzrTrackBar* tbPercent = nullptr;
  class TzrNumberBox *nbPoles = nullptr, *nbDJC = nullptr, *nbZC = nullptr, *nbCB = nullptr;
  class TzrNumberBox *nbRPM1 = nullptr, *nbRPM2 = nullptr, *nbRPM3 = nullptr;
  class TzrRadioButton* rbDJC = nullptr;
  TzrTextControl *lblHighRPM = nullptr, *lblLowRPM = nullptr, *lblRightRPM = nullptr,
                 *lblTips = nullptr;
  int32_t FGovernorBase = 0;
  int32_t FGovernorPoles = 0;
  float FGovernorRatio = 0;
  int32_t FGovernorMaxRpm = 0;
  void FindGovernorComponents();
  void ShowGovernorValues();
  // Calculator and governor page handlers (app/CalculatorPage.cpp).
  class TzrRadioButton* rbCB = nullptr;
  TzrTextControl* lblPercent = nullptr;
  TzrTextControl* lblRP[3] = {};
  TzrTextControl* lblRPTip[3] = {};
  TMenuItem* test1 = nullptr;
  // The calculator box n (1-19): the inner text box of the compound boxes.
  class TzrCustomTextBox* CalcBox(int number) const;
  int CalcBatteryEntry(int number) const;
  void RecalculateGearCalculator();
  void calcChange(TObject* Sender);
  void calcTextBoxChange(TObject* Sender);
  void calcTextBoxKeyDown(TObject* Sender, uint16_t& Key, char16_t& KeyChar, TShiftState Shift);
  void test1Click(TObject* Sender);
  // The shared step of the pole and ratio handlers: the governor members
  // from the controls, the speed labels, the maxima of nbRPM1-3 and the rows.
  void ReadGovernorControls();
  void UpdateGovernorMaximum(TGovernorNumberFormat format);
  void rpmChange(int row);
  void tbPercentChange(TObject* Sender);
  void nbPolesChange(TObject* Sender);
  void nbCBChange(TObject* Sender);
  void nbDJCChange(TObject* Sender);
  void nbZCChange(TObject* Sender);
  void rbDJCChange(TObject* Sender);
  void rbCBChange(TObject* Sender);
  void nbRPMChange(TObject* Sender);
  void nbRPM1Change(TObject* Sender);
  void nbRPM2Change(TObject* Sender);
  void nbRPM3Change(TObject* Sender);
  void BindCalculatorHandlers();
  // The governor page's button for the RPM chart window (app/SpeedWindow.cpp),
  // which opens over the page area, K taken as the page takes it. Modal, or
  // left open in FSpeedForm while FReportCapture is set, for the report to
  // draw, free and clear (owned by this window, it is freed with it at the
  // latest; a second opening frees the first).
  class TzrButton* btnShow = nullptr;
  class TfrmSpeed* FSpeedForm = nullptr;
  void btnShowClick(TObject* Sender);
  // Help column (app/HelpPanel.cpp): the web view beside the scene, out of
  // sight at left 1800 and over the help column at 543, and the help of a
  // code (0-39 item, 99 site, 100-105 fixed topics, below 0 none).
  class TWebBrowser* web = nullptr;
  std::string HelpText(int code) const;
  void ShowHelpPanel(int code);

  // ---- Device link and controller protocol (link/) ----
  // Controls and menu items the link reads and drives.
  TXwTimer* Timer1 = nullptr;  // the link timer, 100 ms
  TzrCircle* Circle1 = nullptr;  // link lamp
  TzrCircle* Circle2 = nullptr;  // activity lamp
  TzrColorKeyAnimation* ColorKeyAnimation1 = nullptr;  // blinks the link lamp
  TzrColorKeyAnimation* ColorKeyAnimation2 = nullptr;  // blinks the activity lamp
  TzrMemo* eMessage = nullptr;  // message area of the controller pages
  TzrMemo* zrmMessage = nullptr;  // message area of the data-link pages
  // Identity of the connected device: read-only text boxes.
  TzrTextBox* eController = nullptr;
  TzrTextBox* eHardware = nullptr;
  TzrTextBox* eFirmware = nullptr;
  TzrTextBox* tbController = nullptr;
  TzrTextBox* tbHardware = nullptr;
  TzrTextBox* tbFirmware = nullptr;
  TzrComboBox* cbFirmware = nullptr;
  TzrComboBox* scbFirmware = nullptr;
  TzrButton* btnUpdate = nullptr;
  TzrButton* btnDefault = nullptr;
  TzrButton* btnUpgrade = nullptr;
  TzrButton* btnUpgrade2 = nullptr;
  TzrButton* btnScan = nullptr;
  TzrCheckBox *cbChannel1 = nullptr, *cbChannel2 = nullptr, *cbChannel3 = nullptr,
              *cbChannel4 = nullptr, *cbChannel5 = nullptr, *cbChannel6 = nullptr,
              *cbChannel7 = nullptr, *cbChannel8 = nullptr;
  TzrCheckBox* ChannelBox(int index) const;  // cbChannel1 .. cbChannel8 by index 0 .. 7
  TzrListBox* ListBox1 = nullptr;  // navigation list
  TzrListBoxItem* ListBoxItem1 = nullptr;
  TListBox* DevListBox = nullptr;  // hidden: one line per usable adapter
  TMenuItem* ESCSpeedController1 = nullptr;
  TMenuItem* MotorChecker1 = nullptr;
  TMenuItem* LCDProgramCard1 = nullptr;
  TMenuItem *DATALINK1 = nullptr, *DATALINK2 = nullptr, *DATALINK3 = nullptr,
            *DATALINK4 = nullptr, *DATALINK5 = nullptr;
  TMenuItem* Demo1 = nullptr;
  TMenuItem* Version1 = nullptr;
  TMenuItem* Chinese1 = nullptr;
  void SetLinkTimerEnabled(bool enabled);
  bool LinkTimerEnabled() const;

  // Adapter and handle.
  static constexpr int kMaxDeviceSlots = 12;
  static constexpr int kParamsSize = 32768;
  hid::hid_device* FDevice = nullptr;
  hid::hid_device_info* FEnumeration = nullptr;
  std::unique_ptr<std::vector<hid::hid_device_info*>> FDeviceRecords;
  const char* FSlotPath[kMaxDeviceSlots] = {};
  int32_t FSlotReadLength[kMaxDeviceSlots] = {};
  int32_t FSlotWriteLength[kMaxDeviceSlots] = {};
  std::u16string FSlotProduct[kMaxDeviceSlots];
  const char* FDevicePath = nullptr;
  std::u16string FProduct;
  int32_t FReadLength = 0;
  int32_t FWriteLength = 0;
  TfrmHid* FHidForm = nullptr;

  // Identity, settings buffer and layout.
  std::string FModel, FHardware, FFirmware, FDeviceExtraId;
  uint8_t FDeviceData[32] = {};
  uint8_t FParams[kParamsSize] = {};
  int32_t FSettingsOffset = 0, FSettingsLength = 0, FValueOffset = 0;
  int32_t FModeInfoOffset = 0, FLimitOffset = 0, FDefaultOffset = 0;

  // Connection flags and counters.
  bool FConnected = false;
  bool FPolling = false;
  bool FBusy = false;
  bool FLoadingSettings = false;
  int32_t FReadAttempts = 0;
  bool FSettingsRead = false;
  bool FUpgrading = false;
  bool FReconnect = false;
  bool FConnectSwitch = true;
  int32_t FDisconnectSent = 0;
  std::atomic<bool> FDefinitionsLoaded{false};
  MyThread* FThread = nullptr;
  std::string FStatusKey;
  int32_t FPendingFirmware = 0;
  bool FBootWait = false;
  TfrmProgress* FProgressForm = nullptr;

  // Frame markers, data link and analyzer.
  uint8_t FFrameStart = 0x0A;
  uint8_t FFrameEnd = 0x8A;
  bool FScanMode = false;
  bool FChannelPresent[8] = {};
  uint8_t FChannelTuning[4] = {};
  struct TLogStats {
    int32_t SpeedAvg = 0, SpeedMax = 0, SpeedMin = 0;
    float VoltageAvg = 0, VoltageMax = 0, VoltageMin = 0;
    float CurrentAvg = 0, CurrentMax = 0, CurrentMin = 0;
  } FLogStats;
  // Receives the collected analyzer log ring (bytes, count) during a log read.
  std::function<void(const uint8_t* ring, int count)> OnLogRecords;

  // CRC-16 routines (link/Crc.cpp).
  static void BuildCrc16Table(uint16_t polynomial);
  static uint16_t Crc16Ccitt(const uint8_t* data, uint32_t count);
  static uint16_t Crc16Modbus(const uint8_t* data, uint32_t count);
  // HID reports (link/Reports.cpp).
  // The largest report the link handles: 64 bytes and the identifier byte.
  static constexpr int kReportBufferSize = 65;
  // The adapter's output report length, at most kReportBufferSize.
  int OutputReportLength() const;
  // Writes the first OutputReportLength() bytes of buffer (identifier first)
  // as one report; false when that length is not above 0 or the write fails.
  bool WriteAdapterReport(const uint8_t* buffer);
  // Pumps the messages, then reads one report of at most the adapter's input
  // report length into buffer (kReportBufferSize bytes). Bytes read, 0 on
  // time-out; raises hid::EHidError when the adapter has gone.
  int ReadAdapterReport(uint8_t* buffer, int timeout);
  static int ReportIdForFrameLength(int length);
  static int FrameLengthForReportId(int id);
  bool WriteReport(const uint8_t* frame, int length);
  bool ReadReport(uint8_t* destination, int timeout, int* frameLength = nullptr);
  // Command frames (link/Frames.cpp).
  int BuildCommandFrame(uint8_t command, uint8_t* frame) const;
  int BuildArgumentFrame(uint8_t command, uint8_t argument, uint8_t* frame) const;
  int BuildDataFrame(uint8_t command, uint16_t index, const uint8_t* data, int n,
                     uint8_t* frame) const;
  bool SendFrame(const uint8_t* frame, int length);
  bool SendCommand(uint8_t command);
  bool SendCommandArg(uint8_t command, uint8_t argument);
  int ReadReply(uint8_t expected);
  int WaitAck(uint8_t expected);
  bool IsShortFrame(const uint8_t* frame, uint8_t command) const;
  // Block transfers (link/BlockTransfer.cpp).
  static constexpr int kBlockBufferSize = 32768;
  bool WriteBlock(uint8_t command, const uint8_t* data, int postDelay, int length);
  bool ReadBlock(uint8_t command, uint8_t* destination, bool ackFirst);
  uint8_t FBlockBuffer[kBlockBufferSize] = {};
  // Adapter discovery and notifications (link/Discovery.cpp).
  void HidConnect();
  bool HidCtlEnumerate();
  void HidCtlDeviceArrival();
  void HidCtlDeviceRemove();
  void OpenSelectedDevice();
  void ResetLinkUi();
  void WaitMs(uint32_t milliseconds);
  void ReleaseAdapter();
  // Closes the adapter and forgets it: its path, the identity read from it
  // (once the definition worker has ended) and the link's display state.
  void ForgetAdapter();
  // The first page with the empty page definition, after the adapter was lost.
  void ShowStartPage(bool hideScanButton);
  hid::THidDeviceNotifier* FDeviceNotifier = nullptr;
  // A device arrival or removal reported by the notifier, with the device's
  // node path. While a link operation runs, only the open adapter's removal is
  // handled at once; other changes are held, and DeviceChangeTimer (100 ms)
  // runs them once the operation has ended.
  void HidDeviceChanged(hid::TDeviceChange change, const std::string& path);
  bool LinkOperationRunning() const;
  TTimer* DeviceChangeTimer = nullptr;
  void DeviceChangeTimerTimer(TObject* Sender);
  bool FHeldArrival = false;
  bool FHeldRemoval = false;
  // Window end: stops the worker, closes the adapter, frees the enumeration.
  void CloseLink();
  // True when one of DATALINK<first> .. DATALINK<last> carries the check mark.
  bool IsDataLinkChecked(int first, int last) const;
  // Data link: modes, channel scan and channel upgrade (link/DataLink*.cpp).
  // Window controls and menu items that the data-link modes set.
  TzrTextControl* Label1 = nullptr;       // mode label beside the link lamp
  class TzrControl* GroupBox2 = nullptr;  // parameter write and default buttons
  class TzrControl* gbChannel = nullptr;  // the channel boxes' group
  TzrButton* btnConnect = nullptr;
  TMenuItem *English1 = nullptr, *Export1 = nullptr, *Import1 = nullptr, *Print1 = nullptr;
  void DATALINK1Click(TObject* Sender);
  void DATALINK2Click(TObject* Sender);
  void DATALINK3Click(TObject* Sender);
  void DATALINK4Click(TObject* Sender);
  void DATALINK5Click(TObject* Sender);
  // The steps every data-link mode shares (item: the mode's menu item); false
  // when the switch is held until a running link operation has ended.
  bool SwitchDataLinkMode(TMenuItem* item);
  void EnableDeviceMenus(bool enabled);
  void UpdateChannelBoxes();
  void btnScanClick(TObject* Sender);
  void btnUpgrade2Click(TObject* Sender);
  // Markers while scanning and selecting, and of the device behind a channel.
  void SetScanMarkers();
  void SetChannelMarkers();
  // Command 18 and its acknowledgement, at most six attempts.
  enum class TChannelSelect { Selected, Refused, NoAdapter };
  TChannelSelect SelectDataLinkChannel(int channel);
  // The summary line of a channel upgrade.
  std::string ChannelUpgradeSummary(int succeeded, int failed) const;
  // The thread timer (2500 ms) that waits for a booting device; nothing
  // enables it.
  class TXwThreadTimer* ttMyThread = nullptr;
  void ttMyThreadTimer(TObject* Sender);
  // Local time as "year-month-day hour:minute:second:millisecond".
  std::string GetTimeString() const;
  // Appends "text---->date time" and CR LF to FLogFileName; failures are ignored.
  void WriteLog(const std::string& text) const;
  std::string FLogFileName;
  // Channel tuning over Modbus RTU (link/ChannelTuning*.cpp).
  class TzrRadioButton *rbChannel1 = nullptr, *rbChannel2 = nullptr, *rbChannel3 = nullptr,
                       *rbChannel4 = nullptr, *rbChannel5 = nullptr, *rbChannel6 = nullptr,
                       *rbChannel7 = nullptr, *rbChannel8 = nullptr;
  class TzrRadioButton *rbCW = nullptr, *rbCCW = nullptr;
  TzrRadioButton* ChannelButton(int index) const;  // rbChannel1 .. rbChannel8 by index 0 .. 7
  TzrButton* btnRead = nullptr;
  TzrButton* btnWrite = nullptr;
  TzrCheckBox *cbRed = nullptr, *cbGreen = nullptr, *cbBlue = nullptr;
  TzrMemo* sMessage = nullptr;  // the tuning page's memo
  void btnReadClick(TObject* Sender);
  void btnWriteClick(TObject* Sender);
  void rbChannelChange(TObject* Sender);
  bool SendToSelectedChannel(int length, const uint8_t* frame);
  bool ReadModbusReport(uint8_t* destination, int length, int timeout);
  bool SendModbusReport(const uint8_t* frame, int length);
  // Sends the request to the selected channel and reads the reply
  // (kModbusReplyLength bytes); true only when the reply came and passes fits.
  bool ExchangeModbusFrame(const uint8_t* request, int length, uint8_t* reply,
                           bool (*fits)(const uint8_t* reply));
  void ShowChannelMessage(const std::string& text);
  // Connection cycle (link/ConnectionCycle.cpp).
  void Timer1Timer(TObject* Sender);
  void PollLink();
  bool RunConnectionStart();
  // The connection start from the moment FConnected is set: the settings
  // read and the page. An exception from it drops the connection.
  bool RunConnectedStart();
  void ShowDisconnected();
  void StartDefinitionWorker();
  void WaitForDefinitions();
  // Waits for a running worker to end (before the identity it reads changes).
  void FinishDefinitionWorker();
  void ShowSettingsProgress(int maximum);
  void FreeProgressForm();
  // Identity and settings (link/Identity.cpp, link/Settings.cpp).
  std::string ReadDeviceInfo(bool acceptAnyDevice);
  void SetSettingsLayout();
  std::string ReadSettings();
  std::string WriteSettings();
  bool IsLinkLampOn() const;
  void LoadDefinitionsThreadBody();
  // Firmware upgrade: deciphering and digests (link/FirmwareDecipher.cpp),
  // the transfer (link/FirmwareUpgrade.cpp) and the version gates
  // (link/FirmwareGate.cpp). Result texts: empty for success.
  void DecipherFirmware(const std::string& keyText, const uint8_t* data, size_t length,
                        uint8_t* out);
  std::string FirmwareDigest(const uint8_t* data, size_t length);
  std::string UpgradeFirmware(const std::string& version, const std::string& channel);
  void WaitForHandshake();
  void btnUpgradeClick(TObject* Sender);
  bool UpgradeDeviceFirmware();
  bool UpgradeChannelFirmware(const std::string& channel);
  std::u16string ReadmeToWide(const std::string& readme) const;
  // Motor analyzer: log read, samples and statistics, record files
  // (link/Analyzer*.cpp).
  TzrButton* btnStart = nullptr;
  TzrButton* btnSave = nullptr;
  TzrButton* btnLoad = nullptr;
  TzrButton* btnPrint = nullptr;
  // The analyzer page: a tab with the two tables and a tab with the plot.
  TzrTabControl* tabAnalyzer = nullptr;
  TzrTabItem* tabAnalyzerTable = nullptr;
  TzrTabItem* tabAnalyzerChart = nullptr;
  TzrStringGrid* StringGrid1 = nullptr;  // samples: number, speed, voltage, current
  TzrStringGrid* StringGrid2 = nullptr;  // statistics: average, maximum, minimum
  TzrPlotGrid* PlotGrid1 = nullptr;      // chart page, repainted after every sample
  TOpenDialog* OpenDialog1 = nullptr;
  TSaveDialog* SaveDialog1 = nullptr;
  void btnStartClick(TObject* Sender);
  void btnSaveClick(TObject* Sender);
  void btnLoadClick(TObject* Sender);
  void btnPrintClick(TObject* Sender);
  // Paint handler for the plot grid (bound to nothing): two black rules.
  void PlotGrid1Paint(TObject* Sender, TzrCanvas* Canvas, const TzrRect& ARect);
  // One log record: 12 bytes, big-endian speed (signed), voltage and current (singles).
  struct TLogRecord {
    int32_t Speed = 0;
    float Voltage = 0;
    float Current = 0;
  };
  static constexpr int kLogRecordSize = 12;
  static constexpr int kMaxLogRows = 100000;  // rows of a record file, header row included
  static TLogRecord DecodeLogRecord(const uint8_t* bytes);
  // Exact sums of the samples of the current log read, so that averages over
  // several rings are the true means.
  struct TLogSums {
    int64_t Speed = 0;
    double Voltage = 0, Current = 0;
    int32_t Count = 0;
  } FLogSums;
  void ResetLogStats();
  // Appends the whole records of the collected ring to the sample table and
  // updates the statistics.
  void ProcessLogRecords(const uint8_t* ring, int count);
  void ShowLogStats();
  // Result text: empty for success, otherwise what went wrong.
  std::string SaveLogRecordFile(const std::string& FileName);
  std::string LoadLogRecordFile(const std::string& FileName);

  // ---- Model definitions and parameter pages (pages/) ----
  // Page definition (pages/ModelDefinition.cpp). Runs on the definition worker:
  // reads the identity and the language file, writes FModel (explicit key
  // only), FPageDef and FPageIcons.
  void LoadModelDefinition(const std::string& key);
  VERSION FPageDef;
  TPageIcons FPageIcons;  // pictures named by the last load, for BuildParameterPages
  bool FPageOutdated = false;
  class TfrmGraph* FGraphForm = nullptr;
  class TfrmGraph2* FGraph2Form = nullptr;
  // Set by the report: itemClick leaves the curve editor open, modeless, in
  // FGraphForm or FGraph2Form with the help column hidden, for the report to
  // draw, free and clear (and to show Panel6 again).
  bool FReportCapture = false;
  // Model database and firmware list (pages/FirmwareList.cpp).
  std::string FModelDatabase;  // path of the selected model database
  void SelectModelDatabase();
  void LoadFirmwareList();
  // Display name of a firmware version through "parallel_table.ini"; shared
  // with the firmware upgrade gate.
  std::string MapFirmwareName(const std::string& name) const;
  TzrTextControl* lVersion = nullptr;  // database version label
  TzrListBoxItem* ListBoxItem8 = nullptr;  // status and firmware page
  TzrListBoxItem* ListBoxItem11 = nullptr;  // parameter settings page

  // Parameter pages (pages/ParameterPages.cpp, pages/PageBuilder.cpp): the
  // group pages of the page definition, one row of controls per item, then
  // the link pass, the navigation entries and the add-on read-outs, and the
  // device's values when a device is connected.
  void BuildParameterPages();
  // Navigation entries and add-on read-outs (pages/PageNavigation.cpp).
  void PlaceNavigationEntries();
  void ShowAddonReadouts();
  // Shared handlers of the generated controls (pages/ItemEvents.cpp).
  void itemChange(TObject* Sender);
  void itemEnterFocus(TObject* Sender);
  void itemKeyDown(TObject* Sender, uint16_t& Key, char16_t& KeyChar, uint16_t Shift);
  void itemClick(TObject* Sender);
  // The identity and firmware boxes of the upgrade page (help codes 100 to
  // 103) and the calculator boxes (104) show their help on focus too.
  void BindHelpFocus();
  // Display (pages/ParameterDisplay.cpp): FParams into the page's controls.
  void ShowParameters();
  void SetComboItem(const std::string& name, int defaultIndex, int currentIndex, int lastValid,
                    bool enabled);
  void SetParameterControlsEnabled(bool enabled);
  // Collection (pages/ParameterCollection.cpp): the page's controls into FParams.
  void CollectParameters();
  // Whether the value box of item n (custom value, curve, track bar) may take
  // the user's changes: with a device, only when the collection takes its
  // value into the block that a write sends; without one nothing is written.
  bool ValueBoxEditable(int n) const;
  // Write and default buttons (pages/SettingsButtons.cpp).
  void btnUpdateClick(TObject* Sender);
  void btnDefaultClick(TObject* Sender);

  // ---- Files, report, calculators and updates (files/) ----
  std::string FLocalDatabaseVersion;  // database version of the local version file
  // Version file and update checks (files/VersionFile.cpp, files/UpdateCheck.cpp,
  // files/History.cpp).
  TXMLDocument* XML = nullptr;  // the version file loaded last (local or downloaded)
  TXmlNode FXmlNode;            // its root element
  TXmlNodeList FXmlNodes;       // the child list in use
  std::string FLocalSoftwareVersion;
  // What the last successful remote check read; kept until the next one succeeds.
  std::string FRemoteSoftwareVersion, FRemoteDatabaseVersion;
  std::string FUpdateReadme;  // readme address in the chosen language
  std::string FUpdateUrl;     // download addresses, separated by "|"
  // The update checks are still to run at the first activation ("autoupdate").
  bool FCheckUpdates = false;
  // Reads "version_control.xml" of the program folder; raises EXMLDocError
  // when it is missing or not well-formed (the versions then stay as they were).
  void GetXMLDBVersion();
  // Fetches the server's version file and reads the element "Software" or
  // "Database": its version into version, its readme address and address
  // list into FUpdateReadme and FUpdateUrl. False, changing none of them,
  // when there is no server address or the file cannot be fetched or read.
  bool ReadRemoteVersion(const std::string& element, std::string& version);
  // Section "common", key LangKey(key); the default is the plain key
  // "update_server" followed by path, or empty without a server.
  std::string UpdateAddress(const std::string& key, const std::string& path) const;
  bool IsChinese() const;
  // Sender this: quiet (first activation); anything else: asked from the menu.
  void Update1Click(TObject* Sender);
  void History1Click(TObject* Sender);
  // The database update (files/DatabaseUpdate.cpp). Sender this: quiet.
  void DBUpdateClick(TObject* Sender);
  // The database update dialog while it is open, null otherwise; the link
  // enables its install button when the device drops off the link.
  class TfrmUpdate* FUpdateForm = nullptr;
  void ReadLocalVersionsAfterUpdate();
  // The window's title from the language, the program version and the
  // database version of the local version file.
  void ApplyWindowTitle();
  // The parameter text file of the current page (files/Parameter*.cpp): the
  // export asks for a file name and writes ParameterExportText; the import
  // asks for a file and reads its identity section into the page's controls,
  // false (with the "importerror" text) when the file holds no values for
  // this device, and false with nothing changed when any value lies outside
  // what its control can hold (the message names the key and the range).
  void Export1Click(TObject* Sender);
  void Import1Click(TObject* Sender);
  // The setup sheet (files/SetupSheet.cpp): a one-page PDF with pictures of
  // the group pages, the curve editors, the calculator page of the airplane
  // models and a filled-in header, drawn off-screen; ends on the first page.
  void Print1Click(TObject* Sender);
  std::string ParameterExportText() const;
  bool ImportParameterFile(const std::string& fileName);
  // The update dialog with the main window's style, the caption and headline
  // of the given keys, the button texts and the failure text.
  class TfrmUpdate* NewUpdateDialog(const std::string& captionKey, const std::string& textKey);
  // The dialog of the outcome "up to date": install hidden, no readme, the
  // "updateimage" picture.
  std::unique_ptr<class TfrmUpdate> NewUpToDateDialog(const std::string& captionKey,
                                                      const std::string& textKey);
  // The dialog offering a newer version: the readme of FUpdateReadme, the
  // download size and the address list FUpdateUrl.
  std::unique_ptr<class TfrmUpdate> NewOfferDialog(const std::string& captionKey,
                                                   const std::string& textKey, bool databaseMode);
  // Fills the dialog's progress maximum with the sum of the sizes the server
  // gives for every address of FUpdateUrl; disables install when one has none.
  void SetDownloadSize(class TfrmUpdate& dialog);
  std::string FetchReadme() const;
};

// The main window, set when the application object creates it.
extern TfrmInterface* frmInterface;
