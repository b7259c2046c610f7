#pragma once
// The walk over this PC's network devices that gathers their power data:
// the system's device list comes in through one small interface, so that
// what the list may hold (a device of another class, a property that could
// not be read, a buffer short of the structure) is fed to the same code.
// Platform-free.
#include <string>
#include <vector>

#include "PowerFacts.h"

class DeviceSource {
public:
    // The next device: its SPDRP_DRIVER text and its SPDRP_DEVICE_POWER_DATA
    // bytes, each left empty where the property could not be read; false
    // past the last device.
    virtual bool Next(std::wstring& driver, std::vector<unsigned char>& powerData) = 0;

protected:
    ~DeviceSource() = default;
};

// Every device of the network class whose power data reads, in the
// system's order; the others are left out: of them nothing is known.
std::vector<DevicePower> CollectDevicePower(DeviceSource& source);
