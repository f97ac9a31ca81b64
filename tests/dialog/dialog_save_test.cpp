// What the configuration dialog keeps: OK writes the registry values and the
// per-user data file; Cancel and the close box write nothing; without the
// installation key nothing can be saved; failures are reported.
#include "dialog_fixture.h"
#include "scrn01/settings/records.h"

#include <aclapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

class DialogSave : public DialogFixture {};

// Set 1 holds a fish count above the slider's range; set 2 is the one edited.
std::string Sets()
{
    return SetLine(1, GenRecord(0, 0, 5, 150, 100, 0, {{1, 0, 50, 100, 0}}),
                   WatRecord({{1, 0}}, 1, 0, 100)) +
           SetLine(2, GenRecord(1, 1, 10, 30, 150, 0, {{2, 0, 60, 120, 5}}),
                   WatRecord({{1, 5}, {1, 6}}, 2, 1, 200)) +
           ProgramLine(1, 1, 2, 0, {1, 2, 2, 1});
}

// A field of a set line's general record, or of its water record.
int Gen(const std::string& line, RecField f)
{
    return atoi(line.substr(3 + f.col - 1, f.width).c_str());
}

int Wat(const std::string& line, RecField f)
{
    return atoi(line.substr(3 + GenByte + f.col - 1, f.width).c_str());
}

// Every file of the installation folder with its bytes.
std::string Folder(const Install& in)
{
    std::string all;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((in.dir + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return all;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            all += std::string(fd.cFileName) + "\n" + ReadFileBytes(in.dir + fd.cFileName) + "\n";
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return all;
}

// A few edits on both pages.
void Edit(Dialog& d)
{
    d.Click(IDC_SETNEXT);
    d.Slide(IDC_PGLBAR, 21, IDC_PGLNO, "21");
    d.Click(IDC_BKCHK0 + 4);
    d.Click(IDC_KINDUP);
    d.Click(IDC_SETADD);
    d.Tab(1);
    d.Click(IDC_HLOW);
    d.Click(IDC_PGRESET);
    d.Click(IDC_GUESTFISH);
    d.Choose(IDC_OTHERMON, 1);
    d.Choose(IDC_PICSCALE, 3);
}

// The per-user key may be read but not written.
void ReadOnlyKey(bool readOnly)
{
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, UserKey, 0, nullptr, 0, WRITE_DAC, nullptr, &k, nullptr))
        return;
    EXPLICIT_ACCESSA ea;
    ZeroMemory(&ea, sizeof ea);
    ea.grfAccessPermissions = readOnly ? KEY_READ : KEY_ALL_ACCESS;
    ea.grfAccessMode = SET_ACCESS;
    ea.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    ea.Trustee.ptstrName = (LPSTR) "EVERYONE";
    PACL acl = nullptr;
    SetEntriesInAclA(1, &ea, nullptr, &acl);
    SetSecurityInfo(k, SE_REGISTRY_KEY,
                    DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                    nullptr, acl, nullptr);
    LocalFree(acl);
    RegCloseKey(k);
}

