#include "platform/process_facts.h"

#include <limits.h>
#include <unistd.h>

namespace platform {

std::string ExecutableFolder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) return {};
  std::string text(path, static_cast<std::size_t>(length));
  const std::size_t separator = text.rfind('/');
  return separator == std::string::npos ? std::string() : text.substr(0, separator + 1);
}

std::uint32_t CurrentProcessId() { return static_cast<std::uint32_t>(getpid()); }

}  // namespace platform
