// moidtool render: the real program, headless, on small catalogues of circular orbits.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/TempDirectory.h"
#include "platform/Color.h"
#include "tools/CommandRunSupport.h"
#include "tools/Commands.h"
#include "view/OrbitPictureColors.h"

namespace moid::tools {
namespace {

CommandRun Render(const std::vector<std::string>& args) { return RunCommand(RunRenderCommand, args); }

// The Earth on the unit circle, bodies on circles of radius 2 (node and perihelion at 0).
const std::string CIRCLES =
    "2460000.5,0,0,0,0,1,0,0,Earth\r\n"
    "0,0,0,0,2,0,Flat\r\n"
    "0,10,0,0,2,0,Tilted   \r\n"
    "0,45,0,0,2,0,Steep\r\n";

// A 24-bit BMP read back: colors as 0x00BBGGRR.
struct Picture {
  int width = 0, height = 0;
  std::vector<Color> pixels;
  Color At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  bool HasColorNear(Color c, int x0, int y0, int reach) const {
    for (int y = y0 - reach; y <= y0 + reach; ++y)
      for (int x = x0 - reach; x <= x0 + reach; ++x)
        if (x >= 0 && y >= 0 && x < width && y < height && At(x, y) == c) return true;
    return false;
  }
  int Count(Color c) const {
    int n = 0;
    for (Color p : pixels) n += p == c;
    return n;
  }
};

std::uint32_t Le32(const std::string& b, std::size_t at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

Picture ReadBmp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Picture p;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return p;
  const std::uint32_t offset = Le32(b, 10);
  p.width = static_cast<int>(Le32(b, 18));
  const int h = static_cast<std::int32_t>(Le32(b, 22));
  p.height = h < 0 ? -h : h;
  const std::size_t stride = (static_cast<std::size_t>(p.width) * 3 + 3) / 4 * 4;
  p.pixels.resize(static_cast<std::size_t>(p.width) * p.height);
  for (int y = 0; y < p.height; ++y) {
    const std::size_t row = offset + stride * static_cast<std::size_t>(h > 0 ? p.height - 1 - y : y);
    for (int x = 0; x < p.width; ++x) {
      const std::size_t at = row + 3 * static_cast<std::size_t>(x);
      if (at + 2 >= b.size()) return Picture{};
      p.pixels[static_cast<std::size_t>(y) * p.width + x] =
          RgbColor(static_cast<unsigned char>(b[at + 2]), static_cast<unsigned char>(b[at + 1]),
                    static_cast<unsigned char>(b[at]));
    }
  }
  return p;
}

class RenderCommand : public ::testing::Test {
 protected:
  testing::TempDirectory dir;
  std::string catalog = dir.WriteFile("ELEMENTS.DAT", CIRCLES);
  std::string out = dir.MakeDirectory("out");
};

TEST_F(RenderCommand, WritesBothPicturesIntoTheOutputDirectoryAndNamesThem) {
  const CommandRun run = Render({catalog, "--body", "Flat", "--out", out});
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, out + "/Orbits.bmp\n" + out + "/Orbdis.bmp\n");
  EXPECT_EQ(run.err, "");
  const Picture orbits = ReadBmp(out + "/Orbits.bmp");
  const Picture map = ReadBmp(out + "/Orbdis.bmp");
  // W = 432 with 8 x 16 cells: 60 columns and 32 rows of the console.
  EXPECT_EQ(orbits.width, 480);
  EXPECT_EQ(orbits.height, 512);
  EXPECT_EQ(map.width, 480);
  EXPECT_EQ(map.height, 512);
}

TEST_F(RenderCommand, OrbitPictureOfTheStillDefaultView) {
  ASSERT_EQ(Render({catalog, "--body", "Flat", "--out", out}).code, 0);
  const Picture p = ReadBmp(out + "/Orbits.bmp");
  ASSERT_EQ(p.width, 480);
  EXPECT_EQ(p.At(216, 216), SUN_FILL);
  EXPECT_EQ(p.At(216 + 8, 216), SUN_FILL);   // radius 10
  EXPECT_NE(p.At(216 + 13, 216), SUN_FILL);
  // The Earth's markers near longitudes 0, 90, 180 and 270 of the unit circle.
  EXPECT_TRUE(p.HasColorNear(AT_0, 216, 288, 4));
  EXPECT_TRUE(p.HasColorNear(AT_90, 360, 216, 3));
  EXPECT_TRUE(p.HasColorNear(AT_180, 216, 178, 3));
  EXPECT_TRUE(p.HasColorNear(AT_270, 72, 216, 3));
  // The asteroid's orbit lies in the ecliptic: dark blue only; its sample 0 at (2, 0, 0).
  EXPECT_TRUE(p.HasColorNear(DARK_BLUE, 216, 480, 3));
  EXPECT_EQ(p.Count(PALE_BLUE), 0);
  EXPECT_EQ(p.At(479, 511), WHITE);
}

TEST_F(RenderCommand, InclinedOrbitTurnsPaleSouthOfTheEcliptic) {
  ASSERT_EQ(Render({catalog, "--body", "Steep", "--out", out}).code, 0);
  const Picture p = ReadBmp(out + "/Orbits.bmp");
  EXPECT_GT(p.Count(PALE_BLUE), 100);
  EXPECT_GT(p.Count(DARK_BLUE), 100);
}

TEST_F(RenderCommand, AnimationHidesTheEarthsMarkers) {
  ASSERT_EQ(Render({catalog, "--body", "Flat", "--keys", "M", "--out", out}).code, 0);
  const Picture p = ReadBmp(out + "/Orbits.bmp");
  for (Color c : {AT_0, AT_90, AT_180, AT_270}) EXPECT_EQ(p.Count(c), 0);
  EXPECT_EQ(p.At(216, 216), SUN_FILL);
}

TEST_F(RenderCommand, KeysTurnTheView) {
  ASSERT_EQ(Render({catalog, "--body", "Flat", "--keys", "Right Right Right Right Right Right "
                                                          "Right Right Right Right Right Right "
                                                          "Right Right Right Right Right Right",
                    "--out", out})
                .code,
            0);
  // Turned by 90 degrees: longitude 90 now lies where longitude 0 was.
  const Picture p = ReadBmp(out + "/Orbits.bmp");
  EXPECT_TRUE(p.HasColorNear(AT_90, 216, 288, 4));
  EXPECT_FALSE(p.HasColorNear(AT_0, 216, 288, 8));
}

TEST_F(RenderCommand, WidthChoosesTheItemOfTheList) {
  ASSERT_EQ(Render({catalog, "--body", "1", "--width", "1080", "--out", out}).code, 0);
  const Picture p = ReadBmp(out + "/Orbits.bmp");
  EXPECT_EQ(p.width, 8 * 141);  // 1080 / 8 + 6 columns
  EXPECT_EQ(p.At(540, 540), SUN_FILL);
}

TEST_F(RenderCommand, WidthMustBeAListValue) {
  for (const std::string w : {"500", "360", "0", "-432", "432px", ""}) {
    const CommandRun run = Render({catalog, "--body", "Flat", "--width", w});
    EXPECT_EQ(run.code, 2) << w;
    EXPECT_NE(run.err.find("usage: moidtool render"), std::string::npos);
  }
}

TEST_F(RenderCommand, BodyBySlotByNameWithoutItsBlanksOrByPartOfItsName) {
  for (const std::string sel : {"1", "Tilted", "Tilted   ", "tilt"}) {
    const CommandRun run = Render({catalog, "--body", sel, "--out", out});
    EXPECT_EQ(run.code, 0) << sel << run.err;
    const Picture p = ReadBmp(out + "/Orbits.bmp");
    EXPECT_GT(p.Count(PALE_BLUE), 0) << sel;  // the tilted orbit
  }
  const CommandRun missing = Render({catalog, "--body", "Ceres", "--out", out});
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("no body is named \"Ceres\""), std::string::npos);
  EXPECT_EQ(Render({catalog, "--body", "3", "--out", out}).code, 1);  // slots 0..2
}

