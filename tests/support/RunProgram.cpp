#include "RunProgram.h"

#include <sys/wait.h>

#include <cstdio>

namespace vor::test {

ProgramRun RunProgram(const std::string& strCommand)
{
    ProgramRun run;
    FILE* pipe = ::popen(strCommand.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::string strLine;
    for (int c; (c = std::fgetc(pipe)) != EOF;) {
        if (c == '\n') {
            run.lines.push_back(strLine);
            strLine.clear();
        } else {
            strLine += (char)c;
        }
    }
    if (!strLine.empty())
        run.lines.push_back(strLine);
    const int nStatus = ::pclose(pipe);
    run.bExited = nStatus != -1 && WIFEXITED(nStatus);
    run.nExitCode = run.bExited ? WEXITSTATUS(nStatus) : -1;
    return run;
}

}  // namespace vor::test
