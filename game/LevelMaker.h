// Makes a new level on a worker thread while the game goes on drawing: the frame only polls, never
// waits. A stop request is seen by the generator within one repair round (milliseconds); the
// thread is joined once it has finished, by a later poll or by the destructor.
#pragma once

#include <atomic>
#include <thread>

#include "solver/Generator.h"

class CLevelMaker {
public:
    enum class State { Idle, Working, Done, Failed };

    CLevelMaker() = default;
    ~CLevelMaker();  // asks a running worker to stop and joins it
    CLevelMaker(const CLevelMaker&) = delete;
    CLevelMaker& operator=(const CLevelMaker&) = delete;

    // Starts making a level; a job still running is stopped (and waited for) first. `onStart`,
    // when given, runs first on the worker thread (the game lowers its priority there).
    void start(levels::GeneratorOptions options, void (*onStart)() = nullptr);
    // Asks the job to give up; it ends on its own, its result is never handed out.
    void cancel();
    // Idle, Working, Done (take the level) or Failed (no level for these options). A cancelled
    // job reads Idle at once.
    State poll();
    levels::GeneratedLevel take();  // the level of a Done job; the maker is Idle again

private:
    void finish();  // joins the thread of a job that has ended

    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> ended_{false};
    bool cancelled_ = false;
    bool succeeded_ = false;
    levels::GeneratedLevel result_;
};
