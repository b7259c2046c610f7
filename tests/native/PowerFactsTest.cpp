// The power structures as Windows lays them out, declared here from
// Microsoft's published headers (winnt.h's SYSTEM_POWER_CAPABILITIES of the
// Windows 8 SDK and later, CM_POWER_DATA) rather than from the parser's own
// offsets, and filled as the machines in question report them.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "power/DevicePowerWalk.h"
#include "power/PowerFacts.h"

namespace {

struct BatteryReportingScale {
    std::uint32_t granularity, capacity;
};

struct SystemPowerCapabilities {
    std::uint8_t powerButtonPresent, sleepButtonPresent, lidPresent, systemS1, systemS2, systemS3, systemS4, systemS5,
        hiberFilePresent, fullWake, videoDimPresent, apmPresent, upsPresent, thermalControl, processorThrottle,
        processorMinThrottle, processorMaxThrottle, fastSystemS4, hiberboot, wakeAlarmPresent, aoAc, diskSpinDown,
        hiberFileType, aoAcConnectivitySupported, spare3[6], systemBatteriesPresent, batteriesAreShortTerm;
    BatteryReportingScale batteryScale[3];
    std::uint32_t acOnLineWake, softLidWake, rtcWake, minDeviceWakeState, defaultLowLatencyWake;
};
static_assert(sizeof(SystemPowerCapabilities) == kPowerCapabilitiesSize, "SYSTEM_POWER_CAPABILITIES");
static_assert(offsetof(SystemPowerCapabilities, aoAc) == 0x14, "AoAc");

struct CmPowerData {
    std::uint32_t size, mostRecentPowerState, capabilities, d1Latency, d2Latency, d3Latency, powerStateMapping[7],
        deepestSystemWake;
};
static_assert(sizeof(CmPowerData) == kPowerDataSize, "CM_POWER_DATA");

constexpr std::uint32_t kD0 = 1, kD3 = 4;
constexpr std::uint32_t kPdcapD0 = 0x01, kPdcapD3 = 0x08, kPdcapWakeFromD3 = 0x80;

template <class T>
std::vector<unsigned char> BytesOf(const T& structure) {
    std::vector<unsigned char> bytes(sizeof structure);
    std::memcpy(bytes.data(), &structure, sizeof structure);
    return bytes;
}

// A desktop of the kind `powercfg /a` shows with Standby (S3) and
// Hibernate: power button, S1, S3, S4, S5 and a hibernation file.
SystemPowerCapabilities Desktop() {
    SystemPowerCapabilities c{};
    c.powerButtonPresent = c.systemS1 = c.systemS3 = c.systemS4 = c.systemS5 = c.hiberFilePresent = 1;
    c.processorThrottle = 1;
    c.processorMinThrottle = 5;
    c.processorMaxThrottle = 100;
    c.hiberboot = 1;
    c.rtcWake = c.minDeviceWakeState = kPowerSystemSleeping3;
    return c;
}

// A network card's power data: D0 and D3, waking from D3, the sleep states
// mapped to D3, and the deepest state it wakes the PC from.
CmPowerData Card(std::uint32_t deepestWake) {
    CmPowerData d{};
    d.size = sizeof d;
    d.mostRecentPowerState = kD0;
    d.capabilities = kPdcapD0 | kPdcapD3 | kPdcapWakeFromD3;
    d.powerStateMapping[kPowerSystemWorking] = kD0;
    for (unsigned s = 2; s <= kPowerSystemShutdown; ++s) d.powerStateMapping[s] = kD3;
    d.deepestSystemWake = deepestWake;
    return d;
}

constexpr unsigned kWindowsXp = 0x0501, kWindows7 = 0x0601, kWindows8 = 0x0602, kWindows10 = 0x0A00;

PowerStates Parse(const SystemPowerCapabilities& c, unsigned windows) {
    const std::vector<unsigned char> bytes = BytesOf(c);
    return ParsePowerCapabilities(bytes.data(), bytes.size(), windows);
}

bool Parse(const std::vector<unsigned char>& bytes, DevicePower& device) {
    return ParsePowerData(bytes.data(), bytes.size(), device);
}

}  // namespace

