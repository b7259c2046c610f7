#include "NodeStatus.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kTypeNbstat = 0x0021, kClassIn = 0x0001;
constexpr std::size_t kHeaderBytes = 12, kNameEntryBytes = 18, kNameBytes = 15;
constexpr std::uint16_t kGroupFlag = 0x8000;
constexpr std::uint8_t kWorkstation = 0x00;

std::uint16_t Read16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

// The answer's owner name: labels up to a zero byte, or a pointer back into
// the packet, which ends it in two bytes. Returns the offset after it, or 0.
std::size_t SkipName(const std::uint8_t* data, std::size_t length, std::size_t at) {
    while (at < length) {
        const std::uint8_t label = data[at];
        if (label == 0) return at + 1;
        if ((label & 0xC0) == 0xC0) return at + 2 <= length ? at + 2 : 0;
        if (label & 0xC0) return 0;
        at += 1u + label;
    }
    return 0;
}

// Names are padded with spaces to fifteen characters, in the PC's OEM code
// page; only their ASCII is taken as it stands.
std::wstring NameText(const std::uint8_t* p) {
    std::wstring name;
    for (std::size_t i = 0; i < kNameBytes && p[i] != 0; ++i) name += static_cast<wchar_t>(p[i] < 0x80 ? p[i] : L'?');
    while (!name.empty() && name.back() == L' ') name.pop_back();
    return name;
}

}  // namespace

std::vector<std::uint8_t> NodeStatusRequest(std::uint16_t id) {
    std::vector<std::uint8_t> out;
    out.reserve(kNodeStatusRequestBytes);
    Put16(out, id);
    Put16(out, 0);  // a query, not broadcast: it goes to one address
    Put16(out, 1);
    for (int i = 0; i < 3; ++i) Put16(out, 0);
    // "*" and fifteen zero bytes, each half byte written as a letter from 'A'.
    out.push_back(32);
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint8_t c = i == 0 ? '*' : 0;
        out.push_back(static_cast<std::uint8_t>('A' + (c >> 4)));
        out.push_back(static_cast<std::uint8_t>('A' + (c & 0x0F)));
    }
    out.push_back(0);
    Put16(out, kTypeNbstat);
    Put16(out, kClassIn);
    return out;
}

bool ParseNodeStatus(const std::uint8_t* data, std::size_t length, std::uint16_t id, NodeStatus& status) {
    if (length < kHeaderBytes || Read16(data) != id || !(data[2] & 0x80) || (data[3] & 0x0F) != 0) return false;
    if (Read16(data + 6) < 1) return false;
    const std::size_t afterName = SkipName(data, length, kHeaderBytes);
    // Type, class, time to live, data length, and the number of names.
    if (afterName == 0 || afterName + 11 > length) return false;
    const std::uint8_t* rr = data + afterName;
    if (Read16(rr) != kTypeNbstat || Read16(rr + 2) != kClassIn) return false;
    const std::size_t dataLength = std::min<std::size_t>(Read16(rr + 8), length - (afterName + 10));
    const std::uint8_t* rdata = rr + 10;
    const std::size_t names = dataLength > 0 ? rdata[0] : 0;
    if (dataLength < 1 + names * kNameEntryBytes) return false;
    NodeStatus found;
    const std::uint8_t* firstUnique = nullptr;
    for (std::size_t i = 0; i < names; ++i) {
        const std::uint8_t* entry = rdata + 1 + i * kNameEntryBytes;
        if (Read16(entry + 16) & kGroupFlag) continue;
        if (!firstUnique) firstUnique = entry;
        if (entry[kNameBytes] == kWorkstation) {
            firstUnique = entry;
            break;
        }
    }
    if (firstUnique) found.name = NameText(firstUnique);
    const std::size_t stats = 1 + names * kNameEntryBytes;
    if (dataLength >= stats + kMacBytes) {
        found.mac = MacFromBytes(rdata + stats, kMacBytes);
        found.hasMac = std::any_of(found.mac.begin(), found.mac.end(), [](std::uint8_t b) { return b != 0; });
    }
    status = found;
    return true;
}