TEST_F(RenderCommand, TheSecondOfTwoBodiesOfOneNameIsShownBySlot) {
  const std::string twins = dir.WriteFile("TWINS.DAT",
                                          "2460000.5,0,0,0,0,1,0,0,Earth\r\n"
                                          "0,0,0,0,2,0,(433) Eros\r\n"
                                          "0,10,0,0,2,0,(433) Eros\r\n");
  ASSERT_EQ(Render({twins, "--body", "1", "--out", out}).code, 0);
  EXPECT_GT(ReadBmp(out + "/Orbits.bmp").Count(PALE_BLUE), 0);  // slot 1: the tilted orbit
  ASSERT_EQ(Render({twins, "--body", "0", "--out", out}).code, 0);
  EXPECT_EQ(ReadBmp(out + "/Orbits.bmp").Count(PALE_BLUE), 0);  // slot 0: the flat one
  const CommandRun byName = Render({twins, "--body", "(433) Eros", "--out", out});
  EXPECT_EQ(byName.code, 2);
  EXPECT_NE(byName.err.find("names 2 bodies"), std::string::npos) << byName.err;
}

// Without an elliptic Earth there is nothing to draw: render refuses record 0 as moid and
// ephem do, in the same words.
TEST_F(RenderCommand, AnUnusableReferenceOrbitIsRefusedLikeMoidAndEphemDo) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"2460000.5,1.2,0,0,0,1,0,0,Earth\r\n", "eccentricity 1.2 is not below 1 (not an ellipse)"},
      {"2460000.5,0,0,0,0,-3,0,0,Earth\r\n", "semi-major axis -3 AU is not positive"},
      {"1e400,0,0,0,0,1,0,0,Earth\r\n", "the epoch is not a finite number"},
  };
  for (const auto& [reference, reason] : cases) {
    const std::string bad = dir.WriteFile("BAD.DAT", reference + "0,0,0,0,2,0,Flat\r\n");
    const std::string said =
        bad + ": the reference orbit (record 0) cannot be used: " + reason + "\n";
    const CommandRun render = Render({bad, "--body", "Flat", "--out", out});
    EXPECT_EQ(render.code, 1);
    EXPECT_EQ(render.err, "moidtool render: " + said);
    EXPECT_FALSE(std::filesystem::exists(out + "/Orbits.bmp"));
    const CommandRun moid = RunCommand(RunMoidCommand, {bad, "--body", "Flat"});
    EXPECT_EQ(moid.code, 1);
    EXPECT_EQ(moid.err, "moidtool moid: " + said);
    const CommandRun ephem = RunCommand(
        RunEphemCommand, {bad, "--body", "Flat", "--start", "2460000.5", "--days", "1"});
    EXPECT_EQ(ephem.code, 1);
    EXPECT_EQ(ephem.err, "moidtool ephem: " + said);
  }
}

