// Whether real cards wake real PCs from sleep, hibernation and shutdown:
// each card's driver key as its INF file leaves it (the values a driver
// writes, and the defaults and names it keeps under Ndi\params), on PCs of
// each kind, with each deepest wake a device reports.
#include <gtest/gtest.h>

#include <cwctype>
#include <map>
#include <string>
#include <vector>

#include "netcheck/DriverKeyRead.h"
#include "netcheck/ReadinessRules.h"

namespace {

constexpr unsigned long kSz = 1, kDword = 4;

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

// A driver key as an INF file's AddReg lines leave it; names in any case,
// as the registry has them.
class InfKey final : public DriverKeyView {
public:
    // HKR,Ndi\params\<keyword>,default / ParamDesc
    InfKey& Param(const wchar_t* keyword, const wchar_t* byDefault, const wchar_t* desc) {
        const std::wstring sub = std::wstring(L"Ndi\\Params\\") + keyword;
        Text(sub, L"Default", byDefault);
        Text(sub, L"ParamDesc", desc);
        return *this;
    }
    // HKR,,<keyword>,0,"value": written, shown or hidden
    InfKey& Stored(const wchar_t* keyword, const wchar_t* value) {
        Text(L"", keyword, value);
        return *this;
    }
    InfKey& Dword(const wchar_t* name, std::uint32_t value) {
        m_values[{L"", Lower(name)}] = {kDword, {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                                 static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)}};
        return *this;
    }

    RegistryValue Value(const std::wstring& subkey, const wchar_t* name) override {
        const auto found = m_values.find({Lower(subkey), Lower(name)});
        if (found == m_values.end()) return RegistryValue();
        return {true, found->second.first, found->second.second};
    }

private:
    void Text(const std::wstring& sub, const wchar_t* name, const wchar_t* value) {
        std::vector<unsigned char> bytes;
        for (const wchar_t* c = value;; ++c) {
            bytes.push_back(static_cast<unsigned char>(*c));
            bytes.push_back(static_cast<unsigned char>(*c >> 8));
            if (!*c) break;
        }
        m_values[{Lower(sub), Lower(name)}] = {kSz, bytes};
    }
    std::map<std::pair<std::wstring, std::wstring>, std::pair<unsigned long, std::vector<unsigned char>>> m_values;
};

// Realtek PCIe GbE family (rt640x64.inf, NDIS 6.x): every wake keyword
// with its Ndi entry; "Shutdown Wake-On-Lan" on by default.
InfKey Realtek() {
    InfKey key;
    key.Param(L"*WakeOnMagicPacket", L"1", L"Wake on Magic Packet")
        .Param(L"*WakeOnPattern", L"1", L"Wake on pattern match")
        .Param(L"S5WakeOnLan", L"1", L"Shutdown Wake-On-Lan")
        .Param(L"*PMARPOffload", L"1", L"ARP Offload")
        .Param(L"*ModernStandbyWoLMagicPacket", L"0", L"Modern Standby WoL Magic Packet")
        .Dword(L"Characteristics", 0x84);  // NCF_PHYSICAL | NCF_HAS_UI
    return key;
}

// An OEM's build of the same driver: its section writes the shutdown
// keyword hidden, off, with no Ndi entry (inferred from OEM INF sections
// that write S5WakeOnLan without a ParamDesc).
InfKey OemRealtek() {
    InfKey key = Realtek();
    key.Stored(L"S5WakeOnLan", L"0");
    return key;
}

// Intel I219 (e1d68x64.inf 12.18.9.14 and 12.18.9.23, its e1d.reg and
// Powermgmt.reg sections): "Enable PME" default 1, which nothing in the INF
// ties to shutdown; "Wake on Pattern Match" on, "Wake on Link Settings" off.
InfKey IntelI219() {
    InfKey key;
    key.Param(L"*WakeOnMagicPacket", L"1", L"Wake on Magic Packet")
        .Param(L"*WakeOnPattern", L"1", L"Wake on Pattern Match")
        .Param(L"WakeOnLink", L"0", L"Wake on Link Settings")
        .Param(L"EnablePME", L"1", L"Enable PME")
        .Param(L"*PMARPOffload", L"1", L"Protocol ARP Offload")
        .Dword(L"Characteristics", 0x84);
    return key;
}

