// The send out of each adapter: which rows it goes to, and what each row
// says. This test runs outside any namespace, so only loopback is sent to.
#include <gtest/gtest.h>

#include <winsock2.h>

#include "net/DirectedSend.h"
#include "net/Ipv4.h"
#include "net/AdapterSend.h"

namespace {

std::uint32_t Ip(const wchar_t* text) {
    std::uint32_t address = 0;
    ParseDottedQuad(text, address);
    return address;
}

Adapter Lan(const wchar_t* address, const wchar_t* mask, bool connected) {
    Adapter a;
    a.kind = AdapterKind::Ethernet;
    a.connected = connected;
    a.addresses = {Ip(address)};
    a.masks = {Ip(mask)};
    return a;
}

TEST(AdapterSend, OneResultARowOnlyConnectedSubnetsAreSentTo) {
    const std::vector<Adapter> adapters{
        Lan(L"10.9.0.1", L"255.255.255.0", false),   // not connected: never sent to
        Lan(L"127.0.0.1", L"255.0.0.0", true),       // loopback: the packet stays on this machine
        Lan(L"10.8.0.1", L"255.255.255.255", true),  // /32: no broadcast to send to
    };
    const std::vector<SendResult> results =
        SendThroughEveryAdapter(BuildMagicPacket({1, 2, 3, 4, 5, 6}), adapters, SubnetsOf(adapters));
    EXPECT_EQ((std::vector<SendResult>{SendResult(), SendResult(0), SendResult()}), results);
}

TEST(AdapterSend, ErrorsReadAsTheirNumberAndTheSystemsText) {
    const std::wstring text = SendResult(WSAEADDRNOTAVAIL).FailureText();
    EXPECT_EQ(L"10049", text.substr(0, 5));
    EXPECT_EQ(std::wstring::npos, text.find_first_of(L"\r\n"));
    EXPECT_EQ(L"1999999999", SendResult(1999999999).FailureText());  // no text: the number alone
}

}  // namespace
