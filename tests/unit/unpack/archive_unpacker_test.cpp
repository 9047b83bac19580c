#include "unpack/archive_unpacker.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "unpack/entry_attributes.h"
#include "zip_fixture.h"

namespace unpack {
namespace {

using unpack_test::FixtureEntry;
using unpack_test::ZipBytes;

std::string Narrow(const WideName& name) {
  std::string out;
  for (char16_t c : name) out += c < 0x80 ? static_cast<char>(c) : '#';
  return out;
}

std::string Join(const std::vector<WideName>& parts) {
  std::string out;
  for (const auto& part : parts) out += (out.empty() ? "" : "/") + Narrow(part);
  return out;
}

// Keeps what the unpacker writes in memory; can be told to fail.
class RecordingTarget : public UnpackTarget {
 public:
  struct File {
    std::string data;
    std::uint32_t attributes = 0;
    EntryTimes times;
    std::size_t largestPiece = 0;
  };

  bool CreateFolders(const std::vector<WideName>& folders) override {
    for (std::size_t depth = 1; depth <= folders.size(); ++depth) {
      folderCalls.push_back(Join({folders.begin(), folders.begin() + static_cast<std::ptrdiff_t>(depth)}));
    }
    return folders.empty() || !failFolders;
  }

  std::unique_ptr<EntryFile> StartFile(const std::vector<WideName>& folders, const WideName& name,
                                       std::uint32_t attributes) override {
    auto path = folders;
    path.push_back(name);
    return std::make_unique<Recorder>(*this, Join(path), attributes);
  }

  std::vector<std::string> folderCalls;
  std::map<std::string, File> committed;
  bool failFolders = false;
  std::size_t failWritesAfter = SIZE_MAX;

 private:
  class Recorder : public EntryFile {
   public:
    Recorder(RecordingTarget& owner, std::string path, std::uint32_t attributes)
        : owner_(owner), path_(std::move(path)) {
      file_.attributes = attributes;
    }
    bool Write(const unsigned char* data, std::size_t size) override {
      if (file_.data.size() + size > owner_.failWritesAfter) return false;
      file_.data.append(reinterpret_cast<const char*>(data), size);
      file_.largestPiece = std::max(file_.largestPiece, size);
      return true;
    }
    bool Commit(const EntryTimes& times) override {
      file_.times = times;
      owner_.committed[path_] = file_;
      return true;
    }

   private:
    RecordingTarget& owner_;
    std::string path_;
    File file_;
  };
};

UnpackReport Unpack(const std::vector<FixtureEntry>& entries, RecordingTarget& target) {
  const auto bytes = ZipBytes(entries);
  auto archive = ZipArchive::OpenMemory(bytes.data(), bytes.size());
  EXPECT_TRUE(archive);
  return archive ? UnpackArchive(*archive, target) : UnpackReport{};
}

TEST(UnpackArchive, WritesFilesAndFoldersLevelByLevel) {
  FixtureEntry folder{"top/", ""};
  folder.external = unpack_test::kUnixFolder;
  FixtureEntry readOnly{"top/ro.txt", "fixed"};
  readOnly.external = unpack_test::kUnixReadOnlyFile;
  RecordingTarget target;
  const UnpackReport report =
      Unpack({folder, {"a/b/c.txt", "nested"}, readOnly, {"\xE8\xAF\xBE/\xE6\x96\x87.txt", "chinese"}}, target);

  EXPECT_TRUE(report.AllWritten());
  EXPECT_EQ(report.entries, 4u);
  EXPECT_EQ(report.written, 4u);
  EXPECT_EQ(target.committed.at("a/b/c.txt").data, "nested");
  EXPECT_EQ(target.committed.at("top/ro.txt").attributes, kArchive | kReadOnly);
  EXPECT_EQ(target.committed.at("#/#.txt").data, "chinese");
  const std::vector<std::string> expectedFolders = {"top", "a", "a/b", "top", "#"};
  EXPECT_EQ(target.folderCalls, expectedFolders);
}

TEST(UnpackArchive, CopiesLargeEntriesInPiecesOfAtMost16384Bytes) {
  std::string big(200000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) >> 3);
  FixtureEntry stored{"stored.bin", big.substr(0, 40000)};
  stored.deflate = false;
  RecordingTarget target;
  ASSERT_TRUE(Unpack({{"big.bin", big}, stored}, target).AllWritten());
  EXPECT_EQ(target.committed.at("big.bin").data, big);
  EXPECT_EQ(target.committed.at("big.bin").largestPiece, kCopyPieceSize);
  EXPECT_EQ(target.committed.at("stored.bin").data, big.substr(0, 40000));
}

TEST(UnpackArchive, RefusesUnsafeNamesAndGoesOn) {
  RecordingTarget target;
  const UnpackReport report = Unpack({{"../evil.txt", "x"},
                                      {"ok.txt", "fine"},
                                      {"a/../../evil.txt", "x"},
                                      {"x.txt:hidden", "x"},
                                      {"CON", "x"},
                                      {"..\\..\\Windows\\x.dll", "moved"},
                                      {"C:\\x.txt", "drive"},
                                      {std::string(261, 'n'), "too long"}},
                                     target);
  EXPECT_EQ(report.refused, 5u);
  EXPECT_EQ(report.failed, 0u);
  EXPECT_FALSE(report.AllWritten());
  EXPECT_TRUE(report.NothingToRetry());
  EXPECT_EQ(target.committed.size(), 3u);
  EXPECT_EQ(target.committed.at("Windows/x.dll").data, "moved");
  EXPECT_EQ(target.committed.at("x.txt").data, "drive");
  EXPECT_EQ(target.committed.at("ok.txt").data, "fine");
}

TEST(UnpackArchive, NameOf260UnitsIsStillUnpacked) {
  RecordingTarget target;
  EXPECT_TRUE(Unpack({{std::string(260, 'n'), "edge"}}, target).AllWritten());
}

TEST(UnpackArchive, DamagedDataOrAFailingWriteFailsOnlyThatEntry) {
  FixtureEntry damaged{"damaged.txt", "the stored checksum does not match"};
  damaged.wrongChecksum = true;
  RecordingTarget target;
  target.failWritesAfter = 100;
  const UnpackReport report = Unpack({damaged, {"large.txt", std::string(500, 'x')}, {"small.txt", "ok"}}, target);
  EXPECT_EQ(report.failed, 2u);
  EXPECT_EQ(report.written, 1u);
  EXPECT_FALSE(report.NothingToRetry());
  EXPECT_EQ(target.committed.count("damaged.txt"), 0u);
  EXPECT_EQ(target.committed.count("large.txt"), 0u);
  EXPECT_EQ(target.committed.at("small.txt").data, "ok");
}

TEST(UnpackArchive, FolderThatCannotBeMadeFailsItsFiles) {
  RecordingTarget target;
  target.failFolders = true;
  const UnpackReport report = Unpack({{"a/b.txt", "x"}, {"top.txt", "y"}}, target);
  EXPECT_EQ(report.failed, 1u);
  EXPECT_EQ(target.committed.count("top.txt"), 1u);
}

TEST(UnpackArchive, EmptyArchiveHasNothingToDo) {
  RecordingTarget target;
  const UnpackReport report = Unpack({}, target);
  EXPECT_TRUE(report.AllWritten());
  EXPECT_EQ(report.entries, 0u);
  EXPECT_TRUE(target.folderCalls.empty());
}

TEST(UnpackArchive, TimesComeFromTheEntry) {
  FixtureEntry stamped{"t.txt", "x"};
  stamped.centralExtra = unpack_test::ExtendedTimestampBlock(1, {1234567890});
  RecordingTarget target;
  ASSERT_TRUE(Unpack({stamped}, target).AllWritten());
  EXPECT_EQ(target.committed.at("t.txt").times.write, UnixSecondsToTicks(1234567890));
}

TEST(ZipArchive, ReadsFilesThroughItsBufferLikeMemory) {
  std::string big(300000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 2654435761u) >> 13);
  std::vector<FixtureEntry> entries;
  for (int i = 0; i < 30; ++i) entries.push_back({"f/" + std::to_string(i) + ".bin", big.substr(0, 1000u * (i + 1) * 9)});
  entries.push_back({"big.bin", big});
  unpack_test::ScratchFolder scratch;
  unpack_test::WriteZip(scratch.path() / "p.zip", entries);

