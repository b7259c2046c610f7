#include "CheckReport.h"

#include "CheckConclusions.h"
#include "net/Ipv4.h"
#include "core/HexDigits.h"
#include "text/TextArgs.h"

namespace {

const wchar_t* const kKindNames[] = {L"Ethernet", L"WiFi", L"Tunnel", L"Other"};
const wchar_t* const kRegTypes[] = {L"REG_NONE",  L"REG_SZ",   L"REG_EXPAND_SZ", L"REG_BINARY",
                                    L"REG_DWORD", L"REG_DWORD_BIG_ENDIAN", L"REG_LINK", L"REG_MULTI_SZ"};

class ReportText {
public:
    explicit ReportText(const LastTimeWords& words) : m_words(words) {}

    // One line: the name, then each field after a tab. Fields are passed
    // through as they are, with no list of copies built for the call.
    template <class... Fields>
    void Line(const wchar_t* name, const Fields&... fields) {
        m_text += name;
        (Field(fields), ...);
        m_text += L"\r\n";
    }
    void Heading(const wchar_t* key) { m_text += L"# " + m_words.text(key) + L"\r\n"; }
    void Findings(const wchar_t* name, const std::vector<Finding>& findings) {
        for (const Finding& f : findings) Line(name, f.key, FillArgs(m_words.text(f.key), f.args));
    }
    std::wstring Say(const wchar_t* key) const { return m_words.text(key); }
    std::wstring& Text() { return m_text; }

private:
    // A field never holds the tab or line break that would split it.
    void Field(const std::wstring& field) {
        m_text += L'\t';
        const std::size_t at = m_text.size();
        m_text += field;
        for (std::size_t i = m_text.find_first_of(L"\t\r\n", at); i != std::wstring::npos;
             i = m_text.find_first_of(L"\t\r\n", i + 1))
            m_text[i] = L' ';
    }
    void Field(const wchar_t* field) {
        m_text += L'\t';
        m_text += field;
    }
    void Field(unsigned long number) { Field(DecimalText(number)); }
    // A value the registry did not hold, or not as a number, is "-".
    void Field(const RegNumber& number) {
        if (number.present) Field(static_cast<unsigned long>(number.value));
        else Field(L"-");
    }

