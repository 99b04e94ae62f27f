#include "game/LevelMaker.h"

#include <utility>

CLevelMaker::~CLevelMaker() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
}

void CLevelMaker::start(levels::GeneratorOptions options, void (*onStart)()) {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
    stop_ = false;
    ended_ = false;
    cancelled_ = false;
    succeeded_ = false;
    options.stop = &stop_;
    worker_ = std::thread([this, options = std::move(options), onStart] {
        if (onStart) onStart();
        succeeded_ = levels::generateLevel(options, result_);
        ended_.store(true, std::memory_order_release);
    });
}

void CLevelMaker::cancel() {
    if (!worker_.joinable()) return;
    stop_ = true;
    cancelled_ = true;
}

void CLevelMaker::finish() {
    if (worker_.joinable() && ended_.load(std::memory_order_acquire)) worker_.join();
}

CLevelMaker::State CLevelMaker::poll() {
    finish();
    if (worker_.joinable()) return cancelled_ ? State::Idle : State::Working;
    if (cancelled_ || !ended_) return State::Idle;
    return succeeded_ ? State::Done : State::Failed;
}

levels::GeneratedLevel CLevelMaker::take() {
    levels::GeneratedLevel level = std::move(result_);
    result_ = levels::GeneratedLevel();
    ended_ = false;
    return level;
}
