// The configuration dialog of the real .scr, started with /c in a scratch
// installation and driven from this process as a user or outside program can.
#include "dialog_fixture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class DialogTest : public DialogFixture {};

const char OnlyKindOneOwned[] = "10000000000000000000000000000000000";

// Three sets told apart by their length, fish and colours; a program naming them.
std::string ThreeSets()
{
    return SetLine(1, GenRecord(0, 0, 5, 20, 100, 0, {{1, 0, 50, 100, 0}}),
                   WatRecord({{1, 0}}, 1, 0, 100)) +
           SetLine(2, GenRecord(1, 1, 10, 30, 150, 0, {{2, 0, 60, 120, 5}}),
                   WatRecord({{1, 5}, {1, 6}}, 2, 1, 200)) +
           SetLine(3, GenRecord(0, 0, 15, 40, 200, 0, {{3, 1, 70, 140, 10}}),
                   WatRecord({{1, 9}}, 1, 0, 300)) +
           ProgramLine(1, 1, 2, 0, {1, 2, 3, 3, 2, 1});
}

std::string SlotTexts(const Dialog& d, int n)
{
    std::string s;
    for (int k = 0; k < n; k++)
        s += (k ? "," : "") + d.Text(IDC_PGSLOT0 + k);
    return s;
}

TEST_F(DialogTest, OpeningTextsPagesFocusAndRanges)
{
    WriteFileBytes(in.dir + "PondelSet.ini", "00100My Aquarium\n00059Plus\n");
    Data(ThreeSets());
    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_TRUE(d.reports.empty()) << d.reports[0];

    char caption[64] = "";
    GetWindowTextA(d.dlg, caption, sizeof caption);
    EXPECT_STREQ(caption, "My Aquarium");
    // The run-time texts that differ from the template's own, and the kept ones.
    // clang-format off
    static const struct { int id; const char* text; } texts[] = {
        {1084, "Big   (300)"},  {1076, "High"},         {1091, "Fast  (1)"},
        {1111, "Random(-3to+3)"}, {1149, "Short (1)"},  {1181, "Small  (1)"},
        {1182, "Many"},         {1177, "Fish Classification"}, {1118, "Many (100)"},
        {1087, "Big  (200)"},   {1089, "Small (0)"},    {1090, "Big  (50)"},
        {1119, "Fast  (50)"},   {1210, "Plus"},         {1211, "DLT"},
        {1, "OK"},              {1183, "No."},          {1116, "(100)"},
        {1212, "1"},            {1221, "10"},
    };
    // clang-format on
    for (const auto& t : texts)
        EXPECT_EQ(d.Text(t.id), t.text) << t.id;

    // Section page up, the focus on the scene length.
    EXPECT_TRUE(d.Visible(IDC_PGLBAR));
    EXPECT_TRUE(d.Visible(IDC_SETADD));
    EXPECT_TRUE(d.Visible(IDC_BKSPIN0 + 9));
    EXPECT_FALSE(d.Visible(IDC_PGON));
    EXPECT_FALSE(d.Visible(IDC_PGSLOT0));
    EXPECT_EQ(d.Focus(), d.Item(IDC_PGLBAR));
    // The keyboard moves the focused slider and its number follows.
    d.Key(VK_RIGHT);
    WaitUntil([&] { return d.Text(IDC_PGLNO) == "6"; }, 2000);
    EXPECT_EQ(d.Text(IDC_PGLNO), "6");

    d.Tab(1);
    EXPECT_TRUE(d.Visible(IDC_PGON));
    EXPECT_TRUE(d.Visible(IDC_PGDOWN0 + 9));
    EXPECT_TRUE(d.Visible(IDC_GUESTFISH));
    EXPECT_TRUE(d.Visible(IDC_HFULL));
    EXPECT_FALSE(d.Visible(IDC_PGLBAR));
    EXPECT_FALSE(d.Visible(IDC_SETADD));
    EXPECT_FALSE(d.Visible(IDC_BKPIC0));
    EXPECT_EQ(d.Focus(), d.Item(IDC_DIRECTSIZE));

    // The tab already shown: nothing moves.
    SendMessageA(d.dlg, WM_NEXTDLGCTL, (WPARAM)d.Item(IDC_PGON), TRUE);
    d.Tab(1);
    EXPECT_EQ(d.Focus(), d.Item(IDC_PGON));
    EXPECT_TRUE(d.Visible(IDC_PGON));

    d.Tab(0);
    EXPECT_TRUE(d.Visible(IDC_FISHMARK));
    EXPECT_FALSE(d.Visible(IDC_HLOW));
    EXPECT_EQ(d.Focus(), d.Item(IDC_PGLBAR));

    static const struct {
        int id, lo, hi;
    } ranges[] = {
        {IDC_PGLBAR, 1, 30},      {IDC_FISHBAR, 1, 100},  {IDC_FGSIZBAR, 50, 300},
        {IDC_FQUABAR, 0, 100},    {IDC_FSIZBAR, 50, 500}, {IDC_FDISBAR, 0, 50},
        {IDC_BKSPEEDBAR, 1, 500}, {IDC_SSPEEDBAR, 1, 50},
    };
    for (const auto& r : ranges) {
        EXPECT_EQ(d.SliderMin(r.id), r.lo) << r.id;
        EXPECT_EQ(d.SliderMax(r.id), r.hi) << r.id;
    }
    DWORD spin = (DWORD)SendMessageA(d.Item(IDC_BKSPIN0 + 4), UDM_GETRANGE, 0, 0);
    EXPECT_EQ(LOWORD(spin), 0);   // upper end
    EXPECT_EQ(HIWORD(spin), 31);  // lower end
    EXPECT_EQ(d.Cancel(), 0u);
}

