#include "base/program_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace morvenda {
namespace {

namespace fs = std::filesystem;

// A fresh folder for each test, removed afterwards.
class ProgramFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("morvenda-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path In(const char* name) const { return folder_ / name; }
    static void Put(const fs::path& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    static std::string Content(const fs::path& path) {
        std::string content;
        EXPECT_FALSE(ReadWholeFile(path, content));
        return content;
    }
    int EntryCount() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder_), {}));
    }

    fs::path folder_;
};

// Sets environment variables for one test and puts the old values back.
class Environment {
  public:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~Environment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first, it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first);
            }
        }
    }

  private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(GetProgramFilesDir, TakesTheDataHomeOrTheHomeFoldersShare) {
    struct Case {
        const char* DataHome;
        const char* Expected;
    };
    for (const Case& c : {Case{"/data/home", "/data/home/Morvenda/"},
                          Case{nullptr, "/home/parent/.local/share/Morvenda/"},
                          Case{"", "/home/parent/.local/share/Morvenda/"},
                          Case{"relative/data", "/home/parent/.local/share/Morvenda/"}}) {
        Environment environment;
        environment.Set("HOME", "/home/parent");
        environment.Set("XDG_DATA_HOME", c.DataHome);
        EXPECT_EQ(GetProgramFilesDir(), fs::path(c.Expected))
            << (c.DataHome ? c.DataHome : "unset");
    }
}

TEST_F(ProgramFilesTest, EnsureFileExistsCreatesFoldersAndAnEmptyFileButKeepsAnExistingOne) {
    const fs::path nested = folder_ / "a" / "b" / "Favorites.morvenda";
    EXPECT_FALSE(EnsureFileExists(nested));
    EXPECT_EQ(fs::file_size(nested), 0u);

    Put(In("kept"), "75,458816\r\n");
    EXPECT_FALSE(EnsureFileExists(In("kept")));
    EXPECT_EQ(Content(In("kept")), "75,458816\r\n");

    fs::create_directory(In("folder"));
    EXPECT_EQ(EnsureFileExists(In("folder")), std::errc::is_a_directory);
}

TEST_F(ProgramFilesTest, AnAtomicWriteReplacesTheContentAndLeavesNothingBeside) {
    const fs::path file = In("Favorites.morvenda");
    Put(file, "old content that is longer than the new one\r\n");
    ::chmod(file.c_str(), 0640);

    EXPECT_FALSE(WriteFileAtomically(file, "7300,39\r\n"));
    EXPECT_EQ(Content(file), "7300,39\r\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
    EXPECT_EQ(EntryCount(), 1);

    EXPECT_FALSE(WriteFileAtomically(In("new"), ""));
    EXPECT_EQ(fs::file_size(In("new")), 0u);
}

TEST_F(ProgramFilesTest, AnAtomicWriteThroughALinkReplacesTheFileItNames) {
    Put(In("target"), "old");
    fs::create_symlink(In("target"), In("link"));
    EXPECT_FALSE(WriteFileAtomically(In("link"), "new"));
    EXPECT_TRUE(fs::is_symlink(In("link")));
    EXPECT_EQ(Content(In("target")), "new");
}

TEST_F(ProgramFilesTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    const fs::path readOnly = In("read-only");
    Put(readOnly, "kept\r\n");
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(WriteFileAtomically(readOnly, "lost"), std::errc::permission_denied);
    EXPECT_EQ(Content(readOnly), "kept\r\n");

    fs::create_directory(In("folder"));
    EXPECT_EQ(WriteFileAtomically(In("folder"), "lost"), std::errc::is_a_directory);
    EXPECT_EQ(WriteFileAtomically(folder_ / "missing" / "file", "lost"),
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(EntryCount(), 2);
}

TEST_F(ProgramFilesTest, ReadingReportsWhyItFailed) {
    std::string content = "untouched";
    EXPECT_EQ(ReadWholeFile(In("missing"), content), std::errc::no_such_file_or_directory);
    fs::create_directory(In("folder"));
    EXPECT_EQ(ReadWholeFile(In("folder"), content), std::errc::is_a_directory);
    EXPECT_EQ(content, "untouched");
    EXPECT_EQ(FileErrorReason(std::make_error_code(std::errc::is_a_directory)), "这是一个文件夹");
}

}  // namespace
}  // namespace morvenda
