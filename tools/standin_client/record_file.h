#pragma once
// The stand-in client's record: one UTF-8 line per event, appended by opening,
// writing and closing the file each time, so tests can read it at any moment.

#include <cstddef>
#include <string>

namespace standin {

class RecordFile {
 public:
  // STANDIN_CLIENT_RECORD when set, else "<own folder>\<own file name>.record".
  static RecordFile FromEnvironment();

  explicit RecordFile(std::wstring path) : path_(std::move(path)) {}
  void AppendLine(const std::string& utf8Line) const;
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

std::string ToUtf8(const std::wstring& text);
std::string LowerHex(const unsigned char* bytes, std::size_t count);
// "YYYY-MM-DDTHH:MM:SS.mmm", UTC.
std::string UtcTimestamp();

}  // namespace standin
