// Native timings of the aquarium's per-tick work with the benchmark scene
// (bench/scene100.ini: 100 fish of the 35 kinds, all owned, "Midum" band on
// 1024 x 768): the motion pass and the drawing pass's arithmetic, per fish
// per tick, and a whole tick through the drawing seam's native stand-in.
//   fish_bench [Google Benchmark options]
//   fish_bench --ticks=N    runs N whole ticks once and exits (for callgrind)
#include "scrn01/display/band.h"
#include "scrn01/display/ddcall_native.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/display/frame.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/regstore.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char AllOwned[] = "11111111111111111111111111111111111";
const int WarmTicks = 200;  // past the initial fill and the first turns
const unsigned BenchSeed = 2024;

static void Tick()
{
    updateFrame();
    PgStep();
    NewFishCountdown();
}

// The benchmark scene, as the saver reads it at start.
static bool Scene()
{
    FILE* fp = fopen(PH_BENCH_SCENE, "r");
    if (!fp)
        return false;
    bool pgseen = false;
    int sets = DataReadLines(fp, &pgseen);
    fclose(fp);
    FssFromText(AllOwned);
    m_nSHf = ShMidum;
    m_nFGSif = 0;
    m_nFgf = 0;
    DataReadFinish(0, sets, pgseen, PH_BENCH_SCENE);
    AquariumSetUp();
    DdLogOn = false;
    RndSeed(BenchSeed);
    for (int t = 0; t < WarmTicks; t++)
        Tick();
    return sets == 1 && m_nFish == FishSlotMax;
}

static void MotionPass(benchmark::State& state)
{
    for (auto _ : state)
        MoveFish();
    state.SetItemsProcessed(state.iterations() * FishSlotMax);
}
BENCHMARK(MotionPass);

// The drawing pass without its draws: cell, clipping and animation of every fish.
static void DrawArithmetic(benchmark::State& state)
{
    SpriteCell c;
    for (auto _ : state) {
        for (int iz = 0; iz < FishSlotMax; iz++) {
            if (ffshu[iz] <= 0)
                continue;
            benchmark::DoNotOptimize(LocateFish(iz, &c));
            AnimateFish(iz);
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * FishSlotMax);
}
BENCHMARK(DrawArithmetic);

// A whole tick, the draws going to the native stand-in (which checks each call).
static void WholeTick(benchmark::State& state)
{
    for (auto _ : state)
        Tick();
    state.SetItemsProcessed(state.iterations() * FishSlotMax);
}
BENCHMARK(WholeTick);

int main(int argc, char** argv)
{
    if (!Scene()) {
        fprintf(stderr, "fish_bench: the scene %s did not load 100 fish\n", PH_BENCH_SCENE);
        return 1;
    }
    if (argc == 2 && strncmp(argv[1], "--ticks=", 8) == 0) {
        long n = atol(argv[1] + 8);
        for (long t = 0; t < n; t++)
            Tick();
        printf("%ld ticks, %ld draws, %ld refused\n", n, DdCallCount, DdBadCalls);
        return DdBadCalls == 0 ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
