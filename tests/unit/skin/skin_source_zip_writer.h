#pragma once
// Builds small zip archives in memory for the skin source tests.

#include <string>
#include <vector>

struct TestZipEntry {
  enum class Method { Stored, Deflated };
  std::string name;
  std::string data;
  Method method = Method::Deflated;
  bool badCrc = false;  // records a CRC that does not match the data
};

std::vector<unsigned char> MakeTestZip(const std::vector<TestZipEntry>& entries);
