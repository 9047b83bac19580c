#include "updater/download/package_merge.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "updater/download/background_digest.h"
#include "updater/download/download_result.h"
#include "updater/download/job_files.h"

namespace {

constexpr std::size_t kBlockSize = 1 << 20;

class MergeWriter {
 public:
  explicit MergeWriter(const std::string& jobFile) : target_(jobFile, std::ios::binary | std::ios::trunc) {}

  bool IsOpen() const { return target_.is_open(); }

  // Copies the first end - start bytes of a part file into the segment's place.
  bool MergePart(const std::string& partFile, const SegmentRange& range) {
    std::ifstream part(partFile, std::ios::binary);
    if (!part) return false;
    std::uint64_t left = range.end - range.start;
    bool placed = false;
    while (left > 0) {
      // The other block may still be being digested; this one is free.
      std::vector<char>& block = blocks_[next_];
      part.read(block.data(), static_cast<std::streamsize>(std::min<std::uint64_t>(block.size(), left)));
      const auto count = static_cast<std::size_t>(part.gcount());
      if (count == 0) break;
      // Like a seek past the end: the gap is only there once bytes follow it.
      if (!placed) FillTo(range.start);
      placed = true;
      Write(block.data(), count);
      next_ ^= 1;
      left -= count;
    }
    return !part.bad() && target_.good();
  }

  // Closes the target; false when any write failed.
  bool Close(std::string& digest) {
    target_.close();
    digest = digest_.Finish();
    return !target_.fail();
  }

 private:
  void FillTo(std::uint64_t offset) {
    static const std::vector<char> zeros(kBlockSize);
    while (position_ < offset) {
      Write(zeros.data(), static_cast<std::size_t>(std::min<std::uint64_t>(zeros.size(), offset - position_)));
    }
  }

  void Write(const char* data, std::size_t count) {
    target_.write(data, static_cast<std::streamsize>(count));
    digest_.Add(data, count);
    position_ += count;
  }

  std::ofstream target_;
  BackgroundDigest digest_;
  std::uint64_t position_ = 0;
  std::vector<char> blocks_[2] = {std::vector<char>(kBlockSize), std::vector<char>(kBlockSize)};
  int next_ = 0;
};

void RemoveParts(const std::string& jobFile) {
  for (int i = 0; i < kSegmentCount; ++i) RemoveFile(PartFileName(jobFile, i));
}

}  // namespace

MergeOutcome MergeParts(const std::string& jobFile, const SegmentPlan& plan) {
  using namespace download_result;
  MergeWriter writer(jobFile);
  if (!writer.IsOpen()) {
    RemoveParts(jobFile);
    return {kMergeTargetNotCreated, {}};
  }
  MergeOutcome outcome{kDownloadOk, {}};
  for (int i = 0; i < kSegmentCount && outcome.result == kDownloadOk; ++i) {
    const std::string partFile = PartFileName(jobFile, i);
    if (writer.MergePart(partFile, plan[i])) {
      RemoveFile(partFile);
    } else {
      outcome.result = kPartNotMerged;
    }
  }
  if (!writer.Close(outcome.digest)) outcome.result = kPartNotMerged;
  if (outcome.result != kDownloadOk) {
    RemoveParts(jobFile);
    RemoveFile(jobFile);
    outcome.digest.clear();
  }
  return outcome;
}
