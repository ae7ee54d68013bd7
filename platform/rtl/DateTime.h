#pragma once
// Date-time values as the run-time layer carries them: days since
// 1899-12-30 (the fraction is the time of day), and their default text.

#include <string>

// "yyyy-mm-dd hh:nn:ss"; the time is left out when the value has none
// (midnight), as the framework's default conversion does.
std::string DateTimeToStr(double Days);
