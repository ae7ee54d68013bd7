// The gear and battery calculator: motor speed and eRPM from the rotor speed
// and the gears, the governor range and throttle from the governor table, and
// the rotor speed each battery pack reaches.

#include "app/GearCalculator.h"

#include "app/GovernorTable.h"
#include "platform/rtl/NumberText.h"

namespace {

struct TGearInputs {
  int32_t RotorSpeed, MainGear, PoleCount, Kv, Cells;
  double Pinion;
};

TGearInputs ReadInputs(const TGearFields& fields) {
  TGearInputs in;
  in.RotorSpeed = StrToInt(fields.Box(1));
  in.MainGear = StrToInt(fields.Box(2));
  in.Pinion = StrToFloat(fields.Box(3));
  in.PoleCount = StrToInt(fields.Box(4));
  in.Kv = StrToInt(fields.Box(5));
  in.Cells = StrToInt(fields.Box(6));
  return in;
}

// Motor speed, eRPM, governor range and throttle (fields 16-19), in this
// order; an error (a speed too large to round) ends the steps where it occurs.
void ComputeGovernorFields(const TGearInputs& in, TGearFields& fields, TGearResult& result) {
  const double motor =
      in.Pinion > 0 ? RoundCents(double(in.RotorSpeed) * in.MainGear / in.Pinion) : 0.0;
  if (in.Pinion > 0) fields.Box(18) = FixedText1(motor);
  result.MotorSpeed = motor;
  const double erpm = RoundCents(in.PoleCount * motor);
  fields.Box(19) = FixedText1(erpm);
  result.ERpm = erpm;
  if (erpm <= 0) return;
  const int64_t whole = Round(erpm);
  const int row = FindNearestGovernorEntry(whole, 0, kGovernorRows - 1);
  fields.Box(16) = whole > kGovernorLowMaxERpm ? "Governor_High" : "Governor_Low";
  fields.Box(17) = FixedText1(RoundDownToHalf(GovernorTable()[row].ShownPercent)) + "%";
  result.GovernorRow = row;
}

// Battery column k (0-2): combo 7 + k, pack box 10 + k, reach box 13 + k.
// Everything that can fail comes before the first write.
void ComputeBatteryColumn(const TGearInputs& in, int k, TGearFields& fields, TGearResult& result) {
  if (in.MainGear <= 0) return;
  const double pack = RoundCents(in.Cells * CellVoltage(fields.Box(7 + k)));
  const int64_t reach = Round(double(in.Kv) * pack * in.Pinion / in.MainGear);
  fields.Box(10 + k) = FixedText1(pack) + "V";
  fields.Box(13 + k) = IntToStr(reach);
  fields.ReachColor[k] = reach != 0 && reach < in.RotorSpeed ? kReachShortColor : kReachColor;
  result.Reach[k] = reach;
  result.ColumnDone[k] = true;
}

}  // namespace

double RoundCents(double x) { return static_cast<double>(Round(x * 100.0L)) / 100.0; }

std::string FixedText1(double x) { return FloatToStrF(x, TFloatFormat::ffFixed, 15, 1); }

double CellVoltage(const std::string& text) {
  if (!text.empty() && (text.back() == 'V' || text.back() == 'v'))
    return StrToFloat(text.substr(0, text.size() - 1));
  return StrToFloat(text);
}

TGearResult RecalculateGear(TGearFields& fields) {
  TGearResult result;
  TGearInputs in;
  try {
    in = ReadInputs(fields);
  } catch (const Exception&) {
    return result;
  }
  result.InputsRead = true;
  try {
    ComputeGovernorFields(in, fields, result);
  } catch (const Exception&) {
  }
  for (int k = 0; k < kBatteryColumns; ++k) {
    if (fields.Box(7 + k) == "Other") fields.Box(7 + k) = "0V";
    try {
      ComputeBatteryColumn(in, k, fields, result);
    } catch (const Exception&) {
    }
  }
  return result;
}

std::string LimitCalcText(const std::string& text) {
  double value = 0;
  if (TryStrToFloat(text, value) && value > kCalcMaxValue) return IntToStr(kCalcMaxValue);
  return text;
}

std::string CellVoltageText(const std::string& text) {
  try {
    return FixedText1(CellVoltage(text)) + "V";
  } catch (const Exception&) {
    return text;
  }
}

std::string CalcChangeText(int box, const std::string& text) {
  const std::string limited = LimitCalcText(text);
  return box >= 7 && box <= 9 ? CellVoltageText(limited) : limited;
}

std::string BatteryEntryText(int entry, const std::string& current) {
  switch (entry) {
    case 0:
      return "3.7V";
    case 1:
      return "3.3V";
    case 2:
    case 3:
      return "1.2V";
    default:
      return current;
  }
}