TEST(PowerCapabilities, ReadsSleepHibernationAndModernStandbyWhereWindowsHasIt) {
    const PowerStates desktop = Parse(Desktop(), kWindows10);
    EXPECT_TRUE(desktop.read && desktop.s3 && desktop.s4 && desktop.hiberFilePresent);
    EXPECT_EQ(Known::No, desktop.modernStandby);

    // A Modern Standby laptop: S0 low-power idle instead of S3.
    SystemPowerCapabilities laptop = Desktop();
    laptop.lidPresent = laptop.systemBatteriesPresent = 1;
    laptop.systemS1 = laptop.systemS3 = 0;
    laptop.aoAc = laptop.aoAcConnectivitySupported = 1;
    const PowerStates standby = Parse(laptop, kWindows10);
    EXPECT_TRUE(!standby.s3 && standby.s4);
    EXPECT_EQ(Known::Yes, standby.modernStandby);

    // Before Windows 8 the byte is spare: whatever it holds, there is no
    // Modern Standby.
    laptop.systemS3 = 1;
    const PowerStates windows7 = Parse(laptop, kWindows7);
    EXPECT_TRUE(windows7.s3);
    EXPECT_EQ(Known::No, windows7.modernStandby);

    // Less than the whole structure: nothing known.
    std::vector<unsigned char> bytes = BytesOf(Desktop());
    bytes.pop_back();
    const PowerStates shortened = ParsePowerCapabilities(bytes.data(), bytes.size(), kWindows10);
    EXPECT_FALSE(shortened.read || shortened.s3);
    EXPECT_EQ(Known::Unknown, shortened.modernStandby);
}

TEST(PowerData, ReadsCapabilitiesAndTheDeepestWake) {
    for (std::uint32_t deepest : {kPowerSystemSleeping3, kPowerSystemHibernate, kPowerSystemUnspecified}) {
        DevicePower device;
        device.driverKey = L"0007";
        ASSERT_TRUE(Parse(BytesOf(Card(deepest)), device)) << deepest;
        EXPECT_EQ(kPdcapD0 | kPdcapD3 | kPdcapWakeFromD3, device.capabilities);
        EXPECT_EQ(deepest, device.deepestWake);
        EXPECT_EQ(L"0007", device.driverKey);
    }
    DevicePower device;  // past shutdown is no system state: not reported
    ASSERT_TRUE(Parse(BytesOf(Card(7)), device));
    EXPECT_EQ(kPowerSystemUnspecified, device.deepestWake);
    EXPECT_FALSE(device.deepestKnown);
}

// The members that came later, each read only from the version that has
// it: on an older system those bytes are spare, whatever they hold.
TEST(PowerCapabilities, SleepStatesHiberbootAndTheHibernationFilesType) {
    SystemPowerCapabilities c = Desktop();
    c.systemS2 = 1;
    c.hiberFileType = 1;  // reduced: Fast Startup only
    const PowerStates ten = Parse(c, kWindows10);
    EXPECT_TRUE(ten.s1 && ten.s2 && ten.s3);
    EXPECT_EQ(kHiberFileReduced, ten.hiberFileType);
    EXPECT_EQ(Known::Yes, ten.hiberboot);
    EXPECT_EQ(kWindows10, ten.windows);

    const PowerStates eight = Parse(c, kWindows8);  // HiberFileType came with 10
    EXPECT_EQ(kHiberFileNotRead, eight.hiberFileType);
    EXPECT_EQ(Known::Yes, eight.hiberboot);
    for (const unsigned before8 : {kWindowsXp, kWindows7}) {
        const PowerStates old = Parse(c, before8);
        EXPECT_EQ(Known::Unknown, old.hiberboot) << before8;
        EXPECT_EQ(kHiberFileNotRead, old.hiberFileType) << before8;
    }
    c.hiberFileType = 7;  // no type Windows defines
    EXPECT_EQ(kHiberFileNotRead, Parse(c, kWindows10).hiberFileType);
}

