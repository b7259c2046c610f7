#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "WaitMachine.h"

// No answer within a length the user chose (the command line's /seconds):
// the wait's own text, whose key the language file has always spelt so.
constexpr const wchar_t* kWaitNoAnswerInChosenTime = L"CLI_NO_ANSWER";

// The arguments of every text the wait says, in the window and on the
// console alike: %1 the PC (its address once it answered, else as `shown`), %2 the
// seconds, %3 its MAC address, %4 the MAC address of another device that
// answers there.
std::vector<std::wstring> WaitTextArgs(const WaitMachine& wait, const std::wstring& shown, std::uint32_t address,
                                       std::uint32_t seconds);
