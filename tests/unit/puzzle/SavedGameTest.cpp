// Saved games written and read back byte for byte, and every way a saved file can disappoint.
#include "puzzle/SavedGame.h"

#include "PuzzleTestSupport.h"

using namespace puzzletest;

namespace {

Bytes le32(uint32_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 24)};
}

Bytes record(uint32_t value, Bytes marks = Bytes(9, 0)) { return le32(value) + marks; }

Bytes savedHeader(uint32_t width, uint32_t height, uint32_t elapsed) {
    return bytesOf("GRD1BS") + le32(width) + le32(height) + le32(elapsed);
}

// The square board: playable cells (1,1) (2,1) (1,2) (2,2), in that row order.
class SavedGameTest : public PuzzleTest {
protected:
    std::unique_ptr<CTallix> square() { return load("Square", levelFile(squareGrid())); }

    std::filesystem::path savedFile() const { return levels() / "Square.gsv"; }

    // A board of the square level with its saved game restored from `file`.
    std::unique_ptr<CTallix> restored(const Bytes& file, bool* result = nullptr) {
        writeFile(savedFile(), file);
        auto board = square();
        board->elapsed = 777;
        enter(playable(*board, 2, 2), 9);  // must be gone after any load
        bool loaded = board->loadSavedGame();
        if (result) *result = loaded;
        return board;
    }
};

}  // namespace

TEST_F(SavedGameTest, WrittenInRowOrderAndRestoredWithRunStates) {
    auto board = square();
    enter(playable(*board, 1, 1), 2);
    enter(playable(*board, 2, 1), 2);  // a duplicate in the across run of 4
    playable(*board, 1, 2).marks[0] = true;
    playable(*board, 1, 2).marks[8] = true;
    board->elapsed = 123456;
    ASSERT_FALSE(board->savedGameExists);
    EXPECT_TRUE(board->saveGame());
    EXPECT_TRUE(board->savedGameExists);

    Bytes expected = savedHeader(3, 3, 123456) + record(2) + record(2) +
                     record(0, {1, 0, 0, 0, 0, 0, 0, 0, 1}) + record(0);
    ASSERT_EQ(expected.size(), 70u);
    EXPECT_EQ(readFile(savedFile()), expected);

    auto resumed = square();
    EXPECT_TRUE(resumed->savedGameExists);
    EXPECT_TRUE(resumed->loadSavedGame());
    EXPECT_EQ(resumed->elapsed, 123456u);
    EXPECT_EQ(playable(*resumed, 1, 1).value, 2);
    EXPECT_EQ(playable(*resumed, 2, 1).value, 2);
    EXPECT_TRUE(showsWrong(playable(*resumed, 1, 1)));
    EXPECT_TRUE(playable(*resumed, 1, 1).acrossRun->duplicate);
    EXPECT_EQ(playable(*resumed, 1, 2).marks, (std::array<bool, 9>{true, false, false, false, false, false, false, false, true}));
    EXPECT_EQ(playable(*resumed, 2, 2).value, 0);
}

TEST_F(SavedGameTest, SavingReplacesTheWholeOldFile) {
    writeFile(savedFile(), Bytes(500, 0xAB));
    auto board = square();
    EXPECT_TRUE(board->saveGame());
    EXPECT_EQ(readFile(savedFile()), savedHeader(3, 3, 0) + record(0) + record(0) + record(0) + record(0));
}

TEST_F(SavedGameTest, WrongHeaderLeavesTheBoardEmptyAndTheTimeAlone) {
    Bytes body = le32(3) + le32(3) + le32(5) + record(4) + record(4) + record(4) + record(4);
    for (const Bytes& file : {Bytes{}, bytesOf("GRD1B"), bytesOf("GRD1BT") + body, bytesOf("grd1bs") + body,
                              Bytes{'G', 'R', 'D', '1', 'B', 0} + body}) {
        bool result = false;
        auto board = restored(file, &result);
        EXPECT_TRUE(result);  // the file was read, whatever it held
        EXPECT_FALSE(board->hasEntries());
        EXPECT_EQ(board->elapsed, 777u);
    }
}

