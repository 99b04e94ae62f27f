#include "tools/levels/Records.h"

#include "platform/IniDocument.h"
#include "platform/Platform.h"

namespace levels {

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
