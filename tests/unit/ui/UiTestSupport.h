// Shared by the menu screen's tests: the null backend, and a main font built without a context
// (no description file: every glyph 10/512 wide; its GL calls are ignored without a context).
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "app/Shell.h"
#include "gfx/MainFont.h"
#include "platform/NullBackend.h"
#include "platform/Platform.h"
#include "ui/UI.h"

namespace uitest {

constexpr float glyphWidth = 10.0f / 512.0f;

class MenuTest : public testing::Test {
protected:
    void SetUp() override {
        platform::selectBackend(platform::Backend::Null);
        platform::null::reset();
        quitRequested = false;
        font = std::make_unique<CMainFont>(0u, L"Data\\NoSuchFont.ini");
        ui.font = font.get();
        ui.buildMenus();
    }
    void TearDown() override { quitRequested = false; }

    // Press and release in the middle of a button.
    bool click(const uiButton& button) { return clickAt(button.x + button.width / 2, button.y - button.height / 2); }
    bool clickAt(float x, float y) {
        ui.mouseMove(x, y);
        ui.buttonDown(x, y, 0);
        return ui.buttonUp(x, y, 0);
    }

    std::unique_ptr<CMainFont> font;
    UI ui;
};

}  // namespace uitest
