// Shared by the puzzle tests: a fresh game folder per test (working directory and baseDirectory
// point at it, both restored afterwards), the null backend with its fake clock, and level files
// written from a readable grid description.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Shell.h"
#include "platform/NullBackend.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"

namespace puzzletest {

using Bytes = std::vector<uint8_t>;

inline Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline const Bytes& levelHeader() {
    static const Bytes header = {'G', 'R', 'D', '1', 'B', 0};
    return header;
}
inline const Bytes& levelTrailer() {
    static const Bytes trailer = {'G', 'R', 'D', '1', 'E', 0};
    return trailer;
}

// One cell of a grid description: "u" unused, "p" playable, "f7" fixed 7, "a\d" a clue with
// across sum a and down sum d ("10\0", "0\4"), "k9" an unknown kind byte 9.
inline Bytes cellRecord(const std::string& token) {
    switch (token[0]) {
    case 'u': return {2};
    case 'p': return {1};
    case 'f': return {3, static_cast<uint8_t>(std::stoi(token.substr(1)))};
    case 'k': return {static_cast<uint8_t>(std::stoi(token.substr(1)))};
    default: {
        size_t slash = token.find('\\');
        return {0, static_cast<uint8_t>(std::stoi(token.substr(0, slash))),
                static_cast<uint8_t>(std::stoi(token.substr(slash + 1)))};
    }
    }
}

// The cell records of a grid given row by row (tokens separated by blanks), in the file's column
// by column order.
inline Bytes cellRecords(const std::vector<std::string>& rows) {
    std::vector<std::vector<std::string>> grid;
    for (const std::string& row : rows) {
        std::istringstream in(row);
        grid.emplace_back();
        for (std::string token; in >> token;) grid.back().push_back(token);
    }
    Bytes records;
    for (size_t x = 0; x < grid[0].size(); ++x) {
        for (const auto& row : grid) records = records + cellRecord(row[x]);
    }
    return records;
}

// A complete level file for the grid.
inline Bytes levelFile(const std::vector<std::string>& rows) {
    size_t width = 0;
    std::istringstream first(rows[0]);
    for (std::string token; first >> token;) ++width;
    Bytes size = {static_cast<uint8_t>(width), static_cast<uint8_t>(rows.size())};
    return levelHeader() + size + cellRecords(rows) + levelTrailer();
}

// A 3 x 3 board with four playable cells: two across runs (sums 4 and 6) and two down runs (sums
// 3 and 7).
inline std::vector<std::string> squareGrid() {
    return {"u    0\\3  0\\7",
            "4\\0 p    p",
            "6\\0 p    p"};
}

class PuzzleTest : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        platform::null::reset();
        platform::null::setTime(10000);
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        const char* root = std::getenv("TALLIX_TEST_TMP");
        folder_ = std::filesystem::path(root && *root ? root : "/tmp") / "puzzle" /
                  (std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_ / "Data" / "Levels");
        oldDirectory_ = std::filesystem::current_path();
        oldBase_ = baseDirectory;
        std::filesystem::current_path(folder_);
        baseDirectory = platform::fromUtf8(folder_.string()) + L"\\";
    }

    void TearDown() override {
        std::filesystem::current_path(oldDirectory_);
        baseDirectory = oldBase_;
    }

    std::filesystem::path levels() const { return folder_ / "Data" / "Levels"; }

    void writeFile(const std::filesystem::path& path, const Bytes& bytes) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    Bytes readFile(const std::filesystem::path& path) const {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void writeRecords(const std::string& text) const {
        std::ofstream(levels() / "Recs.ini", std::ios::binary) << text;
    }

    // Writes Data\Levels\<name>.grd and loads it into a new board.
    std::unique_ptr<CTallix> load(const std::string& name, const Bytes& file, bool* result = nullptr) {
        writeFile(levels() / (name + ".grd"), file);
        auto board = std::make_unique<CTallix>();
        bool loaded = board->loadLevel(L"Data\\Levels\\" + platform::fromUtf8(name) + L".grd");
        if (result) *result = loaded;
        return board;
    }

    std::filesystem::path folder_;

private:
    std::filesystem::path oldDirectory_;
    std::wstring oldBase_;
};

// The playable cell at column x, row y (the test fails at once when it is something else).
inline PCellActive& playable(const CTallix& board, int x, int y) {
    PCellActive* cell = asActive(board.cellAt(x, y));
    if (!cell) throw std::runtime_error("not a playable cell");
    return *cell;
}

inline void enter(PCellActive& cell, int value) {
    cell.setValue(value);
    updateRunsOf(cell);
}

// The centre of cell (x, y) in view coordinates.
inline float cellCentreX(const CTallix& board, int x) { return board.left() + (x + 0.5f) * board.cellEdge(); }
inline float cellCentreY(const CTallix& board, int y) { return board.top() - (y + 0.5f) * board.cellEdge(); }

}  // namespace puzzletest
