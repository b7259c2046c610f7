#pragma once
// What a network driver key holds of waking, through one small seam so that
// every shape a driver's INF file leaves can be fed to the same code: each
// keyword's own value, else the default the driver falls back on
// (Ndi\params\<keyword>\default), with the name Device Manager's Advanced
// tab gives it (Ndi\params\<keyword>\ParamDesc). Platform-free.
#include <cstddef>
#include <string>
#include <vector>

#include "net/Adapter.h"
#include "net/DriverKeys.h"
#include "power/PowerFacts.h"

class DriverKeyView {
public:
    // Value `name` of the key itself (`subkey` empty) or of a subkey below
    // it; not present where it is absent or cannot be read.
    virtual RegistryValue Value(const std::wstring& subkey, const wchar_t* name) = 0;

protected:
    ~DriverKeyView() = default;
};


// The vendors' own keywords for waking from shutdown, in the order they are
// looked for: a driver writes one of them.
extern const wchar_t* const kShutdownKeywords[];
extern const std::size_t kShutdownKeywordCount;

WakeValues ReadWakeValues(DriverKeyView& key);

// Gives each key the deepest wake of the device whose driver key it is
// (DevicePower::driverKey names it by its subkey, in any case).
void JoinDevicePower(std::vector<DriverKey>& keys, const std::vector<DevicePower>& devices);