TEST_F(DialogTest, SetsNavigateAddAndDeleteWithTheProgram)
{
    Data(ThreeSets());
    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_EQ(d.Text(IDC_SETNO), "1");
    EXPECT_EQ(d.Text(IDC_PGLNO), "5");
    EXPECT_FALSE(d.Enabled(IDC_SETPREV));
    EXPECT_TRUE(d.Enabled(IDC_SETNEXT));
    EXPECT_FALSE(d.Enabled(IDC_SETADD));
    EXPECT_TRUE(d.Enabled(IDC_SETDEL));

    ASSERT_TRUE(d.Click(IDC_SETNEXT));
    EXPECT_EQ(d.Text(IDC_SETNO), "2");
    EXPECT_EQ(d.Text(IDC_PGLNO), "10");
    EXPECT_EQ(d.Text(IDC_FISHNO), "30");
    EXPECT_EQ(d.Text(IDC_FGSIZNO), "150");
    EXPECT_TRUE(d.Checked(IDC_REPLUMP));
    EXPECT_TRUE(d.Checked(IDC_PGLRND));
    EXPECT_TRUE(d.Checked(IDC_BKCHK0 + 1));
    EXPECT_TRUE(d.Checked(IDC_BKROUND));
    EXPECT_EQ(d.Text(IDC_BKSPEEDNO), "200");
    EXPECT_EQ(d.SpinPos(IDC_BKSPIN0 + 1), 6);
    EXPECT_TRUE(d.Enabled(IDC_SETPREV));

    ASSERT_TRUE(d.Click(IDC_SETNEXT));
    EXPECT_EQ(d.Text(IDC_SETNO), "3");
    EXPECT_FALSE(d.Enabled(IDC_SETNEXT));
    EXPECT_TRUE(d.Enabled(IDC_SETADD));
    EXPECT_TRUE(d.Checked(IDC_FREA));
    EXPECT_FALSE(d.Checked(IDC_BKCHK0 + 1));

    // An edit survives leaving the set and coming back.
    d.Slide(IDC_PGLBAR, 25, IDC_PGLNO, "25");
    d.Click(IDC_SETPREV);
    EXPECT_EQ(d.Text(IDC_PGLNO), "10");
    d.Click(IDC_SETNEXT);
    EXPECT_EQ(d.Text(IDC_PGLNO), "25");

    // Add: a fourth set with the defaults; the slots may now name it.
    EXPECT_FALSE(d.Enabled(IDC_PGUP0 + 2));
    ASSERT_TRUE(d.Click(IDC_SETADD));
    EXPECT_EQ(d.Text(IDC_SETNO), "4");
    EXPECT_EQ(d.Text(IDC_PGLNO), "3");
    EXPECT_EQ(d.Text(IDC_FISHNO), "1");
    EXPECT_TRUE(d.Enabled(IDC_SETADD));  // the last set is current
    EXPECT_FALSE(d.Enabled(IDC_SETNEXT));
    EXPECT_TRUE(d.Enabled(IDC_PGUP0 + 2));

    // Delete the last: the one before it is current again.
    ASSERT_TRUE(d.Click(IDC_SETDEL));
    EXPECT_EQ(d.Text(IDC_SETNO), "3");
    EXPECT_EQ(d.Text(IDC_PGLNO), "25");
    EXPECT_FALSE(d.Enabled(IDC_PGUP0 + 2));

    // Delete a middle set: the later one moves into its place, the program follows.
    d.Click(IDC_SETPREV);
    ASSERT_TRUE(d.Click(IDC_SETDEL));
    EXPECT_EQ(d.Text(IDC_SETNO), "2");
    EXPECT_EQ(d.Text(IDC_PGLNO), "25");
    EXPECT_EQ(SlotTexts(d, 7), "1,Off,2,2,Off,1,Off");

    // Down to the only set, which Delete resets.
    d.Click(IDC_SETDEL);
    EXPECT_EQ(d.Text(IDC_SETNO), "1");
    EXPECT_EQ(d.Text(IDC_PGLNO), "5");
    d.Click(IDC_SETDEL);
    EXPECT_EQ(d.Text(IDC_SETNO), "1");
    EXPECT_EQ(d.Text(IDC_PGLNO), "3");
    EXPECT_EQ(SlotTexts(d, 7), "Off,Off,Off,Off,Off,Off,Off");
    EXPECT_FALSE(d.Enabled(IDC_SETPREV));
    EXPECT_FALSE(d.Enabled(IDC_SETNEXT));
    EXPECT_TRUE(d.Enabled(IDC_SETADD));
    EXPECT_EQ(d.Cancel(), 0u);
}

