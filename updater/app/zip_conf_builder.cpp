#include "updater/app/zip_conf_builder.h"

#include <limits>
#include <string_view>

#include "updater/app/CmdLineParser.h"
#include "updater/app/text_conversion.h"

namespace {

constexpr wchar_t kPackageFileName[] = L"update.zip";
constexpr wchar_t kLauncherFileName[] = L"TAVRENLaunch.exe";
constexpr std::wstring_view kPlainScheme = L"http://";
constexpr auto npos = std::wstring::npos;

// The text before its last backslash; empty when it has none.
std::wstring BeforeLastBackslash(const std::wstring& text) {
  const std::size_t last = text.rfind(L'\\');
  return last == npos ? std::wstring() : text.substr(0, last);
}

struct Folders {
  std::wstring clientDic;
  std::wstring launcherBase;
};

// For D:\Apps\Client\temp\ the launcher's folder is D:\Apps\Client\ and the
// unpack folder D:\Apps\ ; a missing backslash at any step leaves nothing.
Folders DeriveFolders(const std::wstring& exeFolder) {
  const std::wstring withoutSlash = BeforeLastBackslash(exeFolder);
  const std::size_t i = withoutSlash.rfind(L'\\');
  Folders folders;
  if (i == npos) return folders;
  folders.launcherBase = withoutSlash.substr(0, i + 1);
  folders.clientDic = FolderOf(withoutSlash.substr(0, i));
  return folders;
}

struct Address {
  std::wstring host;
  std::wstring path;
};

// Only the exact lower-case "http://" prefix is removed; nothing is validated.
Address SplitAddress(std::wstring url) {
  if (url.compare(0, kPlainScheme.size(), kPlainScheme) == 0) url.erase(0, kPlainScheme.size());
  const std::size_t slash = url.find(L'/');
  if (slash == npos) return {std::wstring(), url};
  return {url.substr(0, slash), url.substr(slash)};
}

bool IsCWhiteSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

}  // namespace

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t last = path.rfind(L'\\');
  return last == npos ? std::wstring() : path.substr(0, last + 1);
}

std::int32_t ReadDecimal(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && IsCWhiteSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - L'0');
    if (magnitude > kLimit + 1) magnitude = kLimit + 1;  // saturated; more digits change nothing
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(magnitude > kLimit ? kLimit : magnitude);
}

std::string NarrowPathText(const std::filesystem::path& path) { return WideToNarrow(path.wstring()); }

std::string QuotedPathText(const std::filesystem::path& path) {
  std::string quoted = "\"";
  for (const char c : NarrowPathText(path)) {
    if (c == '"' || c == '&') quoted += '&';
    quoted += c;
  }
  quoted += '"';
  return quoted;
}

ZipConf BuildZipConf(const wchar_t* commandLineTail, const std::wstring& exeFolder) {
  const CCmdLineParser options(commandLineTail);
  const Folders folders = DeriveFolders(exeFolder);
  const Address address = SplitAddress(options.GetValue(L"url"));

  ZipConf conf;
  conf.zipPath = exeFolder + kPackageFileName;
  conf.zipMd5 = WideToNarrow(options.GetValue(L"md5"));
  conf.pageCallParam = WideToNarrow(options.GetValue(L"pagecallparam"));
  conf.launchAfterInstall = true;
  conf.clientDic = folders.clientDic;
  conf.clientExePath = folders.launcherBase + kLauncherFileName;
  conf.urlHost = WideToNarrow(address.host);
  conf.urlPath = WideToNarrow(address.path);
  conf.forcedUpdate = ReadDecimal(options.GetValue(L"forcedupdate"));
  return conf;
}
