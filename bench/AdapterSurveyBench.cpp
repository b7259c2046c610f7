// How long the adapter survey and its rules take for a PC with many
// adapters and driver keys, fed through the same seam as the system's
// answers; and the network devices' power data, parsed and matched to those
// driver keys. Prints one line a size; doubling the size should about double
// the time; and the report of such a PC, which should take well under 50 ms
// for 64 adapters. Not a test: nothing here fails on a slow machine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "tests/native/FixedAdapterFacts.h"
#include "netcheck/CheckRules.h"
#include "netcheck/DriverKeyRead.h"
#include "netcheck/ReadinessRules.h"
#include "power/PowerFacts.h"
#include "netcheck/CheckReport.h"

namespace {

std::string Guid(unsigned long n) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-0000-0000-0000-000000000000}", n);
    return text;
}

// Half of the interfaces carry IPv4; every eighth is a switch on the card
// before it, the rest are cards and software adapters.
class ManyAdapters final : public FixedAdapterFacts {
public:
    explicit ManyAdapters(unsigned long count) {
        for (unsigned long i = 0; i < count; ++i) {
            InterfaceFacts f;
            f.index = i + 1;
            f.name = Guid(f.index);
            f.friendlyName = L"Adapter " + std::to_wstring(i);
            f.ifType = 6;
            f.medium = 14;
            f.macLength = 6;
            const bool upper = i % 8 == 7;
            f.mac = {0, 0x15, 0x5D, static_cast<std::uint8_t>((upper ? i - 1 : i) >> 8), static_cast<std::uint8_t>(upper ? i - 1 : i), 1};
            f.hardware = f.connector = !upper && i % 3 != 0;
            f.mediaState = 1;
            f.operStatus = 1;
            table.push_back(f);
            if (i % 2 == 1) {
                AdapterFacts a = f;
                a.addresses = {0x0A000001u + (static_cast<std::uint32_t>(i) << 8)};
                a.masks = {0xFFFFFF00u};
                a.up = Known::Yes;
                lists.push_back(a);
            }
        }
        powerOn = 2;
    }
};

std::vector<DriverKey> ManyKeys(unsigned long count) {
    std::vector<DriverKey> keys;
    for (unsigned long i = 0; i < count; ++i) {
        const std::string guid = Guid(count - i);
        wchar_t subkey[8];
        std::swprintf(subkey, 8, L"%04lu", count - 1 - i);
        DriverKey key{std::wstring(guid.begin(), guid.end()), subkey, {}};
        key.values.magicPacket.value = {true, 1};
        key.values.pnpCapabilities = {true, 0};
        keys.push_back(std::move(key));
    }
    return keys;
}

// One opening of the check: survey, driver keys, rows, the wake column and
// both sets of findings.
std::size_t OneCheck(ManyAdapters& source, const std::vector<DriverKey>& keys) {
    const std::vector<Adapter> adapters = SurveyAdapters(source, keys);
    const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
    std::size_t work = 0;
    for (const AdapterSubnet& r : rows) work += static_cast<std::size_t>(WakeSettingAt(adapters, r.adapter));
    return work + CheckFindings(adapters, rows, true).size() + ReadinessFindings(adapters, PcPower{}).size();
}

// What SetupAPI gives for each network device: its SPDRP_DRIVER text and
// its CM_POWER_DATA bytes (size, capabilities, deepest wake; the rest zero).
struct ListedDevice {
    std::wstring driver;
    std::vector<unsigned char> powerData;
};

std::vector<ListedDevice> ManyDevices(unsigned long count, unsigned long keys) {
    std::vector<ListedDevice> devices;
    for (unsigned long i = 0; i < count; ++i) {
        wchar_t subkey[8];
        std::swprintf(subkey, 8, L"%04lu", (i * 3) % keys);
        ListedDevice d{L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\" + std::wstring(subkey),
                       std::vector<unsigned char>(kPowerDataSize, 0)};
        d.powerData[0] = static_cast<unsigned char>(kPowerDataSize);
        d.powerData[8] = 0x89;
        d.powerData[52] = static_cast<unsigned char>(i % 2 ? kPowerSystemHibernate : kPowerSystemSleeping3);
        devices.push_back(std::move(d));
    }
    return devices;
}

// The devices' power data parsed, each joined to its driver key by name.
std::size_t OneMatch(const std::vector<ListedDevice>& listed, std::vector<DriverKey> keys) {
    std::vector<DevicePower> devices;
    for (const ListedDevice& d : listed) {
        DevicePower power;
        power.driverKey = DriverSubkeyOf(d.driver);
        if (!power.driverKey.empty() && ParsePowerData(d.powerData.data(), d.powerData.size(), power))
            devices.push_back(std::move(power));
    }
    JoinDevicePower(keys, devices);
    std::size_t work = 0;
    for (const DriverKey& k : keys) work += k.values.deepestWake;
    return work;
}

std::wstring KeyText(const wchar_t* key) {
    return key;
}

std::wstring TimeText(std::uint64_t) {
    return L"then";
}

// The report as Copy report builds it: the survey's adapters, every key.
std::size_t OneReport(ManyAdapters& source, const std::vector<DriverKey>& keys) {
    CheckFacts facts;
    facts.adapters = SurveyAdapters(source, keys);
    facts.keys = keys;
    return BuildReport({L"1.0.0", 0x0A00, 19045}, facts, {}, {&TimeText, &KeyText}).size();
}

template <class Run>
void Time(const char* what, unsigned long items, unsigned long keys, Run run) {
    std::vector<double> ms;
    std::size_t sink = 0;
    for (int i = 0; i < 51; ++i) {
        const auto start = std::chrono::steady_clock::now();
        sink += run();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%lu %s, %lu driver keys: median %.3f ms, slowest %.3f ms (%zu)\n", items, what, keys,
                ms[ms.size() / 2], ms.back(), sink);
}

}  // namespace

int main() {
    const unsigned long sizes[][2] = {{64, 200}, {128, 400}, {256, 800}};
    for (const auto& size : sizes) {
        ManyAdapters source(size[0]);
        const std::vector<DriverKey> keys = ManyKeys(size[1]);
        Time("adapters", size[0], size[1], [&] { return OneCheck(source, keys); });
    }
    for (const auto& size : sizes) {
        ManyAdapters source(size[0]);
        const std::vector<DriverKey> keys = ManyKeys(size[1]);
        Time("adapters' report", size[0], size[1], [&] { return OneReport(source, keys); });
    }
    for (const auto& size : sizes) {
        const std::vector<ListedDevice> devices = ManyDevices(size[0], size[1]);
        const std::vector<DriverKey> keys = ManyKeys(size[1]);
        Time("devices' power data", size[0], size[1], [&] { return OneMatch(devices, keys); });
    }
    return 0;
}
