#pragma once
// Outcomes of one download attempt and of the length probe, decided here so
// that the attempt loop and the owner read the same names.

#include <cstdint>

namespace download_result {

constexpr int kDownloadOk = 1;
constexpr int kProbeFailed = -1;            // no usable length (any probe failure but a redirect)
constexpr int kMergeTargetNotCreated = -2;  // "update.td" cannot be created
constexpr int kPartNotMerged = -3;          // a part file cannot be opened or copied
constexpr int kLengthMismatch = -4;         // merged length differs from the probed one
constexpr int kDigestMismatch = -5;         // merged MD5 differs from the expected one
constexpr int kRedirected = -6;             // host and path now name the redirect target
constexpr int kRenameFailed = -7;           // the verified file could not become "update.zip"
constexpr int kThreadNotCreated = -8;       // a segment or watchdog thread could not start
constexpr int kStopped = -9;                // the job is being destroyed; nothing was merged

// GetContentLength: the server redirected the probe.
constexpr std::int64_t kProbeRedirected = -302;

}  // namespace download_result
