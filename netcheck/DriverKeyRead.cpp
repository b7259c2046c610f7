#include "DriverKeyRead.h"

const ShutdownKeyword kShutdownKeywords[] = {
    // Realtek: "Shutdown Wake-On-Lan", 0 or 1, default 1 (0 in some OEM
    // sections): rtots640x64.inf 10.073.0815.2024, rt68cx21x64.inf
    // 1168.020.0729.2024.
    {L"S5WakeOnLan", L"VEN_10EC"},
};
const std::size_t kShutdownKeywordCount = sizeof kShutdownKeywords / sizeof kShutdownKeywords[0];

bool IsShutdownKeyword(const std::wstring& keyword) {
    for (std::size_t k = 0; k < kShutdownKeywordCount; ++k)
        if (SameName(keyword, kShutdownKeywords[k].keyword)) return true;
    return false;
}

namespace {

// A value the driver never wrote is the default its INF file gave it.
DriverSetting SettingOf(DriverKeyView& key, const wchar_t* keyword) {
    const std::wstring params = std::wstring(L"Ndi\\params\\") + keyword;
    const RegistryValue stored = key.Value(std::wstring(), keyword);
    const RegistryValue byDefault = stored.Number().present ? RegistryValue() : key.Value(params, L"default");
    const RegistryValue& read = byDefault.present ? byDefault : stored;
    DriverSetting setting;
    setting.value = read.Number();
    setting.fromDefault = byDefault.present && setting.value.present;
    setting.type = read.present ? read.type : 0;
    setting.name = key.Value(params, L"ParamDesc").Text();
    return setting;
}

}  // namespace

WakeValues ReadWakeValues(DriverKeyView& key) {
    WakeValues w;
    w.hasKey = true;
    w.characteristics = key.Value(std::wstring(), L"Characteristics").Number();
    w.pnpCapabilities = key.Value(std::wstring(), L"PnPCapabilities").Number();
    w.magicPacket = SettingOf(key, L"*WakeOnMagicPacket");
    w.modernStandby = SettingOf(key, L"*ModernStandbyWoLMagicPacket");
    w.arpOffload = SettingOf(key, L"*PMARPOffload");
    w.wakeOnPattern = SettingOf(key, L"*WakeOnPattern");
    w.wakeOnLink = SettingOf(key, L"WakeOnLink");
    w.provider = key.Value(std::wstring(), L"ProviderName").Text();
    w.instanceId = key.Value(std::wstring(), L"DeviceInstanceID").Text();
    for (std::size_t k = 0; k < kShutdownKeywordCount; ++k) {
        DriverSetting setting = SettingOf(key, kShutdownKeywords[k].keyword);
        if (!setting.value.present) continue;
        w.shutdown = std::move(setting);
        w.shutdownKeyword = kShutdownKeywords[k].keyword;
        break;
    }
    return w;
}

void JoinDevicePower(std::vector<DriverKey>& keys, const std::vector<DevicePower>& devices) {
    for (DriverKey& key : keys)
        for (const DevicePower& d : devices)
            if (!d.driverKey.empty() && SameName(d.driverKey, key.subkey) && d.deepestKnown) {
                key.values.powerRead = true;
                key.values.powerCapabilities = d.capabilities;
                key.values.deepestWake = d.deepestWake;
            }
}
