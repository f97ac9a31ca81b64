// Screen-saver host frame: run modes, the saver window and the password hooks.
// The program supplies the three hooks below; ScreenSaverProc passes every
// message it does not end itself to DefScreenSaverProc.
#pragma once
#include <windows.h>
#include "resources/resource.h"

// Hooks supplied by the program.
LRESULT WINAPI ScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);
INT_PTR WINAPI ScreenSaverConfigureDialog(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL WINAPI RegisterDialogClasses(HANDLE hInst);

// Default handling: closes on input, runs the password check.
LRESULT WINAPI DefScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Private message answered by DefScreenSaverProc with the password verdict.
#define SAVER_VERIFY_PASSWORD 0x8000

extern HINSTANCE hMainInstance;
extern BOOL fOnWin95;
extern HWND hMainWindow;
extern BOOL fChildPreview;
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
