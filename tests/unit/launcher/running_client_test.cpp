#include "launcher/running_client.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "zip_fixture.h"

namespace launcher {
namespace {

namespace fs = std::filesystem;

// A long-lived program started under a name of the test's choice.
class NamedProcess {
 public:
  NamedProcess(const fs::path& folder, const wchar_t* name) {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    // A folder of its own: names that differ in case are one file name.
    fs::create_directories(folder);
    const fs::path copy = folder / name;
    fs::copy_file(fs::path(system) / L"notepad.exe", copy);
    std::wstring commandLine = L"\"" + copy.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    started_ = CreateProcessW(copy.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                              &info_);
    if (started_) WaitForInputIdle(info_.hProcess, 5000);
  }
  ~NamedProcess() {
    if (!started_) return;
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool started() const { return started_; }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

TEST(FindRunningClient, MatchesTheExactProcessNameOnly) {
  EXPECT_FALSE(FindRunningClient(ClientPrompt::Silent));
  unpack_test::ScratchFolder scratch;
  {
    NamedProcess otherCase(scratch.path() / "other", L"Tavren.exe");
    ASSERT_TRUE(otherCase.started());
    EXPECT_FALSE(FindRunningClient(ClientPrompt::Silent));
  }
  NamedProcess client(scratch.path() / "client", L"tavren.exe");
  ASSERT_TRUE(client.started());
  EXPECT_TRUE(FindRunningClient(ClientPrompt::Silent));
}

}  // namespace
}  // namespace launcher
