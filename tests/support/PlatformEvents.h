// The game's window events in a few words, so that tests of every backend can list what the game
// receives as a table of short strings.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"

namespace testsupport {

// "Escape", "7 shift keypad", "z ctrl repeat", ...
inline std::string keyText(const platform::Event& event) {
    const char* keys[] = {"Escape", "F1", "F2", "Up", "Down", "Left", "Right", "Home", "End",
                          "Delete", "Backspace", "Enter", "", "Other"};
    std::string text = event.key == platform::Key::Character ? std::string(1, event.character)
                                                             : keys[static_cast<int>(event.key)];
    for (auto [on, word] : {std::pair{event.shift, " shift"}, {event.ctrl, " ctrl"}, {event.keypad, " keypad"},
                            {event.repeat, " repeat"}})
        if (on) text += word;
    return text;
}

// "move 3,4", "press 0 3,4", "release 2 3,4", "wheel -120", "key Escape", "paint", "close",
// "destroyed", "quit 3", "focus", "blur", "minimised", "restored".
inline std::string describe(const platform::Event& event) {
    using platform::EventType;
    const std::string at = std::to_string(event.x) + "," + std::to_string(event.y);
    switch (event.type) {
    case EventType::PointerMoved: return "move " + at;
    case EventType::ButtonPressed: return "press " + std::to_string(event.button) + " " + at;
    case EventType::ButtonReleased: return "release " + std::to_string(event.button) + " " + at;
    case EventType::Wheel: return "wheel " + std::to_string(event.wheelDelta);
    case EventType::KeyPressed: return "key " + keyText(event);
    case EventType::Paint: return "paint";
    case EventType::CloseRequested: return "close";
    case EventType::WindowDestroyed: return "destroyed";
    case EventType::Quit: return "quit " + std::to_string(event.quitCode);
    case EventType::FocusGained: return "focus";
    case EventType::FocusLost: return "blur";
    case EventType::Minimised: return "minimised";
    case EventType::Restored: return "restored";
    }
    return "?";
}

// Polls the chosen backend until its queue is empty: what the game would receive, in order.
inline std::vector<std::string> queuedEvents() {
    std::vector<std::string> events;
    platform::Event event;
    while (platform::pollEvent(event)) events.push_back(describe(event));
    return events;
}

}  // namespace testsupport
