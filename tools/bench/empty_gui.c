/*
 * Two more floors of the benchmark, both about what Wine charges for a
 * graphical program before its own work:
 *
 *   qv_empty_gui.exe          loads the DLLs the setup program imports
 *                             (USER32, GDI32, ADVAPI32, MSVCRT) and ends
 *   qv_empty_gui.exe notice   also shows one dialog box for two seconds, as
 *                             a chained install shows its notice, and ends
 *
 * No C runtime start-up of its own; the imports are taken by reference only.
 */
#include <windows.h>

#include <stdlib.h>

enum { NOTICE_TIMER = 1, NOTICE_MS = 2000 };

static INT_PTR CALLBACK Notice(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (message == WM_INITDIALOG) {
        SetTimer(dialog, NOTICE_TIMER, NOTICE_MS, NULL);
        return TRUE;
    }
    if (message == WM_TIMER && wParam == NOTICE_TIMER) {
        KillTimer(dialog, NOTICE_TIMER);
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

/* A 200 x 60 dialog box without controls, as DialogBoxIndirect reads it. */
static const WORD kTemplate[] __attribute__((aligned(4))) = {
    LOWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT),
    HIWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT),
    0, 0,          /* extended style */
    0,             /* no controls */
    10, 10, 200, 60,
    0, 0,          /* no menu, the default class */
    'Q', 'v', 0,   /* title */
    8, 'M', 'S', ' ', 'S', 'a', 'n', 's', ' ', 'S', 'e', 'r', 'i', 'f', 0,
};

__attribute__((noreturn)) void EmptyGuiEntry(void)
{
    const char *line = GetCommandLineA();
    /* "notice" as the last word of the command line. */
    const char *end = line;
    while (*end)
        ++end;
    const char *word = " notice";
    int notice = end - line >= 7;
    for (int i = 0; notice && i < 7; ++i)
        notice = end[i - 7] == word[i];
    if (notice)
        DialogBoxIndirectParamW(GetModuleHandleW(NULL), (LPCDLGTEMPLATEW)kTemplate, NULL, Notice, 0);
    /* Never true: these name one function of each DLL the setup program imports. */
    if (line == NULL) {
        GetStockObject(0);
        RegCloseKey(NULL);
        rand();
    }
    ExitProcess(0);
}
