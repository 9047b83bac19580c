#include "launcher/scheme_url.h"

#include <gtest/gtest.h>

#include "launcher/open_command.h"

namespace launcher {
namespace {

struct SchemeCase {
  const wchar_t* commandLine;
  std::optional<std::wstring> remainder;
  std::wstring parameters;
};

TEST(SchemeRemainder, TakesEverythingAfterTheFirstExactPrefix) {
  const SchemeCase cases[] = {
      {L"tavren://room?id=1", L"room?id=1", L"room?id=1"},
      {L"\"tavren://room?id=1\"", L"room?id=1\"", L"room?id=1\""},  // as the registered command quotes it
      {L"-x 5 tavren://abc def", L"abc def", L"abc def"},
      {L"tavren://a tavren://b", L"a tavren://b", L"a tavren://b"},
      {L"tavren://", L"", L""},
      {L"xtavren://y", L"y", L"y"},
      {L"Tavren://room", std::nullopt, L"Tavren://room"},
      {L"TAVREN://room", std::nullopt, L"TAVREN://room"},
      {L"tavren:/room", std::nullopt, L"tavren:/room"},
      {L"-page=home", std::nullopt, L"-page=home"},
      {L"", std::nullopt, L""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SchemeRemainder(c.commandLine), c.remainder) << c.commandLine;
    EXPECT_EQ(ClientParameters(c.commandLine), c.parameters) << c.commandLine;
  }
}

TEST(OpenCommand, QuotesThePathAndTheArgument) {
  EXPECT_EQ(FormatOpenCommand(L"C:\\Apps\\T\\TAVRENLaunch.exe"), L"\"C:\\Apps\\T\\TAVRENLaunch.exe\" \"%1\"");
}

TEST(OpenCommand, KeepsPathsLongerThanTheOld260CharacterBuffer) {
  const std::wstring path = L"C:\\" + std::wstring(600, L'p') + L"\\TAVRENLaunch.exe";
  EXPECT_EQ(FormatOpenCommand(path), L"\"" + path + L"\" \"%1\"");
}

}  // namespace
}  // namespace launcher
