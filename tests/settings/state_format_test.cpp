#include "settings/state_format.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "settings/record_values.h"
#include "state_test_support.h"

namespace velt {
namespace {

using testing::JoinLines;
using testing::NonDefaultLines;
using testing::NonDefaultSettings;

// The lines of NonDefaultSettings() with line n (1-based) replaced.
std::string WithLine(size_t n, const std::string& value) {
  std::vector<std::string> lines = NonDefaultLines();
  lines[n - 1] = value;
  return JoinLines(lines);
}

TEST(StateFormatTest, WritesEveryRecordInTableOrder) {
  EXPECT_EQ(FormatStateRecords(NonDefaultSettings()), JoinLines(NonDefaultLines()));
  // The defaults; an empty list writes N = 0 followed directly by -1.
  EXPECT_EQ(FormatStateRecords(Settings{}),
            "\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n1\r\n2\r\n"
            "1\r\n1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
            "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
            "0\r\n-1\r\n"
            "1\r\n0\r\n1\r\n1\r\n1\r\n0\r\n0\r\n4\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n\"\"\r\n0\r\n"
            "0\r\n-1\r\n0\r\n0\r\n");
}

TEST(StateFormatTest, ReadingBackRestoresEveryField) {
  const Settings original = NonDefaultSettings();
  Settings read;
  EXPECT_EQ(ParseStateRecords(FormatStateRecords(original), read).status, ParseStatus::Complete);
  EXPECT_EQ(read, original);
  // LF or CR line ends, a byte-order mark, a last line without its end.
  const std::string all = JoinLines(NonDefaultLines());
  for (const std::string& bytes :
       {JoinLines(NonDefaultLines(), 99, "\n"), JoinLines(NonDefaultLines(), 99, "\r"),
        "\xEF\xBB\xBF" + all, all.substr(0, all.size() - 2)}) {
    Settings other;
    EXPECT_EQ(ParseStateRecords(bytes, other).status, ParseStatus::Complete);
    EXPECT_EQ(other, original);
  }
}

TEST(StateFormatTest, TextValues) {
  Settings s;
  s.inputFolder = u"say \"hi\"";
  s.filterWords = u"\"";
  s.filePaths[0] = u"a\r\nb\nc";
  const std::string bytes = FormatStateRecords(s);
  EXPECT_TRUE(bytes.starts_with("\"say \"hi\"\"\r\n"));
  Settings read;
  ASSERT_EQ(ParseStateRecords(bytes, read).status, ParseStatus::Complete);
  EXPECT_EQ(read.inputFolder, u"say \"hi\"");
  EXPECT_EQ(read.filterWords, u"\"");
  EXPECT_EQ(read.filePaths[0], u"a  b c");  // a line break cannot stand in a record

  // In a text record, bytes that are not UTF-8 are Windows-1252.
  ASSERT_EQ(ParseStateRecords(WithLine(2, "\"caf\xE9 \x80\""), read).status, ParseStatus::Complete);
  EXPECT_EQ(read.extraWords, u"caf\u00E9 \u20AC");

  const std::pair<std::string_view, std::string_view> cases[] = {
      {"\"\"", ""},       {"  \"a\"b\"  ", "a\"b"}, {"\"open", "open"},
      {"\"a,b\"", "a,b"}, {" ab , c", "ab"},        {"", ""},
      {"\"", ""}};
  for (const auto& [line, value] : cases)
    EXPECT_EQ(RecordValue(line), value) << line;
}

// Path records keep the path's own bytes: a name that is not valid UTF-8
// saved and read again names the same file.
TEST(StateFormatTest, PathRecordsKeepTheirBytes) {
  const std::string folder = "/data/caf\xE9";
  const std::string input = "/data/bad\xFF\xC3.txt";
  const std::string output = "/data/\xED\xA0\x80out.txt";  // an encoded surrogate
  const std::string entry = "/w/list\xFE.txt";
  const std::string extra = "caf\xE9";
  std::vector<std::string> lines = NonDefaultLines();
  lines[0] = "\"" + folder + "\"";
  lines[1] = "\"" + extra + "\"";
  lines[2] = "\"" + input + "\"";
  lines[4] = "\"" + output + "\"";
  lines[33] = "\"" + entry + "\"";
  Settings read;
  ASSERT_EQ(ParseStateRecords(JoinLines(lines), read).status, ParseStatus::Complete);
  EXPECT_EQ(PathToNative(read.inputFolder), folder);
  EXPECT_EQ(PathToNative(read.filePaths[0]), input);
  EXPECT_EQ(PathToNative(read.filePaths[1]), output);
  EXPECT_EQ(PathToNative(read.wordsFileList.entries[0]), entry);
  EXPECT_EQ(read.extraWords, u"caf\u00E9");  // not a path: Windows-1252

  const std::string written = FormatStateRecords(read);
  for (const std::string& path : {folder, input, output, entry}) {
    EXPECT_NE(written.find("\"" + path + "\"\r\n"), std::string::npos) << path;
  }
  EXPECT_NE(written.find("\"caf\xC3\xA9\"\r\n"), std::string::npos);  // text is UTF-8
  Settings again;
  ASSERT_EQ(ParseStateRecords(written, again).status, ParseStatus::Complete);
  EXPECT_EQ(again, read);
}

TEST(StateFormatTest, OptionRecords) {
  const std::pair<std::vector<std::string>, IgnoreMode> ignoreCases[] = {
      {{"0", "0", "0", "0"}, IgnoreMode::None},  // the selected option switched off
      {{"-1", "-1", "0", "0"}, IgnoreMode::ExcludeAllIgnored},
      {{"1", "0", "0", "0"}, IgnoreMode::AllowAllIgnored},
      {{"x", "0.2", "0", "0"}, IgnoreMode::ExcludeAllIgnored},  // any value but 0 is on
      {{"0", "0", "0", "7"}, IgnoreMode::ExcludeContainingIgnored},
  };
  for (const auto& [values, mode] : ignoreCases) {
    std::vector<std::string> lines = NonDefaultLines();
    std::copy(values.begin(), values.end(), lines.begin() + 52);
    Settings s;  // starts with "exclude phrases consisting entirely of words to ignore"
    ASSERT_EQ(ParseStateRecords(JoinLines(lines), s).status, ParseStatus::Complete);
    EXPECT_EQ(s.ignoreMode, mode) << values[0] << values[1];
  }
  const std::tuple<std::string, Source, FilterMode> codes[] = {
      {"0", Source::Clipboard, FilterMode::AllWords},
      {"1", Source::SingleFile, FilterMode::SameOrder},
      {"2", Source::Folder, FilterMode::Subphrase},
      {"7", Source::Folder, FilterMode::AllWords}};
  for (const auto& [code, source, mode] : codes) {
    std::vector<std::string> lines = NonDefaultLines();
    lines[36] = lines[51] = code;
    Settings s;
    ASSERT_EQ(ParseStateRecords(JoinLines(lines), s).status, ParseStatus::Complete);
    EXPECT_EQ(s.source, source) << code;
    EXPECT_EQ(s.filterMode, mode) << code;
  }
}

TEST(StateFormatTest, ValuesTheirFieldsTakeOrNot) {
  struct Case {
    size_t line;
    std::string value;
    bool valid;
  };
  const Case cases[] = {
      {9, " 0.4 ", true},
      {11, "1.4abc", true},
      {30, "-1", true},
      {36, "-1", true},
      {50, "\"7\"", true},
      {7, "19", false},
      {7, "-2", false},
      {7, "40000", false},
      {9, "2", false},
      {9, "-1", false},
      {9, "1.5", false},
      {31, "13", false},
      {33, "-1", false},
      {33, "100", false},
      {36, "2", false},
      {43, "-1", false},
      {44, "24", false},
      {45, "20", false},
      {50, "8", false},
      {7, "18.5", true},  // halves to even
      {9, "0." + std::string(400, '0') + "1", true},
      {7, std::string(400, '9'), false},
      {7, std::string(kMaxRecordBytes + 1, '1'), false},
  };
  for (const Case& c : cases) {
    Settings s;
    const ParseOutcome outcome = ParseStateRecords(WithLine(c.line, c.value), s);
    const std::string label = std::to_string(c.line) + " " + c.value.substr(0, 9);
    if (c.valid) {
      EXPECT_EQ(outcome.status, ParseStatus::Complete) << label;
      continue;
    }
    EXPECT_EQ(outcome.status, ParseStatus::InvalidData) << label;
    EXPECT_EQ(outcome.description, u"Invalid data");
    EXPECT_EQ(s.inputFolder, u"/home/ann/corpus") << label;           // read before: applied
    EXPECT_EQ(s.ignoreMode, IgnoreMode::ExcludeAllIgnored) << label;  // after: not read
  }
  // The failing field keeps its old value.
  Settings s;
  ASSERT_EQ(ParseStateRecords(WithLine(8, "9"), s).status, ParseStatus::InvalidData);
  EXPECT_EQ(s.shortWordSizeIndex, 4);
  EXPECT_EQ(s.longWordSizeIndex, Settings{}.longWordSizeIndex);
  // With N = 0 the selected-index record is read but not applied.
  std::vector<std::string> noList = NonDefaultLines();
  noList.erase(noList.begin() + 32, noList.begin() + 36);
  noList.insert(noList.begin() + 32, {"0", "5"});
  ASSERT_EQ(ParseStateRecords(JoinLines(noList), s).status, ParseStatus::Complete);
  EXPECT_EQ(s.wordsFileList, WordsFileList{});
}

TEST(StateFormatTest, ShortFilesKeepWhatWasRead) {
  const std::vector<std::string> lines = NonDefaultLines();
  for (size_t kept = 0; kept < lines.size(); ++kept) {
    Settings s;
    ASSERT_EQ(ParseStateRecords(JoinLines(lines, kept), s).status, ParseStatus::PastEnd) << kept;
    if (kept >= 33 && kept <= 35) continue;  // inside the list, checked below
    const std::string expected = JoinLines(lines, kept);
    EXPECT_EQ(FormatStateRecords(s).substr(0, expected.size()), expected) << kept;
  }
  // The list is emptied when N is read and filled entry by entry.
  Settings s;
  s.wordsFileList = {{u"/old"}, 0};
  ParseStateRecords(JoinLines(lines, 34), s);
  EXPECT_EQ(s.wordsFileList, (WordsFileList{{u"/w/a.txt"}, -1}));
}

TEST(StateFormatTest, WordsFileListOfMoreThan99Entries) {
  Settings s;
  for (int k = 0; k < 100; ++k)
    s.wordsFileList.entries.push_back(u"/f" + T(std::to_string(k)));
  for (const int selected : {99, 3}) {
    s.wordsFileList.index = selected;
    Settings read;
    ASSERT_EQ(ParseStateRecords(FormatStateRecords(s), read).status, ParseStatus::Complete);
    ASSERT_EQ(read.wordsFileList.entries.size(), 99u);
    EXPECT_EQ(read.wordsFileList.Selected(), s.wordsFileList.Selected());
    EXPECT_EQ(read.wordsFileList.entries[97], u"/f97");
  }
}

TEST(LineReaderTest, LineEndsAcrossChunksAndReadErrors) {
  MemoryByteSource source("a\r\nb\rc\n\nd\r", 1);
  RecordLineReader reader(source, 100);
  std::vector<std::string> lines;
  std::string line;
  while (reader.Next(line) == LineStatus::Line)
    lines.push_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "", "d"}));
  EXPECT_EQ(reader.Next(line), LineStatus::End);

  struct Failing final : ByteSource {
    ByteRead Read(char*, size_t) override { return {0, EIO}; }
  } failing;
  RecordLineReader broken(failing, 10);
  EXPECT_EQ(broken.Next(line), LineStatus::Error);
  EXPECT_EQ(broken.error(), EIO);
}

}  // namespace
}  // namespace velt
