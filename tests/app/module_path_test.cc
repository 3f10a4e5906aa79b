#include "app/module_path.h"

#include <gtest/gtest.h>

#include <vector>

namespace airvane {
namespace {

TEST(ModulePath, DerivesStemFolderAndBaseName) {
    struct Row {
        const char* name;
        std::string path;
        std::string stem;
        std::string directory;
        std::string base;
    };
    const std::vector<Row> rows = {
        {"extension replaced", "/opt/tools/wlancfg.exe", "/opt/tools/wlancfg.", "/opt/tools/",
         "wlancfg"},
        {"no extension", "/usr/lib/airvane/airvane", "/usr/lib/airvane/airvane.",
         "/usr/lib/airvane/", "airvane"},
        {"dot in a folder name", "/home/u/.local/bin/airvane", "/home/u/.local/bin/airvane.",
         "/home/u/.local/bin/", "airvane"},
        {"last dot of the file name", "/x.d/air.vane.bin", "/x.d/air.vane.", "/x.d/", "air.vane"},
        {"hidden file name", "/x/.airvane", "/x/.airvane.", "/x/", ".airvane"},
        {"bare file name", "airvane", "airvane.", "", "airvane"},
        {"empty path", "", "", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ModuleStemOf(row.path), row.stem);
        EXPECT_EQ(ModuleDirectoryOf(row.path), row.directory);
        EXPECT_EQ(ExecutableBaseName(row.path), row.base);
    }
}

}  // namespace
}  // namespace airvane
