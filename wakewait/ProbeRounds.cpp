#include "ProbeRounds.h"

bool ProbeRounds::Run(ProbeRound& round) {
    if (m_system.Stopped()) return false;
    round = ProbeRound();
    round.startedAt = m_lastStart = m_system.Now();
    if (m_ifIndex != 0) {
        round.arp = m_system.Resolve(m_target, m_ifIndex, round.mac);
        round.hasMac = round.arp == Neighbour::Answered;
        if (m_system.Stopped()) return false;
    }
    round.pinged = m_system.Ping(m_target);
    if (round.pinged && !round.hasMac) round.hasMac = m_system.AnsweringMac(m_target, round.mac);
    return !m_system.Stopped();
}

bool ProbeRounds::WaitForNext() {
    const std::uint32_t spent = m_system.Now() - m_lastStart;
    return !m_system.WaitStopped(spent < kIntervalMs ? kIntervalMs - spent : 0);
}
