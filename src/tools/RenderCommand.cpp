// moidtool render FILE --body SEL [--width W] [--keys KEYS] [--out DIR]: runs the program on
// FILE through the headless backend, chooses width W and the body, types KEYS in the orbit
// view, then Space (the map writes both pictures) and Esc, and prints the pictures written.
#include <cstddef>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/DisplaySetup.h"
#include "app/Driver.h"
#include "data/CatalogReader.h"
#include "data/ElementRecord.h"
#include "platform/Keys.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/process/FileKind.h"
#include "platform/process/ProcessServices.h"
#include "tools/ArgumentScanner.h"
#include "tools/BodySelector.h"
#include "tools/Commands.h"
#include "tools/OrbitCommandSupport.h"
#include "tools/RenderKeys.h"
#include "tools/SaveWatcher.h"

namespace moid::tools {
namespace {

constexpr const char* RENDER_USAGE =
    "usage: moidtool render FILE --body SEL [--width W] [--keys KEYS] [--out DIR]\n"
    "  SEL   the body's slot number or its name\n"
    "  W     one of the widths of the list: 432 504 576 648 720 792 864 936 1008 1080\n"
    "  KEYS  keys typed in the orbit view, e.g. \"M Space\" or \"Left Left + F1\": a single\n"
    "        character, or Space Enter Esc Up Down Left Right Home End PgUp PgDn F1..F12\n"
    "        LeftClick RightClick\n"
    "  DIR   where the pictures are written (default: the current directory)\n";

constexpr int DEFAULT_WIDTH = 432;
// Far taller than any width needs, so the fit loop keeps W.
constexpr int RENDER_DISPLAY_HEIGHT = 4000;

struct RenderOptions {
  std::string file;
  std::string body;
  int width = DEFAULT_WIDTH;
  std::vector<std::string> keys;
  std::optional<std::string> outDir;
};

// The list item whose value is W; "" when W is not in the list.
std::string WidthItem(int width) {
  for (const std::string& item : WidthChoices()) {
    if (WidthFromItem(item) == width && std::stoi(item) == width) return item;
  }
  return "";
}

const std::vector<OptionSpec> RENDER_OPTIONS = {
    {"--body", true}, {"--width", true}, {"--keys", true}, {"--out", true}};

// Takes one option's value; the problem with it, or empty.
std::string TakeOption(const ScannedOption& option, RenderOptions& o) {
  if (option.name == "--body") {
    o.body = option.value;
  } else if (option.name == "--width") {
    const std::optional<int> width = ParseWindowWidth(option.value);
    if (!width || WidthItem(*width).empty()) {
      return "width \"" + option.value + "\" is not one of the list";
    }
    o.width = *width;
  } else if (option.name == "--keys") {
    std::string bad;
    const auto keys = KeysFromText(option.value, bad);
    if (!keys) return "\"" + bad + "\" is not a key";
    o.keys = *keys;
  } else {
    o.outDir = option.value;
  }
  return "";
}

// The options, or the problem with them.
std::string ParseOptions(const ScannedArguments& scanned, RenderOptions& o) {
  if (!scanned.error.empty()) return scanned.error;
  bool haveBody = false;
  for (const ScannedOption& option : scanned.options) {
    if (std::string problem = TakeOption(option, o); !problem.empty()) return problem;
    haveBody = haveBody || option.name == "--body";
  }
  if (scanned.operands.size() > 1) return "one FILE only";
  if (scanned.operands.empty() || !haveBody) return "FILE and --body are needed";
  o.file = scanned.operands.front();
  return "";
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  return process::CurrentDirectory() + "/" + path;
}

std::string OutputPath(const RenderOptions& o, const std::string& name) {
  if (!o.outDir) return name;
  const std::string& dir = *o.outDir;
  return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

// ": it is a FIFO, not a file" when something other than a file stands where a picture goes.
std::string PlantedKind(const std::string& path) {
  const std::string kind = process::SpecialFileKind(path, false);
  if (kind.empty() || kind == "a symbolic link") return "";
  return ": it is " + kind + (kind == "a directory" ? "" : ", not a file");
}

void ScriptRun(headless::HeadlessPlatform& platform, const RenderOptions& o, int bodySlot) {
  using headless::ScriptEvent;
  platform.Push(ScriptEvent::ListAnswer(WidthItem(o.width)));
  platform.Push(ScriptEvent::ListRow(bodySlot));
  // Each key is followed by one poll without a key, as a person types slower than the loop:
  // a running animation draws a frame there, and a paused one has its key read.
  for (const std::string& key : o.keys) {
    platform.Push(ScriptEvent::Key(key));
    platform.Push(ScriptEvent::Idle(1));
  }
  platform.Push(ScriptEvent::Key(" "));
  platform.Push(ScriptEvent::Idle(1));
  platform.Push(ScriptEvent::Key(keys::Ordinary(keys::ESC)));
}

struct SavedPictures {
  std::vector<std::string> saved, failed;
};

// Runs the program in the current directory; the names of the pictures it saved.
SavedPictures RunHeadless(const RenderOptions& o, const std::string& file, int bodySlot) {
  headless::HeadlessConfig config;
  config.displayHeight = RENDER_DISPLAY_HEIGHT;
  headless::HeadlessPlatform platform(config);
  ScriptRun(platform, o, bodySlot);
  SaveWatcher watcher(platform.Graphics());
  Platform p{platform, watcher};
  DriverOptions options;
  options.elementsPath = file;
  RunDriver(p, options);
  return {watcher.Saved(), watcher.Failed()};
}

int Render(const RenderOptions& o, int bodySlot, std::ostream& out, std::ostream& err) {
  const std::string file = AbsolutePath(o.file);
  const std::string home = process::CurrentDirectory();
  if (o.outDir && !process::ChangeDirectory(*o.outDir)) {
    err << "moidtool render: " << *o.outDir << ": cannot write there (no such directory)\n";
    return 1;
  }
  const SavedPictures pictures = RunHeadless(o, file, bodySlot);
  if (o.outDir) process::ChangeDirectory(home);
  for (const std::string& name : pictures.saved) out << OutputPath(o, name) << '\n';
  for (const std::string& name : pictures.failed) {
    err << "moidtool render: " << OutputPath(o, name) << ": could not be written"
        << PlantedKind(OutputPath(o, name)) << '\n';
  }
  if (pictures.saved.empty() && pictures.failed.empty()) {
    err << "moidtool render: no picture was written: the keys never reached the map "
           "(an Esc, or a paused motion, which Space only steps)\n";
  }
  return pictures.failed.empty() && !pictures.saved.empty() ? 0 : 1;
}

}  // namespace

int RunRenderCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const ScannedArguments scanned = ScanArguments(args, RENDER_OPTIONS);
  if (scanned.help) return ShowHelp(out, RENDER_USAGE);
  RenderOptions o;
  if (const std::string problem = ParseOptions(scanned, o); !problem.empty()) {
    return BadUsage(err, "render", problem, RENDER_USAGE);
  }
  if (!process::PathExists(o.file)) {
    err << "moidtool render: " << o.file << ": no such file\n";
    return 1;
  }
  auto catalog = std::make_unique<BodyCatalog>();
  const CatalogReadReport report = ReadCatalog(o.file, *catalog);
  if (report.unreadable) {
    err << "moidtool render: " << o.file << ": cannot be read: " << WhyUnreadable(o.file) << '\n';
    return 1;
  }
  if (!report.referenceProblem.empty()) {
    err << "moidtool render: " << o.file << ": "
        << UnusableReferenceText(report.referenceProblem) << '\n';
    return 1;
  }
  const BodySelection selection = SelectBody(*catalog, o.body, &report);
  if (selection.index < 0) {
    err << "moidtool render: " << selection.error << '\n';
    return selection.ambiguous ? 2 : 1;
  }
  // The body is picked in the list by its row, as a user picks one of two of the same name.
  return Render(o, selection.index, out, err);
}

}  // namespace moid::tools