    const LastTimeWords& m_words;
    std::wstring m_text;
};

std::wstring VersionText(unsigned windows) {
    return DecimalText(windows >> 8) + L"." + DecimalText(windows & 0xFF);
}

// -1, "not recorded", is "-".
std::wstring SignedText(long value) {
    return value < 0 ? std::wstring(L"-") : DecimalText(static_cast<unsigned long>(value));
}

const wchar_t* const kWokeFromNames[] = {L"sleep", L"hibernation", L"standby"};

const wchar_t* YesNo(bool value) {
    return value ? L"yes" : L"no";
}

const wchar_t* KnownText(Known value) {
    return value == Known::Unknown ? L"unknown" : YesNo(value == Known::Yes);
}

// REG_NONE is also what an absent value reads as.
std::wstring RegTypeName(unsigned long type) {
    if (type == 0) return L"-";
    return type < sizeof kRegTypes / sizeof kRegTypes[0] ? kRegTypes[type] : DecimalText(type);
}

void WriteAdapter(ReportText& out, const std::vector<Adapter>& adapters, const Adapter& a) {
    out.Line(L"adapter", a.index);
    out.Line(L"label", a.label);
    out.Line(L"description", a.description);
    out.Line(L"guid", std::wstring(a.name.begin(), a.name.end()));
    out.Line(L"ifType", a.ifType);
    out.Line(L"medium", a.medium);
    out.Line(L"HardwareInterface", KnownText(a.hardware));
    out.Line(L"ConnectorPresent", KnownText(a.connector));
    out.Line(L"EndPointInterface", KnownText(a.endpoint));
    out.Line(L"mac", a.macLength ? FormatMacDisplay(a.mac) : L"-", a.macLength);
    for (std::size_t i = 0; i < a.addresses.size(); ++i)
        out.Line(L"address", DottedQuad(a.addresses[i]) + L"/" + DecimalText(PrefixLength(a.masks[i])));
    out.Line(L"connected", YesNo(a.connected));
    out.Line(L"leavesHere", YesNo(a.takesPowerOn));
    out.Line(L"kind", kKindNames[static_cast<int>(a.kind)], YesNo(a.isVirtual));
    if (a.card >= 0) {
        const Adapter& card = adapters[static_cast<std::size_t>(a.card)];
        out.Line(L"card", card.index, card.label);
    }
}

void WriteSetting(ReportText& out, const wchar_t* keyword, const DriverSetting& s) {
    out.Line(L"setting", keyword, RegTypeName(s.type), s.value, s.fromDefault ? L"(default)" : L"", s.name);
}

// The bus and the device's ids, without the instance's own part, which may
// hold a serial number.
std::wstring DevicePathOf(const std::wstring& instanceId) {
    const std::size_t bus = instanceId.find(L'\\');
    if (bus == std::wstring::npos) return instanceId;
    return instanceId.substr(0, instanceId.find(L'\\', bus + 1));
}

void WriteKey(ReportText& out, const DriverKey& key) {
    const WakeValues& w = key.values;
    out.Line(L"driverKey", key.subkey, key.id);
    out.Line(L"Characteristics", w.characteristics);
    out.Line(L"PnPCapabilities", w.pnpCapabilities);
    WriteSetting(out, L"*WakeOnMagicPacket", w.magicPacket);
    WriteSetting(out, L"*ModernStandbyWoLMagicPacket", w.modernStandby);
    WriteSetting(out, L"*PMARPOffload", w.arpOffload);
    if (!w.shutdownKeyword.empty()) WriteSetting(out, w.shutdownKeyword.c_str(), w.shutdown);
    WriteSetting(out, L"*WakeOnPattern", w.wakeOnPattern);
    WriteSetting(out, L"WakeOnLink", w.wakeOnLink);
    out.Line(L"PD_DeepestSystemWake", w.deepestWake);
    out.Line(L"PD_Capabilities", static_cast<unsigned long>(w.powerCapabilities));
    out.Line(L"powerDataRead", YesNo(w.powerRead));
    out.Line(L"DriverProvider", w.provider);
    out.Line(L"DeviceInstanceID", DevicePathOf(w.instanceId));
}

void WritePower(ReportText& out, const CheckFacts& facts) {
    for (const DevicePower& d : facts.devices)
        out.Line(L"device", d.driverKey, d.capabilities, d.deepestWake);
    const PowerStates& s = facts.states;
    out.Line(L"GetPwrCapabilities", YesNo(s.read), VersionText(s.windows));
    out.Line(L"SystemS1", YesNo(s.s1));
    out.Line(L"SystemS2", YesNo(s.s2));
    out.Line(L"SystemS3", YesNo(s.s3));
    out.Line(L"SystemS4", YesNo(s.s4));
    out.Line(L"HiberFilePresent", YesNo(s.hiberFilePresent));
    out.Line(L"HiberFileType", static_cast<unsigned long>(s.hiberFileType));
    out.Line(L"AoAc", KnownText(s.modernStandby));
    out.Line(L"Hiberboot", KnownText(s.hiberboot));
    out.Line(L"HiberbootEnabledPolicy", facts.fastStartup.policy);
    out.Line(L"HiberbootEnabled", facts.fastStartup.hiberbootEnabled);
    out.Line(L"HibernateEnabled", facts.fastStartup.hibernateEnabled);
    const PcPower power = PcPowerOf(s, facts.fastStartup);
    out.Line(L"FastStartup", YesNo(power.fastStartup), FastStartupByName(power.fastStartupBy));
}

// A FILETIME in full, in hex: DecimalText stops at 32 bits, and shifts
// spare the 32-bit build a 64-bit division.
std::wstring Hex64(std::uint64_t value) {
    std::wstring digits = L"0x";
    for (int shift = 60; shift >= 0; shift -= 4) digits += static_cast<wchar_t>(kHexDigits[(value >> shift) & 0xF]);
    return digits;
}

void WriteLastWake(ReportText& out, const LastWakeRecord& last) {
    const LastWake& w = last.wake;
    if (w.present) {
        out.Line(L"lastWake", Hex64(w.sleepTimeUtc), Hex64(w.wakeTimeUtc), w.source);
        out.Line(L"lastWakeFrom", kWokeFromNames[static_cast<int>(w.from)], SignedText(w.targetState),
                 SignedText(w.wakeSourceType), SignedText(w.reason));
    }
    if (last.start.present)
        out.Line(L"lastStart", Hex64(last.start.timeUtc), static_cast<unsigned long>(last.start.bootType));
    if (last.wakeUpType != kNoWakeUpType) out.Line(L"WakeUpType", static_cast<unsigned long>(last.wakeUpType));
}

}  // namespace

std::wstring BuildReport(const ReportOrigin& origin, const CheckFacts& facts, const LastWakeRecord& last,
                         const LastTimeWords& words) {
    ReportText out(words);
    out.Line(L"QuorvaneReport", kReportFormat);
    out.Heading(L"REPORT_TITLE");
    out.Line(L"program", origin.program);
    out.Line(L"windows", VersionText(origin.windows), origin.build);
    out.Line(L"macEntered", YesNo(facts.macComplete));
    out.Heading(L"REPORT_ADAPTERS");
    for (const Adapter& a : facts.adapters) WriteAdapter(out, facts.adapters, a);
    out.Heading(L"REPORT_DRIVER_KEYS");
    for (const DriverKey& key : facts.keys) WriteKey(out, key);
    out.Heading(L"REPORT_POWER");
    WritePower(out, facts);
    WriteLastWake(out, last);

    out.Heading(L"REPORT_FINDINGS");
    const CheckConclusions c = ConcludeCheck(facts, last, words);
    out.Findings(L"checkFinding", c.network);
    out.Findings(L"verdictsBy", c.verdictsBy);
    for (const VerdictLine& v : c.verdicts) out.Line(L"verdict", v.state, v.answer, out.Say(v.state) + L" " + out.Say(v.answer));
    out.Findings(L"lastTimeFinding", c.lastTime);
    out.Findings(L"readyFinding", c.readiness);
    return std::move(out.Text());
}