TEST(PowerData, RefusesShortBuffersAndSizesThatDoNotFit) {
    DevicePower device;
    std::vector<unsigned char> bytes = BytesOf(Card(kPowerSystemHibernate));
    bytes.pop_back();
    EXPECT_FALSE(Parse(bytes, device));
    CmPowerData card = Card(kPowerSystemHibernate);
    for (std::uint32_t size : {0u, 0x37u, 0x3Cu}) {
        card.size = size;
        EXPECT_FALSE(Parse(BytesOf(card), device)) << size;
    }
    EXPECT_EQ(kPowerSystemUnspecified, device.deepestWake);  // untouched by a refusal

    // A later, longer structure that says so keeps these members in place.
    bytes = BytesOf(card);
    bytes.resize(0x3C, 0);
    ASSERT_TRUE(Parse(bytes, device));
    EXPECT_EQ(kPowerSystemHibernate, device.deepestWake);
}

TEST(DriverSubkey, OnlyOfTheNetworkClass) {
    EXPECT_EQ(L"0007", DriverSubkeyOf(L"{4d36e972-e325-11ce-bfc1-08002be10318}\\0007"));
    EXPECT_EQ(L"0012", DriverSubkeyOf(L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0012"));
    EXPECT_EQ(L"", DriverSubkeyOf(L"{4d36e968-e325-11ce-bfc1-08002be10318}\\0000"));  // display adapters
    EXPECT_EQ(L"", DriverSubkeyOf(L"{4d36e972-e325-11ce-bfc1-08002be10318}0007"));
    EXPECT_EQ(L"", DriverSubkeyOf(L"{4d36e972-e325-11ce-bfc1-08002be10318}\\"));
    EXPECT_EQ(L"", DriverSubkeyOf(L"{4d36e972-e325-11ce-bfc1-08002be10318}\\0007\\Ndi"));
}

namespace {

struct ListedDevice {
    std::wstring driver;
    std::vector<unsigned char> powerData;
};

class FixedDevices final : public DeviceSource {
public:
    explicit FixedDevices(std::vector<ListedDevice> devices) : m_devices(std::move(devices)) {}
    bool Next(std::wstring& driver, std::vector<unsigned char>& powerData) override {
        if (m_next == m_devices.size()) return false;
        // A property that failed leaves the caller's variable as it was.
        if (!m_devices[m_next].driver.empty()) driver = m_devices[m_next].driver;
        if (!m_devices[m_next].powerData.empty()) powerData = m_devices[m_next].powerData;
        ++m_next;
        return true;
    }

private:
    std::vector<ListedDevice> m_devices;
    std::size_t m_next = 0;
};

}  // namespace

TEST(DevicePowerWalk, KeepsOnlyNetworkDevicesWhosePowerDataReads) {
    const std::wstring net = L"{4d36e972-e325-11ce-bfc1-08002be10318}\\";
    std::vector<unsigned char> shortData = BytesOf(Card(kPowerSystemHibernate));
    shortData.resize(kPowerDataSize - 4);
    FixedDevices devices({
        {net + L"0001", BytesOf(Card(kPowerSystemSleeping3))},
        {L"{4d36e96c-e325-11ce-bfc1-08002be10318}\\0003", BytesOf(Card(kPowerSystemHibernate))},  // sound
        {L"", BytesOf(Card(kPowerSystemHibernate))},  // its driver key did not read
        {net + L"0004", {}},                          // its power data did not read
        {net + L"0005", shortData},
        {net + L"0006", BytesOf(Card(kPowerSystemHibernate))},
    });
    const std::vector<DevicePower> found = CollectDevicePower(devices);
    ASSERT_EQ(2u, found.size());
    EXPECT_EQ(L"0001", found[0].driverKey);
    EXPECT_EQ(kPowerSystemSleeping3, found[0].deepestWake);
    EXPECT_EQ(L"0006", found[1].driverKey);
    EXPECT_EQ(kPowerSystemHibernate, found[1].deepestWake);
}
