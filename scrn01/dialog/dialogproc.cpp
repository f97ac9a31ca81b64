// The configuration dialog.
#include "scrnsave/scrnsave.h"
#include "scrn01/store/msglog.h"

BOOL WINAPI RegisterDialogClasses(HANDLE)
{
    return TRUE;
}

INT_PTR WINAPI ScreenSaverConfigureDialog(HWND hDlg, UINT msg, WPARAM wParam, LPARAM)
{
    switch (msg) {
    case WM_INITDIALOG:
        m_nMsgon = 1;
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            EndDialog(hDlg, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
