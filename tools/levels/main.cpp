// tallix-levels: checks, solves and generates level files.
//
//   check FILE...                 size, runs, playable cells, solutions and grade of each level;
//                                 exit code 1 when any file is broken, has a shape fault (cells
//                                 under the starting view's captions included) or is not
//                                 uniquely solvable
//   solve FILE                    prints the solved grid
//   generate --width W --height H --difficulty D --seed S [--fixed N] --out FILE
//                                 writes a new level that leaves the cells under the captions
//                                 unused; the same options write the same level
//   records --out FILE LEVEL...   writes medal limits matched to each level's grade
//
// Sections: arguments | check | solve | generate | records | main
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "puzzle/StartingView.h"
#include "tools/levels/Analysis.h"
#include "solver/Generator.h"
#include "solver/LevelFile.h"
#include "tools/levels/LevelLoader.h"
#include "tools/levels/Records.h"

using namespace levels;

namespace {

// ---- arguments --------------------------------------------------------------------------------

int usage() {
    std::fprintf(stderr,
                 "usage: tallix-levels check FILE...\n"
                 "       tallix-levels solve FILE\n"
                 "       tallix-levels generate --width W --height H --difficulty D --seed S"
                 " [--fixed N] --out FILE\n"
                 "       tallix-levels records --out FILE LEVEL...\n");
    return 2;
}

// "--name value" pairs into `options`, everything else into `files`; false on a dangling option.
bool splitArguments(int argc, char** argv, std::map<std::string, std::string>& options,
                    std::vector<std::string>& files) {
    for (int i = 2; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) != 0) {
            files.push_back(argv[i]);
            continue;
        }
        if (i + 1 >= argc) return false;
        options[argv[i] + 2] = argv[i + 1];
        ++i;
    }
    return true;
}

bool readNumber(const std::map<std::string, std::string>& options, const char* name,
                unsigned long long& value) {
    auto it = options.find(name);
    if (it == options.end() || it->second.empty()) return false;
    char* end = nullptr;
    value = std::strtoull(it->second.c_str(), &end, 10);
    return end && *end == 0;
}

std::string solutionText(const SolveResult& result) {
    if (result.solutions >= 2) return "2 or more";
    if (!result.complete)
        return "undecided (" + std::to_string(result.solutions) + " found, search stopped after " +
               std::to_string(result.nodes) + " nodes)";
    return std::to_string(result.solutions);
}

// ---- check ------------------------------------------------------------------------------------

// Why the game refused a file.
void reportUnloadable(const std::string& path) {
    const bool exists = platform::fileExists(platform::fromUtf8(path));
    std::printf("%s: broken (%s)\n", path.c_str(), exists ? "not a complete level file" : "cannot be read");
}

bool checkOne(const std::string& path) {
    const LoadedLevel level = loadLevelFile(path);
    if (!level.loaded) {
        reportUnloadable(path);
        return false;
    }
    const Analysis analysis = analyseLevel(level.grid);
    std::printf("%s: %dx%d, %d runs, %d playable, %d fixed, solutions %s, grade %s\n", path.c_str(),
                level.grid.width(), level.grid.height(), analysis.runs, analysis.playable,
                analysis.fixed, solutionText(analysis.solve).c_str(),
                analysis.grade.solved ? analysis.grade.describe().c_str() : "search needed");
    for (const std::string& fault : analysis.faults) std::printf("  fault: %s\n", fault.c_str());
    return analysis.fitToShip();
}

int check(const std::vector<std::string>& files) {
    if (files.empty()) return usage();
    bool allFine = true;
    for (const std::string& file : files) allFine = checkOne(file) && allFine;
    return allFine ? 0 : 1;
}

// ---- solve ------------------------------------------------------------------------------------