TEST_F(DialogTest, AddIsNotOfferedOnceFiftySetsExist)
{
    std::string data;
    for (int n = 1; n <= 49; n++)
        data += SetLine(n, GenRecord(0, 0, n % 30 + 1, 10, 100, 0, {{1, 0, 10, 100, 0}}),
                        WatRecord({{1, 1}}, 1, 0, 50));
    Data(data);
    UserInt("AWYEHDB", 48);
    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_EQ(d.Text(IDC_SETNO), "49");
    EXPECT_TRUE(d.Enabled(IDC_SETADD));
    ASSERT_TRUE(d.Click(IDC_SETADD));
    EXPECT_EQ(d.Text(IDC_SETNO), "50");
    EXPECT_FALSE(d.Enabled(IDC_SETADD));
    EXPECT_FALSE(d.Click(IDC_SETADD));
    EXPECT_EQ(d.Text(IDC_SETNO), "50");
    EXPECT_EQ(d.Ok(), 0u);
    EXPECT_EQ(FileLines(ReadFileBytes(UserDataPath(in))).size(), 51u);  // 50 sets and the program
}

TEST_F(DialogTest, PatternRowsCompactKindsShowMarksAndDirectSize)
{
    // Kinds 1 and 3 owned; row 5 holds a kind that does not exist, and the
    // record names row 61 as the one last shown (taken as row 1).
    Owned("10100000000000000000000000000000000");
    Data(SetLine(1,
                 GenRecord(0, 0, 5, 20, 100, 60,
                           {{1, 0, 50, 100, 0},
                            {7, 1, 60, 200, 5},
                            {3, 0, 70, 300, 10},
                            {8, 0, 80, 400, 15},
                            {40, 0, 90, 150, 20}}),
                 WatRecord({{1, 0}}, 1, 0, 100)));
    UserInt("RSGDBAM", 0);
    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_EQ(d.Text(IDC_ROWNO), "1");
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FM01"));
    EXPECT_FALSE(d.Enabled(IDC_ROWPREV));
    EXPECT_TRUE(d.Enabled(IDC_ROWNEXT));

    ASSERT_TRUE(d.Click(IDC_ROWNEXT));
    EXPECT_EQ(d.Text(IDC_ROWNO), "2");
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FM07N"));  // not owned
    EXPECT_TRUE(d.Checked(IDC_FREA));
    EXPECT_EQ(d.Text(IDC_FQUANO), "60");
    EXPECT_EQ(d.Text(IDC_FSIZNO), "200");
    EXPECT_EQ(d.Text(IDC_FDISNO), "5");

    // Stepping the kind down to no fish; the kind can be chosen unowned.
    d.Click(IDC_KINDUP);
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FM08N"));
    for (int i = 0; i < 8; i++)
        d.Click(IDC_KINDDOWN);
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FM00N"));
    EXPECT_FALSE(d.Enabled(IDC_KINDDOWN));
    EXPECT_TRUE(d.Enabled(IDC_ROWNEXT));  // a filled row follows

    // Leaving the emptied row removes it: row 2 now shows what was row 3.
    ASSERT_TRUE(d.Click(IDC_ROWNEXT));
    EXPECT_EQ(d.Text(IDC_ROWNO), "2");
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FM03"));
    EXPECT_EQ(d.Text(IDC_FQUANO), "70");
    EXPECT_FALSE(d.Checked(IDC_FREA));

    // A row's sliders belong to the row.
    d.Slide(IDC_FQUABAR, 77, IDC_FQUANO, "77");
    d.Click(IDC_ROWNEXT);
    d.Click(IDC_ROWNEXT);
    EXPECT_EQ(d.Text(IDC_ROWNO), "4");
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FMERR"));
    EXPECT_FALSE(d.Enabled(IDC_KINDUP));
    EXPECT_TRUE(d.Enabled(IDC_KINDDOWN));
    d.Click(IDC_ROWPREV);
    d.Click(IDC_ROWPREV);
    EXPECT_EQ(d.Text(IDC_FQUANO), "77");

    // Past the last filled row: next is offered only once the empty row gets a kind.
    for (int i = 0; i < 3; i++)
        d.Click(IDC_ROWNEXT);
    EXPECT_EQ(d.Text(IDC_ROWNO), "5");
    EXPECT_TRUE(d.Shows(IDC_FISHMARK, "FM00N"));
    EXPECT_FALSE(d.Enabled(IDC_ROWNEXT));
    d.Click(IDC_KINDUP);
    EXPECT_TRUE(d.Enabled(IDC_ROWNEXT));

    // Direct Size disables every size control and keeps the quantities.
    EXPECT_TRUE(d.Enabled(IDC_FSIZBAR));
    d.Tab(1);
    ASSERT_TRUE(d.Click(IDC_DIRECTSIZE));
    for (int id : {IDC_FGSIZBAR, IDC_FGSIZBOX, IDC_FGSIZSMALL, IDC_FGSIZBIG, IDC_FGSIZNO,
                   IDC_FSIZBAR, IDC_FSIZLABEL, IDC_FSIZSMALL, IDC_FSIZBIG, IDC_FDISBAR,
                   IDC_FDISLABEL, IDC_FDISSMALL, IDC_FDISBIG, IDC_SIZEBOX, IDC_FSIZNO, IDC_FDISNO})
        EXPECT_FALSE(d.Enabled(id)) << id;
    EXPECT_TRUE(d.Enabled(IDC_FQUABAR));
    EXPECT_TRUE(d.Enabled(IDC_FISHBAR));
    d.Click(IDC_DIRECTSIZE);
    EXPECT_TRUE(d.Enabled(IDC_FDISBAR));
    EXPECT_EQ(d.Cancel(), 0u);
}

