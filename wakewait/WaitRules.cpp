#include "WaitRules.h"

#include <algorithm>

#include "net/Ipv4.h"
#include "text/TextArgs.h"

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
    for (const CheckRow& row : CheckRowsOf(adapters)) {
        if (!row.hasBroadcast) continue;
        const std::uint32_t mask = PrefixMask(row.prefix);
        if (address == (row.address & mask) || address == row.broadcast) return Refusal::NotAPc;
    }
    return Refusal::None;
}

int LocalRowFor(std::uint32_t address, const std::vector<Adapter>& adapters, const std::vector<CheckRow>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CheckRow& row = rows[i];
        const std::uint32_t mask = PrefixMask(row.prefix);
        if (IsSendTarget(adapters, row) && (row.address & mask) == (address & mask)) return static_cast<int>(i);
    }
    return -1;
}

bool FindAddressForMac(const std::vector<ArpEntry>& cache, const MacAddress& mac, std::uint32_t& address) {
    constexpr unsigned kInvalidEntry = 2;
    bool found = false;
    for (const ArpEntry& e : cache) {
        if (e.type == kInvalidEntry || e.macLength != kMacBytes || e.mac != mac || e.address == 0) continue;
        address = e.address;
        found = true;
    }
    return found;
}

bool IsAnswerFrom(unsigned long status, std::uint32_t from, std::uint32_t target) {
    constexpr unsigned long kIpSuccess = 0;
    return status == kIpSuccess && from == target;
}

bool IsThePc(const MacAddress& answered, const MacAddress& pc) {
    MacAddress bridged = pc;
    bridged[0] ^= 0x02;
    return answered == pc || answered == bridged;
}

void WaitMachine::Start(const MacAddress& pc, std::uint32_t limitMs) {
    *this = WaitMachine();
    m_pc = pc;
    m_limitMs = limitMs;
    m_state = WaitState::Checking;
}

bool WaitMachine::IsOther(const ProbeRound& round) {
    if (!round.hasMac || IsThePc(round.mac, m_pc)) return false;
    m_hasOther = true;
    m_other = round.mac;
    return true;
}

bool WaitMachine::FirstProbe(const ProbeRound& round) {
    if (m_state != WaitState::Checking) return false;
    if (IsOther(round)) return true;
    m_arpBefore = round.arp == Neighbour::Answered;
    if (!round.pinged) return true;
    m_state = WaitState::AlreadyOn;
    m_macKnown = round.hasMac;
    return false;
}

void WaitMachine::Sent(std::uint32_t nowMs, bool watched) {
    if (m_state != WaitState::Checking) return;
    m_state = watched ? WaitState::Waiting : WaitState::NotWatched;
    m_sentAt = nowMs;
}

void WaitMachine::SendFailed() {
    if (m_state == WaitState::Checking) m_state = WaitState::Failed;
}

bool WaitMachine::Probe(const ProbeRound& round, std::uint32_t nowMs) {
    if (m_state != WaitState::Waiting) return false;
    const bool other = IsOther(round);
    const bool byArp = !other && round.arp == Neighbour::Answered && !m_arpBefore;
    if (!other && (round.pinged || byArp)) {
        m_state = WaitState::Answered;
        m_byArpOnly = !round.pinged;
        m_macKnown = round.hasMac;
        // A round that began before the send (it cannot) counts as at once.
        const std::uint32_t since = round.startedAt - m_sentAt;
        m_finalMs = since <= m_limitMs ? since : 0;
        return false;
    }
    if (nowMs - m_sentAt < m_limitMs) return true;
    m_state = WaitState::TimedOut;
    m_finalMs = nowMs - m_sentAt;
    return false;
}

void WaitMachine::Stop(std::uint32_t nowMs) {
    if (!IsRunning()) return;
    m_finalMs = m_state == WaitState::Waiting ? nowMs - m_sentAt : 0;
    m_state = WaitState::Stopped;
}

std::uint32_t WaitMachine::ElapsedSeconds(std::uint32_t nowMs) const {
    return m_state == WaitState::Waiting ? (nowMs - m_sentAt) / 1000 : FinalSeconds();
}

bool WaitMachine::OtherDevice(MacAddress& mac) const {
    mac = m_other;
    return m_hasOther;
}

std::vector<std::wstring> WaitTextArgs(const WaitMachine& wait, const std::wstring& shown, std::uint32_t address,
                                       std::uint32_t seconds) {
    MacAddress other{};
    const bool hasOther = wait.OtherDevice(other);
    return {wait.State() == WaitState::Answered ? DottedQuad(address) : shown, DecimalText(seconds),
            FormatMacDisplay(wait.Pc()), hasOther ? FormatMacDisplay(other) : std::wstring()};
}

const wchar_t* WaitMachine::VerdictKey() const {
    switch (m_state) {
    case WaitState::AlreadyOn: return m_macKnown ? L"WAIT_ALREADY_ON_MAC" : L"WAIT_ALREADY_ON";
    case WaitState::Answered:
        if (m_byArpOnly) return L"WAIT_ANSWERED_ARP";
        return m_macKnown ? L"WAIT_ANSWERED_MAC" : L"WAIT_ANSWERED";
    case WaitState::TimedOut: return m_arpBefore ? L"WAIT_ARP_NO_PING" : L"WAIT_TIMED_OUT";
    case WaitState::Stopped: return L"WAIT_STOPPED";
    case WaitState::NotWatched: return L"WAIT_NOT_WATCHED";
    default: return nullptr;
    }
}
