// The scan's window over a scripted scan: rows by address as devices answer,
// saved names shown, a router's proxy ARP said and never offered to My PCs,
// and Stop answering at once.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "ScriptedScan.h"
#include "TestDialog.h"
#include "findpcs/CFindPcsDlg.h"
#include "res/resource.h"

namespace {

std::wstring Cell(HWND list, int row, int column) {
    wchar_t text[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 128;
    ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

// Pumps the dialog's messages until `done` holds, for five seconds at most.
template <class Done>
bool PumpUntil(Done done) {
    for (int i = 0; i < 250 && !done(); ++i) {
        PumpMessages();
        ::Sleep(20);
    }
    return done();
}

void Select(HWND list, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

TEST(FindPcsDlg, ListsDevicesByAddressAndSavesOnlyPcs) {
    TestBook book;
    book.names[{0x00, 0x11, 0x32, 0x0A, 0x0B, 0x0C}] = L"NAS in the hall";
    CFindPcsDlg dialog(book, &ScriptedScan);
    RunAndInspect(dialog, [&](HWND h) {
        const HWND list = ::GetDlgItem(h, IDC_FINDPCS_LIST);
        ASSERT_TRUE(PumpUntil([&] { return !::IsWindowEnabled(::GetDlgItem(h, IDC_FINDPCS_STOP)); }));
        ASSERT_EQ(19, ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        EXPECT_EQ(L"10.0.0.9", Cell(list, 0, 0));
        EXPECT_EQ(L"00-11-32-0A-0B-0C", Cell(list, 0, 1));
        EXPECT_EQ(L"NAS in the hall", Cell(list, 0, 2));  // its saved name
        EXPECT_EQ(L"Synology", Cell(list, 0, 3));
        EXPECT_EQ(L"10.0.0.0/24", Cell(list, 0, 4));
        EXPECT_EQ(L"10.0.0.100", Cell(list, 1, 0));
        EXPECT_EQ(L"FINDPCS_PROXY", Cell(list, 1, 2));
        EXPECT_EQ(L"10.0.0.200", Cell(list, 18, 0));
        EXPECT_EQ(L"pi", Cell(list, 18, 2));  // the name came after the address
        EXPECT_EQ(L"Raspberry Pi", Cell(list, 18, 3));

        Select(list, 0);
        Select(list, 1);
        Select(list, 18);
        ::SendMessageW(::GetDlgItem(h, IDC_FINDPCS_ADD), BM_CLICK, 0, 0);
        ASSERT_EQ(1u, book.saves.size());
        ASSERT_EQ(2u, book.saves[0].size());  // not the router
        EXPECT_EQ(L"10.0.0.9", book.saves[0][0].name);  // no name of its own: its address
        EXPECT_EQ(L"10.0.0.9", book.saves[0][0].address);
        EXPECT_EQ(L"pi", book.saves[0][1].name);
        EXPECT_EQ((MacAddress{0xB8, 0x27, 0xEB, 0x01, 0x02, 0x03}), book.saves[0][1].mac);
        EXPECT_EQ(L"saved FINDPCS_PROXY_LEFT_OUT", ItemText(h, IDC_FINDPCS_STATUS));
    }, IDCANCEL);
}

TEST(FindPcsDlg, StopAnswersAtOnceAndKeepsWhatCame) {
    TestBook book;
    CFindPcsDlg dialog(book, &ScanUntilStopped);
    RunAndInspect(dialog, [&](HWND h) {
        const HWND list = ::GetDlgItem(h, IDC_FINDPCS_LIST);
        ASSERT_TRUE(PumpUntil([&] { return ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }));
        const DWORD start = ::GetTickCount();
        ::SendMessageW(::GetDlgItem(h, IDC_FINDPCS_STOP), BM_CLICK, 0, 0);
        EXPECT_LT(::GetTickCount() - start, 100u);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(h, IDC_FINDPCS_STOP)));
        EXPECT_EQ(L"FINDPCS_STOPPED", ItemText(h, IDC_FINDPCS_STATUS));
        EXPECT_EQ(1, ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    }, IDCANCEL);
}

}  // namespace
