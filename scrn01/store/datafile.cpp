// Settings file, data file and the save through the work file.
#include "scrn01/store/datafile.h"
#include "scrn01/store/dlgtext.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"
#include "scrn01/store/regstore.h"
#include "scrn01/display/tuning.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/startvalues.h"

#include <cstring>

char mbsUserName[UserSize] = "Default";
const char FileName1[] = "PondelSet.ini";
const char FileName2[] = "PondelData.ini";
const char FileName3[] = "DataWork.ini";
char WFileName1[PathSize];
char WFileName2[PathSize];
char WFileName3[PathSize];
char line[LineSize];

int FiGrtW = 600;
int FishLv0SW = 500;
int FishLv1SW = 100;
int FishLv2SW = 20;
int FishLv3SW = 5;
int FishMax2SW = 1;
int FisttW = 30;

static const StartValues DataFileStart(mbsUserName, WFileName1, WFileName2, WFileName3, line,
                                       FiGrtW, FishLv0SW, FishLv1SW, FishLv2SW, FishLv3SW,
                                       FishMax2SW, FisttW);

void DataFileReset()
{
    DataFileStart.Restore();
}

// Data-file lines: a key of 3 digits, then a set line's general and water
// records, or the program line's fields.
const int SetKeyWidth = 3;
const int PgLineKey = 100;
const int DataRecCol = SetKeyWidth + 1;
constexpr RecField PgLinePage = {4, 1};
constexpr RecField PgLineOn = {5, 1};
constexpr RecField PgLineType = {6, 1};
constexpr RecField PgLineFL = {7, 1};
constexpr RecField PgLinePos(int i) { return {8 + 2 * i, 2}; }
// Settings-file lines: a key of 5 digits, then the value.
const int SetTextKeyWidth = 5;

// dst = DirName1 + mid + name. A path that does not fit is left empty, so that
// opening it fails instead of touching a file of a cut name.
static bool PathSet(char* dst, const char* mid, const char* name)
{
    int n = snprintf(dst, PathSize, "%s%s%s", DirName1, mid, name);
    if (n < 0 || n >= PathSize) {
        dst[0] = '\0';
        return false;
    }
    return true;
}

static FILE* OpenRead(const char* path)
{
    return path[0] ? OsFileOpen(path, "r") : nullptr;
}

bool ReadLine1(FILE* fp, char* buf, int cap)
{
    int n = 0, c;
    bool any = false;
    while ((c = getc(fp)) != EOF) {
        any = true;
        if (c == '\n')
            break;
        if (n < cap - 1)
            buf[n++] = (char)c;
    }
    buf[n] = '\0';
    return any;
}

void RegUserSet()
{
    char name[UserSize];
    StrCopyCut(mbsUserName, sizeof mbsUserName, "Default");
    if (OsUserName(name, sizeof name))
        StrCopyCut(mbsUserName, sizeof mbsUserName, name);
}

// ---- Settings file ----

// Timer periods below 1 ms would stop the clock (and the fish speed divides by them).
static int Period(int v, int def)
{
    return v < 1 ? def : v;
}

void SetLineStore(const char* text)
{
    // The value is the text from column 6 to the end of the line.
    StrCopyCut(buffer, BufSize, strnlen(text, SetTextKeyWidth) == SetTextKeyWidth ? text + SetTextKeyWidth : "");
    int key = Mid(text, 1, SetTextKeyWidth);
    int size = 0;
    if (char* t = DlgTextTarget(key, &size)) {
        StrCopyCut(t, size, buffer);
        return;
    }
    if (key == 110) {
        StrCopyCut(TITLE, sizeof TITLE, buffer);
        return;
    }
    if (key >= 1001 && key <= 1012) {
        if (char* m = MsgTableText(key - 1000))
            StrCopyCut(m, MsgTxtSize, buffer);
        return;
    }
    int v = Mid(buffer, 1, 4);
    switch (key) {
    case 2001: nSpeed1 = Period(v, Speed1Default); break;
    case 2002: nSpeed2 = Period(v, Speed2Default); break;
    case 2003: nSp1 = v; break;
    case 2004: m_nJPF = v; break;
    case 2005: aw1a = v; break;
    case 2006: aw1b = v; break;
    case 2007: aw4a = v; break;
    case 2008: aw4b = v; break;
    case 2009: pswf = v; break;
    case 2010: psmf = v; break;
    case 2011: pssf = v; break;
    case 3001: FiGrtW = v; break;
    case 3002: FishLv0SW = v; break;
    case 3003: FishLv1SW = v; break;
    case 3004: FishLv2SW = v; break;
    case 3005: FishLv3SW = v; break;
    case 3006: FishMax2SW = v; break;
    case 3007: FisttW = v; break;
    default: break;   // not a key: a comment
    }
}

