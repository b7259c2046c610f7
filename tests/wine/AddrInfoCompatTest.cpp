// getaddrinfo through the compatibility layer: the system's pair where a
// library has it, the IPv4-only emulation where none does.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/AddrInfoCompat.h"

namespace {

// Which libraries export the pair, and which were asked.
std::vector<std::wstring> g_libraries;
std::vector<std::wstring> g_asked;

class FakeProcSource final : public ProcSource {
public:
    FARPROC Find(const wchar_t* library, const char* name) override {
        g_asked.push_back(library);
        for (const std::wstring& l : g_libraries)
            if (l == library) return ::GetProcAddress(::GetModuleHandleW(L"ws2_32.dll"), name);
        return nullptr;
    }
};

AddrInfoApi Find(std::vector<std::wstring> libraries) {
    g_libraries = std::move(libraries);
    g_asked.clear();
    FakeProcSource source;
    return FindAddrInfoApi(source);
}

struct SocketLayer {
    SocketLayer() {
        WSADATA data;
        ::WSAStartup(0x0202, &data);
    }
    ~SocketLayer() { ::WSACleanup(); }
};

TEST(AddrInfoCompat, TakesThePairFromTheFirstLibraryThatHasIt) {
    const auto real = reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ws2_32.dll"), "getaddrinfo"));
    ASSERT_NE(nullptr, real);
    EXPECT_EQ(real, reinterpret_cast<void*>(AddrInfo().getaddrinfo));  // this system's own

    EXPECT_EQ(real, reinterpret_cast<void*>(Find({L"ws2_32.dll"}).getaddrinfo));
    const AddrInfoApi fromPreview = Find({L"wship6.dll"});
    EXPECT_EQ(real, reinterpret_cast<void*>(fromPreview.getaddrinfo));
    EXPECT_EQ((std::vector<std::wstring>{L"ws2_32.dll", L"ws2_32.dll", L"wship6.dll", L"wship6.dll"}), g_asked);

    const AddrInfoApi none = Find({});
    EXPECT_EQ(&EmulatedGetAddrInfo, none.getaddrinfo);
    EXPECT_EQ(&EmulatedFreeAddrInfo, none.freeaddrinfo);
}

TEST(AddrInfoCompat, EmulationAnswersIPv4AndRefusesIPv6) {
    SocketLayer layer;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* list = nullptr;
    ASSERT_EQ(0, EmulatedGetAddrInfo("127.0.0.1", "40000", &hints, &list));
    ASSERT_NE(nullptr, list);
    EXPECT_EQ(AF_INET, list->ai_family);
    EXPECT_EQ(SOCK_DGRAM, list->ai_socktype);
    const auto* address = reinterpret_cast<const sockaddr_in*>(list->ai_addr);
    EXPECT_EQ(::htonl(INADDR_LOOPBACK), address->sin_addr.s_addr);
    EXPECT_EQ(::htons(40000), address->sin_port);
    EXPECT_EQ(nullptr, list->ai_next);
    EmulatedFreeAddrInfo(list);

    // What the own-address query asks: the host name, IPv6 only.
    char host[256] = {};
    ::gethostname(host, sizeof host);
    hints = {};
    hints.ai_flags = AI_PASSIVE;
    hints.ai_family = AF_INET6;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    list = reinterpret_cast<addrinfo*>(1);
    EXPECT_EQ(WSAEAFNOSUPPORT, EmulatedGetAddrInfo(host, nullptr, &hints, &list));
    EXPECT_EQ(nullptr, list);

    hints.ai_family = AF_INET;
    EXPECT_EQ(WSAHOST_NOT_FOUND, EmulatedGetAddrInfo("no-such-host.invalid", nullptr, &hints, &list));
    EXPECT_EQ(WSATYPE_NOT_FOUND, EmulatedGetAddrInfo("127.0.0.1", "http", &hints, &list));
}

}  // namespace
