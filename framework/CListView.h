#pragma once
// A list view in report mode: columns of text, rows added at the bottom.
#include <commctrl.h>

#include <string>

#include "CWnd.h"

class CListView : public CWnd {
public:
    void SetFullRowSelect() {
        SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    }
    void AddColumn(int column, const std::wstring& title, int width) {
        LVCOLUMNW c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        c.cx = width;
        c.pszText = const_cast<wchar_t*>(title.c_str());
        c.iSubItem = column;
        SendMessage(LVM_INSERTCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&c));
    }
    // A new last row with the first column's text; its index, or -1.
    int AddRow(const std::wstring& text) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = INT_MAX;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    void SetCell(int row, int column, const std::wstring& text) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessage(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    int RowCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    void DeleteRow(int row) { SendMessage(LVM_DELETEITEM, static_cast<WPARAM>(row)); }
    void DeleteAllRows() { SendMessage(LVM_DELETEALLITEMS); }
    void EnsureVisible(int row) { SendMessage(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); }
    int ClientWidth() const {
        RECT client{};
        ::GetClientRect(m_hWnd, &client);
        return client.right;
    }
};
