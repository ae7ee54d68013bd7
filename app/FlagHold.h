#pragma once

// Sets a flag for the length of a scope and gives it back its earlier value
// at the end, however the scope is left.
class TFlagHold {
 public:
  explicit TFlagHold(bool& flag) : FFlag(flag), FWas(flag) { FFlag = true; }
  ~TFlagHold() { FFlag = FWas; }
  TFlagHold(const TFlagHold&) = delete;
  TFlagHold& operator=(const TFlagHold&) = delete;

 private:
  bool& FFlag;
  bool FWas;
};
