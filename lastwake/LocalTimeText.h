#pragma once
// A moment as the user reads it: in this PC's time zone, with the date and
// time formats of the user's locale.
#include <cstdint>
#include <string>

// Empty where the time cannot be converted.
std::wstring LocalTimeText(std::uint64_t fileTimeUtc);
