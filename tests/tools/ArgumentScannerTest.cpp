// One command line grammar for every moidtool subcommand.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tools/ArgumentScanner.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"

namespace moid::tools {
namespace {

const std::vector<OptionSpec> SPECS = {
    {"--body", true}, {"--neo", false}, {"--output", true, "-o"}, {"--verbose", false, "-v"}};

TEST(ArgumentScanner, OptionsValuesAndOperandsInTheirOrder) {
  const ScannedArguments s = ScanArguments(
      {"a.dat", "--body", "-5", "-", "-o", "out", "--neo", "b.dat", "--body", "Eros", "-v"},
      SPECS);
  EXPECT_EQ(s.error, "");
  EXPECT_FALSE(s.help);
  EXPECT_EQ(s.operands, (std::vector<std::string>{"a.dat", "-", "b.dat"}));
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"--body", "-5"}, {"--output", "out"}, {"--neo", ""}, {"--body", "Eros"}, {"--verbose", ""}};
  ASSERT_EQ(s.options.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(s.options[i].name, expected[i].first) << i;
    EXPECT_EQ(s.options[i].value, expected[i].second) << i;
  }
}

TEST(ArgumentScanner, StopsAtHelpOrAtTheFirstThingWrong) {
  EXPECT_TRUE(ScanArguments({"a", "--help", "--zoom"}, SPECS).help);
  EXPECT_TRUE(ScanArguments({"-h"}, SPECS).help);
  const ScannedArguments unknown = ScanArguments({"a", "--zoom", "--help"}, SPECS);
  EXPECT_FALSE(unknown.help);
  EXPECT_EQ(unknown.error, "unknown option \"--zoom\"");
  EXPECT_EQ(ScanArguments({"a", "-o"}, SPECS).error, "-o needs a value");
  EXPECT_EQ(ScanArguments({"--body"}, SPECS).error, "--body needs a value");
  // A flag takes no value: what follows it is an operand.
  EXPECT_EQ(ScanArguments({"--neo", "x"}, SPECS).operands, (std::vector<std::string>{"x"}));
}

TEST(ArgumentScanner, ExactlyOneOperand) {
  std::string problem;
  EXPECT_EQ(SingleOperand(ScanArguments({"a"}, SPECS), problem), "a");
  EXPECT_EQ(problem, "");
  SingleOperand(ScanArguments({}, SPECS), problem);
  EXPECT_EQ(problem, "FILE is needed");
  SingleOperand(ScanArguments({"a", "b"}, SPECS), problem, "INPUT");
  EXPECT_EQ(problem, "one INPUT only");
}

struct Subcommand {
  const char* name;
  SubcommandFn run;
  std::vector<std::string> valid;  // the arguments of a valid call, less the file
};

const Subcommand COMMANDS[] = {
    {"catalog", RunCatalogCommand, {}},
    {"moid", RunMoidCommand, {"--body", "1"}},
    {"ephem", RunEphemCommand, {"--body", "1", "--start", "2451545", "--days", "1"}},
    {"render", RunRenderCommand, {"--body", "1"}},
    {"import", RunImportCommand, {"-o", "out.dat"}},
};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

void ExpectBadUsage(const Subcommand& command, const std::vector<std::string>& args,
                    const std::string& problem) {
  const CommandRun run = RunCommand(command.run, args);
  EXPECT_EQ(run.code, 2) << command.name;
  EXPECT_EQ(run.out, "") << command.name;
  const std::string opening = std::string("moidtool ") + command.name + ": " + problem +
                              "\nusage: moidtool " + command.name;
  EXPECT_EQ(run.err.rfind(opening, 0), 0u) << run.err;
}

TEST(EveryCommand, AnswersAWrongCommandLineTheSameWay) {
  for (const Subcommand& command : COMMANDS) {
    ExpectBadUsage(command, With({"x.dat", "--zoom", "2"}, command.valid),
                   "unknown option \"--zoom\"");
    ExpectBadUsage(command, With({"x.dat"}, With(command.valid, {"-q"})), "unknown option \"-q\"");
    const std::string valued = command.valid.empty() ? "" : command.valid.front();
    if (!valued.empty()) {
      ExpectBadUsage(command, {"x.dat", valued}, valued + " needs a value");
    }
    if (std::string(command.name) != "import") {  // import reads several inputs
      ExpectBadUsage(command, With({"x.dat", "y.dat"}, command.valid), "one FILE only");
    }
    for (const char* help : {"--help", "-h"}) {
      const CommandRun run = RunCommand(command.run, With({"x.dat"}, With(command.valid, {help})));
      EXPECT_EQ(run.code, 0) << command.name;
      EXPECT_EQ(run.out.rfind(std::string("usage: moidtool ") + command.name, 0), 0u) << run.out;
      EXPECT_EQ(run.err, "");
    }
  }
}

}  // namespace
}  // namespace moid::tools
