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
#include "settings/ui_text_table.h"

namespace {

constexpr int kListed = 0;
constexpr int kEndedEarly = 1;
constexpr int kUsageError = 2;

bool IsReadableFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

int Count(velt::Engine& engine, velt::MemoryClipboard& clipboard, const std::string& settingsFile) {
  // A words-to-ignore file that cannot be loaded has been reported; the count
  // goes on without it, as in the program.
  const velt::RestoreStatus restored = engine.LoadSettingsFile(settingsFile);
  if (restored != velt::RestoreStatus::Restored &&
      restored != velt::RestoreStatus::WordsFileNotLoaded) {
    return kUsageError;
  }
  engine.PrepareBatchRun();

  if (engine.CountsTheClipboard()) {
    const std::string input((std::istreambuf_iterator<char>(std::cin)),
                            std::istreambuf_iterator<char>());
    clipboard.SetText(velt::FromUtf8(input));
  }
  engine.CountCommand();

  const int writeError = velt::WritePrintable(engine.TextWindowText(), STDOUT_FILENO);
  if (writeError != 0) {
    std::cerr << "velt-batch: the report could not be written to standard output: "
              << std::strerror(writeError) << "\n";
    return kEndedEarly;
  }
  return engine.EveryLineDelivered() ? kListed : kEndedEarly;
}

int Run(const velt::BatchArgs& args) {
  const std::string dataDir =
      args.dataDir.empty() ? velt::FindDataDir(velt::ExecutableDir()) : args.dataDir;
  velt::UiTextTable texts;
  const std::string textPath = velt::UiTextFilePath(dataDir);
  const velt::UiTextLoadResult loaded = texts.Load(textPath);
  if (!loaded.loaded()) {
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
    engine.StartBatch();
    return Count(engine, clipboard, args.settingsFile);
  } catch (const std::bad_alloc&) {
    // Memory ran out outside the steps that report it themselves.
    engine.ReportOutOfMemory(u"velt-batch");
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
