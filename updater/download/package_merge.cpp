#include "updater/download/package_merge.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "updater/download/download_result.h"
#include "updater/download/job_files.h"
#include "updater/download/md5.h"

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
      part.read(block_.data(), static_cast<std::streamsize>(std::min<std::uint64_t>(block_.size(), left)));
      const auto count = static_cast<std::size_t>(part.gcount());
      if (count == 0) break;
      // Like a seek past the end: the gap is only there once bytes follow it.
      if (!placed) FillTo(range.start);
      placed = true;
      Write(block_.data(), count);
      left -= count;
    }
    return !part.bad() && target_.good();
  }

  // Closes the target; false when any write failed.
  bool Close(std::string& digest) {
    target_.close();
    if (target_.fail()) return false;
    std::uint8_t bytes[16];
    md5_.Final(bytes);
    digest = DigestToText(bytes);
    return true;
  }

 private:
  void FillTo(std::uint64_t offset) {
    if (position_ >= offset) return;
    std::vector<char> zeros(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, offset - position_)));
    while (position_ < offset) Write(zeros.data(), static_cast<std::size_t>(std::min<std::uint64_t>(zeros.size(), offset - position_)));
  }

  void Write(const char* data, std::size_t count) {
    target_.write(data, static_cast<std::streamsize>(count));
    md5_.Update(reinterpret_cast<const std::uint8_t*>(data), static_cast<std::uint32_t>(count));
    position_ += count;
  }

  std::ofstream target_;
  MD5_CTX md5_;
  std::uint64_t position_ = 0;
  std::vector<char> block_ = std::vector<char>(kBlockSize);
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
