#include "WakeTarget.h"

#include <algorithm>

#include "net/Ipv4.h"

namespace {

bool IsHostNameChar(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') || c == L'-' || c == L'.';
}

bool LooksNumeric(const std::wstring& text) {
    for (const wchar_t c : text)
        if (!(c >= L'0' && c <= L'9') && c != L'.') return false;
    return true;
}

// A part that the system's address parser (inet_addr, which name lookups try
// first) reads as a number: decimal, octal or "0x" hexadecimal.
bool IsNumberLabel(const std::wstring& label) {
    const bool hex = label.size() > 1 && label[0] == L'0' && (label[1] == L'x' || label[1] == L'X');
    for (std::size_t i = hex ? 2 : 0; i < label.size(); ++i) {
        const wchar_t c = label[i];
        const bool digit = c >= L'0' && c <= L'9';
        const bool hexLetter = (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
        if (!digit && !(hex && hexLetter)) return false;
    }
    return true;
}

}  // namespace

TargetKind ParseTarget(const std::wstring& text, std::uint32_t& address) {
    if (text.empty() || text.size() > 253) return TargetKind::Invalid;
    // Digits and dots alone are an address or nothing: "192.168.1" is no name.
    if (LooksNumeric(text)) return ParseDottedQuad(text, address) ? TargetKind::Address : TargetKind::Invalid;
    for (const wchar_t c : text)
        if (!IsHostNameChar(c)) return TargetKind::Invalid;
    if (text.front() == L'.' || text.front() == L'-' || text.find(L"..") != std::wstring::npos) return TargetKind::Invalid;
    // "0x7f.1" is no name: the lookup would take it for an address.
    bool allNumbers = true;
    for (std::size_t start = 0; start <= text.size() && allNumbers;) {
        const std::size_t dot = std::min(text.find(L'.', start), text.size());
        allNumbers = IsNumberLabel(text.substr(start, dot - start));
        start = dot + 1;
    }
    return allNumbers ? TargetKind::Invalid : TargetKind::Name;
}

Refusal RefuseAddress(std::uint32_t address, const std::vector<Adapter>& adapters) {
    if ((address >> 24) == 127) return Refusal::OwnAddress;
    if (address == 0 || address >= 0xE0000000u) return Refusal::NotAPc;  // 0.0.0.0, multicast, broadcast
    for (const Adapter& a : adapters)
        for (const std::uint32_t own : a.addresses)
            if (own == address) return Refusal::OwnAddress;
    for (const AdapterSubnet& row : SubnetsOf(adapters)) {
        if (!row.hasBroadcast) continue;
        const std::uint32_t mask = PrefixMask(row.prefix);
        if (address == (row.address & mask) || address == row.broadcast) return Refusal::NotAPc;
    }
    return Refusal::None;
}
