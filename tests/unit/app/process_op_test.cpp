// The process services against real processes: copies of the stand-in client
// under the client's names. These tests hold the "client_processes" lock, so
// no other test starts or ends client processes meanwhile.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/unit/app/standin_copy.h"
#include "updater/app/process_op.h"

namespace {

constexpr DWORD kEndedWithinMs = 5000;

TEST(FindProcessByName, MatchesTheExecutableFileNameWithoutRegardToAsciiCase) {
  const struct {
    const wchar_t* running;
    const char* lookedFor;
    bool found;
  } cases[] = {
      {L"tavrenclient.exe", "tavrenclient.exe", true},
      {L"TAVRENCLIENT.EXE", "tavrenclient.exe", true},
      {L"wupclient.exe", "WupClient.EXE", true},
      {L"xtavrenclient.exe", "tavrenclient.exe", false},
      {L"tavrenclient.exe.bak", "tavrenclient.exe", false},
      {L"tavrenclient.exe", "tavrenclient", false},
      {L"caf\u00e9client.exe", "caf\xe9" "client.exe", false},
  };
  for (const auto& c : cases) {
    const StandinCopy copy(c.running);
    EXPECT_EQ(FindProcess_ByName(c.lookedFor), c.found ? copy.pid() : 0u)
        << testing::PrintToString(std::wstring(c.running)) << " looked for as " << c.lookedFor;
  }
  EXPECT_EQ(FindProcess_ByName("no-such-program.exe"), 0u);
}

TEST(KillClientProcesses, EndsBothClientsWithCodeNineAndReportsTheSiblingOnly) {
  const struct {
    bool client;
    bool sibling;
    bool result;
  } cases[] = {{true, true, true}, {true, false, false}, {false, true, true}, {false, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "client " << c.client << ", sibling " << c.sibling);
    std::unique_ptr<StandinCopy> client, sibling;
    if (c.client) client = std::make_unique<StandinCopy>(L"tavrenclient.exe");
    if (c.sibling) sibling = std::make_unique<StandinCopy>(L"wupclient.exe");
    EXPECT_EQ(KillClientProcesses(), c.result);
    if (client) {
      EXPECT_EQ(client->ExitCodeAfter(kEndedWithinMs), kClientKilledExitCode);
    }
    if (sibling) {
      EXPECT_EQ(sibling->ExitCodeAfter(kEndedWithinMs), kClientKilledExitCode);
    }
  }
}

TEST(KillClientProcesses, EndsOnlyTheFirstProcessOfEachName) {
  const StandinCopy first(L"tavrenclient.exe");
  const StandinCopy second(L"TavrenClient.exe");
  EXPECT_FALSE(KillClientProcesses());
  const DWORD codes[] = {first.ExitCodeAfter(kEndedWithinMs), second.ExitCodeAfter(500)};
  EXPECT_EQ((codes[0] == kClientKilledExitCode) + (codes[1] == kClientKilledExitCode), 1);
  EXPECT_EQ((codes[0] == STILL_ACTIVE) + (codes[1] == STILL_ACTIVE), 1);
}

TEST(CloseClientAndWait, TrueAtOnceWhenNoClientRuns) { EXPECT_TRUE(CloseClientAndWait()); }

TEST(CloseClientAndWait, WaitsUntilTheClientHasLeftTheProcessList) {
  const StandinCopy client(L"tavrenclient.exe");
  const StandinCopy sibling(L"wupclient.exe");
  EXPECT_TRUE(CloseClientAndWait());
  EXPECT_EQ(FindProcess_ByName(kClientProcessName), 0u);
  EXPECT_EQ(client.ExitCodeAfter(0), kClientKilledExitCode);
  EXPECT_EQ(sibling.ExitCodeAfter(kEndedWithinMs), kClientKilledExitCode);
}

TEST(CloseClientAndWait, GivesUpWhileASecondClientKeepsRunning) {
  const StandinCopy first(L"tavrenclient.exe");
  const StandinCopy second(L"tavrenclient.exe");
  const StandinCopy sibling(L"wupclient.exe");
  EXPECT_FALSE(CloseClientAndWait());
  EXPECT_NE(FindProcess_ByName(kClientProcessName), 0u);
  EXPECT_EQ(sibling.ExitCodeAfter(kEndedWithinMs), kClientKilledExitCode);
}

TEST(CloseClientAndWait, WithoutTheSiblingItOnlyLooksOnce) {
  const StandinCopy client(L"tavrenclient.exe");
  const bool result = CloseClientAndWait();
  EXPECT_EQ(client.ExitCodeAfter(kEndedWithinMs), kClientKilledExitCode);
  // Usually false: the ended client has not left the list at the moment of the look.
  if (result) {
    EXPECT_EQ(FindProcess_ByName(kClientProcessName), 0u);
  }
}

TEST(StandinClient, MainWindowHasTheClientsWindowClass) {
  const StandinCopy client(L"tavren.exe", StandinCopy::MainWindow::Yes);
  HWND window = nullptr;
  for (int i = 0; i < 100 && window == nullptr; ++i, Sleep(50)) window = FindWindowW(L"fenlo", nullptr);
  ASSERT_NE(window, nullptr);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  EXPECT_EQ(owner, client.pid());
}

}  // namespace
