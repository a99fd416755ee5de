#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "data/TempDirectory.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"

namespace moid::tools {
namespace {

CommandRun RunCatalog(const std::vector<std::string>& args) { return RunCommand(RunCatalogCommand, args); }

const std::string HEADER =
    "index\teccentricity\tinclination\tperihelionArgument\tascendingNode\tsemiMajorAxis\t"
    "meanAnomaly\tname\n";

TEST(CatalogCommand, PrintsWhatTheReaderMade) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile(
      "ELEMENTS.DAT",
      "2460000.5,0.0167,0.0,102.9,0.0,1.0000010178,357.5,0,Earth\r\n"
      "0.2229,10.83,178.9,304.3,1.458,110.8,(433) Eros\r\n"
      "1.5,1,2,3,4,5,Hyper \xB0\r\n"
      "0.1,1e-5,2D1,-3,4,5,Say \"hi\"\r\n"
      "0.3,1,2,3,4,5,\"Tab\there, \\ too\"\r\n"
      "0.3,1,2,3,-4,5,No axis\r\n");
  const CommandRun run = RunCatalog({path});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out,
            "# epoch 2460000.5\n"
            "# reference\t0.0167\t0\t102.9\t0\t1.0000010178\t357.5\t\"Earth\"\n" +
                HEADER +
                "0\t0.2229\t10.83\t178.9\t304.3\t1.458\t110.8\t\"(433) Eros\"\n"
                "1\t0.1\t1e-05\t20\t-3\t4\t5\t\"Say \\\"hi\\\"\"\n"
                "2\t0.3\t1\t2\t3\t4\t5\t\"Tab\\there, \\\\ too\"\n");
  EXPECT_EQ(run.err,
            "record 2 \"Hyper \xC2\xB0\": skipped: eccentricity 1.5 is not below 1 (not an ellipse)\n"
            "record 5 \"No axis\": skipped: semi-major axis -4 AU is not positive\n");
}

TEST(CatalogCommand, EmptyCatalogueAndReferenceProblems) {
  testing::TempDirectory dir;
  const std::string path = dir.WriteFile("e.dat", "");
  const CommandRun run = RunCatalog({path});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out, "# epoch 0\n# reference\t0\t0\t0\t0\t0\t0\t\"\"\n" + HEADER);
  EXPECT_EQ(run.err,
            "reference record: semi-major axis 0 AU is not positive\n"
            "record 0 epoch: the data ends before this field: it and the rest of the record "
            "read as 0 or no text\n");
}

// What the reader tolerates without a word is reported on standard error, each with its
// record and field; the catalogue is read as before.
TEST(CatalogCommand, ToleratedFieldsAreReportedWithTheirRecord) {
  const std::string earth = "2460000.5,0.0167,0,102.9,0,1.0000010178,357.5,0,Earth\r\n";
  const std::string tail = "0.2,1,2,3,1.5,5,Last\r\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"0.1,,2,3,1.5,5,First\r\n", "record 1 inclination: empty: read as 0 or no text\n"},
      {"0.1,abc,2,3,1.5,5,First\r\n", "record 1 inclination: not a number: read as 0\n"},
      {"0.1,1,2,3,1.5,5,\r\n", "record 1 name: empty: read as 0 or no text\n"},
      {"0.1,1,2,3,1.5," + std::string(300, '1') + "\r\n",
       "record 1 meanAnomaly: a number longer than 255 characters: cut there, the rest read as "
       "the next field\n"},
      // "x" starts the next record, which shifts every field after it by two
      {"0.1,1,2,3,1.5,5,\"Quoted\"x,\r\n",
       "record 3 \"\": skipped: eccentricity 5 is not below 1 (not an ellipse)\n"
       "record 1 name: text after the closing quote: read as the next field\n"
       "record 2 eccentricity: not a number: read as 0\n"
       "record 2 inclination: empty: read as 0 or no text\n"
       "record 3 inclination: not a number: read as 0\n"
       "record 3 perihelionArgument: the data ends before this field: it and the rest of the "
       "record read as 0 or no text\n"},
  };
  for (const auto& [record, said] : cases) {
    testing::TempDirectory dir;
    const CommandRun run = RunCatalog({dir.WriteFile("c.dat", earth + record + tail)});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.err, said) << record;
  }
  testing::TempDirectory dir;
  CommandRun run = RunCatalog({dir.WriteFile("q.dat", earth + tail + "0.1,1,2,3,1.5,5,\"Open")});
  EXPECT_EQ(run.err, "record 2 name: the quote is not closed: the name runs to the end\n");
  EXPECT_NE(run.out.find("\n1\t0.1\t1\t2\t3\t1.5\t5\t\"Open\"\n"), std::string::npos);
  run = RunCatalog({dir.WriteFile("m.dat", earth + tail + "0.1,1,2")});
  EXPECT_EQ(run.err,
            "record 2 \"\": skipped: semi-major axis 0 AU is not positive\n"
            "record 2 ascendingNode: the data ends before this field: it and the rest of the "
            "record read as 0 or no text\n");
  run = RunCatalog({dir.WriteFile("z.dat", earth + tail + "\x1A" + "0.1,1,2,3,1.5,5,Hidden\r\n")});
  EXPECT_EQ(run.err,
            "record 1: a 0x1A byte ends the data after this record; 22 bytes of text after it "
            "are not read\n");
  EXPECT_EQ(run.out.find("Hidden"), std::string::npos);
  // A 0x1A byte at the very end, as DOS editors leave one, is no news.
  EXPECT_EQ(RunCatalog({dir.WriteFile("d.dat", earth + tail + "\x1A")}).err, "");
}

