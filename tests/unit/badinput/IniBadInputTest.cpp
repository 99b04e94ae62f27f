// Odd and damaged INI files read through IniFile, the way every reader of the game reads them:
// each key reads as the manifest says; reading never changes the file; and a key the game writes
// into such a file reads back while every other key keeps its value.
#include <gtest/gtest.h>

#include <string>

#include "BadInputSupport.h"
#include "app/IniFile.h"

namespace badinput {
namespace {

std::wstring nameOf(const std::string& word) { return word == "-" ? std::wstring() : wide(word); }

// Evaluates "<int|bool|string|length> <section> <key> <expected>"; "missing" must give back any
// default it is asked for.
void expectCheck(const IniFile& ini, const Check& check) {
    ASSERT_EQ(check.outcome.size(), 4u) << check.outcomeText();
    const std::string& kind = check.outcome[0];
    const std::wstring section = nameOf(check.outcome[1]), key = nameOf(check.outcome[2]);
    const std::string& expected = check.outcome[3];
    const bool missing = expected == "missing";
    if (kind == "int") {
        const int value = missing ? -5 : std::stoi(expected);
        EXPECT_EQ(ini.readInt(section, key, -5), value);
        EXPECT_EQ(ini.readInt(section, key, 6), missing ? 6 : value);
    } else if (kind == "bool") {
        EXPECT_EQ(ini.readBool(section, key, true), missing || expected == "true");
        EXPECT_EQ(ini.readBool(section, key, false), !missing && expected == "true");
    } else if (kind == "string") {
        EXPECT_EQ(ini.readString(section, key), nameOf(expected));
    } else if (kind == "length") {
        EXPECT_EQ(ini.readString(section, key).size(), std::stoul(expected));
    } else {
        ADD_FAILURE() << "unknown check " << check.outcomeText();
    }
}

class IniBadInput : public GameFolderTest {
protected:
    // A copy of the corpus file in the game folder, so that writing cannot touch the corpus.
    IniFile copyOf(const std::string& file) {
        const fs::path copy = folder_ / fs::path(file).filename();
        fs::copy_file(corpus() / file, copy, fs::copy_options::overwrite_existing);
        return IniFile(wide(copy.string()));
    }
};

TEST_F(IniBadInput, EachKeyReadsAsTheManifestSaysAndReadingChangesNothing) {
    const std::vector<Check> checks = checksIn("ini");
    ASSERT_FALSE(checks.empty());
    for (const Check& check : checks) {
        SCOPED_TRACE(check.file + " " + check.outcomeText());
        IniFile ini = copyOf(check.file);
        expectCheck(ini, check);
        EXPECT_EQ(readBytes(platform::hostPath(ini.path())), readBytes(corpus() / check.file));
    }
}

TEST_F(IniBadInput, AWrittenKeyReadsBackAndEveryOtherKeyKeepsItsValue) {
    for (const Check& check : checksIn("ini")) {
        SCOPED_TRACE(check.file + " " + check.outcomeText());
        IniFile ini = copyOf(check.file);
        ini.writeInt(L"GameSettings", L"VisualStyle", 7);
        ini.writeInt(L"Written", L"Value", -12);
        EXPECT_EQ(ini.readInt(L"GameSettings", L"VisualStyle", 0), 7);
        EXPECT_EQ(ini.readInt(L"Written", L"Value", 0), -12);
        if (check.outcome.size() > 2 && check.outcome[2] == "VisualStyle") continue;
        expectCheck(ini, check);
    }
}

}  // namespace
}  // namespace badinput
