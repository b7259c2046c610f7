#include "WaitMachine.h"

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