void FileRead1()
{
    if (!PathSet(WFileName1, "", FileName1))
        return;
    FILE* fp = OpenRead(WFileName1);
    if (!fp)
        return;
    while (ReadLine1(fp, line, SetLineSize))
        SetLineStore(line);
    if (!OsFileClose(fp))
        MsgWrt1(1, Msg001, WFileName1, 0);
}

// ---- Data file ----

// Copy columns from..from+len-1 of src into a record of len characters; columns
// past the end of src read as "0".
static void RecordTake(char* dst, const char* src, size_t srclen, size_t from, size_t len)
{
    for (size_t i = 0; i < len; i++) {
        size_t col = from - 1 + i;
        dst[i] = col < srclen ? src[col] : '0';
    }
    dst[len] = '\0';
}

int DataReadLines(FILE* fp, bool* pgseen)
{
    int n = 0;
    *pgseen = false;
    while (ReadLine1(fp, line, LineSize)) {
        int key = Mid(line, 1, SetKeyWidth);
        if (key == PgLineKey) {
            if (*pgseen)
                continue;
            *pgseen = true;
            m_nPgpage = Mid(line, PgLinePage);
            m_nPgon = Mid(line, PgLineOn);
            m_nPGType = Mid(line, PgLineType);
            m_nPGFL = Mid(line, PgLineFL);
            for (int i = 0; i < PgMax; i++)
                m_nPg[i] = Mid(line, PgLinePos(i));
        } else if (key >= 1 && key <= SetMax) {
            if (n >= SetMax)
                continue;   // the store has SetMax rows
            size_t len = strlen(line);
            RecordTake(m_nGen[n], line, len, DataRecCol, GenByte);
            RecordTake(m_nWat[n], line, len, DataRecCol + GenByte, WatByte);
            n++;
        }
    }
    return n;
}

static void RecordSet(int row, const char* gen1)
{
    snprintf(m_nGen[row], sizeof m_nGen[row], "%s%s", gen1, m_nGenini3);
    snprintf(m_nWat[row], sizeof m_nWat[row], "%s", m_nWatini);
}

void DataReadFinish(int af, int sets, bool pgseen, const char* path)
{
    if (sets > 0) {
        m_nPGMax = sets - 1;
        if (m_nIdx < 0 || m_nIdx > m_nPGMax)
            m_nIdx = 0;
    } else {
        // No file, or one without a set line: one default set.
        if (af == 1)
            MsgWrt1(3, Msg012, path, 0);
        pgseen = false;
        m_nPGMax = 0;
        m_nIdx = 0;
        RecordSet(0, m_nGenini1);
    }
    for (int i = m_nPGMax + 1; i < SetMax; i++)
        RecordSet(i, m_nGenini2);

    if (!pgseen) {
        m_nPgpage = 1;
        m_nPgon = 1;
        m_nPGType = 1;
        m_nPGFL = 0;
        if (m_nPGMax == 0) {
            m_nPgon = 0;
            m_nPGType = 0;
        }
        for (int i = 0; i < PgMax; i++)
            m_nPg[i] = i <= m_nPGMax ? i + 1 : 0;
    } else {
        // A hand-edited line may name pages and sets that do not exist.
        if (m_nPgpage < 1 || m_nPgpage > PgPageMax)
            m_nPgpage = 1;
        for (int i = 0; i < PgMax; i++)
            if (m_nPg[i] < 0 || m_nPg[i] > SetMax)
                m_nPg[i] = 0;
    }
    for (int i = 0; i < SetMax; i++)
        m_nPga[i] = 0;

    if (af == 0) {
        Pgaset();
        Pgtset();
        if (m_nSHf == 3 && m_nPgon == 1 && Pgachk() == 0)
            m_nSHf = 2;
    }
}

