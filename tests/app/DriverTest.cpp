#include "app/Driver.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "AppTestSupport.h"
#include "platform/Keys.h"
#include "view/StatusLine.h"

namespace moid {
namespace {

using apptest::CountCalls;
using apptest::CountPrefix;
using apptest::EndsWith;
using apptest::NewState;
using apptest::ScopedCurrentDir;
using apptest::TempDir;
using headless::HeadlessConfig;
using headless::HeadlessPlatform;
using headless::ScriptEvent;
namespace fs = std::filesystem;

const std::vector<std::string> EXIT_SEQUENCE = {"GfxWindow(1)", "ConsoleWindow(3)",
                                                "SetConsoleSize(80,25)",
                                                "SetTextCursorVisible(1)"};

const std::vector<std::string> BODIES = {"(433) Eros", "(1036) Ganymed", "(99942) Apophis"};

std::string Key(char c) { return keys::Ordinary(c); }

// The driver on a three-body catalogue in a temporary directory, which is also the current
// directory (the map writes its pictures there).
struct DriverRun {
  TempDir dir;
  ScopedCurrentDir here{dir.Path()};
  std::unique_ptr<AppState> state = NewState();
  HeadlessPlatform platform;
  DriverOptions options;
  int exitCode = -1;

  explicit DriverRun(HeadlessConfig config = {}) : platform(config) {
    options.elementsPath = dir.File("ELEMENTS.DAT");
    apptest::WriteFile(*options.elementsPath, apptest::CatalogText(BODIES));
  }
  void List(const std::string& answer) { platform.Push(ScriptEvent::ListAnswer(answer)); }
  void Keys(const std::vector<std::string>& k) { platform.PushKeys(k); }
  void Mouse(int button) { platform.Push(ScriptEvent::Key(keys::MousePress(button))); }
  void Run() {
    Platform p = platform.AsPlatform();
    exitCode = RunDriver(p, *state, options);
  }
  const std::vector<std::string>& Log() const { return platform.CallLog(); }
  int Lists() const { return static_cast<int>(platform.ListsShown().size()); }
  const std::string& ListTitle(int i) const { return platform.ListsShown()[i].title; }
  bool MapVisited() const { return fs::exists(dir.Path() / "Orbdis.bmp"); }
};

// Every route ends the same way: exit code 0, the exit sequence last, an 80 x 25 console
// with a visible cursor.
void ExpectOrderlyExit(const DriverRun& run) {
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_TRUE(EndsWith(run.Log(), EXIT_SEQUENCE));
  EXPECT_EQ(CountCalls(run.Log(), "ConsoleWindow(3)"), 1);
  EXPECT_EQ(run.platform.ConsoleCols(), 80);
  EXPECT_EQ(run.platform.ConsoleRows(), 25);
  EXPECT_TRUE(run.platform.TextCursorVisible());
}

TEST(DriverStart, InitialisesTheToolkitFirst) {
  DriverRun run;
  run.List("");
  run.Run();
  ASSERT_FALSE(run.Log().empty());
  EXPECT_EQ(run.Log().front(), "InitConsoleTools(0,0,0,3,0,0)");
  EXPECT_EQ(run.state->defaultElevation, 20.0);
  EXPECT_EQ(run.state->defaultAzimuth, 0.0);
  EXPECT_EQ(run.state->elementsPath, *run.options.elementsPath);
}

// The missing-catalogue message: the classic line, then the path tried and the variable
// that names the catalogue's folder.
std::string MissingMessage(const std::string& path) {
  return "File ELEMENTS.DAT Not Found!\nLooked for " + path +
         "; KORIX12DIR names the folder of the catalogue.\n";
}

// The log of a run that only says why it cannot start: no graphics area, no list.
std::vector<std::string> ReportOnlyLog(const std::vector<std::string>& lines) {
  std::vector<std::string> log = {"InitConsoleTools(0,0,0,3,0,0)"};
  for (const std::string& line : lines) log.push_back("WriteLine(\"" + line + "\")");
  log.push_back("WaitForKey()");
  log.insert(log.end(), EXIT_SEQUENCE.begin(), EXIT_SEQUENCE.end());
  return log;
}

TEST(DriverMissingData, PrintsTheMessageWaitsForOneKeyShowsNoList) {
  DriverRun run;
  run.options.elementsPath = run.dir.File("nothing-here/ELEMENTS.DAT");
  run.Keys({Key('x'), Key('y')});
  run.Run();
  EXPECT_EQ(run.platform.Output(), MissingMessage(*run.options.elementsPath));
  EXPECT_EQ(run.platform.EventsLeft(), 1u);  // one key taken, the next left alone
  EXPECT_EQ(run.Lists(), 0);
  EXPECT_TRUE(run.state->widthChoices.empty());
  EXPECT_EQ(run.Log(), ReportOnlyLog({"File ELEMENTS.DAT Not Found!",
                                      "Looked for " + *run.options.elementsPath +
                                          "; KORIX12DIR names the folder of the catalogue."}));
  ExpectOrderlyExit(run);
}

TEST(DriverMissingData, EndOfInputCountsAsTheKey) {
  DriverRun run;
  run.options.elementsPath = run.dir.File("missing.dat");
  run.Run();  // no script at all: nothing can hang
  EXPECT_EQ(run.platform.Output(), MissingMessage(run.dir.File("missing.dat")));
  ExpectOrderlyExit(run);
}

TEST(DriverMissingData, FoundThroughTheDataDirectory) {
  DriverRun run;
  run.options.elementsPath.reset();
  fs::remove(run.dir.File("ELEMENTS.DAT"));
  apptest::WriteFile(run.dir.File("KORIX121.EXE"), "");  // the data directory is here
  run.Keys({Key(' ')});
  run.Run();
  EXPECT_EQ(run.state->elementsPath, "./ELEMENTS.DAT");
  // The relative path is shown from the current directory.
  EXPECT_EQ(run.platform.Output(), MissingMessage(fs::current_path().string() + "/ELEMENTS.DAT"));
  ExpectOrderlyExit(run);
}

TEST(DriverWidthChoice, DismissingTheFirstListEndsAtOnce) {
  DriverRun run;
  run.List("");
  run.Run();
  EXPECT_EQ(run.Lists(), 1);
  EXPECT_EQ(run.ListTitle(0), "Window Selection");
  EXPECT_EQ(run.state->catalogReads, 0);
  EXPECT_EQ(run.platform.Output(), "");
  ExpectOrderlyExit(run);
}

TEST(DriverWidthChoice, CatalogueFoundInTheCurrentDirectory) {
  DriverRun run;
  run.options.elementsPath.reset();
  apptest::WriteFile(run.dir.File("KORIX121.EXE"), "");
  run.List(" 432");
  run.List("(1036) Ganymed");
  run.Run();  // the script ends in the orbit view: as if the window were closed
  EXPECT_EQ(run.state->dataDir, "./");
  EXPECT_EQ(run.state->catalog.lastIndex, 2);
  EXPECT_EQ(run.state->selectedIndex, 1);
  ExpectOrderlyExit(run);
}

TEST(DriverWidthChoice, StartedBesideAUserDataDirectoryWorksInIt) {
  DriverRun run;
  run.options.elementsPath.reset();
  apptest::WriteFile(run.dir.File("KORIX121.EXE"), "");
  fs::create_directory(run.dir.Path() / "USERDATA");
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(run.state->dataDir, "../");
  EXPECT_EQ(run.state->catalog.lastIndex, 2);
  EXPECT_TRUE(fs::exists(run.dir.Path() / "USERDATA" / "Orbdis.bmp"));
  EXPECT_TRUE(fs::exists(run.dir.Path() / "USERDATA" / "Orbits.bmp"));
  EXPECT_FALSE(run.MapVisited());  // nothing written beside the catalogue
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, WidthBodyOrbitViewEsc) {
  DriverRun run;
  run.List(" 432");
  run.List("(99942) Apophis");
  run.Keys({Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(run.Lists(), 2);
  EXPECT_EQ(run.ListTitle(1), "Body Selection");
  EXPECT_EQ(run.state->windowWidth, 432);
  EXPECT_EQ(run.state->catalogReads, 1);
  EXPECT_EQ(run.state->bodyLabel, "Apophis");
  EXPECT_EQ(run.state->session.bodyLabel, "Apophis");
  EXPECT_EQ(run.state->session.W, 432);
  EXPECT_GT(run.state->session.moid.moidAu, 0.0);
  EXPECT_FALSE(run.MapVisited());
  ExpectOrderlyExit(run);
}

TEST(DriverBodyChoice, TheSecondOfTwoBodiesOfOneNameIsTheOneShown) {
  DriverRun run;
  apptest::WriteFile(*run.options.elementsPath,
                     std::string(apptest::REFERENCE_LINE) + apptest::BodyLine("(433) Eros", 1.2) +
                         apptest::BodyLine("(1036) Ganymed", 2.6) +
                         apptest::BodyLine("(433) Eros", 1.6));
  run.List(" 432");
  run.platform.Push(ScriptEvent::ListRow(0));
  run.Keys({Key(' ')});
  run.Mouse(keys::MOUSE_RIGHT);
  run.platform.Push(ScriptEvent::ListRow(2));  // from the map, the second of them
  run.Keys({Key(keys::ESC)});
  run.Run();
  ASSERT_EQ(run.Lists(), 3);
  EXPECT_TRUE(run.MapVisited());
  EXPECT_EQ(run.state->selectedIndex, 2);
  EXPECT_EQ(run.state->session.asteroid.a, 1.6);
  EXPECT_EQ(run.state->session.bodyLabel, "(433) Eros");
  ExpectOrderlyExit(run);
}

TEST(DriverBodyChoice, TheRowChosenSetsUpItsOwnOrbit) {
  DriverRun run;
  apptest::WriteFile(*run.options.elementsPath,
                     std::string(apptest::REFERENCE_LINE) + apptest::BodyLine("(433) Eros", 1.2) +
                         apptest::BodyLine("", 2.6) + apptest::BodyLine("(433) Eros", 1.6));
  run.List(" 432");
  run.platform.Push(ScriptEvent::ListRow(2));
  run.Keys({Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(run.state->selectedIndex, 2);
  EXPECT_EQ(run.state->session.asteroid.a, 1.6);
  ExpectOrderlyExit(run);

  DriverRun empty;
  apptest::WriteFile(*empty.options.elementsPath,
                     std::string(apptest::REFERENCE_LINE) + apptest::BodyLine("(433) Eros", 1.2) +
                         apptest::BodyLine("(1036) Ganymed", 2.6) + apptest::BodyLine("", 1.6));
  empty.List(" 432");
  empty.platform.Push(ScriptEvent::ListRow(2));  // the body without a name
  empty.Keys({Key(keys::ESC)});
  empty.Run();
  EXPECT_EQ(empty.state->selectedIndex, 2);
  EXPECT_EQ(empty.state->session.asteroid.a, 1.6);
  EXPECT_EQ(empty.state->session.bodyLabel, "");
  ExpectOrderlyExit(empty);
}

// Pictures that cannot be saved are told once per entry into the map, on standard error and
// in the title, and the map runs on.
TEST(DriverMapPictures, UnsavedPicturesAreToldOncePerMapEntry) {
  DriverRun run;
  fs::create_directory(run.dir.Path() / "Orbits.bmp");  // nothing can replace these
  fs::create_directory(run.dir.Path() / "Orbdis.bmp");
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), Key('B'), Key(' '), Key(keys::ESC)});
  run.Run();
  const std::string folder = fs::current_path().string();
  const std::string line = "moidview: Orbits.bmp and Orbdis.bmp could not be saved in " + folder +
                           "; the map is shown without them\n";
  EXPECT_EQ(run.platform.ErrorOutput(), line + line);
  // The title: the map's status line, then the note, set anew on each entry.
  const std::string status = MapStatusLine(run.state->session.bodyName,
                                           run.state->session.moid.moidAu);
  const std::string noted = status + " - Orbits.bmp and Orbdis.bmp not saved in " + folder;
  EXPECT_EQ(CountCalls(run.Log(), "SetWindowTitle(\"" + noted + "\")"), 2);
  EXPECT_TRUE(apptest::HasRun(run.Log(), {"SetWindowTitle(\"" + noted + "\")",
                                          "WriteErrorLine(\"" + line.substr(0, line.size() - 1) +
                                              "\")"}) ||
              apptest::HasRun(run.Log(), {"WriteErrorLine(\"" + line.substr(0, line.size() - 1) +
                                              "\")",
                                          "SetWindowTitle(\"" + noted + "\")"}));
  EXPECT_EQ(CountCalls(run.Log(), "SaveGfxWindow(\"Orbdis.bmp\")"), 2);
  EXPECT_EQ(run.platform.WindowTitle(), noted);
  EXPECT_EQ(run.platform.Output(), "");
  ExpectOrderlyExit(run);
}

TEST(DriverMapPictures, OnlyThePictureNotSavedIsNamed) {
  DriverRun run;
  fs::create_directory(run.dir.Path() / "Orbdis.bmp");
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), Key(keys::ESC)});
  run.Run();
  EXPECT_TRUE(fs::is_regular_file(run.dir.Path() / "Orbits.bmp"));
  EXPECT_EQ(run.platform.ErrorOutput(), "moidview: Orbdis.bmp could not be saved in " +
                                            fs::current_path().string() +
                                            "; the map is shown without them\n");
  ExpectOrderlyExit(run);
}

