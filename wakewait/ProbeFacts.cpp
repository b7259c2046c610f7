#include "ProbeFacts.h"

bool FindAddressForMac(const std::vector<ArpEntry>& cache, const MacAddress& mac, std::uint32_t& address) {
    constexpr unsigned kInvalidEntry = 2;
    bool found = false;
    for (const ArpEntry& e : cache) {
        if (e.type == kInvalidEntry || e.macLength != kMacBytes || e.mac != mac || e.address == 0) continue;
        address = e.address;
        found = true;
    }
    return found;
}

bool IsAnswerFrom(unsigned long status, std::uint32_t from, std::uint32_t target) {
    constexpr unsigned long kIpSuccess = 0;
    return status == kIpSuccess && from == target;
}

bool IsThePc(const MacAddress& answered, const MacAddress& pc) {
    MacAddress bridged = pc;
    bridged[0] ^= 0x02;
    return answered == pc || answered == bridged;
}