TEST_F(DialogSave, CancelAndCloseWriteNothingAFailedRegistryWriteIsReported)
{
    Data(Sets());
    {
        // A first OK leaves every value and the per-user file in place.
        Dialog d;
        ASSERT_TRUE(d.Open());
        EXPECT_EQ(d.Ok(), 0u);
    }
    std::string reg = RegDump(HKEY_CURRENT_USER, UserKey);
    std::string files = Folder(in);
    ASSERT_NE(ReadFileBytes(UserDataPath(in)), "");

    for (bool esc : {true, false}) {
        SCOPED_TRACE(esc ? "Esc" : "close box");
        Dialog d;
        ASSERT_TRUE(d.Open());
        Edit(d);
        EXPECT_EQ(esc ? d.Press(VK_ESCAPE) : d.Close(), 0u);
        EXPECT_TRUE(d.reports.empty());
        EXPECT_EQ(RegDump(HKEY_CURRENT_USER, UserKey), reg);
        EXPECT_EQ(Folder(in), files);
    }

    // A per-user key that cannot be written: one report, the data file still saved.
    ReadOnlyKey(true);
    Dialog d;
    ASSERT_TRUE(d.Open());
    d.Click(IDC_SETNEXT);
    d.Slide(IDC_PGLBAR, 27, IDC_PGLNO, "27");
    d.reports.clear();
    EXPECT_EQ(d.Ok(), 0u);
    ReadOnlyKey(false);
    ASSERT_EQ(d.reports.size(), 1u);
    EXPECT_EQ(d.reports[0], "Error Point022 SYSTEM002 Registry Access Error");
    std::vector<std::string> lines = FileLines(ReadFileBytes(UserDataPath(in)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Gen(lines[1], GenPGL), 27);
}

TEST_F(DialogSave, OkSavesEveryEditAndReopeningShowsThem)
{
    Data(Sets());
    UserInt("OtherMonitors", 7);  // a value outside 0..2 is "Same Picture"
    UserInt("PictureScale", 9);   // no scale: follows the display
    std::string shared = ReadFileBytes(SharedDataPath(in));
    {
        Dialog d;
        ASSERT_TRUE(d.Open());
        // Set 1: a stored value outside the slider's range is shown as it is.
        EXPECT_EQ(d.Text(IDC_FISHNO), "150");
        EXPECT_EQ(d.SliderPos(IDC_FISHBAR), 100);

        d.Tab(1);
        ASSERT_TRUE(d.Click(IDC_DIRECTSIZE));  // off: the size sliders can move
        d.Click(IDC_GUESTFISH);
        EXPECT_EQ(d.Chosen(IDC_OTHERMON), 0);
        d.Choose(IDC_OTHERMON, 2);  // "Black"
        EXPECT_EQ(d.Chosen(IDC_PICSCALE), 0);
        d.Choose(IDC_PICSCALE, 3);
        d.Click(IDC_HLOW);
        d.Slide(IDC_SSPEEDBAR, 20, IDC_SSPEEDNO, "20");
        d.Click(IDC_PGREPEAT);
        d.Click(IDC_PGFF);
        d.Click(IDC_PGUP0);
        d.Click(IDC_PGNEXT);

        d.Tab(0);
        ASSERT_TRUE(d.Click(IDC_SETNEXT));
        d.Slide(IDC_PGLBAR, 22, IDC_PGLNO, "22");
        d.Click(IDC_REPANY);
        d.Click(IDC_PGLRND);
        d.Slide(IDC_FISHBAR, 64, IDC_FISHNO, "64");
        d.Slide(IDC_FGSIZBAR, 250, IDC_FGSIZNO, "250");
        d.Slide(IDC_FQUABAR, 33, IDC_FQUANO, "33");
        d.Slide(IDC_FSIZBAR, 321, IDC_FSIZNO, "321");
        d.Slide(IDC_FDISBAR, 12, IDC_FDISNO, "12");
        d.Click(IDC_FREA);
        d.Click(IDC_KINDUP);
        d.Click(IDC_BKCHK0 + 2);
        d.Spin(IDC_BKSPIN0, false);
        d.Click(IDC_BKREPEAT);
        d.Click(IDC_BKFF);
        d.Slide(IDC_BKSPEEDBAR, 250, IDC_BKSPEEDNO, "250");
        // Enter on a control that is not a button is OK.
        SendMessageA(d.dlg, WM_NEXTDLGCTL, (WPARAM)d.Item(IDC_PGLBAR), TRUE);
        EXPECT_EQ(d.Press(VK_RETURN), 0u);
        EXPECT_TRUE(d.reports.empty()) << d.reports[0];
    }

    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "AWYEHDB", 9), 1u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "RSGDBAM", 9), 0u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "ISKJEUH", 9), 0u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "KISJUAK", 9), 20u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "SOIEKMA", 9), 1u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "OtherMonitors", 9), 0u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "PictureScale", 9), 3u);

    EXPECT_EQ(ReadFileBytes(SharedDataPath(in)), shared);
    std::vector<std::string> lines = FileLines(ReadFileBytes(UserDataPath(in)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0] + "\n", FileLines(shared)[0] + "\n");  // set 1 untouched, 150 fish kept
    const std::string& s2 = lines[1];
    ASSERT_EQ(s2.size(), 3u + GenByte + WatByte);
    EXPECT_EQ(Gen(s2, GenPGC), 0);    // Any
    EXPECT_EQ(Gen(s2, GenPGRnd), 0);  // random length off
    EXPECT_EQ(Gen(s2, GenPGL), 22);
    EXPECT_EQ(Gen(s2, GenFish), 64);
    EXPECT_EQ(Gen(s2, GenFGSiz), 250);
    EXPECT_EQ(Gen(s2, PatField(0, PatFno)), 3);  // row 1
    EXPECT_EQ(Gen(s2, PatField(0, PatFrea)), 1);
    EXPECT_EQ(Gen(s2, PatField(0, PatFqua)), 33);
    EXPECT_EQ(Gen(s2, PatField(0, PatFsiz)), 321);
    EXPECT_EQ(Gen(s2, PatField(0, PatFdis)), 12);
    EXPECT_EQ(Wat(s2, WatCC(0)), 6);  // slot 1 one picture further
    EXPECT_EQ(Wat(s2, WatCF(2)), 1);  // slot 3 on
    EXPECT_EQ(Wat(s2, WatCX), 3);     // Repeat
    EXPECT_EQ(Wat(s2, WatCZ), 0);     // From First off
    EXPECT_EQ(Wat(s2, WatCS), 250);
    EXPECT_EQ(lines[2].substr(0, 11), "1002131"
                                      "02"
                                      "02");  // page 2, on, Repeat, From First

    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_EQ(d.Text(IDC_SETNO), "2");
    EXPECT_EQ(d.Text(IDC_PGLNO), "22");
    EXPECT_EQ(d.Text(IDC_FGSIZNO), "250");
    EXPECT_TRUE(d.Checked(IDC_REPANY));
    EXPECT_EQ(d.Text(IDC_FSIZNO), "321");
    EXPECT_TRUE(d.Checked(IDC_FREA));
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FM03N"));
    EXPECT_TRUE(d.Checked(IDC_BKCHK0 + 2));
    EXPECT_TRUE(d.Checked(IDC_BKREPEAT));
    EXPECT_FALSE(d.Checked(IDC_BKFF));
    EXPECT_TRUE(d.Shows(IDC_BKPIC0, "WC07"));
    d.Tab(1);
    EXPECT_FALSE(d.Checked(IDC_DIRECTSIZE));
    EXPECT_TRUE(d.Checked(IDC_GUESTFISH));
    EXPECT_EQ(d.Chosen(IDC_OTHERMON), 2);
    EXPECT_EQ(d.Chosen(IDC_PICSCALE), 3);
    EXPECT_TRUE(d.Checked(IDC_HLOW));
    EXPECT_EQ(d.Text(IDC_SSPEEDNO), "20");
    EXPECT_TRUE(d.Checked(IDC_PGREPEAT));
    EXPECT_TRUE(d.Checked(IDC_PGFF));
    EXPECT_EQ(d.Text(IDC_PGROW0), " 11     12     13     14     15");
    EXPECT_EQ(d.Cancel(), 0u);
}

