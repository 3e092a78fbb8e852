#include "sources/file_reader.h"

#include <filesystem>

#include "phrases/run_progress.h"
#include "sources/input_checks.h"
#include "sources/line_reader.h"
#include "sources/source_test_support.h"

namespace velt {
namespace {

// The outcomes of a file read, refused for a reason or for its input name.
const FileReadOutcome kRead{};
FileReadOutcome Refused(FileReadStatus status) {
  return {status};
}
FileReadOutcome InputRefused(InputFileStatus input) {
  return {FileReadStatus::InputRefused, input};
}

class FileReaderTest : public testing::SourceTest {
 protected:
  FileReadOutcome ReadSingle(const std::string& path) {
    UseSingleFile(path);
    return DoItFromFile(context);
  }
  const ControlState& Label(ControlId id) { return shell.window.Get(id); }
};

TEST_F(FileReaderTest, LinesAreTrimmedLowerCasedAndEmptyOnesSkipped) {
  settings.endPhraseAtLineEnd = true;
  EXPECT_EQ(ReadSingle(testing::TestData("crlf.txt")), kRead);
  EXPECT_EQ(hooks.lines, (std::vector<Text>{u"first line of text", u"second line here",
                                            u"third line indented"}));
  EXPECT_EQ(hooks.phraseResets, 3);  // none for the empty line
  EXPECT_EQ(hooks.wordStoreResets, std::vector<bool>{false});
  EXPECT_EQ(Label(ControlId::lblNumWordsExcluded).caption, u"");
  EXPECT_FALSE(sources.readingFiles);
  EXPECT_EQ(Label(ControlId::lblFilesize).caption, u"Filesize: 64 bytes");
  EXPECT_EQ(hooks.buttonStates, std::vector<bool>{false});
  EXPECT_EQ(hooks.counterConceals, std::vector<bool>{false});  // hidden, not emptied
  EXPECT_EQ(Label(ControlId::cmdCountPhrases).caption, shell.UIText(ui_text::kStopCounting));
}

TEST_F(FileReaderTest, EachLineEndTypeIsReadLineByLine) {
  settings.caseSignificant = true;
  EXPECT_EQ(ReadSingle(testing::TestData("lf.txt")), kRead);
  EXPECT_EQ(hooks.lines, (std::vector<Text>{u"alpha beta", u"gamma delta", u"epsilon zeta"}));
  EXPECT_EQ(Label(ControlId::lblNumWordsExcluded).caption, u"This is a Unix-type file.");

  hooks.lines.clear();
  EXPECT_EQ(ReadSingle(testing::TestData("cr.txt")), kRead);
  EXPECT_EQ(hooks.lines, (std::vector<Text>{u"one two", u"three four", u"five six"}));
  EXPECT_EQ(Label(ControlId::lblNumWordsExcluded).caption, u"This is a Macintosh-type file.");

  hooks.lines.clear();
  EXPECT_EQ(ReadSingle(testing::TestData("noend.txt")), kRead);
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"a single line without any line end at all"});
}

TEST_F(FileReaderTest, Utf8FileIsRepairedWith7BitSwitchedOffForItsDuration) {
  settings.only7BitAscii = true;
  const std::string path = dir.Write("utf8.txt",
                                     "\xEF\xBB\xBF\xE2\x80\x9C"
                                     "Caf\xC3\xA9\xE2\x80\x9D\nsecond \xE2\x80\x94 line\n");
  EXPECT_EQ(ReadSingle(path), kRead);
  // The byte-order mark never reaches the scanner; the LF-only file is read
  // line by line.
  EXPECT_EQ(hooks.lines, (std::vector<Text>{u"\"caf\u00E9\"", u"second  --  line"}));
  EXPECT_EQ(hooks.sevenBitDuringLine, (std::vector<bool>{false, false}));
  EXPECT_TRUE(settings.only7BitAscii);
  EXPECT_EQ(Label(ControlId::lblTotalNumOccurrences).caption, u"This is a UTF8 file.");
  EXPECT_EQ(Label(ControlId::lblNumWordsExcluded).caption, u"This is a Unix-type file.");
}

