#include "dialog_harness.h"

#include <commctrl.h>

#include <cstdio>

const char UserKey[] = "Control Panel\\Screen Saver.PondelHarbor";
const char InstallKey[] = "Software\\PondelHarbor";
static const char ReportCaption[] = "PondelHarbor";

// ---- Installation ----

Install MakeInstall(const char* tag, int fullScreenFlg, int backColorsFlg)
{
    char tmp[MAX_PATH];
    GetTempPathA(sizeof tmp, tmp);
    Install in;
    in.dir = std::string(tmp) + "phdlg-" + tag + "\\";
    DropInstall(in);
    CreateDirectoryA(in.dir.c_str(), nullptr);
    RegPutString(HKEY_CLASSES_ROOT, InstallKey, "Directory", in.dir.c_str());
    RegPutDword(HKEY_CLASSES_ROOT, InstallKey, "FullScreenFlg", (DWORD)fullScreenFlg);
    RegPutDword(HKEY_CLASSES_ROOT, InstallKey, "BackColorsFlg", (DWORD)backColorsFlg);
    return in;
}

void DropInstall(const Install& in)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((in.dir + "*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string f = in.dir + fd.cFileName;
            SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(f.c_str());
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryA(in.dir.c_str());
    RegDropKey(HKEY_CLASSES_ROOT, InstallKey);
    RegDropKey(HKEY_CURRENT_USER, UserKey);
}

std::string SharedDataPath(const Install& in)
{
    return in.dir + "PondelData.ini";
}

std::string UserDataPath(const Install& in)
{
    char user[256] = "Default";
    DWORD n = sizeof user;
    if (!GetUserNameA(user, &n))
        lstrcpyA(user, "Default");
    return in.dir + user + "PondelData.ini";
}

std::string ReadFileBytes(const std::string& path)
{
    std::string s;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f)
        return s;
    char b[4096];
    size_t n;
    while ((n = fread(b, 1, sizeof b, f)) > 0)
        s.append(b, n);
    fclose(f);
    return s;
}

std::vector<std::string> FileLines(const std::string& text)
{
    std::vector<std::string> out;
    size_t from = 0, nl;
    while ((nl = text.find('\n', from)) != std::string::npos) {
        size_t end = nl > from && text[nl - 1] == '\r' ? nl - 1 : nl;
        out.push_back(text.substr(from, end - from));
        from = nl + 1;
    }
    return out;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return;
    fwrite(bytes.data(), 1, bytes.size(), f);
    fclose(f);
}

std::string RegDump(HKEY root, const char* path)
{
    HKEY k;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &k) != ERROR_SUCCESS)
        return "";
    std::string out;
    for (DWORD i = 0;; i++) {
        char name[256];
        BYTE data[1024];
        DWORD nn = sizeof name, dn = sizeof data, type = 0;
        if (RegEnumValueA(k, i, name, &nn, nullptr, &type, data, &dn) != ERROR_SUCCESS)
            break;
        out += std::string(name) + "=" + std::to_string(type) + ":";
        for (DWORD j = 0; j < dn; j++) {
            char hex[4];
            snprintf(hex, sizeof hex, "%02x", data[j]);
            out += hex;
        }
        out += "\n";
    }
    RegCloseKey(k);
    return out;
}

// ---- Reports ----

struct ReportScan {
    DWORD pid;
    std::vector<HWND> boxes;
};

