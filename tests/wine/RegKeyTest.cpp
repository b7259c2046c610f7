// The registry reader on Wine's registry: values of every size read
// safely, subkeys listed, keys closed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CRegKey.h"

namespace {

const wchar_t kTestKey[] = L"Software\\Quorvane.RegKeyTest";

class RegKey : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteKeyW(HKEY_CURRENT_USER, (std::wstring(kTestKey) + L"\\Child").c_str());
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                   nullptr, &m_writer, nullptr));
    }
    void TearDown() override {
        ::RegCloseKey(m_writer);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, (std::wstring(kTestKey) + L"\\Child").c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
    }
    void Write(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(m_writer, name, 0, type, static_cast<const BYTE*>(data), size));
    }
    HKEY m_writer = nullptr;
};

TEST_F(RegKey, ReadsValuesOfAnySize) {
    const DWORD number = 0x118;
    Write(L"dword", REG_DWORD, &number, sizeof number);
    const std::vector<BYTE> large(1000, 0x5A), huge(70 * 1024, 0x5A);
    Write(L"large", REG_BINARY, large.data(), static_cast<DWORD>(large.size()));
    Write(L"huge", REG_BINARY, huge.data(), static_cast<DWORD>(huge.size()));

    CRegKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey));
    RegistryValue value = key.Value(L"dword");
    ASSERT_TRUE(value.present);
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), value.type);
    EXPECT_EQ((std::vector<unsigned char>{0x18, 0x01, 0, 0}), value.bytes);
    EXPECT_EQ(0x118u, key.QueryNumber(L"dword").value);
    value = key.Value(L"large");  // past the first buffer: asked again at its size
    ASSERT_TRUE(value.present);
    EXPECT_EQ(large, std::vector<BYTE>(value.bytes.begin(), value.bytes.end()));
    EXPECT_FALSE(key.Value(L"huge").present);   // larger than any setting: not read
    EXPECT_FALSE(key.Value(L"absent").present);
    EXPECT_FALSE(key.QueryNumber(L"absent").present);
    EXPECT_FALSE(CRegKey().Value(L"dword").present);  // no key open
}

TEST_F(RegKey, EnumeratesSubkeysAndClosesWhatItOpens) {
    HKEY child = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(m_writer, L"Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr));
    ::RegCloseKey(child);

    CRegKey key;
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, L"Software\\Quorvane.NoSuchKey"));
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey));
    std::wstring name;
    ASSERT_TRUE(key.SubkeyName(0, name));
    EXPECT_EQ(L"Child", name);
    EXPECT_FALSE(key.SubkeyName(1, name));

    CRegKey moved(std::move(key));
    EXPECT_EQ(nullptr, key.Get());
    const HKEY handle = moved.Get();
    moved = CRegKey();  // closes the key it held
    DWORD subkeys = 0;
    EXPECT_NE(ERROR_SUCCESS,
              ::RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr));
}

}  // namespace
