// Running the tool itself: the same source gives the same bytes, and a failure to write is
// reported by the exit status. The tool is found beside the game folder in the build tree
// (<build>/tools/assetgen/assetgen) or through $TALLIX_ASSETGEN.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "AssetsTestSupport.h"

using namespace assettest;

namespace {

std::filesystem::path tool() {
    const char* named = std::getenv("TALLIX_ASSETGEN");
    if (named && *named) return named;
    if (gameDir().empty()) return {};
    return gameDir().parent_path() / "tools" / "assetgen" / "assetgen";
}

std::filesystem::path scratch(const std::string& name) {
    const char* root = std::getenv("TALLIX_TEST_TMP");
    std::filesystem::path base = root && *root ? root : std::filesystem::temp_directory_path();
    std::filesystem::path dir = base / "assets" / name;
    std::filesystem::remove_all(dir);
    return dir;
}

int run(const std::filesystem::path& output) {
    std::string command = "\"" + tool().string() + "\" \"" + output.string() + "\" 2>/dev/null";
    int status = std::system(command.c_str());
    return status == -1 ? -1 : WEXITSTATUS(status);
}

#define REQUIRE_TOOL()                                                                  \
    do {                                                                                \
        if (!std::filesystem::is_regular_file(tool()))                                  \
            GTEST_SKIP() << "assetgen not found (set TALLIX_ASSETGEN or TALLIX_GAME_DIR)"; \
    } while (0)

}  // namespace

TEST(Assetgen, TwoRunsWriteIdenticalBytes) {
    REQUIRE_TOOL();
    std::filesystem::path first = scratch("first"), second = scratch("second");
    ASSERT_EQ(run(first), 0);
    ASSERT_EQ(run(second), 0);
    std::vector<std::string> names = filesBelow(first);
    ASSERT_EQ(names, filesBelow(second));
    EXPECT_GT(names.size(), 80u);
    for (const std::string& name : names) {
        EXPECT_TRUE(readBytes(first / name) == readBytes(second / name)) << name << " differs";
    }
}

TEST(Assetgen, AnOutputFolderThatCannotBeWrittenFailsTheRun) {
    REQUIRE_TOOL();
    std::filesystem::path blocked = scratch("blocked");
    std::filesystem::create_directories(blocked.parent_path());
    { std::ofstream file(blocked); file << "a file where the folder should be"; }
    EXPECT_NE(run(blocked), 0);
}
