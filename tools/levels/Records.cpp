#include "tools/levels/Records.h"

#include "platform/IniDocument.h"
#include "platform/Platform.h"
#include "puzzle/Records.h"

namespace levels {

bool writeRecords(const std::wstring& path, const std::vector<LevelRecord>& records) {
    platform::IniDocument document;
    for (const LevelRecord& record : records)
        if (!setMedalLimits(document, record.name, record.limits.gold, record.limits.silver, record.limits.bronze))
            return false;
    const std::vector<uint8_t> bytes = document.bytes();
    return platform::writeFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace levels