  auto archive = ZipArchive::OpenFile(scratch.path() / "p.zip");
  ASSERT_TRUE(archive);
  RecordingTarget target;
  ASSERT_TRUE(UnpackArchive(*archive, target).AllWritten());
  for (const auto& entry : entries) EXPECT_EQ(target.committed.at(entry.name).data, entry.data) << entry.name;

  const std::string whole = unpack_test::ReadFileText(scratch.path() / "p.zip");
  unpack_test::WriteFileText(scratch.path() / "cut.zip", whole.substr(0, whole.size() / 2));
  EXPECT_FALSE(ZipArchive::OpenFile(scratch.path() / "cut.zip"));
  EXPECT_FALSE(ZipArchive::OpenFile(scratch.path() / "missing.zip"));
  unpack_test::WriteZip(scratch.path() / "empty.zip", {});
  auto empty = ZipArchive::OpenFile(scratch.path() / "empty.zip");
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->EntryCount(), 0u);
}

TEST(ZipArchive, RefusesWhatIsNoArchive) {
  const std::string noise = "PK\x05\x06 this is not a zip archive at all";
  EXPECT_FALSE(ZipArchive::OpenMemory(reinterpret_cast<const unsigned char*>(noise.data()), noise.size()));
  EXPECT_FALSE(ZipArchive::OpenMemory(nullptr, 0));
  auto bytes = ZipBytes({{"a.txt", "x"}});
  bytes.resize(bytes.size() - 10);  // the end record is cut
  EXPECT_FALSE(ZipArchive::OpenMemory(bytes.data(), bytes.size()));
}

TEST(ZipArchive, CentralDirectoryThatEndsEarlyFailsTheRest) {
  auto bytes = ZipBytes({{"a.txt", "first"}, {"b.txt", "second"}, {"c.txt", "third"}});
  // Spoil the signature of the second central directory record.
  const std::string central = "PK\x01\x02";
  const std::string text(bytes.begin(), bytes.end());
  const std::size_t first = text.find(central);
  const std::size_t second = text.find(central, first + 1);
  ASSERT_NE(second, std::string::npos);
  bytes[second] = 'X';
  auto archive = ZipArchive::OpenMemory(bytes.data(), bytes.size());
  ASSERT_TRUE(archive);
  RecordingTarget target;
  const UnpackReport report = UnpackArchive(*archive, target);
  EXPECT_EQ(report.written, 1u);
  EXPECT_EQ(report.failed, 2u);
}

}  // namespace
}  // namespace unpack
