#pragma once
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "data/ElementRecord.h"
#include "tools/EarthByEpoch.h"

// moidtool moid on a stream of bodies: the MOIDs worked out on several threads, the rows
// written in input order, with only a few batches of bodies held at any time.
namespace moid::tools {

// One body to measure.
struct MoidJob {
  long index = 0;
  std::string name;            // Windows-1252
  ElementRecord body;          // referred to the plane of `earth`'s orbit
  std::shared_ptr<const EarthAtEpoch> earth;
  double epochJd = 0;
};

struct MoidBatch {
  std::uint64_t sequence = 0;
  std::vector<MoidJob> jobs;
  std::string rows;  // filled in by the computation
  long rowCount = 0;
  long measured = 0;
};

class MoidPipeline {
 public:
  // Rows go to `out`; only rows whose MOID is at most `maxMoidAu` (when given).
  MoidPipeline(int W, std::optional<double> maxMoidAu, int threads, std::ostream& out);
  ~MoidPipeline();
  MoidPipeline(const MoidPipeline&) = delete;
  MoidPipeline& operator=(const MoidPipeline&) = delete;

  // Takes a body; rows of earlier bodies may be written meanwhile. Ignored once a write
  // failed.
  void Add(MoidJob&& job);
  // Measures what is left and writes every row.
  void Finish();

  bool OutputFailed() const { return failed_; }
  long RowsWritten() const { return rowsWritten_; }
  long Measured() const { return measured_; }

 private:
  void Submit();
  void Compute(MoidBatch& batch);
  void Work();
  void Write(MoidBatch& batch);
  void WriteReady(bool waitForOne);
  void Stop();

  const int width_;
  const std::optional<double> maxMoidAu_;
  std::ostream& out_;
  MoidBatch filling_;
  std::uint64_t nextSequence_ = 0;
  std::uint64_t nextToWrite_ = 0;
  bool failed_ = false;
  long rowsWritten_ = 0;
  long measured_ = 0;

  // Shared with the workers.
  std::mutex mutex_;
  std::condition_variable workReady_, resultReady_;
  std::deque<MoidBatch> waiting_;
  std::map<std::uint64_t, MoidBatch> finished_;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace moid::tools
