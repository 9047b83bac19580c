#pragma once
// How a stored entry name becomes a path below the unpacking root.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace unpack {

// Names are kept in UTF-16, as the Win32 file functions take them.
using WideName = std::u16string;

// The longest decoded name that is unpacked, in UTF-16 units.
constexpr std::size_t kMaxNameUnits = 260;

// Stored bytes read as UTF-8 whatever the entry's flags say; malformed
// sequences become U+FFFD.
WideName DecodeUtf8(std::string_view bytes);

// Drops drive letters, leading separators and everything up to a
// "<sep>..<sep>", over and over until none is left.
WideName CleanEntryName(WideName name);

// The folder names and final name of a cleaned name, or nothing when it could
// reach outside the root or name something other than a plain file or folder:
// a ".." component (also at the start), a drive or stream colon, a device name
// (CON, NUL, COM1 ...), a component of only dots and blanks, characters that
// Windows file names cannot hold. Empty and "." components are dropped.
std::optional<std::vector<WideName>> SafeComponents(const WideName& cleaned);

}  // namespace unpack
