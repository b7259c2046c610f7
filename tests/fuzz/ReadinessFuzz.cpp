// The readiness rules over any registry values and adapters.
#include <vector>

#include "FuzzInput.h"
#include "netcheck/ReadinessRules.h"

namespace {

RegNumber AnyNumber(FuzzInput& in) {
    std::vector<unsigned char> bytes(in.Byte() % 24);
    for (unsigned char& b : bytes) b = in.Byte();
    return RegistryNumber(in.Byte() % 12, bytes.data(), bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    std::vector<Adapter> adapters(in.Byte() % 5);
    for (Adapter& a : adapters) {
        a.label = in.Text(3);
        a.kind = static_cast<AdapterKind>(in.Byte() % 4);
        a.isVirtual = in.Byte() & 1;
        a.connected = in.Byte() & 1;
        a.wake = {static_cast<bool>(in.Byte() & 1), AnyNumber(in), AnyNumber(in)};
        const WakeSetting setting = WakeSettingOf(a);
        const bool card = a.kind == AdapterKind::Ethernet || a.kind == AdapterKind::WiFi;
        FUZZ_CHECK(card == (WakeSettingKey(setting) != nullptr));
    }
    const std::vector<Finding> findings = ReadinessFindings(adapters, IsFastStartupOn(AnyNumber(in), AnyNumber(in), AnyNumber(in)));
    FUZZ_CHECK(findings.size() >= 2);
    FUZZ_CHECK(std::wstring(findings.back().key) == L"READY_FIRMWARE");
    return 0;
}
