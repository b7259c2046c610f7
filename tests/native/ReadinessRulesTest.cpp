// The readiness check's rules: each card's wake setting, Fast Startup, and
// the findings, from the raw registry values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "netcheck/ReadinessRules.h"

namespace {

RegNumber Number(std::uint32_t value) {
    return {true, value};
}

Adapter Card(AdapterKind kind, RegNumber magicPacket, RegNumber pnp = {}) {
    Adapter a;
    a.label = L"eth0";
    a.kind = kind;
    a.ifType = kind == AdapterKind::WiFi ? 71 : kind == AdapterKind::Ethernet ? 6 : 131;
    a.connected = true;
    a.wake.hasKey = true;
    a.wake.magicPacket.value = magicPacket;
    a.wake.pnpCapabilities = pnp;
    return a;
}

TEST(Readiness, TheColumnPowerManagementFirstThenTheKeyword) {
    const struct {
        RegNumber magicPacket, pnp;
        WakeSetting expected;
    } cases[] = {
        {Number(1), {}, WakeSetting::On},
        {Number(0), {}, WakeSetting::Off},
        {Number(2), {}, WakeSetting::NotReported},
        {{}, {}, WakeSetting::NotReported},
        {Number(1), Number(0x18), WakeSetting::OffPowerManagement},
        {Number(1), Number(0x118), WakeSetting::OffPowerManagement},
        {Number(1), Number(0x110), WakeSetting::OffNotAllowed},
        {{}, Number(0x80), WakeSetting::OffMagicPacketDisabled},
        {Number(1), Number(0x100), WakeSetting::On},  // "only a magic packet" changes nothing
        {Number(0), Number(0), WakeSetting::Off},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, WakeSettingOf(Card(AdapterKind::Ethernet, c.magicPacket, c.pnp)))
            << c.magicPacket.value << " " << c.pnp.value;
    EXPECT_EQ(WakeSetting::On, WakeSettingOf(Card(AdapterKind::WiFi, Number(1))));
    EXPECT_EQ(WakeSetting::NotApplicable, WakeSettingOf(Card(AdapterKind::Tunnel, Number(1))));
    Adapter noKey = Card(AdapterKind::Ethernet, {});
    noKey.wake = {};
    EXPECT_EQ(WakeSetting::NotReported, WakeSettingOf(noKey));
    EXPECT_EQ(nullptr, WakeSettingKey(WakeSetting::NotApplicable));
}

TEST(Readiness, FastStartupFollowsPolicyLocalSettingAndHibernation) {
    const RegNumber none{};
    struct Case {
        RegNumber policy, local, hibernate;
        bool on;
    } const cases[] = {
        {none, Number(1), none, true},
        {none, Number(1), Number(1), true},
        {none, Number(1), Number(0), false},  // powercfg /h off
        {Number(1), Number(0), none, true},   // the policy requires it
        {Number(1), none, Number(0), false},  // and still needs hibernation
        {Number(0), Number(1), none, true},   // a policy of 0 leaves the local setting in force
        {Number(0), Number(0), none, false},
        {none, Number(2), none, false},
        {none, none, none, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.on, IsFastStartupOn(c.policy, c.local, c.hibernate))
            << c.policy.present << c.policy.value << " " << c.local.present << c.local.value << " "
            << c.hibernate.present << c.hibernate.value;
}

std::vector<std::wstring> Keys(const std::vector<Adapter>& adapters, bool fastStartup) {
    std::vector<std::wstring> keys;
    PcPower power;
    power.fastStartup = fastStartup;
    for (const Finding& f : ReadinessFindings(adapters, power))
        keys.push_back(f.args.empty() ? f.key : std::wstring(f.key) + L" [" + f.args[0] + L"]");
    return keys;
}
using Lines = std::vector<std::wstring>;

TEST(Readiness, Findings) {
    EXPECT_EQ((Lines{L"READY_NOTHING_WRONG", L"READY_FIRMWARE"}), Keys({Card(AdapterKind::Ethernet, Number(1))}, false));
    // A driver key with no wake keyword at all: Windows tells nothing.
    EXPECT_EQ((Lines{L"READY_NO_WAKE_FACTS [eth0]", L"READY_FIRMWARE"}), Keys({Card(AdapterKind::Ethernet, {})}, false));
    EXPECT_EQ((Lines{L"READY_WAKE_OFF [eth0]", L"READY_FIRMWARE"}), Keys({Card(AdapterKind::Ethernet, Number(0))}, false));
    EXPECT_EQ((Lines{L"READY_WAKE_OFF [eth0]", L"READY_FIRMWARE"}),
              Keys({Card(AdapterKind::Ethernet, {}, Number(0x80))}, false));
    EXPECT_EQ((Lines{L"READY_POWER_MANAGEMENT [eth0]", L"READY_FAST_STARTUP", L"READY_FIRMWARE"}),
              Keys({Card(AdapterKind::Ethernet, Number(1), Number(0x10))}, true));
    Adapter unplugged = Card(AdapterKind::Ethernet, Number(0));
    unplugged.connected = false;  // says nothing of a card that is not in use
    EXPECT_EQ((Lines{L"READY_NO_CABLE", L"READY_FIRMWARE"}),
              Keys({unplugged, Card(AdapterKind::WiFi, Number(0))}, false));
    EXPECT_EQ((Lines{L"READY_NO_CABLE", L"READY_FIRMWARE"}), Keys({}, false));
}

}  // namespace
