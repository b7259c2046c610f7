// The NetBIOS node status parser on any datagram, with the transaction id
// taken from its first two bytes so that most inputs reach the names.
#include <vector>

#include "FuzzInput.h"
#include "findpcs/NodeStatus.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly `size` bytes, so that a read past the end is caught.
    const std::vector<std::uint8_t> packet(data, data + size);
    const std::uint16_t id = size >= 2 ? static_cast<std::uint16_t>(data[0] << 8 | data[1]) : 0;
    NodeStatus status;
    if (!ParseNodeStatus(packet.data(), packet.size(), id, status)) return 0;
    FUZZ_CHECK(status.name.size() <= 15);
    for (const wchar_t c : status.name) FUZZ_CHECK(c != 0 && c < 0x80);
    FUZZ_CHECK(status.name.empty() || status.name.back() != L' ');
    // An answer is never the request.
    FUZZ_CHECK(packet != NodeStatusRequest(id));
    return 0;
}
