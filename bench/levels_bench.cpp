// The solver layer: solving and proving unique the shipped levels and the ten public cross-sum
// benchmark puzzles (compared with Gecode's best published time for each, which includes building
// its model, as ours does), and making new levels of every size and difficulty the game offers.
//
// Counters: "vs_gecode" is Gecode's best time divided by our wall time (above 1: faster);
// "nodes" is the search nodes of one proof.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>
#include <vector>

#include "game/NewPuzzle.h"
#include "platform/Platform.h"
#include "solver/Generator.h"
#include "tools/levels/LevelLoader.h"
#include "solver/Solver.h"

using namespace levels;

namespace {

const std::string sourceDir = TALLIX_SOURCE_DIR;

const std::vector<CLevelGrid>& shippedGrids() {
    static const std::vector<CLevelGrid> grids = [] {
        std::vector<CLevelGrid> list;
        const std::string folder = sourceDir + "/data/levels/";
        for (const std::wstring& file : platform::listFolder(platform::fromUtf8(folder + "*.grd"))) {
            LoadedLevel level = loadLevelFile(folder + platform::toUtf8(file));
            if (level.loaded) list.push_back(std::move(level.grid));
        }
        return list;
    }();
    return grids;
}

const CLevelGrid* largestShipped() {
    const CLevelGrid* largest = nullptr;
    for (const CLevelGrid& grid : shippedGrids())
        if (!largest || grid.count(gridPlayable) > largest->count(gridPlayable)) largest = &grid;
    return largest;
}

int prove(const CLevelGrid& grid, uint64_t& nodes) {
    const SolverModel model = buildModel(grid);
    const SolveResult result = CSolver(model).solve(2);
    nodes = result.nodes;
    return result.solutions;
}

void BM_LevelsProveShippedSet(benchmark::State& state) {
    const std::vector<CLevelGrid>& grids = shippedGrids();
    if (grids.empty()) return state.SkipWithError("no shipped levels found");
    uint64_t nodes = 0;
    std::chrono::duration<double, std::micro> spent(0);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const CLevelGrid& grid : grids) {
            uint64_t levelNodes;
            if (prove(grid, levelNodes) != 1) return state.SkipWithError("a shipped level is not unique");
            nodes += levelNodes;
        }
        spent += std::chrono::steady_clock::now() - start;
    }
    state.counters["levels"] = double(grids.size());
    state.counters["us_per_level"] = spent.count() / double(state.iterations()) / double(grids.size());
    state.counters["nodes_per_level"] = double(nodes) / double(state.iterations()) / double(grids.size());
}
BENCHMARK(BM_LevelsProveShippedSet)->Unit(benchmark::kMillisecond);

void BM_LevelsProveLargestShipped(benchmark::State& state) {
    const CLevelGrid* grid = largestShipped();
    if (!grid) return state.SkipWithError("no shipped levels found");
    uint64_t nodes = 0;
    for (auto _ : state)
        if (prove(*grid, nodes) != 1) return state.SkipWithError("not unique");
    state.counters["playable"] = grid->count(gridPlayable);
    state.counters["nodes"] = double(nodes);
}
BENCHMARK(BM_LevelsProveLargestShipped)->Unit(benchmark::kMicrosecond);

// Gecode's best time to prove each puzzle unique over every model and propagation level it offers
// (milliseconds, medians of five runs on a machine like this one).
constexpr double gecodeBestMs[10] = {1.6, 1.7, 1.6, 1.7, 3.4, 2.5, 4.6, 7.3, 3.9, 39.5};

void BM_LevelsProveBenchmarkPuzzle(benchmark::State& state) {
    const int number = int(state.range(0));
    const std::string file = sourceDir + "/../shared/benchmarks/cross-sum/gecode-" +
                             (number < 10 ? "0" : "") + std::to_string(number) + ".grd";
    const LoadedLevel level = loadLevelFile(file);
    if (!level.loaded) return state.SkipWithError("benchmark puzzle not found");
    uint64_t nodes = 0;
    std::chrono::duration<double, std::milli> spent(0);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (prove(level.grid, nodes) != 1) return state.SkipWithError("not unique");
        spent += std::chrono::steady_clock::now() - start;
    }
    state.counters["nodes"] = double(nodes);
    state.counters["vs_gecode"] = gecodeBestMs[number - 1] / (spent.count() / double(state.iterations()));
}
BENCHMARK(BM_LevelsProveBenchmarkPuzzle)->DenseRange(1, 10)->Unit(benchmark::kMicrosecond);

// Levels as the game's chooser makes them: one per repetition, each from the next seed, 15
// repetitions per size and difficulty; read the median and the 95th percentile.
void BM_NewPuzzle(benchmark::State& state) {
    static uint64_t seed = 1;
    for (auto _ : state) {
        GeneratedLevel level;
        if (!generateLevel(newPuzzleOptions(int(state.range(0)), int(state.range(1)), seed++), level))
            return state.SkipWithError("no level generated");
    }
}
BENCHMARK(BM_NewPuzzle)->ArgsProduct({{0, 1, 2}, {1, 2, 3, 4, 5}})->ArgNames({"size", "difficulty"})
    ->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("p95", [](const std::vector<double>& times) {
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, size_t(std::ceil(0.95 * double(sorted.size()))) - 1)];
    });

}  // namespace
