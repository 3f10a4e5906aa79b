// Test helper: writes the values PREFIX0, PREFIX1, ... (texts "0", "1", ...) into the
// key Software\Writer of the hive at HIVE and prints each number on its own line once
// its write has been acknowledged. COUNT 0 writes until the process is killed.
//   hive_writer HIVE PREFIX COUNT
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/linux/sqlite_user_registry.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: hive_writer HIVE PREFIX COUNT\n");
        return 2;
    }
    airvane::SqliteUserRegistry registry(argv[1]);
    const std::string prefix = argv[2];
    const long count = std::strtol(argv[3], nullptr, 10);
    for (long i = 0; count == 0 || i < count; ++i) {
        if (registry.SetString("Software\\Writer", prefix + std::to_string(i), std::to_string(i)) !=
            0) {
            std::fprintf(stderr, "hive_writer: write %ld failed\n", i);
            return 1;
        }
        std::printf("%ld\n", i);
        std::fflush(stdout);
    }
    return 0;
}
