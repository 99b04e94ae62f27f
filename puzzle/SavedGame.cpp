// Saving and restoring an unfinished board.
#include "puzzle/SavedGame.h"

#include "platform/Platform.h"
#include "puzzle/ByteReader.h"
#include "puzzle/Tallix.h"

namespace {

const char header[] = "GRD1BS";
constexpr size_t headerLength = 6;

SavedCell readCell(ByteReader& reader) {
    SavedCell cell;
    int32_t value = reader.int32();
    cell.value = value >= 0 && value <= 9 ? value : 0;
    for (bool& mark : cell.marks) mark = reader.byte() != 0;
    return cell;
}

void putUint32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

}  // namespace

SavedGame parseSavedGame(const uint8_t* data, size_t size, size_t cellCount) {
    ByteReader reader(data, size);
    SavedGame game;
    game.headerFound = reader.text(headerLength) == header;
    if (!game.headerFound) return game;
    game.width = reader.int32();
    game.height = reader.int32();
    game.elapsed = reader.uint32();
    game.cells.reserve(cellCount);
    for (size_t i = 0; i < cellCount; ++i) game.cells.push_back(readCell(reader));
    return game;
}

std::vector<uint8_t> serialiseSavedGame(const SavedGame& game) {
    std::vector<uint8_t> bytes(header, header + headerLength);
    putUint32(bytes, static_cast<uint32_t>(game.width));
    putUint32(bytes, static_cast<uint32_t>(game.height));
    putUint32(bytes, game.elapsed);
    for (const SavedCell& cell : game.cells) {
        putUint32(bytes, static_cast<uint32_t>(cell.value));
        for (bool mark : cell.marks) bytes.push_back(mark ? 1 : 0);
    }
    return bytes;
}

std::wstring savedGamePathOf(const std::wstring& levelName) {
    return L"Data\\Levels\\" + levelName + L".gsv";
}

// The flag is set even when writing fails; the next load then finds no file and clears it. The
// file is replaced atomically, so a failed save never destroys the previous one.
bool CTallix::saveGame() {
    savedGameExists = true;
    SavedGame game;
    game.headerFound = true;
    game.width = width;
    game.height = height;
    game.elapsed = elapsed;
    for (const PCellActive* cell : playableCellsInRowOrder()) game.cells.push_back({cell->value, cell->marks});
    std::vector<uint8_t> bytes = serialiseSavedGame(game);
    return platform::writeFileAtomically(savedGamePathOf(name), bytes.data(), bytes.size());
}

// True whenever the file could be read, whatever it held: a wrong header or another board size
// leaves the board empty.
bool CTallix::loadSavedGame() {
    if (!savedGameExists) return false;
    resetEntries();
    std::vector<uint8_t> bytes;
    if (!platform::readWholeFile(savedGamePathOf(name), bytes)) {
        savedGameExists = false;
        return false;
    }
    restoreSavedGame(bytes.data(), bytes.size());
    return true;
}

// The elapsed time is taken from any file with the right header, even one for another board size.
void CTallix::restoreSavedGame(const uint8_t* data, size_t size) {
    std::vector<PCellActive*> cells = playableCellsInRowOrder();
    SavedGame game = parseSavedGame(data, size, cells.size());
    if (!game.headerFound) return;
    elapsed = game.elapsed;
    if (game.width != width || game.height != height) return;
    for (size_t i = 0; i < cells.size(); ++i) {
        cells[i]->marks = game.cells[i].marks;
        cells[i]->setValue(game.cells[i].value);
        updateRunsOf(*cells[i]);
    }
}
