// A run: the unbroken line of playable and fixed cells after a clue, with its bookkeeping.
#pragma once

#include <cstdint>
#include <vector>

class PCellHeader;
class PCellLocked;

enum RunDirection : int32_t { runDown = 0, runAcross = 1 };

class Run {
public:
    Run(int32_t target, int32_t runDirection, PCellHeader* owner)
        : targetSum(target), clue(owner), direction(runDirection) {}

    void updateState();    // after any change of a cell value: sum and the three flags
    void reset();          // current sum 0, every flag false
    bool inError() const;  // over, a duplicate, or complete with the wrong sum
    bool satisfied() const;  // complete, not over, no duplicate, sum equal to the target

    int32_t targetSum;
    int32_t currentSum = 0;
    bool over = false;
    bool complete = false;
    bool duplicate = false;
    std::vector<PCellLocked*> cells;  // board order when built; updateState sorts it by value
    PCellHeader* clue;
    int32_t direction;  // runAcross or runDown
};

// A playable cell is shown as wrong when either of its runs is in error.
bool showsWrong(const PCellLocked& cell);
