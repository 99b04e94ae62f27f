// Damaged level files (tests/badinput/level/, written by tools/make-badinput.py with the outcome of
// each in tests/badinput/expected.txt) loaded from the level folder the way the game loads them:
// each gives the board the manifest says, and whatever was read stays a board the player can click,
// scroll, save and reset without harm.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "BadInputSupport.h"

namespace badinput {
namespace {

fs::path corpus() { return fs::path(TALLIX_SOURCE_DIR) / "tests" / "badinput"; }

// The manifest's lines "level/<file> <outcome>", file and outcome apart.
std::vector<std::pair<std::string, std::string>> manifest() {
    std::vector<std::pair<std::string, std::string>> checks;
    std::istringstream in(readText(corpus() / "expected.txt"));
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const size_t space = line.find(' ');
        checks.emplace_back(line.substr(0, space), line.substr(space + 1));
    }
    return checks;
}

// The outcome in the manifest's words.
std::string describe(const CTallix& board, bool loaded) {
    return std::string(loaded ? "loaded " : "failed ") + std::to_string(board.width) + "x" +
           std::to_string(board.height) + " runs=" + std::to_string(board.runs.size());
}

// Every button and the wheel on every cell; returns the digits entered, in row order.
std::vector<int> playEveryCell(CTallix& board) {
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            const float px = cellCentreX(board, x), py = cellCentreY(board, y);
            board.mouseMove(px, py);
            for (int button = 0; button < 3; ++button) {
                board.buttonDown(px, py, button);
                board.buttonUp(px, py, button);
            }
            for (int notch = 0; notch <= (x + y) % 10; ++notch) board.wheel(120);
        }
    }
    std::vector<int> digits;
    for (const PCellActive* cell : board.playableCellsInRowOrder()) digits.push_back(cell->value);
    return digits;
}

class LevelBadInput : public BadInputTest {};

// Input reaches only the cells that exist and a board whose file was not read to its end is
// never reported solved; the entries of a level that loaded survive a save and a load.
TEST_F(LevelBadInput, EachFileGivesTheBoardTheManifestSaysAndStaysPlayable) {
    std::set<std::string> listed, present;
    for (const auto& entry : fs::directory_iterator(corpus() / "level"))
        present.insert("level/" + entry.path().filename().string());
    for (const auto& [file, outcome] : manifest()) {
        SCOPED_TRACE(file);
        listed.insert(file);
        const std::string name = fs::path(file).stem().string();
        bool loaded = false;
        auto board = loadLevel(name, readBytes(corpus() / file), &loaded);
        EXPECT_EQ(describe(*board, loaded), outcome);
        for (int x = 0; x < board->width; ++x)
            for (int y = 0; y < board->height; ++y) ASSERT_NE(board->cellAt(x, y), nullptr);

        const std::vector<int> digits = playEveryCell(*board);
        board->elapsed = 4321;
        ASSERT_TRUE(board->saveGame());
        if (!loaded) {
            EXPECT_FALSE(board->isSolved());
            continue;
        }
        auto resumed = loadWritten(name);
        ASSERT_TRUE(resumed->savedGameExists);
        ASSERT_TRUE(resumed->loadSavedGame());
        std::vector<int> restored;
        for (const PCellActive* cell : resumed->playableCellsInRowOrder()) restored.push_back(cell->value);
        EXPECT_EQ(restored, digits);
        EXPECT_EQ(resumed->elapsed, 4321u);
        resumed->resetEntries();
        EXPECT_FALSE(resumed->hasEntries());
    }
    EXPECT_GE(present.size(), 20u);
    EXPECT_EQ(listed, present) << "every corpus file needs a line in expected.txt and every line its file";
}

}  // namespace
}  // namespace badinput
