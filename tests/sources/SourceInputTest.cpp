#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "sources/LineReader.h"
#include "sources/MpcorbReader.h"
#include "sources/SourceInput.h"
#include "sources/SourceTestSupport.h"

namespace moid::sources {
namespace {

using testing::RecordedSource;
using testing::SamplePath;
using testing::SampleText;

std::string ReadAll(std::istream& in) {
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SourceInput, TheFirstBytesAreHandedOnAgainThenTheRest) {
  std::istringstream rest("defghij\nklm");
  ReplayBuffer buffer("abc", *rest.rdbuf());
  std::istream in(&buffer);
  std::string line;
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, "abcdefghij");
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, "klm");
  EXPECT_FALSE(std::getline(in, line));
}

TEST(SourceInput, APlainFileIsReadWholeWithItsSize) {
  SourceInput source(SamplePath("mpcorb-sample.dat"));
  ASSERT_EQ(source.Failure(), "");
  const std::string text = SampleText("mpcorb-sample.dat");
  EXPECT_EQ(source.Size(), text.size());
  EXPECT_EQ(source.Head(), text.substr(0, SOURCE_HEAD_BYTES));
  EXPECT_EQ(source.FormatFor(SourceFormat::Detect), SourceFormat::Mpcorb);
  EXPECT_EQ(source.FormatFor(SourceFormat::SbdbCsv), SourceFormat::SbdbCsv);
  EXPECT_EQ(ReadAll(source.Stream()), text);
}

TEST(SourceInput, DevicesDirectoriesAndMissingFilesSayWhatTheyAre) {
  SourceInput zero("/dev/zero");  // endless: must stop at once
  EXPECT_EQ(zero.Failure(), "holds NUL bytes: it is not a text file");
  EXPECT_EQ(DescribedPath("/dev/zero"), "/dev/zero (a character device)");
  SourceInput directory("/tmp");
  EXPECT_EQ(directory.Failure(), "cannot be read: it is a directory, not a file");
  SourceInput missing("/nonexistent/file.dat");
  EXPECT_EQ(missing.Failure(), "cannot be read: there is no such file");
  EXPECT_EQ(DescribedPath("/nonexistent/file.dat"), "/nonexistent/file.dat");
  SourceInput empty("/dev/null");
  EXPECT_EQ(empty.Failure(), "");
  EXPECT_EQ(empty.FormatFor(SourceFormat::Detect), SourceFormat::Unknown);
  EXPECT_EQ(UnrecognisedFormatReason(empty.Head()), "it is empty");
}

TEST(SourceInput, AFifoIsReadOnceWithItsFormatFound) {
  const std::string fifo = (std::filesystem::temp_directory_path() /
                            ("moid-source-fifo-" + std::to_string(::getpid()))).string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string text = SampleText("sbdb-sample.csv");
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << text; });
  SourceInput source(fifo);
  EXPECT_EQ(DescribedPath(fifo), fifo + " (a FIFO)");
  EXPECT_EQ(source.Failure(), "");
  EXPECT_FALSE(source.Size().has_value());
  EXPECT_EQ(source.FormatFor(SourceFormat::Detect), SourceFormat::SbdbCsv);
  RecordedSource fromFifo;
  EXPECT_EQ(ReadSource(SourceFormat::SbdbCsv, source.Stream(), fromFifo), "");
  writer.join();
  std::remove(fifo.c_str());
  std::istringstream file(text);
  RecordedSource fromFile;
  ASSERT_EQ(ReadSource(SourceFormat::SbdbCsv, file, fromFile), "");
  EXPECT_EQ(fromFifo.Names(), fromFile.Names());
  EXPECT_FALSE(fromFifo.Names().empty());
}

TEST(LineReader, ALineLongerThanTheLimitStopsReadingAndSaysWhere) {
  std::istringstream in("first\r\nsecond\n" + std::string(100, 'x') + "\nnever\n");
  LineReader lines(in, 64);
  std::string line;
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line, "first");
  ASSERT_TRUE(lines.Next(line));
  EXPECT_EQ(line, "second");
  EXPECT_FALSE(lines.LineTooLong());
  EXPECT_FALSE(lines.Next(line));
  EXPECT_TRUE(lines.LineTooLong());
  EXPECT_EQ(lines.TooLongMessage(),
            "line 3 is longer than 64 bytes, more than any catalogue line; reading stopped");
  EXPECT_FALSE(lines.Next(line));
}

TEST(LineReader, LinesAcrossChunkBoundariesAndWithoutAFinalBreak) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "line " + std::to_string(i) + (i % 3 ? "\n" : "\r\n");
  text += "last";
  std::istringstream in(text);
  LineReader lines(in);
  std::string line;
  int count = 0;
  while (lines.Next(line)) {
    if (count < 20000) {
      ASSERT_EQ(line, "line " + std::to_string(count));
    } else {
      EXPECT_EQ(line, "last");
    }
    ++count;
  }
  EXPECT_EQ(count, 20001);
  EXPECT_EQ(lines.BytesRead(), text.size());
}

TEST(MpcorbReader, AnEndlessLineEndsTheReadingWithAReason) {
  std::istringstream in(SampleText("mpcorb-sample.dat") + std::string(MAX_LINE_BYTES + 1, 'z'));
  RecordedSource recorded;
  const SourceFailure failure = ReadMpcorb(in, recorded);
  EXPECT_NE(failure.find("is longer than 1048576 bytes"), std::string::npos) << failure;
  EXPECT_FALSE(recorded.bodies.empty());  // the lines before it are kept
}

}  // namespace
}  // namespace moid::sources
