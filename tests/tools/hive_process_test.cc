// The hive shared with other processes: a second writer at the same time, and a writer
// killed in the middle of its work.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/linux/sqlite_user_registry.h"
#include "tests/support/scratch.h"

extern char** environ;

namespace airvane {
namespace {

// The helper process with its standard output on a pipe.
class Writer {
public:
    Writer(const std::string& hive, const std::string& prefix, int count) {
        int fds[2];
        if (::pipe(fds) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::string count_text = std::to_string(count);
        std::vector<char*> argv = {const_cast<char*>(HIVE_WRITER_PATH),
                                   const_cast<char*>(hive.c_str()),
                                   const_cast<char*>(prefix.c_str()), count_text.data(), nullptr};
        if (posix_spawn(&pid_, HIVE_WRITER_PATH, &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        output_ = ::fdopen(fds[0], "r");
    }
    ~Writer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            Wait();
        }
        if (output_ != nullptr) {
            std::fclose(output_);
        }
    }
    bool Started() const { return pid_ > 0 && output_ != nullptr; }
    // The next acknowledged number; -1 at the end of the output.
    long NextAcknowledged() {
        long number = -1;
        if (std::fscanf(output_, "%ld", &number) != 1) {
            return -1;
        }
        return number;
    }
    int Wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }
    void Kill() { ::kill(pid_, SIGKILL); }

private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
};

void ExpectValuesUpTo(SqliteUserRegistry& registry, const std::string& prefix, long last) {
    for (long i = 0; i <= last; ++i) {
        RegistryValue value;
        ASSERT_EQ(registry.GetValue("Software\\Writer", prefix + std::to_string(i), &value), 0)
            << prefix << i;
        ASSERT_EQ(value.text, std::to_string(i));
    }
}

TEST(HiveProcesses, SecondProcessWritesTheSameHive) {
    std::string hive = test::NewScratchDir("shared") + "/user-hive.db";
    SqliteUserRegistry registry(hive);
    ASSERT_TRUE(registry.IsOpen());
    constexpr int kWrites = 300;
    Writer writer(hive, "other", kWrites);
    ASSERT_TRUE(writer.Started());
    for (int i = 0; i < kWrites; ++i) {
        ASSERT_EQ(
            registry.SetString("Software\\Writer", "own" + std::to_string(i), std::to_string(i)),
            0);
    }
    long last = -1;
    for (long n = writer.NextAcknowledged(); n >= 0; n = writer.NextAcknowledged()) {
        last = n;
    }
    int status = writer.Wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(last, kWrites - 1);
    ExpectValuesUpTo(registry, "own", kWrites - 1);
    ExpectValuesUpTo(registry, "other", kWrites - 1);
}

TEST(HiveProcesses, KilledWriterLeavesEveryAcknowledgedValue) {
    std::string hive = test::NewScratchDir("killed") + "/user-hive.db";
    long last = -1;
    {
        Writer writer(hive, "v", 0);
        ASSERT_TRUE(writer.Started());
        while (last < 150) {
            long n = writer.NextAcknowledged();
            ASSERT_GE(n, 0) << "the writer stopped early";
            last = n;
        }
        writer.Kill();  // somewhere inside a later write
        int status = writer.Wait();
        ASSERT_TRUE(WIFSIGNALED(status));
        // Numbers still in the pipe were acknowledged before the kill as well.
        for (long n = writer.NextAcknowledged(); n >= 0; n = writer.NextAcknowledged()) {
            last = n;
        }
    }
    SqliteUserRegistry registry(hive);
    ASSERT_TRUE(registry.IsOpen()) << registry.OpenFailure();
    ExpectValuesUpTo(registry, "v", last);
    EXPECT_EQ(registry.SetString("Software\\Writer", "after", "1"), 0);
}

}  // namespace
}  // namespace airvane
