// A root element that writes down every call it receives, for the dispatch and main-loop tests.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/Control.h"
#include "tests/support/PlatformEvents.h"

class RecordingRoot : public Control {
public:
    explicit RecordingRoot(std::vector<std::string>& log) : log_(log) {}
    ~RecordingRoot() override { if (onDestroy) onDestroy(); }

    void mouseMove(float x, float y) override { record("move", x, y); }
    bool buttonDown(float x, float y, int button) override { return record("down", x, y, button); }
    bool buttonUp(float x, float y, int button) override { return record("up", x, y, button); }
    void wheel(int delta) override { log_.push_back("wheel " + std::to_string(delta)); }
    void keyDown(const platform::Event& press) override { log_.push_back("key " + testsupport::keyText(press)); }
    void activeChanged(bool active) override { log_.push_back(active ? "active" : "inactive"); }
    void draw() override {
        ++draws;
        if (onDraw) onDraw(draws);
    }

    int draws = 0;
    std::function<void(int)> onDraw;  // called with the number of frames drawn so far
    std::function<void()> onDestroy;

private:
    bool record(const char* what, float x, float y, int button = -1) {
        std::ostringstream out;
        out << what << ' ' << x << ' ' << y;
        if (button >= 0) out << ' ' << button;
        log_.push_back(out.str());
        return true;
    }

    std::vector<std::string>& log_;
};
