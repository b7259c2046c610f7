// The scan's rules: which addresses it asks, which neighbour entries count,
// the makers, the NetBIOS node status packets, each system's ARP path, and
// the lines /scan writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "findpcs/ArpSweep.h"
#include "findpcs/MakerTable.h"
#include "findpcs/NodeStatus.h"
#include "findpcs/ScanLines.h"
#include "net/Ipv4.h"

namespace {

std::uint32_t Ip(const wchar_t* text) {
    std::uint32_t address = 0;
    EXPECT_TRUE(ParseDottedQuad(text, address)) << text;
    return address;
}

Adapter Connected(const wchar_t* address, int prefix, unsigned long index = 7) {
    Adapter a;
    a.index = index;
    a.label = L"eth0";
    a.connected = true;
    a.addresses = {Ip(address)};
    a.masks = {PrefixMask(prefix)};
    return a;
}

std::vector<ScanSubnet> Plan(const std::vector<Adapter>& adapters) { return PlanScan(adapters, SubnetsOf(adapters)); }

MacAddress Mac(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t last = 1) { return {a, b, c, 0x10, 0x20, last}; }

TEST(ScanPlan, SubnetsFromSlash32ToSlash8) {
    struct Case {
        int prefix;
        std::size_t targets;
        bool cut;
        const wchar_t* first;
        const wchar_t* last;
    };
    const Case cases[] = {
        {30, 1, false, L"10.1.6.1", L"10.1.6.2"},        // two hosts, one of them this PC
        {31, 1, false, L"10.1.6.2", L"10.1.6.3"},        // point to point: both addresses are hosts
        {24, 253, false, L"10.1.6.1", L"10.1.6.254"},    // without network, broadcast and this PC
        {22, 1021, false, L"10.1.4.1", L"10.1.7.254"},   // 1,022 hosts: not cut
        {21, 1022, true, L"10.1.4.0", L"10.1.7.254"},    // the aligned 1,024 around this PC, its broadcast out
        {16, 1023, true, L"10.1.4.0", L"10.1.7.255"},
        {8, 1023, true, L"10.1.4.0", L"10.1.7.255"},
    };
    for (const Case& c : cases) {
        const std::vector<ScanSubnet> plan = Plan({Connected(L"10.1.6.2", c.prefix)});
        ASSERT_EQ(1u, plan.size()) << c.prefix;
        EXPECT_EQ(c.targets, plan[0].targets.size()) << c.prefix;
        EXPECT_EQ(c.cut, plan[0].cut) << c.prefix;
        EXPECT_EQ(c.first, DottedQuad(plan[0].first)) << c.prefix;
        EXPECT_EQ(c.last, DottedQuad(plan[0].last)) << c.prefix;
        EXPECT_EQ(7u, plan[0].ifIndex);
    }
    EXPECT_TRUE(Plan({Connected(L"10.1.2.3", 32)}).empty());
}

TEST(ScanPlan, LeavesOutThisPcsAddressesAndWhatIsNotConnected) {
    Adapter lan = Connected(L"192.168.1.10", 24, 3);
    lan.addresses.push_back(Ip(L"192.168.1.20"));  // a second address on the same subnet: scanned once
    lan.masks.push_back(PrefixMask(24));
    Adapter unplugged = Connected(L"10.0.0.5", 24, 4);
    unplugged.connected = false;
    Adapter other = Connected(L"192.168.1.30", 24, 5);  // another adapter on the same subnet
    const std::vector<ScanSubnet> plan = Plan({lan, unplugged, other, Connected(L"127.0.0.1", 8, 1)});
    ASSERT_EQ(1u, plan.size());
    EXPECT_EQ(3u, plan[0].ifIndex);
    EXPECT_EQ(254u - 3u, plan[0].targets.size());
    for (const wchar_t* own : {L"192.168.1.10", L"192.168.1.20", L"192.168.1.30"})
        EXPECT_FALSE(std::binary_search(plan[0].targets.begin(), plan[0].targets.end(), Ip(own))) << own;
    EXPECT_EQ(-1, SubnetOf(plan, Ip(L"10.0.0.6")));
    EXPECT_EQ(0, SubnetOf(plan, Ip(L"192.168.1.99")));
}

TEST(NeighbourRules, CountsOnlyAnswersWithARealMac) {
    const MacAddress card = Mac(0x00, 0x1B, 0x21);
    // GetIpNetTable2: NL_NEIGHBOR_STATE 0 unreachable ... 6 permanent.
    const bool table2[] = {false, false, true, true, true, true, false};
    for (unsigned state = 0; state < 7; ++state)
        EXPECT_EQ(table2[state], IsAnswer(NeighbourTableKind::Table2, {1, card, 6, state, 1})) << state;
    // GetIpNetTable: 1 other, 2 invalid, 3 dynamic, 4 static.
    for (unsigned type = 1; type <= 4; ++type)
        EXPECT_EQ(type == 3, IsAnswer(NeighbourTableKind::Table, {1, card, 6, type, 1})) << type;
    EXPECT_FALSE(IsAnswerMac(MacAddress{}, 6));
    EXPECT_FALSE(IsAnswerMac(MacAddress{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 6));
    EXPECT_FALSE(IsAnswerMac(card, 0));
    EXPECT_FALSE(IsAnswerMac(card, 8));
}

TEST(NeighbourRules, TakesAnswersForThePlansAddressesOnceAndMarksProxyArp) {
    const std::vector<ScanSubnet> plan = Plan({Connected(L"10.0.0.1", 24)});
    std::vector<NeighbourEntry> table;
    const MacAddress router = Mac(0x00, 0x11, 0x22);
    for (unsigned i = 100; i < 117; ++i) table.push_back({Ip(L"10.0.0.0") + i, router, 6, 3, 7});  // 17 addresses
    table.push_back({Ip(L"10.0.0.5"), Mac(0xB8, 0x27, 0xEB), 6, 3, 7});
    table.push_back({Ip(L"10.0.0.5"), Mac(0xB8, 0x27, 0xEB, 9), 6, 3, 7});  // the same address twice: the first
    table.push_back({Ip(L"10.0.0.1"), Mac(0x00, 0x1B, 0x21), 6, 3, 7});     // this PC
    table.push_back({Ip(L"10.0.0.255"), Mac(0x00, 0x1B, 0x21), 6, 3, 7});   // the broadcast address
    table.push_back({Ip(L"10.0.1.5"), Mac(0x00, 0x1B, 0x21), 6, 3, 7});     // another subnet
    table.push_back({Ip(L"10.0.0.6"), MacAddress{}, 6, 2, 7});              // asked, never answered
    std::vector<FoundDevice> found;
    EXPECT_EQ(18u, TakeAnswers(plan, NeighbourTableKind::Table, table, found));
    EXPECT_EQ(0u, TakeAnswers(plan, NeighbourTableKind::Table, table, found));
    MarkProxyArp(found);
    SortByAddress(found);
    ASSERT_EQ(18u, found.size());
    EXPECT_EQ(L"10.0.0.5", DottedQuad(found[0].address));
    EXPECT_EQ(Mac(0xB8, 0x27, 0xEB), found[0].mac);
    EXPECT_FALSE(found[0].proxy);
    for (std::size_t i = 1; i < found.size(); ++i) EXPECT_TRUE(found[i].proxy) << i;
    found.pop_back();  // sixteen addresses of one MAC: still believable
    MarkProxyArp(found);
    EXPECT_FALSE(found.back().proxy);
}

TEST(MakerTable, NamesTheMakersOfKnownPrefixes) {
    EXPECT_STREQ(L"Intel", MakerOf(Mac(0x00, 0x1B, 0x21)));
    EXPECT_STREQ(L"Intel", MakerOf(Mac(0x3C, 0xFD, 0xFE)));
    EXPECT_STREQ(L"Realtek", MakerOf(Mac(0x00, 0xE0, 0x4C)));
    EXPECT_STREQ(L"Raspberry Pi", MakerOf(Mac(0xB8, 0x27, 0xEB)));
    EXPECT_STREQ(L"Raspberry Pi", MakerOf(Mac(0xDC, 0xA6, 0x32)));
    EXPECT_STREQ(L"Apple", MakerOf(Mac(0x00, 0x03, 0x93)));
    EXPECT_STREQ(L"Synology", MakerOf(Mac(0x00, 0x11, 0x32)));
    EXPECT_EQ(nullptr, MakerOf(Mac(0x00, 0x00, 0x01)));  // a prefix of a maker not in the table
    EXPECT_EQ(nullptr, MakerOf(Mac(0xFF, 0xFF, 0xFF)));
    // Every maker has prefixes, each rising, and the last one read ends the data.
    std::vector<std::uint32_t> last(kMakerNameCount, 0);
    std::vector<std::size_t> count(kMakerNameCount, 0);
    bool rising = true;
    ForEachMakerPrefix([&](std::uint32_t prefix, std::size_t maker) {
        rising = rising && (count[maker] == 0 || prefix > last[maker]) && prefix <= 0xFFFFFF;
        last[maker] = prefix;
        ++count[maker];
        return false;
    });
    EXPECT_TRUE(rising);
    for (std::size_t maker = 0; maker < kMakerNameCount; ++maker) EXPECT_GT(count[maker], 0u) << kMakerNames[maker];
    EXPECT_LE(kMakerRunsSize, 12u * 1024u);
}

TEST(MakerTable, ALocallyAdministeredAddressIsRandomNotAMakers) {
    // 02-... carries no maker even where 00-... of the same bytes would.
    EXPECT_TRUE(IsLocallyAdministered(Mac(0x02, 0x1B, 0x21)));
    EXPECT_EQ(nullptr, MakerOf(Mac(0x02, 0x1B, 0x21)));
    EXPECT_EQ(L"SCAN_RANDOM_MAC", MakerText(Mac(0xDA, 0xA1, 0x19)));
    EXPECT_FALSE(IsLocallyAdministered(Mac(0x00, 0x1B, 0x21)));
    EXPECT_EQ(L"Intel", MakerText(Mac(0x00, 0x1B, 0x21)));
    EXPECT_EQ(L"", MakerText(Mac(0x00, 0x00, 0x01)));
}

std::vector<std::uint8_t> Hex(const char* text) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; text[i] && text[i + 1]; i += 2) {
        auto nibble = [](char c) { return c <= '9' ? c - '0' : c - 'a' + 10; };
        bytes.push_back(static_cast<std::uint8_t>(nibble(text[i]) << 4 | nibble(text[i + 1])));
    }
    return bytes;
}

