#pragma once
#include <gtest/gtest.h>

#include <string>

#include "platform/linux/profile_ini_file.h"
#include "platform/services.h"
#include "tests/support/scratch.h"

namespace airvane::test {

// A fixture with a real ProfileIniFile installed in Services() and a scratch folder for
// the files it reads.
class InstalledIniFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = NewScratchDir("app");
        PlatformServices services;
        services.ini_file = &ini_;
        InstallServices(services);
    }
    void TearDown() override { ResetServices(); }

    std::string Write(const std::string& name, const std::string& bytes) {
        return WriteFile(dir_ + "/" + name, bytes);
    }

    std::string dir_;
    ProfileIniFile ini_;
};

}  // namespace airvane::test
