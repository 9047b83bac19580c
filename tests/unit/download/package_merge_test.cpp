#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "test_files.h"
#include "updater/download/download_result.h"
#include "updater/download/job_files.h"
#include "updater/download/md5.h"
#include "updater/download/package_merge.h"

namespace {

using namespace download_result;

class MergeParts_ : public testing::Test {
 protected:
  std::string JobFile() const { return folder_.File(kMergeTargetName); }
  std::string Part(int i) const { return PartFileName(JobFile(), i); }
  bool AnyFileLeft() const {
    for (int i = 0; i < kSegmentCount; ++i) {
      if (FileExists(Part(i))) return true;
    }
    return FileExists(JobFile());
  }

  TempFolder folder_;
  const std::string package_ = PatternBytes(1003, 3);
  const SegmentPlan plan_ = SplitIntoSegments(1003);
};

TEST_F(MergeParts_, CopiesOnlyEachSegmentsShareAndDigestsIt) {
  // Open-ended ranges: each part holds the bytes after its segment as well.
  for (int i = 0; i < kSegmentCount; ++i) WriteWholeFile(Part(i), package_.substr(plan_[i].start) + "surplus");
  const MergeOutcome outcome = MergeParts(JobFile(), plan_);
  EXPECT_EQ(outcome.result, kDownloadOk);
  EXPECT_EQ(ReadWholeFile(JobFile()), package_);
  EXPECT_EQ(outcome.digest, Md5Of(package_));
  for (int i = 0; i < kSegmentCount; ++i) EXPECT_FALSE(FileExists(Part(i))) << i;
}

TEST_F(MergeParts_, ShortPartsLeaveZeroGapsOrAShortFile) {
  const struct {
    const char* name;
    int shortPart;
    std::string expected;
  } cases[] = {
      {"gap before a later part", 1,
       package_.substr(0, 490) + std::string(10, '\0') + package_.substr(500)},
      {"short last part", 3, package_.substr(0, 993)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (int i = 0; i < kSegmentCount; ++i) {
      const std::uint64_t length = plan_[i].end - plan_[i].start - (i == c.shortPart ? 10 : 0);
      WriteWholeFile(Part(i), package_.substr(plan_[i].start, length));
    }
    const MergeOutcome outcome = MergeParts(JobFile(), plan_);
    EXPECT_EQ(outcome.result, kDownloadOk);
    EXPECT_EQ(ReadWholeFile(JobFile()), c.expected);
    // The digest is the file's, zeros included.
    char text[kMd5TextSize] = {};
    ASSERT_TRUE(GetFileMd5(text, JobFile()));
    EXPECT_EQ(outcome.digest, text);
  }
}

TEST_F(MergeParts_, MissingPartFailsAndLeavesNothing) {
  for (int i = 0; i < kSegmentCount; ++i) {
    if (i != 2) WriteWholeFile(Part(i), package_.substr(plan_[i].start));
  }
  EXPECT_EQ(MergeParts(JobFile(), plan_).result, kPartNotMerged);
  EXPECT_FALSE(AnyFileLeft());
}

TEST_F(MergeParts_, TinyPackageHasNoPartsForItsEmptySegments) {
  WriteWholeFile(Part(3), "abc");
  EXPECT_EQ(MergeParts(JobFile(), SplitIntoSegments(3)).result, kPartNotMerged);
  EXPECT_FALSE(AnyFileLeft());
}

TEST_F(MergeParts_, TargetThatCannotBeCreatedFailsAndDropsTheParts) {
  std::filesystem::create_directory(JobFile());
  for (int i = 0; i < kSegmentCount; ++i) WriteWholeFile(Part(i), package_.substr(plan_[i].start));
  EXPECT_EQ(MergeParts(JobFile(), plan_).result, kMergeTargetNotCreated);
  for (int i = 0; i < kSegmentCount; ++i) EXPECT_FALSE(FileExists(Part(i))) << i;
}

}  // namespace
