// The shipped data package keeps every rule of the data checker; lint_test.cpp tests the rules
// themselves on the tiny garden.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/utf8.h"
#include "lint/lint.h"

namespace {

TEST(ShippedDataTest, TheDataCheckerFindsNoProblem) {
  std::vector<std::string> problems;
  for (const WideString& line : RunLint(SW_DATA_DIR).Lines()) problems.push_back(Utf8Encode(line));
  EXPECT_EQ(problems, std::vector<std::string>());
}

}  // namespace
