#include "engine/batch_args.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TEST(BatchArgs, ParsesTheCommandLine) {
  BatchArgsResult r = ParseBatchArgs({"--data-dir", "/d", "s.velt"});
  ASSERT_TRUE(r.args);
  EXPECT_EQ(r.args->dataDir, "/d");
  EXPECT_EQ(r.args->settingsFile, "s.velt");
  EXPECT_FALSE(r.args->help);

  r = ParseBatchArgs({"s.velt", "--data-dir=/x"});
  ASSERT_TRUE(r.args);
  EXPECT_EQ(r.args->dataDir, "/x");

  r = ParseBatchArgs({"--help"});
  ASSERT_TRUE(r.args);
  EXPECT_TRUE(r.args->help);
}

TEST(BatchArgs, UsageErrors) {
  EXPECT_FALSE(ParseBatchArgs({}).args);
  EXPECT_FALSE(ParseBatchArgs({"--data-dir"}).args);
  EXPECT_FALSE(ParseBatchArgs({"a.velt", "b.velt"}).args);
  EXPECT_FALSE(ParseBatchArgs({"--bogus", "a.velt"}).args);
  EXPECT_NE(ParseBatchArgs({"--bogus", "a.velt"}).error.find("--bogus"), std::string::npos);
}

}  // namespace
}  // namespace velt
