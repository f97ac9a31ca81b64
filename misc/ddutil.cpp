// Bitmap, palette and colour-key loading.
#include "misc/ddutil.h"

#include <cstring>

const UINT DibFlags = LR_CREATEDIBSECTION;
const int PalSize = 256;
const int FileHeaderSize = 14, InfoHeaderSize = 40;
const int PalBitsMax = 8;     // deeper pictures carry no colour table

// The picture from the program's resources, else from a file of that name.
static HBITMAP FindPicture(LPCSTR name, int dx, int dy)
{
    HBITMAP hbm = (HBITMAP)LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, dx, dy, DibFlags);
    if (!hbm)
        hbm = (HBITMAP)LoadImageA(nullptr, name, IMAGE_BITMAP, dx, dy, LR_LOADFROMFILE | DibFlags);
    return hbm;
}

IDirectDrawSurface* DDLoadBitmap(IDirectDraw* pdd, LPCSTR szBitmap, int dx, int dy)
{
    HBITMAP hbm = FindPicture(szBitmap, dx, dy);
    if (!hbm)
        return nullptr;
    BITMAP bm;
    GetObjectA(hbm, sizeof bm, &bm);
    DDSURFACEDESC ddsd;
    ZeroMemory(&ddsd, sizeof ddsd);
    ddsd.dwSize = sizeof ddsd;
    ddsd.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    ddsd.dwWidth = bm.bmWidth;
    ddsd.dwHeight = bm.bmHeight;
    IDirectDrawSurface* pdds = nullptr;
    if (pdd->CreateSurface(&ddsd, &pdds, nullptr) != DD_OK) {
        DeleteObject(hbm);
        return nullptr;
    }
    DDCopyBitmap(pdds, hbm, 0, 0, 0, 0);
    DeleteObject(hbm);
    return pdds;
}

HRESULT DDReLoadBitmap(IDirectDrawSurface* pdds, LPCSTR szBitmap)
{
    HBITMAP hbm = FindPicture(szBitmap, 0, 0);
    if (!hbm) {
        OutputDebugStringA("handle is null\n");
        return E_FAIL;
    }
    HRESULT hr = DDCopyBitmap(pdds, hbm, 0, 0, 0, 0);
    if (hr != DD_OK)
        OutputDebugStringA("ddcopybitmap failed\n");
    DeleteObject(hbm);
    return hr;
}

HRESULT DDCopyBitmap(IDirectDrawSurface* pdds, HBITMAP hbm, int x, int y, int dx, int dy)
{
    if (!hbm || !pdds)
        return E_FAIL;
    pdds->Restore();
    HDC hdcImage = CreateCompatibleDC(nullptr);
    if (!hdcImage)
        OutputDebugStringA("createcompatible dc failed\n");
    HGDIOBJ old = SelectObject(hdcImage, hbm);
    BITMAP bm;
    GetObjectA(hbm, sizeof bm, &bm);
    if (dx == 0)
        dx = bm.bmWidth;
    if (dy == 0)
        dy = bm.bmHeight;
    DDSURFACEDESC ddsd;
    ZeroMemory(&ddsd, sizeof ddsd);
    ddsd.dwSize = sizeof ddsd;
    ddsd.dwFlags = DDSD_HEIGHT | DDSD_WIDTH;
    pdds->GetSurfaceDesc(&ddsd);
    HDC hdc;
    HRESULT hr = pdds->GetDC(&hdc);
    if (hr == DD_OK) {
        StretchBlt(hdc, 0, 0, ddsd.dwWidth, ddsd.dwHeight, hdcImage, x, y, dx, dy, SRCCOPY);
        pdds->ReleaseDC(hdc);
    }
    if (hdcImage) {
        SelectObject(hdcImage, old);
        DeleteDC(hdcImage);
    }
    return hr;
}

// Number of colours in the colour table of a picture; 0 for none.
static int TableColours(WORD bits, DWORD used)
{
    if (bits > PalBitsMax)
        return 0;
    int n = used ? (used > (DWORD)PalSize ? PalSize : (int)used) : 1 << bits;
    return n;
}

