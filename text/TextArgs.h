#pragma once
// Numbers and arguments put into language texts. Platform-free, and without
// the printf family, which would link a whole formatter into the program.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

// The text with "%1", "%2", ... replaced by the arguments in that order; a
// number without an argument, and every other character, stays as it is.
std::wstring FillArgs(const std::wstring& pattern, std::initializer_list<std::wstring> args);
std::wstring FillArgs(const std::wstring& pattern, const std::vector<std::wstring>& args);

// Decimal digits of a number, at least `width` of them (leading zeros).
std::wstring DecimalText(unsigned long value, unsigned width = 1);

// A number typed as 1 to `maxDigits` decimal digits and nothing else, from
// `low` to `high`; `value` is set only when it is.
bool ParseDecimal(const std::wstring& text, std::size_t maxDigits, unsigned long low, unsigned long high,
                  unsigned long& value);