static BOOL CALLBACK FindReports(HWND h, LPARAM lp)
{
    ReportScan* s = (ReportScan*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    char title[64] = "";
    GetWindowTextA(h, title, sizeof title);
    if (pid == s->pid && IsWindowVisible(h) && lstrcmpA(title, ReportCaption) == 0)
        s->boxes.push_back(h);
    return TRUE;
}

static BOOL CALLBACK StaticText(HWND h, LPARAM lp)
{
    char cls[32] = "", text[512] = "";
    GetClassNameA(h, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(h, text, sizeof text) > 0)
        *(std::string*)lp += text;
    return TRUE;
}

int TakeReports(DWORD pid, std::vector<std::string>& into)
{
    ReportScan s{pid, {}};
    EnumWindows(FindReports, (LPARAM)&s);
    for (HWND box : s.boxes) {
        std::string text;
        EnumChildWindows(box, StaticText, (LPARAM)&text);
        into.push_back(text);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    if (!s.boxes.empty())
        PumpFor(150);  // let the box go before the next look
    return (int)s.boxes.size();
}

// ---- Dialog ----

Dialog::~Dialog()
{
    EndProc(proc);
}

bool Dialog::Open(const std::string& exe)
{
    exePath = exe.empty() ? ScrPath() : exe;
    proc = StartProc("/c", exePath);
    if (!proc.started)
        return false;
    DWORD pid = proc.pi.dwProcessId;
    WaitUntil(
        [&] {
            TakeReports(pid, reports);
            HWND h = nullptr;
            while ((h = FindWindowExA(nullptr, h, "#32770", nullptr)) != nullptr) {
                DWORD owner = 0;
                GetWindowThreadProcessId(h, &owner);
                if (owner == pid && IsWindowVisible(h) && GetDlgItem(h, IDC_TAB)) {
                    dlg = h;
                    return true;
                }
            }
            return false;
        },
        20000);
    Settle();
    return dlg != nullptr;
}

DWORD Dialog::Finish(HWND to, UINT msg, WPARAM w)
{
    PostMessageA(to, msg, w, 0);
    return Ended();
}

DWORD Dialog::Ended()
{
    DWORD code = STILL_ACTIVE;
    WaitUntil(
        [&] {
            TakeReports(proc.pi.dwProcessId, reports);
            return WaitForSingleObject(proc.pi.hProcess, 0) == WAIT_OBJECT_0;
        },
        20000);
    GetExitCodeProcess(proc.pi.hProcess, &code);
    EndProc(proc);
    dlg = nullptr;
    return code;
}

DWORD Dialog::Ok()
{
    return Finish(dlg, WM_COMMAND, IDOK);
}

DWORD Dialog::Cancel()
{
    return Finish(dlg, WM_COMMAND, IDCANCEL);
}

DWORD Dialog::Close()
{
    return Finish(dlg, WM_CLOSE, 0);
}

DWORD Dialog::Press(WORD vk)
{
    return Finish(Focus(), WM_KEYDOWN, vk);
}

void Dialog::Settle() const
{
    // A message sent across threads is answered only once the dialog's
    // thread looks at its queue again; a second one then finds posted work done.
    for (int i = 0; i < 3; i++) {
        DWORD_PTR r;
        SendMessageTimeoutA(dlg, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &r);
        PumpFor(30);
    }
}

HWND Dialog::Item(int id) const
{
    return GetDlgItem(dlg, id);
}

std::string Dialog::Text(int id) const
{
    char b[256] = "";
    GetWindowTextA(Item(id), b, sizeof b);
    return b;
}

bool Dialog::Checked(int id) const
{
    return SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Dialog::Visible(int id) const
{
    return IsWindowVisible(Item(id)) != 0;
}

bool Dialog::Enabled(int id) const
{
    return IsWindowEnabled(Item(id)) != 0;
}

HWND Dialog::Focus() const
{
    GUITHREADINFO gi;
    ZeroMemory(&gi, sizeof gi);
    gi.cbSize = sizeof gi;
    GetGUIThreadInfo(proc.pi.dwThreadId, &gi);
    return gi.hwndFocus;
}

bool Dialog::Click(int id)
{
    HWND h = Item(id);
    if (!h || !IsWindowVisible(h) || !IsWindowEnabled(h))
        return false;
    DWORD_PTR r;
    SendMessageTimeoutA(h, BM_CLICK, 0, 0, SMTO_NORMAL, 10000, &r);
    Settle();
    return true;
}

void Dialog::Tab(int item)
{
    DWORD_PTR r;
    SendMessageTimeoutA(Item(IDC_TAB), TCM_SETCURFOCUS, (WPARAM)item, 0, SMTO_NORMAL, 5000, &r);
    Settle();
}

void Dialog::Key(WORD vk)
{
    HWND f = Focus();
    PostMessageA(f, WM_KEYDOWN, vk, 1);
    PostMessageA(f, WM_KEYUP, vk, 0xC0000001);
    Settle();
}

bool Dialog::Foreground() const
{
    SetForegroundWindow(dlg);
    return WaitUntil([&] { return GetForegroundWindow() == dlg; }, 3000);
}

void Dialog::Keys(std::initializer_list<WORD> keys, bool apart)
{
    std::vector<INPUT> down, in;
    for (WORD vk : keys) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        down.push_back(i);
    }
    for (const INPUT& i : down) {
        in.push_back(i);
        if (apart) {
            in.push_back(i);
            in.back().ki.dwFlags = KEYEVENTF_KEYUP;
        }
    }
    for (size_t k = down.size(); !apart && k-- > 0;) {
        in.push_back(down[k]);
        in.back().ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput((UINT)in.size(), in.data(), sizeof in[0]);
    Settle();
}

void Dialog::FocusTo(int id)
{
    DWORD_PTR r;
    SendMessageTimeoutA(dlg, WM_NEXTDLGCTL, (WPARAM)Item(id), TRUE, SMTO_NORMAL, 5000, &r);
    Settle();
}

void Dialog::Slide(int id, int pos, int numId, const std::string& expect)
{
    DWORD_PTR r;
    SendMessageTimeoutA(Item(id), TBM_SETPOS, TRUE, pos, SMTO_NORMAL, 5000, &r);
    WaitUntil([&] { return Text(numId) == expect; }, 3000);
    Settle();
}

int Dialog::SliderPos(int id) const
{
    return (int)SendMessageA(Item(id), TBM_GETPOS, 0, 0);
}

int Dialog::SliderMin(int id) const
{
    return (int)SendMessageA(Item(id), TBM_GETRANGEMIN, 0, 0);
}

int Dialog::SliderMax(int id) const
{
    return (int)SendMessageA(Item(id), TBM_GETRANGEMAX, 0, 0);
}

void Dialog::Spin(int id, bool up)
{
    HWND h = Item(id);
    RECT rc;
    GetClientRect(h, &rc);
    LPARAM at = MAKELPARAM(rc.right / 2, up ? rc.bottom / 4 : rc.bottom * 3 / 4);
    PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(h, WM_LBUTTONUP, 0, at);
    Settle();
}

void Dialog::Choose(int id, int i)
{
    SendMessageA(Item(id), CB_SETCURSEL, (WPARAM)i, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), (LPARAM)Item(id));
    Settle();
}

int Dialog::Chosen(int id) const
{
    return (int)SendMessageA(Item(id), CB_GETCURSEL, 0, 0);
}

int Dialog::SpinPos(int id) const
{
    return (short)LOWORD(SendMessageA(Item(id), UDM_GETPOS, 0, 0));
}

HANDLE Dialog::ButtonImage(int id) const
{
    return (HANDLE)SendMessageA(Item(id), BM_GETIMAGE, IMAGE_ICON, 0);
}

bool Dialog::Shows(int id, const char* name) const
{
    // The dialog may not have painted yet on a busy machine.
    return WaitUntil([&] { return ShowsNow(id, name); }, 3000);
}

bool Dialog::ShowsNow(int id, const char* name) const
{
    HMODULE mod = LoadLibraryExA(exePath.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    HBITMAP bm =
        mod ? (HBITMAP)LoadImageA(mod, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION) : nullptr;
    if (mod)
        FreeLibrary(mod);
    if (!bm)
        return false;
    BITMAP info;
    GetObjectA(bm, sizeof info, &info);
    int bw = info.bmWidth, bh = info.bmHeight;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(mem, bm);
    std::vector<DWORD> want = Grab(mem, 0, 0, bw, bh);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bm);

    RECT rc;
    GetClientRect(Item(id), &rc);
    POINT o = {0, 0};
    ClientToScreen(Item(id), &o);
    int cw = rc.right, ch = rc.bottom;
    std::vector<DWORD> got = Grab(screen, o.x, o.y, cw, ch);
    ReleaseDC(nullptr, screen);

    // The picture sits centred or at the top left, and a picture larger than
    // the control is cut: try every placement, comparing what both cover.
    int loX = bw > cw ? cw - bw : 0, hiX = bw > cw ? 0 : cw - bw;
    int loY = bh > ch ? ch - bh : 0, hiY = bh > ch ? 0 : ch - bh;
    for (int dy = loY; dy <= hiY; dy++)
        for (int dx = loX; dx <= hiX; dx++) {
            int same = 0, seen = 0;
            for (int y = 0; y < bh; y++)
                for (int x = 0; x < bw; x++) {
                    int sx = dx + x, sy = dy + y;
                    if (sx < 0 || sy < 0 || sx >= cw || sy >= ch)
                        continue;
                    seen++;
                    same += got[(size_t)sy * cw + sx] == want[(size_t)y * bw + x];
                }
            if (seen * 2 >= bw * bh / 2 && same * 100 >= seen * 98)
                return true;
        }
    return false;
}
