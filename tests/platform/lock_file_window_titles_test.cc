#include "platform/linux/lock_file_window_titles.h"

#include <dirent.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>

#include <gtest/gtest.h>

#include "platform/linux/linux_processes.h"
#include "tests/support/scratch.h"

namespace airvane {
namespace {

std::set<std::string> FilesIn(const std::string& dir) {
    std::set<std::string> names;
    DIR* d = ::opendir(dir.c_str());
    if (d == nullptr)
        return names;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name != "." && name != "..")
            names.insert(name);
    }
    ::closedir(d);
    return names;
}

// Every test gets its own runtime folder, or none at all (the private /tmp-style
// folder below a scratch base).
class WindowTitlesTest : public testing::Test {
protected:
    void SetUp() override {
        const char* old = ::getenv("XDG_RUNTIME_DIR");
        saved_runtime_ = old != nullptr ? old : "";
        runtime_ = test::NewScratchDir("runtime");
        ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    }
    void TearDown() override { ::setenv("XDG_RUNTIME_DIR", saved_runtime_.c_str(), 1); }

    std::string LockFolder() const { return runtime_ + "/airvane"; }

    std::string saved_runtime_;
    std::string runtime_;
};

TEST_F(WindowTitlesTest, RegisterIsOpenUnregisterForAwkwardTitles) {
    const std::string long_title(256, 'x');
    std::string long_wide;
    for (int i = 0; i < 256; ++i)
        long_wide += "\xE2\x82\xAC";  // 256 euro signs
    const std::string titles[] = {
        "Airvane Plus",
        "Airvane Plus   QX7200",
        "a/b\\c",
        "..",
        ".hidden",
        "",
        "r\xC3\xA9seau",
        "%41",
        "A",
        long_title,
        long_wide,
        long_wide + "!",
    };
    LockFileWindowTitles windows;
    for (const std::string& title : titles) {
        SCOPED_TRACE(title);
        const std::string name = LockFileWindowTitles::FileNameFor(title);
        EXPECT_EQ(name.find('/'), std::string::npos);
        EXPECT_NE(name[0], '.');
        EXPECT_LE(name.size(), 255u);
        EXPECT_FALSE(windows.IsOpen(title));
        EXPECT_EQ(windows.Register(title), 0);
        EXPECT_EQ(windows.Register(title), 0);  // again: still fine
    }
    // Each title has a file of its own: all are held at once.
    EXPECT_EQ(FilesIn(LockFolder()).size(), std::size(titles));
    for (const std::string& title : titles) {
        SCOPED_TRACE(title);
        EXPECT_TRUE(windows.IsOpen(title));
    }
    EXPECT_FALSE(windows.IsOpen("Airvane plus"));  // exact title, case included
    for (const std::string& title : titles)
        windows.Unregister(title);
    for (const std::string& title : titles) {
        SCOPED_TRACE(title);
        EXPECT_FALSE(windows.IsOpen(title));
    }
    EXPECT_TRUE(FilesIn(LockFolder()).empty());

    struct stat st {};
    ASSERT_EQ(::lstat(LockFolder().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
}

TEST_F(WindowTitlesTest, ATitleHeldElsewhereCannotBeTaken) {
    LockFileWindowTitles first;
    LockFileWindowTitles second;  // stands for another process: its own descriptors
    ASSERT_EQ(first.Register("Main"), 0);
    EXPECT_TRUE(second.IsOpen("Main"));
    EXPECT_EQ(second.Register("Main"), -1);
    first.Unregister("Main");
    EXPECT_FALSE(second.IsOpen("Main"));
    EXPECT_EQ(second.Register("Main"), 0);
}

TEST_F(WindowTitlesTest, ClosingReleasesEveryTitle) {
    {
        LockFileWindowTitles windows;
        ASSERT_EQ(windows.Register("One"), 0);
        ASSERT_EQ(windows.Register("Two"), 0);
    }
    LockFileWindowTitles other;
    EXPECT_FALSE(other.IsOpen("One"));
    EXPECT_FALSE(other.IsOpen("Two"));
    EXPECT_TRUE(FilesIn(LockFolder()).empty());
}

TEST_F(WindowTitlesTest, LiveChildCountsKilledChildDoesNot) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        LockFileWindowTitles windows;
        char ok = windows.Register("Airvane Plus \xE2\x80\x94 child") == 0 ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        while (true)
            ::pause();  // until killed
    }
    ::close(ready[1]);
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(ok, 'y');

    LockFileWindowTitles windows;
    EXPECT_TRUE(windows.IsOpen("Airvane Plus \xE2\x80\x94 child"));
    EXPECT_EQ(windows.Register("Airvane Plus \xE2\x80\x94 child"), -1);

    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    // The file is still there, unlocked: it must not count, and is cleared away.
    EXPECT_EQ(FilesIn(LockFolder()).size(), 1u);
    EXPECT_FALSE(windows.IsOpen("Airvane Plus \xE2\x80\x94 child"));
    EXPECT_TRUE(FilesIn(LockFolder()).empty());
    EXPECT_EQ(windows.Register("Airvane Plus \xE2\x80\x94 child"), 0);
}

