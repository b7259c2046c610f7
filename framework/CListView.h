#pragma once
// A list view in report mode: columns of text, rows added at the bottom.
#include <commctrl.h>

#include <cstddef>
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
    // A new row at `row`, the rows from there moving down; its index, or -1.
    int InsertRow(int row, const std::wstring& text) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        return static_cast<int>(SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    }
    // The first selected row after `after` (-1: from the top); -1 when none.
    int NextSelected(int after) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(after), MAKELPARAM(LVNI_SELECTED, 0)));
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
    // The columns share the list's width by `shares`, the last taking what
    // rounding leaves. Fitted again whenever the width may have changed (a
    // resize, a vertical scroll bar coming with more rows), so that no
    // horizontal scroll bar ever appears.
    template <std::size_t N>
    void FitColumns(const int (&shares)[N]) { FitColumns(shares, static_cast<int>(N)); }
    void FitColumns(const int* shares, int count) {
        int total = 0;
        for (int c = 0; c < count; ++c) total += shares[c];
        const int width = ClientWidth();
        int used = 0;
        for (int c = 0; c < count && total > 0; ++c) {
            const int w = c + 1 < count ? width * shares[c] / total : width - used;
            SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(c), MAKELPARAM(w, 0));
            used += w;
        }
    }
};
