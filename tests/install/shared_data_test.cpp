// The installer's shared data file (installer/scenes.sh), read and written
// back by the program's own data-file code, as a new user's first run would;
// and its fish against its water, in the colours of the generated pictures.
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/scenestart.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/regstore.h"
#include "tests/art/bmp_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

std::string ReadAll(FILE* fp)
{
    std::string s;
    char buf[4096];
    size_t n;
    rewind(fp);
    while ((n = fread(buf, 1, sizeof buf, fp)) > 0)
        s.append(buf, n);
    return s;
}

::testing::AssertionResult InRange(const char* what, int v, int lo, int hi)
{
    if (v >= lo && v <= hi)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << what << " = " << v << ", not in " << lo << ".." << hi;
}

void ExpectSetInRange(int i)
{
    SCOPED_TRACE("set " + std::to_string(i + 1));
    m_nIdx = i;
    Genset(1);
    Watset(1);
    EXPECT_TRUE(InRange("replacement", m_nPGC, 0, 1));
    EXPECT_TRUE(InRange("random length", m_nPGRnd, 0, 1));
    EXPECT_TRUE(InRange("length", m_nPGL, 1, 30));
    EXPECT_TRUE(InRange("fish", m_nFish, 1, 100));
    EXPECT_TRUE(InRange("basic size", m_nFGSiz, 50, 300));
    for (int p = 0; p < FTblMax; p++) {
        SCOPED_TRACE("pattern " + std::to_string(p));
        EXPECT_TRUE(InRange("kind", m_nFno[p], 0, FishMax));
        EXPECT_TRUE(InRange("real number", m_nFrea[p], 0, 1));
        EXPECT_TRUE(InRange("quantity", m_nFqua[p], 0, 100));
        EXPECT_TRUE(InRange("size", m_nFsiz[p], 50, 500));
        EXPECT_TRUE(InRange("dispersion", m_nFdis[p], 0, 50));
    }
    int inUse = 0;
    for (int e = 0; e < WatSlotMax; e++) {
        EXPECT_TRUE(InRange("slot in use", m_nBackCF[i][e], 0, 1));
        EXPECT_TRUE(InRange("colour", m_nBackCC[e], 0, BackMax - 1));
        inUse += m_nBackCF[i][e];
    }
    EXPECT_GE(inUse, 1) << "no water colour";
    EXPECT_TRUE(InRange("change type", m_nBackCX, 1, 3));
    EXPECT_TRUE(InRange("from first", m_nBackCZ, 0, 1));
    EXPECT_TRUE(InRange("change speed", m_nBackCS, 1, 500));
}

// Reads the file as a new user's first run does (only kind 1 owned); the
// number of sets, or 0 when the file cannot be opened.
int ReadShared(FILE* fp, bool* pgseen)
{
    RegNoRead();
    m_nIdx = 0;
    *pgseen = false;
    int sets = DataReadLines(fp, pgseen);
    DataReadFinish(0, sets, *pgseen, PH_SCENES_FILE);
    return sets;
}

struct Lab {
    double l, a, b;
};

// CIELAB of an sRGB colour (D65 white).
Lab ToLab(double r, double g, double b)
{
    auto lin = [](double v) {
        v /= 255;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    double R = lin(r), G = lin(g), B = lin(b);
    double x = (0.4124 * R + 0.3576 * G + 0.1805 * B) / 0.95047;
    double y = 0.2126 * R + 0.7152 * G + 0.0722 * B;
    double z = (0.0193 * R + 0.1192 * G + 0.9505 * B) / 1.08883;
    auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

Lab ToLab(uint32_t rgb)
{
    return ToLab(rgb >> 16 & 255, rgb >> 8 & 255, rgb & 255);
}

// The 1976 colour difference.
double DeltaE(const Lab& p, const Lab& q)
{
    return std::sqrt((p.l - q.l) * (p.l - q.l) + (p.a - q.a) * (p.a - q.a) +
                     (p.b - q.b) * (p.b - q.b));
}

Bmp ReadArt(const std::string& name)
{
    std::ifstream in(std::string(PH_ART_DIR) + "/" + name + ".bmp", std::ios::binary);
    return ReadBmp(std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {}));
}

const uint32_t KeyBlue = 0x0000FF;
const int CellH = 86, SheetRows = 12, KindsPerSheet = 7;

// Body colour of each kind 1..FishMax: the average of its opaque pixels on
// its sprite sheet, where its 72 cells fill a band of 12 cell rows. Empty
// when a sheet is missing.
std::vector<Lab> BodyColours()
{
    std::vector<Lab> body(FishMax + 1);
    for (int sheet = 1; sheet * KindsPerSheet <= FishMax; sheet++) {
        const Bmp m = ReadArt("KG0" + std::to_string(sheet));
        if (!m.ok || m.height < KindsPerSheet * SheetRows * CellH)
            return {};
        for (int b = 0; b < KindsPerSheet; b++) {
            double sum[3] = {0, 0, 0};
            long n = 0;
            for (int y = b * SheetRows * CellH; y < (b + 1) * SheetRows * CellH; y++)
                for (int x = 0; x < m.width; x++) {
                    uint32_t c = m.colour(x, y);
                    if (c == KeyBlue)
                        continue;
                    sum[0] += c >> 16 & 255;
                    sum[1] += c >> 8 & 255;
                    sum[2] += c & 255;
                    n++;
                }
            if (n == 0)
                return {};
            body[(sheet - 1) * KindsPerSheet + b + 1] = ToLab(sum[0] / n, sum[1] / n, sum[2] / n);
        }
    }
    return body;
}

}  // namespace

