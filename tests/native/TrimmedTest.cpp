// A text without its padding: only the characters asked for, only at the ends.
#include <gtest/gtest.h>

#include "text/Trimmed.h"

TEST(Trimmed, OnlyThePaddingAskedForAndOnlyAtTheEnds) {
    EXPECT_EQ(L"192.168.1.2", Trimmed(L"  192.168.1.2 ", L" "));
    EXPECT_EQ(L"\t192.168.1.2", Trimmed(L"\t192.168.1.2", L" "));  // a typed address: spaces only
    EXPECT_EQ(L"Realtek PCIe GbE", Trimmed(L"\r\n Realtek PCIe GbE\t ", L" \t\r\n"));
    EXPECT_EQ(L"a  b", Trimmed(L" a  b ", L" "));
    EXPECT_EQ(L"", Trimmed(L"   ", L" "));
    EXPECT_EQ(L"", Trimmed(L"", L" "));
}
