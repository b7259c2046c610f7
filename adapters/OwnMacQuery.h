#pragma once
// The hardware address of the adapter that carries this computer's own
// address, from IP Helper's adapter list. The two platform calls come in as
// arguments so that each stage can be made to fail in a test.
#include <winsock2.h>
#include <iphlpapi.h>

#include <string>
#include <vector>

#include "AdapterChoice.h"

using GetAdaptersInfoFn = ULONG(WINAPI*)(PIP_ADAPTER_INFO, PULONG);
using LocalAddressFn = void (*)(std::wstring& text);

// 12 upper-case hex digits, or empty text when no adapter qualifies.
std::wstring QueryOwnMacAddress(GetAdaptersInfoFn getAdaptersInfo, LocalAddressFn localAddress);

// IP Helper's adapter list, in the order it reports them; false when it
// could not be read. One call for a single adapter, a second at the reported
// size for more.
bool QueryAdapters(GetAdaptersInfoFn getAdaptersInfo, std::vector<AdapterRecord>& adapters);
