#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "skin/markup/skin_source.h"
#include "skin_source_zip_writer.h"

namespace {

// Windows are built on the main thread and on the download worker alike, and
// both read the one archive of the process.
TEST(SkinSourceThreads, ConcurrentReadsOfTheArchiveEachGetTheirEntry) {
  constexpr int kThreads = 4;
  constexpr int kReads = 200;
  std::vector<TestZipEntry> entries;
  for (int t = 0; t < kThreads; ++t) {
    entries.push_back({"entry" + std::to_string(t) + ".xml", std::string(5000 + t, static_cast<char>('a' + t))});
  }
  const auto zip = MakeTestZip(entries);
  CSkinSource source;
  source.SetResourceZip(zip.data(), zip.size());

  std::vector<int> mismatches(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      const std::wstring name = L"ENTRY" + std::to_wstring(t) + L".XML";
      for (int i = 0; i < kReads; ++i) {
        std::vector<unsigned char> bytes;
        const bool ok = source.ReadSkinFile(name, bytes) == SkinReadStatus::Ok &&
                        std::string(bytes.begin(), bytes.end()) == entries[t].data;
        if (!ok) ++mismatches[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(mismatches, std::vector<int>(kThreads, 0));
}

}  // namespace
