// The install step of the update job, with a virtual clock and fake system
// services: client wait, forced unpack with its retry window, failure report,
// launch window and launcher hand-over.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "log/log_level.h"
#include "platform/path_text.h"
#include "tests/unit/ui/captured_records.h"
#include "updater/install/zip_downloader.h"
#include "updater/install/zip_installer.h"

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::ElementsAreArray;

namespace {

// Fake system: the clock moves only when the code sleeps; every call is noted.
struct FakeSystem {
  std::uint32_t now = 0;
  int clientLooksLeft = 0;  // how many looks still find the client
  std::vector<std::string> events;
  std::vector<std::uint32_t> sleeps;
  std::uint32_t failureReportedAt = 0;
  fs::path unpackedPackage, unpackedFolder;
  std::wstring launcherParameters;

  InstallServices Services() {
    InstallServices s;
    s.clientRunning = [this] { return clientLooksLeft-- > 0; };
    s.closeClient = [this] { events.push_back("close client"); };
    s.unpack = [this](const fs::path& package, const fs::path& folder) {
      unpackedPackage = package;
      unpackedFolder = folder;
      events.push_back("unpack " + package.filename().string() + " into " + folder.filename().string());
    };
    s.reportFailure = [this] {
      failureReportedAt = now;
      events.push_back("report failure");
    };
    s.showLaunchWindow = [this] { events.push_back("launch window"); };
    s.startLauncher = [this](const fs::path& program, const std::wstring& parameters) {
      launcherParameters = parameters;
      events.push_back("start " + program.filename().string() + " with " + std::string(parameters.begin(), parameters.end()));
    };
    s.tickCount = [this] { return now; };
    s.sleep = [this](std::uint32_t ms) {
      sleeps.push_back(ms);
      now += ms;
    };
    return s;
  }
};

class ScratchFolder {
 public:
  ScratchFolder() : path_(fs::temp_directory_path() / ("zip_install_test_" + std::to_string(counter_++))) {
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

ZipConf ConfFor(const fs::path& root, int forced, const std::wstring& pageCallParam) {
  ZipConf conf;
  conf.zipPath = root / "Client" / "temp" / "update.zip";
  conf.clientDic = root / "";
  conf.clientExePath = root / "Client" / "TAVRENLaunch.exe";
  conf.launchAfterInstall = true;
  conf.urlHost = "127.0.0.1:1";
  conf.urlPath = "/update.zip";
  conf.pageCallParam = pageCallParam;
  conf.forcedUpdate = forced;
  return conf;
}

// The job is built but never started: DoInstall needs no download.
void RunInstall(const ZipConf& conf, FakeSystem& system) {
  JobEnvironment environment;
  environment.jobFolder = platform::PathLogText(conf.zipPath.parent_path() / "");
  ZipDownloader job(conf, environment, system.Services());
  captured_records::Clear();
  job.DoInstall();
}

std::vector<std::string> RecordTexts() {
  std::vector<std::string> texts;
  for (const auto& r : captured_records::Taken()) texts.push_back(r.text);
  return texts;
}

}  // namespace

TEST(DoInstall, ClosesTheClientUntilItIsGoneThenHandsOver) {
  struct Case {
    const char* name;
    int forced;
    int clientLooks;
    std::vector<std::string> events;
    std::vector<std::uint32_t> sleeps;
  };
  const std::vector<Case> cases = {
      {"normal update, client not running", 0, 0,
       {"launch window", "start TAVRENLaunch.exe with page=1"}, {300}},
      {"normal update, client found twice", 0, 2,
       {"close client", "close client", "launch window", "start TAVRENLaunch.exe with page=1"}, {500, 500, 300}},
      {"forced update unpacks into the client folder", 1, 0,
       {"unpack update.zip into ", "launch window", "start TAVRENLaunch.exe with page=1"}, {500, 300}},
      {"any non-zero number is forced", -3, 1,
       {"close client", "unpack update.zip into ", "launch window", "start TAVRENLaunch.exe with page=1"},
       {500, 500, 300}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder root;
    FakeSystem system;
    system.clientLooksLeft = c.clientLooks;
    RunInstall(ConfFor(root.path(), c.forced, L"page=1"), system);
    EXPECT_THAT(system.events, ElementsAreArray(c.events));
    EXPECT_THAT(system.sleeps, ElementsAreArray(c.sleeps));
    std::vector<std::string> expected(static_cast<std::size_t>(c.clientLooks), "Zul is running");
    expected.push_back("install success");
    EXPECT_THAT(RecordTexts(), ElementsAreArray(expected));
  }
}

TEST(DoInstall, EmptyPageParametersStartTheLauncherWithAnEmptyLine) {
  ScratchFolder root;
  FakeSystem system;
  RunInstall(ConfFor(root.path(), 0, L""), system);
  EXPECT_THAT(system.events, ElementsAre("launch window", "start TAVRENLaunch.exe with "));
}

TEST(DoInstall, PageParametersReachTheLauncherUnchanged) {
  ScratchFolder root;
  FakeSystem system;
  const std::wstring parameters = L"tavren://class?room=\u8bfe\u5802&name=\"a b\"";
  RunInstall(ConfFor(root.path(), 0, parameters), system);
  EXPECT_EQ(system.launcherParameters, parameters);
}

TEST(DoInstall, LaunchesNothingWhenTheJobSaysNot) {
  ScratchFolder root;
  FakeSystem system;
  ZipConf conf = ConfFor(root.path(), 1, L"p");
  conf.launchAfterInstall = false;
  RunInstall(conf, system);
  EXPECT_THAT(system.events, ElementsAre("unpack update.zip into "));
}

TEST(DoInstall, ForcedInstallCreatesMissingFoldersBeforeUnpacking) {
  ScratchFolder root;
  FakeSystem system;
  ZipConf conf = ConfFor(root.path(), 1, L"p");
  conf.clientDic = root.path() / "new" / "nested" / "";
  RunInstall(conf, system);
  EXPECT_TRUE(fs::is_directory(root.path() / "new" / "nested"));
  EXPECT_EQ(system.events.front(), "unpack update.zip into ");
}

// Folder names outside the ANSI code page reach the unpacker unchanged.
TEST(DoInstall, ForcedInstallKeepsWideFolderNames) {
  ScratchFolder root;
  FakeSystem system;
  ZipConf conf = ConfFor(root.path(), 1, L"p");
  conf.zipPath = root.path() / fs::u8path(u8"\u8bfe\u5802") / "temp" / "update.zip";
  conf.clientDic = root.path() / fs::u8path(u8"\u8bfe\u5802\u8d44\u6599") / "";
  RunInstall(conf, system);
  EXPECT_EQ(system.unpackedPackage, conf.zipPath);
  EXPECT_EQ(system.unpackedFolder, conf.clientDic);
  EXPECT_TRUE(fs::is_directory(conf.clientDic));
}

// A folder below a plain file can never be created: the install keeps trying
// every 2000 ms and gives up once more than 60000 ms have passed, measured
// with an unsigned difference so that a wrapping tick count does no harm.
TEST(DoInstall, ForcedInstallGivesUpAfterTheRetryWindow) {
  for (const std::uint32_t start : {0u, 0xFFFF0000u}) {
    SCOPED_TRACE(start);
    ScratchFolder root;
    std::ofstream(root.path() / "blocker") << "x";
    FakeSystem system;
    system.now = start;
    ZipConf conf = ConfFor(root.path(), 1, L"p");
    conf.clientDic = root.path() / "blocker" / "client" / "";
    RunInstall(conf, system);

    EXPECT_THAT(system.events, ElementsAre("report failure", "launch window", "start TAVRENLaunch.exe with p"));
    EXPECT_EQ(static_cast<std::uint32_t>(system.failureReportedAt - start), 62000u);
    const std::vector<std::uint32_t> pauses(31, 2000);
    std::vector<std::uint32_t> expected = pauses;
    expected.push_back(300);
    EXPECT_THAT(system.sleeps, ElementsAreArray(expected));

    const auto records = captured_records::Taken();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].text, "update install failed");
    EXPECT_EQ(records[1].text, "zipName: " + conf.zipPath.string());
    EXPECT_EQ(records[2].text, "folder: " + conf.clientDic.string());
    EXPECT_EQ(records[3].text, "install success");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(records[static_cast<std::size_t>(i)].level, qlog::kError);
    EXPECT_EQ(records[3].level, qlog::kInfo);
  }
}

TEST(ZipInstaller, AnEmptyFolderCannotBeCreated) {
  FakeSystem system;
  const ZipInstaller installer{"update.zip", fs::path()};
  EXPECT_FALSE(installer.Install(system.Services()));
  EXPECT_TRUE(system.events.empty());
}
