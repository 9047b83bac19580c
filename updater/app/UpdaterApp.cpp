#include "updater/app/UpdaterApp.h"

#include "log/log_message.h"
#include "updater/app/process_op.h"
#include "updater/app/zip_conf_builder.h"

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
  // WINDOWS SEAM: point the skin toolkit at instance_ and at this module's
  // folder (its instance handle and SetResourcePath) once the toolkit exists.
  const ZipConf job = parseZipConf(commandLineTail);

  if (job.forcedUpdate == kForcedUpdateWithNotice) {
    // WINDOWS SEAM: the forced-update notice (a tips box owned by the client's
    // "fenlo" window, mode 0, centred and modal) comes before the client is closed.
    CloseClientAndWait();
  }

  // WINDOWS SEAM: create the updater window, place it in the work area's
  // bottom-right corner, StartUpdate(job), show it and run the message loop.
  return true;
}
