// moidtool moid FILE [--width W] [--body SEL]: the MOID and distance grid extremes that the
// viewer works out for every body (or one), with the caption's numbers as drawn.
#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "orbit/ViewerMoid.h"
#include "platform/process/TerminalQuery.h"
#include "tools/BodySelector.h"
#include "tools/CheckedOutput.h"
#include "tools/Commands.h"
#include "tools/OrbitCommandSupport.h"
#include "tools/ToolText.h"
#include "view/MoidCaption.h"

namespace moid::tools {
namespace {

constexpr const char* MOID_USAGE =
    "usage: moidtool moid FILE [--width W] [--body SEL]\n"
    "  W     window width, a multiple of 72 from 72 to 1440 (default 432)\n"
    "  SEL   a slot number, or a body's name or a unique part of it\n";

constexpr const char* MOID_HEADER =
    "index\tname\tmoidAu\tmoidGm\tlongitudeDeg\tgridMinEarthIndex\tgridMinAsteroidIndex\t"
    "minGm\tmaxGm\tgridMaxEarthIndex\tgridMaxAsteroidIndex\tcaption\n";

struct MoidOptions {
  std::string file;
  int width = 432;
  std::string body;
  bool haveBody = false;
};

enum class Parse { Ok, Help, Bad };

Parse ParseMoidOptions(const std::vector<std::string>& args, MoidOptions& o, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") return Parse::Help;
    if (a == "--width" || a == "--body") {
      if (i + 1 >= args.size()) {
        err << "moidtool moid: " << a << " needs a value\n";
        return Parse::Bad;
      }
      const std::string& value = args[++i];
      if (a == "--body") {
        o.body = value;
        o.haveBody = true;
        continue;
      }
      const std::optional<int> w = ParseWindowWidth(value);
      if (!w) {
        err << "moidtool moid: width \"" << value << "\" is not a multiple of 72 from 72 to 1440\n";
        return Parse::Bad;
      }
      o.width = *w;
    } else if (a.size() > 1 && a[0] == '-') {
      err << "moidtool moid: unknown option \"" << a << "\"\n";
      return Parse::Bad;
    } else if (o.file.empty()) {
      o.file = a;
    } else {
      err << "moidtool moid: one FILE only\n";
      return Parse::Bad;
    }
  }
  if (o.file.empty()) {
    err << "moidtool moid: FILE is needed\n";
    return Parse::Bad;
  }
  return Parse::Ok;
}

// The caption's MOID run and longitude run as drawn, as UTF-8.
std::string CaptionColumn(const MoidResult& moid) {
  Session session;
  session.moid = moid;
  const MoidCaptionText caption = MakeMoidCaption(session);
  return Windows1252ToUtf8(caption.distance + " | " + caption.longitude);
}

void AppendRow(std::string& out, int index, const std::string& name, const ViewerMoid& v) {
  const MoidResult& m = v.moid;
  out += std::to_string(index) + '\t' + QuotedText(name) + '\t' + ShortestNumber(m.moidAu) +
         '\t' + ShortestNumber(m.moidAu * GM_PER_AU) + '\t' + ShortestNumber(m.longitudeDeg) +
         '\t' + std::to_string(m.gridMinEarthIndex) + '\t' +
         std::to_string(m.gridMinAsteroidIndex) + '\t' + ShortestNumber(v.minGm) + '\t' +
         ShortestNumber(v.maxGm) + '\t' + std::to_string(v.gridMaxEarthIndex) + '\t' +
         std::to_string(v.gridMaxAsteroidIndex) + '\t' + CaptionColumn(m) + '\n';
}

// A progress bar on standard error, shown only on a terminal and once a second has passed.
class ProgressDisplay {
 public:
  explicit ProgressDisplay(std::ostream& err)
      : err_(err), start_(std::chrono::steady_clock::now()) {}
  void Update(int done, int total) {
    if (std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
    err_ << '\r' << ProgressBarText(done, total, 40) << std::flush;
    shown_ = true;
  }
  ~ProgressDisplay() {
    if (shown_) err_ << '\r' << std::string(60, ' ') << '\r' << std::flush;
  }

 private:
  std::ostream& err_;
  std::chrono::steady_clock::time_point start_;
  bool shown_ = false;
};

std::vector<ViewerMoid> ComputeAll(const BodyCatalog& catalog,
                                   const std::vector<const ElementRecord*>& bodies, int W,
                                   std::ostream& err) {
  const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  if (!process::StandardErrorIsTerminal())
    return ComputeViewerMoids(catalog.reference, bodies, W, threads);
  ProgressDisplay display(err);
  return ComputeViewerMoids(catalog.reference, bodies, W, threads,
                            [&](int done, int total) { display.Update(done, total); });
}

}  // namespace

int RunMoidCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  MoidOptions o;
  const Parse parsed = ParseMoidOptions(args, o, err);
  if (parsed == Parse::Help) {
    out << MOID_USAGE;
    return 0;
  }
  if (parsed == Parse::Bad) {
    err << MOID_USAGE;
    return 2;
  }
  const std::unique_ptr<BodyCatalog> catalog = LoadOrbitCatalog("moid", o.file, err);
  if (!catalog) return 1;
  std::vector<int> slots;
  if (o.haveBody) {
    const BodySelection chosen = SelectBody(*catalog, o.body);
    if (chosen.index < 0) {
      err << "moidtool moid: " << chosen.error << '\n';
      return chosen.ambiguous ? 2 : 1;
    }
    slots.push_back(chosen.index);
  } else {
    for (int i = 0; i <= catalog->lastIndex; ++i) slots.push_back(i);
  }
  std::vector<const ElementRecord*> bodies;
  for (int slot : slots) bodies.push_back(&catalog->bodies[static_cast<std::size_t>(slot)]);
  const std::vector<ViewerMoid> results = ComputeAll(*catalog, bodies, o.width, err);
  out << MOID_HEADER;
  long rows = 0;
  for (std::size_t i = 0; i < slots.size() && out; ++i) {
    std::string row;
    AppendRow(row, slots[i], bodies[i]->name, results[i]);
    if (out << row) ++rows;
  }
  return FinishRowOutput(out, err, "moidtool moid", rows);
}

}  // namespace moid::tools
