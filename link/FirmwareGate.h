#pragma once
// The firmware version gate's rule: which version the version file lets a
// device move to from its current one.

#include <string>

class TMemIniFile;

struct TFirmwarePath {
  enum TKind { fpRefused, fpDirect, fpInterim };
  TKind Kind = fpRefused;
  // The version to install: the chosen one, or the interim one; empty when refused.
  std::string Version;
};

// Looks both versions up in the batches of section "Model Hardware": the same
// batch allows the move; a lower (higher) batch for the chosen version asks
// for the interim version "down<k>" ("up<k>") of the current batch k, and is
// refused when there is none; a version that no batch lists is refused.
TFirmwarePath FindFirmwarePath(const TMemIniFile& filter, const std::string& model,
                               const std::string& hardware, const std::string& current,
                               const std::string& chosen);
