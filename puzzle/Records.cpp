// Recording a solved board's time and choosing its medal.
#include "puzzle/Records.h"

#include "app/IniFile.h"
#include "app/Shell.h"
#include "platform/IniDocument.h"
#include "platform/Platform.h"
#include "puzzle/SavedGame.h"
#include "puzzle/Tallix.h"

Medal medalFor(uint32_t elapsedMs, int32_t gold, int32_t silver, int32_t bronze) {
    uint32_t seconds = elapsedMs / 1000;
    if (seconds <= static_cast<uint32_t>(gold)) return Medal::Gold;
    if (seconds <= static_cast<uint32_t>(silver)) return Medal::Silver;
    if (seconds <= static_cast<uint32_t>(bronze)) return Medal::Bronze;
    return Medal::None;
}

const char* medalMessage(Medal medal) {
    switch (medal) {
    case Medal::Gold: return "You win Gold Medal";
    case Medal::Silver: return "You win Silver Medal";
    case Medal::Bronze: return "You win Bronze Medal";
    default: return "No Medal...";
    }
}

bool setMedalLimits(platform::IniDocument& records, const std::wstring& level, int gold, int silver, int bronze) {
    return records.set(level, L"Gold", std::to_wstring(gold)) &&
           records.set(level, L"Silver", std::to_wstring(silver)) &&
           records.set(level, L"Bronze", std::to_wstring(bronze));
}

// Only a better time is written; an equal one is not. A best time of 0 or below is no record.
// The saved game goes with the solution; the flag is cleared only when the file really went.
void CTallix::recordResult() {
    uint32_t seconds = elapsed / 1000;
    if (userBest <= 0 || seconds < static_cast<uint32_t>(userBest)) {
        IniFile(baseDirectory + L"Data\\Levels\\Recs.ini").writeInt(name, L"User", static_cast<int32_t>(seconds));
        userBest = static_cast<int32_t>(seconds);
    }
    if (platform::deleteFile(baseDirectory + savedGamePathOf(name))) savedGameExists = false;
}
