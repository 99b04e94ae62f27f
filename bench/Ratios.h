// Figures the harness prints as ratios of two benchmarks measured in the same run, so a figure
// means the same on a fast or a slow machine.
#pragma once

#include <string>
#include <vector>

struct RatioFigure {
    std::string title;     // what the figure says, e.g. "texture cache load vs plain read"
    std::string measured;  // benchmark function, with "/" and its arguments if it has any
    std::string baseline;  // the one it is divided by
    double goal = 0.0;     // the largest ratio aimed at; 0: none, the figure only informs
};

std::vector<RatioFigure>& ratioFigures();

struct RatioRegistrar {
    RatioRegistrar(const char* title, const char* measured, const char* baseline, double goal = 0.0) {
        ratioFigures().push_back({title, measured, baseline, goal});
    }
};

// The repetitions of every benchmark a figure reads: the figure takes their median.
constexpr int figureRepetitions = 5;

#define TALLIX_RATIO_CONCAT2(a, b) a##b
#define TALLIX_RATIO_CONCAT(a, b) TALLIX_RATIO_CONCAT2(a, b)
// Registers a figure: TALLIX_RATIO("what it shows", "BM_Measured", "BM_Baseline"), with a goal
// as a fourth argument where there is one.
#define TALLIX_RATIO(title, measured, ...) \
    static RatioRegistrar TALLIX_RATIO_CONCAT(ratioFigure_, __LINE__)(title, measured, __VA_ARGS__)
