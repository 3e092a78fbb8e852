#include <sys/stat.h>
#include <unistd.h>

#include "sources/docx_extract.h"
#include "sources/docx_runs.h"
#include "sources/file_patterns.h"
#include "sources/file_reader.h"
#include "sources/folder_scan.h"
#include "sources/source_test_support.h"
#include "sources/temp_folders.h"

namespace velt {
namespace {

using testing::BuildZip;
using testing::StoredMember;
using testing::ZipMember;

class DocxTest : public testing::SourceTest {
 protected:
  // An output file is named, so large documents bring no output-file question.
  DocxTest() { settings.filePaths[1] = FromUtf8(dir.File("out.txt")); }

  std::string Docx(const std::string& name, const std::vector<ZipMember>& members) {
    return dir.Write(name, BuildZip(members));
  }
  FileReadStatus ReadSingle(const std::string& path) {
    UseSingleFile(path);
    return DoItFromFile(context).status;
  }
  std::vector<Text> MessageTitles() const { return dialogs.Titles(); }

  // The runs of a document body, checked against the total length reported.
  std::vector<Text> Runs(TextView xml) {
    std::vector<Text> runs;
    int32_t total = 0;
    const int count = RunsFromDocumentXml(shell, run, xml, runs, total);
    EXPECT_EQ(count, static_cast<int>(runs.size()));
    int32_t sum = 0;
    for (const Text& text : runs)
      sum += static_cast<int32_t>(text.size());
    EXPECT_EQ(total, sum);
    return runs;
  }
};

TEST_F(DocxTest, RunsKeepTheirTextAndDropOtherElements) {
  EXPECT_EQ(Runs(u"<w:r><w:t xml:space=\"preserve\"> lead</w:t></w:r>"
                 u"<w:r><w:t>ing</w:t></w:r></w:p>"),
            (std::vector<Text>{u" lead", u"ing "}));
  EXPECT_EQ(Runs(u"<w:tab/><w:tbl><w:t>cell</w:t><w:br/><w:t>AT&amp;T &amp;lt;</w:t>"),
            (std::vector<Text>{u"cell ", u"AT&T <"}));
  EXPECT_EQ(Runs(u"<w:t>  </w:t><w:t></w:t></w:p><w:t>caf\u00C3\u00A9</w:t>"),
            (std::vector<Text>{u" ", u" ", u"caf\u00E9"}));
  EXPECT_TRUE(Runs(u"<w:t>unclosed").empty());
  EXPECT_TRUE(Runs(u"</w:t><w:t>end before start").empty());
}

// A run followed by a break gets its space before the only-spaces rule and the
// UTF-8 repairs: a zero-width space (E2 80 8B) or line separator (E2 80 A8)
// that the repairs delete leaves the run's own space and the break's space.
TEST_F(DocxTest, BreakSpaceIsAddedBeforeTheRunIsCleaned) {
  EXPECT_EQ(Runs(u"<w:t>\u00E2\u20AC\u2039 </w:t><w:br/><w:t>x</w:t>"),
            (std::vector<Text>{u"  ", u"x"}));
  EXPECT_EQ(Runs(u"<w:t xml:space=\"preserve\">\u00E2\u20AC\u00A8 </w:t></w:p>"),
            (std::vector<Text>{u"  "}));
}

// Line breaks as word processors write them, carriage returns, tabs and
// paragraph ends separate the runs on either side; formatting does not.
TEST_F(DocxTest, BreaksTabsAndParagraphEndsSeparateRuns) {
  for (const TextView separator :
       {u"<w:br/>", u"<w:br />", u"<w:br w:type=\"page\"/>", u"<w:br\nw:type=\"column\"/>",
        u"<w:cr/>", u"<w:tab/>", u"<w:tab />", u"</w:p><w:p>"}) {
    const Text xml = u"<w:r><w:t>bus</w:t>" + Text(separator) + u"</w:r><w:r><w:t>100</w:t></w:r>";
    EXPECT_EQ(Runs(xml), (std::vector<Text>{u"bus ", u"100"})) << ToUtf8(separator);
  }
  for (const TextView formatting : {u"<w:rPr><w:b/></w:rPr>", u"<w:tabs/>", u"<w:bdr/>"}) {
    const Text xml = u"<w:r><w:t>bus</w:t>" + Text(formatting) + u"</w:r><w:r><w:t>100</w:t></w:r>";
    EXPECT_EQ(Runs(xml), (std::vector<Text>{u"bus", u"100"})) << ToUtf8(formatting);
  }
}

// Elements whose names start with "w:t" (table, row, cell ...) are not the
// next run, so a break behind them still counts.
TEST_F(DocxTest, BreakBehindAnotherWTElementStillCounts) {
  EXPECT_EQ(Runs(u"<w:r><w:t>before</w:t></w:r><w:tbl><w:tblPr/><w:tr><w:tc>"
                 u"<w:r><w:br/><w:t>cell</w:t></w:r>"),
            (std::vector<Text>{u"before ", u"cell"}));
}

// Documents written by two word processors: hard line breaks, tabs inside
// and at the end of a paragraph, a page break and several paragraphs keep
// their words apart. Made with "pandoc breaks_pandoc.md -o breaks_pandoc.docx"
// and "soffice --headless --convert-to docx breaks_writer.fodt".
TEST_F(DocxTest, WordProcessorDocumentsKeepWordsApartAtEveryBreak) {
  const std::vector<Text> expected = {u"the number ninety bus 100 stops here.",
                                      u"ride the green bits take the red line.",
                                      u"before the page after the page.",
                                      u"last paragraph ends with a tab closing words stand alone"};
  for (const std::string name : {"breaks_pandoc.docx", "breaks_writer.docx"}) {
    hooks.lines.clear();
    EXPECT_EQ(ReadSingle(testing::TestData(name)), FileReadStatus::Read) << name;
    EXPECT_EQ(hooks.lines, expected) << name;
    EXPECT_TRUE(dialogs.messages.empty()) << name;
  }
}

TEST_F(DocxTest, StopRequestEndsTheConversion) {
  run.stopRequested = true;
  run.secondsElapsed = 3;
  EXPECT_TRUE(Runs(u"<w:t>a</w:t><w:t>b</w:t>").empty());
  EXPECT_TRUE(dialogs.messages.empty());

  run.secondsElapsed = 12;
  dialogs.answers = {Answer::No};
  EXPECT_EQ(Runs(u"<w:t>a</w:t><w:t>b</w:t>").size(), 2u);
  EXPECT_FALSE(run.stopRequested);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::StopDuringDocument);
  EXPECT_EQ(dialogs.messages[0].text, shell.UIText(ui_text::kDocumentSlow) + u"\r\n" +
                                          shell.UIText(ui_text::kStopCountingQuestion));
}

TEST_F(DocxTest, DocumentIsReadThroughATemporaryTextFileThatIsRemovedAfterwards) {
  settings.keepDocxText = true;
  const std::string docx = dir.File("Sample.DOCX");
  std::filesystem::copy_file(testing::TestData("sample.docx"), docx);
  EXPECT_EQ(ReadSingle(docx), FileReadStatus::Read);
  EXPECT_EQ(hooks.lines,
            (std::vector<Text>{u"the quick brown fox jumps over the lazy dog.",
                               u"caf\u00E9 society meets \"curly quotes\" and at&t rules.",
                               u"column one column two table cell other cell last paragraph "
                               u"without a final stop"}));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(LeftoverTempFolders().empty());
  EXPECT_EQ(shell.window.Get(ControlId::lblXMLsize).caption, u"Text: 179 bytes");
  std::error_code ec;
  EXPECT_EQ(std::filesystem::file_size(dir.File("extracted_text/sample.txt"), ec), 179u);
}

TEST_F(DocxTest, ZipBombIsRefusedWithoutFillingTheDisk) {
  ZipMember bomb{"word/document.xml", testing::ZeroBombStream(uint64_t{1} << 20), 8, 0, 5000};
  EXPECT_EQ(ReadSingle(Docx("bomb.docx", {bomb})),
            FileReadStatus::DocxFailed);  // about 2 GiB of zeros
  EXPECT_EQ(MessageTitles(), std::vector<Text>{u"File too big"});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::DocxTooBig});
  EXPECT_NE(
      dialogs.messages[0].text.find(u"is too large (more than 20 Mb) to be scanned directly."),
      Text::npos);
  EXPECT_TRUE(LeftoverTempFolders().empty());
  EXPECT_TRUE(hooks.lines.empty());
  EXPECT_FALSE(run.timer2Enabled);
}

