// libFuzzer target for saved games: any bytes restored into a board of a fixed level must leave
// every playable cell with a digit from 0 to 9, and the restored board must save and restore to
// itself. Built without libFuzzer, replay_main.cpp feeds it files.
#include "FuzzCheck.h"
#include "puzzle/SavedGame.h"
#include "tests/support/Boards.h"

namespace {

std::vector<SavedCell> cellsOf(const CTallix& board) {
    std::vector<SavedCell> cells;
    for (const PCellActive* cell : board.playableCellsInRowOrder()) cells.push_back({cell->value, cell->marks});
    return cells;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SavedGame game = parseSavedGame(data, size, 4);
    require(game.cells.size() == (game.headerFound ? 4u : 0u), "cell count");
    for (const SavedCell& cell : game.cells) require(cell.value >= 0 && cell.value <= 9, "parsed value");

    static const std::vector<uint8_t> level = testsupport::levelFile(testsupport::squareGrid());
    CTallix board, copy;
    require(board.readLevel(level.data(), level.size()) && copy.readLevel(level.data(), level.size()), "fixed level");
    board.restoreSavedGame(data, size);
    const std::vector<SavedCell> restored = cellsOf(board);
    for (const SavedCell& cell : restored) require(cell.value >= 0 && cell.value <= 9, "restored value");

    const std::vector<uint8_t> bytes = serialiseSavedGame({true, board.width, board.height, board.elapsed, restored});
    require(bytes.size() == savedGameHeaderSize + 4 * savedCellSize, "saved size");
    copy.restoreSavedGame(bytes.data(), bytes.size());
    require(copy.elapsed == board.elapsed, "elapsed round trip");
    const std::vector<SavedCell> again = cellsOf(copy);
    for (size_t i = 0; i < restored.size(); ++i)
        require(again[i].value == restored[i].value && again[i].marks == restored[i].marks, "cell round trip");
    return 0;
}
