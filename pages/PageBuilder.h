#pragma once
// Building the parameter pages: value lists with their default marker "(*)",
// number texts of the page definition, starting curves of curve items, and
// the builder that turns one group list into rows of controls.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "pages/PageDefinition.h"

class TfrmInterface;
class TzrStringComboBox;
class TzrVisualObject;
class TzrGroupBox;
class TzrLayout;

// Index of the first entry that contains "(*)"; 0 when none does.
int IndexOfDefaultMarker(const std::vector<std::u16string>& List);
// Selects the first entry that contains "(*)", else entry 0.
void SelectDefaultEntry(TzrStringComboBox* Combo);

// A number text of the page definition ("5", "-2", "0.5"); nothing when the
// text is no number.
std::optional<double> ParseNumber(const std::string& Text);
// A decimal whole number (an optional "-" and digits only); nothing otherwise.
std::optional<int> ParseWholeNumber(const std::string& Text);
// The whole number in front of the first "rpm" of an entry ("3000rpm" gives
// 3000); nothing when there is none.
std::optional<int> RpmOfEntry(const std::u16string& Entry);

// The starting curve of a linked curve item: 64 values from Lo toward Hi,
// each high byte first.
std::vector<uint8_t> LinkedCurveBytes(int Lo, int Hi);
// The starting curve of the 64-sample and the 256-point items: 0, 1, ... Count-1.
std::vector<uint8_t> CountingCurveBytes(int Count);

// One line of an item's link rules: value, kind, target, argument.
struct TLinkRule {
  int Value = 0, Kind = 0, Target = 0, Argument = 0;
};
// The rule lines of a link text in order, up to the first line of fewer than
// four fields (Complete is then false). A line with a field that is no whole
// number, or a text that does not expand, is left out and added to
// Unreadable when given.
std::vector<TLinkRule> ReadLinkRules(const std::string& Link, bool& Complete,
                                     std::vector<std::string>* Unreadable = nullptr);

// Builds the rows of the groups into the window's fresh group layouts.
class TPageBuilder {
 public:
  explicit TPageBuilder(TfrmInterface& Form);
  // Group j's rows on the given layout; Entries is its split group list.
  void BuildGroup(int Group, TzrLayout* Layout, const std::vector<std::string>& Entries);
  // Item numbers that made a row, group by group in order.
  const std::vector<int>& Rows() const { return FRows; }

 private:
  struct TContainer {
    TzrVisualObject* Parent = nullptr;
    TzrGroupBox* Box = nullptr;
    float Left = 25;  // left edge of the rows
    int Row = 0;      // rows placed so far
  };
  void OpenBox(TContainer& C, TzrLayout* Layout, bool FirstEntry);
  void AddEntry(int Group, TContainer& C, const std::string& Entry);
  void AddModeRow(TContainer& C);
  void AddItemRow(TContainer& C, int N);
  void Skip(const std::string& What, const std::string& Why);
  // Names a value list cut to the entries a combo lists.
  void NoteShortened(const std::string& What, size_t Listed);
  // Names the link rules of item N that cannot be read; the row stays.
  void NameUnreadableRules(int N);

  TfrmInterface& F;
  bool FModeRowPlaced = false;
  TzrGroupBox* FLastBox = nullptr;
  std::set<int> FUsed;
  std::vector<int> FRows;
};
