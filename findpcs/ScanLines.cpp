#include "ScanLines.h"

#include "MakerTable.h"
#include "net/Ipv4.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"

std::wstring MakerText(const MacAddress& mac) {
    if (IsLocallyAdministered(mac)) return LocalizedText(L"SCAN_RANDOM_MAC");
    const wchar_t* maker = MakerOf(mac);
    return maker ? maker : L"";
}

std::wstring SubnetText(const ScanSubnet& subnet) {
    return DottedQuad(subnet.network) + L"/" + DecimalText(static_cast<unsigned long>(subnet.prefix));
}

std::wstring ScanHeading(const ScanSubnet& subnet, const std::vector<Adapter>& adapters) {
    const std::wstring label = subnet.adapter < adapters.size() ? adapters[subnet.adapter].label : std::wstring();
    if (!subnet.cut) return FillArgs(LocalizedText(L"SCAN_HEADING"), {SubnetText(subnet), label});
    return FillArgs(LocalizedText(L"SCAN_HEADING_CUT"),
                    {SubnetText(subnet), label, DottedQuad(subnet.first), DottedQuad(subnet.last)});
}

std::wstring DeviceLine(const FoundDevice& device) {
    return DottedQuad(device.address) + L"\t" + FormatMacDisplay(device.mac) + L"\t" + device.name + L"\t" +
           MakerText(device.mac);
}

std::vector<std::wstring> ScanLines(const std::vector<ScanSubnet>& plan, const std::vector<Adapter>& adapters,
                                    std::vector<FoundDevice> found) {
    SortByAddress(found);
    std::vector<std::wstring> lines;
    for (std::size_t s = 0; s < plan.size(); ++s) {
        lines.push_back(ScanHeading(plan[s], adapters));
        for (const FoundDevice& d : found)
            if (d.subnet == static_cast<int>(s)) lines.push_back(DeviceLine(d));
    }
    return lines;
}
