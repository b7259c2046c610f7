#pragma once
// The names of the devices that answered: each address's reverse name
// (through the socket layer's resolver), else the name it gives to a NetBIOS
// node status request. Reverse lookups can hang for seconds where no name
// server answers, so they run on a few threads of their own that nobody
// waits for past the deadline; whoever lets go of their shared list last
// frees it.
#include <windows.h>

#include <cstdint>
#include "framework/CallbackRef.h"
#include <string>
#include <vector>

// How long the names may take after the last address answered.
constexpr DWORD kNameWaitMs = 2000;
constexpr std::size_t kReverseLookupThreads = 8;
constexpr DWORD kNetBiosQuietMs = 400;

// Each name as it comes, under no lock of the caller's: called on this
// thread only. `stop` (borrowed, may be null) ends the wait at once.
void LookUpNames(const std::vector<std::uint32_t>& addresses, DWORD waitMs, HANDLE stop,
                 CallbackRef<void(std::size_t index, const std::wstring& name)> named);
