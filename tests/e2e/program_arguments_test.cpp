// The command line of the game: --help and --version answer on standard
// output without a terminal; anything else is refused with the usage.
#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "text_pattern.h"
#include "tmux_session.h"

namespace bdvx::e2e {
namespace {

TEST(E2eArguments, HelpAndVersionAnswerOnStandardOutputOtherArgumentsFailWithTheUsage) {
  struct Case {
    const char* arguments;
    const char* status;
    const char* out;  // a pattern of the first line of standard output ("" for none)
    const char* err;  // the first line of standard error, before the usage ("" for none)
  };
  const char* usage = "usage: brandovex [--help | --version]";
  const Case cases[] = {
      {"--help", "0", "usage: brandovex [--help | --version]", ""},
      {"--version", "0", "brandovex %.%.%", ""},
      {"--colour", "2", "", "brandovex: unknown argument '--colour'"},
      {"--help --version", "2", "", "brandovex: too many arguments"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    test::TempWorkDir dir;
    // No terminal on either side: the game itself would refuse to start.
    const std::string status = test::RunCommand("'" + GameProgram().string() + "' " + c.arguments +
                                                " </dev/null >out.txt 2>err.txt; echo $?");
    EXPECT_EQ(status, std::string(c.status) + "\n");
    const std::string out = test::ReadFile("out.txt");
    const std::string err = test::ReadFile("err.txt");
    EXPECT_TRUE(FitsPattern(out.substr(0, out.find('\n')), c.out)) << out;
    EXPECT_EQ(out.empty(), *c.out == '\0') << out;
    if (*c.err == '\0') {
      EXPECT_EQ(err, "");
    } else {
      EXPECT_EQ(err, std::string(c.err) + "\n" + usage + "\n");
    }
  }
}

}  // namespace
}  // namespace bdvx::e2e
