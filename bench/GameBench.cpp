// The game's own costs: building CGame (every style, font and the first level page) and the frame
// time of the main menu, a level page and a 20 x 11 board in play, each against a bare frame
// (clear, backdrop quad, bands, swap) measured in the same run. Runs in a scratch copy of the game
// folder (the working directory of ./bench/run) with a 20 x 11 level added in front.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "app/Shell.h"
#include "bench/BenchContext.h"
#include "bench/Ratios.h"
#include "game/Backdrop.h"
#include "game/Game.h"
#include "game/LevelMaker.h"
#include "game/NewPuzzle.h"
#include "gfx/TextureCache.h"
#include "platform/OpenGL.h"
#include "platform/Platform.h"
#include "puzzle/Cells.h"
#include "puzzle/Tallix.h"

namespace fs = std::filesystem;

namespace {

// A 20 x 11 board: a clue row and a clue column around playable cells, the largest board that
// fits between the bands at zoom 1.
void writeLargeLevel(const fs::path& path) {
    const int width = 20, height = 11;
    std::vector<uint8_t> bytes = {'G', 'R', 'D', '1', 'B', 0, width, height};
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (x == 0 || y == 0) {
                bytes.insert(bytes.end(), {0, uint8_t(y == 0 ? 0 : 45), uint8_t(x == 0 ? 0 : 45)});
            } else {
                bytes.push_back(1);
            }
        }
    }
    bytes.insert(bytes.end(), {'G', 'R', 'D', '1', 'E', 0});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Copies the game folder's Data into a scratch folder once and makes it the working directory.
bool enterScratchGameFolder() {
    static bool entered = false;
    if (entered) return true;
    fs::path source = fs::current_path() / "Data";
    if (!fs::exists(source)) return false;
    fs::path scratch = fs::temp_directory_path() / "tallix-bench-game";
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    fs::copy(source, scratch / "Data", fs::copy_options::recursive);
    writeLargeLevel(scratch / "Data" / "Levels" / " 20x11.grd");
    fs::current_path(scratch);
    baseDirectory = platform::currentDirectory() + L"\\";
    entered = true;
    return true;
}

bool prepare(benchmark::State& state) {
    if (!enterScratchGameFolder()) {
        state.SkipWithError("run from the game folder (./bench/run does)");
        return false;
    }
    return bench::openContext(state);
}

void BM_BareFrame(benchmark::State& state) {
    if (!prepare(state)) return;
    CTextureCache cache;
    Backdrop backdrop;
    backdrop.load(cache, 0.0f, 0.65f, 0.1f, 1.0f);
    for (auto _ : state) {
        bench::beginFrame();
        backdrop.draw();
        CGame::drawBands();
        bench::endFrame();
    }
}
BENCHMARK(BM_BareFrame)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()
    ->Repetitions(figureRepetitions)->ReportAggregatesOnly(true);

void BM_ConstructGame(benchmark::State& state) {
    if (!prepare(state)) return;
    for (auto _ : state) {
        auto game = std::make_unique<CGame>();
        glFinish();
        state.PauseTiming();
        game.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConstructGame)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(figureRepetitions)
    ->ReportAggregatesOnly(true);

// Steps of one screen; setUp brings a fresh game to it, and each step runs `change` (what the
// player does between frames) and then draws `perStep` frames.
template <typename SetUp, typename Change = void (*)()>
void frames(benchmark::State& state, SetUp setUp, Change change = [] {}, int perStep = 1) {
    if (!prepare(state)) return;
    CGame game;
    setUp(game);
    for (auto _ : state) {
        change();
        for (int frame = 0; frame < perStep; ++frame) {
            bench::beginFrame();
            game.draw();
            bench::endFrame();
        }
    }
    game.screen = GameScreen::MainMenu;  // leaving: no saved game is written
}

void BM_MainMenuFrame(benchmark::State& state) {
    frames(state, [](CGame&) {});
}
BENCHMARK(BM_MainMenuFrame)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()
    ->Repetitions(figureRepetitions)->ReportAggregatesOnly(true);

void BM_LevelPageFrame(benchmark::State& state) {
    frames(state, [](CGame& game) { game.screen = GameScreen::LevelSelect; });
}
BENCHMARK(BM_LevelPageFrame)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()
    ->Repetitions(figureRepetitions)->ReportAggregatesOnly(true);

// The 20 x 11 board in play, every playable cell holding a digit; the last one.
PCellActive* fillLargeBoard(CGame& game) {
    game.startLevel(0);
    CTallix* board = game.pageSlots[0].get();
    PCellActive* last = nullptr;
    for (int y = 0; y < board->height; ++y)
        for (int x = 0; x < board->width; ++x)
            if (PCell* cell = board->cellAt(x, y); cell && cell->kind == kindPlayable)
                (last = static_cast<PCellActive*>(cell))->value = (x + y) % 9 + 1;
    return last;
}

void BM_LargeBoardFrame(benchmark::State& state) {
    frames(state, [](CGame& game) { fillLargeBoard(game); });
}
BENCHMARK(BM_LargeBoardFrame)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()
    ->Repetitions(figureRepetitions)->ReportAggregatesOnly(true);

// A digit typed on that board: the frame that shows it and the one after, which together pay for
// the still layer taking its new picture.
void BM_TypedDigitFrames(benchmark::State& state) {
    PCellActive* cell = nullptr;
    frames(state, [&](CGame& game) { cell = fillLargeBoard(game); }, [&] { cell->value = cell->value % 9 + 1; }, 2);
}
BENCHMARK(BM_TypedDigitFrames)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()
    ->Repetitions(figureRepetitions)->ReportAggregatesOnly(true);

// The chooser's screen, set to a large hard level, while such a level is made on the worker
// thread (started again whenever it is done) against the same screen without.
void toHardLevelChooser(CGame& game) {
    game.openChooser();
    game.chooseSize(2);
    game.chooseDifficulty(5);
}

void BM_ChooserFrame(benchmark::State& state) { frames(state, toHardLevelChooser); }
BENCHMARK(BM_ChooserFrame)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()
    ->Repetitions(figureRepetitions)->ReportAggregatesOnly(true);

void BM_ChooserFrameWhileMaking(benchmark::State& state) {
    CLevelMaker maker;
    uint64_t seed = 1;
    frames(state, toHardLevelChooser, [&] {
        if (maker.poll() != CLevelMaker::State::Working)
            maker.start(newPuzzleOptions(2, 5, seed++), platform::lowerThisThreadPriority);
    });
}
BENCHMARK(BM_ChooserFrameWhileMaking)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime()
    ->Repetitions(figureRepetitions)->ReportAggregatesOnly(true);

TALLIX_RATIO("frame while a level is made vs without", "BM_ChooserFrameWhileMaking", "BM_ChooserFrame");
TALLIX_RATIO("main menu frame / bare frame", "BM_MainMenuFrame", "BM_BareFrame", 1.15);
TALLIX_RATIO("level page frame / bare frame", "BM_LevelPageFrame", "BM_BareFrame", 1.2);
TALLIX_RATIO("20 x 11 board in play / bare frame", "BM_LargeBoardFrame", "BM_BareFrame", 1.3);
TALLIX_RATIO("a digit typed on it: two frames / bare frame", "BM_TypedDigitFrames", "BM_BareFrame");
TALLIX_RATIO("CGame construction / bare frame", "BM_ConstructGame", "BM_BareFrame", 7.0);

}  // namespace