int solve(const std::vector<std::string>& files) {
    if (files.size() != 1) return usage();
    const LoadedLevel level = loadLevelFile(files[0]);
    if (!level.loaded) {
        reportUnloadable(files[0]);
        return 1;
    }
    const SolverModel model = buildModel(level.grid);
    const SolveResult result = CSolver(model).solve(2);
    if (result.solutions == 0) {
        std::printf("no solution found: %s\n", solutionText(result).c_str());
        return 1;
    }
    std::printf("%s", formatGrid(level.grid, digitsOf(model, result.first)).c_str());
    std::printf("solutions %s, %llu nodes\n", solutionText(result).c_str(), (unsigned long long)result.nodes);
    return result.solutions == 1 && result.complete ? 0 : 1;
}

// ---- generate ---------------------------------------------------------------------------------

int generate(const std::map<std::string, std::string>& options) {
    unsigned long long width, height, difficulty, seed, fixed = 0;
    auto out = options.find("out");
    if (!readNumber(options, "width", width) || !readNumber(options, "height", height) ||
        !readNumber(options, "difficulty", difficulty) || !readNumber(options, "seed", seed) ||
        out == options.end() || (options.count("fixed") && !readNumber(options, "fixed", fixed)))
        return usage();
    if (width < 3 || width > 49 || height < 3 || height > 49 || difficulty < 1 || difficulty > 5) {
        std::fprintf(stderr, "width and height must be 3 to 49, difficulty 1 to 5\n");
        return 2;
    }
    GeneratedLevel level;
    const std::vector<bool> underCaptions = startingView::cellsUnderCaptions(int(width), int(height));
    if (!generateLevel({int(width), int(height), int(difficulty), seed, int(fixed), underCaptions}, level)) {
        std::fprintf(stderr, "no level found for these options\n");
        return 1;
    }
    const std::vector<uint8_t> bytes = encodeLevel(level.grid);
    if (!platform::writeFileAtomically(platform::fromUtf8(out->second), bytes.data(), bytes.size())) {
        std::fprintf(stderr, "cannot write %s\n", out->second.c_str());
        return 1;
    }
    // What was written must read back, through the game's own reader, as the level made.
    const LoadedLevel written = loadLevelFile(out->second);
    if (!written.loaded || encodeLevel(written.grid) != bytes) {
        std::fprintf(stderr, "%s does not read back as the level written\n", out->second.c_str());
        return 1;
    }
    std::printf("%s: %dx%d, %d playable, grade %s, %d patterns, %d repairs\n", out->second.c_str(),
                level.grid.width(), level.grid.height(), level.grid.count(gridPlayable),
                level.grade.describe().c_str(), level.attempts, level.repairs);
    return 0;
}

// ---- records ----------------------------------------------------------------------------------

int records(const std::map<std::string, std::string>& options, const std::vector<std::string>& files) {
    auto out = options.find("out");
    if (out == options.end() || files.empty()) return usage();
    std::vector<LevelRecord> list;
    for (const std::string& file : files) {
        const LoadedLevel level = loadLevelFile(file);
        const Analysis analysis = analyseLevel(level.grid);
        if (!level.loaded || !analysis.fitToShip() || !analysis.grade.solved) {
            std::fprintf(stderr, "%s: not a shippable level\n", file.c_str());
            return 1;
        }
        list.push_back({level.name, limitsFor(analysis.grade, analysis.playable)});
        std::printf("[%s] Gold=%d Silver=%d Bronze=%d\n", platform::toUtf8(level.name).c_str(),
                    list.back().limits.gold, list.back().limits.silver, list.back().limits.bronze);
    }
    if (!writeRecords(platform::fromUtf8(out->second), list)) {
        std::fprintf(stderr, "cannot write %s\n", out->second.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

// ---- main -------------------------------------------------------------------------------------

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    std::map<std::string, std::string> options;
    std::vector<std::string> files;
    if (!splitArguments(argc, argv, options, files)) return usage();
    platform::selectBackend(platform::Backend::Null);
    if (command == "check") return check(files);
    if (command == "solve") return solve(files);
    if (command == "generate") return generate(options);
    if (command == "records") return records(options, files);
    return usage();
}
