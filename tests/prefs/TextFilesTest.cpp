#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "PrefsFolderFixture.h"
#include "platform/base/FolderItem.h"
#include "platform/base/Text.h"
#include "platform/base/TextInputStream.h"
#include "platform/base/TextOutputStream.h"

namespace {

namespace fs = std::filesystem;

const std::string kOld = "#Window1Position 1,2\n";

TEST_F(PrefsFolderFixture, ReplacementAppearsOnlyWhenStreamCloses) {
    WriteBytes(PrefsFile(), kOld);
    auto out = fw::FolderItem(PrefsFile()).CreateTextFile();
    ASSERT_NE(out, nullptr);
    out->WriteLine("new");
    EXPECT_EQ(ReadBytes(PrefsFile()), kOld);
    out.reset();
    EXPECT_EQ(ReadBytes(PrefsFile()), "new" + fw::EndOfLine());
    EXPECT_EQ(Entries(dir_), std::set<std::string>{"tessarook.txt"});
}

TEST_F(PrefsFolderFixture, FailedWriteKeepsOldFileAndLeavesNoTemporary) {
    WriteBytes(PrefsFile(), kOld);
    // A file size limit makes the write fail like a full disk, also for root.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 8;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    SavePosition(70, 10);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(ReadBytes(PrefsFile()), kOld);
    EXPECT_EQ(Entries(dir_), std::set<std::string>{"tessarook.txt"});
}

TEST_F(PrefsFolderFixture, UnwritableFolderWritesNothing) {
    WriteBytes(dir_ / "plain-file", "x");
    SetEnv("XDG_CONFIG_HOME", (dir_ / "plain-file").string());
    EXPECT_NO_THROW(SavePosition(1, 2));
    EXPECT_EQ(ReadBytes(dir_ / "plain-file"), "x");
    fs::remove(dir_ / "plain-file");

    if (geteuid() == 0) {
        GTEST_SKIP() << "permission bits do not stop root";
    }
    SetEnv("XDG_CONFIG_HOME", dir_.string());
    WriteBytes(PrefsFile(), kOld);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(fw::FolderItem(PrefsFile()).CreateTextFile(), nullptr);
    SavePosition(70, 10);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(ReadBytes(PrefsFile()), kOld);
    EXPECT_EQ(Entries(dir_), std::set<std::string>{"tessarook.txt"});
}

// A user who made the file read-only keeps it as it is, root included; so does
// one who points the name at a read-only file.
TEST_F(PrefsFolderFixture, ReadOnlyFileIsLeftAsItIs) {
    constexpr fs::perms kReadOnly = fs::perms::owner_read | fs::perms::group_read;
    const fs::path real = dir_ / "real.txt";
    for (const bool throughLink : {false, true}) {
        SCOPED_TRACE(throughLink ? "through a link" : "the file itself");
        const fs::path file = throughLink ? real : PrefsFile();
        WriteBytes(file, kOld);
        fs::permissions(file, kReadOnly);
        if (throughLink) {
            fs::create_symlink(real, PrefsFile());
        }
        SavePosition(70, 10);
        EXPECT_EQ(ReadBytes(PrefsFile()), kOld);
        EXPECT_EQ(fs::status(file).permissions(), kReadOnly);
        const std::set<std::string> entries =
            throughLink ? std::set<std::string>{"real.txt", "tessarook.txt"}
                        : std::set<std::string>{"tessarook.txt"};
        EXPECT_EQ(Entries(dir_), entries);
        fs::permissions(file, fs::perms::owner_all);
        fs::remove(PrefsFile());
    }
}

TEST_F(PrefsFolderFixture, SaveThroughSymbolicLinkKeepsLink) {
    fs::create_directory(dir_ / "real");
    WriteBytes(dir_ / "real" / "prefs.txt", kOld);
    fs::create_symlink(dir_ / "real" / "prefs.txt", PrefsFile());
    SavePosition(5, 6);
    EXPECT_TRUE(fs::is_symlink(PrefsFile()));
    EXPECT_EQ(ReadBytes(dir_ / "real" / "prefs.txt"), "#Window1Position 5,6" + fw::EndOfLine());
}

// A CR LF pair split by the reader's buffer must still be one line end, whatever
// the buffer's size: each row puts the CR on the last byte of a power-of-two block.
TEST_F(PrefsFolderFixture, CrLfSplitAtAnyBlockSizeIsOneLineEnd) {
    for (int bits = 10; bits <= 20; ++bits) {
        SCOPED_TRACE("block of 2^" + std::to_string(bits));
        const std::size_t block = std::size_t{1} << bits;
        WriteBytes(PrefsFile(), "'" + std::string(block - 2, 'c') + "\r\n#Window1Position 3,4\r\n");
        // The list only grows: a fresh one keeps earlier rows' directives from matching.
        prefModule::gDirectives = std::make_shared<prefModule::DirectiveList>(0);
        prefModule::Window1Top = 0;
        prefModule::loadPrefs();
        EXPECT_EQ(prefModule::Window1Top, 3);
    }
}

// Several megabytes in many lines and in one long line; a reader that rescans or
// copies its input per line would not finish.
TEST_F(PrefsFolderFixture, LargeFileIsReadCompletely) {
    constexpr int kLines = 200000;
    std::string bytes;
    for (int i = 0; i < kLines; ++i) {
        bytes += "#k" + std::to_string(i) + " some text\r\n";
    }
    const std::string longText(4 << 20, 'z');
    bytes += "#Window1Position 11,12," + longText + "\n";
    WriteBytes(PrefsFile(), bytes);

    prefModule::loadPrefs();
    EXPECT_EQ(prefModule::Window1Top, 11);
    EXPECT_EQ(prefModule::Window1Left, 12);
    const auto& list = *prefModule::gDirectives;
    ASSERT_EQ(list.Ubound(), kLines + 1);
    EXPECT_EQ(list(kLines)->name, "k" + std::to_string(kLines - 1));
    EXPECT_EQ(list(kLines + 1)->text.size(), longText.size() + 6);
}

}  // namespace
