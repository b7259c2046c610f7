#pragma once
// What each field of a saved PC may hold, read the same way from the file,
// the editor and the command line. Platform-free.
#include <cstdint>
#include <string>

#include "SavedPc.h"
#include "net/MagicPacketFormat.h"

enum class DestinationCheck { Address, Name, Malformed, Refused };

// An IPv4 address or a host name (the wait's rules for names); 0.0.0.0,
// 127.0.0.0/8 and multicast are refused: no packet for a PC belongs there.
DestinationCheck CheckDestination(const std::wstring& text, std::uint32_t& address);

// 1 to 65535 in decimal digits.
bool ParsePort(const std::wstring& text, std::uint16_t& port);

// The port as the list and the editor write it: empty for 0.
std::wstring PortText(std::uint16_t port);

// Six bytes written like a MAC address or four like an IPv4 address; empty
// text is no password.
bool ParsePassword(const std::wstring& text, WakePassword& password);

// Names compare without case, as Windows compares file names.
bool SamePcName(const std::wstring& a, const std::wstring& b);
std::wstring FoldedPcName(const std::wstring& name);

enum class PcField { None, Name, Mac, Address, Destination, Port, Password };

// The first field of `pc` that may not stand as it is (the MAC is always
// whole here), with the language key of the sentence that says why.
PcField FindBadField(const SavedPc& pc, const wchar_t*& key);

// `item` added to a sentence's list of names or numbers, ", " between them.
void AddToList(std::wstring& list, const std::wstring& item);
