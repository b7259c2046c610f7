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
// looked for: a driver writes one of them. Only keywords whose INF file says
// they switch waking from shutdown: Intel's EnablePME ("Enable PME") is in
// e1d68x64.inf and e1r68x64.inf with nothing that ties it to shutdown, and
// Intel's guide gives it that meaning only under APM, so it is not here.
struct ShutdownKeyword {
    const wchar_t* keyword;
    const wchar_t* vendorId;  // the PCI vendor whose own driver has it ("VEN_10EC")
};
extern const ShutdownKeyword kShutdownKeywords[];
extern const std::size_t kShutdownKeywordCount;

// Whether `keyword` is one of them, in any case.
bool IsShutdownKeyword(const std::wstring& keyword);

WakeValues ReadWakeValues(DriverKeyView& key);

// Gives each key the power data of the device whose driver key it is
// (DevicePower::driverKey names it by its subkey, in any case): read, with
// its capabilities and deepest wake.
void JoinDevicePower(std::vector<DriverKey>& keys, const std::vector<DevicePower>& devices);
