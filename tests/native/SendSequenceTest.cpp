// The socket-layer calls of one "Power ON", with each call made to fail.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/SocketLayer.h"

namespace {

class RecordingLayer : public SocketStartup, public SocketLayer, public FailureReport {
public:
    std::string failAt;
    std::vector<std::string> calls;
    std::vector<std::uint8_t> sent;
    std::vector<std::uint16_t> ports;
    std::uint32_t sentAddress = 0;
    std::uint16_t sentPort = 0;
    std::uint32_t resolveTo = 0xFFFFFFFF;

    int Startup(std::uint16_t version) override { return Call("startup " + std::to_string(version)) ? 0 : 10091; }
    void Cleanup() override { Call("cleanup"); }
    bool OpenUdpSocket() override { return Call("socket"); }
    void CloseSocket() override { Call("close"); }
    bool Resolve(const std::string& host, std::uint32_t& address) override {
        calls.push_back("resolve " + host);
        address = resolveTo;
        return failAt != "resolve";
    }
    bool EnableBroadcast() override { return Call("broadcast"); }
    bool SendTo(const std::vector<std::uint8_t>& datagram, std::uint32_t address, std::uint16_t port) override {
        sent = datagram;
        sentAddress = address;
        sentPort = port;
        ports.push_back(port);
        return Call("sendto");
    }
    void Show(const wchar_t* text) override {
        const std::wstring wide(text);
        calls.push_back("message " + std::string(wide.begin(), wide.end()));
    }

private:
    bool Call(const std::string& name) {
        calls.push_back(name);
        return failAt != name;
    }
};

using Calls = std::vector<std::string>;

TEST(SendMagicPacket, SendsOnceAndReleasesEverything) {
    RecordingLayer layer;
    EXPECT_EQ(0, SendMagicPacketVia(layer, layer, layer, MacOfField(L"0A1B2C3D4E5F"), "255.255.255.255"));
    EXPECT_EQ((Calls{"startup 514", "socket", "resolve 255.255.255.255", "broadcast", "sendto", "close", "cleanup"}),
              layer.calls);
    const MagicPacket packet = BuildMagicPacket({0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F});
    EXPECT_EQ(std::vector<std::uint8_t>(packet.begin(), packet.end()), layer.sent);
    EXPECT_EQ(0xFFFFFFFFu, layer.sentAddress);
    EXPECT_EQ(40000, layer.sentPort);
}

TEST(SendMagicPacket, DestinationGetsItsNineLowestBitsSet) {
    RecordingLayer layer;
    layer.resolveTo = 0xC0A80005;  // 192.168.0.5
    EXPECT_EQ(0, SendMagicPacketVia(layer, layer, layer, MacOfField(L"001122334455"), "192.168.0.5"));
    EXPECT_EQ(0xC0A801FFu, layer.sentAddress);
}

TEST(SendMagicPacket, EachFailureShowsItsMessageAndCleansUpInOrder) {
    struct Case {
        const char* failAt;
        Calls calls;
    };
    const Case cases[] = {
        {"startup 514", {"startup 514", "message Error: Socket initialization failed."}},
        {"socket", {"startup 514", "socket", "message Error: client socket not created", "cleanup"}},
        {"resolve",
         {"startup 514", "socket", "resolve 255.255.255.255", "message Error: gethostbyname call failed", "close",
          "cleanup"}},
        {"broadcast",
         {"startup 514", "socket", "resolve 255.255.255.255", "broadcast", "close",
          "message Error: setsockopt call failed", "cleanup"}},
        {"sendto",
         {"startup 514", "socket", "resolve 255.255.255.255", "broadcast", "sendto", "message Error: sendto call failed",
          "close", "cleanup"}},
    };
    for (const Case& c : cases) {
        RecordingLayer layer;
        layer.failAt = c.failAt;
        EXPECT_EQ(-1, SendMagicPacketVia(layer, layer, layer, MacOfField(L"0A1B2C3D4E5F"), "255.255.255.255")) << c.failAt;
        EXPECT_EQ(c.calls, layer.calls) << c.failAt;
    }
}

TEST(SendMagicPacket, RefusesAnAddressThatGivesFewerThanSixBytes) {
    for (const wchar_t* mac : {L"0A1B2C3D4E", L"0A1B2C3D4E5", L"", L"0A1B2C3D4EZZ"}) {
        RecordingLayer layer;
        EXPECT_EQ(-1, SendMagicPacketVia(layer, layer, layer, MacOfField(mac), "255.255.255.255"));
        EXPECT_EQ((Calls{"startup 514", "socket", "resolve 255.255.255.255", "broadcast",
                         "message Error: MAC address incomplete", "close", "cleanup"}),
                  layer.calls);
    }
}

TEST(SendMagicPacket, AChosenDestinationGetsTheDatagramItselfOnEachPortWithThePassword) {
    RecordingLayer layer;
    layer.resolveTo = 0xC0A80205;  // 192.168.2.5
    SendChoice choice;
    choice.exactDestination = true;
    choice.ports = {kWakePort, kDiscardPort};
    choice.password = {1, 2, 3, 4, 5, 6};
    std::uint32_t sentTo = 0;
    EXPECT_EQ(0, SendMagicPacketVia(layer, layer, layer, MacAddress{1, 2, 3, 4, 5, 6}, "pc.example", choice, &sentTo));
    EXPECT_EQ((Calls{"startup 514", "socket", "resolve pc.example", "broadcast", "sendto", "sendto", "close", "cleanup"}),
              layer.calls);
    EXPECT_EQ(0xC0A80205u, sentTo);
    EXPECT_EQ((std::vector<std::uint16_t>{40000, 9}), layer.ports);
    ASSERT_EQ(108u, layer.sent.size());
    EXPECT_EQ((std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}), std::vector<std::uint8_t>(layer.sent.begin() + 102, layer.sent.end()));
}

TEST(SendMagicPacket, AFailedPortEndsTheSendForThatPc) {
    RecordingLayer layer;
    layer.failAt = "sendto";
    SendChoice choice;
    choice.ports = {7, 9};
    choice.password = {10, 0, 0, 1};
    EXPECT_EQ(-1, SendMagicPacketVia(layer, layer, layer, MacAddress{}, "255.255.255.255", choice));
    EXPECT_EQ((std::vector<std::uint16_t>{7}), layer.ports);
    EXPECT_EQ(106u, layer.sent.size());
}

}  // namespace