TEST_F(FileReaderTest, HtmlHeadIsSkippedAndItsCharsetTurnsOnTheRepairs) {
  EXPECT_EQ(ReadSingle(testing::TestData("page.html")), kRead);
  EXPECT_EQ(hooks.lines,
            (std::vector<Text>{u"<p>before the doctype</p>", u"<body>",
                               u"<p>caf&eacute; and \"quoted\" words</p>",
                               u"<p>the caf\u00E9 serves coffee</p>", u"</body>", u"</html>"}));
  EXPECT_TRUE(hooks.scanner.entitiesPossible);
  EXPECT_EQ(hooks.scanner.markers.markerPairCount, 6);
}

TEST_F(FileReaderTest, MarkupModeFollowsTheExtension) {
  hooks.scanner.commentState = 2;
  EXPECT_EQ(ReadSingle(testing::TestData("prog.c")), kRead);
  EXPECT_EQ(hooks.scanner.markers.markerPairCount, 2);
  EXPECT_FALSE(hooks.scanner.entitiesPossible);
  EXPECT_EQ(hooks.scanner.commentState, -1);
  EXPECT_EQ(hooks.lines.size(), 6u);
}

TEST_F(FileReaderTest, RtfAndOneToFourByteFilesAreReadAsSingleByteText) {
  EXPECT_EQ(ReadSingle(testing::TestData("doc.rtf")), kRead);
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"{\\rtf1\\ansi hello rtf world}"});
  hooks.lines.clear();
  EXPECT_EQ(ReadSingle(dir.Write("four.txt", "ab\r\n")), kRead);
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"ab"});
}

TEST_F(FileReaderTest, InputNameProblemsGiveTheirCodes) {
  EXPECT_EQ(ReadSingle(""), InputRefused(InputFileStatus::ZeroLength));
  EXPECT_TRUE(run.stopRequested);
  EXPECT_EQ(ReadSingle(dir.path().string() + "/"), InputRefused(InputFileStatus::EndsWithSlash));
  EXPECT_FALSE(run.stopRequested);
  EXPECT_EQ(ReadSingle(dir.File("missing.txt")), InputRefused(InputFileStatus::Missing));
  EXPECT_EQ(ReadSingle(testing::TestData("empty.txt")), InputRefused(InputFileStatus::ZeroLength));
  EXPECT_TRUE(hooks.lines.empty());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FileReaderTest, OutputFileEqualToInputIsRefusedOnlyWhileOutputIsEnabled) {
  const std::string path = dir.Write("notes.txt", "some words\r\n");
  settings.filePaths[1] = FromUtf8(dir.path().string() + "/./notes.txt");
  EXPECT_EQ(ReadSingle(path), InputRefused(InputFileStatus::OutputIsInput));
  EXPECT_TRUE(run.stopRequested);
  EXPECT_TRUE(hooks.lines.empty());

  settings.outputToFileDisabled = true;
  EXPECT_EQ(ReadSingle(path), kRead);
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"some words"});
}

TEST_F(FileReaderTest, BinaryFileIsReportedForSingleFileAndSkippedInFolder) {
  const std::string path = testing::TestData("binary.bin");
  EXPECT_EQ(ReadSingle(path), Refused(FileReadStatus::NotText));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  const MessageRequest& message = dialogs.messages[0];
  EXPECT_EQ(message.title, u"Not a text file");
  EXPECT_EQ(message.id, MessageId::InputFileNotText);
  const Text start = FromUtf8(path) + u" is not a text file.\r\n\r\nThis file contains a byte";
  EXPECT_EQ(message.text.substr(0, start.size()), start);
  EXPECT_NE(
      message.text.find(u"The percentage of such anomalous bytes in the first 16384 bytes is "),
      Text::npos);
  EXPECT_EQ(message.text.find(u"You could try"), Text::npos);  // far above 9 percent
  EXPECT_FALSE(sources.readingFiles);
  EXPECT_TRUE(hooks.lines.empty());

  settings.source = Source::Folder;
  sources.currentFile = FromUtf8(path);  // a folder pass names the file there
  run.stopRequested = true;
  EXPECT_EQ(DoItFromFile(context), kRead);
  EXPECT_FALSE(run.stopRequested);
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(FileReaderTest, NotTextMessageOffersTheClipboardForSlightlyBinaryFiles) {
  std::string text(1000, 'a');
  for (int i = 0; i < 20; ++i)
    text[static_cast<size_t>(i * 50)] = '\x01';  // 2 percent
  EXPECT_EQ(ReadSingle(dir.Write("few.txt", text)), Refused(FileReadStatus::NotText));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find(u"a byte 1 at position 1, indicating"), Text::npos);
  EXPECT_NE(dialogs.messages[0].text.find(u" bytes is 2.00%.\r\n\r\nYou could try reading it"),
            Text::npos);
}

