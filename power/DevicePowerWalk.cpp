#include "DevicePowerWalk.h"

std::vector<DevicePower> CollectDevicePower(DeviceSource& source) {
    std::vector<DevicePower> devices;
    for (;;) {
        // Fresh for each device: a property that fails must not read as the
        // one before it.
        std::wstring driver;
        std::vector<unsigned char> powerData;
        if (!source.Next(driver, powerData)) break;
        DevicePower device;
        device.driverKey = DriverSubkeyOf(driver);
        if (device.driverKey.empty() || !ParsePowerData(powerData.data(), powerData.size(), device)) continue;
        devices.push_back(std::move(device));
    }
    return devices;
}
