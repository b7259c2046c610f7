#pragma once
// This computer's network adapters, from IP Helper's adapter list. The system
// queries come in as one small interface so that each stage can be made to
// fail in a test.
#include <winsock2.h>
#include <iphlpapi.h>

#include <string>
#include <vector>

#include "AdapterFacts.h"

class AdapterSource {
public:
    // IP Helper's GetAdaptersInfo.
    virtual ULONG GetAdaptersInfo(PIP_ADAPTER_INFO buffer, PULONG size) = 0;
    // The address this computer's own name resolves to, or empty text.
    virtual void GetLocalAddress(std::wstring& text) = 0;

protected:
    ~AdapterSource() = default;
};

// The system's own answers.
class SystemAdapterSource final : public AdapterSource {
public:
    ULONG GetAdaptersInfo(PIP_ADAPTER_INFO buffer, PULONG size) override;
    void GetLocalAddress(std::wstring& text) override;
};

// IP Helper's adapter list, in the order it reports them; false when it
// could not be read. One call for a single adapter, then up to `retries`
// more, each at the size the one before reported.
bool QueryAdapters(AdapterSource& source, std::vector<AdapterFacts>& adapters, int retries = 1);
