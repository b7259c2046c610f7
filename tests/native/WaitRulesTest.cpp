// Wake and wait's rules: the address field, refused addresses, the ARP
// cache, and the wait itself on a fake clock with fake pings.
#include <gtest/gtest.h>

#include "net/Ipv4.h"
#include "wakewait/WaitRules.h"

namespace {

std::uint32_t Ip(const wchar_t* text) {
    std::uint32_t address = 0;
    EXPECT_EQ(TargetKind::Address, ParseTarget(text, address)) << text;
    return address;
}

TEST(WaitRules, TheFieldTakesFourDecimalPartsOrAName) {
    EXPECT_EQ(L"192.168.1.23", DottedQuad(Ip(L"192.168.1.23")));
    EXPECT_EQ(L"10.0.0.1", DottedQuad(Ip(L"010.0.0.1")));  // decimal, never octal
    std::uint32_t address = 0;
    for (const wchar_t* bad : {L"", L"192.168.1", L"192.168.1.256", L"192.168.1.2.3", L"1.2.3.", L".1.2.3",
                               L"1..2.3", L"1.2.3.4 5", L"pc name", L"pc_name", L"-pc", L"0x7f.0.0.1"})
        EXPECT_EQ(TargetKind::Invalid, ParseTarget(bad, address)) << bad;
    for (const wchar_t* name : {L"office-pc", L"pc.example.lan", L"PC7"})
        EXPECT_EQ(TargetKind::Name, ParseTarget(name, address)) << name;
}

Adapter Lan(const wchar_t* address, const wchar_t* mask) {
    Adapter a;
    a.kind = AdapterKind::Ethernet;
    a.connected = true;
    a.addresses = {Ip(address)};
    a.masks = {Ip(mask)};
    return a;
}

TEST(WaitRules, AddressesThatAreNoOtherPcAreRefused) {
    const std::vector<Adapter> adapters{Lan(L"192.168.1.20", L"255.255.255.0"), Lan(L"10.8.0.6", L"255.255.255.252")};
    EXPECT_EQ(Refusal::OwnAddress, RefuseAddress(Ip(L"192.168.1.20"), adapters));
    EXPECT_EQ(Refusal::OwnAddress, RefuseAddress(Ip(L"127.0.0.1"), adapters));
    for (const wchar_t* notAPc : {L"0.0.0.0", L"255.255.255.255", L"192.168.1.0", L"192.168.1.255", L"10.8.0.7",
                                  L"10.8.0.4", L"224.0.0.1"})
        EXPECT_EQ(Refusal::NotAPc, RefuseAddress(Ip(notAPc), adapters)) << notAPc;
    EXPECT_EQ(Refusal::None, RefuseAddress(Ip(L"192.168.1.23"), adapters));
    EXPECT_EQ(Refusal::None, RefuseAddress(Ip(L"172.16.0.9"), adapters));

    const std::vector<CheckRow> rows = CheckRowsOf(adapters);
    EXPECT_EQ(0, LocalRowFor(Ip(L"192.168.1.23"), adapters, rows));
    EXPECT_EQ(1, LocalRowFor(Ip(L"10.8.0.5"), adapters, rows));
    EXPECT_EQ(-1, LocalRowFor(Ip(L"172.16.0.9"), adapters, rows));  // behind a router
}

TEST(WaitRules, TheArpCacheGivesTheLastValidAddressOfTheMac) {
    const MacAddress mac{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    const MacAddress other{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F};
    std::uint32_t address = 0;
    EXPECT_FALSE(FindAddressForMac({}, mac, address));
    EXPECT_FALSE(FindAddressForMac({{other, 6, Ip(L"10.0.0.3"), 3}, {mac, 6, Ip(L"10.0.0.4"), 2}}, mac, address));
    EXPECT_FALSE(FindAddressForMac({{mac, 8, Ip(L"10.0.0.4"), 3}}, mac, address));
    EXPECT_TRUE(FindAddressForMac({{mac, 6, Ip(L"10.0.0.4"), 3}, {mac, 6, Ip(L"10.0.0.5"), 4}}, mac, address));
    EXPECT_EQ(L"10.0.0.5", DottedQuad(address));
}

TEST(WaitRules, OnlyASuccessfulReplyFromThePcCounts) {
    const std::uint32_t pc = Ip(L"192.168.1.23"), self = Ip(L"192.168.1.20");
    EXPECT_TRUE(IsAnswerFrom(0, pc, pc));
    EXPECT_FALSE(IsAnswerFrom(11003, self, pc));  // destination host unreachable, from this PC
    EXPECT_FALSE(IsAnswerFrom(0, self, pc));
    EXPECT_FALSE(IsAnswerFrom(11010, pc, pc));    // timed out
}

TEST(WaitRules, TheWaitOnAFakeClock) {
    WaitMachine already;
    already.Start();
    EXPECT_FALSE(already.FirstProbe(true));
    EXPECT_EQ(WaitState::AlreadyOn, already.State());
    EXPECT_STREQ(L"WAIT_ALREADY_ON", already.VerdictKey());

    WaitMachine wakes;
    wakes.Start();
    EXPECT_TRUE(wakes.FirstProbe(false));
    EXPECT_EQ(nullptr, wakes.VerdictKey());
    wakes.Sent(5000, true);
    for (unsigned long t = 6000; t < 43000; t += 1000) ASSERT_TRUE(wakes.Probe(false, t)) << t;
    EXPECT_EQ(37u, wakes.ElapsedSeconds(42999));
    EXPECT_FALSE(wakes.Probe(true, 43000));
    EXPECT_EQ(WaitState::Answered, wakes.State());
    EXPECT_EQ(38u, wakes.FinalSeconds());
    EXPECT_STREQ(L"WAIT_ANSWERED", wakes.VerdictKey());
    EXPECT_FALSE(wakes.Probe(false, 44000));  // over is over

    WaitMachine never;
    never.Start();
    never.FirstProbe(false);
    never.Sent(0xFFFFF000u, true);  // the tick count wraps during the wait
    unsigned long t = 0xFFFFF000u;
    while (never.Probe(false, t += 1000)) ASSERT_LT(t - 0xFFFFF000u, 200000u);
    EXPECT_EQ(WaitState::TimedOut, never.State());
    EXPECT_EQ(180u, never.FinalSeconds());

    WaitMachine stopped;
    stopped.Start();
    stopped.FirstProbe(false);
    stopped.Sent(0, true);
    stopped.Probe(false, 1000);
    stopped.Stop(2500);
    EXPECT_EQ(WaitState::Stopped, stopped.State());
    EXPECT_FALSE(stopped.IsRunning());
    EXPECT_EQ(2u, stopped.FinalSeconds());

    WaitMachine unnamed;
    unnamed.Start();
    unnamed.Sent(0, false);
    EXPECT_STREQ(L"WAIT_NOT_WATCHED", unnamed.VerdictKey());
}

}  // namespace
