#pragma once
// String utilities shared by the link, the parameter pages, the file code and
// the help panel: hex text and bytes, splitting, value lists, bit patterns.
// None of them keeps state.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// 0..9 for "0".."9", 10..15 for "A".."F" and "a".."f", -1 otherwise.
int HexDigitValue(char c);

// Results of HexToBytes below 0.
constexpr int hexTooShortOrBadDigit = -1;
constexpr int hexOddLength = -2;
constexpr int hexNoRoom = -3;

// Converts pairs of hex digits (either case) into bytes and returns their
// number. -1: fewer than 2 characters, or a character that is no hex digit (the
// bytes before that pair are written); -2: odd length; -3: the bytes would not
// fit into the Capacity bytes at Buffer. Nothing is written for -2 and -3.
int HexToBytes(const std::string& Text, uint8_t* Buffer, size_t Capacity);
// The same into a vector, which is resized to the bytes written.
int HexToBytes(const std::string& Text, std::vector<uint8_t>& Bytes);

// Two upper-case hex digits per byte, first byte first.
std::string BytesToHex(const uint8_t* Bytes, size_t Count);

// Eight characters "0"/"1": character k is bit k, the least significant bit first.
std::string ByteToBinaryText(uint8_t Value);

// Splits Text at Delimiter. A one-character delimiter separates strictly (blanks
// stay in the parts, "\"" quotes a part, an empty text gives no parts) and Count
// is not used. A longer delimiter gives at most Count parts when Count > 0 (the
// last takes the rest), padded with empty parts up to Count; with Count == 0
// empty parts at the end are dropped; with Count < 0 the parts stay as they are.
std::vector<std::u16string> SplitString(const std::u16string& Delimiter, const std::u16string& Text,
                                        int Count);

// Most entries a value list may expand to, all its parts together.
constexpr size_t MaxValueListEntries = 10000;

// Expands a value list into combo-box entries: "a|b|c" gives its parts; a range
// "start-end/step" gives start, start+step, ... up to end, counted in whole
// hundredths so that the end is reached exactly, each with one decimal ("1.5");
// "5" and "5/1" give "5". Numbers are always read with ".". Raises
// EConvertError for a bound or step that is no number, a range without a step,
// a step below 0.01, a bound beyond 10^13, and a list of more than MaxValueListEntries entries.
std::vector<std::u16string> ExpandValueList(const std::u16string& Text);
