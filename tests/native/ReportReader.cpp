#include "ReportReader.h"

#include <cwchar>

#include "net/Ipv4.h"
#include "netcheck/DriverKeyRead.h"
#include "netcheck/CheckReport.h"
#include "text/TextArgs.h"

namespace {

std::vector<std::wstring> Fields(const std::wstring& line) {
    std::vector<std::wstring> fields(1);
    for (const wchar_t c : line) {
        if (c == L'\t') fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

unsigned long Num(const std::wstring& text) {
    return std::wcstoul(text.c_str(), nullptr, 10);
}

RegNumber RegOf(const std::wstring& text) {
    if (text == L"-") return {};
    return {true, static_cast<std::uint32_t>(Num(text))};
}

Known KnownOf(const std::wstring& text) {
    return text == L"unknown" ? Known::Unknown : text == L"yes" ? Known::Yes : Known::No;
}

unsigned long RegType(const std::wstring& text) {
    static const wchar_t* const kNames[] = {L"REG_NONE",  L"REG_SZ",   L"REG_EXPAND_SZ", L"REG_BINARY",
                                            L"REG_DWORD", L"REG_DWORD_BIG_ENDIAN", L"REG_LINK", L"REG_MULTI_SZ"};
    for (unsigned long t = 0; t < 8; ++t)
        if (text == kNames[t]) return t;
    return text == L"-" ? 0 : Num(text);
}

std::uint64_t Time(const std::wstring& text) {
    return std::wcstoull(text.c_str(), nullptr, 16);
}

// One adapter as its lines give it, until the next.
struct AdapterLines {
    InterfaceFacts row;
    AdapterFacts lists;
    Known hardware = Known::Unknown;
    bool connected = false, leavesHere = false;
};

void Finish(ReadBack& out, std::vector<AdapterLines>& adapters) {
    bool table = false;
    for (const AdapterLines& a : adapters) table = table || a.hardware != Known::Unknown;
    out.source.hasTable = table;
    for (AdapterLines& a : adapters) {
        a.row.mediaState = a.connected ? 1 : 2;
        a.row.operStatus = 1;
        AdapterFacts lists = a.row;  // the addresses are the lists' own
        lists.addresses = a.lists.addresses;
        lists.masks = a.lists.masks;
        lists.up = a.connected ? Known::Yes : Known::No;
        a.lists = lists;
        if (table && a.hardware != Known::Unknown) out.source.table.push_back(a.row);
        if (!table || a.hardware == Known::Unknown || !a.lists.addresses.empty()) out.source.lists.push_back(a.lists);
        if (a.leavesHere) out.source.powerOn = a.row.index;
    }
}

long SignedOf(const std::wstring& text) {
    return text == L"-" ? -1 : static_cast<long>(Num(text));
}

unsigned VersionOf(const std::wstring& text) {
    const std::size_t dot = text.find(L'.');
    return dot == std::wstring::npos ? 0 : static_cast<unsigned>(Num(text.substr(0, dot)) << 8 | Num(text.substr(dot + 1)));
}

// The facts the report gained with Modern Standby's exits, the device's
// power data read or not, and the kernel's Hiberboot; reports without them
// read as before.
bool ReadLaterLine(const std::vector<std::wstring>& f, ReadBack& out) {
    const std::wstring& name = f[0];
    const std::size_t n = f.size();
    WakeValues* w = out.keys.empty() ? nullptr : &out.keys.back().values;
    if (w && n == 2 && name == L"PD_Capabilities") w->powerCapabilities = static_cast<std::uint32_t>(Num(f[1]));
    else if (w && n == 2 && name == L"powerDataRead") w->powerRead = f[1] == L"yes";
    else if (w && n == 2 && name == L"DriverProvider") w->provider = f[1];
    else if (w && n == 2 && name == L"DeviceInstanceID") w->instanceId = f[1];
    else if (n == 3 && name == L"GetPwrCapabilities") out.states.read = f[1] == L"yes", out.states.windows = VersionOf(f[2]);
    else if (n == 2 && name == L"SystemS1") out.states.s1 = f[1] == L"yes";
    else if (n == 2 && name == L"SystemS2") out.states.s2 = f[1] == L"yes";
    else if (n == 2 && name == L"HiberFileType") out.states.hiberFileType = static_cast<unsigned>(Num(f[1]));
    else if (n == 2 && name == L"Hiberboot") out.states.hiberboot = KnownOf(f[1]);
    else if (n == 3 && name == L"FastStartup") out.outcome.push_back(name + L" " + f[1] + L" " + f[2]);
    else if (n == 5 && name == L"lastWakeFrom") {
        LastWake& wake = out.last.wake;
        wake.from = f[1] == L"hibernation" ? WokeFrom::Hibernation : f[1] == L"standby" ? WokeFrom::ModernStandby : WokeFrom::Sleep;
        wake.targetState = SignedOf(f[2]);
        wake.wakeSourceType = SignedOf(f[3]);
        wake.reason = SignedOf(f[4]);
    } else return false;
    return true;
}

bool ReadLine(const std::vector<std::wstring>& f, ReadBack& out, std::vector<AdapterLines>& adapters) {
    if (ReadLaterLine(f, out)) return true;
    const std::wstring& name = f[0];
    const std::size_t n = f.size();
    AdapterLines* a = adapters.empty() ? nullptr : &adapters.back();
    DriverKey* key = out.keys.empty() ? nullptr : &out.keys.back();
    if (name == L"QuorvaneReport" && n == 2) {
        out.format = static_cast<unsigned>(Num(f[1]));
    } else if ((name == L"program" && n == 2) || (name == L"windows" && n == 3)) {
    } else if (name == L"macEntered" && n == 2) {
        out.macComplete = f[1] == L"yes";
    } else if (name == L"adapter" && n == 2) {
        adapters.emplace_back();
        adapters.back().row.index = Num(f[1]);
    } else if (a && n == 2 && (name == L"label" || name == L"description" || name == L"guid" || name == L"ifType" ||
                               name == L"medium" || name == L"connected" || name == L"leavesHere")) {
        if (name == L"label") a->row.friendlyName = f[1];
        if (name == L"description") a->row.description = f[1];
        if (name == L"guid") a->row.name.assign(f[1].begin(), f[1].end());
        if (name == L"ifType") a->row.ifType = static_cast<unsigned>(Num(f[1]));
        if (name == L"medium") a->row.medium = static_cast<unsigned>(Num(f[1]));
        if (name == L"connected") a->connected = f[1] == L"yes";
        if (name == L"leavesHere") a->leavesHere = f[1] == L"yes";
    } else if (a && n == 2 && name == L"HardwareInterface") {
        a->hardware = KnownOf(f[1]);
        a->row.hardware = a->hardware == Known::Yes;
    } else if (a && n == 2 && name == L"ConnectorPresent") {
        a->row.connector = KnownOf(f[1]) == Known::Yes;
    } else if (a && n == 2 && name == L"EndPointInterface") {
        a->row.endpoint = KnownOf(f[1]) == Known::Yes;
    } else if (a && n == 3 && name == L"mac") {
        a->row.macLength = static_cast<unsigned>(Num(f[2]));
        const std::string text(f[1].begin(), f[1].end());
        if (a->row.macLength) ParseMacText(a->row.mac.data(), a->row.mac.size(), text.c_str());
    } else if (a && n == 2 && name == L"address") {
        const std::size_t slash = f[1].find(L'/');
        std::uint32_t address = 0;
        if (slash == std::wstring::npos || !ParseDottedQuad(f[1].substr(0, slash), address)) return false;
        a->lists.addresses.push_back(address);
        a->lists.masks.push_back(PrefixMask(static_cast<int>(Num(f[1].substr(slash + 1)))));
    } else if (a && n == 3 && name == L"kind") {
        out.outcome.push_back(L"kind " + f[1] + L" " + f[2]);
    } else if (a && n == 3 && name == L"card") {
        out.outcome.push_back(L"card " + DecimalText(a->row.index) + L" " + f[1]);
    } else if (name == L"driverKey" && n == 3) {
        out.keys.push_back({f[2], f[1], {}});
        out.keys.back().values.hasKey = true;
    } else if (key && n == 2 && (name == L"Characteristics" || name == L"PnPCapabilities")) {
        (name == L"Characteristics" ? key->values.characteristics : key->values.pnpCapabilities) = RegOf(f[1]);
    } else if (key && n == 6 && name == L"setting") {
        DriverSetting s;
        s.type = RegType(f[2]);
        s.value = RegOf(f[3]);
        s.fromDefault = f[4] == L"(default)";
        s.name = f[5];
        WakeValues& w = key->values;
        if (f[1] == L"*WakeOnMagicPacket") w.magicPacket = s;
        else if (f[1] == L"*ModernStandbyWoLMagicPacket") w.modernStandby = s;
        else if (f[1] == L"*PMARPOffload") w.arpOffload = s;
        else if (f[1] == L"*WakeOnPattern") w.wakeOnPattern = s;
        else if (f[1] == L"WakeOnLink") w.wakeOnLink = s;
        else if (IsShutdownKeyword(f[1])) w.shutdown = s, w.shutdownKeyword = f[1];
    } else if (key && n == 2 && name == L"PD_DeepestSystemWake") {
        key->values.deepestWake = static_cast<unsigned>(Num(f[1]));
    } else if (name == L"device" && n == 4) {
        out.devices.push_back({f[1], static_cast<std::uint32_t>(Num(f[2])), static_cast<unsigned>(Num(f[3]))});
    } else if (n == 2 && (name == L"GetPwrCapabilities" || name == L"SystemS3" || name == L"SystemS4" ||
                          name == L"HiberFilePresent")) {
        bool& flag = name == L"SystemS3" ? out.states.s3 : name == L"SystemS4" ? out.states.s4
                   : name == L"HiberFilePresent" ? out.states.hiberFilePresent : out.states.read;
        flag = f[1] == L"yes";
    } else if (name == L"AoAc" && n == 2) {
        out.states.modernStandby = KnownOf(f[1]);
    } else if (n == 2 && name == L"HiberbootEnabledPolicy") {
        out.fastStartup.policy = RegOf(f[1]);
    } else if (n == 2 && name == L"HiberbootEnabled") {
        out.fastStartup.hiberbootEnabled = RegOf(f[1]);
    } else if (n == 2 && name == L"HibernateEnabled") {
        out.fastStartup.hibernateEnabled = RegOf(f[1]);
    } else if (name == L"lastWake" && n == 4) {
        out.last.wake = {true, Time(f[1]), Time(f[2]), f[3]};
    } else if (name == L"lastStart" && n == 3) {
        out.last.start = {true, Time(f[1]), static_cast<int>(Num(f[2]))};
    } else if (name == L"WakeUpType" && n == 2) {
        out.last.wakeUpType = static_cast<int>(Num(f[1]));
    } else if (n == 3 && (name == L"checkFinding" || name == L"lastTimeFinding" || name == L"readyFinding")) {
        out.outcome.push_back(name + L" " + f[1]);
    } else if (n == 3 && name == L"verdictsBy") {
        out.outcome.push_back(name + L" " + f[2]);  // the card's name: which card the rules chose
    } else if (name == L"verdict" && n == 4) {
        out.outcome.push_back(name + L" " + f[1] + L" " + f[2]);
    } else {
        return false;
    }
    return true;
}

}  // namespace

bool ReadReport(const std::wstring& text, ReadBack& out, std::wstring& failed) {
    std::vector<AdapterLines> adapters;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (line.empty() || line[0] == L'#') continue;
        if (!ReadLine(Fields(line), out, adapters)) {
            failed = line;
            return false;
        }
    }
    Finish(out, adapters);
    return out.format == kReportFormat;
}

CheckFacts FactsOf(ReadBack& read) {
    CheckFacts facts;
    facts.adapters = SurveyAdapters(read.source, read.keys);
    facts.keys = read.keys;
    facts.devices = read.devices;
    facts.states = read.states;
    facts.fastStartup = read.fastStartup;
    facts.macComplete = read.macComplete;
    return facts;
}
