#include "ArpSweep.h"

#include <algorithm>

namespace {

struct Target {
    std::uint32_t address;
    unsigned long ifIndex;
    int subnet;
};

std::vector<Target> TargetsOf(const std::vector<ScanSubnet>& plan) {
    std::vector<Target> targets;
    for (std::size_t s = 0; s < plan.size(); ++s)
        for (const std::uint32_t a : plan[s].targets) targets.push_back({a, plan[s].ifIndex, static_cast<int>(s)});
    return targets;
}

class Sweep {
public:
    Sweep(const std::vector<ScanSubnet>& plan, NeighbourSystem& system, SweepSink& sink, std::vector<FoundDevice>& found)
        : m_plan(plan), m_system(system), m_sink(sink), m_found(found), m_total(TargetCount(plan)) {}

    // One address answered with `mac`; called under Exclusive where threads run.
    void Answer(const Target& t, const MacAddress& mac) {
        if (AddFound(m_found, t.address, mac, t.subnet)) m_sink.Answered(m_found.back());
    }
    void Done(std::size_t count) {
        m_done = std::min(m_total, m_done + count);
        m_sink.Progress(m_done, m_total);
    }

    // Each target through a blocking call that answers for it.
    template <class Ask>
    void AskEach(const std::vector<Target>& targets, Ask ask) {
        m_system.RunBounded(targets.size(), kArpInFlight, [&](std::size_t i) {
            MacAddress mac{};
            const bool answered = !m_system.Stopped() && ask(targets[i], mac);
            m_system.Exclusive([&] {
                if (answered) Answer(targets[i], mac);
                Done(1);
            });
        });
    }

    void TakeTable() {
        NeighbourTableKind kind = NeighbourTableKind::Table;
        std::vector<NeighbourEntry> table;
        if (!m_system.ReadTable(kind, table)) return;
        const std::size_t before = m_found.size();
        TakeAnswers(m_plan, kind, table, m_found);
        for (std::size_t i = before; i < m_found.size(); ++i) m_sink.Answered(m_found[i]);
    }

    // Datagrams in waves, the table read between them and for a while after
    // the last, until every address answered or the wait is over.
    void Provoke(const std::vector<Target>& targets) {
        unsigned long lastRead = m_system.Ticks();
        for (std::size_t i = 0; i < targets.size() && !m_system.Stopped(); i += kProvokeWave) {
            const std::size_t end = std::min(targets.size(), i + kProvokeWave);
            for (std::size_t j = i; j < end; ++j) m_system.Provoke(targets[j].address);
            Done(end - i);
            if (!m_system.Pause(kProvokePauseMs)) return;
            if (m_system.Ticks() - lastRead >= kTableReadEveryMs) {
                TakeTable();
                lastRead = m_system.Ticks();
            }
        }
        const unsigned long lastSent = m_system.Ticks();
        do {
            TakeTable();
            if (m_found.size() >= m_total) return;
        } while (m_system.Ticks() - lastSent < kAnswerWaitMs && m_system.Pause(kTableReadEveryMs));
    }

    const std::vector<ScanSubnet>& m_plan;
    NeighbourSystem& m_system;
    SweepSink& m_sink;
    std::vector<FoundDevice>& m_found;
    std::size_t m_total;
    std::size_t m_done = 0;
};

// The targets the neighbour table already holds an entry for, of any state
// but incomplete or unreachable: a datagram to them would be sent on the
// cached entry and ask nobody.
std::vector<Target> Cached(NeighbourSystem& system, std::vector<Target>& targets) {
    NeighbourTableKind kind = NeighbourTableKind::Table2;
    std::vector<NeighbourEntry> table;
    std::vector<Target> cached;
    if (!system.ReadTable(kind, table)) return cached;
    std::vector<Target> rest;
    for (const Target& t : targets) {
        const bool held = std::any_of(table.begin(), table.end(), [&](const NeighbourEntry& e) {
            return e.address == t.address && IsAnswerMac(e.mac, e.macLength);
        });
        (held ? cached : rest).push_back(t);
    }
    targets.swap(rest);
    return cached;
}

}  // namespace

ArpPath SweepByArp(const std::vector<ScanSubnet>& plan, NeighbourSystem& system, SweepSink& sink,
                   std::vector<FoundDevice>& found) {
    found.clear();
    Sweep sweep(plan, system, sink, found);
    std::vector<Target> targets = TargetsOf(plan);
    ArpPath path = ArpPath::Datagrams;
    if (system.HasResolve()) {
        path = ArpPath::Resolve;
        const std::vector<Target> cached = Cached(system, targets);
        sweep.AskEach(cached, [&](const Target& t, MacAddress& mac) {
            return system.Resolve(t.address, t.ifIndex, mac) == Neighbour::Answered && IsAnswerMac(mac, kMacBytes);
        });
        sweep.Provoke(targets);
    } else if (!targets.empty()) {
        // The first answer tells whether this system's SendARP asks at all.
        MacAddress mac{};
        unsigned length = 0;
        const unsigned long first = system.SendArp(targets[0].address, mac, length);
        if (first != kSendArpNotSupported) {
            path = ArpPath::SendArp;
            if (first == 0 && IsAnswerMac(mac, length)) sweep.Answer(targets[0], mac);
            sweep.Done(1);
            targets.erase(targets.begin());
            sweep.AskEach(targets, [&](const Target& t, MacAddress& m) {
                unsigned n = 0;
                return system.SendArp(t.address, m, n) == 0 && IsAnswerMac(m, n);
            });
        } else {
            sweep.Provoke(targets);
        }
    }
    MarkProxyArp(found);
    SortByAddress(found);
    return path;
}
