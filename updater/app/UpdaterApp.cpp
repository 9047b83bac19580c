#include "updater/app/UpdaterApp.h"

#include "log/log_message.h"
#include "skin/markup/skin_source.h"
#include "skin/toolkit/skin_manager.h"
#include "updater/app/process_op.h"
#include "updater/app/zip_conf_builder.h"
#include "updater/ui/shipped_job.h"
#include "updater/ui/update_run.h"

namespace {

constexpr char kParseZipConfFunction[] = "parseZipConf";
// The job records keep the lines they have always been known by.
constexpr std::uint32_t kZipPathRecordLine = 120;
constexpr std::uint32_t kZipMd5RecordLine = 121;
constexpr std::uint32_t kClientDicRecordLine = 122;
constexpr std::uint32_t kClientExePathRecordLine = 123;

}  // namespace

ZipConf parseZipConf(const wchar_t* commandLineTail) {
  ZipConf conf = BuildZipConf(commandLineTail, GetExeFolder());
  QLOG_RECORD(qlog::kTrace, kZipPathRecordLine, kParseZipConfFunction) << "zipPath: " << NarrowPathText(conf.zipPath);
  QLOG_RECORD(qlog::kTrace, kZipMd5RecordLine, kParseZipConfFunction) << "zipMd5: " << conf.zipMd5;
  QLOG_RECORD(qlog::kTrace, kClientDicRecordLine, kParseZipConfFunction)
      << "clientDic: " << QuotedPathText(conf.clientDic);
  QLOG_RECORD(qlog::kTrace, kClientExePathRecordLine, kParseZipConfFunction)
      << "clientExePath: " << QuotedPathText(conf.clientExePath);
  return conf;
}

bool UpdaterApp::Run(const wchar_t* commandLineTail) {
  // The skins come from this program's resources; plain files would be
  // looked for next to it.
  CSkinManager::SetInstance(instance_);
  CSkinSource::Process().SetResourcePath(GetExeFolder());
  const ZipConf job = parseZipConf(commandLineTail);

  const auto closeClient = [] { CloseClientAndWait(); };
  UpdateRunHooks hooks;
  hooks.closeClient = closeClient;
  hooks.makeJob = ShippedJobMaker(WideToNarrow(GetExeFolder()),
                                  {[] { return FindProcess_ByName(kClientProcessName) != 0; }, closeClient});
  RunUpdateWindows(job, hooks);
  return true;
}
