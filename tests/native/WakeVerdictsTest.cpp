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

// Intel I219 (e1d68x64.inf): "Enable PME" for the firmware's wake.
InfKey IntelI219() {
    InfKey key;
    key.Param(L"*WakeOnMagicPacket", L"1", L"Wake on Magic Packet")
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

std::wstring Findings(const Adapter& card, const PcPower& pc) {
    std::wstring text;
    for (const Finding& f : ReadinessFindings({card}, pc)) {
        if (std::wstring(f.key) == L"READY_FIRMWARE") continue;
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
        {"Intel I219, device wakes from S3 only", IntelI219(), Desktop(false), kS3,
         L"SLEEP YES / HIBERNATION NO_HIBERNATION_WAKE / SHUTDOWN YES", L"NO_HIBERNATION_WAKE_CARD [Ethernet]"},
        {"Intel I219 with hibernation off", IntelI219(), HibernationOff(), kNotReported,
         L"SLEEP YES / HIBERNATION HIBERNATION_OFF / SHUTDOWN YES", L"NOTHING_WRONG"},
        {"ASIX USB on Windows 7: no shutdown keyword", AsixUsb(), Windows7(), kS3,
         L"SLEEP YES / HIBERNATION NO_HIBERNATION_WAKE / SHUTDOWN CANNOT_TELL",
         L"NO_HIBERNATION_WAKE_CARD [Ethernet] / ARP_OFFLOAD_OFF [Ethernet] [ARP Offload]"},
        {"ASIX USB on a Modern Standby laptop: no Ndi entry for the keyword", AsixUsb(), ModernStandbyLaptop(),
         kNotReported, L"STANDBY CANNOT_TELL / HIBERNATION YES / SHUTDOWN CANNOT_TELL",
         L"ARP_OFFLOAD_OFF [Ethernet] [ARP Offload]"},
        {"Realtek on Windows XP: no hibernation file", Realtek(), WindowsXp(), kNotReported,
         L"SLEEP YES / HIBERNATION YES / SHUTDOWN YES", L"NOTHING_WRONG"},
    };
    for (const auto& c : cases) {
        const Adapter card = CardOf(c.key, c.deepest);
        EXPECT_EQ(c.verdicts, Verdicts(card, c.pc)) << c.what;
        EXPECT_EQ(c.findings, Findings(card, c.pc)) << c.what;
    }
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
    // A keyword named by its ParamDesc where the driver has one, else by itself.
    InfKey hidden;
    hidden.Stored(L"*WakeOnMagicPacket", L"1").Stored(L"EnablePME", L"0");
    EXPECT_EQ(L"SHUTDOWN_OFF [Ethernet] [EnablePME]", Findings(CardOf(hidden, 0), Desktop(false)));
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
