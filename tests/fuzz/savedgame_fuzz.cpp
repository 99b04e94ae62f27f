// libFuzzer target for saved games: any bytes restored into a board of a fixed level must leave
// every playable cell with a digit from 0 to 9, and the restored board must save and restore to
// itself. Built without libFuzzer, replay_main.cpp feeds it files.
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "puzzle/SavedGame.h"
#include "puzzle/Tallix.h"

namespace {

// A 3 x 3 level with four playable cells: clues across 4 and 6, down 3 and 7.
const std::vector<uint8_t> level = {
    'G', 'R', 'D', '1', 'B', 0, 3, 3,
    2, 0, 4, 0, 0, 6, 0,       // column 0
    0, 0, 3, 1, 1,             // column 1
    0, 0, 7, 1, 1,             // column 2
    'G', 'R', 'D', '1', 'E', 0};

struct Snapshot {
    uint32_t elapsed;
    std::vector<SavedCell> cells;
};

Snapshot snapshot(const CTallix& board) {
    Snapshot shot{board.elapsed, {}};
    for (const PCellActive* cell : board.playableCellsInRowOrder()) shot.cells.push_back({cell->value, cell->marks});
    return shot;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SavedGame game = parseSavedGame(data, size, 4);
    require(game.cells.size() == (game.headerFound ? 4u : 0u), "cell count");
    for (const SavedCell& cell : game.cells) require(cell.value >= 0 && cell.value <= 9, "parsed value");

    CTallix board;
    require(board.readLevel(level.data(), level.size()), "fixed level");
    board.restoreSavedGame(data, size);
    Snapshot restored = snapshot(board);
    for (const SavedCell& cell : restored.cells) require(cell.value >= 0 && cell.value <= 9, "restored value");

    SavedGame again{true, board.width, board.height, board.elapsed, restored.cells};
    std::vector<uint8_t> bytes = serialiseSavedGame(again);
    require(bytes.size() == savedGameHeaderSize + 4 * savedCellSize, "saved size");
    CTallix copy;
    copy.readLevel(level.data(), level.size());
    copy.restoreSavedGame(bytes.data(), bytes.size());
    Snapshot second = snapshot(copy);
    require(second.elapsed == restored.elapsed, "elapsed round trip");
    for (size_t i = 0; i < restored.cells.size(); ++i) {
        require(second.cells[i].value == restored.cells[i].value, "value round trip");
        require(second.cells[i].marks == restored.cells[i].marks, "marks round trip");
    }
    return 0;
}
