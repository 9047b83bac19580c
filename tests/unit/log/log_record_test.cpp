#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "log/log_message.h"
#include "log/loggers.h"
#include "log/outputdebug_stream.h"

namespace {

std::tm Utc(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST(RecordHeader, NumbersHaveNoPadding) {
  EXPECT_EQ(qlog::FormatRecordHeader("ZUL", qlog::kInfo, Utc(2026, 3, 7, 9, 5, 3)), "[ZUL][I][2026-3-7 9:5:3] ");
  EXPECT_EQ(qlog::FormatRecordHeader("LOM", qlog::kTrace, Utc(2027, 1, 1, 0, 0, 0)), "[LOM][T][2027-1-1 0:0:0] ");
  EXPECT_EQ(qlog::FormatRecordHeader("LOM", qlog::kError, Utc(2026, 12, 31, 23, 59, 59)),
            "[LOM][E][2026-12-31 23:59:59] ");
}

TEST(RecordHeader, LevelLetters) {
  const struct {
    std::uint32_t level;
    char letter;
  } cases[] = {{0, 'T'}, {1, 'D'}, {2, 'I'}, {3, 'W'}, {4, 'E'}, {5, 'F'}, {6, 'O'}, {0xFFFFFFFFu, 'O'}};
  for (const auto& c : cases) EXPECT_EQ(qlog::LevelLetter(c.level), c.letter) << c.level;
}

// A root logger stand-in that keeps what it was given.
class CapturingLogger : public qlog::QeLogger {
 public:
  CapturingLogger() : QeLogger("TST", Sinks::Debugger) {}
  bool deliver(qlog::LogData& record) override {
    delivered.assign(record.text(), record.length());
    ++deliveries;
    return true;
  }
  std::string delivered;
  int deliveries = 0;
};

TEST(LogRecord, EndsWithExactlyOneLineFeed) {
  const struct {
    std::string text;
    std::string tail;
  } cases[] = {{"", "] \n"}, {"par: x", "par: x\n"}, {"done\n", "done\n"}};
  for (const auto& c : cases) {
    CapturingLogger logger;
    { n_log::CustomLogMessage(__FILE__, __LINE__, qlog::kInfo, logger, "Test").stream() << c.text; }
    ASSERT_EQ(logger.deliveries, 1);
    ASSERT_GE(logger.delivered.size(), c.tail.size());
    EXPECT_EQ(logger.delivered.substr(logger.delivered.size() - c.tail.size()), c.tail) << c.text;
    EXPECT_EQ(logger.delivered.rfind("[TST][I][", 0), 0u);
  }
}

TEST(LogRecord, TextPastTheBufferIsCutTo19999CharactersAndALineFeed) {
  CapturingLogger logger;
  { n_log::CustomLogMessage("a/b/UpdaterApp", 7, qlog::kTrace, logger, "f").stream() << std::string(30000, 'x') << "tail"; }
  ASSERT_EQ(logger.delivered.size(), 20000u);
  EXPECT_EQ(logger.delivered.back(), '\n');
  EXPECT_EQ(logger.delivered[19998], 'x');
}

TEST(LogRecord, FlushDeliversOnce) {
  CapturingLogger logger;
  {
    n_log::CustomLogMessage record("x.cpp", 1, qlog::kFatal, logger, "f");
    record.stream() << "fatal does not stop";
    record.flush();
    record.flush();
  }
  EXPECT_EQ(logger.deliveries, 1);
}

TEST(LogRecord, RemembersItsCallSite) {
  qlog::LogData data(qlog::kInfo, 315, "src\\launcher/Stelmore.cpp", 0);
  EXPECT_STREQ(data.fileName, "Stelmore.cpp");
  qlog::LogData windows(qlog::kInfo, 1, "C:\\src\\Stelmore.cpp", 0);
  EXPECT_STREQ(windows.fileName, "Stelmore.cpp");
  qlog::LogData bare(qlog::kInfo, 1, "Stelmore", 0);
  EXPECT_STREQ(bare.fileName, "Stelmore");
}

TEST(Sinks, FilterPassesLevelsFromItsLowestOn) {
  std::ostringstream out;
  qlog::OstreamLogger target(out);
  qlog::FilteringLogger filter(qlog::kWarn, &target, false);
  qlog::LogData info(qlog::kInfo, 1, "f", 0);
  info.stream << "info";
  info.Terminate();
  qlog::LogData error(qlog::kError, 1, "f", 0);
  error.stream << "error";
  error.Terminate();
  EXPECT_TRUE(filter.deliver(info));
  EXPECT_TRUE(filter.deliver(error));
  EXPECT_EQ(out.str(), "error\n");

  qlog::FilteringLogger noTarget(0, nullptr, false);
  EXPECT_FALSE(noTarget.deliver(error));
}

std::vector<std::size_t> g_pieceSizes;
void RecordPiece(const std::string& piece) { g_pieceSizes.push_back(piece.size()); }

TEST(DebuggerStream, EmitsFullAreasThenTheRestOnFlush) {
  g_pieceSizes.clear();
  qlog::OutputDebugStringBuf buffer(RecordPiece);
  std::ostream stream(&buffer);
  stream.write(std::string(600, 'a').data(), 600);
  EXPECT_EQ(g_pieceSizes, (std::vector<std::size_t>{256, 256}));
  stream.flush();
  EXPECT_EQ(g_pieceSizes, (std::vector<std::size_t>{256, 256, 88}));
  stream.flush();
  EXPECT_EQ(g_pieceSizes.size(), 3u) << "an empty area emits nothing";
}

}  // namespace
