// Shared by the panel's tests: a game folder with one level and three styles, the level opened for
// play, and a pointer whose screen cursor follows it (the null backend's window sits at the screen
// origin, 800 x 600 pixels).
#pragma once

#include <memory>
#include <string>

#include "tests/unit/game/GameTestSupport.h"
#include "ui/Widget.h"

namespace widgettest {

class PanelTest : public gametest::GameFolderTest {
protected:
    // Destroyed while the game folder is still the working directory: the settings land there.
    void TearDown() override {
        game.reset();
        GameFolderTest::TearDown();
    }

    CGame& play(const std::string& styles = "Count=3\n0=Classic\n1=Night\n2=Paper\n") {
        writeLevels(1);
        writeStyleCatalogue(styles);
        game = std::make_unique<CGame>();
        game->startLevel(0);
        game->draw();
        return *game;
    }

    Widget& panel() { return *game->panel; }
    CTallix& board() { return *game->pageSlots[0]; }

    // A move as the window system reports it: the cursor is there first.
    void pointAt(float x, float y) {
        platform::setCursorPos(static_cast<int>(x * 800), static_cast<int>((0.75f - y) / 0.75f * 600));
        game->mouseMove(x, y);
    }
    void press(float x, float y, int button = 0) {
        pointAt(x, y);
        game->buttonDown(x, y, button);
    }
    void release(float x, float y) { game->buttonUp(x, y, 0); }
    void click(const uiButton& button) {
        float x = button.x + button.width / 2, y = button.y - button.height / 2;
        press(x, y);
        release(x, y);
    }
    void frameAfter(uint32_t milliseconds) { gametest::frameAfter(*game, milliseconds); }

    std::unique_ptr<CGame> game;
};

// The middles of the two handles.
constexpr float zoomX = 0.23f, moveX = 0.33f, handleY = 0.70f;

}  // namespace widgettest
