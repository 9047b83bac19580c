#pragma once
// Builds the merge target from the part files of an attempt.

#include <string>

#include "updater/download/segment_plan.h"

struct MergeOutcome {
  int result;          // kDownloadOk, kMergeTargetNotCreated or kPartNotMerged
  std::string digest;  // MD5 of the bytes written, as text, on success
};

// Writes the first end - start bytes of each part file at its segment's
// place, in large blocks, digesting them in the same pass; a part shorter
// than its segment leaves a gap of zero bytes when a later part follows.
// Each part file is deleted once merged; on failure the remaining parts (and
// the target, once created) are deleted.
MergeOutcome MergeParts(const std::string& jobFile, const SegmentPlan& plan);