TEST_F(SavedGameTest, OtherBoardSizeRestoresOnlyTheTime) {
    auto board = restored(savedHeader(4, 3, 5000) + record(1) + record(2) + record(3) + record(4));
    EXPECT_EQ(board->elapsed, 5000u);
    EXPECT_FALSE(board->hasEntries());
}

TEST_F(SavedGameTest, ShortFileLeavesWhatItLacksEmpty) {
    Bytes full = savedHeader(3, 3, 42) + record(1) + record(3, {0, 1, 0, 0, 0, 0, 0, 0, 0}) +
                 record(2, {1, 1, 1, 1, 1, 1, 1, 1, 1}) + record(4);
    Bytes cut(full.begin(), full.begin() + 18 + 13 + 13 + 4 + 3);  // three marks of the third record
    auto board = restored(cut);
    EXPECT_EQ(board->elapsed, 42u);
    EXPECT_EQ(playable(*board, 1, 1).value, 1);
    EXPECT_TRUE(playable(*board, 2, 1).marks[1]);
    EXPECT_EQ(playable(*board, 1, 2).value, 2);
    EXPECT_EQ(playable(*board, 1, 2).marks, (std::array<bool, 9>{true, true, true}));
    EXPECT_EQ(playable(*board, 2, 2).value, 0);
    EXPECT_TRUE(playable(*board, 1, 1).acrossRun->complete);  // 1 + 3 = 4, updated on restore

    Bytes halfValue(full.begin(), full.end() - 11);  // two bytes of the last value
    EXPECT_EQ(playable(*restored(halfValue), 2, 2).value, 0);
    EXPECT_EQ(playable(*restored(halfValue), 1, 2).value, 2);

    auto headerOnly = restored(bytesOf("GRD1BS") + le32(3));  // height and time missing: both 0
    EXPECT_EQ(headerOnly->elapsed, 0u);
    EXPECT_FALSE(headerOnly->hasEntries());
}

TEST_F(SavedGameTest, ValuesOutsideZeroToNineLoadEmptyAndAnyMarkByteCounts) {
    auto board = restored(savedHeader(3, 3, 0) + record(10) + record(0xFFFFFFFFu) +
                          record(0x7FFFFFFF, {2, 0, 0, 0, 0, 0, 0, 0, 255}) + record(9));
    EXPECT_EQ(playable(*board, 1, 1).value, 0);
    EXPECT_EQ(playable(*board, 2, 1).value, 0);
    EXPECT_EQ(playable(*board, 1, 2).value, 0);
    EXPECT_TRUE(playable(*board, 1, 2).marks[0]);
    EXPECT_TRUE(playable(*board, 1, 2).marks[8]);
    EXPECT_EQ(playable(*board, 2, 2).value, 9);
}

TEST_F(SavedGameTest, NothingHappensWithoutTheFlag) {
    auto board = square();
    enter(playable(*board, 1, 1), 3);
    board->elapsed = 99;
    writeFile(savedFile(), savedHeader(3, 3, 5) + record(0) + record(0) + record(0) + record(0));
    EXPECT_FALSE(board->loadSavedGame());  // the flag was taken before the file appeared
    EXPECT_EQ(playable(*board, 1, 1).value, 3);
    EXPECT_EQ(board->elapsed, 99u);
}

TEST_F(SavedGameTest, VanishedFileClearsTheFlagAfterClearingTheBoard) {
    writeFile(savedFile(), Bytes{});
    auto board = square();
    ASSERT_TRUE(board->savedGameExists);
    std::filesystem::remove(savedFile());
    enter(playable(*board, 1, 1), 3);
    EXPECT_FALSE(board->loadSavedGame());
    EXPECT_FALSE(board->savedGameExists);
    EXPECT_FALSE(board->hasEntries());
}

TEST_F(SavedGameTest, FailedSaveKeepsTheFlagUntilTheNextLoad) {
    auto board = square();
    std::filesystem::remove_all(levels());
    EXPECT_FALSE(board->saveGame());
    EXPECT_TRUE(board->savedGameExists);
    EXPECT_FALSE(board->loadSavedGame());
    EXPECT_FALSE(board->savedGameExists);
}
