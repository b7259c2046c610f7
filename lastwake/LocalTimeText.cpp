#include "LocalTimeText.h"

#include <windows.h>

std::wstring LocalTimeText(std::uint64_t fileTimeUtc) {
    const FILETIME file{static_cast<DWORD>(fileTimeUtc), static_cast<DWORD>(fileTimeUtc >> 32)};
    SYSTEMTIME utc{}, local{};
    // The zone's rules for that day, not today's bias: a wake before a
    // change to summer time keeps its own offset.
    if (!::FileTimeToSystemTime(&file, &utc) || !::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local))
        return std::wstring();
    wchar_t date[80] = {}, time[80] = {};
    if (!::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 80) ||
        !::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &local, nullptr, time, 80))
        return std::wstring();
    return std::wstring(date) + L' ' + time;
}
