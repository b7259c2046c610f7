#include "DriverKeyRead.h"

#include <algorithm>
#include <utility>

#include "ReadinessRules.h"
#include "text/HexDigits.h"

const wchar_t* const kShutdownKeywords[] = {
    L"S5WakeOnLan",  // Realtek: "Shutdown Wake-On-Lan"
    L"EnablePME",    // Intel: "Enable PME"
};
const std::size_t kShutdownKeywordCount = sizeof kShutdownKeywords / sizeof kShutdownKeywords[0];

namespace {

RegNumber NumberAt(DriverKeyView& key, const std::wstring& subkey, const wchar_t* name) {
    unsigned long type = 0;
    std::vector<unsigned char> bytes;
    if (!key.Value(subkey, name, type, bytes)) return {};
    return RegistryNumber(type, bytes.data(), bytes.size());
}

std::wstring TextAt(DriverKeyView& key, const std::wstring& subkey, const wchar_t* name) {
    unsigned long type = 0;
    std::vector<unsigned char> bytes;
    if (!key.Value(subkey, name, type, bytes)) return std::wstring();
    return RegistryText(type, bytes.data(), bytes.size());
}

// A value the driver never wrote is the default its INF file gave it.
DriverSetting SettingOf(DriverKeyView& key, const wchar_t* keyword) {
    const std::wstring params = std::wstring(L"Ndi\\params\\") + keyword;
    DriverSetting setting;
    setting.value = NumberAt(key, std::wstring(), keyword);
    if (!setting.value.present) {
        setting.value = NumberAt(key, params, L"default");
        setting.fromDefault = setting.value.present;
    }
    setting.name = TextAt(key, params, L"ParamDesc");
    return setting;
}

}  // namespace

WakeValues ReadWakeValues(DriverKeyView& key) {
    WakeValues w;
    w.hasKey = true;
    w.characteristics = NumberAt(key, std::wstring(), L"Characteristics");
    w.pnpCapabilities = NumberAt(key, std::wstring(), L"PnPCapabilities");
    w.magicPacket = SettingOf(key, L"*WakeOnMagicPacket");
    w.modernStandby = SettingOf(key, L"*ModernStandbyWoLMagicPacket");
    w.arpOffload = SettingOf(key, L"*PMARPOffload");
    for (std::size_t k = 0; k < kShutdownKeywordCount; ++k) {
        DriverSetting setting = SettingOf(key, kShutdownKeywords[k]);
        if (!setting.value.present) continue;
        w.shutdown = std::move(setting);
        w.shutdownKeyword = kShutdownKeywords[k];
        break;
    }
    return w;
}

void JoinDevicePower(std::vector<DriverKey>& keys, const std::vector<DevicePower>& devices) {
    // Sorted once: hundreds of keys and devices cost no more than together.
    const auto upper = [](std::wstring text) {
        for (wchar_t& c : text) c = AsciiUpper(c);
        return text;
    };
    std::vector<std::pair<std::wstring, unsigned>> wakes;
    for (const DevicePower& d : devices)
        if (!d.driverKey.empty()) wakes.emplace_back(upper(d.driverKey), d.deepestWake);
    std::sort(wakes.begin(), wakes.end());
    for (DriverKey& key : keys) {
        const std::wstring name = upper(key.subkey);
        const auto found = std::lower_bound(wakes.begin(), wakes.end(), std::make_pair(name, 0u));
        if (found != wakes.end() && found->first == name) key.values.deepestWake = found->second;
    }
}
