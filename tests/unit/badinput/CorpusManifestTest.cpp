// The bad-input corpus and its manifest agree: no file goes unchecked, no check names a file that
// is not there. Regenerate both with tools/make-badinput.py.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "BadInputSupport.h"

namespace badinput {
namespace {

TEST(BadInputCorpus, EveryFileHasAnOutcomeAndEveryOutcomeAFile) {
    std::set<std::string> listed, present;
    for (const Check& check : manifest()) {
        listed.insert(check.file);
        EXPECT_FALSE(check.outcome.empty()) << check.file;
    }
    for (const char* folder : {"dds", "level", "ini"}) {
        for (const auto& entry : fs::directory_iterator(corpus() / folder))
            present.insert(std::string(folder) + "/" + entry.path().filename().string());
    }
    EXPECT_FALSE(present.empty());
    EXPECT_EQ(listed, present);
}

}  // namespace
}  // namespace badinput
