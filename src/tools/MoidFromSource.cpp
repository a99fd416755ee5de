#include "tools/MoidFromSource.h"

#include <charconv>
#include <optional>
#include <string>

#include "platform/process/TerminalQuery.h"
#include "sources/BodyNames.h"
#include "tools/CheckedOutput.h"
#include "tools/ProgressLine.h"
#include "tools/ImportSelection.h"
#include "tools/MoidPipeline.h"
#include "tools/MoidRows.h"
#include "tools/SourceElements.h"
#include "tools/ToolText.h"

namespace moid::tools {
namespace {

constexpr const char* PREFIX = "moidtool moid: ";

std::string Plural(long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Which bodies --body keeps: the one at a position, or those whose name holds a text.
class BodyFilter {
 public:
  explicit BodyFilter(const MoidOptions& o) : active_(o.haveBody), text_(o.body) {
    long value = 0;
    const char* end = text_.data() + text_.size();
    const auto result = std::from_chars(text_.data(), end, value);
    if (result.ec == std::errc() && result.ptr == end) position_ = value;
  }
  bool Keeps(long index, const std::string& name) const {
    if (!active_) return true;
    if (position_) return index == *position_;
    return sources::ContainsIgnoringCase(name, text_);
  }

 private:
  bool active_;
  std::string text_;
  std::optional<long> position_;
};

// Turns what the reader finds into MOID jobs, and tells of what it cannot use.
class MoidSourceVisitor final : public sources::SourceVisitor {
 public:
  MoidSourceVisitor(const MoidOptions& o, MoidPipeline& pipeline, std::ostream& err,
                    ProgressLine* progress)
      : filter_(o), pipeline_(pipeline), err_(err), progress_(progress) {}

  void OnBody(sources::SourceBody&& body) override {
    const long index = ++bodiesRead_;
    if (!filter_.Keeps(index, body.name)) return;
    ++selected_;
    if (const std::string reason = WhyNotHoldable(body); !reason.empty()) {
      ++dropped_;
      err_ << PREFIX << "line " << body.line << " \"" << body.name << "\": dropped: " << reason
           << '\n';
      return;
    }
    MoidJob job;
    job.earth = earths_.At(*body.epochJd);
    job.index = index;
    job.name = sources::CatalogName(body.name);
    job.body = InEarthPlane(ElementsOf(body), *job.earth);
    job.epochJd = *body.epochJd;
    pipeline_.Add(std::move(job));
  }
  void OnProblem(sources::SourceProblem&& problem) override {
    ++skipped_;
    err_ << PREFIX << "line " << problem.line << ": " << problem.message << '\n';
  }
  void OnProgress(std::uint64_t bytes) override {
    if (progress_ != nullptr) progress_->Update(bytes);
  }
  bool WantsMore() const override { return !pipeline_.OutputFailed(); }

  long BodiesRead() const { return bodiesRead_; }
  long Selected() const { return selected_; }
  long Dropped() const { return dropped_; }
  long Skipped() const { return skipped_; }
  std::size_t Epochs() const { return earths_.EpochCount(); }

 private:
  BodyFilter filter_;
  MoidPipeline& pipeline_;
  std::ostream& err_;
  ProgressLine* progress_;
  EarthByEpoch earths_;
  long bodiesRead_ = 0, selected_ = 0, dropped_ = 0, skipped_ = 0;
};

std::string Summary(const MoidOptions& o, sources::SourceFormat format,
                    const MoidSourceVisitor& seen, const MoidPipeline& pipeline) {
  std::string text = std::string(PREFIX) + o.file + " (read as " +
                     std::string(sources::FormatName(format)) + "): " +
                     Plural(seen.BodiesRead(), "body", "bodies") + " read, " +
                     std::to_string(pipeline.Measured()) + " measured against the Earth at " +
                     Plural(static_cast<long>(seen.Epochs()), "epoch", "epochs") + ", " +
                     Plural(pipeline.RowsWritten(), "row", "rows") + " written";
  if (o.maxMoidAu) text += " (MOID at most " + ShortestNumber(*o.maxMoidAu) + " AU)";
  if (seen.Dropped() > 0) text += ", " + std::to_string(seen.Dropped()) + " dropped";
  if (seen.Skipped() > 0) text += ", " + Plural(seen.Skipped(), "line", "lines") + " skipped";
  return text + "\n";
}

}  // namespace

int MoidFromSource(const MoidOptions& options, sources::SourceInput& source,
                   sources::SourceFormat format, std::ostream& out, std::ostream& err) {
  const std::uint64_t size = source.Size().value_or(0);
  const bool showProgress = size > 0 && process::StandardErrorIsTerminal();
  ProgressLine progress(err, std::string(PREFIX) + "measuring " + options.file, size);
  out << MOID_HEADER;
  MoidPipeline pipeline(options.width, options.maxMoidAu, ThreadsToUse(options), out);
  MoidSourceVisitor visitor(options, pipeline, err, showProgress ? &progress : nullptr);
  const sources::SourceFailure failure = sources::ReadSource(format, source.Stream(), visitor);
  pipeline.Finish();
  progress.Finish();
  if (pipeline.OutputFailed()) return FinishRowOutput(out, err, "moidtool moid", pipeline.RowsWritten());
  int code = 0;
  if (!failure.empty()) {
    err << PREFIX << sources::DescribedPath(options.file) << ": not usable as "
        << sources::FormatName(format) << ": " << failure << '\n';
    code = 1;
  } else if (options.haveBody && visitor.Selected() == 0) {
    err << PREFIX << "no body of " << options.file << " is at position or named \""
        << options.body << "\"\n";
    code = 1;
  }
  if (code == 0) err << Summary(options, format, visitor, pipeline);
  return FinishRowOutput(out, err, "moidtool moid", pipeline.RowsWritten(), code);
}

}  // namespace moid::tools