TEST(DriverMapPictures, AReadOnlyFolderIsTold) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  DriverRun run;
  fs::permissions(run.dir.Path(), fs::perms::owner_write, fs::perm_options::remove);
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), Key(keys::ESC)});
  run.Run();
  fs::permissions(run.dir.Path(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_NE(run.platform.ErrorOutput().find("Orbits.bmp and Orbdis.bmp could not be saved"),
            std::string::npos);
  ExpectOrderlyExit(run);
}

TEST(DriverMapPictures, SavedPicturesAreNoNews) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), Key(keys::ESC)});
  run.Run();
  EXPECT_TRUE(run.MapVisited());
  EXPECT_EQ(run.platform.ErrorOutput(), "");
  EXPECT_EQ(CountPrefix(run.Log(), "WriteErrorLine("), 0);
  EXPECT_EQ(run.platform.WindowTitle(),
            MapStatusLine(run.state->session.bodyName, run.state->session.moid.moidAu));
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, ClosingTheWindowInTheBodyListLeavesBeforeTheSetUp) {
  DriverRun run;
  run.List(" 504");
  run.Run();  // the body list meets the end of the script: dismissal, then quit
  EXPECT_EQ(run.state->selectedIndex, 1);
  EXPECT_EQ(run.state->bodyLabel, "Ganymed");
  EXPECT_EQ(run.state->session.bodyLabel, "");  // no orbit set-up for a closed window
  EXPECT_EQ(CountCalls(run.Log(), "SetTextCursorVisible(0)"), 0);
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, OrbitViewToMapAndEsc) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(keys::ENTER), Key(keys::ESC)});
  run.Run();
  EXPECT_TRUE(run.MapVisited());
  EXPECT_TRUE(fs::exists(run.dir.Path() / "Orbits.bmp"));
  EXPECT_EQ(run.Lists(), 2);
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, MapBackToOrbitViewKeepsTheView) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({keys::Extended(keys::SCAN_DOWN), Key(' '), Key('B'), Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(run.state->session.view.elevationDeg, 25.0);
  EXPECT_EQ(run.Lists(), 2);
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, RightButtonFromMapChoosesAgainWithoutReading) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({keys::Extended(keys::SCAN_DOWN), Key(' ')});
  run.Mouse(keys::MOUSE_RIGHT);
  run.List("(433) Eros");  // the same asteroid again
  run.Keys({Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(run.Lists(), 3);
  EXPECT_EQ(run.ListTitle(2), "Body Selection");
  EXPECT_EQ(run.state->catalogReads, 1);
  EXPECT_EQ(run.state->session.view.elevationDeg, 20.0);  // reset for the new choice
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, RightButtonFromMapToAnotherBody) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' ')});
  run.Mouse(keys::MOUSE_RIGHT);
  run.List("(1036) Ganymed");
  run.Keys({Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(run.state->selectedIndex, 1);
  EXPECT_EQ(run.state->session.bodyLabel, "Ganymed");
  EXPECT_EQ(run.state->catalogReads, 1);
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, BodyListFromTheMapOpensAtTheBodyLastChosen) {
  DriverRun run;
  run.List(" 432");
  run.List("(99942) Apophis");
  run.Keys({Key(' ')});
  run.Mouse(keys::MOUSE_RIGHT);
  run.List("(1036) Ganymed");
  run.Keys({Key(' ')});
  run.Mouse(keys::MOUSE_RIGHT);
  run.List("");
  run.Run();
  ASSERT_EQ(run.Lists(), 4);
  const auto& lists = run.platform.ListsShown();
  EXPECT_EQ(lists[0].startIndex, 0);  // the width list
  EXPECT_EQ(lists[1].startIndex, 0);  // nothing chosen yet: the first body
  EXPECT_EQ(lists[2].startIndex, 2);  // Apophis, third in the file
  EXPECT_EQ(lists[3].startIndex, 1);  // Ganymed
  ExpectOrderlyExit(run);
}

// The window title in the order the screens set it (the backend passes on changes only).
std::vector<std::string> Titles(const DriverRun& run) {
  std::vector<std::string> titles;
  for (const std::string& call : run.Log()) {
    if (call.rfind("SetWindowTitle(\"", 0) == 0) titles.push_back(call.substr(16, call.size() - 18));
  }
  return titles;
}

TEST(DriverStatusLine, EachScreenSaysWhereTheUserIs) {
  DriverRun run;
  run.List(" 432");
  run.List("(99942) Apophis");
  run.Keys({Key(' '), Key('b'), Key(keys::ESC)});
  run.Run();
  const std::string dash = " - ";
  const std::vector<std::string> titles = Titles(run);
  ASSERT_EQ(titles.size(), 5u);
  EXPECT_EQ(titles[0], "ELEMENTS.DAT" + dash + "moidview");  // not read yet
  EXPECT_EQ(titles[1], "ELEMENTS.DAT" + dash + "3 bodies" + dash + "moidview");
  EXPECT_EQ(titles[2], "(99942) Apophis" + dash + "moidview");
  EXPECT_EQ(titles[3].rfind("(99942) Apophis" + dash + "distance map" + dash + "MOID ", 0), 0u) << titles[3];
  EXPECT_EQ(titles[4], titles[2]);  // back on the orbit view
  // The map's MOID is the one the caption gives, in AU to six places.
  char moid[32];
  std::snprintf(moid, sizeof moid, "MOID %.6f AU", run.state->session.moid.moidAu);
  EXPECT_NE(titles[3].find(moid), std::string::npos) << titles[3];
}

TEST(DriverStatusLine, AnIdleScreenSetsItsTitleOnce) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.platform.Push(ScriptEvent::Idle(50));
  run.Keys({Key('+'), Key('-'), Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(CountPrefix(run.Log(), "SetWindowTitle(\"(433) Eros"), 1);
}

TEST(DriverRoutes, ArrowKeyFromMapToANewWidthReadsTheCatalogueAgain) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), keys::Extended(keys::SCAN_LEFT)});
  run.List(" 504");
  run.List("(99942) Apophis");
  run.Keys({Key(keys::ESC)});
  run.Run();
  ASSERT_EQ(run.Lists(), 4);
  EXPECT_EQ(run.ListTitle(2), "Window Selection");
  EXPECT_EQ(run.ListTitle(3), "Body Selection");
  EXPECT_EQ(run.state->catalogReads, 2);
  EXPECT_EQ(run.state->windowWidth, 504);
  EXPECT_EQ(run.state->session.W, 504);
  EXPECT_EQ(run.state->session.grid.cells.size(), 505u * 505u);
  EXPECT_EQ(run.state->colorGrid.cells.size(), 505u * 505u);
  EXPECT_EQ(run.state->session.ballSpacing, 14);
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, WidthListDismissedFromTheMapEndsTheProgram) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' '), keys::Extended(keys::SCAN_F1)});
  run.List("");
  run.Keys({Key('x')});  // never read: the program has ended
  run.Run();
  EXPECT_EQ(run.Lists(), 3);
  EXPECT_EQ(run.state->catalogReads, 1);
  EXPECT_EQ(run.platform.EventsLeft(), 1u);
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, EscFromTheMap) {
  DriverRun run;
  run.List(" 432");
  run.List("(433) Eros");
  run.Keys({Key(' ')});
  run.Keys({Key(keys::ESC), Key('x')});
  run.Run();
  EXPECT_TRUE(run.MapVisited());
  EXPECT_EQ(run.platform.EventsLeft(), 1u);
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, ASmallScreenLowersTheChosenWidth) {
  DriverRun run(HeadlessConfig{8, 16, 800});
  run.List("1080");
  run.List("(433) Eros");
  run.Keys({Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(run.state->windowWidth, 648);
  EXPECT_EQ(run.state->session.W, 648);
  EXPECT_EQ(run.state->catalogReads, 7);
  ExpectOrderlyExit(run);
}

TEST(DriverRoutes, EmptyCatalogueStillReachesTheExit) {
  DriverRun run;
  apptest::WriteFile(*run.options.elementsPath, apptest::REFERENCE_LINE);
  run.List(" 432");
  run.List("");
  run.Keys({Key(' '), Key(keys::ESC)});
  run.Run();
  EXPECT_EQ(run.state->catalog.lastIndex, -1);
  EXPECT_EQ(run.state->selectedName, "");
  ExpectOrderlyExit(run);
}


// A catalogue that exists but cannot be read is refused the way a missing one is: its
// message, one key, the exit; no list and no empty view.
void ExpectRefusedWith(DriverRun& run, const std::vector<std::string>& lines) {
  run.List(" 432");
  run.List("");
  run.Keys({Key(' '), Key(keys::ESC)});
  run.Run();
  std::string output;
  for (const std::string& line : lines) output += line + "\n";
  EXPECT_EQ(run.platform.Output(), output);
  EXPECT_EQ(run.Lists(), 0);
  EXPECT_EQ(run.state->catalogReads, 0);
  EXPECT_EQ(run.Log(), ReportOnlyLog(lines));
  EXPECT_EQ(run.platform.EventsLeft(), 1u);  // the wait ended at the first key; Esc is left
  EXPECT_FALSE(run.MapVisited());
  ExpectOrderlyExit(run);
}

TEST(DriverUnusableData, ADirectoryInPlaceOfTheCatalogue) {
  DriverRun run;
  const std::string path = *run.options.elementsPath;
  fs::remove(path);
  fs::create_directory(path);
  ExpectRefusedWith(run, {"ELEMENTS.DAT cannot be read: it is a directory", path});
}

TEST(DriverUnusableData, AFifoInPlaceOfTheCatalogueIsNotWaitedOn) {
  DriverRun run;
  const std::string path = *run.options.elementsPath;
  fs::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  ExpectRefusedWith(run, {"ELEMENTS.DAT cannot be read: it is a FIFO, not a file", path});
}

TEST(DriverUnusableData, ACatalogueWithoutReadPermission) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  DriverRun run;
  const std::string path = *run.options.elementsPath;
  fs::permissions(path, fs::perms::none);
  ExpectRefusedWith(run, {"ELEMENTS.DAT cannot be read: Permission denied", path});
}

// Record 0 must be an ellipse with a positive size at a finite epoch, or there is no Earth
// to draw; the same words as moidtool's.
TEST(DriverUnusableData, AnUnusableReferenceOrbitIsRefused) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"2460000.5, 1.5, 0, 0, 0, 1, 0, 0, Earth\r\n",
       "eccentricity 1.5 is not below 1 (not an ellipse)"},
      {"2460000.5, 1, 0, 0, 0, 1, 0, 0, Earth\r\n", "eccentricity 1 is not below 1 (not an ellipse)"},
      {"2460000.5, 0.01, 0, 0, 0, 0, 0, 0, Earth\r\n", "semi-major axis 0 AU is not positive"},
      {"2460000.5, 0.01, 0, 0, 0, -1, 0, 0, Earth\r\n", "semi-major axis -1 AU is not positive"},
      {"1e999, 0.01, 0, 0, 0, 1, 0, 0, Earth\r\n", "the epoch is not a finite number"},
  };
  {  // an empty file has no reference orbit at all
    DriverRun run;
    const std::string path = *run.options.elementsPath;
    apptest::WriteFile(path, "");
    ExpectRefusedWith(run, {path + ": the reference orbit (record 0) cannot be used: "
                                   "semi-major axis 0 AU is not positive"});
  }
  for (const auto& [reference, reason] : cases) {
    DriverRun run;
    const std::string path = *run.options.elementsPath;
    apptest::WriteFile(path, reference + apptest::BodyLine("(433) Eros"));
    ExpectRefusedWith(run, {path + ": the reference orbit (record 0) cannot be used: " + reason});
  }
}

}  // namespace
}  // namespace moid
