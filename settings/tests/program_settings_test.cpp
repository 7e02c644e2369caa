#include "settings/program_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "base/program_files.h"

namespace morvenda {
namespace {

namespace fs = std::filesystem;

const FilterControl& Control(std::string_view name) {
    return *FindFilterControl(name);
}

// The lines of a file, without their line ends.
std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// A settings file's keys as "[section]" and key lines, in file order.
std::vector<std::string> SectionsAndKeys(const std::string& bytes) {
    std::vector<std::string> keys;
    for (const std::string& line : Lines(bytes)) {
        if (line.starts_with('[')) {
            keys.push_back(line);
        } else if (const std::size_t equals = line.find('='); equals != std::string::npos) {
            keys.push_back(line.substr(0, equals));
        }
    }
    return keys;
}

// Non-default values of every kind the two sections hold.
ProgramSettings Changed() {
    ProgramSettings settings;
    settings.Birthday = {"欧阳", 0, 1, 1, 68, 5, 14, 24};
    settings.Select.Set(Control("chk1_3"), true);
    settings.Select.Set(Control("edt1_3"), std::string("华"));
    settings.Select.Set(Control("chk2_22"), true);
    settings.Select.Set(Control("edt4_2"), std::string("zhang"));
    settings.Select.Set(Control("sedt5_11"), -20);
    settings.Select.Set(Control("sedt5_32"), 2147483647);
    settings.Select.Set(Control("cmb6_3A"), 10);
    settings.Select.Set(Control("cmb6_3B"), 3);
    settings.Select.Set(Control("cmb6_1B"), -1);
    return settings;
}

TEST(ProgramSettingsTest, AFileHoldsTheTwoSectionsWithTheirKeysInOrder) {
    const std::vector<std::string> expected{
        "[Birthday]", "firstName", "NameLength", "Sex",      "CalendarType", "Year",     "Month",
        "Day",        "Hour",      "[Select]",   "chk1_3",   "chk1_1",       "chk1_2",   "edt1_3",
        "edt1_2",     "edt1_1",    "chk2_1",     "chk2_11",  "chk2_12",      "chk2_13",  "chk2_14",
        "chk2_15",    "chk2_25",   "chk2_24",    "chk2_23",  "chk2_22",      "chk2_21",  "chk2_2",
        "chk2_3",     "chk2_31",   "chk2_32",    "chk2_33",  "chk2_34",      "chk2_35",  "chk3_1",
        "chk3_11",    "chk3_12",   "chk3_13",    "chk3_14",  "chk3_15",      "chk3_25",  "chk3_24",
        "chk3_23",    "chk3_22",   "chk3_21",    "chk3_2",   "chk3_3",       "chk3_31",  "chk3_32",
        "chk3_33",    "chk3_34",   "chk3_35",    "chk4_1",   "chk4_2",       "chk4_3",   "edt4_3",
        "edt4_2",     "edt4_1",    "chk5_1",     "chk5_2",   "chk5_3",       "sedt5_11", "sedt5_12",
        "sedt5_21",   "sedt5_22",  "sedt5_31",   "sedt5_32", "chk6_1",       "chk6_2",   "chk6_3",
        "cmb6_1A",    "cmb6_2A",   "cmb6_3A",    "cmb6_1B",  "cmb6_2B",      "cmb6_3B"};
    const ProgramSettings defaults;
    EXPECT_EQ(SectionsAndKeys(SerializeSettings(defaults)), expected);
    EXPECT_EQ(SectionsAndKeys(SerializeSettings(Changed())), expected);
}

TEST(ProgramSettingsTest, ValuesAreIndicesTicksNumbersAndGbkTexts) {
    const std::vector<std::string> lines = Lines(SerializeSettings(Changed()));
    for (const char* line : {"firstName=\xC5\xB7\xD1\xF4",
                             "NameLength=0",
                             "Sex=1",
                             "CalendarType=1",
                             "Year=68",
                             "Month=5",
                             "Day=14",
                             "Hour=24",
                             "chk1_3=1",
                             "chk1_1=0",
                             "edt1_3=\xBB\xAA",
                             "edt1_1=",
                             "edt4_2=zhang",
                             "sedt5_11=-20",
                             "sedt5_12=1",
                             "sedt5_32=2147483647",
                             "cmb6_3A=10",
                             "cmb6_3B=3",
                             "cmb6_1B=-1",
                             "cmb6_2A=0"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

TEST(ProgramSettingsTest, WhatIsWrittenReadsBackTheSame) {
    const ProgramSettings settings = Changed();
    EXPECT_EQ(ParseSettings(SerializeSettings(settings), 0), settings);
    EXPECT_EQ(SerializeSettings(ParseSettings(SerializeSettings(settings), 0)),
              SerializeSettings(settings));
}

TEST(ProgramSettingsTest, MissingOrUnreadableValuesReadAsTheirDefaults) {
    struct Case {
        const char* file;
        BirthdayInput birthday;
        std::vector<std::pair<const char*, ControlValue>> select;
    };
    const std::vector<Case> cases{
        {"",
         {"", 0, 0, 0, 75, 0, 0, 0},
         {{"chk1_1", false},
          {"edt1_1", std::string()},
          {"sedt5_11", 1},
          {"cmb6_1A", 0},
          {"cmb6_1B", 0}}},
        {"[Birthday]\nfirstName=\xFF\xFF\nNameLength=two\nYear=1.5\nHour=99999999999999999999\n"
         "Month=-1\n[Select]\nchk1_1=yes\nsedt5_11=\ncmb6_1A=x\nedt4_1=  hua \n",
         {"", 0, 0, 0, 75, -1, 0, 0},
         {{"chk1_1", false}, {"sedt5_11", 1}, {"cmb6_1A", 0}, {"edt4_1", std::string("hua")}}},
        {"[Select]\nchk1_1=2\nchk1_2=-1\nchk1_3=0\ncmb6_2B=44\nsedt5_12=-5\n",
         {"", 0, 0, 0, 75, 0, 0, 0},
         {{"chk1_1", true},
          {"chk1_2", true},
          {"chk1_3", false},
          {"cmb6_2B", 44},
          {"sedt5_12", -5}}},
        // Keys belong to their section; a key of the other one is not read.
        {"[Select]\nSex=1\n[Birthday]\nchk1_1=1\nYEAR=60\n",
         {"", 0, 0, 0, 60, 0, 0, 0},
         {{"chk1_1", false}}},
    };
    for (const auto& c : cases) {
        const ProgramSettings settings = ParseSettings(c.file, 75);
        EXPECT_EQ(settings.Birthday, c.birthday) << c.file;
        for (const auto& [name, value] : c.select) {
            EXPECT_EQ(settings.Select.Value(Control(name)), value) << c.file << name;
        }
    }
}

// A data folder of its own for each test.
class SettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() /
                ("morvenda-settings-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(root_);
        ::setenv("XDG_DATA_HOME", root_.c_str(), 1);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(SettingsFilePath(), fs::perms::owner_all, ignored);
        fs::remove_all(root_);
    }

    static std::string Bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path root_;
};

TEST_F(SettingsFileTest, TheFileLiesInTheProgramsDataFolder) {
    EXPECT_EQ(SettingsFilePath(), root_ / "Morvenda" / "config.ini");
}

TEST_F(SettingsFileTest, TheFirstLoadMakesAnEmptyFileAndReadsDefaults) {
    EXPECT_EQ(LoadSettingsFile(SettingsFilePath(), 75), ParseSettings("", 75));
    EXPECT_TRUE(fs::is_regular_file(SettingsFilePath()));
    EXPECT_EQ(fs::file_size(SettingsFilePath()), 0u);
}

TEST_F(SettingsFileTest, ASaveMakesTheFolderAndTheFileLoadsAgain) {
    const ProgramSettings changed = Changed();
    ASSERT_FALSE(SaveSettingsFile(SettingsFilePath(), changed));
    EXPECT_EQ(LoadSettingsFile(SettingsFilePath(), 75), changed);
    EXPECT_EQ(Bytes(SettingsFilePath()), SerializeSettings(changed));
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadLoadsDefaults) {
    // Where the file should be lies a folder.
    fs::create_directories(SettingsFilePath());
    EXPECT_EQ(LoadSettingsFile(SettingsFilePath(), 75), ParseSettings("", 75));
    EXPECT_TRUE(SaveSettingsFile(SettingsFilePath(), Changed()));
}

TEST_F(SettingsFileTest, AFailedSaveLeavesThePreviousFileWhole) {
    const ProgramSettings defaults;
    ASSERT_FALSE(SaveSettingsFile(SettingsFilePath(), defaults));
    const std::string before = Bytes(SettingsFilePath());
    fs::permissions(SettingsFilePath(), fs::perms::owner_read);
    EXPECT_TRUE(SaveSettingsFile(SettingsFilePath(), Changed()));
    EXPECT_EQ(Bytes(SettingsFilePath()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(SettingsFilePath().parent_path()), {}), 1);
}

}  // namespace
}  // namespace morvenda