TEST_F(DocxTest, TooBigDocumentInAFolderIsReportedOnceAndTheScanGoesOn) {
  ZipMember bomb{"word/document.xml", testing::ZeroBombStream(uint64_t{1} << 16), 8, 0, 5000};
  Docx("folder/bomb.docx", {bomb});
  dir.Write("folder/a.txt", "plain words\r\n");
  SetSkippedExtensions(sources);
  settings.source = Source::Folder;
  settings.inputFolder = FromUtf8(dir.File("folder"));
  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_EQ(sources.totalFileCount, 2);
  EXPECT_EQ(MessageTitles(), std::vector<Text>{u"File too big"});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::DocxTooBig});
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"plain words"});
  EXPECT_NE(shell.textWindow.text().find(u"a.txt [13 bytes]"), Text::npos);
  EXPECT_TRUE(LeftoverTempFolders().empty());
}

TEST_F(DocxTest, ChecksumFailureAsksWhetherToScanAnyway) {
  ZipMember member = StoredMember("word/document.xml", "<w:t>checked words</w:t>");
  member.crc ^= 0x5A5A;
  const std::string path = Docx("crc.docx", {member});
  dialogs.answers = {Answer::No};
  EXPECT_EQ(ReadSingle(path), FileReadStatus::DocxFailed);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::DocxChecksum);
  EXPECT_EQ(dialogs.messages[0].text, u"Invalid checksum found when processing\r\n" +
                                          FromUtf8(path) +
                                          u"\r\n\r\nDo you wish to scan this file anyway?");
  EXPECT_TRUE(LeftoverTempFolders().empty());

  dialogs.answers = {Answer::Yes, Answer::Yes};
  EXPECT_EQ(ReadSingle(path), FileReadStatus::Read);
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"checked words"});
}

