// The About dialog: everything in it comes from its template.
#include "info.h"

#include "../base/resource.h"
#include "../base/context.h"

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, 0); break;
    case IDC_ABOUT_LICENCE:
        ShowHelp(IDH_LICENSE);
        EndDialog(dialog, 0);
        break;
    }
    return TRUE;
}