// A Windows Server 2016 host (TMP-W-2016) answering a node status request
// with transaction id 0x270F: five names, then its adapter's MAC; a public
// packet capture, byte for byte.
const char kWindowsAnswer[] =
    "270f8400000000010000000020434b414141414141414141414141414141414141414141414141414141414141000021000100000000008905"
    "544d502d572d323031362020202020004400544d502d572d32303136302020202000c400544d502d572d3230313630202020201cc400544d50"
    "2d572d323031362020202020204400544d502d572d3230313630202020201b44000800273dec2f0000000000000000000000000000000000"
    "0000000000000000000000000000000000000000000000";
// Samba's nmbd (TESTBOX in WORKGROUP), id 0x4A6E: seven names, a unit id of zeros.
const char kSambaAnswer[] =
    "4a6e8400000000010000000020434b41414141414141414141414141414141414141414141414141414141414100002100010000000000ad07"
    "54455354424f58202020202020202000040054455354424f582020202020202020030400544553"
    "54424f58202020202020202020040001025f5f4d5342524f5753455f5f020184"
    "00574f524b47524f5550202020202020008400574f524b47524f555020202020"
    "20201d0400574f524b47524f55502020202020201e8400000000000000000000"
    "00000000000000000000000000000000000000000000000000000000000000000000000000";

