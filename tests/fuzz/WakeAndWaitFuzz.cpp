// The address field of Wake and wait over any text, the wait over any
// sequence of rounds and clock readings, and a whole wait's session over its
// events in any order, as a late worker may post them.
#include "FuzzInput.h"
#include "net/Ipv4.h"
#include "wakewait/WaitMachine.h"
#include "wakewait/WaitSession.h"
#include "wakewait/WakeTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::wstring text = in.Text(24);
    std::uint32_t address = 0, again = 0;
    switch (ParseTarget(text, address)) {
    case TargetKind::Address:
        FUZZ_CHECK(ParseTarget(DottedQuad(address), again) == TargetKind::Address && again == address);
        break;
    case TargetKind::Name:
        FUZZ_CHECK(!text.empty() && text.find(L' ') == std::wstring::npos && text.find(L':') == std::wstring::npos);
        break;
    case TargetKind::Invalid:
        break;
    }

    // Rounds of any shape from a PC whose MAC ends in 1, another device's
    // ending in 2, or the bridged form of the PC's.
    const auto round = [&in](std::uint32_t at) {
        ProbeRound r;
        r.startedAt = at;
        r.pinged = in.Byte() < 64;
        r.arp = static_cast<Neighbour>(in.Byte() % 4);
        r.hasMac = r.arp == Neighbour::Answered || (in.Byte() & 1);
        r.mac = {static_cast<std::uint8_t>(in.Byte() & 2), 0, 0, 0, 0, static_cast<std::uint8_t>(1 + in.Byte() % 2)};
        return r;
    };
    WaitMachine wait;
    wait.Start({0, 0, 0, 0, 0, 1});
    std::uint32_t now = static_cast<std::uint32_t>(in.Byte()) << 24 | 0xFFF00000u;
    if (wait.FirstProbe(round(now))) wait.Sent(now, in.Byte() & 1);
    while (wait.IsRunning() && !in.Empty()) {
        const std::uint32_t started = now;
        now += in.Byte() * 100u;
        if (in.Byte() == 0) wait.Stop(now);
        else wait.Probe(round(started), now);
    }
    FUZZ_CHECK(wait.IsRunning() || wait.VerdictKey() != nullptr);
    FUZZ_CHECK(wait.State() != WaitState::TimedOut || wait.FinalSeconds() >= WaitMachine::kWaitMs / 1000);
    FUZZ_CHECK(wait.State() != WaitState::Answered || wait.FinalSeconds() <= WaitMachine::kWaitMs / 1000);
    MacAddress other{};
    FUZZ_CHECK(!wait.OtherDevice(other) || other[5] == 2);  // the PC itself is never another device

    Adapter lan;
    lan.kind = AdapterKind::Ethernet;
    lan.connected = true;
    lan.addresses = {0x0A000014};  // 10.0.0.20/24
    lan.masks = {0xFFFFFF00};
    WaitSession session({0, 0, 0, 0, 0, 1}, 1 + in.Byte() % 4, in.Byte() & 1);
    WaitStep step = session.Begin(text, {lan});
    while (!in.Empty()) {
        if (step != WaitStep::None) FUZZ_CHECK(session.IsRunning() == (step != WaitStep::Done));
        FUZZ_CHECK(session.SubnetRow() < static_cast<int>(session.Subnets().size()));
        FUZZ_CHECK(step == WaitStep::Done || step == WaitStep::Resolve || !session.Status().empty());
        session.NeighbourIndex(true);
        now += in.Byte() * 100u;
        switch (in.Byte() % 6) {
        case 0: step = session.Resolved(0x0A000000u | in.Byte()); break;
        case 1: step = session.Unresolved(); break;
        case 2: step = session.Round(round(now - 50), now); break;
        case 3: step = session.SendDone(in.Byte() & 1, L"failed", now); break;
        case 4: step = session.Stop(now); break;
        default: step = session.Begin(in.Text(8), {lan}); break;
        }
        session.TakeSaid();
    }
    return 0;
}
