#include "OwnMacQuery.h"

#include "AdapterChoice.h"

std::wstring QueryOwnMacAddress(AdapterSource& source) {
    std::vector<AdapterFacts> adapters;
    if (!QueryAdapters(source, adapters)) return std::wstring();

    std::wstring local;
    source.GetLocalAddress(local);
    if (local.empty()) return std::wstring();
    return ChooseAdapterMac(adapters, local);
}