TEST(NodeStatus, TheRequestAsksForTheWildcardName) {
    const std::vector<std::uint8_t> request = NodeStatusRequest(0x270F);
    EXPECT_EQ(Hex("270f0000000100000000000020434b414141414141414141414141414141414141414141414141414141414141"
                  "0000210001"),
              request);
    EXPECT_EQ(kNodeStatusRequestBytes, request.size());
}

TEST(NodeStatus, ReadsTheNamesAndMacOfRealAnswers) {
    const std::vector<std::uint8_t> windows = Hex(kWindowsAnswer);
    ASSERT_EQ(193u, windows.size());
    NodeStatus status;
    ASSERT_TRUE(ParseNodeStatus(windows.data(), windows.size(), 0x270F, status));
    EXPECT_EQ(L"TMP-W-2016", status.name);
    EXPECT_TRUE(status.hasMac);
    EXPECT_EQ(L"08-00-27-3D-EC-2F", FormatMacDisplay(status.mac));
    EXPECT_FALSE(ParseNodeStatus(windows.data(), windows.size(), 0x2710, status));  // not ours

    const std::vector<std::uint8_t> samba = Hex(kSambaAnswer);
    ASSERT_TRUE(ParseNodeStatus(samba.data(), samba.size(), 0x4A6E, status));
    EXPECT_EQ(L"TESTBOX", status.name);
    EXPECT_FALSE(status.hasMac);
}

