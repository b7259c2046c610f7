// The adapter query with IP Helper and the local address replaced.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "net/Ipv4.h"
#include "ownmac/OwnMacQuery.h"

namespace {

struct FakeAdapter {
    std::vector<BYTE> address;
    std::vector<std::string> ips;
};

// What the fake IP Helper reports, and what it was asked.
struct {
    std::vector<FakeAdapter> adapters;
    ULONG failWith = NO_ERROR;       // on every call, when set
    ULONG failSecondWith = NO_ERROR; // on the second call only
    bool growsEachCall = false;      // another adapter appears before every call after the first
    std::vector<ULONG> sizesGiven;
} g_ipHelper;

std::wstring g_localAddress;
int g_localQueries = 0;

class FakeSource final : public AdapterSource {
public:
    ULONG GetAdaptersInfo(PIP_ADAPTER_INFO buffer, PULONG size) override;
    void GetLocalAddress(std::wstring& text) override {
        ++g_localQueries;
        text = g_localAddress;
    }
};

ULONG FakeSource::GetAdaptersInfo(PIP_ADAPTER_INFO buffer, PULONG size) {
    g_ipHelper.sizesGiven.push_back(*size);
    if (g_ipHelper.growsEachCall && g_ipHelper.sizesGiven.size() > 1 && g_ipHelper.sizesGiven.size() < 5)
        g_ipHelper.adapters.push_back({{2, 0, 0, 0, 0, static_cast<BYTE>(g_ipHelper.adapters.size())}, {"10.7.0.1"}});
    if (g_ipHelper.failWith != NO_ERROR) return g_ipHelper.failWith;
    if (g_ipHelper.sizesGiven.size() == 2 && g_ipHelper.failSecondWith != NO_ERROR) return g_ipHelper.failSecondWith;

    // Lay the records out as IP Helper does: adapters, then extra address entries.
    const size_t adapterBytes = g_ipHelper.adapters.size() * sizeof(IP_ADAPTER_INFO);
    size_t extraEntries = 0;
    for (const FakeAdapter& a : g_ipHelper.adapters) extraEntries += a.ips.size() > 1 ? a.ips.size() - 1 : 0;
    const ULONG needed = static_cast<ULONG>(adapterBytes + extraEntries * sizeof(IP_ADDR_STRING));
    if (g_ipHelper.adapters.empty()) return ERROR_NO_DATA;
    if (*size < needed) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }
    std::memset(buffer, 0, needed);
    auto* extra = reinterpret_cast<IP_ADDR_STRING*>(reinterpret_cast<BYTE*>(buffer) + adapterBytes);
    for (size_t i = 0; i < g_ipHelper.adapters.size(); ++i) {
        const FakeAdapter& fake = g_ipHelper.adapters[i];
        IP_ADAPTER_INFO& info = buffer[i];
        info.Next = i + 1 < g_ipHelper.adapters.size() ? &buffer[i + 1] : nullptr;
        info.AddressLength = static_cast<UINT>(fake.address.size());
        std::memcpy(info.Address, fake.address.data(), std::min<size_t>(fake.address.size(), MAX_ADAPTER_ADDRESS_LENGTH));
        IP_ADDR_STRING* entry = &info.IpAddressList;
        for (size_t k = 0; k < fake.ips.size(); ++k) {
            if (k > 0) {
                entry->Next = extra;
                entry = extra++;
            }
            std::strncpy(entry->IpAddress.String, fake.ips[k].c_str(), sizeof entry->IpAddress.String - 1);
            std::strncpy(entry->IpMask.String, "255.255.254.0", sizeof entry->IpMask.String - 1);
        }
        info.Index = static_cast<DWORD>(100 + i);
        info.Type = MIB_IF_TYPE_ETHERNET;
        // Names filled to the last byte, without a terminator.
        std::memset(info.AdapterName, 'N', sizeof info.AdapterName);
        std::memset(info.Description, 'D', sizeof info.Description);
    }
    return NO_ERROR;
}

class OwnMacQuery : public ::testing::Test {
protected:
    void SetUp() override {
        g_ipHelper = {};
        g_localAddress = L"10.1.2.3";
        g_localQueries = 0;
    }
    static std::wstring Query() {
        FakeSource source;
        return QueryOwnMacAddress(source);
    }
};