TEST_F(RenderCommand, EscBeforeTheMapWritesNothingAndSaysSo) {
  const CommandRun run = Render({catalog, "--body", "Flat", "--keys", "Esc", "--out", out});
  EXPECT_EQ(run.code, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("no picture was written"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(out + "/Orbits.bmp"));
}

TEST_F(RenderCommand, HelpBoxIsDismissedAtOnce) {
  const CommandRun run = Render({catalog, "--body", "Flat", "--keys", "F1", "--out", out});
  EXPECT_EQ(run.code, 0) << run.err;
}

TEST_F(RenderCommand, PausedMotionIsResumedByP) {
  // Paused, Space only steps the motion; with P typed again the final Space reaches the map.
  EXPECT_EQ(Render({catalog, "--body", "Flat", "--keys", "M P Space +", "--out", out}).code, 1);
  EXPECT_EQ(Render({catalog, "--body", "Flat", "--keys", "M P Space + P", "--out", out}).code, 0);
}

TEST_F(RenderCommand, WithoutOutWritesIntoTheCurrentDirectoryAndComesBack) {
  const std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::current_path(out);
  const CommandRun run = Render({"../ELEMENTS.DAT", "--body", "Flat"});
  std::filesystem::current_path(home);
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "Orbits.bmp\nOrbdis.bmp\n");
  EXPECT_TRUE(std::filesystem::exists(out + "/Orbdis.bmp"));
}

TEST_F(RenderCommand, RelativeCatalogueWithAnOutputDirectory) {
  const std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const CommandRun run = Render({"ELEMENTS.DAT", "--body", "Flat", "--out", "out/"});
  const std::filesystem::path after = std::filesystem::current_path();
  std::filesystem::current_path(home);
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.out, "out/Orbits.bmp\nout/Orbdis.bmp\n");
  EXPECT_EQ(after, dir.path());
}

TEST_F(RenderCommand, UsageAndInputErrors) {
  EXPECT_EQ(Render({catalog}).code, 2);                                   // no --body
  EXPECT_EQ(Render({"--body", "Flat"}).code, 2);                          // no FILE
  EXPECT_EQ(Render({catalog, "--body"}).code, 2);                         // no value
  EXPECT_EQ(Render({catalog, "--body", "Flat", "--zoom", "2"}).code, 2);  // unknown option
  EXPECT_EQ(Render({catalog, catalog, "--body", "Flat"}).code, 2);
  const CommandRun badKey = Render({catalog, "--body", "Flat", "--keys", "M Jump"});
  EXPECT_EQ(badKey.code, 2);
  EXPECT_NE(badKey.err.find("\"Jump\" is not a key"), std::string::npos);
  EXPECT_EQ(Render({dir.Path("nothing.dat"), "--body", "Flat"}).code, 1);
  EXPECT_EQ(Render({catalog, "--body", "Flat", "--out", dir.Path("nowhere")}).code, 1);
  const CommandRun help = Render({"--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out.rfind("usage: moidtool render FILE --body SEL", 0), 0u);
}

}  // namespace
}  // namespace moid::tools
