#include "platform/local_time.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "unpack/entry_times.h"

namespace platform {
namespace {

// Sets the process's time zone for one test.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    if (saved_) setenv("TZ", saved_->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> saved_;
};

struct ZoneCase {
  const char* zone;
  CivilTime local;
  std::int64_t utcSeconds;
};

TEST(LocalTimeToUtcTicks, ReadsTheTimeInTheProcessZone) {
  const ZoneCase cases[] = {
      {"UTC0", {2021, 6, 15, 12, 30, 10}, 1623760210},
      {"CST-8", {2021, 6, 15, 12, 30, 10}, 1623760210 - 8 * 3600},
      {"EST5EDT,M3.2.0,M11.1.0", {2021, 6, 15, 12, 30, 10}, 1623760210 + 4 * 3600},  // summer time
      {"EST5EDT,M3.2.0,M11.1.0", {2021, 1, 15, 12, 30, 10}, 1610713810 + 5 * 3600},
  };
  for (const auto& c : cases) {
    TimeZone zone(c.zone);
    EXPECT_EQ(LocalTimeToUtcTicks(c.local), unpack::UnixSecondsToTicks(c.utcSeconds)) << c.zone;
  }
}

}  // namespace
}  // namespace platform
