#include "wordlists/words_file_reader.h"

#include <sys/stat.h>

#include "wordlists/words_file_list.h"
#include "wordlists_fixture.h"

namespace velt {
namespace {

using Words = std::vector<Text>;

class WordsFileReaderTest : public testing::WordListsTest {
 protected:
  bool Read(const std::string& bytes) {
    Select(WriteFile("words.txt", bytes));
    return ReadWords(context, 0);
  }
};

TEST_F(WordsFileReaderTest, EntriesAreLowerCasedSortedAndUnique) {
  ASSERT_TRUE(Read("The the\r\n\r\n   THE;zebra, apple\r\nwh~ ?s o'clock -x-\r\n"));
  EXPECT_EQ(FileWords(), (Words{u"?s", u"apple", u"o'clock", u"the", u"wh~", u"x", u"zebra"}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WordsFileReaderTest, CommentsAndBracketedExpressions) {
  ASSERT_TRUE(
      Read("alpha /* beta\ngamma */ delta // epsilon\nzeta//eta\n"
           "<\\b[A-Z]{1}[0-9]{3}> Word <^abc$>\n<A b>x a < B\n"));
  // Inside a word "/" is a word character; an expression stays as written,
  // spaces included; a "<" without ">" is passed over.
  EXPECT_EQ(FileWords(), (Words{u"<A b>", u"<\\b[A-Z]{1}[0-9]{3}>", u"<^abc$>", u"a", u"alpha",
                                u"b", u"delta", u"word", u"x", u"zeta//eta"}));
}

TEST_F(WordsFileReaderTest, Utf8FileIsRepairedBeforeLowerCasing) {
  // Byte-order mark, then "ÉCOLE café" in UTF-8.
  ASSERT_TRUE(
      Read("\xEF\xBB\xBF\xC3\x89"
           "COLE caf\xC3\xA9\r\n"));
  EXPECT_EQ(FileWords(), (Words{u"caf\u00E9", u"\u00E9cole"}));
}

TEST_F(WordsFileReaderTest, ProgressAndCaptions) {
  std::string bytes;
  for (int i = 0; i < 1005; ++i)
    bytes += "w" + std::to_string(i) + " w" + std::to_string(i) + "\n";
  Text captionWhileReading;
  pump.triggerAt = 5;
  pump.action = [&] {
    captionWhileReading =
        shell.window.Get(ControlId::cmdCountPhrases).caption + shell.textWindow.text();
  };
  ASSERT_TRUE(Read(bytes));
  EXPECT_EQ(FileWords().size(), 1005u);
  EXPECT_EQ(shell.window.Get(ControlId::lblNumberOfWords).caption,
            u"Number of words read so far: 1,000");
  EXPECT_EQ(captionWhileReading,
            shell.UIText(ui_text::kStopCounting) + u"Now reading words to ignore . . . ");
  EXPECT_EQ(hooks.countButtonResets, 1) << "the Count button is idle again";
}

TEST_F(WordsFileReaderTest, StopRemovesTheFileAndLeavesNoFileWords) {
  lists.fileWordsToIgnore.Assign({u"old"});
  const Text other = WriteFile("other.txt", "x\n");
  Select(other);
  pump.triggerAt = 3;
  pump.action = [&] { run.stopRequested = true; };
  EXPECT_FALSE(Read("a b c\nd e f\ng h i\n"));
  EXPECT_EQ(settings.wordsFileList.entries, Words{other});
  EXPECT_FALSE(settings.wordsFileList.HasSelection());
  EXPECT_TRUE(FileWords().empty());
  EXPECT_FALSE(run.stopRequested);
}

// Reads the real file but fails after its first line.
class FailingFiles final : public WordsFileSource {
 public:
  explicit FailingFiles(WordsFileSource& real) : real_(real) {}
  bool CheckTextFile(const Text& path, bool& utf8) override {
    return real_.CheckTextFile(path, utf8);
  }
  std::unique_ptr<WordsFileLines> OpenLines(const Text& path, RunError& error) override {
    struct Lines final : WordsFileLines {
      std::unique_ptr<WordsFileLines> real;
      int left = 1;
      bool ReadLfLine(Text& line) override { return left-- > 0 && real->ReadLfLine(line); }
      std::optional<RunError> error() const override { return RunError{5, u"I/O error"}; }
    };
    auto lines = std::make_unique<Lines>();
    lines->real = real_.OpenLines(path, error);
    return lines;
  }

 private:
  WordsFileSource& real_;
};

TEST_F(WordsFileReaderTest, ReadErrorKeepsThePreviousList) {
  lists.fileWordsToIgnore.Assign({u"old"});
  Select(WriteFile("words.txt", "new\nnewer\n"));
  FailingFiles failing(files);
  WordListContext failingContext{shell, settings, run, lists, failing, hooks};
  EXPECT_FALSE(ReadWords(failingContext, 0));
  EXPECT_EQ(FileWords(), Words{u"old"});
  EXPECT_EQ(dialogs.Texts(), Words{u"Error5: I/O error"});
  EXPECT_EQ(dialogs.Titles(), Words{shell.UIText(ui_text::kProgramName)});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::WordsFileReadError});
}

TEST_F(WordsFileReaderTest, FilesThatAreNotTextAreRefusedWithTheClassifiersMessage) {
  const std::pair<std::string, const char16_t*> cases[] = {
      {"", u" is zero-length."},
      {"abc", u"\r\ncontains only from 1 to 4 bytes."},
      {std::string("\xFF\xFEw\0o\0r\0d\0", 10), u"\r\nis a Unicode file but not UTF-8 encoded."},
      {std::string("bin\0\x01\x02\x03"
                   "ary\0data",
                   15),
       nullptr}};
  for (const auto& [bytes, tail] : cases) {
    lists.fileWordsToIgnore.Assign({u"old"});
    dialogs.messages.clear();
    const Text path = WriteFile("bad.txt", bytes);
    settings.wordsFileList = {{path}, 0};
    EXPECT_FALSE(ReadWords(context, 0));
    EXPECT_EQ(FileWords(), Words{u"old"});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, tail ? u"Fatal error" : u"Not a text file");
    EXPECT_EQ(dialogs.messages[0].id,
              tail ? MessageId::WordsFileFatalError : MessageId::WordsFileNotText);
    const Text expected =
        tail ? u"File " + path + tail : path + u"\r\nis not an ANSI or UTF-8 encoded text file.";
    EXPECT_TRUE(dialogs.messages[0].text.starts_with(expected)) << ToUtf8(dialogs.messages[0].text);
  }
}

// A words file that is a folder, a FIFO, a device or a link loop is not "not
// found": it is refused with its reason, never opened, and the list in force
// stays.
TEST_F(WordsFileReaderTest, WhatIsNoFileIsRefusedWithItsReason) {
  const std::string base = PathToNative(PathOf(""));
  std::filesystem::create_directory(base + "folder");
  ASSERT_EQ(::mkfifo((base + "pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink(base + "loop", base + "loop");
  const std::pair<std::string, const char16_t*> cases[] = {
      {base + "folder", u"is a folder, not a file."},
      {base + "pipe", u"is not a regular file (a FIFO, socket or device)."},
      {"/dev/null", u"is not a regular file (a FIFO, socket or device)."},
      {base + "loop", u"cannot be reached: too many levels of symbolic links."}};
  for (const auto& [native, reason] : cases) {
    const Text path = PathFromNative(native);
    lists.fileWordsToIgnore.Assign({u"old"});
    lists.loadedWordsFile[0] = u"/earlier.txt";
    settings.wordsFileList = {{path}, 0};
    dialogs.messages.clear();
    EXPECT_FALSE(AttemptToReadWords(context, 0)) << native;
    ASSERT_EQ(dialogs.messages.size(), 1u) << native;
    EXPECT_EQ(dialogs.messages[0].title, u"Invalid words-to-ignore file");
    EXPECT_EQ(dialogs.messages[0].id, MessageId::InvalidWordsFile);
    EXPECT_EQ(dialogs.messages[0].text, u"File " + path + u"\r\n" + reason);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(FileWords(), Words{u"old"});
    EXPECT_TRUE(lists.loadedWordsFile[0].empty());
  }

  // A file that is not there keeps its own message.
  dialogs.messages.clear();
  settings.wordsFileList = {{PathOf("missing.txt")}, 0};
  EXPECT_FALSE(AttemptToReadWords(context, 0));
  EXPECT_EQ(dialogs.Texts(), Words{u"File for words-to-ignore not found."});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::WordsFileMissing});
}

TEST_F(WordsFileReaderTest, ANameThatIsNotUtf8IsRead) {
  const std::string native = PathToNative(PathOf("")) + "list\xFE.txt";
  WriteFile("list\xFE.txt", "Fourscore seven\r\n");
  settings.wordsFileList = {{PathFromNative(native)}, 0};
  EXPECT_TRUE(AttemptToReadWords(context, 0));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(FileWords(), (Words{u"fourscore", u"seven"}));
  EXPECT_EQ(PathToNative(lists.loadedWordsFile[0]), native);
}

}  // namespace
}  // namespace velt
