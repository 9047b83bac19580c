// The updater window's texts and arithmetic: language choice, percentage,
// progress line, corner placement and widening after a retry.

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "updater/ui/progress_line.h"
#include "updater/ui/ui_texts.h"
#include "updater/ui/window_corner.h"

TEST(TextsFor, OnlyChinesePrcGetsTheChineseTexts) {
  struct Case {
    std::uint16_t language;
    const wchar_t* title;
  };
  for (const Case& c : std::vector<Case>{{2052, L"\u5347\u7ea7\u7a0b\u5e8f"},
                                         {1033, L"Update Program"},
                                         {1028, L"Update Program"},  // Chinese (Taiwan)
                                         {0, L"Update Program"}}) {
    SCOPED_TRACE(c.language);
    EXPECT_STREQ(TextsFor(c.language).windowTitle, c.title);
  }
}

TEST(DownloadPercent, ComputesInSixtyFourBitsAndClampsAtHundred) {
  struct Case {
    std::uint64_t received, total;
    std::uint32_t percent;
  };
  const std::vector<Case> cases = {
      {0, 0, 0},
      {500, 0, 0},  // length not known yet
      {1, 3, 33},
      {1003, 1003, 100},
      {1500, 1000, 100},  // a failed attempt's bytes are still counted
      {5000000000ull, 10000000000ull, 50},
      {ULLONG_MAX, 1, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.received) + "/" + std::to_string(c.total));
    EXPECT_EQ(DownloadPercent(c.received, c.total), c.percent);
  }
}

TEST(ProgressLine, JoinsTextPercentAndRetrySuffix) {
  struct Case {
    std::uint16_t language;
    bool forced;
    std::uint32_t percent;
    std::uint32_t retry;
    std::wstring line;
  };
  const std::vector<Case> cases = {
      {2052, true, 42, 0,
       L"\u5ba2\u6237\u7aef\u6709\u65b0\u7248\u672c\uff0c\u6b63\u5728\u81ea\u52a8\u66f4\u65b0\uff0c\u8bf7\u7a0d\u5019\u54e6...42%"},
      {2052, false, 0, 1,
       L"\u65b0\u7248\u672c\u4e0b\u8f7d\u4e2d\uff0c\u5efa\u8bae\u4e0b\u8f7d\u5b8c\u6210\u540e\u518d\u8fdb\u5165\u6559\u5ba4...0%"
       L"\uff08\u91cd\u8bd5\u7b2c1\u6b21)"},
      {1033, true, 7, 9, L"Find new version for client, updating now ......7%\uff08Retring for 9 times)"},
      {1033, true, 250, 0, L"Find new version for client, updating now ......100%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percent);
    EXPECT_EQ(ProgressLine(TextsFor(c.language), c.forced, c.percent, c.retry), c.line);
  }
}

TEST(ProgressLine, IsCutAtItsLimit) {
  const std::wstring longText(400, L'x');
  UiTexts texts = TextsFor(1033);
  texts.progressNormal = longText.c_str();
  const std::wstring line = ProgressLine(texts, false, 50, 3);
  EXPECT_EQ(line, std::wstring(kProgressLineLimit, L'x'));
}

TEST(CornerPosition, IsTheWorkAreaSizeLessTheWindowSize) {
  struct Case {
    skin::Rect workArea;
    skin::Point position;
  };
  const skin::Rect window{0, 0, 360, 150};
  for (const Case& c : std::vector<Case>{{{0, 0, 1920, 1040}, {1560, 890}},
                                         {{100, 0, 1920, 1040}, {1460, 890}},  // taskbar on the left
                                         {{0, 0, 1280, 800}, {920, 650}}}) {
    const skin::Point p = CornerPosition(c.workArea, window);
    EXPECT_EQ(p.x, c.position.x);
    EXPECT_EQ(p.y, c.position.y);
  }
}

TEST(WidenedForRetries, KeepsTheRightEdgeTopAndHeight) {
  EXPECT_EQ(WidenedForRetries({970, 700, 1280, 800}), (skin::Rect{920, 700, 1280, 800}));
  // A second widening changes nothing.
  EXPECT_EQ(WidenedForRetries({920, 700, 1280, 800}), (skin::Rect{920, 700, 1280, 800}));
}
