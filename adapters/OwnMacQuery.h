#pragma once
// The hardware address of the adapter that carries this computer's own
// address, from IP Helper's adapter list. The two platform calls come in as
// arguments so that each stage can be made to fail in a test.
#include <winsock2.h>
#include <iphlpapi.h>

#include <string>

using GetAdaptersInfoFn = ULONG(WINAPI*)(PIP_ADAPTER_INFO, PULONG);
using LocalAddressFn = void (*)(std::wstring& text);

// 12 upper-case hex digits, or empty text when no adapter qualifies.
std::wstring QueryOwnMacAddress(GetAdaptersInfoFn getAdaptersInfo, LocalAddressFn localAddress);
