// The play time of the board being played, and when to ask it whether it is solved.
#pragma once

#include <cstdint>

struct Animator;

// Advances `clock` to the current tick and adds the same interval to `playTime`; returns the
// interval. The clock is not advanced while the game waits on a question, so the first call after
// it carries the whole interval since the last one.
uint32_t advancePlayTime(Animator& clock, uint32_t& playTime);
void holdPlayTime(Animator& clock);  // moves the clock to the current tick, adding no play time

// Asks for a solution test once more than a second of play time has passed since the last one.
// The difference is unsigned, so a play time below the last check (a new attempt, a shorter saved
// game) asks at once. The first call only takes the play time as its starting point.
class SolvedCheck {
public:
    bool due(uint32_t playTime);

private:
    bool started_ = false;
    uint32_t lastCheck_ = 0;
};