void DataRead(int af)
{
    m_nPGMax = 0;
    FILE* fp = nullptr;
    if (PathSet(WFileName1, mbsUserName, FileName2))
        fp = OpenRead(WFileName1);
    if (!fp) {
        PathSet(WFileName1, "", FileName2);
        fp = OpenRead(WFileName1);
    }
    int sets = -1;
    bool pgseen = false;
    if (fp) {
        sets = DataReadLines(fp, &pgseen);
        if (!OsFileClose(fp))
            MsgWrt1(2, Msg001, WFileName1, 0);
    }
    DataReadFinish(af, sets, pgseen, WFileName1);
}

// Writes exactly len characters of a record; anything past its end reads as "0".
static void RecordPut(FILE* fp, const char* rec, size_t len)
{
    for (size_t i = 0; i < len; i++) {
        char c = rec[i];
        if (c == '\0' || c == '\n') {
            for (; i < len; i++)
                fputc('0', fp);
            return;
        }
        fputc(c, fp);
    }
}

// Last digit of a value, as a character.
static char Digit1(int v)
{
    v %= 10;
    return (char)('0' + (v < 0 ? -v : v));
}

bool DataWriteLines(FILE* old, FILE* work)
{
    if (old) {
        while (ReadLine1(old, line, LineSize)) {
            if (Mid(line, 1, SetKeyWidth) == 0) {
                fputs(line, work);
                fputc('\n', work);
            }
        }
    }
    int last = m_nPGMax < SetMax ? m_nPGMax : SetMax - 1;
    for (int n = 0; n <= last; n++) {
        fprintf(work, "%03d", (n + 1) % 1000);
        RecordPut(work, m_nGen[n], GenByte);
        RecordPut(work, m_nWat[n], WatByte);
        fputc('\n', work);
    }
    // The program line: 107 characters.
    fprintf(work, "%0*d", SetKeyWidth, PgLineKey);
    fputc(Digit1(m_nPgpage), work);
    fputc(Digit1(m_nPgon), work);
    fputc(Digit1(m_nPGType), work);
    fputc(Digit1(m_nPGFL), work);
    for (int i = 0; i < PgMax; i++) {
        int v = m_nPg[i] % 100;
        fprintf(work, "%02d", v < 0 ? -v : v);
    }
    fputc('\n', work);
    return ferror(work) == 0;
}

int DataWrite()
{
    // The user name again; when the system gives none now, the name the
    // settings were read under stays, so that the save goes where they came from.
    char name[UserSize];
    if (OsUserName(name, sizeof name))
        StrCopyCut(mbsUserName, sizeof mbsUserName, name);
    PathSet(WFileName2, mbsUserName, FileName2);
    PathSet(WFileName3, "", FileName3);

    FILE* old = OpenRead(WFileName1);
    FILE* work = WFileName2[0] && WFileName3[0] ? OsFileOpen(WFileName3, "w") : nullptr;
    if (!work) {
        if (old && !OsFileClose(old))
            MsgWrt1(8, Msg001, WFileName1, 0);
        // The edits are not saved: say so, as for a work file that cannot be closed.
        MsgWrt1(5, Msg001, WFileName3[0] ? WFileName3 : FileName3, 0);
        return 1;
    }

    bool written = DataWriteLines(old, work);
    // An old file that could not be read to its end gave only some of its
    // comment lines: it counts as not read, like one that cannot be closed.
    bool oldread = old != nullptr;
    if (old) {
        bool whole = ferror(old) == 0;
        if (!OsFileClose(old) || !whole) {
            MsgWrt1(4, Msg001, WFileName1, 0);
            oldread = false;
        }
    }
    // The work file must be complete on the disk before it replaces anything.
    written = OsCommitFile(work) && written;
    if (!OsFileClose(work) || !written) {
        MsgWrt1(5, Msg001, WFileName3, 0);
        return 5;
    }

    // Only the file that was read may be replaced: any other per-user file
    // holds data this save does not carry, and the move then fails.
    bool replace = oldread && strcmp(WFileName1, WFileName2) == 0;
    if (!OsMoveFile(WFileName3, WFileName2, replace)) {
        if (replace) {
            MsgWrt1(6, Msg003, WFileName2, 0);
            return 6;
        }
        MsgWrt1(7, Msg011, WFileName3, 0);
        return 7;
    }
    OsSetFileNormal(WFileName2);
    return 0;
}
