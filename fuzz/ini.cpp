// Ini files (language file, version and firmware filter files).

#include "fuzz/fuzz_support.h"
#include "platform/rtl/IniFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TMemIniFile ini(WriteScratchFile(Data, Size, ".ini"));
  for (const std::string& section : ini.ReadSections()) {
    for (const std::string& key : ini.ReadSection(section)) {
      (void)ini.ReadInteger(section, key, 0);
      (void)ini.ReadFloat(section, key, 0);
      (void)ini.ReadBool(section, key, false);
    }
    (void)ini.ReadSectionValues(section);
  }
  return 0;
}