TEST_F(DialogTest, BackColourSlotsPicturesAndChangeControls)
{
    // Slot 1 on with picture 0; slot 2 off at 31; slots 3 and 4 hold no picture.
    Data(SetLine(1, GenRecord(0, 0, 5, 20, 100, 0, {{1, 0, 50, 100, 0}}),
                 WatRecord({{1, 0}, {0, 31}, {0, 32}, {0, 99}}, 1, 0, 100)));
    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_TRUE(d.Shows(IDC_BKPIC0, "WC01"));
    EXPECT_TRUE(d.Shows(IDC_BKPIC0 + 1, "WC32"));
    EXPECT_TRUE(d.Shows(IDC_BKPIC0 + 2, "WCER"));
    EXPECT_TRUE(d.Shows(IDC_BKPIC0 + 3, "WCER"));

    // One slot: no change type or speed.
    for (int id : {IDC_BKRANDOM, IDC_BKROUND, IDC_BKREPEAT, IDC_BKFF, IDC_BKSPEEDBAR, IDC_BKSPEEDNO,
                   IDC_BKTYPEBOX, IDC_BKSPEEDBOX})
        EXPECT_FALSE(d.Enabled(id)) << id;
    ASSERT_TRUE(d.Click(IDC_BKCHK0 + 1));
    EXPECT_TRUE(d.Checked(IDC_BKCHK0 + 1));
    EXPECT_TRUE(d.Enabled(IDC_BKROUND));
    EXPECT_TRUE(d.Enabled(IDC_BKSPEEDBAR));
    EXPECT_FALSE(d.Enabled(IDC_BKFF));  // Random
    d.Click(IDC_BKROUND);
    EXPECT_TRUE(d.Checked(IDC_BKROUND));
    EXPECT_FALSE(d.Checked(IDC_BKRANDOM));
    EXPECT_TRUE(d.Enabled(IDC_BKFF));
    d.Click(IDC_BKREPEAT);
    EXPECT_TRUE(d.Enabled(IDC_BKFF));
    d.Click(IDC_BKRANDOM);
    EXPECT_FALSE(d.Enabled(IDC_BKFF));
    d.Click(IDC_BKCHK0 + 1);
    EXPECT_FALSE(d.Enabled(IDC_BKSPEEDBAR));

    // The upper arrow steps toward picture 0; both ends hold.
    d.Spin(IDC_BKSPIN0, true);
    EXPECT_TRUE(d.Shows(IDC_BKPIC0, "WC01"));
    d.Spin(IDC_BKSPIN0, false);
    EXPECT_EQ(d.SpinPos(IDC_BKSPIN0), 1);
    EXPECT_TRUE(d.Shows(IDC_BKPIC0, "WC02"));
    d.Spin(IDC_BKSPIN0 + 1, false);
    EXPECT_TRUE(d.Shows(IDC_BKPIC0 + 1, "WC32"));
    d.Spin(IDC_BKSPIN0 + 1, true);
    EXPECT_TRUE(d.Shows(IDC_BKPIC0 + 1, "WC31"));
    // A slot without picture gets the one its spin stepped to.
    d.Spin(IDC_BKSPIN0 + 3, true);
    int pos = d.SpinPos(IDC_BKSPIN0 + 3);
    ASSERT_GE(pos, 0);
    ASSERT_LE(pos, 31);
    char name[8];
    snprintf(name, sizeof name, "WC%02d", pos + 1);
    EXPECT_TRUE(d.Shows(IDC_BKPIC0 + 3, name));
    EXPECT_EQ(d.Cancel(), 0u);
}

