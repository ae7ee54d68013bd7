#pragma once
// What the parameter text file's export and import share: the items in file
// order, the identity section and the numbers in the file.

#include <optional>
#include <string>
#include <vector>

#include "pages/PageDefinition.h"

class TfrmInterface;

// Item numbers of the page in file order: groups 0 to tab - 1, each in the
// order of its group list; "-", pieces that are no number and numbers outside
// 0 .. item - 1 are left out.
std::vector<int> ParameterFileItems(const VERSION& def);

// "model hardware firmware": the section that holds the machine lines.
std::string ParameterFileSection(const TfrmInterface& form);

// A control value with exactly one decimal and "." whatever the locale.
std::string FormatParameterValue(double value);

// A number written with "." or "," as decimal separator; nothing when the
// text is no number.
std::optional<double> ParseParameterValue(const std::string& text);