TEST(SharedData, EverySetIsValidPlaysForANewUserAndSavesBackUnchanged)
{
    FILE* fp = fopen(PH_SCENES_FILE, "rb");
    ASSERT_NE(fp, nullptr) << PH_SCENES_FILE;
    // A new user: no registry values yet, only kind 1 owned.
    bool pgseen;
    int sets = ReadShared(fp, &pgseen);

    ASSERT_GE(sets, 2) << "a few scene sets";
    EXPECT_TRUE(pgseen);
    EXPECT_EQ(m_nPGMax, sets - 1);
    // Every set can be shown before any fish kind is won.
    EXPECT_EQ(m_nPGf, sets);
    EXPECT_EQ(m_nPgon, 1);
    EXPECT_GE(m_nPGType, 1);
    EXPECT_LE(m_nPGType, 3);
    std::set<int> listed;
    for (int i = 0; i < PgMax; i++) {
        if (m_nPg[i] == 0)
            continue;
        EXPECT_TRUE(listed.insert(m_nPg[i]).second) << "set " << m_nPg[i] << " twice";
    }
    EXPECT_EQ(listed.size(), (size_t)sets);
    EXPECT_EQ(*listed.rbegin(), sets);

    for (int i = 0; i < sets; i++)
        ExpectSetInRange(i);

    // The program writes the same file back: every field has its width.
    FILE* out = tmpfile();
    ASSERT_NE(out, nullptr);
    rewind(fp);
    ASSERT_TRUE(DataWriteLines(fp, out));
    fflush(out);
    EXPECT_EQ(ReadAll(out), ReadAll(fp));
    fclose(out);
    fclose(fp);
}

// Every fish of a scene stands out from each of its water colours, in the
// lower and in the upper swatch row (the installation flag picks either):
// at least 40 apart in CIELAB. Kind 1, the one a new user owns, stands out
// from every colour of every scene.
TEST(SharedData, FishStandOutFromTheirWater)
{
    const double MinDelta = 40;
    FILE* fp = fopen(PH_SCENES_FILE, "rb");
    ASSERT_NE(fp, nullptr) << PH_SCENES_FILE;
    bool pgseen;
    int sets = ReadShared(fp, &pgseen);
    fclose(fp);
    ASSERT_GE(sets, 2);
    const std::vector<Lab> body = BodyColours();
    ASSERT_FALSE(body.empty()) << "sprite sheets in " << PH_ART_DIR;
    // The swatch rows of the background sheet: upper y 0..9, lower y 10..19.
    const Bmp back = ReadArt("BACK01");
    ASSERT_TRUE(back.ok) << "BACK01 in " << PH_ART_DIR;
    for (int i = 0; i < sets; i++) {
        m_nIdx = i;
        Genset(1);
        Watset(1);
        std::set<int> kinds = {1};
        for (int p = 0; p < FTblMax; p++)
            if (m_nFno[p] >= 1 && m_nFno[p] <= FishMax && m_nFqua[p] > 0)
                kinds.insert(m_nFno[p]);
        for (int e = 0; e < WatSlotMax; e++) {
            int c = m_nBackCC[e];
            if (m_nBackCF[i][e] != 1 || c < 0 || c >= BackMax)
                continue;
            for (int upper = 0; upper < 2; upper++) {
                const Lab water = ToLab(back.colour(10 * c + 5, upper ? 5 : 15));
                for (int k : kinds)
                    EXPECT_GE(DeltaE(water, body[k]), MinDelta)
                        << "set " << i + 1 << ", colour " << c << (upper ? " (upper row)" : "")
                        << ", kind " << k;
            }
        }
    }
}
