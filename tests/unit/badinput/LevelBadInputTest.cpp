// Damaged level files loaded from the level folder the way the game loads them: each gives the
// board the manifest says, and whatever was read stays a board the player can click, scroll,
// save and reset without harm.
#include <gtest/gtest.h>

#include <string>

#include "BadInputSupport.h"

namespace badinput {
namespace {

// The outcome in the manifest's words.
std::string describe(const CTallix& board, bool loaded) {
    return std::string(loaded ? "loaded " : "failed ") + std::to_string(board.width) + "x" +
           std::to_string(board.height) + " runs=" + std::to_string(board.runs.size());
}

std::string levelName(const std::string& file) {
    return file.substr(file.find('/') + 1, file.rfind('.') - file.find('/') - 1);
}

float centreX(const CTallix& board, int x) { return board.left() + (x + 0.5f) * board.cellEdge(); }
float centreY(const CTallix& board, int y) { return board.top() - (y + 0.5f) * board.cellEdge(); }

// Every button and the wheel on every cell; returns the digits entered, in row order.
std::vector<int> playEveryCell(CTallix& board) {
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            const float px = centreX(board, x), py = centreY(board, y);
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

class LevelBadInput : public GameFolderTest {};

TEST_F(LevelBadInput, EachFileGivesTheBoardTheManifestSays) {
    const std::vector<Check> checks = checksIn("level");
    ASSERT_FALSE(checks.empty());
    for (const Check& check : checks) {
        SCOPED_TRACE(check.file);
        bool loaded = false;
        auto board = loadLevel(levelName(check.file), readBytes(corpus() / check.file), &loaded);
        EXPECT_EQ(describe(*board, loaded), check.outcomeText());
        for (int x = 0; x < board->width; ++x)
            for (int y = 0; y < board->height; ++y) EXPECT_NE(board->cellAt(x, y), nullptr);
    }
}

// Input reaches only the cells that exist and a board whose file was not read to its end is
// never reported solved; the entries of a level that loaded survive a save and a load.
TEST_F(LevelBadInput, WhatWasReadStaysPlayable) {
    for (const Check& check : checksIn("level")) {
        SCOPED_TRACE(check.file);
        const std::string name = levelName(check.file);
        bool loaded = false;
        auto board = loadLevel(name, readBytes(corpus() / check.file), &loaded);
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
}

}  // namespace
}  // namespace badinput
