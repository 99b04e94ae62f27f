// Runs every benchmark, then prints the registered ratio figures from the same run; exits with 1
// when a figure measured in the run misses its goal. The repetitions of the benchmarks run in
// random interleaved order unless the command line says otherwise, so that a machine shared with
// others, busier at one moment than the next, weighs on both sides of a ratio alike.
#include "bench/Ratios.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

std::vector<RatioFigure>& ratioFigures() {
    static std::vector<RatioFigure> figures;
    return figures;
}

namespace {

// Keeps the console output and remembers the seconds per iteration of every benchmark by its
// function and arguments ("BM_Frame", "BM_Frame/2"): the median of its repetitions where it has
// several, which come after the single runs.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            std::string name = run.run_name.function_name;
            if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[name] = seconds;
            else if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                seconds_[name] = seconds;
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

// True when every measured figure with a goal meets it.
bool printFigures(const RecordingReporter& reporter) {
    bool met = true;
    std::printf("\nFigures (ratios measured in this run):\n");
    for (const RatioFigure& figure : ratioFigures()) {
        const double* measured = reporter.find(figure.measured);
        const double* baseline = reporter.find(figure.baseline);
        if (!measured || !baseline || *baseline <= 0) {
            std::printf("  %-62s not measured\n", figure.title.c_str());
            continue;
        }
        double ratio = *measured / *baseline;
        std::printf("  %-62s %7.2f x  (%8.2f ms)", figure.title.c_str(), ratio, *measured * 1e3);
        bool missed = figure.goal > 0 && ratio > figure.goal;
        if (figure.goal > 0) std::printf("  goal <= %.2f x%s", figure.goal, missed ? "  MISSED" : "");
        std::printf("\n");
        met = met && !missed;
    }
    return met;
}

bool hasFlag(int argc, char** argv, const char* flag) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    if (!hasFlag(argc, argv, "--benchmark_enable_random_interleaving")) arguments.push_back(interleave);
    arguments.push_back(nullptr);
    argc = int(arguments.size()) - 1;
    argv = arguments.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bool met = printFigures(reporter);
    benchmark::Shutdown();
    return met ? 0 : 1;
}
