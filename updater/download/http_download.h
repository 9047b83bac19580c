#pragma once
// The updater's HTTP/1.1 client and the segmented download built on it: one
// GET per connection, a length probe, four ranged segment transfers with a
// stall watchdog, the merge and the checks.

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <string_view>

#include "updater/download/download_state.h"
#include "updater/download/response_head.h"
#include "updater/download/segment_plan.h"
#include "updater/download/transfer_control.h"
#include "updater/download/transfer_settings.h"

class CHttpDownload {
 public:
  // `jobFolder` holds the download's files: narrow text ending in a separator.
  explicit CHttpDownload(std::string jobFolder, TransferSettings settings = {});
  // Stops the transfer; the caller that runs DownloadFile must have returned
  // from it before the object goes.
  virtual ~CHttpDownload();
  CHttpDownload(const CHttpDownload&) = delete;
  CHttpDownload& operator=(const CHttpDownload&) = delete;

  // The package length (> 0, also stored in state.total); 0 on any failure;
  // kProbeRedirected with host and path rewritten to the redirect target.
  std::int64_t GetContentLength(std::string& host, std::string& path, DownloadState& state);

  // One complete attempt: probe, segments, merge, checks, "update.zip".
  // Returns one of download_result's attempt codes.
  int DownloadFile(std::string& host, std::string& path, DownloadState& state);

  // Body of one segment thread. Returns 0, or -1 after it reported an error.
  static int SegmentProc(SegmentTask& task);

  // True when the response is usable (a version starting "HTTP/" and status
  // 200 or 206); the head and its empty line are then erased from `buffer`.
  static bool ParseResponseHead(HttpResponseHead& head, std::string& buffer, std::size_t headEnd);

  // Appends to the part file through `out`, opening it on first use (and then
  // counting the bytes it already held). False when it cannot be written.
  static bool AppendBody(const std::string& partFile, std::string_view data, std::uint64_t resumeOffset,
                         std::uint64_t& written, std::ofstream& out);

  // Size of an existing file; 0 when it cannot be opened.
  static std::uint64_t GetPartSize(const std::string& partFile);

  // Any thread: closes every connection of the job and refuses new ones, so
  // that a running DownloadFile returns soon; part files stay for a resume.
  void Stop();
  bool IsStopped() const;

  // The lock that guards every DownloadState this object fills.
  std::mutex& TransferLock() { return control_.transferLock; }

 private:
  // Runs the four segment threads and the watchdog until the segments end.
  int RunSegments(std::array<SegmentTask, kSegmentCount>& tasks);

  const std::string jobFolder_;
  const TransferSettings settings_;
  TransferControl control_;
};