IDirectDrawPalette* DDLoadPalette(IDirectDraw* pdd, LPCSTR szBitmap)
{
    PALETTEENTRY ape[PalSize];
    for (int i = 0; i < PalSize; i++) {
        ape[i].peRed = (BYTE)(((i >> 5) & 7) * 255 / 7);
        ape[i].peGreen = (BYTE)(((i >> 2) & 7) * 255 / 7);
        ape[i].peBlue = (BYTE)((i & 3) * 255 / 3);
        ape[i].peFlags = 0;
    }
    HRSRC h = FindResourceA(nullptr, szBitmap, (LPCSTR)RT_BITMAP);
    if (h) {
        HGLOBAL g = LoadResource(nullptr, h);
        const BITMAPINFOHEADER* lpbi = g ? (const BITMAPINFOHEADER*)LockResource(g) : nullptr;
        DWORD resSize = SizeofResource(nullptr, h);
        int n = 0;
        if (!lpbi)
            OutputDebugStringA("lock resource failed\n");
        else if (resSize >= sizeof(DWORD) && lpbi->biSize >= (DWORD)InfoHeaderSize &&
                 resSize >= lpbi->biSize)
            n = TableColours(lpbi->biBitCount, lpbi->biClrUsed);
        // The table must lie inside the resource.
        if (n > 0 && (DWORD)n * sizeof(RGBQUAD) > resSize - lpbi->biSize)
            n = (int)((resSize - lpbi->biSize) / sizeof(RGBQUAD));
        if (n > 0) {
            const RGBQUAD* prgb = (const RGBQUAD*)((const BYTE*)lpbi + lpbi->biSize);
            for (int i = 0; i < n; i++) {
                ape[i].peRed = prgb[i].rgbRed;
                ape[i].peGreen = prgb[i].rgbGreen;
                ape[i].peBlue = prgb[i].rgbBlue;
                ape[i].peFlags = 0;
            }
        }
    } else {
        HFILE fh = _lopen(szBitmap, OF_READ);
        if (fh != HFILE_ERROR) {
            BITMAPFILEHEADER bf;
            BITMAPINFOHEADER bi;
            RGBQUAD quads[PalSize];
            _lread(fh, &bf, FileHeaderSize);
            UINT got = _lread(fh, &bi, InfoHeaderSize);
            UINT table = _lread(fh, quads, sizeof quads);
            _lclose(fh);
            int n = got == (UINT)InfoHeaderSize && bi.biSize == (DWORD)InfoHeaderSize
                        ? TableColours(bi.biBitCount, bi.biClrUsed)
                        : 0;
            // Only the colour table: the bytes after it are the picture.
            if (table == (UINT)HFILE_ERROR)
                n = 0;
            else if (n > (int)(table / sizeof(RGBQUAD)))
                n = (int)(table / sizeof(RGBQUAD));
            for (int i = 0; i < n; i++) {
                ape[i].peRed = quads[i].rgbRed;
                ape[i].peGreen = quads[i].rgbGreen;
                ape[i].peBlue = quads[i].rgbBlue;
                ape[i].peFlags = quads[i].rgbReserved;
            }
        }
    }
    IDirectDrawPalette* ddpal = nullptr;
    if (pdd->CreatePalette(DDPCAPS_8BIT, ape, &ddpal, nullptr) != DD_OK)
        return nullptr;
    return ddpal;
}

DWORD DDColorMatch(IDirectDrawSurface* pdds, COLORREF rgb)
{
    COLORREF rgbT = CLR_INVALID;
    DWORD dw = CLR_INVALID;
    HDC hdc;
    if (rgb != CLR_INVALID && pdds->GetDC(&hdc) == DD_OK) {
        rgbT = GetPixel(hdc, 0, 0);
        SetPixel(hdc, 0, 0, rgb);
        pdds->ReleaseDC(hdc);
    }
    DDSURFACEDESC ddsd;
    ZeroMemory(&ddsd, sizeof ddsd);
    ddsd.dwSize = sizeof ddsd;
    HRESULT hr;
    while ((hr = pdds->Lock(nullptr, &ddsd, 0, nullptr)) == DDERR_WASSTILLDRAWING)
        ;
    if (hr == DD_OK) {
        DWORD word;
        memcpy(&word, ddsd.lpSurface, sizeof word);
        dw = word;
        DWORD bits = ddsd.ddpfPixelFormat.dwRGBBitCount;
        if (bits < 32)
            dw &= (1u << bits) - 1;
        pdds->Unlock(nullptr);
    }
    if (rgb != CLR_INVALID && pdds->GetDC(&hdc) == DD_OK) {
        SetPixel(hdc, 0, 0, rgbT);
        pdds->ReleaseDC(hdc);
    }
    return dw;
}

HRESULT DDSetColorKey(IDirectDrawSurface* pdds, COLORREF rgb)
{
    DDCOLORKEY ddck;
    ddck.dwColorSpaceLowValue = DDColorMatch(pdds, rgb);
    ddck.dwColorSpaceHighValue = ddck.dwColorSpaceLowValue;
    return pdds->SetColorKey(DDCKEY_SRCBLT, &ddck);
}
