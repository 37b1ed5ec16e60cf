// Runs a program in a fresh process and keeps what it wrote to its
// standard output, line by line, for the tests that compare it whole.
#pragma once

#include <string>
#include <vector>

namespace vor::test {

struct ProgramRun {
    std::vector<std::string> lines;  // without their line ends
    bool bExited = false;            // ended by itself rather than a signal
    int nExitCode = -1;
};

ProgramRun RunProgram(const std::string& strCommand);

}  // namespace vor::test
