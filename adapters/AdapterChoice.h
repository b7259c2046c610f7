#pragma once
// Which network adapter carries this computer's own address. Platform-free.
#include <cstdint>
#include <string>
#include <vector>

struct AdapterRecord {
    std::vector<std::uint8_t> address;  // hardware address bytes as reported
    std::vector<std::wstring> ipv4;     // its IPv4 addresses as dotted text, in order
};

// The hardware address ("%02X" x 6) of the adapter that lists `localAddress`
// among its IPv4 addresses. Every adapter and every address is looked at and
// the last match wins; empty when none matches or the local address is empty.
std::wstring ChooseAdapterMac(const std::vector<AdapterRecord>& adapters, const std::wstring& localAddress);

// "%02X%02X%02X%02X%02X%02X" of the first six bytes, zeros where fewer exist.
std::wstring FormatMacCompact(const std::vector<std::uint8_t>& address);

// The display form "XX-XX-XX-XX-XX-XX" of compact text, cut into pieces of
// two from positions 0, 2, ..., 10; pieces past the end are empty, so empty
// text gives five hyphens.
std::wstring FormatMacDisplay(const std::wstring& compact);