TEST_F(FileReaderTest, LargeInputFilePromptComesBeforeReading) {
  // Sparse files: the question depends on the size alone (the zero bytes are
  // then refused as not text).
  const auto sparse = [&](const std::string& name, uintmax_t size) {
    const std::string path = dir.Write(name, "w");
    std::filesystem::resize_file(path, size);
    return path;
  };
  const std::string large = sparse("large.txt", kLargeInputFileSize + 1);
  dialogs.answers = {Answer::Cancel};
  EXPECT_EQ(ReadSingle(large), Refused(FileReadStatus::LargeFileCancelled));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Large input file");
  EXPECT_EQ(dialogs.messages[0].id, MessageId::LargeInputFile);
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_TRUE(hooks.lines.empty());
  EXPECT_FALSE(sources.readingFiles);

  dialogs.answers = {Answer::Yes};
  dialogs.saveFileAnswers = {FromUtf8(dir.File("out.txt"))};
  EXPECT_EQ(ReadSingle(large), Refused(FileReadStatus::NotText));  // went on to the classifier
  EXPECT_EQ(settings.filePaths[1], FromUtf8(dir.File("out.txt")));
  EXPECT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[2].title, u"Not a text file");

  settings.filePaths[1].clear();
  EXPECT_EQ(ReadSingle(sparse("limit.txt", kLargeInputFileSize)),
            Refused(FileReadStatus::NotText));  // not larger: no question
  EXPECT_EQ(dialogs.messages.size(), 4u);
  EXPECT_EQ(dialogs.messages[3].title, u"Not a text file");
  EXPECT_EQ(dialogs.Ids(),
            (std::vector<MessageId>{MessageId::LargeInputFile, MessageId::LargeInputFile,
                                    MessageId::InputFileNotText, MessageId::InputFileNotText}));
}

TEST_F(FileReaderTest, ProgressBarRunsForFilesAbove10240Bytes) {
  std::string text;
  while (text.size() < 20000)
    text += "a line of words\r\n";
  EXPECT_EQ(ReadSingle(dir.Write("progress.txt", text)), kRead);
  EXPECT_EQ(Label(ControlId::lblTotalNumOccurrences).caption, ProgressBarCaption(40));
  EXPECT_EQ(Label(ControlId::lblTotalNumOccurrences).align, Align::Left);

  ReadSingle(dir.Write("small.txt", std::string(8000, 'x')));
  EXPECT_EQ(Label(ControlId::lblTotalNumOccurrences).caption, ProgressBarCaption(40));
}

TEST_F(FileReaderTest, StopRequestEndsTheLineLoop) {
  pump.triggerAt = 3;
  pump.action = [this] { run.stopRequested = true; };
  EXPECT_EQ(ReadSingle(testing::TestData("cr.txt")), kRead);
  EXPECT_EQ(hooks.lines.size(), 2u);
}

TEST_F(FileReaderTest, LineWithoutLineEndIsReadInBoundedPiecesWithoutLosingWords) {
  settings.endPhraseAtLineEnd = true;
  std::string text = "\t ";
  while (text.size() < 3 * LineReader::kMaxPiece)
    text += "many words\tin one line ";
  EXPECT_EQ(ReadSingle(dir.Write("oneline.txt", text)), kRead);
  ASSERT_GT(hooks.lines.size(), 2u);
  Text joined;
  for (const Text& piece : hooks.lines) {
    EXPECT_LE(piece.size(), LineReader::kMaxPiece);
    joined += piece;
  }
  EXPECT_EQ(joined, FromUtf8(text.substr(2, text.size() - 3)));  // trimmed at the real ends only
  EXPECT_EQ(hooks.phraseResets, 1);
}

}  // namespace
}  // namespace velt