TEST(NodeStatus, RefusesAnswersCutShortOrOfAnotherKind) {
    const std::vector<std::uint8_t> windows = Hex(kWindowsAnswer);
    NodeStatus status;
    // Cut anywhere in the names: refused; past them (in the statistics): the name without the MAC.
    for (std::size_t length = 0; length < 12 + 34 + 10 + 1 + 5 * 18; ++length)
        EXPECT_FALSE(ParseNodeStatus(windows.data(), length, 0x270F, status)) << length;
    ASSERT_TRUE(ParseNodeStatus(windows.data(), 12 + 34 + 10 + 1 + 5 * 18 + 3, 0x270F, status));
    EXPECT_FALSE(status.hasMac);
    std::vector<std::uint8_t> query = windows;
    query[2] = 0x04;  // a request, not an answer
    EXPECT_FALSE(ParseNodeStatus(query.data(), query.size(), 0x270F, status));
    std::vector<std::uint8_t> failed = windows;
    failed[3] = 0x83;  // an error code
    EXPECT_FALSE(ParseNodeStatus(failed.data(), failed.size(), 0x270F, status));
    std::vector<std::uint8_t> nb = windows;
    nb[46 + 1] = 0x20;  // type NB, a name query's answer
    EXPECT_FALSE(ParseNodeStatus(nb.data(), nb.size(), 0x270F, status));
}

// Each system's calls as a script: which addresses answer, and with what.
class FakeNeighbours final : public NeighbourSystem {
public:
    bool hasResolve = false;
    unsigned long sendArpFailure = 0;  // SendARP's code for a silent address; 50 on Wine
    std::map<std::uint32_t, MacAddress> devices;  // what answers
    std::vector<NeighbourEntry> cachedBefore;      // the table before the scan
    NeighbourTableKind kind = NeighbourTableKind::Table;
    std::vector<std::uint32_t> resolved, arped, provoked;
    unsigned long now = 0;

    bool HasResolve() override { return hasResolve; }
    Neighbour Resolve(std::uint32_t address, unsigned long, MacAddress& mac) override {
        resolved.push_back(address);
        // The entry is flushed and asked anew.
        cachedBefore.erase(std::remove_if(cachedBefore.begin(), cachedBefore.end(),
                                          [&](const NeighbourEntry& e) { return e.address == address; }),
                           cachedBefore.end());
        const auto it = devices.find(address);
        if (it == devices.end()) return Neighbour::NoAnswer;
        mac = it->second;
        return Neighbour::Answered;
    }
    unsigned long SendArp(std::uint32_t address, MacAddress& mac, unsigned& length) override {
        arped.push_back(address);
        const auto it = devices.find(address);
        if (sendArpFailure == kSendArpNotSupported || it == devices.end()) return sendArpFailure;
        mac = it->second;
        length = 6;
        return 0;
    }
    void Provoke(std::uint32_t address) override { provoked.push_back(address); }
    bool ReadTable(NeighbourTableKind& k, std::vector<NeighbourEntry>& table) override {
        k = kind;
        table = cachedBefore;
        const unsigned answered = kind == NeighbourTableKind::Table ? 3 : 5;
        for (const std::uint32_t a : provoked)
            if (devices.count(a)) table.push_back({a, devices[a], 6, answered, 7});
        return true;
    }
    unsigned long Ticks() override { return now; }
    bool Pause(unsigned long ms) override {
        now += ms;
        return true;
    }
    bool Stopped() override { return false; }
    void RunBounded(std::size_t count, std::size_t inFlight, CallbackRef<void(std::size_t)> task) override {
        EXPECT_LE(inFlight, 64u);
        for (std::size_t i = 0; i < count; ++i) task(i);
    }
    void Exclusive(CallbackRef<void()> step) override { step(); }
};

class CountingSink final : public SweepSink {
public:
    std::vector<std::uint32_t> answered;
    std::size_t done = 0, total = 0;
    void Answered(const FoundDevice& d) override { answered.push_back(d.address); }
    void Progress(std::size_t d, std::size_t t) override {
        EXPECT_GE(d, done);
        done = d;
        total = t;
    }
};

struct SweepRun {
    ArpPath path;
    std::vector<FoundDevice> found;
    CountingSink sink;
};

SweepRun RunSweep(FakeNeighbours& system) {
    SweepRun run;
    run.path = SweepByArp(Plan({Connected(L"10.0.0.1", 24)}), system, run.sink, run.found);
    return run;
}

