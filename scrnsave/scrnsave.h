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
// One monitor's part of a picture spanning several: the monitor (desktop
// coordinates) and the rectangle of the picture it shows, each picture pixel
// a k x k block there. Each other monitor's window shows its part from its
// top-left corner, black beyond; false when one could not be drawn.
struct MonitorPart {
    RECT mon, part;
};
bool ShowPartsOnOtherMonitors(HDC src, const MonitorPart* parts, int n, int k);

// Posted to the saver window after a display change, once the windows over
// the other monitors follow the monitors there are now.
const UINT SAVER_MONITORS_CHANGED = 0x8001;

extern HINSTANCE hMainInstance;   // the .scr's module: bitmaps, dialog template
extern BOOL fChildPreview;        // started with /p: a child of the window named there
