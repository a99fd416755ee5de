// The Earth an import writes as record 0 and the plane it refers the elements to.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "data/CatalogReader.h"
#include "data/TempDirectory.h"
#include "orbit/EarthOrbit.h"
#include "orbit/IndependentMoid.h"
#include "orbit/ViewerMoid.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"
#include "tools/ImportEarth.h"
#include "sources/SourceTestSupport.h"

namespace moid::tools {
namespace {

using sources::testing::SamplePath;

CommandRun Import(const std::vector<std::string>& args) { return RunCommand(RunImportCommand, args); }

std::unique_ptr<BodyCatalog> ReadBack(const std::string& path) {
  auto catalog = std::make_unique<BodyCatalog>();
  const CatalogReadReport report = ReadCatalog(path, *catalog);
  EXPECT_FALSE(report.unreadable);
  EXPECT_EQ(report.referenceProblem, "");
  return catalog;
}

independent::Elements Shape(const ElementRecord& r) {
  return {r.eccentricity, r.inclination, r.perihelionArgument, r.ascendingNode, r.semiMajorAxis};
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(ImportFrame, ByDefaultTheEarthsCentreAndItsOrbitalPlane) {
  moid::testing::TempDirectory dir;
  const std::string flat = dir.Path("flat.dat"), published = dir.Path("j2000.dat");
  const CommandRun run = Import({SamplePath("mpcorb-sample.dat"), "-o", flat});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "moidtool import: wrote 7 bodies at JD 2460800.5 to " + flat +
                         " (9 bodies read, 2 dropped, 3 lines skipped); record 0: the Earth's "
                         "osculating orbit, elements in the plane of that orbit\n");
  ASSERT_EQ(Import({SamplePath("mpcorb-sample.dat"), "-o", published, "--frame", "j2000"}).code, 0);
  const auto inPlane = ReadBack(flat), asPublished = ReadBack(published);

  const ElementRecord earth = EarthElementsAt(2460800.5);
  EXPECT_EQ(inPlane->reference.name, "Earth");
  EXPECT_EQ(inPlane->reference.inclination, 0.0);
  EXPECT_EQ(inPlane->reference.semiMajorAxis, earth.semiMajorAxis);
  EXPECT_EQ(inPlane->reference.eccentricity, earth.eccentricity);
  EXPECT_EQ(inPlane->reference.meanAnomaly, earth.meanAnomaly);
  EXPECT_GT(asPublished->reference.inclination, 0.0);

  ASSERT_EQ(inPlane->lastIndex, asPublished->lastIndex);
  const int W = 72;
  MoidWorkspace work(W);
  const OrbitGeometry flatEarth = PrepareEarthGeometry(inPlane->reference);
  for (int k = 0; k <= inPlane->lastIndex; ++k) {
    const ElementRecord& turned = inPlane->bodies[static_cast<std::size_t>(k)];
    const ElementRecord& body = asPublished->bodies[static_cast<std::size_t>(k)];
    EXPECT_EQ(turned.name, body.name);
    EXPECT_EQ(turned.semiMajorAxis, body.semiMajorAxis) << body.name;
    EXPECT_EQ(turned.eccentricity, body.eccentricity) << body.name;
    EXPECT_EQ(turned.meanAnomaly, body.meanAnomaly) << body.name;
    // The Earth's tilt to the J2000 ecliptic is thousandths of a degree.
    EXPECT_NEAR(turned.inclination, body.inclination, 0.005) << body.name;
    // In the Earth's plane the viewer's MOID is the 3-D MOID against the inclined Earth.
    const double truth = independent::ComputeIndependentMoid(
                             Shape(asPublished->reference), Shape(body), 720,
                             independent::EarthPlane::Inclined)
                             .distanceAu;
    EXPECT_NEAR(ComputeViewerMoid(flatEarth, turned, W, work).moid.moidAu, truth, 1e-10)
        << body.name;
  }
}

TEST(ImportFrame, TheBarycentreOnRequest) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("E.DAT");
  const CommandRun run = Import({SamplePath("sbdb-sample.json"), "--earth", "barycentre", "-o", output});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("; record 0: the Earth-Moon barycentre's mean orbit, elements in the "
                         "plane of that orbit\n"),
            std::string::npos)
      << run.out;
  const auto catalog = ReadBack(output);
  const ElementRecord mean = EarthMoonBarycentreAt(2459800.5);
  EXPECT_EQ(catalog->reference.inclination, 0.0);
  EXPECT_EQ(catalog->reference.semiMajorAxis, mean.semiMajorAxis);
  EXPECT_EQ(catalog->reference.eccentricity, mean.eccentricity);

  const CommandRun published = Import({SamplePath("sbdb-sample.json"), "--earth", "barycentre",
                                       "--frame", "j2000", "-o", output});
  ASSERT_EQ(published.code, 0);
  EXPECT_NE(published.out.find("; record 0: the Earth-Moon barycentre's mean orbit, elements on "
                               "the J2000 ecliptic\n"),
            std::string::npos);
  EXPECT_EQ(ReadBack(output)->reference.inclination, mean.inclination);
}

TEST(ImportFrame, AnEpochOutsideTheEphemerisYearsIsSaidOnce) {
  moid::testing::TempDirectory dir;
  const std::string output = dir.Path("E.DAT");
  for (const char* epoch : {"2400000.5", "2500000.5"}) {  // 1858 and 2132
    const CommandRun run = Import({SamplePath("sbdb-sample.json"), "--epoch", epoch, "-o", output});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(Count(run.err, "warning"), 1) << run.err;
    EXPECT_NE(run.err.find(std::string("moidtool import: warning: epoch JD ") + epoch +
                           " lies outside 1900 to 2100, the years the Earth's ephemeris is made "
                           "for\n"),
              std::string::npos)
        << run.err;
    EXPECT_NEAR(ReadBack(output)->reference.semiMajorAxis, 1.0, 2e-3);
  }
  const CommandRun within = Import({SamplePath("sbdb-sample.json"), "--epoch", "2415021.5", "-o", output});
  EXPECT_EQ(within.code, 0);
  EXPECT_EQ(Count(within.err, "warning"), 0) << within.err;
}

}  // namespace
}  // namespace moid::tools
