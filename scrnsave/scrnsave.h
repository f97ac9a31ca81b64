// Screen-saver host frame as the program sees it (Windows only). The program
// supplies the three hooks below; ScreenSaverProc passes every message it does
// not end itself to DefScreenSaverProc. The frame's own state and run modes
// are in hostframe.h.
#pragma once
#include <windows.h>

// Hooks supplied by the program.
LRESULT WINAPI ScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR WINAPI ScreenSaverConfigureDialog(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI RegisterDialogClasses(HANDLE hInst);

// Default handling: closes on input, runs the password check.
LRESULT WINAPI DefScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

extern HINSTANCE hMainInstance;   // the .scr's module: bitmaps, dialog template
extern BOOL fChildPreview;        // started with /p: a child of the window named there