TEST(CatalogCommand, AByteOrderMarkIsNotPartOfTheEpoch) {
  testing::TempDirectory dir;
  const CommandRun run = RunCatalog({dir.WriteFile(
      "bom.dat", "\xEF\xBB\xBF" "2460000.5,0.0167,0,102.9,0,1.0000010178,357.5,0,Earth\r\n")});
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.out.rfind("# epoch 2460000.5\n", 0), 0u) << run.out;
  EXPECT_EQ(run.err, "");
}

TEST(CatalogCommand, TooManyBodies) {
  testing::TempDirectory dir;
  std::string text = "2451545,0.1,0,0,0,1,0,0,Earth\r\n";
  for (int i = 0; i < 25003; ++i) text += "0.1,1,2,3,4,5,B\r\n";
  const CommandRun run = RunCatalog({dir.WriteFile("big.dat", text)});
  EXPECT_EQ(run.code, 0);
  EXPECT_NE(run.out.find("\n25000\t0.1\t1\t2\t3\t4\t5\t\"B\"\n"), std::string::npos);
  EXPECT_EQ(run.out.find("\n25001\t"), std::string::npos);
  EXPECT_EQ(run.err,
            "record 25002 and after: not read: the catalogue holds at most 25001 bodies (2 "
            "records not read)\n");
}

TEST(CatalogCommand, MissingOrUnreadableFileExitsWithOne) {
  testing::TempDirectory dir;
  const CommandRun missing = RunCatalog({dir.Path("none.dat")});
  EXPECT_EQ(missing.code, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "moidtool catalog: " + dir.Path("none.dat") + ": no such file\n");

  const CommandRun directory = RunCatalog({dir.MakeDirectory("sub")});
  EXPECT_EQ(directory.code, 1);
  EXPECT_EQ(directory.out, "");
  EXPECT_EQ(directory.err, "moidtool catalog: " + dir.Path("sub") +
                               ": cannot be read: it is a directory\n");
}

TEST(CatalogCommand, BadUsageExitsWithTwo) {
  const struct {
    std::vector<std::string> args;
    std::string problem;
  } bad[] = {{{}, "FILE is needed"},
             {{"a.dat", "b.dat"}, "one FILE only"},
             {{"--bogus"}, "unknown option \"--bogus\""},
             {{"-x"}, "unknown option \"-x\""}};
  for (const auto& [args, problem] : bad) {
    const CommandRun run = RunCatalog(args);
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "moidtool catalog: " + problem + "\nusage: moidtool catalog FILE\n");
  }
  const CommandRun help = RunCatalog({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out, "usage: moidtool catalog FILE\n");
}

}  // namespace
}  // namespace moid::tools