// Busy-waits ms milliseconds (a sleep is too coarse for a save of a few ms).
void SpinFor(double ms)
{
    LARGE_INTEGER f, t0, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t0);
    do
        QueryPerformanceCounter(&t);
    while ((double)(t.QuadPart - t0.QuadPart) * 1000.0 / (double)f.QuadPart < ms);
}

// The dialog process ended (TerminateProcess) at moments around its save,
// 30 times in a row: the data file always reads back whole, as the old or
// the new settings, and the next dialog opens with what it holds.
TEST_F(DialogSave, OkEndedWhileSavingLeavesTheOldOrTheNewFile)
{
    // Fifty sets: a file of 30 KB, written in several pieces.
    std::string text;
    for (int n = 1; n <= SetMax; n++)
        text += SetLine(n, GenRecord(0, 0, 5, 20, 100, 0, {{1, 0, 50, 100, 0}}),
                        WatRecord({{1, n % 30}}, 1, 0, 100));
    Data(text + ProgramLine(1, 1, 1, 0, {1, 2, 3}));
    {
        Dialog d;
        ASSERT_TRUE(d.Open());
        ASSERT_EQ(d.Ok(), 0u);
    }
    const std::string path = UserDataPath(in), work = in.dir + "DataWork.ini";
    std::string now = ReadFileBytes(path);
    ASSERT_EQ(FileLines(now).size(), SetMax + 1u);
    const size_t pglAt = 3 + GenPGL.col - 1;   // the scene length of set 1

    // The moment of the end follows the moment the file changes.
    double delay = 3;
    unsigned seed = 2024;
    int kept = 0, replaced = 0, workLeft = 0;
    for (int round = 0; round < 30; round++) {
        SCOPED_TRACE("round " + std::to_string(round));
        Dialog d;
        ASSERT_TRUE(d.Open());
        EXPECT_TRUE(d.reports.empty()) << d.reports[0];
        int pgl = atoi(now.substr(pglAt, GenPGL.width).c_str());
        ASSERT_EQ(d.Text(IDC_PGLNO), std::to_string(pgl));
        int next = pgl % 30 + 1;
        d.Slide(IDC_PGLBAR, next, IDC_PGLNO, std::to_string(next));
        std::string want = now;
        want.replace(pglAt, GenPGL.width, Field(next, GenPGL.width));

        seed = seed * 1103515245u + 12345u;
        double wait = delay * (0.25 + (seed >> 16) % 1000 / 666.0);
        PostMessageA(d.dlg, WM_COMMAND, IDOK, 0);
        SpinFor(wait);
        TerminateProcess(d.proc.pi.hProcess, 9);
        ASSERT_EQ(WaitForSingleObject(d.proc.pi.hProcess, 10000), WAIT_OBJECT_0);

        std::string saved = ReadFileBytes(path);
        ASSERT_TRUE(saved == now || saved == want) << saved.size() << " bytes";
        workLeft += GetFileAttributesA(work.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (saved == now) {
            kept++;
            delay = delay * 1.5 + 0.5;
        } else {
            replaced++;
            delay *= 0.6;
        }
        now = saved;
    }
    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_EQ(d.Text(IDC_PGLNO), std::to_string(atoi(now.substr(pglAt, GenPGL.width).c_str())));
    EXPECT_EQ(d.Ok(), 0u);
    EXPECT_TRUE(d.reports.empty()) << d.reports[0];
    EXPECT_EQ(ReadFileBytes(path), now);
    printf("ended OKs: %d kept the old file, %d had saved the new one, %d left the work file\n",
           kept, replaced, workLeft);
}

TEST_F(DialogSave, WithoutTheInstallationKeyNothingCanBeSaved)
{
    RegDropKey(HKEY_CLASSES_ROOT, InstallKey);
    Dialog d;
    ASSERT_TRUE(d.Open());
    // The data file is looked for beside the program and is not there.
    ASSERT_EQ(d.reports.size(), 1u);
    EXPECT_EQ(d.reports[0].rfind("Error Point003 SYSTEM012 System File Not Found!", 0), 0u)
        << d.reports[0];
    EXPECT_FALSE(d.Enabled(IDOK));
    EXPECT_FALSE(d.Click(IDOK));
    EXPECT_EQ(d.Cancel(), 0u);
    EXPECT_EQ(RegDump(HKEY_CURRENT_USER, UserKey), "");
}

// The colours inside a button's frame other than the black of its arrow:
// only the face's when the arrow has no patch around it. Empty without an arrow.
std::set<DWORD> FaceColours(const Dialog& d, int id)
{
    HWND b = d.Item(id);
    RECT rc;
    GetClientRect(b, &rc);
    POINT o = {0, 0};
    ClientToScreen(b, &o);
    const int frame = 3;
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> px =
        Grab(screen, o.x + frame, o.y + frame, rc.right - 2 * frame, rc.bottom - 2 * frame);
    ReleaseDC(nullptr, screen);
    std::set<DWORD> face;
    bool arrow = false;
    for (DWORD p : px) {
        if ((p & 0xC0C0C0) == 0)
            arrow = true;
        else
            face.insert(p);
    }
    return arrow ? face : std::set<DWORD>();
}

// The focus after each Tab (or Shift+Tab) until it is back where it started;
// -1 for a hidden or disabled control.
std::vector<int> TabWalk(Dialog& d, bool back)
{
    std::vector<int> ids;
    HWND start = d.Focus();
    for (int i = 0; i < 100; i++) {
        if (back)
            d.Keys({VK_SHIFT, VK_TAB});
        else
            d.Keys({VK_TAB});
        HWND f = d.Focus();
        ids.push_back(IsWindowVisible(f) && IsWindowEnabled(f) ? GetDlgCtrlID(f) : -1);
        if (f == start)
            break;
    }
    return ids;
}

// The walk back is the walk forward reversed.
std::vector<int> Reversed(const std::vector<int>& walk)
{
    std::vector<int> r(walk.rbegin() + 1, walk.rend());
    r.push_back(walk.back());
    return r;
}

TEST_F(DialogSave, KeysAloneShowAndSaveWhatTheSaverUses)
{
    // Digits other than 0 and 1, which the saver takes as off: Real Number of
    // row 1, back-colour slot 2 and Program On; Guest Fish in the registry.
    Data(SetLine(1, GenRecord(0, 0, 5, 20, 100, 0, {{1, 2, 50, 100, 0}}),
                 WatRecord({{1, 0}, {2, 3}}, 2, 0, 100)) +
         SetLine(2, GenRecord(1, 1, 10, 30, 150, 0, {{2, 0, 60, 120, 5}}),
                 WatRecord({{1, 5}, {1, 6}}, 2, 1, 200)) +
         ProgramLine(1, 2, 2, 0, {1, 2}));
    UserInt("SOIEKMA", 2);
    Dialog d;
    ASSERT_TRUE(d.Open());
    ASSERT_TRUE(d.Foreground());
    EXPECT_FALSE(d.Checked(IDC_FREA));
    EXPECT_FALSE(d.Checked(IDC_BKCHK0 + 1));
    EXPECT_FALSE(d.Enabled(IDC_BKROUND));  // one slot in use
    // The program is off, so the scene length is disabled: the focus went on.
    EXPECT_EQ(d.Focus(), d.Item(IDC_ROWNEXT));

    // The stepping arrows lie on the button's own face, also when pressed.
    for (int id : {IDC_SETNEXT, IDC_KINDUP}) {
        std::set<DWORD> plain = FaceColours(d, id);
        EXPECT_EQ(plain.size(), 1u) << id;
        SendMessageA(d.Item(id), BM_SETSTATE, TRUE, 0);
        WaitUntil([&] { return FaceColours(d, id) != plain; }, 3000);
        EXPECT_EQ(FaceColours(d, id).size(), 1u) << id;
        SendMessageA(d.Item(id), BM_SETSTATE, FALSE, 0);
    }

    // Ctrl+Tab turns the page; Space ticks Program On and Guest Fish.
    d.Keys({VK_CONTROL, VK_TAB});
    EXPECT_TRUE(d.Visible(IDC_PGON));
    EXPECT_EQ(d.Focus(), d.Item(IDC_DIRECTSIZE));
    EXPECT_FALSE(d.Checked(IDC_PGON));
    EXPECT_FALSE(d.Checked(IDC_GUESTFISH));
    d.Keys({VK_SHIFT, VK_TAB});
    d.Keys({VK_SPACE});
    EXPECT_TRUE(d.Checked(IDC_PGON));
    d.Keys({VK_TAB});
    d.Keys({VK_TAB});
    d.Keys({VK_SPACE});
    EXPECT_TRUE(d.Checked(IDC_GUESTFISH));

    // Tab reaches every enabled control of the page in reading order, the
    // checked radio button of each set, and nothing hidden.
    // clang-format off
    std::vector<int> general = {
        IDC_PGUP0, IDC_PGDOWN0, IDC_PGDOWN0 + 1, IDC_PGUP0 + 2, IDC_PGUP0 + 3, IDC_PGUP0 + 4,
        IDC_PGUP0 + 5, IDC_PGUP0 + 6, IDC_PGUP0 + 7, IDC_PGUP0 + 8, IDC_PGUP0 + 9,
        IDC_PGRESET, IDC_PGNEXT, IDC_PGROUND, IDC_PGFF,
        IDC_HMIDUM, IDC_SSPEEDBAR, IDC_PICSCALE, IDC_OTHERMON,
        IDOK, IDCANCEL, IDC_TAB,
        IDC_PGON, IDC_DIRECTSIZE, IDC_GUESTFISH,
    };
    // clang-format on
    std::vector<int> walk = TabWalk(d, false);
    EXPECT_EQ(walk, general);
    EXPECT_EQ(TabWalk(d, true), Reversed(walk));

    // A slot's up button at the end of its range hands the focus to the
    // slot's down button; the arrow keys choose within a set of radio buttons.
    d.FocusTo(IDC_PGUP0);
    d.Keys({VK_SPACE});
    EXPECT_EQ(d.Text(IDC_PGSLOT0), "2");
    EXPECT_EQ(d.Focus(), d.Item(IDC_PGDOWN0));
    d.FocusTo(IDC_PGROUND);
    d.Keys({VK_RIGHT});
    EXPECT_TRUE(d.Checked(IDC_PGREPEAT));
    // The down key chooses the next picture scale, and one aquarium.
    d.FocusTo(IDC_PICSCALE);
    d.Keys({VK_DOWN});
    EXPECT_EQ(d.Chosen(IDC_PICSCALE), 1);
    d.FocusTo(IDC_OTHERMON);
    d.Keys({VK_DOWN});
    EXPECT_EQ(d.Chosen(IDC_OTHERMON), 1);

    // Back to the Section page, on the scene length, now enabled.
    d.Keys({VK_CONTROL, VK_SHIFT, VK_TAB});
    EXPECT_TRUE(d.Visible(IDC_PGLBAR));
    EXPECT_EQ(d.Focus(), d.Item(IDC_PGLBAR));
    // clang-format off
    std::vector<int> section = {
        IDC_REPANY,
        IDC_ROWNEXT, IDC_KINDDOWN, IDC_KINDUP, IDC_FREA, IDC_FQUABAR,
        IDC_FISHBAR,
        IDC_BKCHK0, IDC_BKSPIN0, IDC_BKCHK0 + 1, IDC_BKSPIN0 + 1, IDC_BKCHK0 + 2, IDC_BKSPIN0 + 2,
        IDC_BKCHK0 + 3, IDC_BKSPIN0 + 3, IDC_BKCHK0 + 4, IDC_BKSPIN0 + 4, IDC_BKCHK0 + 5,
        IDC_BKSPIN0 + 5, IDC_BKCHK0 + 6, IDC_BKSPIN0 + 6, IDC_BKCHK0 + 7, IDC_BKSPIN0 + 7,
        IDC_BKCHK0 + 8, IDC_BKSPIN0 + 8, IDC_BKCHK0 + 9, IDC_BKSPIN0 + 9,
        IDOK, IDCANCEL, IDC_TAB,
        IDC_SETNEXT, IDC_SETDEL, IDC_PGLRND, IDC_PGLBAR,
    };
    // clang-format on
    walk = TabWalk(d, false);
    EXPECT_EQ(walk, section);
    EXPECT_EQ(TabWalk(d, true), Reversed(walk));

    // Space ticks Real Number, the down key steps slot 1's picture, and the
    // right key with Enter at once lengthens the scene and saves.
    d.FocusTo(IDC_FREA);
    d.Keys({VK_SPACE});
    EXPECT_TRUE(d.Checked(IDC_FREA));
    d.FocusTo(IDC_BKSPIN0);
    d.Keys({VK_DOWN});
    EXPECT_TRUE(d.Shows(IDC_BKPIC0, "WC02"));
    d.FocusTo(IDC_PGLBAR);
    EXPECT_EQ(d.Text(IDC_PGLNO), "5");
    d.Keys({VK_RIGHT, VK_RETURN}, true);
    EXPECT_EQ(d.Ended(), 0u);
    EXPECT_TRUE(d.reports.empty()) << d.reports[0];

    std::vector<std::string> lines = FileLines(ReadFileBytes(UserDataPath(in)));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Gen(lines[0], GenPGL), 6);
    EXPECT_EQ(Gen(lines[0], PatField(0, PatFrea)), 1);
    EXPECT_EQ(Wat(lines[0], WatCF(1)), 0);
    EXPECT_EQ(Wat(lines[0], WatCC(0)), 1);
    EXPECT_EQ(lines[2].substr(0, 11), "1001130"
                                      "02"
                                      "02");  // on, Repeat; slot 1 stepped
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "SOIEKMA", 9), 1u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "ISKJEUH", 9), 1u);  // Tab chose no height
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "PictureScale", 9), 1u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "OtherMonitors", 9), 2u);
}

