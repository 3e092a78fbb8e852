// velt-batch: counts phrases without windows, driven by a settings file.
#include <filesystem>
#include <iostream>
#include <iterator>
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
  engine.SetBatchMode(true);
  engine.SetUpBeforeShow();
  velt::Session& session = engine.session();
  session.run.blnStartUpCompleted = true;

  const int restored = engine.LoadSettingsFile(args.settingsFile);
  if (restored != 0) return kUsageError;
  engine.PrepareBatchRun();

  if (session.settings.source == velt::Source::Clipboard) {
    const std::string input((std::istreambuf_iterator<char>(std::cin)),
                            std::istreambuf_iterator<char>());
    clipboard.SetText(velt::FromUtf8(input));
  }
  engine.cmdCountPhrases_Click();

  std::cout << velt::ToPrintable(session.textWindow.text());
  std::cout.flush();
  return engine.CountReachedListing() ? kListed : kEndedEarly;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const velt::BatchArgsResult parsed = velt::ParseBatchArgs(arguments);
  if (!parsed.args) {
    std::cerr << "velt-batch: " << parsed.error << "\n\n" << velt::BatchUsage();
    return kUsageError;
  }
  if (parsed.args->help) {
    std::cout << velt::BatchUsage();
    return kListed;
  }
  return Run(*parsed.args);
}
