// Shared pieces of the state-file tests: a settings record that differs from
// the defaults in every persisted field, its file lines and a recording double
// of the restore hooks.
#pragma once

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "doubles/scratch_dir.h"
#include "settings/settings.h"
#include "settings/state_file_hooks.h"

namespace velt::testing {

inline Settings NonDefaultSettings() {
  Settings s;
  s.inputFolder = u"/home/ann/corpus";
  s.extraWords = u"ibid vide";
  s.filePaths = {u"/home/ann/in.txt", u"/home/ann/out.txt"};
  s.pathPatterns = {u"*.txt *.htm", u"draft"};
  s.shortWordSizeIndex = 4;
  s.longWordSizeIndex = 5;
  for (bool* box : s.SettingsCheckboxes())
    *box = !*box;
  s.outputToFileDisabled = true;
  s.includeSubfolders = true;
  s.wordOrder = 1;
  s.displayFormat = 12;
  s.wordsFileList = {{u"/w/a.txt", u"/w/cwds_fr.txt"}, 1};
  s.source = Source::Folder;
  s.phraseLengthIndexes = {3, 10};
  s.minimumFrequencyIndex = 7;
  s.relativeFrequency = true;
  s.sortByNumberOfFiles = true;
  s.commonWordsLanguage = 5;
  s.filterWords = u"\u00E9t\u00E9 \u00E7a";
  s.filterMode = FilterMode::Subphrase;
  s.ignoreMode = IgnoreMode::RemoveIgnored;
  return s;
}

// The records of NonDefaultSettings(), written out by hand from the format's
// table: record n is element n - 1.
inline std::vector<std::string> NonDefaultLines() {
  const std::string records =
      "\"/home/ann/corpus\"|\"ibid vide\"|\"/home/ann/in.txt\"|\"*.txt *.htm\"|"  // 1-4
      "\"/home/ann/out.txt\"|\"draft\"|4|5|"                                      // 5-8
      "0|0|1|0|1|0|1|1|1|1|1|1|1|1|1|1|1|"                                        // 9-25 flags
      "1|1|1|1|1|12|1|"                       // 26-32 flags, order, format, 7-bit
      "2|\"/w/a.txt\"|\"/w/cwds_fr.txt\"|1|"  // 33-36 the list
      "2|1|0|0|0|1|3|10|7|"                   // 37 source, 38-42 boundaries, 43-45
      "0|1|1|1|5|\"\xC3\xA9t\xC3\xA9 \xC3\xA7"
      "a\"|2|"     // 46-50 flags, language, 51 filter words, 52 filter mode
      "0|0|-1|0";  // 53-56 ignore options
  std::vector<std::string> lines;
  std::string::size_type from = 0;
  for (std::string::size_type bar; (bar = records.find('|', from)) != std::string::npos;
       from = bar + 1) {
    lines.push_back(records.substr(from, bar - from));
  }
  lines.push_back(records.substr(from));
  return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, size_t count,
                             const std::string& end = "\r\n") {
  std::string out;
  for (size_t k = 0; k < count && k < lines.size(); ++k)
    out += lines[k] + end;
  return out;
}

inline std::string JoinLines(const std::vector<std::string>& lines) {
  return JoinLines(lines, lines.size());
}

// Records every hook call as a line of text.
class RecordingHooks : public RestoreHooks {
 public:
  std::vector<std::string> calls;
  bool attemptToReadWordsResult = true;
  std::function<void()> onLanguageSelected;

  void RememberLastFolder(const Text& folder) override { Log("RememberLastFolder", folder); }
  void PatternBoxSet(int index) override { Log("PatternBoxSet " + std::to_string(index)); }
  void RememberLastInputFile(const Text& path) override { Log("RememberLastInputFile", path); }
  void SourceSelected() override { Log("SourceSelected"); }
  void LanguageSelected() override {
    Log("LanguageSelected");
    if (onLanguageSelected) onLanguageSelected();
  }
  void DisableOutputSwitch() override { Log("DisableOutputSwitch"); }
  void CheckInputFileName(const Text& path) override { Log("CheckInputFileName", path); }
  void FolderBoxLostFocus() override { Log("FolderBoxLostFocus"); }
  void CommitExtraWords() override { Log("CommitExtraWords"); }
  bool AttemptToReadWords() override {
    Log("AttemptToReadWords");
    return attemptToReadWordsResult;
  }
  void ClearFileWordsInForce() override { Log("ClearFileWordsInForce"); }
  void SetWordsToIgnoreNotice() override { Log("SetWordsToIgnoreNotice"); }
  void SetDefaultValues() override { Log("SetDefaultValues"); }

 private:
  void Log(const std::string& name, const Text& arg = {}) {
    calls.push_back(arg.empty() ? name : name + " " + ToUtf8(arg));
  }
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

}  // namespace velt::testing