// Writes every resource of module src into the file dst except the bitmap
// named skip. (Deleting one resource in place leaves it there under Wine 8,
// so the copy gets all its resources anew.)
struct Rebuild {
    HMODULE src;
    HANDLE up;
    const char* skip;
    int written;
};

BOOL CALLBACK RebuildLang(HMODULE m, LPCSTR type, LPCSTR name, WORD lang, LONG_PTR p)
{
    Rebuild* r = (Rebuild*)p;
    if (type == RT_BITMAP && !IS_INTRESOURCE(name) && lstrcmpiA(name, r->skip) == 0)
        return TRUE;
    HRSRC res = FindResourceExA(m, type, name, lang);
    void* data = LockResource(LoadResource(m, res));
    if (UpdateResourceA(r->up, type, name, lang, data, SizeofResource(m, res)))
        r->written++;
    return TRUE;
}

BOOL CALLBACK RebuildName(HMODULE m, LPCSTR type, LPSTR name, LONG_PTR p)
{
    EnumResourceLanguagesA(m, type, name, RebuildLang, p);
    return TRUE;
}

BOOL CALLBACK RebuildType(HMODULE m, LPSTR type, LONG_PTR p)
{
    EnumResourceNamesA(m, type, RebuildName, p);
    return TRUE;
}

