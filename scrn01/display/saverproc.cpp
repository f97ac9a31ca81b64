// The program's saver window procedure.
#include "scrnsave/scrnsave.h"

LRESULT WINAPI ScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefScreenSaverProc(hWnd, msg, wParam, lParam);
}
