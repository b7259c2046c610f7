// The readiness rules and the verdicts over any registry values, adapters
// and power states.
#include <vector>

#include "FuzzInput.h"
#include "net/AdapterKinds.h"
#include "netcheck/CardWakeFacts.h"
#include "netcheck/ReadinessRules.h"

namespace {

RegNumber AnyNumber(FuzzInput& in) {
    std::vector<unsigned char> bytes(in.Byte() % 24);
    for (unsigned char& b : bytes) b = in.Byte();
    return RegistryNumber(in.Byte() % 12, bytes.data(), bytes.size());
}

DriverSetting AnySetting(FuzzInput& in) {
    DriverSetting s;
    s.value = AnyNumber(in);
    s.fromDefault = in.Byte() & 1;
    s.name = in.Text(2);
    return s;
}

Known AnyKnown(FuzzInput& in) {
    return static_cast<Known>(in.Byte() % 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    std::vector<Adapter> adapters(in.Byte() % 5);
    for (Adapter& a : adapters) {
        a.label = in.Text(3);
        a.ifType = (in.Byte() & 1) ? 6 : 71;
        a.kind = static_cast<AdapterKind>(in.Byte() % 4);
        a.hardware = AnyKnown(in);
        a.connector = AnyKnown(in);
        a.endpoint = AnyKnown(in);
        a.isVirtual = in.Byte() & 1;
        a.connected = in.Byte() & 1;
        a.wake.hasKey = in.Byte() & 1;
        a.wake.characteristics = AnyNumber(in);
        a.wake.pnpCapabilities = AnyNumber(in);
        a.wake.magicPacket = AnySetting(in);
        a.wake.modernStandby = AnySetting(in);
        a.wake.arpOffload = AnySetting(in);
        a.wake.shutdown = AnySetting(in);
        a.wake.deepestWake = in.Byte() % 8;
        a.wake.powerRead = in.Byte() & 1;
        a.wake.powerCapabilities = in.Byte();
        a.wake.wakeOnPattern = AnySetting(in);
        a.wake.wakeOnLink = AnySetting(in);
        a.wake.provider = (in.Byte() & 1) ? L"Microsoft" : in.Text(2);
        a.wake.instanceId = (in.Byte() & 1) ? L"USB\\VID_0BDA" : L"PCI\\VEN_10EC&" + in.Text(2);
        FUZZ_CHECK(IsCard(a) == (WakeSettingKey(WakeSettingOf(a)) != nullptr));
    }
    PcPower power;
    power.states.read = in.Byte() & 1;
    power.states.s3 = in.Byte() & 1;
    power.states.s4 = in.Byte() & 1;
    power.states.modernStandby = AnyKnown(in);
    power.states.s1 = in.Byte() & 1;
    power.states.s2 = in.Byte() & 1;
    power.states.hiberFilePresent = in.Byte() & 1;
    power.states.hiberFileType = in.Byte() % 3;
    power.hibernationOff = in.Byte() & 1;
    power.fastStartup = IsFastStartupOn(AnyNumber(in), AnyNumber(in), AnyNumber(in));

    const std::vector<Finding> findings = ReadinessFindings(adapters, power);
    FUZZ_CHECK(findings.size() >= 2);
    FUZZ_CHECK(std::wstring(findings.back().key) == L"READY_FIRMWARE");

    // Never "yes" where nothing decides, and each "yes" from a setting that says so.
    const int card = WakeCardOf(adapters);
    const std::vector<VerdictLine> verdicts = WakeVerdicts(adapters, card, power);
    FUZZ_CHECK(verdicts.size() == 3);
    for (const VerdictLine& v : verdicts) FUZZ_CHECK(card >= 0 || v.verdict == Verdict::CannotTell);
    if (card >= 0) {
        const WakeValues& w = adapters[static_cast<std::size_t>(card)].wake;
        if (verdicts[2].verdict == Verdict::Yes)
            FUZZ_CHECK(!FastStartupInEffect(power) && w.shutdown.value.present && w.shutdown.value.value == 1);
        if (verdicts[1].verdict == Verdict::Yes) FUZZ_CHECK(CanHibernate(power));
        // A device Windows says cannot wake is never "yes"; a USB card never from shutdown.
        if (DeviceWakeOf(w) == DeviceWake::CannotWake)
            for (const VerdictLine& v : verdicts) FUZZ_CHECK(v.verdict != Verdict::Yes || v.state == std::wstring(L"READY_STANDBY"));
        if (IsUsbCard(w)) FUZZ_CHECK(verdicts[2].verdict != Verdict::Yes);
    }
    return 0;
}
