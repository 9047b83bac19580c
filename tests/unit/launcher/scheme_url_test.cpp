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

TEST(OpenCommand, ValueFillsAtLeast260CharactersAndAlwaysEndsInZero) {
  const std::wstring shortCommand = FormatOpenCommand(L"C:\\Apps\\T\\TAVRENLaunch.exe");
  const auto shortValue = OpenCommandValue(shortCommand);
  ASSERT_EQ(shortValue.size(), 260u);  // 520 bytes
  EXPECT_EQ(std::wstring(shortValue.data()), shortCommand);
  EXPECT_TRUE(std::all_of(shortValue.begin() + static_cast<std::ptrdiff_t>(shortCommand.size()), shortValue.end(),
                          [](wchar_t c) { return c == L'\0'; }));

  // Paths of 252 characters and more no longer fit the 260-character buffer.
  for (std::size_t pathLength : {252u, 253u, 600u}) {
    const std::wstring command = FormatOpenCommand(std::wstring(pathLength, L'p'));
    const auto value = OpenCommandValue(command);
    EXPECT_EQ(value.size(), std::max<std::size_t>(260, command.size() + 1)) << pathLength;
    EXPECT_EQ(std::wstring(value.data()), command) << pathLength;
  }
}

}  // namespace
}  // namespace launcher
