#include "PcFields.h"

#include "net/Ipv4.h"
#include "text/TextArgs.h"
#include "wakewait/WakeTarget.h"

namespace {

wchar_t FoldCase(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<wchar_t>(c + 0x20);
    if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<wchar_t>(c + 0x20);  // full-width Latin
    return c;
}

bool IsBadName(const std::wstring& name) {
    // A comma would split it on the command line; "*" stands for every PC there.
    if (name.empty() || name.size() > 64 || name == L"*" || name.find(L',') != std::wstring::npos) return true;
    for (const wchar_t c : name)
        if (c < 0x20) return true;
    return name.front() == L' ' || name.back() == L' ' || name.front() == L'/' || name.front() == L'-';
}

}  // namespace

DestinationCheck CheckDestination(const std::wstring& text, std::uint32_t& address) {
    address = 0;
    switch (ParseTarget(text, address)) {
    case TargetKind::Name: return DestinationCheck::Name;
    case TargetKind::Invalid: return DestinationCheck::Malformed;
    default: break;
    }
    const bool multicast = address >= 0xE0000000u && address < 0xF0000000u;
    return address == 0 || (address >> 24) == 127 || multicast ? DestinationCheck::Refused : DestinationCheck::Address;
}

bool ParsePort(const std::wstring& text, std::uint16_t& port) {
    unsigned long value = 0;
    if (!ParseDecimal(text, 5, 1, 65535, value)) return false;
    port = static_cast<std::uint16_t>(value);
    return true;
}

bool ParsePassword(const std::wstring& text, WakePassword& password) {
    password.clear();
    if (text.empty()) return true;
    MacAddress six{};
    if (MacArgument(text, six)) {
        password.assign(six.begin(), six.end());
        return true;
    }
    std::uint32_t four = 0;
    if (!ParseDottedQuad(text, four)) return false;
    for (int shift = 24; shift >= 0; shift -= 8) password.push_back(static_cast<std::uint8_t>(four >> shift));
    return true;
}

std::wstring FoldedPcName(const std::wstring& name) {
    std::wstring folded = name;
    for (wchar_t& c : folded) c = FoldCase(c);
    return folded;
}

bool SamePcName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && FoldedPcName(a) == FoldedPcName(b);
}

PcField FindBadField(const SavedPc& pc, const wchar_t*& key) {
    std::uint32_t address = 0;
    WakePassword password;
    if (IsBadName(pc.name)) {
        key = L"PCS_BAD_NAME";
        return PcField::Name;
    }
    if (!pc.address.empty() && ParseTarget(pc.address, address) == TargetKind::Invalid) {
        key = L"PCS_BAD_ADDRESS";
        return PcField::Address;
    }
    if (!pc.destination.empty() && CheckDestination(pc.destination, address) == DestinationCheck::Malformed) {
        key = L"PCS_BAD_DESTINATION";
        return PcField::Destination;
    }
    if (!pc.destination.empty() && CheckDestination(pc.destination, address) == DestinationCheck::Refused) {
        key = L"PCS_REFUSED_DESTINATION";
        return PcField::Destination;
    }
    if (!ParsePassword(pc.password, password)) {
        key = L"PCS_BAD_PASSWORD";
        return PcField::Password;
    }
    key = nullptr;
    return PcField::None;
}

std::wstring PortText(std::uint16_t port) {
    return port ? DecimalText(port) : std::wstring();
}

void AddToList(std::wstring& list, const std::wstring& item) {
    if (!list.empty()) list += L", ";
    list += item;
}
