// Runs every benchmark, then prints the registered ratio figures from the same run.
#include "bench/Ratios.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

std::vector<RatioFigure>& ratioFigures() {
    static std::vector<RatioFigure> figures;
    return figures;
}

namespace {

// Keeps the console output and remembers the time per iteration of every run by name.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                seconds_[run.run_name.str()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    const double* find(const std::string& name) const {
        auto it = seconds_.find(name);
        return it == seconds_.end() ? nullptr : &it->second;
    }

private:
    std::map<std::string, double> seconds_;
};

void printFigures(const RecordingReporter& reporter) {
    std::printf("\nFigures (ratios measured in this run):\n");
    for (const RatioFigure& figure : ratioFigures()) {
        const double* measured = reporter.find(figure.measured);
        const double* baseline = reporter.find(figure.baseline);
        if (!measured || !baseline || *baseline <= 0) {
            std::printf("  %-60s not measured\n", figure.title.c_str());
            continue;
        }
        std::printf("  %-60s %8.2f x\n", figure.title.c_str(), *measured / *baseline);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printFigures(reporter);
    benchmark::Shutdown();
    return 0;
}
