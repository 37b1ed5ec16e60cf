#include "VorTestHost.h"

#include <algorithm>
#include <sstream>

namespace vor::test {

std::string SequenceDiff(const std::vector<std::string>& expected, const std::vector<std::string>& actual)
{
    if (expected == actual)
        return std::string();
    const size_t n = expected.size(), m = actual.size();
    // lcs[i][j]: length of the common subsequence of expected[i..] and actual[j..].
    std::vector<std::vector<size_t>> lcs(n + 1, std::vector<size_t>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            lcs[i][j] = expected[i] == actual[j] ? lcs[i + 1][j + 1] + 1
                                                 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    std::ostringstream out;
    size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && expected[i] == actual[j]) {
            out << "  " << expected[i] << '\n';
            ++i;
            ++j;
        } else if (j < m && (i == n || lcs[i][j + 1] >= lcs[i + 1][j])) {
            out << "+ " << actual[j] << '\n';
            ++j;
        } else {
            out << "- " << expected[i] << '\n';
            ++i;
        }
    }
    return out.str();
}

::testing::AssertionResult SequenceMatches(const std::vector<std::string>& expected,
                                           const std::vector<std::string>& actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "sequence differs (" << expected.size() << " expected, "
                                         << actual.size() << " recorded; '-' missing, '+' unexpected):\n"
                                         << SequenceDiff(expected, actual);
}

}  // namespace vor::test
