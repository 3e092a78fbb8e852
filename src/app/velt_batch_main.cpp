// velt-batch: counts phrases without windows, driven by a settings file.
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <new>
#include <string>
#include <vector>

#include "engine/batch_args.h"
#include "engine/batch_dialogs.h"
#include "engine/engine.h"
#include "platform/data_dir.h"
#include "reports/report_error.h"
#include "settings/ui_text_table.h"
#include "text/run_error.h"

namespace {

constexpr int kListed = 0;
constexpr int kEndedEarly = 1;
constexpr int kUsageError = 2;

bool IsReadableFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// Every line of the report reached its destination: no run-time error was
// reported, the output file (when it was to be written) received the whole
// report, and a report too long for the text window is in the output file.
bool EveryLineDelivered(const velt::ReportState& reports) {
  if (reports.errorsReported > 0 || reports.outputFileMissed) return false;
  return !reports.textWindowFull || reports.outputFileWritten;
}

int Count(velt::Engine& engine, velt::MemoryClipboard& clipboard, const std::string& settingsFile) {
  velt::Session& session = engine.session();
  // A words-to-ignore file that cannot be loaded has been reported; the count
  // goes on without it, as in the program.
  const int restored = engine.LoadSettingsFile(settingsFile);
  if (restored != velt::restore_result::kRestored &&
      restored != velt::restore_result::kWordsFileNotLoaded) {
    return kUsageError;
  }
  engine.PrepareBatchRun();

  if (session.settings.source == velt::Source::Clipboard) {
    const std::string input((std::istreambuf_iterator<char>(std::cin)),
                            std::istreambuf_iterator<char>());
    clipboard.SetText(velt::FromUtf8(input));
  }
  engine.OnCountClicked();

  const int writeError = velt::WritePrintable(session.textWindow.text(), STDOUT_FILENO);
  if (writeError != 0) {
    std::cerr << "velt-batch: the report could not be written to standard output: "
              << std::strerror(writeError) << "\n";
    return kEndedEarly;
  }
  const bool complete = engine.CountReachedListing() && EveryLineDelivered(session.reports);
  return complete ? kListed : kEndedEarly;
}

int Run(const velt::BatchArgs& args) {
  const std::string dataDir =
      args.dataDir.empty() ? velt::FindDataDir(velt::ExecutableDir()) : args.dataDir;
  velt::UiTextTable texts;
  const std::string textPath = velt::UiTextFilePath(dataDir);
  const int loaded = texts.Load(textPath);
  if (loaded < 1) {
    std::cerr << "[] " << velt::ToUtf8(velt::UiTextLoadErrorMessage(loaded, textPath)) << "\n";
    return kUsageError;
  }
  if (!IsReadableFile(args.settingsFile)) {
    std::cerr << "velt-batch: cannot read the settings file " << args.settingsFile << "\n";
    return kUsageError;
  }

  velt::BatchDialogs dialogs(std::cerr);
  velt::NullView view;
  velt::NullEventPump pump;
  velt::MemoryClipboard clipboard;
  // No state file is read or written: the engine starts as on a first start.
  velt::Engine engine({dialogs, view, pump, clipboard}, texts, {dataDir, std::string()});
  try {
    engine.SetBatchMode(true);
    engine.SetUpBeforeShow();
    engine.session().run.startUpCompleted = true;
    return Count(engine, clipboard, args.settingsFile);
  } catch (const std::bad_alloc&) {
    // Memory ran out outside the steps that report it themselves.
    const velt::RunError error = velt::OutOfMemoryError();
    velt::ReportError(engine.reportContext(), error.number, error.description, u"velt-batch");
    return kEndedEarly;
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const velt::BatchArgsResult parsed = velt::ParseBatchArgs(arguments);
    if (!parsed.args) {
      std::cerr << "velt-batch: " << parsed.error << "\n\n" << velt::BatchUsage();
      return kUsageError;
    }
    if (parsed.args->help) {
      std::cout << velt::BatchUsage();
      std::cout.flush();
      return std::cout ? kListed : kEndedEarly;
    }
    return Run(*parsed.args);
  } catch (const std::bad_alloc&) {
    std::cerr << "velt-batch: Out of memory\n";
    return kEndedEarly;
  }
}
