#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "PrefsFolderFixture.h"
#include "platform/base/FolderItem.h"
#include "platform/base/SpecialFolder.h"
#include "platform/base/Text.h"

namespace {

namespace fs = std::filesystem;

struct LoadRow {
    const char* name;
    std::optional<std::string> file;  // nullopt: no file at all
    int top;
    int left;
    std::vector<std::string> names = {};  // when given: the directive names as stored
};

void PrintTo(const LoadRow& row, std::ostream* os) {
    *os << row.name;
}

class LoadPrefsTest : public PrefsFolderFixture, public ::testing::WithParamInterface<LoadRow> {};

TEST_P(LoadPrefsTest, LeavesPosition) {
    if (GetParam().file) {
        WriteBytes(PrefsFile(), *GetParam().file);
    }
    prefModule::loadPrefs();
    EXPECT_EQ(prefModule::Window1Top, GetParam().top);
    EXPECT_EQ(prefModule::Window1Left, GetParam().left);
    if (!GetParam().names.empty()) {
        std::vector<std::string> names;
        for (int i = 1; i <= prefModule::gDirectives->Ubound(); ++i) {
            names.push_back((*prefModule::gDirectives)(i)->name);
        }
        EXPECT_EQ(names, GetParam().names);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LoadPrefsTest,
    ::testing::Values(
        LoadRow{"NoFile", std::nullopt, 70, 10},
        LoadRow{"Position", "#Window1Position 120,45\n", 120, 45},
        LoadRow{"NameInOtherCase", "#window1position 5,6\n", 5, 6},
        LoadRow{"OnlyComments", "'one\n'two\n", 0, 0}, LoadRow{"EmptyFile", "", 0, 0},
        LoadRow{"EmptyLineEndsDirectives", "\n#Window1Position 120,45\n", 0, 0},
        LoadRow{"CommentThenPosition", "'note\n#Window1Position 120,45\n", 120, 45},
        LoadRow{"NoBlankAfterName", "#Window1Position\n", 0, 0},
        LoadRow{"NoBlankLineSkippedNamesLowerCased",
                "#Other\n#WINDOW1Position 7,8\n#Zed Q\n",
                7,
                8,
                {"window1position", "zed"}},
        LoadRow{"EmptyName", "# 70,10\n", 0, 0}, LoadRow{"NoComma", "#Window1Position 30\n", 30, 0},
        LoadRow{"NotNumbers", "#Window1Position abc,def\n", 0, 0},
        LoadRow{"ThirdFieldIgnored", "#Window1Position 1,2,3\n", 1, 2},
        LoadRow{"LaterLineWins", "#Window1Position 10,20\n#Window1Position 30,40\n", 30, 40},
        LoadRow{"Negative", "#Window1Position -20,15\n", -20, 15},
        LoadRow{"CrLfLineEnds", "'note\r\n#Window1Position 120,45\r\n", 120, 45},
        LoadRow{"LoneCrLineEnds", "'note\r#Window1Position 7,8\r", 7, 8},
        LoadRow{"NoFinalLineEnd", "#Window1Position 9,11", 9, 11},
        LoadRow{"InvalidUtf8InComment", "'\xff\xc3(\x80\n#Window1Position 3,4\n", 3, 4},
        LoadRow{"InvalidUtf8InNumber",
                "#Window1Position 5,\xff"
                "6\n",
                5, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrefsFolderFixture, SaveReplacesFileByExactlyOneLineKeepingItsPermissions) {
    WriteBytes(PrefsFile(), "'old comment\n#Other 1\n#Window1Position 1,2\n");
    fs::permissions(PrefsFile(), fs::perms::owner_read | fs::perms::owner_write);
    SavePosition(70, 10);
    EXPECT_EQ(ReadBytes(PrefsFile()), "#Window1Position 70,10" + fw::EndOfLine());
    EXPECT_EQ(Entries(dir_), std::set<std::string>{"tessarook.txt"});
    EXPECT_EQ(fs::status(PrefsFile()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(PrefsFolderFixture, SavedPositionReadsBackUnchanged) {
    const struct {
        const char* name;
        int top;
        int left;
    } rows[] = {{"Default", 70, 10},
                {"Origin", 0, 0},
                {"NegativeTop", -20, 15},
                {"BothNegative", -32000, -1},
                {"Extremes", INT_MAX, INT_MIN}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SavePosition(row.top, row.left);
        prefModule::loadPrefs();
        EXPECT_EQ(prefModule::Window1Top, row.top);
        EXPECT_EQ(prefModule::Window1Left, row.left);
    }
}

TEST_F(PrefsFolderFixture, PreferencesFolderFollowsEnvironment) {
    const std::string home = (dir_ / "home").string();
    const std::string config = (dir_ / "config").string();
    const struct {
        const char* name;
        std::optional<std::string> xdg;
        std::optional<std::string> home;
        std::optional<fs::path> expected;
    } rows[] = {
        {"ConfigHome", config, home, fs::path(config)},
        {"HomeWithoutConfigHome", std::nullopt, home, fs::path(home) / ".config"},
        {"RelativeConfigHomeIgnored", "rel/config", home, fs::path(home) / ".config"},
        {"EmptyConfigHomeIgnored", "", home, fs::path(home) / ".config"},
        {"NoHome", std::nullopt, std::nullopt, std::nullopt},
        {"RelativeConfigHomeAndNoHome", "rel/config", std::nullopt, std::nullopt},
        {"RelativeHome", std::nullopt, "rel/home", std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SetEnv("XDG_CONFIG_HOME", row.xdg);
        SetEnv("HOME", row.home);
        const auto folder = fw::SpecialFolder::Preferences();
        ASSERT_EQ(folder != nullptr, row.expected.has_value());
        if (folder) {
            EXPECT_EQ(folder->Path(), *row.expected);
        }
    }
    EXPECT_TRUE(Entries(dir_).empty()) << "looking the folder up created something";
}

TEST_F(PrefsFolderFixture, NoPreferencesFolderGivesDefaultsAndWritesNothing) {
    SetEnv("XDG_CONFIG_HOME", std::nullopt);
    SetEnv("HOME", std::nullopt);
    const fs::path cwd = fs::current_path();
    fs::current_path(dir_);
    prefModule::Window1Top = 5;
    prefModule::Window1Left = 6;
    EXPECT_NO_THROW(prefModule::loadPrefs());
    EXPECT_EQ(prefModule::Window1Top, 70);
    EXPECT_EQ(prefModule::Window1Left, 10);
    EXPECT_NO_THROW(SavePosition(1, 2));
    fs::current_path(cwd);
    EXPECT_TRUE(Entries(dir_).empty());
}

TEST_F(PrefsFolderFixture, FolderInPlaceOfTheFileGivesDefaults) {
    fs::create_directory(PrefsFile());
    EXPECT_NO_THROW(prefModule::loadPrefs());
    EXPECT_EQ(prefModule::Window1Top, 70);
    EXPECT_EQ(prefModule::Window1Left, 10);
}

TEST_F(PrefsFolderFixture, MissingFolderIsCreatedOnlyBySave) {
    SetEnv("XDG_CONFIG_HOME", (dir_ / "a" / "b").string());
    prefModule::loadPrefs();
    EXPECT_EQ(prefModule::Window1Top, 70);
    EXPECT_FALSE(fs::exists(dir_ / "a"));
    SavePosition(3, 4);
    EXPECT_EQ(ReadBytes(dir_ / "a" / "b" / "tessarook.txt"),
              "#Window1Position 3,4" + fw::EndOfLine());
}

}  // namespace
