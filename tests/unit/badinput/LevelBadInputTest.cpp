// Damaged level files (tests/badinput/level/, the outcome of each in tests/badinput/expected.txt)
// loaded from the level folder the way the game loads them: each gives the board the list says,
// and whatever was read stays a board the player can click, scroll, save and reset without harm.
#include <set>
#include <sstream>

#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

using LevelBadInput = GameFolderTest;

// Input reaches only the cells that exist and a board whose file was not read to its end is
// never reported solved; the entries of a level that loaded survive a save and a load.
TEST_F(LevelBadInput, EachFileGivesTheBoardTheListSaysAndStaysPlayable) {
    const fs::path corpus = fs::path(TALLIX_SOURCE_DIR) / "tests" / "badinput";
    std::set<std::string> listed, present;
    for (const auto& entry : fs::directory_iterator(corpus / "level")) present.insert("level/" + entry.path().filename().string());
    std::istringstream list(readText(corpus / "expected.txt"));
    for (std::string file, outcome; list >> file && std::getline(list, outcome);) {
        if (file[0] == '#') continue;
        SCOPED_TRACE(file);
        listed.insert(file);
        const std::string name = fs::path(file).stem().string();
        bool loaded = false;
        auto board = loadBoard(name, readBytes(corpus / file), &loaded);
        EXPECT_EQ(" " + std::string(loaded ? "loaded " : "failed ") + std::to_string(board->width) + "x" +
                      std::to_string(board->height) + " runs=" + std::to_string(board->runs.size()), outcome);
        // Every button and the wheel on every cell.
        for (int y = 0; y < board->height; ++y)
            for (int x = 0; x < board->width; ++x) {
                ASSERT_NE(board->cellAt(x, y), nullptr);
                const float px = cellCentreX(*board, x), py = cellCentreY(*board, y);
                board->mouseMove(px, py);
                for (int button = 0; button < 3; ++button) {
                    board->buttonDown(px, py, button);
                    board->buttonUp(px, py, button);
                }
                for (int notch = 0; notch <= (x + y) % 10; ++notch) board->wheel(120);
            }
        board->elapsed = 4321;
        ASSERT_TRUE(board->saveGame());
        if (!loaded) {
            EXPECT_FALSE(board->isSolved());
            continue;
        }
        auto resumed = loadBoard(name, readBytes(corpus / file));
        ASSERT_TRUE(resumed->loadSavedGame());
        for (size_t i = 0; i < board->playableCellsInRowOrder().size(); ++i)
            EXPECT_EQ(resumed->playableCellsInRowOrder()[i]->value, board->playableCellsInRowOrder()[i]->value);
        EXPECT_EQ(resumed->elapsed, 4321u);
        resumed->resetEntries();
        EXPECT_FALSE(resumed->hasEntries());
    }
    EXPECT_GE(present.size(), 20u);
    EXPECT_EQ(listed, present) << "every file needs a line in expected.txt and every line its file";
}

}  // namespace
