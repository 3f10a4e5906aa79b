#pragma once
#include <string>

#include "platform/linux/app_home.h"
#include "platform/private_folders.h"

namespace airvane {

// Private folders below the program's home folder of the user.
class HomePrivateFolders : public PrivateFolders {
public:
    explicit HomePrivateFolders(std::string root = AppHomeFolder()) : root_(std::move(root)) {}
    std::string Get(const std::string& name) override;

private:
    std::string root_;
};

}  // namespace airvane