void AddDevices(FakeNeighbours& system) {
    system.devices[Ip(L"10.0.0.9")] = Mac(0x00, 0x1B, 0x21);
    system.devices[Ip(L"10.0.0.200")] = Mac(0xB8, 0x27, 0xEB);
}

void ExpectTheTwoDevices(const SweepRun& run) {
    ASSERT_EQ(2u, run.found.size());
    EXPECT_EQ(L"10.0.0.9", DottedQuad(run.found[0].address));
    EXPECT_EQ(Mac(0x00, 0x1B, 0x21), run.found[0].mac);
    EXPECT_EQ(L"10.0.0.200", DottedQuad(run.found[1].address));
    EXPECT_EQ(2u, run.sink.answered.size());
    EXPECT_EQ(253u, run.sink.done);
    EXPECT_EQ(253u, run.sink.total);
}

TEST(ArpSweep, VistaProvokesEveryAddressAndAsksCachedOnesAnew) {
    FakeNeighbours system;
    system.hasResolve = true;
    system.kind = NeighbourTableKind::Table2;
    AddDevices(system);
    // A PC gone to sleep since it was last seen: its entry is stale, it no longer answers.
    system.cachedBefore.push_back({Ip(L"10.0.0.50"), Mac(0x00, 0xE0, 0x4C), 6, 4, 7});
    const SweepRun run = RunSweep(system);
    EXPECT_EQ(ArpPath::Resolve, run.path);
    EXPECT_EQ(std::vector<std::uint32_t>{Ip(L"10.0.0.50")}, system.resolved);
    EXPECT_EQ(252u, system.provoked.size());
    EXPECT_TRUE(system.arped.empty());
    ExpectTheTwoDevices(run);
}

TEST(ArpSweep, XpAsksSendArpForEveryAddress) {
    FakeNeighbours system;
    system.sendArpFailure = 67;  // ERROR_BAD_NET_NAME: nobody there
    AddDevices(system);
    const SweepRun run = RunSweep(system);
    EXPECT_EQ(ArpPath::SendArp, run.path);
    EXPECT_EQ(253u, system.arped.size());
    EXPECT_TRUE(system.provoked.empty());
    ExpectTheTwoDevices(run);
}

TEST(ArpSweep, WithoutSendArpDatagramsProvokeTheSystemsOwnArp) {
    FakeNeighbours system;
    system.sendArpFailure = kSendArpNotSupported;
    AddDevices(system);
    const SweepRun run = RunSweep(system);
    EXPECT_EQ(ArpPath::Datagrams, run.path);
    EXPECT_EQ(1u, system.arped.size());  // once, to learn that it does not ask
    EXPECT_EQ(253u, system.provoked.size());
    ExpectTheTwoDevices(run);
    // Watched for a short while after the last datagram, never much longer.
    EXPECT_GE(system.now, kAnswerWaitMs);
    EXPECT_LE(system.now, kAnswerWaitMs + 16 * kProvokePauseMs + kTableReadEveryMs);
}

TEST(ScanLines, AHeadingPerSubnetThenFourFieldsPerDeviceByAddress) {
    Adapter big = Connected(L"172.16.5.9", 16, 2);
    big.label = L"Ethernet";
    const std::vector<Adapter> adapters = {Connected(L"10.0.0.1", 24), big};
    const std::vector<ScanSubnet> plan = Plan(adapters);
    FoundDevice pi{Ip(L"10.0.0.200"), Mac(0xB8, 0x27, 0xEB), 0, L"pi", false};
    FoundDevice nas{Ip(L"10.0.0.9"), Mac(0x00, 0x11, 0x32), 0, L"", false};
    FoundDevice phone{Ip(L"172.16.4.7"), Mac(0xDA, 0xA1, 0x19), 1, L"PHONE", false};
    const std::vector<std::wstring> lines = ScanLines(plan, adapters, {pi, phone, nas});
    const std::vector<std::wstring> expected = {
        L"SCAN_HEADING",
        L"10.0.0.9\t00-11-32-10-20-01\t\tSynology",
        L"10.0.0.200\tB8-27-EB-10-20-01\tpi\tRaspberry Pi",
        L"SCAN_HEADING_CUT",
        L"172.16.4.7\tDA-A1-19-10-20-01\tPHONE\tSCAN_RANDOM_MAC",
    };
    EXPECT_EQ(expected, lines);
    EXPECT_EQ(L"172.16.0.0/16", SubnetText(plan[1]));
    EXPECT_EQ(L"172.16.4.0", DottedQuad(plan[1].first));
}

}  // namespace