// A program the window started (a companion program) must not keep the title alive
// after the window's process is gone.
TEST_F(WindowTitlesTest, StartedProgramsDoNotInheritTheLock) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        LockFileWindowTitles windows;
        LinuxProcesses processes;
        ProcessId companion = 0;
        if (windows.Register("Parent") != 0 || processes.Start("sleep 60", "", &companion) != 0) {
            companion = 0;
        }
        (void)!::write(ready[1], &companion, sizeof companion);
        while (true)
            ::pause();
    }
    ::close(ready[1]);
    ProcessId companion = 0;
    ASSERT_EQ(::read(ready[0], &companion, sizeof companion),
              static_cast<ssize_t>(sizeof companion));
    ::close(ready[0]);
    ::kill(child, SIGKILL);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    ASSERT_GT(companion, 0);

    LockFileWindowTitles windows;
    EXPECT_FALSE(windows.IsOpen("Parent"));  // the companion still runs
    ::kill(companion, SIGKILL);
}

TEST_F(WindowTitlesTest, StaleFileNeverCounts) {
    ASSERT_EQ(::mkdir(LockFolder().c_str(), 0700), 0);
    const std::string path = LockFolder() + "/" + LockFileWindowTitles::FileNameFor("Old");
    test::WriteFile(path, "");
    LockFileWindowTitles windows;
    EXPECT_FALSE(windows.IsOpen("Old"));
    EXPECT_TRUE(FilesIn(LockFolder()).empty());
}

class PrivateFolderTest : public WindowTitlesTest {
protected:
    void SetUp() override {
        WindowTitlesTest::SetUp();
        ::unsetenv("XDG_RUNTIME_DIR");
        base_ = test::NewScratchDir("tmp");
        folder_ = base_ + "/airvane-" + std::to_string(::geteuid());
    }
    std::string base_;
    std::string folder_;
};

TEST_F(PrivateFolderTest, CreatedPrivateWhenMissing) {
    LockFileWindowTitles windows(base_);
    ASSERT_EQ(windows.Register("T"), 0);
    EXPECT_TRUE(windows.IsOpen("T"));
    struct stat st {};
    ASSERT_EQ(::lstat(folder_.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(FilesIn(folder_).size(), 1u);
}

TEST_F(PrivateFolderTest, UnsafeFolderRefused) {
    struct Row {
        const char* name;
        std::function<void(const std::string& folder, const std::string& base)> make;
        bool needs_root;
    };
    const Row rows[] = {
        {"symbolic link to a private folder",
         [](const std::string& folder, const std::string& base) {
             ::mkdir((base + "/elsewhere").c_str(), 0700);
             ASSERT_EQ(::symlink((base + "/elsewhere").c_str(), folder.c_str()), 0);
         },
         false},
        {"open to the group and others",
         [](const std::string& folder, const std::string&) {
             ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
             ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
         },
         false},
        {"sticky private folder",
         [](const std::string& folder, const std::string&) {
             ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
             ASSERT_EQ(::chmod(folder.c_str(), 01700), 0);
         },
         false},
        {"a plain file",
         [](const std::string& folder, const std::string&) { test::WriteFile(folder, "x"); },
         false},
        {"owned by another user",
         [](const std::string& folder, const std::string&) {
             ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
             ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
         },
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.needs_root && ::geteuid() != 0)
            continue;  // chown needs root
        base_ = test::NewScratchDir("tmp");
        folder_ = base_ + "/airvane-" + std::to_string(::geteuid());
        row.make(folder_, base_);
        LockFileWindowTitles windows(base_);
        testing::internal::CaptureStderr();
        EXPECT_EQ(windows.Register("T"), -1);
        EXPECT_FALSE(windows.IsOpen("T"));
        EXPECT_EQ(windows.Register("T"), -1);
        std::string said = testing::internal::GetCapturedStderr();
        // One line naming the folder, however often the folder is needed.
        EXPECT_NE(said.find(folder_), std::string::npos) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
        EXPECT_TRUE(FilesIn(base_ + "/elsewhere").empty());
    }
}

}  // namespace
}  // namespace airvane
