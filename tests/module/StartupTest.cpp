// Start-up as a loader does it, seen from a fresh process: the probe program
// (tests/module/startup) prints what its modules' entries, its static object
// and its main see, and this test compares the whole sequence.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunProgram.h"
#include "VorTestHost.h"

namespace {

TEST(ModuleStartup, ModulesAttachBeforeTheProgramInDependencyOrderAndDetachAtItsEnd)
{
    const vor::test::ProgramRun run = vor::test::RunProgram(VOR_STARTUP_PROBE);
    ASSERT_TRUE(run.bExited);
    EXPECT_EQ(run.nExitCode, 0);
    // The probe's extension needs VORLib10 and is named before it by the
    // program; VORLib10 is attached before it all the same. Everything is
    // attached before the program's static objects and main; the first
    // call of main finds the splitter cursor. At the end the program's
    // static objects go first, then the modules, last attached first: the
    // base, attached first, sees that VORLib10's entry took VORLib10 out of
    // the chain.
    EXPECT_SEQUENCE((std::vector<std::string>{
                        "vor_startup_probe_base attach: chain empty",
                        "vor_startup_probe_ext attach: chain VORLib10 vor_startup_probe_base",
                        "host static constructed",
                        "main",
                        "main: cursor 118 loaded, VORLib10 found, chain vor_startup_probe_ext VORLib10 "
                        "vor_startup_probe_base",
                        "host static destroyed",
                        "vor_startup_probe_ext detach: process end, chain vor_startup_probe_ext VORLib10 "
                        "vor_startup_probe_base",
                        "vor_startup_probe_base detach: process end, chain vor_startup_probe_base",
                    }),
                    run.lines);
}

}  // namespace
