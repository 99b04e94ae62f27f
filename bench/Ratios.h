// Figures the harness prints as ratios of two benchmarks measured in the same run, so a figure
// means the same on a fast or a slow machine.
#pragma once

#include <string>
#include <vector>

struct RatioFigure {
    std::string title;     // what the figure says, e.g. "texture cache load vs plain read"
    std::string measured;  // benchmark name (as Google Benchmark reports it)
    std::string baseline;  // benchmark name it is divided by
};

std::vector<RatioFigure>& ratioFigures();

struct RatioRegistrar {
    RatioRegistrar(const char* title, const char* measured, const char* baseline) {
        ratioFigures().push_back({title, measured, baseline});
    }
};

#define TALLIX_RATIO_CONCAT2(a, b) a##b
#define TALLIX_RATIO_CONCAT(a, b) TALLIX_RATIO_CONCAT2(a, b)
// Registers a figure: TALLIX_RATIO("what it shows", "BM_Measured", "BM_Baseline");
#define TALLIX_RATIO(title, measured, baseline) \
    static RatioRegistrar TALLIX_RATIO_CONCAT(ratioFigure_, __LINE__)(title, measured, baseline)
