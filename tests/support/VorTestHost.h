// Checking a recorded sequence of events (messages, notifications) against
// the expected one. Events are compared as text lines, so a failure prints a
// line diff that reads like a trace: "  " both, "- " expected but missing,
// "+ " recorded but not expected.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vor::test {

// The line diff of two sequences (longest common subsequence), one line a
// row; empty when they are equal.
std::string SequenceDiff(const std::vector<std::string>& expected, const std::vector<std::string>& actual);

// Success when actual equals expected line for line; otherwise a failure
// carrying the diff, for EXPECT_TRUE / ASSERT_TRUE.
::testing::AssertionResult SequenceMatches(const std::vector<std::string>& expected,
                                           const std::vector<std::string>& actual);

}  // namespace vor::test

#define EXPECT_SEQUENCE(expected, actual) EXPECT_TRUE(::vor::test::SequenceMatches(expected, actual))
#define ASSERT_SEQUENCE(expected, actual) ASSERT_TRUE(::vor::test::SequenceMatches(expected, actual))
