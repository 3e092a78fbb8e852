#include "e2e/batch_test.h"

#include <filesystem>

#include "settings/state_format.h"
#include "text/text.h"

namespace velt::e2e {

std::string BatchProgram() {
  return std::string(VELT_BIN_DIR) + "/velt-batch";
}

ChildResult RunBatchWith(const std::vector<std::string>& arguments, const std::string& input,
                         const std::vector<std::string>& environment) {
  return RunChild(BatchProgram(), arguments, input, environment);
}

Settings SingleFileSettings(const std::string& input, const std::string& output) {
  Settings settings;
  settings.source = Source::SingleFile;
  settings.filePaths[0] = FromUtf8(input);
  settings.filePaths[1] = FromUtf8(output);
  return settings;
}

Settings FolderSettings(const std::string& folder, const std::string& output) {
  Settings settings;
  settings.source = Source::Folder;
  settings.inputFolder = FromUtf8(folder);
  settings.filePaths[1] = FromUtf8(output);
  return settings;
}

std::string WithCrLf(const std::string& lfText) {
  std::string out;
  for (const char c : lfText) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

ChildResult BatchTest::Run(const Settings& settings, const std::string& input) {
  const std::string settingsFile = scratch_.Write("settings.velt", FormatStateRecords(settings));
  std::filesystem::create_directories(TempDir());
  return RunBatchWith({settingsFile}, input, {"TMPDIR=" + TempDir()});
}

}  // namespace velt::e2e