// ASIX AX88179 USB 3.0 (ax88179_178a.inf): the standard keywords only,
// no shutdown keyword; the user turned ARP offload off.
InfKey AsixUsb() {
    InfKey key;
    key.Param(L"*WakeOnMagicPacket", L"1", L"Wake on Magic Packet")
        .Param(L"*PMARPOffload", L"1", L"ARP Offload")
        .Stored(L"*PMARPOffload", L"0")
        .Dword(L"Characteristics", 0x84);
    return key;
}

Adapter CardOf(InfKey key, unsigned deepestWake) {
    Adapter a;
    a.label = L"Ethernet";
    a.ifType = 6;
    a.kind = AdapterKind::Ethernet;
    a.hardware = a.connector = Known::Yes;
    a.endpoint = Known::No;
    a.connected = true;
    a.wake = ReadWakeValues(key);
    a.wake.deepestWake = deepestWake;
    return a;
}

PcPower Desktop(bool fastStartup) {
    PcPower pc;
    pc.states = {true, true, true, true, Known::No};
    pc.fastStartup = fastStartup;
    return pc;
}
PcPower ModernStandbyLaptop() {
    PcPower pc;
    pc.states = {true, false, true, true, Known::Yes};  // S0 low-power idle: no S3
    return pc;
}
PcPower HibernationOff() {  // powercfg /h off with HiberbootEnabled 1 left behind
    PcPower pc = Desktop(false);
    pc.hibernationOff = true;
    pc.fastStartup = IsFastStartupOn({}, {true, 1}, {true, 0});
    return pc;
}
PcPower Windows7() {
    PcPower pc = Desktop(false);
    pc.states.modernStandby = Known::No;  // not read before Windows 8
    return pc;
}
PcPower WindowsXp() {  // no hibernation file, no Fast Startup
    PcPower pc;
    pc.states = {true, true, true, false, Known::No};
    return pc;
}

std::wstring Verdicts(const Adapter& card, const PcPower& pc) {
    std::wstring text;
    for (const VerdictLine& v : WakeVerdicts({card}, WakeCardOf({card}), pc))
        text += (text.empty() ? L"" : L" / ") + std::wstring(v.state).substr(6) + L" " + std::wstring(v.answer).substr(6);
    return text;
}

// The firmware's finding stands on every PC, and the one of waking on
// other traffic on every card with its INF file's defaults: they have
// their own test.
std::wstring Findings(const Adapter& card, const PcPower& pc, bool otherTraffic = false) {
    std::wstring text;
    for (const Finding& f : ReadinessFindings({card}, pc)) {
        if (std::wstring(f.key) == L"READY_FIRMWARE") continue;
        if (!otherTraffic && std::wstring(f.key) == L"READY_WAKES_ON_OTHER") continue;
        text += (text.empty() ? L"" : L" / ") + std::wstring(f.key).substr(6);
        for (const std::wstring& arg : f.args) text += L" [" + arg + L"]";
    }
    return text;
}

