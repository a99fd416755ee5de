#include "tools/MoidPipeline.h"

#include "orbit/BatchMoid.h"
#include "tools/SquaredGridExtremes.h"
#include "tools/MoidRows.h"

namespace moid::tools {
namespace {

// Bodies per batch: enough that handing batches between threads costs nothing to speak of.
constexpr std::size_t BATCH_BODIES = 256;
// Batches under way per thread, queued, computing or waiting for their turn to be written.
constexpr std::size_t BATCHES_PER_THREAD = 4;

}  // namespace

MoidPipeline::MoidPipeline(int W, std::optional<double> maxMoidAu, int threads, std::ostream& out)
    : width_(W), maxMoidAu_(maxMoidAu), out_(out) {
  filling_.jobs.reserve(BATCH_BODIES);
  if (threads > 1) {
    for (int t = 0; t < threads; ++t) workers_.emplace_back([this] { Work(); });
  }
}

MoidPipeline::~MoidPipeline() { Stop(); }

void MoidPipeline::Stop() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    waiting_.clear();  // left only when a write failed
  }
  workReady_.notify_all();
  for (std::thread& worker : workers_) worker.join();
  workers_.clear();
}

void MoidPipeline::Add(MoidJob&& job) {
  if (failed_) return;
  filling_.jobs.push_back(std::move(job));
  if (filling_.jobs.size() >= BATCH_BODIES) Submit();
}

void MoidPipeline::Finish() {
  if (!failed_ && !filling_.jobs.empty()) Submit();
  while (!failed_ && nextToWrite_ < nextSequence_) WriteReady(true);
  Stop();
}

void MoidPipeline::Submit() {
  filling_.sequence = nextSequence_++;
  if (workers_.empty()) {  // one thread: measure and write at once
    Compute(filling_);
    Write(filling_);
    ++nextToWrite_;
  } else {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      waiting_.push_back(std::move(filling_));
    }
    workReady_.notify_one();
    WriteReady(false);
    const std::size_t limit = BATCHES_PER_THREAD * workers_.size();
    while (!failed_ && nextSequence_ - nextToWrite_ >= limit) WriteReady(true);
  }
  filling_ = MoidBatch();
  filling_.jobs.reserve(BATCH_BODIES);
}

void MoidPipeline::Compute(MoidBatch& batch) {
  thread_local std::optional<BatchMoidWorkspace> work;
  if (!work || work->Width() != width_) work.emplace(width_);
  for (const MoidJob& job : batch.jobs) {
    const MoidResult moid = ComputeBatchMoid(job.earth->geometry, job.body, *work);
    const ViewerMoid v = WithGridExtremes(moid, work->Grid());
    ++batch.measured;
    if (maxMoidAu_ && !(v.moid.moidAu <= *maxMoidAu_)) continue;
    AppendMoidRow(batch.rows, job.index, job.name, v, job.epochJd);
    ++batch.rowCount;
  }
  batch.jobs.clear();
  batch.jobs.shrink_to_fit();
}

void MoidPipeline::Work() {
  while (true) {
    MoidBatch batch;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      workReady_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
      if (waiting_.empty()) return;
      batch = std::move(waiting_.front());
      waiting_.pop_front();
    }
    Compute(batch);
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      finished_.emplace(batch.sequence, std::move(batch));
    }
    resultReady_.notify_one();
  }
}

// Writes the finished batches whose turn has come; with `waitForOne`, first waits until the
// next one in turn is finished.
void MoidPipeline::WriteReady(bool waitForOne) {
  std::vector<MoidBatch> ready;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    if (waitForOne) {
      resultReady_.wait(lock, [this] { return finished_.count(nextToWrite_) > 0; });
    }
    for (auto it = finished_.find(nextToWrite_); it != finished_.end();
         it = finished_.find(nextToWrite_)) {
      ready.push_back(std::move(it->second));
      finished_.erase(it);
      ++nextToWrite_;
    }
  }
  for (MoidBatch& batch : ready) Write(batch);
}

void MoidPipeline::Write(MoidBatch& batch) {
  measured_ += batch.measured;
  if (failed_) return;
  if (!batch.rows.empty()) out_.write(batch.rows.data(), static_cast<std::streamsize>(batch.rows.size()));
  if (!out_) {
    failed_ = true;
    return;
  }
  rowsWritten_ += batch.rowCount;
}

}  // namespace moid::tools
