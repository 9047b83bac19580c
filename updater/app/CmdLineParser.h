#pragma once
// Splits the updater's command-line tail into -key=value options.
//   -url=ADDRESS -md5=DIGEST -pagecallparam="TEXT WITH BLANKS" -forcedupdate=1
// Keys are stored and looked up without regard to the case of A-Z; the first
// occurrence of a key wins. Every text gives some set of pairs, possibly none.

#include <map>
#include <string>

class CCmdLineParser {
 public:
  using ValueMap = std::map<std::wstring, std::wstring>;

  explicit CCmdLineParser(const wchar_t* commandLine);
  virtual ~CCmdLineParser() = default;

  void Parse(const wchar_t* commandLine);
  // The entry of the key, or end() when it was not given.
  ValueMap::const_iterator FindKey(const std::wstring& key) const;
  ValueMap::const_iterator begin() const { return values.begin(); }
  ValueMap::const_iterator end() const { return values.end(); }
  // Empty when the key is absent (indistinguishable from an empty value).
  std::wstring GetValue(const std::wstring& key) const;

 private:
  void Store(std::wstring key, std::wstring value);

  ValueMap values;
};
