// airvane-reg: inspect, change, export and import the per-user settings store.
#include <iostream>
#include <string>
#include <vector>

#include "tools/reg_tool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return airvane::regtool::RunRegTool(args, std::cout, std::cerr);
}
