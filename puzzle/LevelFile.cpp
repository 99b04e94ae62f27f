// Reading a level: the file format, and how a board takes its name, records and grid from it.
#include "puzzle/LevelFile.h"

#include "app/IniFile.h"
#include "app/Shell.h"
#include "platform/Platform.h"
#include "puzzle/ByteReader.h"
#include "puzzle/SavedGame.h"
#include "puzzle/Tallix.h"

namespace {

constexpr size_t blockSize = 6;

// A block is accepted when its letters occur anywhere in it, read as zero-terminated text.
bool blockHolds(ByteReader& reader, const char* letters) {
    return reader.text(blockSize).find(letters) != std::string::npos;
}

int32_t sideFrom(uint8_t byte) {
    return byte >= 1 && byte <= maxBoardSide ? byte : 0;
}

LevelCellRecord readCell(ByteReader& reader) {
    LevelCellRecord record;
    record.kind = reader.byte();
    if (record.kind == 0) {
        record.first = reader.byte();
        record.second = reader.byte();
    } else if (record.kind == 3) {
        record.first = reader.byte();
    }
    return record;
}

}  // namespace

// Without the header letters no grid is read, and the six bytes after the header block are taken
// as the trailer.
LevelImage parseLevelFile(const uint8_t* data, size_t size) {
    ByteReader reader(data, size);
    LevelImage level;
    level.headerFound = blockHolds(reader, "GRD1B");
    if (level.headerFound) {
        level.width = sideFrom(reader.byte());
        level.height = sideFrom(reader.byte());
        level.cells.resize(static_cast<size_t>(level.width) * level.height);
        for (LevelCellRecord& record : level.cells) record = readCell(reader);
    }
    level.trailerFound = blockHolds(reader, "GRD1E");
    return level;
}

std::wstring levelNameOf(const std::wstring& path) {
    size_t slash = path.rfind(L'\\');
    size_t start = slash == std::wstring::npos ? 0 : slash + 1;
    size_t dot = path.rfind(L'.');
    size_t end = dot == std::wstring::npos || dot < start ? path.size() : dot;
    return path.substr(start, end - start);
}

std::wstring levelFolderOf(const std::wstring& path) {
    size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

bool CTallix::loadLevel(const std::wstring& path) {
    name = levelNameOf(path);
    IniFile records(baseDirectory + levelFolderOf(path) + L"Recs.ini");
    gold = records.readInt(name, L"Gold", 0);
    silver = records.readInt(name, L"Silver", 0);
    bronze = records.readInt(name, L"Bronze", 0);
    userBest = records.readInt(name, L"User", 0);

    std::vector<uint8_t> bytes;
    if (!platform::readWholeFile(path, bytes)) return false;
    if (!readLevel(bytes.data(), bytes.size())) return false;
    savedGameExists = platform::fileExists(savedGamePathOf(name));
    return true;
}

// The cells read stay in the board even when the trailer is missing; runs and default limits
// come only with a complete file.
bool CTallix::readLevel(const uint8_t* data, size_t size) {
    LevelImage level = parseLevelFile(data, size);
    buildGrid(level);
    if (!level.trailerFound) return false;
    buildRuns();
    if (gold == 0) {
        int playable = countPlayable();
        gold = 15 * playable;
        silver = 20 * playable;
        bronze = 30 * playable;
    }
    loaded = true;
    return true;
}
