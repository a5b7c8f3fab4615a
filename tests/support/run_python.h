#pragma once
// The independent checks: /usr/bin/python3 with xlrd or ezdxf reads what we wrote.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace test_support {

// Runs /usr/bin/python3 with `arguments` (a script and its arguments, quoted as the shell
// needs them) and returns its standard output; a run that fails fails the test.
inline std::string RunPython(const std::string& arguments) {
    const std::string command = "/usr/bin/python3 " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return {};
    }
    std::string out;
    std::array<char, 4096> buffer;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command << "\n" << out;
    return out;
}

} // namespace test_support
