// The fuzz targets' checks run under GoogleTest over the committed seeds, so
// every build exercises them (also without clang), and the second
// formulations are themselves held to the documented answers.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "FuzzChecks.h"

namespace {

std::vector<std::string> SeedFiles(const std::string& target) {
    const std::string dir = std::string(VOR_FUZZ_CORPUS_DIR) + "/" + target;
    std::vector<std::string> files;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') files.push_back(dir + "/" + e->d_name);
        closedir(d);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Target {
    const char* name;
    std::string (*check)(const std::string&);
};

const Target kTargets[] = {
    {"input_num", vor::fuzz::CheckInputNum},
    {"input_real", vor::fuzz::CheckInputReal},
    {"split", vor::fuzz::CheckSplit},
#ifdef VOR_FUZZ_HAVE_SCRIPT
    {"script", vor::fuzz::CheckScript},
#endif
};

class SeedReplay : public ::testing::TestWithParam<Target> {};

TEST_P(SeedReplay, EverySeedAgrees) {
    const std::vector<std::string> files = SeedFiles(GetParam().name);
    ASSERT_GE(files.size(), 10u) << "seeds of " << GetParam().name << " are missing";
    for (const std::string& f : files) EXPECT_EQ(GetParam().check(ReadAll(f)), "") << f;
}

INSTANTIATE_TEST_SUITE_P(Targets, SeedReplay, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<Target>& i) { return std::string(i.param.name); });

// Every byte string of length up to 3 over the bytes that matter to the
// validators, plus two that do not: exhaustive agreement on short texts.
TEST(SeedReplayExhaustive, ShortNumberTexts) {
    const std::string alphabet = std::string("+-0159.e ") + '\x80' + '\0';
    std::vector<std::string> texts{""};
    for (int len = 1; len <= 4; ++len) {
        std::vector<std::string> next;
        for (const std::string& t : texts)
            if ((int)t.size() == len - 1)
                for (char c : alphabet) next.push_back(t + c);
        texts.insert(texts.end(), next.begin(), next.end());
    }
    for (const std::string& t : texts) {
        ASSERT_EQ(vor::fuzz::CheckInputNum(t), "");
        ASSERT_EQ(vor::fuzz::CheckInputReal(t), "");
    }
}

TEST(SeedReplayExhaustive, ShortChoiceStrings) {
    const std::string alphabet = "\r\na";
    std::vector<std::string> texts{""};
    for (size_t from = 0; texts.size() < 1 + 3 + 9 + 27 + 81 + 243; ++from)
        for (char c : alphabet) texts.push_back(texts[from] + c);
    for (const std::string& t : texts) ASSERT_EQ(vor::fuzz::CheckSplit(t), "");
}

// The second formulations give the documented answers, so an agreement
// with them means something.
struct NumberCase {
    const char* text;
    bool num, real;
};
const NumberCase kNumberCases[] = {
    {"", true, true},      {"+", true, true},      {"-", true, true},      {"0", true, true},
    {"-0", true, true},    {"+12", true, true},    {"-450", true, true},   {"00", false, false},
    {"012", false, false}, {"1.5", false, true},   {"0.", false, true},    {"12.50", false, true},
    {"-0.25", false, true}, {".5", false, false},  {"-.5", false, false},  {"00.1", false, false},
    {"1.2.3", false, false}, {"1e5", false, false}, {"1,5", false, false}, {"--1", false, false},
    {"+-1", false, false}, {"1-", false, false},   {" 1", false, false},   {"1 ", false, false},
    {"\xb0\xa1", false, false}, {"+.", false, false}, {"0.0.", false, false},
};

TEST(SeedReplayReference, NumberFormulationsMatchTheTable) {
    for (const NumberCase& c : kNumberCases) {
        const std::string t = c.text;
        EXPECT_EQ(vor::fuzz::NumByParts(t), c.num) << t;
        EXPECT_EQ(vor::fuzz::RealByParts(t), c.real) << t;
        EXPECT_EQ(vor::fuzz::RegexMatch(t, vor::fuzz::NumRegex()), c.num) << t;
        EXPECT_EQ(vor::fuzz::RegexMatch(t, vor::fuzz::RealRegex()), c.real) << t;
    }
}

TEST(SeedReplayReference, SplitFormulationMatchesTheTable) {
    using V = std::vector<std::string>;
    EXPECT_EQ(vor::fuzz::SplitByFind(""), V{});
    EXPECT_EQ(vor::fuzz::SplitByFind("a\r\n"), V{"a"});
    EXPECT_EQ(vor::fuzz::SplitByFind("\r\na"), (V{"", "a"}));
    EXPECT_EQ(vor::fuzz::SplitByFind("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(vor::fuzz::SplitByFind("\r\n"), V{""});
    EXPECT_EQ(vor::fuzz::SplitByFind("\r\r\n\n"), (V{"\r", "\n"}));
}

#ifdef VOR_FUZZ_HAVE_SCRIPT
TEST(SeedReplayReference, PrintedScriptsParseBack) {
    std::vector<gallery::Command> cmds;
    std::string error;
    ASSERT_TRUE(gallery::ParseScript("KEY shift+a 2\ntype  a  b \nsplitter MAIN -3\n", cmds, error)) << error;
    EXPECT_EQ(vor::fuzz::PrintScript(cmds), "key shift+a 2\ntype a  b \nsplitter main -3\n");
}
#endif

}  // namespace
