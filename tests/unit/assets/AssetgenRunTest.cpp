// Running the tool itself: the same source gives the same bytes, and a failure to write is
// reported by the exit status. The tool is found beside the game folder in the build tree
// (<build>/tools/assetgen/assetgen) or through $TALLIX_ASSETGEN.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "AssetsTestSupport.h"

using namespace assettest;

namespace {

class Assetgen : public BuiltData {
protected:
    void SetUp() override {
        BuiltData::SetUp();
        const char* named = std::getenv("TALLIX_ASSETGEN");
        tool = named && *named ? fs::path(named) : gameFolder.parent_path() / "tools" / "assetgen" / "assetgen";
        ASSERT_TRUE(fs::is_regular_file(tool)) << "no assetgen at " << tool << " (set TALLIX_ASSETGEN)";
    }

    int run(const fs::path& output) const {
        std::string command = "\"" + tool.string() + "\" \"" + output.string() + "\" 2>/dev/null";
        int status = std::system(command.c_str());
        return status == -1 ? -1 : WEXITSTATUS(status);
    }

    fs::path tool, scratch = testsupport::freshFolder();
};

}  // namespace

TEST_F(Assetgen, TwoRunsWriteIdenticalBytes) {
    ASSERT_EQ(run(scratch / "first"), 0);
    ASSERT_EQ(run(scratch / "second"), 0);
    std::vector<std::string> names = filesBelow(scratch / "first");
    ASSERT_EQ(names, filesBelow(scratch / "second"));
    EXPECT_GT(names.size(), 80u);
    for (const std::string& name : names) {
        EXPECT_TRUE(testsupport::readBytes(scratch / "first" / name) == testsupport::readBytes(scratch / "second" / name))
            << name << " differs";
    }
}

TEST_F(Assetgen, AnOutputFolderThatCannotBeWrittenFailsTheRun) {
    testsupport::writeText(scratch / "blocked", "a file where the folder should be");
    EXPECT_NE(run(scratch / "blocked"), 0);
}
