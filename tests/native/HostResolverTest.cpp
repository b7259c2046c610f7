// The local-address queries over a scripted socket layer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/HostResolver.h"

namespace {

constexpr int kNotReady = 10091;  // WSASYSNOTREADY

class ScriptedResolver : public HostResolver, public SocketStartup {
public:
    bool startupFails = false;
    std::vector<std::uint16_t> startupFailsFor;
    bool hostNameFails = false;
    Lookup ipv4Lookup = Lookup::Found;
    std::wstring ipv4 = L"10.0.0.2";
    int ipv6Code = 0;
    std::wstring ipv6 = L"fe80::1";
    std::vector<std::string> calls;
    int started = 0;

    int Startup(std::uint16_t version) override {
        calls.push_back("startup " + std::to_string(version));
        for (auto v : startupFailsFor)
            if (v == version) return kNotReady;
        if (startupFails) return kNotReady;
        ++started;
        return 0;
    }
    void Cleanup() override {
        calls.push_back("cleanup");
        --started;
    }
    bool HostName(std::string& name, std::size_t capacity) override {
        calls.push_back("hostname " + std::to_string(capacity));
        name = "pc";
        return !hostNameFails;
    }
    Lookup FirstIPv4(const std::string&, std::wstring& dotted) override {
        calls.push_back("ipv4");
        if (ipv4Lookup == Lookup::Found) dotted = ipv4;
        return ipv4Lookup;
    }
    int LastIPv6(const std::string&, std::wstring& text) override {
        calls.push_back("ipv6");
        if (ipv6Code == 0) text = ipv6;
        return ipv6Code;
    }

    // The two host queries, each in a session of its own, as the system's are.
    bool GetHostIPv4Address(std::wstring& text) { return QueryHostIPv4Address(*this, *this, text); }
    bool GetHostIPv6Address(std::wstring& text) { return QueryHostIPv6Address(*this, *this, text); }
};

using Calls = std::vector<std::string>;

TEST(LocalAddress, IPv4AnswerIsTakenAsItIs) {
    ScriptedResolver r;
    std::wstring text;
    QueryLocalAddress(r, text);
    EXPECT_EQ(L"10.0.0.2", text);
    EXPECT_EQ((Calls{"startup 257", "hostname 80", "ipv4", "cleanup"}), r.calls);
    EXPECT_EQ(0, r.started);

    ScriptedResolver other;
    other.ipv4 = L"127.0.1.1";  // only the exact loopback text leads to IPv6
    QueryLocalAddress(other, text);
    EXPECT_EQ(L"127.0.1.1", text);
    EXPECT_EQ(4u, other.calls.size());
}

TEST(LocalAddress, LoopbackOrFailureFallsBackToIPv6) {
    ScriptedResolver loopback;
    loopback.ipv4 = L"127.0.0.1";
    std::wstring text;
    QueryLocalAddress(loopback, text);
    EXPECT_EQ(L"fe80::1", text);
    EXPECT_EQ((Calls{"startup 257", "hostname 80", "ipv4", "cleanup", "startup 514", "hostname 256", "ipv6",
                     "cleanup"}),
              loopback.calls);

    ScriptedResolver unresolved;
    unresolved.ipv4Lookup = HostResolver::Lookup::NoHost;
    QueryLocalAddress(unresolved, text);
    EXPECT_EQ(L"fe80::1", text);
    EXPECT_EQ(0, unresolved.started);
}

TEST(LocalAddress, EveryStageFailingReleasesTheSocketLayerOnce) {
    std::wstring text;

    ScriptedResolver noSockets;
    noSockets.startupFails = true;
    QueryLocalAddress(noSockets, text);
    EXPECT_EQ(L"", text);
    EXPECT_EQ((Calls{"startup 257", "startup 514"}), noSockets.calls);

    ScriptedResolver noHostName;  // counts as success with empty text: IPv6 not tried
    noHostName.hostNameFails = true;
    QueryLocalAddress(noHostName, text);
    EXPECT_EQ(L"", text);
    EXPECT_EQ((Calls{"startup 257", "hostname 80", "cleanup"}), noHostName.calls);

    ScriptedResolver noAddress;  // a host entry without an address fails, never reads on
    noAddress.ipv4Lookup = HostResolver::Lookup::NoAddress;
    noAddress.ipv6Code = 11001;
    QueryLocalAddress(noAddress, text);
    EXPECT_EQ(L"", text);
    EXPECT_EQ(0, noAddress.started);

    ScriptedResolver v6Unconvertible;
    v6Unconvertible.ipv4 = L"127.0.0.1";
    v6Unconvertible.ipv6 = L"";
    QueryLocalAddress(v6Unconvertible, text);
    EXPECT_EQ(L"", text);
    EXPECT_EQ(0, v6Unconvertible.started);
}

TEST(LocalAddress, IPv6StartupFailureKeepsTheLoopbackText) {
    ScriptedResolver r;
    r.ipv4 = L"127.0.0.1";
    r.startupFailsFor = {0x0202};
    std::wstring text;
    QueryLocalAddress(r, text);
    EXPECT_EQ(L"127.0.0.1", text);
    EXPECT_EQ(0, r.started);
}

}  // namespace
