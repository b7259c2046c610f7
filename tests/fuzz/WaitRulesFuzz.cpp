// The address field of Wake and wait over any text, and the wait over any
// sequence of probes and clock readings.
#include "FuzzInput.h"
#include "net/Ipv4.h"
#include "wakewait/WaitRules.h"

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

    WaitMachine wait;
    wait.Start();
    unsigned long now = static_cast<unsigned long>(in.Byte()) << 24;
    if (wait.FirstProbe(in.Byte() & 1)) wait.Sent(now, in.Byte() & 1);
    while (wait.IsRunning() && !in.Empty()) {
        now += in.Byte() * 100ul;
        if (in.Byte() == 0) wait.Stop(now);
        else wait.Probe(in.Byte() < 8, now);
    }
    FUZZ_CHECK(wait.IsRunning() || wait.VerdictKey() != nullptr);
    FUZZ_CHECK(wait.State() != WaitState::TimedOut || wait.FinalSeconds() >= WaitMachine::kWaitMs / 1000);
    return 0;
}
