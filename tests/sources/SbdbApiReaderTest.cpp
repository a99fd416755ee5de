#include "sources/SbdbApiReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "sources/SourceFormat.h"
#include "sources/SourceTestSupport.h"

namespace moid::sources {
namespace {

using testing::ReadBytes;
using testing::RecordedSource;

// Apophis's answer of the API as saved in 2025, shortened: the covariance (another epoch, other values)
// comes before the orbit's own elements, and the object after the orbit.
const std::string kApophis = R"js({
  "signature": {"source": "NASA/JPL Small-Body Database (SBDB) API", "version": "1.3"},
  "orbit": {
    "moid": ".000360605",
    "covariance": {
      "epoch": "2459215.5",
      "elements": [{"name": "e", "value": ".1915216893501022"},
                   {"name": "om", "value": "204.0389272089208"}],
      "data": [["2.4E-18", "-3.9E-18"], ["-3.9E-18", "6.9E-18"]]
    },
    "epoch": "2461000.5",
    "elements": [
      {"name": "e", "value": ".1911663355386932", "sigma": 1.5e-09, "units": null},
      {"units": "au", "value": ".9223803173917017", "name": "a"},
      {"name": "q", "value": ".7460522521429133"},
      {"name": "i", "value": "3.340958441017069"},
      {"name": "om", "value": "203.8996515621043"},
      {"name": "w", "value": "126.6728325163065"},
      {"name": "ma", "value": "312.8054663584516"},
      {"name": "tp", "value": "2461042.918242006079"}
    ]
  },
  "object": {"fullname": "99942 Apophis (2004 MN4)", "neo": true, "pha": true, "des": "99942"}
})js";

SourceFailure Read(const std::string& text, RecordedSource& found) {
  std::istringstream in(text);
  return ReadSbdbApi(in, found);
}

TEST(SbdbApiReader, TheOrbitsOwnElementsAndEpochNotTheCovariances) {
  for (const std::string& text : {kApophis, "\xEF\xBB\xBF" + kApophis}) {
    RecordedSource found;
    EXPECT_EQ(Read(text, found), "");
    ASSERT_EQ(found.bodies.size(), 1u);
    const SourceBody& body = found.bodies[0];
    EXPECT_EQ(body.name, "(99942) Apophis");
    EXPECT_EQ(body.line, 3);
    EXPECT_EQ(body.nearEarth, true);
    EXPECT_EQ(body.epochJd, 2461000.5);
    EXPECT_EQ(body.eccentricity, 0.1911663355386932);
    EXPECT_EQ(body.semiMajorAxis, 0.9223803173917017);
    EXPECT_EQ(body.inclination, 3.340958441017069);
    EXPECT_EQ(body.ascendingNode, 203.8996515621043);
    EXPECT_EQ(body.perihelionArgument, 126.6728325163065);
    EXPECT_EQ(body.meanAnomaly, 312.8054663584516);
    EXPECT_TRUE(found.problems.empty());
  }
}

TEST(SbdbApiReader, MissingPartsAreLeftToTheChecksOrSaid) {
  RecordedSource partial;
  EXPECT_EQ(Read(R"({"orbit": {"elements": [{"name": "e", "value": "0.5"}]},
                     "object": {"des": " 2099 ZZ9 ", "neo": false}})",
                 partial),
            "");
  ASSERT_EQ(partial.bodies.size(), 1u);
  EXPECT_EQ(partial.bodies[0].name, "2099 ZZ9");
  EXPECT_EQ(partial.bodies[0].nearEarth, false);
  EXPECT_EQ(partial.bodies[0].eccentricity, 0.5);
  EXPECT_FALSE(partial.bodies[0].epochJd.has_value());
  EXPECT_FALSE(partial.bodies[0].meanAnomaly.has_value());

  RecordedSource none;
  EXPECT_EQ(Read(R"({"message": "specified object was not found", "code": "404"})", none),
            "the answer holds no \"orbit\" (the API says: specified object was not found)");
  EXPECT_TRUE(none.bodies.empty());
}

TEST(SbdbApiReader, BadTextIsNamedWithItsLine) {
  RecordedSource found;
  EXPECT_EQ(Read("{\n\"orbit\": {\"epoch\": \"2461000.5\",\n\"elements\": [{\"name\": \"e\", "
                 "\"value\": \"0.1O\"}]}}",
                 found),
            "line 2: element e \"0.1O\" is not a number");
  EXPECT_EQ(Read("{\n\"orbit\": {\"epoch\": \"soon\", \"elements\": []}}", found),
            "line 2: epoch \"soon\" is not a number");
  EXPECT_EQ(Read("{\n\"orbit\": {\"epoch\": \"2461000.5\",\n\"elements\": [{\"name\": \"e\" ", found),
            "line 3: malformed JSON: expected ',' or '}'");
  EXPECT_EQ(Read("[1, 2]", found), "line 1: malformed JSON: expected the answer object");
  EXPECT_TRUE(found.bodies.empty());
}

TEST(SbdbApiReader, FoundByItsFirstBytes) {
  EXPECT_EQ(DetectFormat(kApophis), SourceFormat::SbdbApi);
  EXPECT_EQ(DetectFormat("\xEF\xBB\xBF" + kApophis), SourceFormat::SbdbApi);
  EXPECT_EQ(DetectFormat(testing::SampleText("sbdb-sample.json")), SourceFormat::SbdbJson);
  EXPECT_EQ(FormatNamed("sbdb-api"), SourceFormat::SbdbApi);
  EXPECT_EQ(FormatName(SourceFormat::SbdbApi), "SBDB API");
}

// JPL's answers as saved in the shared data beside the repository.
TEST(SbdbApiReader, ElevenSavedAnswers) {
  const std::filesystem::path folder =
      std::filesystem::path(MOID_SOURCE_DIR) / ".." / "shared" / "data" / "sbdb-2025";
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  int read = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string head = ReadBytes(entry.path().string()).substr(0, 4096);
    EXPECT_EQ(DetectFormat(head), SourceFormat::SbdbApi) << entry.path();
    RecordedSource found;
    std::istringstream in(ReadBytes(entry.path().string()));
    EXPECT_EQ(ReadSbdbApi(in, found), "") << entry.path();
    ASSERT_EQ(found.bodies.size(), 1u) << entry.path();
    const SourceBody& body = found.bodies[0];
    EXPECT_TRUE(body.epochJd && body.eccentricity && body.semiMajorAxis && body.inclination &&
                body.ascendingNode && body.perihelionArgument && body.meanAnomaly)
        << entry.path();
    if (body.name == "(101955) Bennu") {  // values as the file lists them
      EXPECT_EQ(body.epochJd, 2455562.5);
      EXPECT_EQ(body.eccentricity, 0.2037450762416414);
      EXPECT_EQ(body.semiMajorAxis, 1.126391025894812);
    }
    ++read;
  }
  EXPECT_EQ(read, 11);
}

}  // namespace
}  // namespace moid::sources