TEST_F(DocxTest, DamagedArchivesAndMissingBodiesReportAConversionError) {
  const std::string whole = BuildZip({StoredMember("word/document.xml", std::string(4000, 'a'))});
  const std::string truncated = dir.Write("cut.docx", whole.substr(0, 2000));
  const std::string bodiless = Docx("nobody.docx", {StoredMember("word/styles.xml", "<x/>")});
  for (const std::string& path : {truncated, bodiless}) {
    dialogs.messages.clear();
    run.stopRequested = false;
    EXPECT_EQ(ReadSingle(path), FileReadStatus::Read);
    ASSERT_EQ(dialogs.messages.size(), 1u) << path;
    EXPECT_EQ(dialogs.messages[0].title, u"Error");
    EXPECT_EQ(dialogs.messages[0].id, MessageId::DocxConversionError);
    const Text tail = u" when processing \r\n" + FromUtf8(path);
    EXPECT_EQ(dialogs.messages[0].text.substr(dialogs.messages[0].text.size() - tail.size()), tail);
    EXPECT_TRUE(run.stopRequested);
    EXPECT_TRUE(LeftoverTempFolders().empty());
  }
  EXPECT_NE(dialogs.Texts()[0].find(u"has no word/document.xml"), Text::npos);
}

TEST_F(DocxTest, PlainTextNamedDocxIsReadAsText) {
  EXPECT_EQ(ReadSingle(testing::TestData("plain_text.docx")), FileReadStatus::Read);
  EXPECT_EQ(hooks.lines.size(), 2u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocxTest, SizeLimitsOfTheExtractedBody) {
  const auto body = [](size_t size) {
    std::string xml = "<w:t>big body</w:t>";
    xml.resize(size, ' ');
    return StoredMember("word/document.xml", xml);
  };
  EXPECT_EQ(ReadSingle(Docx("ten.docx", {body(kBigXmlSize)})), FileReadStatus::Read);
  EXPECT_TRUE(dialogs.messages.empty());

  dialogs.answers = {Answer::No};
  EXPECT_EQ(ReadSingle(Docx("over.docx", {body(kBigXmlSize + 1)})), FileReadStatus::DocxFailed);
  EXPECT_EQ(MessageTitles(), (std::vector<Text>{u"Big file", u"Big file"}));
  EXPECT_EQ(dialogs.Ids(),
            (std::vector<MessageId>{MessageId::BigDocument, MessageId::BigDocumentAdvice}));
  EXPECT_EQ(dialogs.messages[0].defaultAnswer, Answer::No);
  EXPECT_EQ(dialogs.messages[1].text,
            u"You could try saving it as a text file\r\nand applying this program to that file.");

  dialogs.messages.clear();
  hooks.lines.clear();
  dialogs.answers = {Answer::Yes, Answer::Yes};
  EXPECT_EQ(ReadSingle(Docx("twenty.docx", {body(kTooBigXmlSize)})), FileReadStatus::Read);
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"big body"});

  dialogs.messages.clear();
  EXPECT_EQ(ReadSingle(Docx("toobig.docx", {body(kTooBigXmlSize + 1)})),
            FileReadStatus::DocxFailed);
  EXPECT_EQ(MessageTitles(), std::vector<Text>{u"File too big"});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::DocxTooBig});
  EXPECT_TRUE(LeftoverTempFolders().empty());
}

}  // namespace
}  // namespace velt
