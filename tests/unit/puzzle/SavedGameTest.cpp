// Saved games written and read back byte for byte, and every way a saved file can disappoint.
#include "puzzle/SavedGame.h"

#include "tests/support/PlayFixtures.h"

using namespace playtest;

namespace {

Bytes le32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }
Bytes record(uint32_t value, Bytes marks = Bytes(9, 0)) { return le32(value) + marks; }
Bytes savedHeader(uint32_t width, uint32_t height, uint32_t elapsed) {
    return bytesOf("GRD1BS") + le32(width) + le32(height) + le32(elapsed);
}

// The square board's playable cells (1,1) (2,1) (1,2) (2,2) in row order: each digit, then "/"
// and its marks when it has any.
std::string entries(const CTallix& board) {
    std::string text;
    for (auto [x, y] : {std::pair{1, 1}, {2, 1}, {1, 2}, {2, 2}}) {
        const PCellActive& cell = playable(board, x, y);
        text += (text.empty() ? "" : " ") + std::to_string(cell.value);
        std::string marks;
        for (int k = 0; k < 9; ++k) marks += cell.marks[k] ? std::string(1, char('1' + k)) : "";
        if (!marks.empty()) text += "/" + marks;
    }
    return text;
}

class SavedGameTest : public GameFolderTest {
protected:
    std::unique_ptr<CTallix> square() { return loadBoard("Square", levelFile(squareGrid())); }
    fs::path savedFile() const { return levels() / "Square.gsv"; }
};

// Written in row order over whatever file was there, and restored with the runs' states. Every
// file that can be read restores (true) into a board cleared first: a wrong header leaves the board
// empty and the time alone; another board size restores only the time; a value outside 0 to 9 is
// an empty cell. (Files cut short at every length: SavedGameBadInput.)
TEST_F(SavedGameTest, WrittenInRowOrderAndWhatAReadableFileRestores) {
    auto board = square();
    enter(playable(*board, 1, 1), 2);
    enter(playable(*board, 2, 1), 2);  // a duplicate in the across run of 4
    playable(*board, 1, 2).marks[0] = playable(*board, 1, 2).marks[8] = true;
    board->elapsed = 123456;
    ASSERT_FALSE(board->savedGameExists);
    writeBytes(savedFile(), Bytes(500, 0xAB));
    EXPECT_TRUE(board->saveGame());
    EXPECT_TRUE(board->savedGameExists);
    Bytes expected = savedHeader(3, 3, 123456) + record(2) + record(2) + record(0, {1, 0, 0, 0, 0, 0, 0, 0, 1}) + record(0);
    EXPECT_EQ(readBytes(savedFile()), expected);

    auto resumed = square();
    EXPECT_TRUE(resumed->savedGameExists);
    EXPECT_TRUE(resumed->loadSavedGame());
    EXPECT_EQ(resumed->elapsed, 123456u);
    EXPECT_EQ(entries(*resumed), "2 2 0/19 0");
    EXPECT_TRUE(showsWrong(playable(*resumed, 1, 1)));
    EXPECT_TRUE(playable(*resumed, 1, 1).acrossRun->duplicate);

    const Bytes body = le32(3) + le32(3) + le32(5) + record(4) + record(4) + record(4) + record(4);
    struct Row { const char* what; Bytes file; uint32_t elapsed; const char* entries; };
    const Row rows[] = {
        {"another letter", bytesOf("GRD1BT") + body, 777, "0 0 0 0"},
        {"lower case", bytesOf("grd1bs") + body, 777, "0 0 0 0"},
        {"the level header", Bytes{'G', 'R', 'D', '1', 'B', 0} + body, 777, "0 0 0 0"},
        {"another size", savedHeader(4, 3, 5000) + record(1) + record(2) + record(3) + record(4), 5000, "0 0 0 0"},
        {"values out of range: empty; any mark byte but 0 sets the mark", savedHeader(3, 3, 0) + record(10) +
             record(0xFFFFFFFFu) + record(0x7FFFFFFF, {2, 0, 0, 0, 0, 0, 0, 0, 255}) + record(9), 0, "0 0 0/19 9"},
    };
    for (const Row& row : rows) {
        writeBytes(savedFile(), row.file);
        resumed = square();
        resumed->elapsed = 777;
        enter(playable(*resumed, 2, 2), 9);  // must be gone after any load
        EXPECT_TRUE(resumed->loadSavedGame()) << row.what;
        EXPECT_EQ(resumed->elapsed, row.elapsed) << row.what;
        EXPECT_EQ(entries(*resumed), row.entries) << row.what;
    }
    writeBytes(savedFile(), savedHeader(3, 3, 42) + record(1) + record(3));
    resumed = square();
    resumed->loadSavedGame();
    EXPECT_TRUE(playable(*resumed, 1, 1).acrossRun->complete);  // 1 + 3 = 4, updated on restore
}

// Without the flag (taken before the file appeared) nothing happens. A file gone since the flag was
// taken clears the board, then the flag; a failed save keeps the flag until that next load.
TEST_F(SavedGameTest, TheFlagDecidesAndAMissingFileClearsItAtTheNextLoad) {
    auto board = square();
    enter(playable(*board, 1, 1), 3);
    board->elapsed = 99;
    writeBytes(savedFile(), savedHeader(3, 3, 5) + record(0) + record(0) + record(0) + record(0));
    EXPECT_FALSE(board->loadSavedGame());
    EXPECT_EQ(playable(*board, 1, 1).value, 3);
    EXPECT_EQ(board->elapsed, 99u);

    board = square();
    ASSERT_TRUE(board->savedGameExists);
    fs::remove(savedFile());
    enter(playable(*board, 1, 1), 3);
    EXPECT_FALSE(board->loadSavedGame());
    EXPECT_FALSE(board->savedGameExists);
    EXPECT_FALSE(board->hasEntries());

    fs::remove_all(levels());
    EXPECT_FALSE(board->saveGame());
    EXPECT_TRUE(board->savedGameExists);
    EXPECT_FALSE(board->loadSavedGame());
    EXPECT_FALSE(board->savedGameExists);
}

}  // namespace