TEST(WakeVerdicts, RealCardsOnRealPcs) {
    constexpr unsigned kS3 = 4, kS4 = 5, kNotReported = 0;
    const struct {
        const char* what;
        InfKey key;
        PcPower pc;
        unsigned deepest;
        const wchar_t* verdicts;
        const wchar_t* findings;
    } cases[] = {
        {"Realtek, desktop with Fast Startup", Realtek(), Desktop(true), kS4,
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN CANNOT_TELL", L"FAST_STARTUP"},
        {"Realtek, Fast Startup off", Realtek(), Desktop(false), kS4,
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN YES", L"NOTHING_WRONG"},
        {"OEM Realtek, hidden shutdown keyword off", OemRealtek(), Desktop(false), kS4,
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN NO", L"SHUTDOWN_OFF [Ethernet] [Shutdown Wake-On-Lan]"},
        {"OEM Realtek with Fast Startup: still no", OemRealtek(), Desktop(true), kS4,
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN NO", L"SHUTDOWN_OFF [Ethernet] [Shutdown Wake-On-Lan] / FAST_STARTUP"},
        {"Realtek on a Modern Standby laptop: its keyword's default is off", Realtek(), ModernStandbyLaptop(), kS4,
         L"STANDBY NO / HIBERNATION YES / SHUTDOWN YES",
         L"STANDBY_OFF [Ethernet] [Modern Standby WoL Magic Packet]"},
        // Enable PME decides nothing of shutdown: Intel's INF files do not
        // say it does (these two said "yes").
        {"Intel I219, device wakes from S3 only", IntelI219(), Desktop(false), kS3,
         L"SLEEP YES / HIBERNATION NO_HIBERNATION_WAKE / SHUTDOWN CANNOT_TELL", L"NO_HIBERNATION_WAKE_CARD [Ethernet]"},
        {"Intel I219 with hibernation off", IntelI219(), HibernationOff(), kNotReported,
         L"SLEEP YES / HIBERNATION HIBERNATION_OFF / SHUTDOWN CANNOT_TELL", L"NOTHING_WRONG"},
        {"ASIX USB on Windows 7: no shutdown keyword", AsixUsb(), Windows7(), kS3,
         L"SLEEP YES / HIBERNATION NO_HIBERNATION_WAKE / SHUTDOWN CANNOT_TELL",
         L"NO_HIBERNATION_WAKE_CARD [Ethernet] / ARP_OFFLOAD_OFF [Ethernet] [ARP Offload]"},
        {"ASIX USB on a Modern Standby laptop: no Ndi entry for the keyword", AsixUsb(), ModernStandbyLaptop(),
         kNotReported, L"STANDBY CANNOT_TELL / HIBERNATION YES / SHUTDOWN CANNOT_TELL",
         L"ARP_OFFLOAD_OFF [Ethernet] [ARP Offload]"},
        // Hibernation needs the file (IsPwrHibernateAllowed): this said "yes".
        {"Realtek on Windows XP: no hibernation file", Realtek(), WindowsXp(), kNotReported,
         L"SLEEP YES / HIBERNATION HIBERNATION_OFF / SHUTDOWN YES", L"NOTHING_WRONG"},
    };
    for (const auto& c : cases) {
        const Adapter card = CardOf(c.key, c.deepest);
        EXPECT_EQ(c.verdicts, Verdicts(card, c.pc)) << c.what;
        EXPECT_EQ(c.findings, Findings(card, c.pc)) << c.what;
    }
}

// The device's power data as read: PDCAP_D0 | D3 | WAKE_FROM_D0 | WAKE_FROM_D3
// on an ACPI PC; all zero on hardware without ACPI.
constexpr std::uint32_t kAcpiCard = 0x01 | 0x08 | 0x10 | 0x80, kNoAcpi = 0;

Adapter WithPowerData(Adapter a, std::uint32_t capabilities, unsigned deepestWake) {
    a.wake.powerRead = true;
    a.wake.powerCapabilities = capabilities;
    a.wake.deepestWake = deepestWake;
    return a;
}

PcPower WithStates(bool s1, bool s2, bool s3) {  // an ACPI desktop of that era, with S4 and its file
    PcPower pc = Desktop(false);
    pc.states.s1 = s1;
    pc.states.s2 = s2;
    pc.states.s3 = s3;
    return pc;
}

// Windows 10 (or 7) with the kernel's Hiberboot byte and the file's type
// as GetPwrCapabilities gives them, and the keys as the registry holds them.
PcPower Windows(unsigned version, Known hiberboot, unsigned hiberFileType, std::uint32_t hiberbootEnabled) {
    PowerStates states{true, true, true, true, Known::No};
    states.windows = version;
    states.hiberboot = version >= 0x0602 ? hiberboot : Known::Unknown;
    states.hiberFileType = hiberFileType;
    return PcPowerOf(states, {{}, {true, hiberbootEnabled}, {}});
}

InfKey Stored(InfKey key, const wchar_t* keyword, const wchar_t* value) {
    key.Stored(keyword, value);
    return key;
}
InfKey WithTab(InfKey key, std::uint32_t pnpCapabilities) {
    key.Dword(L"PnPCapabilities", pnpCapabilities);
    return key;
}
InfKey OnDevice(InfKey key, const wchar_t* provider, const wchar_t* instanceId) {
    key.Stored(L"ProviderName", provider).Stored(L"DeviceInstanceID", instanceId);
    return key;
}

// What Windows itself says of the device, the sleep states, hibernation and
// Fast Startup, and what the Power Management tab forbids; each row's
// source beside it.
TEST(WakeVerdicts, WhatWindowsItselfReportsDecidesFirst) {
    constexpr unsigned kS1 = 2, kS4 = 5, kCannotWake = 0;
    const InfKey msOn = Stored(Realtek(), L"*ModernStandbyWoLMagicPacket", L"1");
    const struct {
        const char* what;
        Adapter card;
        PcPower pc;
        const wchar_t* verdicts;
        const wchar_t* findings;
    } cases[] = {
        // DEVICE_CAPABILITIES.SystemWake: PowerSystemUnspecified "if the
        // device cannot wake the system", as with Wake-on-LAN off in the firmware.
        {"firmware Wake-on-LAN off: deepest wake 0, read", WithPowerData(CardOf(Realtek(), 0), kAcpiCard, kCannotWake),
         Desktop(false), L"SLEEP CARD_CANNOT_WAKE / HIBERNATION CARD_CANNOT_WAKE / SHUTDOWN CANNOT_TELL",
         L"DEVICE_CANNOT_WAKE [Ethernet]"},
        {"no PDCAP_WAKE_FROM_D* bit: the device signals no wake", WithPowerData(CardOf(Realtek(), 0), 0x09, kS4),
         Desktop(false), L"SLEEP CARD_CANNOT_WAKE / HIBERNATION CARD_CANNOT_WAKE / SHUTDOWN CANNOT_TELL",
         L"DEVICE_CANNOT_WAKE [Ethernet]"},
        {"hardware without ACPI: capabilities all zero", WithPowerData(CardOf(Realtek(), 0), kNoAcpi, kCannotWake),
         Desktop(false), L"SLEEP CANNOT_TELL / HIBERNATION CANNOT_TELL / SHUTDOWN YES", L"NOTHING_WRONG"},
        // System Power States: "typically one of these three states, not all three".
        {"a PC with S1 only", WithPowerData(CardOf(Realtek(), 0), kAcpiCard, kS4), WithStates(true, false, false),
         L"SLEEP_S1 YES / HIBERNATION YES / SHUTDOWN YES", L"NOTHING_WRONG"},
        {"S2, a device that wakes from S1 only", WithPowerData(CardOf(Realtek(), 0), kAcpiCard, kS1),
         WithStates(true, true, false), L"SLEEP_S2 NO_SLEEP_WAKE / HIBERNATION NO_HIBERNATION_WAKE / SHUTDOWN YES",
         L"NO_HIBERNATION_WAKE_CARD [Ethernet]"},
        // IsPwrHibernateAllowed: S4 and the file; HiberFileType 1 serves Fast Startup only.
        {"Windows 10, reduced hibernation file", CardOf(Realtek(), kS4), Windows(0x0A00, Known::Yes, 1, 0),
         L"SLEEP YES / HIBERNATION HIBERNATION_REDUCED / SHUTDOWN YES", L"HIBERFILE_REDUCED"},
        {"Windows 10, Fast Startup on, the kernel's Hiberboot too", CardOf(Realtek(), kS4), Windows(0x0A00, Known::Yes, 2, 1),
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN CANNOT_TELL", L"FAST_STARTUP"},
        {"Windows 10, HiberbootEnabled 1 but no Hiberboot", CardOf(Realtek(), kS4), Windows(0x0A00, Known::No, 2, 1),
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN YES", L"NOTHING_WRONG"},
        // Fast Startup came with Windows 8: a value an upgrade left behind means nothing.
        {"Windows 7 with HiberbootEnabled 1 left behind", CardOf(Realtek(), kS4), Windows(0x0601, Known::Unknown, 0, 1),
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN YES", L"NOTHING_WRONG"},
        // The tab's wake box and *WakeOnMagicPacket come before the S0ix keyword.
        {"Modern Standby, the tab's wake box off (0x118)", CardOf(WithTab(msOn, 0x118), kS4), ModernStandbyLaptop(),
         L"STANDBY NO / HIBERNATION NO / SHUTDOWN CANNOT_TELL", L"POWER_MANAGEMENT [Ethernet]"},
        {"Modern Standby, *WakeOnMagicPacket 0", CardOf(Stored(msOn, L"*WakeOnMagicPacket", L"0"), kS4),
         ModernStandbyLaptop(), L"STANDBY NO / HIBERNATION NO / SHUTDOWN NO", L"WAKE_OFF [Ethernet]"},
        {"Modern Standby, its keyword on", CardOf(msOn, kS4), ModernStandbyLaptop(),
         L"STANDBY YES / HIBERNATION YES / SHUTDOWN YES", L"NOTHING_WRONG"},
        // Scripts that "keep the card powered" write these to every card.
        {"the tab forbids waking (0x110), Shutdown Wake-On-Lan on", CardOf(WithTab(Realtek(), 0x110), kS4), Desktop(false),
         L"SLEEP NO / HIBERNATION NO / SHUTDOWN CANNOT_TELL", L"POWER_MANAGEMENT [Ethernet]"},
        {"the tab's 24", CardOf(WithTab(Realtek(), 24), kS4), Desktop(false),
         L"SLEEP NO / HIBERNATION NO / SHUTDOWN CANNOT_TELL", L"POWER_MANAGEMENT [Ethernet]"},
        // Windows Update's in-box driver for a Realtek card keeps the
        // standard keywords only (ProviderName "Microsoft").
        {"Windows' in-box driver on a Realtek card",
         CardOf(OnDevice(AsixUsb(), L"Microsoft", L"PCI\\VEN_10EC&DEV_8168&SUBSYS_86771043&REV_15\\01000000684CE00000"), kS4),
         Desktop(false), L"SLEEP YES / HIBERNATION YES / SHUTDOWN CANNOT_TELL",
         L"ARP_OFFLOAD_OFF [Ethernet] [ARP Offload] / INBOX_DRIVER [Ethernet]"},
        {"the maker's driver on it", CardOf(OnDevice(Realtek(), L"Realtek", L"PCI\\VEN_10EC&DEV_8168&REV_15\\01"), kS4),
         Desktop(false), L"SLEEP YES / HIBERNATION YES / SHUTDOWN YES", L"NOTHING_WRONG"},
        {"ASIX USB adapter", CardOf(OnDevice(AsixUsb(), L"ASIX", L"USB\\VID_0B95&PID_1790\\000000000003C1"), kS4),
         Desktop(false), L"SLEEP YES / HIBERNATION YES / SHUTDOWN CANNOT_TELL",
         L"ARP_OFFLOAD_OFF [Ethernet] [ARP Offload] / USB_CARD [Ethernet]"},
        {"a USB card whose driver keeps Shutdown Wake-On-Lan",
         CardOf(OnDevice(Realtek(), L"Realtek", L"USB\\VID_0BDA&PID_8153\\000001"), kS4), Desktop(false),
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN CANNOT_TELL", L"USB_CARD [Ethernet]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.verdicts, Verdicts(c.card, c.pc)) << c.what;
        EXPECT_EQ(c.findings, Findings(c.card, c.pc)) << c.what;
    }
}

// "If this PC wakes by itself": only where the card wakes at all, and the
// setting that also wakes it is named as its Advanced tab names it.
TEST(WakeVerdicts, ACardThatAlsoWakesOnOtherTrafficIsNamedWithItsSetting) {
    const struct {
        const char* what;
        InfKey key;
        const wchar_t* findings;
    } cases[] = {
        {"Realtek's defaults: pattern match on", Realtek(), L"NOTHING_WRONG / WAKES_ON_OTHER [Ethernet] [Wake on pattern match]"},
        {"the tab's magic-packet-only box ticked", WithTab(Realtek(), 0x100), L"NOTHING_WRONG"},
        {"Intel with Wake on Link forced (2)", WithTab(Stored(IntelI219(), L"WakeOnLink", L"2"), 0x100),
         L"NOTHING_WRONG / WAKES_ON_OTHER [Ethernet] [Wake on Link Settings]"},
        {"Intel with its defaults", IntelI219(), L"NOTHING_WRONG / WAKES_ON_OTHER [Ethernet] [Wake on Pattern Match]"},
        {"waking off altogether", Stored(IntelI219(), L"*WakeOnMagicPacket", L"0"), L"WAKE_OFF [Ethernet]"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.findings, Findings(CardOf(c.key, 5), Desktop(false), true)) << c.what;
}

TEST(WakeVerdicts, AValueTheDriverNeverWroteIsItsDefault) {
    InfKey key;
    key.Param(L"*WakeOnMagicPacket", L"0", L"Wake on Magic Packet");
    const WakeValues off = ReadWakeValues(key);
    EXPECT_TRUE(off.magicPacket.value.present && off.magicPacket.value.value == 0 && off.magicPacket.fromDefault);
    EXPECT_EQ(WakeSetting::Off, WakeSettingOf(CardOf(key, 0)));
    key.Stored(L"*WakeOnMagicPacket", L"1");  // the user's choice beats the default
    EXPECT_EQ(WakeSetting::On, WakeSettingOf(CardOf(key, 0)));
    EXPECT_FALSE(ReadWakeValues(key).magicPacket.fromDefault);
    // A keyword named by its ParamDesc where the driver has one, else by
    // itself; Enable PME off stops nothing that an INF file names.
    InfKey hidden;
    hidden.Stored(L"*WakeOnMagicPacket", L"1").Stored(L"EnablePME", L"0");
    EXPECT_EQ(L"NOTHING_WRONG", Findings(CardOf(hidden, 0), Desktop(false)));
    hidden.Stored(L"S5WakeOnLan", L"0");
    EXPECT_EQ(L"SHUTDOWN_OFF [Ethernet] [S5WakeOnLan]", Findings(CardOf(hidden, 0), Desktop(false)));
}

TEST(WakeVerdicts, WithoutACardThatCanWakeNothingIsTold) {
    InfKey tether;  // a phone's Remote NDIS driver keeps no wake keyword
    const Adapter a = CardOf(tether, 0);
    EXPECT_EQ(L"SLEEP CANNOT_TELL / HIBERNATION CANNOT_TELL / SHUTDOWN CANNOT_TELL", Verdicts(a, Desktop(false)));
    PcPower noSleep = Desktop(false);
    noSleep.states.s3 = false;
    EXPECT_EQ(L"SLEEP NO_SLEEP_STATE / HIBERNATION YES / SHUTDOWN YES", Verdicts(CardOf(Realtek(), 0), noSleep));
}

}  // namespace
