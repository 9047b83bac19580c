#pragma once
// Progress record of a job and the work order of one segment thread.

#include <cstdint>
#include <string>

struct TransferControl;

// The job's progress and verification record; the owner reads copies of it.
struct DownloadState {
  std::string jobFile;      // merge target "update.td", full path
  std::string expectedMd5;  // as the client gave it
  std::uint64_t received = 0;
  std::uint64_t total = 0;  // length from the last successful probe
};

// One segment of an attempt: owned by the attempt, which outlives its thread.
struct SegmentTask {
  std::string host;
  std::uint64_t start = 0;
  std::uint64_t end = 0;      // one past the segment's last byte
  std::uint64_t written = 0;  // bytes of this segment in the part file
  std::string path;
  std::string partFile;
  DownloadState* state = nullptr;
  TransferControl* control = nullptr;
};
