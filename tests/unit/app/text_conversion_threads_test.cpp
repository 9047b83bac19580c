// Conversions switch the process-wide LC_CTYPE; the main and the download
// threads convert at the same time.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "updater/app/text_conversion.h"

namespace {

TEST(TextConversionThreads, ThreadsConvertAtTheSameTimeWithoutRacing) {
  constexpr int kThreads = 4;
  constexpr int kRounds = 500;
  std::vector<int> wrong(kThreads, 0);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &wrong] {
      const std::wstring wide = L"D:\\Apps\\Client" + std::to_wstring(t) + L"\\temp\\update.td" + std::to_wstring(t);
      const std::string narrow(wide.begin(), wide.end());
      for (int r = 0; r < kRounds; ++r) {
        if (WideToNarrow(wide) != narrow || NarrowToWide(narrow) != wide) ++wrong[t];
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, std::vector<int>(kThreads, 0));
}

}  // namespace
