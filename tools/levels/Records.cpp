#include "tools/levels/Records.h"

#include <cmath>

#include "platform/IniDocument.h"
#include "platform/Platform.h"

namespace levels {

namespace {

constexpr double secondsPerCell = 3.0;    // picking a digit from the ring and moving on
constexpr double secondsPerScore = 1.5;   // one weighted reasoning step
constexpr double silverFactor = 1.5;
constexpr double bronzeFactor = 2.5;

int roundUpToFive(double seconds) { return int(std::ceil(seconds / 5.0)) * 5; }

}  // namespace

MedalLimits limitsFor(const Grade& grade, int playableCells) {
    const double gold = secondsPerCell * playableCells + secondsPerScore * grade.score;
    MedalLimits limits;
    limits.gold = roundUpToFive(std::max(gold, 10.0));
    limits.silver = roundUpToFive(limits.gold * silverFactor);
    limits.bronze = roundUpToFive(limits.gold * bronzeFactor);
    return limits;
}

bool writeRecords(const std::wstring& path, const std::vector<LevelRecord>& records) {
    platform::IniDocument document;
    for (const LevelRecord& record : records) {
        if (!document.set(record.name, L"Gold", std::to_wstring(record.limits.gold)) ||
            !document.set(record.name, L"Silver", std::to_wstring(record.limits.silver)) ||
            !document.set(record.name, L"Bronze", std::to_wstring(record.limits.bronze)))
            return false;
    }
    const std::vector<uint8_t> bytes = document.bytes();
    return platform::writeFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace levels
