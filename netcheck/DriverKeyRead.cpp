#include "DriverKeyRead.h"

#include "ReadinessRules.h"

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

RegNumber NumberAt(DriverKeyView& key, const std::wstring& subkey, const wchar_t* name, unsigned long* typeOut = nullptr) {
    unsigned long type = 0;
    std::vector<unsigned char> bytes;
    if (!key.Value(subkey, name, type, bytes)) return {};
    if (typeOut) *typeOut = type;
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
    setting.value = NumberAt(key, std::wstring(), keyword, &setting.type);
    if (!setting.value.present) {
        setting.value = NumberAt(key, params, L"default", &setting.type);
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
    w.wakeOnPattern = SettingOf(key, L"*WakeOnPattern");
    w.wakeOnLink = SettingOf(key, L"WakeOnLink");
    w.provider = TextAt(key, std::wstring(), L"ProviderName");
    w.instanceId = TextAt(key, std::wstring(), L"DeviceInstanceID");
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
