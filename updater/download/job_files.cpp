#include "updater/download/job_files.h"

#include <cstdio>

std::string PartFileName(const std::string& jobFile, int index) { return jobFile + std::to_string(index); }

void RemoveFile(const std::string& path) { std::remove(path.c_str()); }

bool MoveFileReplacing(const std::string& from, const std::string& to) {
  // The Windows runtime's rename refuses an existing target.
  RemoveFile(to);
  return std::rename(from.c_str(), to.c_str()) == 0;
}
