// Host frame internals (Windows only): run modes, the saver window and its
// state, the password hooks. For the frame's own files and their tests; the
// program includes scrnsave.h.
#pragma once
#include "scrnsave/scrnsave.h"

// Private message answered by DefScreenSaverProc with the password verdict.
const UINT SAVER_VERIFY_PASSWORD = 0x8000;

extern BOOL fOnWin95;
extern HWND hMainWindow;
extern BOOL fClosing;
extern BOOL fCheckingPassword;

// Run modes.
int WinMainN(HINSTANCE hInst, HINSTANCE hPrev, LPSTR cmd, int nCmdShow);
int DoSaverPreview(LPCSTR text);
int DoConfigBox(HWND owner);
int DoChangePw(LPCSTR text);
void HogMachine(BOOL value);

// Saver window.
int DoScreenSave(HWND parent);
LRESULT WINAPI RealScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
void InitRealScreenSave();
void LoadPwdDLL();
void UnloadPwdDLL();
BOOL DoPasswordCheck(HWND hWnd);
DWORD GetElapsedTime(DWORD from, DWORD to);
void ScreenSaverChangePassword(HWND owner);
