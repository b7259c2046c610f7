// The network check's rules over any adapter list, and the strict address
// parser over any text.
#include "FuzzInput.h"
#include "net/Ipv4.h"
#include "net/AdapterKinds.h"
#include "netcheck/CheckRules.h"

namespace {

std::uint32_t Word(FuzzInput& in) {
    return static_cast<std::uint32_t>(in.Byte()) << 24 | in.Byte() << 16 | in.Byte() << 8 | in.Byte();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);

    std::uint32_t parsed = 0;
    const std::wstring text = in.Text(20);
    std::uint32_t again = 0;
    if (ParseDottedQuad(text, parsed)) FUZZ_CHECK(ParseDottedQuad(DottedQuad(parsed), again) && again == parsed);
    const std::uint32_t word = Word(in);
    FUZZ_CHECK(ParseDottedQuad(DottedQuad(word), again) && again == word);

    std::vector<Adapter> adapters(in.Byte() % 6);
    for (Adapter& a : adapters) {
        a.label = in.Text(4);
        a.ifType = in.Byte() % 4 == 0 ? in.Byte() : (in.Byte() & 1 ? 6 : 71);
        a.medium = in.Byte() % 12;
        a.macLength = in.Byte() % 8;
        a.mac = {static_cast<std::uint8_t>(in.Byte() & 3), 0, 0, 0, 0, static_cast<std::uint8_t>(in.Byte() % 3)};
        a.hardware = static_cast<Known>(in.Byte() % 3);
        a.connector = static_cast<Known>(in.Byte() % 3);
        a.connected = in.Byte() & 1;
        a.takesPowerOn = in.Byte() & 1;
        for (std::size_t n = in.Byte() % 4; n > 0; --n) {
            a.addresses.push_back(Word(in) | 1);
            const std::uint8_t prefix = in.Byte();
            a.masks.push_back(prefix > 32 ? Word(in) : prefix == 0 ? 0 : 0xFFFFFFFFu << (32 - prefix));
        }
    }

    ClassifyAdapters(adapters);
    for (const Adapter& a : adapters) {
        if (a.card < 0) continue;
        // A switch sits on a card without IPv4 and is never connected without it.
        const Adapter& card = adapters[static_cast<std::size_t>(a.card)];
        FUZZ_CHECK(&card != &a && !a.addresses.empty() && card.addresses.empty() && IsCard(card));
        FUZZ_CHECK(!a.connected || card.connected);
    }

    const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
    std::size_t expected = 0;
    for (const Adapter& a : adapters) expected += a.addresses.empty() ? 1 : a.addresses.size();
    FUZZ_CHECK(rows.size() == expected);
    for (const AdapterSubnet& row : rows) {
        FUZZ_CHECK(row.adapter < adapters.size());
        if (!IsSendTarget(adapters, row)) continue;
        // Never the limited broadcast, never another subnet, never a host address.
        const std::uint32_t hostBits = ~(row.prefix == 0 ? 0u : 0xFFFFFFFFu << (32 - row.prefix));
        FUZZ_CHECK(adapters[row.adapter].connected && row.prefix >= 1 && row.prefix <= 30);
        FUZZ_CHECK(row.broadcast != 0xFFFFFFFFu);
        FUZZ_CHECK((row.broadcast & ~hostBits) == (row.address & ~hostBits) && (row.broadcast & hostBits) == hostBits);
    }

    const bool macComplete = in.Byte() & 1;
    const std::vector<Finding> findings = CheckFindings(adapters, rows, macComplete);
    FUZZ_CHECK(!findings.empty());
    FUZZ_CHECK(macComplete == (std::wstring(findings.back().key) != L"NETCHECK_TYPE_MAC"));
    return 0;
}
