#include "platform/path_text.h"

namespace platform {

std::string PathLogText(const std::filesystem::path& path) { return path.native(); }

}  // namespace platform
