// Test password provider. Its answer and behaviour come from
// HKCU\Software\PondelHarborTest: "Answer" (nonzero accepts), "Repost"
// (nonzero: post WM_CLOSE to the saver during the check); every call adds one
// to "Calls". Like the modal dialog of a real provider, it disables the
// saver window during the check and enables it again at the end.
#include <windows.h>

static DWORD ReadValue(HKEY key, const char* name)
{
    DWORD v = 0, size = sizeof v;
    if (RegQueryValueExA(key, name, nullptr, nullptr, (LPBYTE)&v, &size) != ERROR_SUCCESS)
        return 0;
    return v;
}

extern "C" BOOL WINAPI VerifyScreenSavePwd(HWND hwnd)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\PondelHarborTest", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return FALSE;
    DWORD calls = ReadValue(key, "Calls") + 1;
    RegSetValueExA(key, "Calls", 0, REG_DWORD, (const BYTE*)&calls, sizeof calls);
    EnableWindow(hwnd, FALSE);
    DWORD answer = ReadValue(key, "Answer");
    if (ReadValue(key, "Repost"))
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
    RegCloseKey(key);
    EnableWindow(hwnd, TRUE);
    return answer != 0;
}
