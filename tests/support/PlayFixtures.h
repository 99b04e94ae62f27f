// Fixtures of the puzzle, game and menu tests: boards loaded from Data\Levels of the game folder,
// a folder of levels and styles, and a player's clicks and frames on the controller.
#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "app/Shell.h"
#include "game/Game.h"
#include "platform/NullBackend.h"
#include "platform/Platform.h"
#include "puzzle/Tallix.h"
#include "tests/support/Boards.h"
#include "tests/support/TestFiles.h"
#include "ui/UI.h"

namespace playtest {

using namespace testsupport;

// Writes Data\Levels\<name>.grd into the working directory and loads it into a new board.
inline std::unique_ptr<CTallix> loadBoard(const std::string& name, const Bytes& file, bool* result = nullptr) {
    writeBytes(fs::path("Data") / "Levels" / (name + ".grd"), file);
    auto board = std::make_unique<CTallix>();
    bool loaded = board->loadLevel(L"Data\\Levels\\" + platform::fromUtf8(name) + L".grd");
    if (result) *result = loaded;
    return board;
}

// Key presses named as xdotool names them, separated by blanks: "Right 7 shift+7 ctrl+shift+z".
template <class Target>
void type(Target& target, const std::string& keys) {
    const char* names[] = {"Escape", "F1", "F2", "Up", "Down", "Left", "Right", "Home", "End", "Delete", "BackSpace", "Return"};
    std::istringstream in(keys);
    for (std::string name; in >> name;) {
        platform::Event press;
        press.type = platform::EventType::KeyPressed;
        for (size_t plus; (plus = name.find('+')) != std::string::npos; name.erase(0, plus + 1))
            (name.compare(0, plus, "ctrl") == 0 ? press.ctrl : press.shift) = true;
        press.key = platform::Key::Character;
        press.character = name[0];
        for (int k = 0; k < 12; ++k)
            if (name == names[k]) press.key = platform::Key(k), press.character = 0;
        target.keyDown(press);
    }
}

// Level01.grd ... LevelNN.grd, each the square board. Style folders need no files: a style that
// does not load completely is a style all the same.
inline void writeLevels(int count) {
    for (int i = 1; i <= count; ++i)
        writeBytes(fs::path("Data") / "Levels" / ("Level" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".grd"),
                   levelFile(squareGrid()));
}
inline void writeStyles(const std::string& entries) {
    writeText(fs::path("Data") / "Styles" / "VisualStyles.ini", "[Styles]\n" + entries);
}

// The solution of the square board: across 4 = 1 + 3, across 6 = 2 + 4, down 3 = 1 + 2, down 7 = 3 + 4.
inline void solve(CTallix& board) {
    enter(playable(board, 1, 1), 1);
    enter(playable(board, 2, 1), 3);
    enter(playable(board, 1, 2), 2);
    enter(playable(board, 2, 2), 4);
}

// A frame drawn after `milliseconds` of the fake clock.
inline void frameAfter(CGame& game, uint32_t milliseconds) { platform::null::advanceTime(milliseconds), game.draw(); }

// A press and release at a view point, the pointer moved there first; in a button's middle.
inline void click(CGame& game, float x, float y, int button = 0) {
    game.mouseMove(x, y);
    game.buttonDown(x, y, button);
    game.buttonUp(x, y, button);
}
inline void clickButton(CGame& game, const uiButton& button) {
    click(game, button.x + button.width / 2, button.y - button.height / 2);
}

// A game folder and a game of its own, destroyed while the folder is still the working directory
// (its saved games and settings land there).
class GameTest : public GameFolderTest {
protected:
    void TearDown() override {
        game.reset();
        GameFolderTest::TearDown();
    }

    // A new game over `levels` levels (and the styles, when given), on the main menu.
    CGame& start(int levels, const std::string& styles = "") {
        writeLevels(levels);
        if (!styles.empty()) writeStyles(styles);
        game = std::make_unique<CGame>();
        return *game;
    }
    // The first of them opened for play, after one frame.
    CGame& play(int levels = 1, const std::string& styles = "") {
        start(levels, styles).startLevel(0);
        game->draw();
        return *game;
    }
    CTallix& board(size_t slot = 0) { return *game->pageSlots[slot]; }

    std::unique_ptr<CGame> game;
};

}  // namespace playtest
