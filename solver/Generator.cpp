#include "solver/Generator.h"

#include <algorithm>

#include "solver/Filler.h"
#include "solver/Repairer.h"
#include "solver/SolverModel.h"

namespace levels {

namespace {

constexpr int maxAttempts = 40;     // patterns tried in all
constexpr int strictAttempts = 30;  // of those, asking for a level that needs the technique
constexpr int maxRepairs = 400;     // repair rounds per filling before it is dropped
constexpr int maxFillTries = 8;     // fillings tried per pattern
constexpr int maxPatternTries = 100;  // drawing a pattern is cheap; most tries succeed

int runSum(const CPattern& pattern, const std::vector<int>& digits, int x, int y, bool across) {
    int sum = 0;
    for (int step = 1;; ++step) {
        const int cx = across ? x + step : x, cy = across ? y : y + step;
        if (!pattern.playable(cx, cy)) return sum;
        sum += digits[cy * pattern.width() + cx];
    }
}

struct Candidate {
    CLevelGrid grid;
    std::vector<int> digits;
    Grade grade;
};

bool attempt(const GeneratorOptions& options, const Difficulty& profile, bool strict,
             CRandom& random, Candidate& result, int& repairs) {
    CPattern pattern(options.width, options.height);
    const PatternOptions shape{options.width, options.height, profile.maxRun, profile.blockShare,
                              profile.maxSquare, options.keepUnused};
    int tries = 0;
    while (!pattern.generate(shape, random))
        if (++tries == maxPatternTries) return false;
    std::vector<int> digits;
    CFiller filler(pattern, random);
    for (tries = 0; tries < maxFillTries; ++tries) {
        if (options.stop && options.stop->load(std::memory_order_relaxed)) return false;
        if (!filler.fill(digits)) continue;
        CRepairer repairer(pattern, digits, profile.technique, strict, random);
        if (!repairer.repair(maxRepairs, repairs, options.stop)) continue;
        result = {levelFromDigits(pattern, repairer.digits()), repairer.digits(), repairer.grade()};
        return true;
    }
    return false;
}

// Turns `count` playable cells into fixed ones, never the last playable cell of a run.
void addFixedCells(CLevelGrid& grid, const std::vector<int>& digits, int count, CRandom& random) {
    std::vector<int> cells;
    for (int i = 0; i < grid.width() * grid.height(); ++i)
        if (grid.cell(i).kind == gridPlayable) cells.push_back(i);
    random.shuffle(cells);
    for (int cell : cells) {
        if (count <= 0) break;
        CLevelGrid trial = grid;
        GridCell& target = trial.at(cell % grid.width(), cell / grid.width());
        target.kind = gridFixed;
        target.digit = digits[cell];
        if (!trial.faults().empty()) continue;
        grid = std::move(trial);
        --count;
    }
}

}  // namespace

Difficulty difficultyProfile(int difficulty) {
    switch (std::clamp(difficulty, 1, 5)) {
    case 1: return {4, 0.30, 2, Technique::basic};
    case 2: return {5, 0.26, 2, Technique::combos};
    case 3: return {6, 0.22, 2, Technique::exact};
    case 4: return {8, 0.20, 2, Technique::exact};
    default: return {9, 0.18, 2, Technique::lookahead};
    }
}

CLevelGrid levelFromDigits(const CPattern& pattern, const std::vector<int>& digits) {
    CLevelGrid grid(pattern.width(), pattern.height());
    for (int y = 0; y < pattern.height(); ++y) {
        for (int x = 0; x < pattern.width(); ++x) {
            GridCell& cell = grid.at(x, y);
            if (pattern.playable(x, y)) {
                cell.kind = gridPlayable;
                continue;
            }
            cell.across = runSum(pattern, digits, x, y, true);
            cell.down = runSum(pattern, digits, x, y, false);
            cell.kind = cell.across || cell.down ? gridClue : gridUnused;
        }
    }
    return grid;
}

bool generateLevel(const GeneratorOptions& options, GeneratedLevel& level) {
    const size_t cells = size_t(std::max(options.width, 0)) * size_t(std::max(options.height, 0));
    if (!options.keepUnused.empty() && options.keepUnused.size() != cells) return false;
    const Difficulty profile = difficultyProfile(options.difficulty);
    CRandom random(options.seed);
    level = GeneratedLevel();
    Candidate found;
    bool done = false;
    auto stopped = [&] { return options.stop && options.stop->load(std::memory_order_relaxed); };
    while (!done && level.attempts < maxAttempts && !stopped()) {
        const bool strict = level.attempts < strictAttempts;
        ++level.attempts;
        done = attempt(options, profile, strict, random, found, level.repairs);
    }
    if (!done || stopped()) return false;
    level.grid = std::move(found.grid);
    level.solution = found.digits;
    addFixedCells(level.grid, level.solution, options.fixedCells, random);
    level.grade = gradeLevel(buildModel(level.grid), profile.technique);
    return true;
}

}  // namespace levels