TEST_F(DialogTest, AllKindsOwnedNoFullHeightAndTheOtherColourBand)
{
    MakeInstall("AllKindsOwnedNoFullHeightAndTheOtherColourBand", 0, 0);
    Owned("11111111111111111111111111111111111");
    UserInt("ISKJEUH", 3);  // Full, which this installation does not offer
    Data(ThreeSets());
    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_TRUE(d.Shows(IDC_BKPIC0, "WC01B"));
    d.Tab(1);
    EXPECT_FALSE(d.Visible(IDC_GUESTFISH));
    EXPECT_FALSE(d.Visible(IDC_HFULL));
    EXPECT_TRUE(d.Checked(IDC_HHIGH));
    EXPECT_TRUE(d.Enabled(IDC_SSPEEDBAR));
    d.Tab(0);
    d.Tab(1);
    EXPECT_FALSE(d.Visible(IDC_GUESTFISH));
    EXPECT_FALSE(d.Visible(IDC_HFULL));
    EXPECT_EQ(d.Ok(), 0u);
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "ISKJEUH", 9), 2u);
}

TEST_F(DialogTest, ProgramPagesSlotsResetAndProgramOn)
{
    Data(ThreeSets());
    Dialog d;
    ASSERT_TRUE(d.Open());
    d.Tab(1);
    EXPECT_TRUE(d.Checked(IDC_PGON));
    EXPECT_TRUE(d.Checked(IDC_PGROUND));
    EXPECT_TRUE(d.Enabled(IDC_PGFF));
    EXPECT_EQ(SlotTexts(d, 10), "1,2,3,3,2,1,Off,Off,Off,Off");

    // Full height: no scrolling, so no scroll speed.
    ASSERT_TRUE(d.Click(IDC_HFULL));
    EXPECT_TRUE(d.Checked(IDC_HFULL));
    EXPECT_FALSE(d.Checked(IDC_HMIDUM));
    for (int id : {IDC_SSPEEDBAR, IDC_SSPEEDNO, IDC_SSFAST, IDC_SSSLOW, IDC_SSPEEDBOX})
        EXPECT_FALSE(d.Enabled(id)) << id;
    d.Click(IDC_HLOW);
    EXPECT_TRUE(d.Enabled(IDC_SSPEEDBAR));
    EXPECT_EQ(d.Text(IDC_PGROW0), "  1      2      3      4      5");
    EXPECT_FALSE(d.Enabled(IDC_PGPREV));

    // Slot 7 steps from Off up to the number of sets and back.
    EXPECT_FALSE(d.Enabled(IDC_PGDOWN0 + 6));
    for (int i = 0; i < 3; i++)
        ASSERT_TRUE(d.Click(IDC_PGUP0 + 6));
    EXPECT_EQ(d.Text(IDC_PGSLOT0 + 6), "3");
    EXPECT_FALSE(d.Enabled(IDC_PGUP0 + 6));
    d.Click(IDC_PGDOWN0 + 6);
    EXPECT_EQ(d.Text(IDC_PGSLOT0 + 6), "2");

    for (int i = 0; i < 4; i++)
        ASSERT_TRUE(d.Click(IDC_PGNEXT));
    EXPECT_FALSE(d.Enabled(IDC_PGNEXT));
    EXPECT_EQ(d.Text(IDC_PGROW0), " 41     42     43     44     45");
    EXPECT_EQ(d.Text(IDC_PGROW1), " 46     47     48     49     50");
    ASSERT_TRUE(d.Click(IDC_PGUP0 + 9));
    EXPECT_EQ(d.Text(IDC_PGSLOT0 + 9), "1");

    ASSERT_TRUE(d.Click(IDC_PGRESET));
    EXPECT_EQ(SlotTexts(d, 10), "Off,Off,Off,Off,Off,Off,Off,Off,Off,Off");
    for (int i = 0; i < 4; i++)
        d.Click(IDC_PGPREV);
    EXPECT_EQ(SlotTexts(d, 10), "1,2,3,Off,Off,Off,Off,Off,Off,Off");

    // Random: no From First, even with the program on.
    d.Click(IDC_PGRANDOM);
    EXPECT_FALSE(d.Enabled(IDC_PGFF));
    d.Click(IDC_PGREPEAT);
    EXPECT_TRUE(d.Enabled(IDC_PGFF));

    // Program off: the program and the scene group go grey, their values stay.
    ASSERT_TRUE(d.Click(IDC_PGON));
    for (int id : {IDC_PGSLOT0, IDC_PGUP0, IDC_PGDOWN0 + 9, IDC_PGPREV, IDC_PGNEXT, IDC_PGRESET,
                   IDC_PGRANDOM, IDC_PGREPEAT, IDC_PGFF, IDC_PGROW0, IDC_PGBOX, IDC_PGLBAR,
                   IDC_PGLRND, IDC_REPANY, IDC_REPLUMP, IDC_SCENEBOX, IDC_PGLNO})
        EXPECT_FALSE(d.Enabled(id)) << id;
    EXPECT_EQ(SlotTexts(d, 4), "1,2,3,Off");
    EXPECT_TRUE(d.Checked(IDC_PGREPEAT));
    EXPECT_TRUE(d.Enabled(IDC_PGON));
    d.Click(IDC_PGON);
    EXPECT_TRUE(d.Enabled(IDC_PGUP0 + 3));
    EXPECT_TRUE(d.Enabled(IDC_PGFF));
    EXPECT_EQ(d.Cancel(), 0u);
}

}  // namespace
