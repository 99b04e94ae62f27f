// The game's window events in a few words, so that tests of every backend can list what the
// game receives as a table of short strings.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace testsupport {

// "move 3,4", "press 0 3,4", "release 2 3,4", "wheel -120", "key Escape", "paint", "close",
// "destroyed", "quit 3".
inline std::string describe(const platform::Event& event) {
    using platform::EventType;
    const std::string at = std::to_string(event.x) + "," + std::to_string(event.y);
    const char* keys[] = {"Escape", "F1", "F2", "Other"};
    switch (event.type) {
    case EventType::PointerMoved: return "move " + at;
    case EventType::ButtonPressed: return "press " + std::to_string(event.button) + " " + at;
    case EventType::ButtonReleased: return "release " + std::to_string(event.button) + " " + at;
    case EventType::Wheel: return "wheel " + std::to_string(event.wheelDelta);
    case EventType::KeyPressed: return std::string("key ") + keys[static_cast<int>(event.key)];
    case EventType::Paint: return "paint";
    case EventType::CloseRequested: return "close";
    case EventType::WindowDestroyed: return "destroyed";
    case EventType::Quit: return "quit " + std::to_string(event.quitCode);
    }
    return "?";
}

}  // namespace testsupport
