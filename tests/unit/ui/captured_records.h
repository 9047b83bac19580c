#pragma once
// The test program's root logger keeps every record it is given, so that a
// test can read what was logged.

#include <string>
#include <vector>

namespace captured_records {

struct Record {
  unsigned level;
  std::string text;  // without header and line feed
};

// Forgets what was kept so far.
void Clear();
std::vector<Record> Taken();

}  // namespace captured_records
