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

// The monitors other than the primary one, covered by windows of the frame
// while saving full screen: how many there are, and the picture of w x h
// pixels in src stretched into each, fitted and centred. False when one of
// them could not be drawn (it keeps what it showed).
int OtherMonitorCount();
bool ShowOnOtherMonitors(HDC src, int w, int h);

extern HINSTANCE hMainInstance;   // the .scr's module: bitmaps, dialog template
extern BOOL fChildPreview;        // started with /p: a child of the window named there
