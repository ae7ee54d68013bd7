#pragma once
// Utility routines of the chart: texts and fields, date-time steps and
// calendar arithmetic for date axes, hit-testing geometry, the chart's
// per-user options, text export, files, embedded bitmaps and web links.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/DateUtils.h"
#include "platform/vcl/Graphics.h"

class TComponent;
class TControl;
class TStream;
class TWinControl;
class TStringList;

// ---------------- texts ----------------

// Separator of PlotNumFields and PlotExtractField (";").
extern std::string PlotFieldsSeparator;
// Translation hooks; unset in this program.
extern std::function<void(TComponent* Control, const std::vector<TComponent*>& Exclude)>
    PlotTranslateHook;
extern std::function<std::string(const std::string& Text)> PlotTranslateStringHook;

std::string PlotStr(int Num);
// 1-based position of SubText in Text, 0 when absent.
int StringContains(const std::string& SubText, const std::string& Text);
// Every Old replaced by New; a New of '\0' removes every Old.
std::string ReplaceChar(const std::string& Text, char Old, char New);
// Fields split by the separator; a separator at the end adds no field.
int PlotNumFields(const std::string& Text);
int PlotNumFields(const std::string& Text, const std::string& Separator);
// Field Index (from 1); empty when there is none.
std::string PlotExtractField(const std::string& Text, int Index);
std::string PlotExtractField(const std::string& Text, int Index, const std::string& Separator);
// StartName + 1, 2, ... : the first the owner has no component of.
std::string PlotGetUniqueName(TComponent* Owner, const std::string& StartName);
std::string RemoveFileExtension(const std::string& FileName);
// True when the text names an "http://" or "ftp://" address.
bool PlotIsURL(const std::string& Text);
// Number patterns between the invariant "," and "." and the locale's
// separators.
std::string InvariantToLocalFormat(const std::string& Format);
std::string LocalToInvariantFormat(const std::string& Format);
std::string PlotTranslateString(const std::string& Text);
void PlotTranslateControl(TComponent* Control, const std::vector<TComponent*>& ExcludeChilds = {});

// ---------------- dates and times ----------------

enum TDateTimeStep {
  dtOneMicroSecond,
  dtOneMillisecond,
  dtOneSecond,
  dtFiveSeconds,
  dtTenSeconds,
  dtFifteenSeconds,
  dtThirtySeconds,
  dtOneMinute,
  dtFiveMinutes,
  dtTenMinutes,
  dtFifteenMinutes,
  dtThirtyMinutes,
  dtOneHour,
  dtTwoHours,
  dtSixHours,
  dtTwelveHours,
  dtOneDay,
  dtTwoDays,
  dtThreeDays,
  dtOneWeek,
  dtHalfMonth,
  dtOneMonth,
  dtTwoMonths,
  dtThreeMonths,
  dtFourMonths,
  dtSixMonths,
  dtOneYear,
  dtNone
};

// Length of each step in days (dtNone has none).
extern const double DateTimeStep[dtNone];

int DaysInMonth(int Year, int Month);
// The locale's short date format for steps above a day, else its time format.
std::string DateTimeDefaultFormat(double Step);
// The standard step after the largest one Step reaches (365 days beyond).
double NextDateTimeStep(double Step);
// The step whose length is within a microsecond of StepValue, else dtNone.
TDateTimeStep FindDateTimeStep(double StepValue);
// The date rounded to the step's grid (months to their 1st, weeks to day 2 ...).
TDateTime PlotRoundDate(TDateTime Date, TDateTimeStep Step);
// Moves Value one step of Amount days forward or back; month, half-month
// and year steps land on calendar days. A year step from 29 February into a
// year without it lands on 28 February.
void PlotDateTimeIncrement(bool Increment, TDateTime& Value, double Amount, TDateTimeStep Step);

// ---------------- geometry ----------------

TRect RectFromCenter(const TPoint& P, int XSize, int YSize);
TRect RectFromCenter(int X, int Y, int XSize, int YSize);
// Within Tolerance + 1 pixels of the segment.
bool PointInLine(const TPoint& P, int X0, int Y0, int X1, int Y1, int Tolerance);
bool PointInLineTolerance(const TPoint& P, int X0, int Y0, int X1, int Y1, int Tolerance);
bool PointInLine(const TPoint& P, int X0, int Y0, int X1, int Y1);
bool PointInLine(const TPoint& P, const TPoint& FromPoint, const TPoint& ToPoint);
bool PointInLine(const TPoint& P, const TPoint& FromPoint, const TPoint& ToPoint, int Tolerance);
// Even-odd rule: a point on a left edge is inside, on a right edge outside;
// fewer than two points contain nothing. (The canvas geometry's
// PointInPolygon of a vector counts right edges in.)
bool PointInPolygon(const TPoint& P, const TPoint* Poly, int Count);
bool PointInTriangle(const TPoint& P, const TPoint& P0, const TPoint& P1, const TPoint& P2);
// Base along Y0 from X0 to X1, apex at Y1.
bool PointInTriangle(const TPoint& P, int X0, int X1, int Y0, int Y1);
// Base along X0 from Y0 to Y1, apex at X1.
bool PointInHorizTriangle(const TPoint& P, int Y0, int Y1, int X0, int X1);
bool PointInEllipse(const TPoint& P, int Left, int Top, int Right, int Bottom);
bool PointInEllipse(const TPoint& P, const TRect& R);
// Whether segment 1-2 crosses segment 3-4; X, Y the crossing of the lines
// (not set when a segment is vertical).
bool CrossingLines(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4,
                   double Y4, double& X, double& Y);

// ---------------- per-user options ----------------

// The chart editor's options, in the per-user settings file under this key.
extern const char* const PlotOptionsKey;
// The stored value, or Default when there is none; a stored value that is
// not of the asked kind raises ERegistryException.
bool PlotReadBoolOption(const std::string& Name, bool Default);
int PlotReadIntegerOption(const std::string& Name, int Default);
std::string PlotReadStringOption(const std::string& Name, const std::string& Default);
// Writes into the settings file, creating it; nothing when it cannot be written.
void PlotSaveBoolOption(const std::string& Name, bool Value);
void PlotSaveIntegerOption(const std::string& Name, int Value);
void PlotSaveStringOption(const std::string& Name, const std::string& Value);

// ---------------- export ----------------

// The base of the chart's text exporters; the base exports an empty text.
class TPlotExportData : public TPersistent {
 public:
  virtual std::string AsString() { return ""; }
  // The UTF-16 little-endian byte-order mark, then the text in UTF-16LE.
  virtual void SaveToStream(TStream& Stream);
  void SaveToFile(const std::string& FileName);
};

// ---------------- files, bitmaps, links ----------------

// Names of the files (not folders) a path with wildcards matches; hidden
// files count.
std::unique_ptr<TStringList> PlotGetFilesFromDir(const std::string& Mask);
// Loads the embedded bitmap resource Name1, else Name2; the bitmap stays as
// it was when neither loads.
void PlotLoadBitmap(TBitmap* Bitmap, const std::string& Name1, const std::string& Name2);
// The gallery picture of the object's class, else of its parent class.
void PlotGetBitmapEditor(TObject* Obj, TBitmap* Bitmap);
// Opens the address with the desktop's default handler (at most 255
// characters); the outcome is not reported.
void PlotGotoURL(void* Handle, const std::string& URL);
void RegisterSeriesEditor(const TClassInfo* AClass);
// Frees every child control of Parent.
void RemoveControls(TWinControl* Parent);
// Enables or disables every control of the list (nil entries are skipped).
void EnableControls(bool Enable, const std::vector<TControl*>& Controls);