TEST_F(OwnMacQuery, OneAdapterFitsTheFirstBuffer) {
    g_ipHelper.adapters = {{{0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E}, {"10.1.2.3"}}};
    EXPECT_EQ(L"001A2B3C4D5E", Query());
    // 640 bytes is one record of the 32-bit layout; the 64-bit sibling build's
    // record is larger and takes the second call at the reported size.
    const std::vector<ULONG> expected =
        sizeof(IP_ADAPTER_INFO) <= 640 ? std::vector<ULONG>{640} : std::vector<ULONG>{640, sizeof(IP_ADAPTER_INFO)};
    EXPECT_EQ(expected, g_ipHelper.sizesGiven);
}

TEST_F(OwnMacQuery, ManyAdaptersNeedOneSecondCallAtTheReportedSize) {
    g_ipHelper.adapters = {{{0x0A, 0, 0, 0, 0, 1}, {"0.0.0.0"}},
                           {{0x0A, 0, 0, 0, 0, 2}, {"10.9.9.9", "10.1.2.3"}},
                           {{0x0A, 0, 0, 0, 0, 3, 0x77, 0x88}, {"10.1.2.3"}}};  // last match wins, 8-byte address
    EXPECT_EQ(L"0A0000000003", Query());
    ASSERT_EQ(2u, g_ipHelper.sizesGiven.size());
    EXPECT_EQ(640u, g_ipHelper.sizesGiven[0]);
    EXPECT_GT(g_ipHelper.sizesGiven[1], 640u);
}

TEST_F(OwnMacQuery, TheCheckAsksAgainWhileTheListGrowsAndReadsEveryField) {
    g_ipHelper.adapters = {{{2, 0, 0, 0, 0, 0}, {"10.7.0.1"}}, {{2, 0, 0, 0, 0, 1}, {"10.7.0.1"}}};
    g_ipHelper.growsEachCall = true;  // three adapters appear, one before each of calls 2 to 4
    FakeSource source;
    std::vector<AdapterFacts> records;
    ASSERT_TRUE(QueryAdapters(source, records, 8));
    ASSERT_EQ(5u, records.size());
    EXPECT_EQ(5u, g_ipHelper.sizesGiven.size());
    for (std::size_t i = 1; i < g_ipHelper.sizesGiven.size(); ++i)
        EXPECT_GT(g_ipHelper.sizesGiven[i], g_ipHelper.sizesGiven[i - 1]) << "call " << i;
    const AdapterFacts& last = records.back();
    EXPECT_EQ(L"10.7.0.1", DottedQuad(last.addresses.at(0)));
    EXPECT_EQ(L"255.255.254.0", DottedQuad(last.masks.at(0)));
    EXPECT_EQ(104u, last.index);
    EXPECT_EQ(6u, last.macLength);
    EXPECT_EQ(std::string(sizeof(IP_ADAPTER_INFO::AdapterName), 'N'), last.name);  // cut at the field's end
    EXPECT_EQ(sizeof(IP_ADAPTER_INFO::Description), last.description.size());

    // The own-MAC query keeps its one retry, whatever the list does.
    SetUp();
    g_ipHelper.adapters = {{{2, 0, 0, 0, 0, 0}, {"10.1.2.3"}}, {{2, 0, 0, 0, 0, 1}, {"10.1.2.4"}}};
    g_ipHelper.growsEachCall = true;
    std::vector<AdapterFacts> once;
    EXPECT_FALSE(QueryAdapters(source, once));
    EXPECT_EQ(2u, g_ipHelper.sizesGiven.size());
}

TEST_F(OwnMacQuery, FailuresGiveEmptyText) {
    g_ipHelper.failWith = ERROR_NO_DATA;  // no adapters: the local address is not even asked
    EXPECT_EQ(L"", Query());
    EXPECT_EQ(0, g_localQueries);

    SetUp();
    g_ipHelper.adapters = {{{1, 2, 3, 4, 5, 6}, {"10.1.2.3"}}, {{1, 2, 3, 4, 5, 7}, {"10.1.2.4"}},
                           {{1, 2, 3, 4, 5, 8}, {"10.1.2.5"}}};
    g_ipHelper.failSecondWith = ERROR_BUFFER_OVERFLOW;  // no third call
    EXPECT_EQ(L"", Query());
    EXPECT_EQ(2u, g_ipHelper.sizesGiven.size());

    SetUp();
    g_ipHelper.adapters = {{{1, 2, 3, 4, 5, 6}, {"10.1.2.3"}}};
    g_localAddress = L"";
    EXPECT_EQ(L"", Query());
    EXPECT_EQ(1, g_localQueries);

    SetUp();
    g_ipHelper.adapters = {{{1, 2, 3, 4, 5, 6}, {"10.1.2.3"}}};
    g_localAddress = L"fe80::1";
    EXPECT_EQ(L"", Query());
}

}  // namespace
