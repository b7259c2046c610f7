#include "FindPcs.h"

#include "CFindPcsDlg.h"

void ShowFindPcs(HWND owner, SavedPcBook& book) {
    // The window that opens this one is one of the program's own dialogs.
    CFindPcsDlg dialog(book, &RunScan, CWnd::FromHandlePermanent(owner));
    dialog.DoModal();
}
