// Shared by the bad-input tests: the game folder fixture of every suite, with level files and
// saved games loaded the way the game loads them.
#pragma once

#include <memory>
#include <string>

#include "puzzle/Tallix.h"
#include "tests/support/Boards.h"
#include "tests/support/TestFiles.h"

namespace badinput {

using namespace testsupport;

class BadInputTest : public GameFolderTest {
protected:
    // Writes Data\Levels\<name>.grd and loads it into a new board.
    std::unique_ptr<CTallix> loadLevel(const std::string& name, const Bytes& file, bool* result = nullptr) {
        writeBytes(levels() / (name + ".grd"), file);
        return loadWritten(name, result);
    }

    // Loads Data\Levels\<name>.grd as it is on disk.
    static std::unique_ptr<CTallix> loadWritten(const std::string& name, bool* result = nullptr) {
        auto board = std::make_unique<CTallix>();
        const bool loaded = board->loadLevel(L"Data\\Levels\\" + wide(name) + L".grd");
        if (result) *result = loaded;
        return board;
    }
};

}  // namespace badinput
