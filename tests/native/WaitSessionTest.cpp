// One wait's steps as the dialog and the command line pump them, and every
// line it says: each text reads back as its key and arguments.
#include <gtest/gtest.h>

#include "net/Ipv4.h"
#include "text/LangTexts.h"
#include "wakewait/WaitSession.h"

namespace {

class KeyTexts final : public LangTextSource {
public:
    std::wstring GetLangText(std::wstring key) const override { return key + L"(%1|%2|%4)"; }
};

const MacAddress kPc{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
const MacAddress kOther{0x00, 0x11, 0x22, 0x33, 0x44, 0x99};
using Said = std::vector<std::wstring>;

std::uint32_t Ip(const wchar_t* text) {
    std::uint32_t address = 0;
    ParseTarget(text, address);
    return address;
}

std::vector<Adapter> ThisPc() {
    Adapter a;
    a.kind = AdapterKind::Ethernet;
    a.connected = true;
    a.index = 7;
    a.addresses = {Ip(L"192.168.1.20")};
    a.masks = {Ip(L"255.255.255.0")};
    return {a};
}

ProbeRound Round(std::uint32_t at, bool pinged, const MacAddress* mac = nullptr) {
    ProbeRound r;
    r.startedAt = at;
    r.pinged = pinged;
    r.arp = mac ? Neighbour::Answered : Neighbour::NoAnswer;
    r.hasMac = mac != nullptr;
    if (mac) r.mac = *mac;
    return r;
}

class WaitSessionTest : public ::testing::Test {
protected:
    void SetUp() override { UseLangTextSource(&m_texts); }
    void TearDown() override { UseLangTextSource(nullptr); }

private:
    KeyTexts m_texts;
};

TEST_F(WaitSessionTest, APcOnThisSubnetFromAddressToAnswer) {
    WaitSession wait(kPc);
    EXPECT_EQ(WaitStep::Resolve, wait.Begin(L"192.168.1.23", ThisPc()));
    EXPECT_EQ(L"WAIT_CHECKING(192.168.1.23|0|)", wait.Status());
    EXPECT_EQ(WaitStep::None, wait.Round(Round(0, true), 0));  // no round belongs before the address
    EXPECT_EQ(WaitStep::FirstRound, wait.Resolved(Ip(L"192.168.1.23")));
    EXPECT_EQ(WaitStep::None, wait.Resolved(Ip(L"192.168.1.24")));
    EXPECT_EQ(7u, wait.NeighbourIndex(true));
    EXPECT_EQ(0u, wait.NeighbourIndex(false));
    EXPECT_EQ(WaitStep::Send, wait.Round(Round(100, false), 900));
    EXPECT_EQ(0, wait.SubnetRow());
    EXPECT_EQ(WaitStep::NextRound, wait.SendDone(true, L"", 1000));
    EXPECT_EQ(WaitStep::NextRound, wait.Round(Round(2000, false), 4500));
    EXPECT_EQ(L"WAIT_WAITING(192.168.1.23|3|%4)", wait.Status());
    EXPECT_EQ(WaitStep::Done, wait.Round(Round(9000, true, &kPc), 9100));
    EXPECT_EQ(WaitState::Answered, wait.State());
    EXPECT_EQ(L"WAIT_ANSWERED_MAC(192.168.1.23|8|)", wait.Status());
    EXPECT_EQ(Said{wait.Status()}, wait.TakeSaid());
    EXPECT_TRUE(wait.TakeSaid().empty());
    // Whatever the worker still posts belongs to no wait.
    EXPECT_EQ(WaitStep::Done, wait.Round(Round(10000, true), 10000));
    EXPECT_EQ(WaitStep::Done, wait.Resolved(Ip(L"192.168.1.24")));
}

TEST_F(WaitSessionTest, NothingGoesToAnAddressThatIsNoOtherPc) {
    WaitSession wait(kPc);
    EXPECT_EQ(WaitStep::Done, wait.Begin(L"not a name", ThisPc()));
    EXPECT_EQ(L"WAIT_BAD_ADDRESS(%1|%2|%4)", wait.Status());
    EXPECT_FALSE(wait.Refused());

    EXPECT_EQ(WaitStep::Done, wait.Begin(L"192.168.1.20", ThisPc()));
    EXPECT_TRUE(wait.Refused());
    EXPECT_EQ(Said{L"WAIT_OWN_ADDRESS(192.168.1.20|0|)"}, wait.TakeSaid());

    // A name is held to the same rules once it resolves.
    EXPECT_EQ(WaitStep::Resolve, wait.Begin(L"printer", ThisPc()));
    EXPECT_FALSE(wait.Refused());
    EXPECT_EQ(WaitStep::Done, wait.Resolved(Ip(L"192.168.1.255")));
    EXPECT_TRUE(wait.Refused());
    EXPECT_FALSE(wait.IsRunning());
    EXPECT_EQ(L"WAIT_NOT_A_PC(printer (192.168.1.255)|0|)", wait.Status());
}

TEST_F(WaitSessionTest, APcBehindARouterIsWatchedByPingWithTheWarningBeforeEveryLine) {
    WaitSession wait(kPc);
    wait.Begin(L"far-pc", ThisPc());
    EXPECT_EQ(WaitStep::FirstRound, wait.Resolved(Ip(L"10.1.2.3")));
    EXPECT_EQ(0u, wait.NeighbourIndex(true));
    EXPECT_EQ(-1, wait.SubnetRow());
    const std::wstring warning = L"WAIT_OFF_NETWORK(far-pc (10.1.2.3)|0|)";
    EXPECT_EQ(Said{warning}, wait.TakeSaid());
    wait.Round(Round(0, false), 0);
    wait.SendDone(true, L"", 0);
    EXPECT_EQ(warning + L"\nWAIT_WAITING(far-pc (10.1.2.3)|0|%4)", wait.Status());
    EXPECT_EQ(WaitStep::Done, wait.Stop(61500));
    EXPECT_EQ(warning + L"\nWAIT_STOPPED(far-pc (10.1.2.3)|61|)", wait.Status());
}

TEST_F(WaitSessionTest, ANameThatDoesNotResolveIsSentToButNotWatched) {
    WaitSession wait(kPc);
    wait.Begin(L"sleepy", ThisPc());
    EXPECT_EQ(WaitStep::Send, wait.Unresolved());
    EXPECT_EQ(-1, wait.SubnetRow());
    EXPECT_EQ(WaitStep::Done, wait.SendDone(true, L"", 500));
    EXPECT_EQ(WaitState::NotWatched, wait.State());
    EXPECT_EQ(Said{L"WAIT_NOT_WATCHED(sleepy|0|)"}, wait.TakeSaid());

    // Nothing went: the sends' own failure is the status, and nothing is said.
    wait.Begin(L"sleepy", ThisPc());
    wait.Unresolved();
    EXPECT_EQ(WaitStep::Done, wait.SendDone(false, L"Error: sendto call failed", 500));
    EXPECT_EQ(WaitState::Failed, wait.State());
    EXPECT_EQ(L"Error: sendto call failed", wait.Status());
    EXPECT_TRUE(wait.TakeSaid().empty());
}

TEST_F(WaitSessionTest, AnotherDeviceIsSaidOnceAndAgainAtTheEnd) {
    for (const bool ownLimit : {false, true}) {
        WaitSession wait(kPc, 5, ownLimit);
        wait.Begin(L"192.168.1.23", ThisPc());
        wait.Resolved(Ip(L"192.168.1.23"));
        EXPECT_EQ(WaitStep::Send, wait.Round(Round(0, true, &kOther), 0));  // its ping is no proof: the packet goes
        wait.SendDone(true, L"", 1000);
        const std::wstring note = L"WAIT_OTHER_DEVICE(192.168.1.23|0|00-11-22-33-44-99)";
        EXPECT_EQ(note + L"\nWAIT_WAITING(192.168.1.23|0|%4)", wait.Status());
        std::uint32_t now = 1000;
        while (wait.Round(Round(now, true, &kOther), now + 100) == WaitStep::NextRound) now += 1000;
        EXPECT_EQ(WaitState::TimedOut, wait.State());
        EXPECT_TRUE(wait.SawOtherDevice());
        // A limit of the user's own is named; the window's texts say three minutes.
        const std::wstring verdict = ownLimit ? L"CLI_NO_ANSWER(192.168.1.23|5|00-11-22-33-44-99)"
                                              : L"WAIT_TIMED_OUT(192.168.1.23|5|00-11-22-33-44-99)";
        const std::wstring final = L"WAIT_OTHER_DEVICE_FINAL(192.168.1.23|0|00-11-22-33-44-99)";
        EXPECT_EQ((Said{note, verdict, final}), wait.TakeSaid());
        EXPECT_EQ(verdict + L"\n" + final, wait.Status());
    }
}

TEST_F(WaitSessionTest, APcAlreadyOnGetsNoPacket) {
    WaitSession wait(kPc);
    wait.Begin(L"192.168.1.23", ThisPc());
    wait.Resolved(Ip(L"192.168.1.23"));
    EXPECT_EQ(WaitStep::Done, wait.Round(Round(0, true, &kPc), 0));
    EXPECT_EQ(WaitState::AlreadyOn, wait.State());
    EXPECT_EQ(Said{L"WAIT_ALREADY_ON_MAC(192.168.1.23|0|)"}, wait.TakeSaid());
}

}  // namespace
