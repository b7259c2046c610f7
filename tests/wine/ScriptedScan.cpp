#include "ScriptedScan.h"

#include "net/Ipv4.h"

namespace {

std::vector<Adapter> OneLan() {
    Adapter a;
    a.index = 3;
    a.label = L"Ethernet";
    a.connected = true;
    a.addresses = {0x0A000001};  // 10.0.0.1
    a.masks = {PrefixMask(24)};
    return {a};
}

FoundDevice Device(std::uint32_t last, MacAddress mac) {
    FoundDevice d;
    d.address = 0x0A000000 | last;
    d.mac = mac;
    d.subnet = 0;
    return d;
}

ScanResult Begin(ScanListener& listener) {
    ScanResult result;
    result.adapters = OneLan();
    result.plan = PlanScan(result.adapters, SubnetsOf(result.adapters));
    listener.Planned(result.plan, result.adapters);
    result.found.push_back(Device(200, {0xB8, 0x27, 0xEB, 0x01, 0x02, 0x03}));
    listener.Answered(result.found.back());
    return result;
}

}  // namespace

ScanResult ScriptedScan(HANDLE, ScanListener& listener) {
    ScanResult result = Begin(listener);
    result.found.push_back(Device(9, {0x00, 0x11, 0x32, 0x0A, 0x0B, 0x0C}));
    listener.Answered(result.found.back());
    for (std::uint32_t i = 100; i < 117; ++i) {
        result.found.push_back(Device(i, {0x00, 0x0C, 0x42, 0x00, 0x00, 0x01}));
        listener.Answered(result.found.back());
    }
    listener.Progress(253, 253);
    MarkProxyArp(result.found);
    listener.Swept(result.found);
    listener.Named(0x0A0000C8, L"pi");
    return result;
}

ScanResult ScanUntilStopped(HANDLE stop, ScanListener& listener) {
    ScanResult result = Begin(listener);
    ::WaitForSingleObject(stop, 10000);
    return result;
}
