// Wake and wait's rules: the address field, refused addresses, the ARP
// cache, and the wait itself on a fake clock with fake pings.
#include <gtest/gtest.h>

#include "net/Ipv4.h"
#include "wakewait/NeighbourAnswer.h"
#include "wakewait/ProbeRounds.h"
#include "wakewait/WaitTexts.h"
#include "wakewait/WakeTarget.h"

namespace {

std::uint32_t Ip(const wchar_t* text) {
    std::uint32_t address = 0;
    EXPECT_EQ(TargetKind::Address, ParseTarget(text, address)) << text;
    return address;
}

TEST(WakeTarget, TheFieldTakesFourDecimalPartsOrAName) {
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

TEST(WakeTarget, AddressesThatAreNoOtherPcAreRefused) {
    const std::vector<Adapter> adapters{Lan(L"192.168.1.20", L"255.255.255.0"), Lan(L"10.8.0.6", L"255.255.255.252")};
    EXPECT_EQ(Refusal::OwnAddress, RefuseAddress(Ip(L"192.168.1.20"), adapters));
    EXPECT_EQ(Refusal::OwnAddress, RefuseAddress(Ip(L"127.0.0.1"), adapters));
    for (const wchar_t* notAPc : {L"0.0.0.0", L"255.255.255.255", L"192.168.1.0", L"192.168.1.255", L"10.8.0.7",
                                  L"10.8.0.4", L"224.0.0.1"})
        EXPECT_EQ(Refusal::NotAPc, RefuseAddress(Ip(notAPc), adapters)) << notAPc;
    EXPECT_EQ(Refusal::None, RefuseAddress(Ip(L"192.168.1.23"), adapters));
    EXPECT_EQ(Refusal::None, RefuseAddress(Ip(L"172.16.0.9"), adapters));
}

TEST(WakeTarget, TheArpCacheGivesTheLastValidAddressOfTheMac) {
    const MacAddress mac{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    const MacAddress other{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x5F};
    std::uint32_t address = 0;
    EXPECT_FALSE(FindAddressForMac({}, mac, address));
    EXPECT_FALSE(FindAddressForMac({{other, 6, Ip(L"10.0.0.3"), 3}, {mac, 6, Ip(L"10.0.0.4"), 2}}, mac, address));
    EXPECT_FALSE(FindAddressForMac({{mac, 8, Ip(L"10.0.0.4"), 3}}, mac, address));
    EXPECT_TRUE(FindAddressForMac({{mac, 6, Ip(L"10.0.0.4"), 3}, {mac, 6, Ip(L"10.0.0.5"), 4}}, mac, address));
    EXPECT_EQ(L"10.0.0.5", DottedQuad(address));
}

TEST(WaitMachine, OnlyASuccessfulReplyFromThePcCounts) {
    const std::uint32_t pc = Ip(L"192.168.1.23"), self = Ip(L"192.168.1.20");
    EXPECT_TRUE(IsAnswerFrom(0, pc, pc));
    EXPECT_FALSE(IsAnswerFrom(11003, self, pc));  // destination host unreachable, from this PC
    EXPECT_FALSE(IsAnswerFrom(0, self, pc));
    EXPECT_FALSE(IsAnswerFrom(11010, pc, pc));    // timed out
}

const MacAddress kPc{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
const MacAddress kBridged{0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
const MacAddress kOther{0x00, 0x11, 0x22, 0x33, 0x44, 0x99};

ProbeRound Round(std::uint32_t at, bool pinged, Neighbour arp = Neighbour::NotAsked, const MacAddress* mac = nullptr) {
    ProbeRound r;
    r.startedAt = at;
    r.pinged = pinged;
    r.arp = arp;
    r.hasMac = mac != nullptr;
    if (mac) r.mac = *mac;
    return r;
}

// A wait on a 32-bit tick count, as GetTickCount gives it: `rounds` (each
// a second after the one before, from the send on) until it is over.
WaitMachine Wait(const ProbeRound& before, std::vector<ProbeRound> rounds, std::uint32_t sentAt = 5000) {
    WaitMachine wait;
    wait.Start(kPc);
    if (!wait.FirstProbe(before)) return wait;
    wait.Sent(sentAt, true);
    std::uint32_t now = sentAt;
    for (ProbeRound& r : rounds) {
        now += 1000;
        r.startedAt = now;
        if (!wait.Probe(r, now + 200)) break;
    }
    return wait;
}

TEST(WaitMachine, AlreadyOnIsDecidedByPingAlone) {
    EXPECT_STREQ(L"WAIT_ALREADY_ON", Wait(Round(0, true), {}).VerdictKey());  // behind a router: no MAC
    EXPECT_STREQ(L"WAIT_ALREADY_ON_MAC", Wait(Round(0, true, Neighbour::NoAnswer, &kPc), {}).VerdictKey());
    EXPECT_STREQ(L"WAIT_ALREADY_ON_MAC", Wait(Round(0, true, Neighbour::Answered, &kBridged), {}).VerdictKey());
    // A sleeping PC's card may answer ARP for it: not on, the packet goes.
    EXPECT_EQ(WaitState::Waiting, Wait(Round(0, false, Neighbour::Answered, &kPc), {}).State());
    // Another device at the address: the packet goes all the same.
    const WaitMachine other = Wait(Round(0, true, Neighbour::Answered, &kOther), {});
    MacAddress mac{};
    EXPECT_EQ(WaitState::Waiting, other.State());
    EXPECT_TRUE(other.OtherDevice(mac));
    EXPECT_EQ(kOther, mac);
}

TEST(WaitMachine, WhatEndsTheWait) {
    const std::vector<ProbeRound> asleep(6, Round(0, false, Neighbour::NoAnswer));
    std::vector<ProbeRound> rounds = asleep;

    rounds.push_back(Round(0, true, Neighbour::Answered, &kPc));  // both
    WaitMachine w = Wait(Round(0, false, Neighbour::NoAnswer), rounds);
    EXPECT_STREQ(L"WAIT_ANSWERED_MAC", w.VerdictKey());
    EXPECT_EQ(7u, w.FinalSeconds());  // from the send to the start of the round that got it

    rounds.back() = Round(0, true);  // ping only, no MAC to read
    EXPECT_STREQ(L"WAIT_ANSWERED", Wait(Round(0, false), rounds).VerdictKey());

    rounds.back() = Round(0, false, Neighbour::Answered, &kBridged);  // ARP only, after the send
    w = Wait(Round(0, false, Neighbour::NoAnswer), rounds);
    EXPECT_STREQ(L"WAIT_ANSWERED_ARP", w.VerdictKey());
    EXPECT_EQ(7u, w.FinalSeconds());

    // ARP answered before the send too: the card answering for a sleeping
    // PC; only a ping proves it woke.
    const ProbeRound offload = Round(0, false, Neighbour::Answered, &kPc);
    std::vector<ProbeRound> cardAnswers(200, offload);
    EXPECT_STREQ(L"WAIT_ARP_NO_PING", Wait(offload, cardAnswers).VerdictKey());
    cardAnswers[9] = Round(0, true, Neighbour::Answered, &kPc);
    w = Wait(offload, cardAnswers);
    EXPECT_STREQ(L"WAIT_ANSWERED_MAC", w.VerdictKey());
    EXPECT_EQ(10u, w.FinalSeconds());

    EXPECT_STREQ(L"WAIT_TIMED_OUT", Wait(Round(0, false, Neighbour::NoAnswer), std::vector<ProbeRound>(200, asleep[0])).VerdictKey());
    // ARP failed or missing: the ping alone, as before.
    EXPECT_STREQ(L"WAIT_TIMED_OUT", Wait(Round(0, false, Neighbour::Unavailable), std::vector<ProbeRound>(200, Round(0, false))).VerdictKey());
}

TEST(WaitMachine, AnotherDevicesAnswersNeverCount) {
    std::vector<ProbeRound> rounds(200, Round(0, true, Neighbour::Answered, &kOther));
    WaitMachine w = Wait(Round(0, false, Neighbour::NoAnswer), rounds);
    MacAddress mac{};
    EXPECT_STREQ(L"WAIT_TIMED_OUT", w.VerdictKey());
    EXPECT_TRUE(w.OtherDevice(mac));
    // The PC itself answers later: that counts.
    rounds[20] = Round(0, true, Neighbour::Answered, &kPc);
    w = Wait(Round(0, true, Neighbour::Answered, &kOther), rounds);
    EXPECT_STREQ(L"WAIT_ANSWERED_MAC", w.VerdictKey());
    EXPECT_TRUE(w.OtherDevice(mac));
}

TEST(WaitMachine, TheWaitOnA32BitTickCountThatWraps) {
    WaitMachine never = Wait(Round(0, false), std::vector<ProbeRound>(400, Round(0, false)), 0xFFFFF000u);
    EXPECT_EQ(WaitState::TimedOut, never.State());
    EXPECT_EQ(180u, never.FinalSeconds());
    std::vector<ProbeRound> rounds(400, Round(0, false));
    rounds[9] = Round(0, true);
    const WaitMachine wakes = Wait(Round(0, false), rounds, 0xFFFFF000u);  // answers after the wrap
    EXPECT_EQ(WaitState::Answered, wakes.State());
    EXPECT_EQ(10u, wakes.FinalSeconds());

    WaitMachine stopped;
    stopped.Start(kPc);
    stopped.FirstProbe(Round(0, false));
    stopped.Sent(0xFFFFFC00u, true);
    EXPECT_EQ(1u, stopped.ElapsedSeconds(0x00000200u));
    stopped.Stop(0x00000A00u);
    EXPECT_EQ(WaitState::Stopped, stopped.State());
    EXPECT_EQ(3u, stopped.FinalSeconds());

    WaitMachine unnamed;
    unnamed.Start(kPc);
    unnamed.Sent(0, false);
    EXPECT_STREQ(L"WAIT_NOT_WATCHED", unnamed.VerdictKey());
}

// The probes of a fake PC on a fake clock: an absent address blocks the
// neighbour probe three seconds, an unanswered ping one.
class FakeProbes final : public ProbeSystem {
public:
    std::uint32_t Now() override { return now; }
    Neighbour Resolve(std::uint32_t, unsigned long, MacAddress& mac) override {
        ++resolves;
        if (stopDuringResolve) stopped = true;
        if (!arpAnswers) {
            now += 3000;
            return arp;
        }
        now += 5;
        mac = kPc;
        return Neighbour::Answered;
    }
    bool Ping(std::uint32_t) override {
        ++pings;
        now += pingAnswers ? 5 : 1000;
        return pingAnswers;
    }
    bool AnsweringMac(std::uint32_t, MacAddress& mac) override {
        mac = kOther;
        return true;
    }
    bool Stopped() override { return stopped; }
    bool WaitStopped(std::uint32_t ms) override {
        now += ms;
        return stopped;
    }

    std::uint32_t now = 0xFFFFF000u;
    bool arpAnswers = false, pingAnswers = false, stopped = false, stopDuringResolve = false;
    Neighbour arp = Neighbour::NoAnswer;
    int resolves = 0, pings = 0;
};

TEST(ProbeRounds, ARoundEverySecondOrAsSoonAsABlockingOneReturns) {
    FakeProbes quick;
    quick.pingAnswers = true;
    ProbeRounds pingOnly(quick, 1, 0);
    ProbeRound r;
    std::vector<std::uint32_t> starts;
    for (int i = 0; i < 3 && pingOnly.Run(r); ++i, pingOnly.WaitForNext()) starts.push_back(r.startedAt);
    EXPECT_EQ((std::vector<std::uint32_t>{0xFFFFF000u, 0xFFFFF3E8u, 0xFFFFF7D0u}), starts);
    EXPECT_EQ(0, quick.resolves);
    EXPECT_TRUE(r.hasMac);  // read from the neighbour table after the reply
    EXPECT_EQ(kOther, r.mac);

    FakeProbes absent;
    ProbeRounds blocking(absent, 1, 7);
    ASSERT_TRUE(blocking.Run(r));
    EXPECT_EQ(Neighbour::NoAnswer, r.arp);
    EXPECT_FALSE(r.hasMac);
    ASSERT_TRUE(blocking.WaitForNext());
    ASSERT_TRUE(blocking.Run(r));
    EXPECT_EQ(0xFFFFF000u + 4000, r.startedAt);  // at once after the four seconds the round took
}

TEST(ProbeRounds, AnArpAnswerNamesTheMacAndAFailureEndsArpForThatRoundOnly) {
    FakeProbes pc;
    pc.arpAnswers = true;
    ProbeRounds rounds(pc, 1, 7);
    ProbeRound r;
    ASSERT_TRUE(rounds.Run(r));
    EXPECT_EQ(Neighbour::Answered, r.arp);
    EXPECT_EQ(kPc, r.mac);  // ARP's, not the table's

    FakeProbes broken;
    broken.arp = Neighbour::Unavailable;
    ProbeRounds once(broken, 1, 7);
    once.Run(r);
    once.Run(r);
    EXPECT_EQ(2, broken.resolves);  // a failure that passes, as one right after a wake does
    EXPECT_EQ(Neighbour::Unavailable, r.arp);
    EXPECT_FALSE(r.hasMac);
}

// ResolveIpNetEntry2's answers as Windows gives them, and the neighbour
// states an echo reply leaves behind (NL_NEIGHBOR_STATE).
TEST(NeighbourAnswer, WhatCountsAsAnAnswerNoAnswerOrAFailure) {
    constexpr unsigned long kSuccess = 0, kBadNetName = 67, kNetUnreachable = 1231, kHostUnreachable = 1232,
                            kInvalidParameter = 87, kNotFound = 1168;
    EXPECT_EQ(Neighbour::Answered, NeighbourOfResolve(kSuccess, 6));
    EXPECT_EQ(Neighbour::NoAnswer, NeighbourOfResolve(kSuccess, 0));  // no address: nobody answered
    EXPECT_EQ(Neighbour::NoAnswer, NeighbourOfResolve(kSuccess, 8));
    for (const unsigned long none : {kBadNetName, kNetUnreachable, kHostUnreachable})
        EXPECT_EQ(Neighbour::NoAnswer, NeighbourOfResolve(none, 0)) << none;
    for (const unsigned long failed : {kInvalidParameter, kNotFound})
        EXPECT_EQ(Neighbour::Unavailable, NeighbourOfResolve(failed, 6)) << failed;

    const int kUnreachable = 0, kIncomplete = 1, kProbe = 2, kDelay = 3, kStale = 4, kReachable = 5, kPermanent = 6;
    for (const int answered : {kProbe, kDelay, kStale, kReachable}) EXPECT_TRUE(IsAnsweredState(answered)) << answered;
    for (const int not_ : {kUnreachable, kIncomplete, kPermanent}) EXPECT_FALSE(IsAnsweredState(not_)) << not_;
}

TEST(ProbeRounds, StopDuringABlockingProbeStartsNoOther) {
    FakeProbes absent;
    absent.stopDuringResolve = true;
    ProbeRounds rounds(absent, 1, 7);
    ProbeRound r;
    EXPECT_FALSE(rounds.Run(r));  // nothing to report
    EXPECT_EQ(0, absent.pings);
    EXPECT_FALSE(rounds.WaitForNext());
    EXPECT_FALSE(rounds.Run(r));
    EXPECT_EQ(1, absent.resolves);
}

}  // namespace