bool CopyWithoutBitmap(const std::string& from, const std::string& to, const char* skip)
{
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
        return false;
    HMODULE src = LoadLibraryExA(from.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!src)
        return false;
    Rebuild r{src, BeginUpdateResourceA(to.c_str(), TRUE), skip, 0};
    bool ok = r.up && EnumResourceTypesA(src, RebuildType, (LONG_PTR)&r) &&
              EndUpdateResourceA(r.up, FALSE) && r.written > 0;
    FreeLibrary(src);
    return ok;
}

TEST_F(DialogSave, MissingButtonMarkGivesOneReportAndTheDialogOpens)
{
    std::string copy = in.dir + "NoB03.scr";
    ASSERT_TRUE(CopyWithoutBitmap(ScrPath(), copy, "B03"));
    HMODULE mod = LoadLibraryExA(copy.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(mod, nullptr);
    EXPECT_EQ(FindResourceA(mod, "B03", (LPCSTR)RT_BITMAP), nullptr);
    EXPECT_NE(FindResourceA(mod, "B04", (LPCSTR)RT_BITMAP), nullptr);
    FreeLibrary(mod);

    Data(Sets());
    Dialog d;
    ASSERT_TRUE(d.Open(copy));
    ASSERT_EQ(d.reports.size(), 1u);
    EXPECT_EQ(d.reports[0], "Error Point013 SYSTEM005 Bottan Mark Nothing!( B03 )");
    for (int id : {IDC_SETNEXT, IDC_ROWNEXT, IDC_PGUP0, IDC_PGUP0 + 9})
        EXPECT_EQ(d.ButtonImage(id), nullptr) << id;
    for (int id :
         {IDC_SETPREV, IDC_ROWPREV, IDC_PGDOWN0, IDC_KINDUP, IDC_KINDDOWN, IDC_PGPREV, IDC_PGNEXT})
        EXPECT_NE(d.ButtonImage(id), nullptr) << id;
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FM01"));
    EXPECT_EQ(d.Cancel(), 0u);
}

}  // namespace
