// Files whose text is not plain: an HTML page, a C source and DOCX documents.
#include <cstdint>
#include <filesystem>
#include <string>

#include "e2e/batch_test.h"

namespace velt::e2e {
namespace {

// Writes `bytes` bytes (up to 8) of value, lowest first.
void AppendLittleEndian(std::string& out, uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A zip archive holding one stored (uncompressed) member whose recorded CRC
// is `crc`, so that a wrong value makes a checksum failure.
std::string StoredZip(const std::string& name, const std::string& data, uint32_t crc) {
  const auto size = static_cast<uint32_t>(data.size());
  const auto nameSize = static_cast<uint32_t>(name.size());
  std::string zip;
  AppendLittleEndian(zip, 0x04034b50, 4);     // local file header
  AppendLittleEndian(zip, 20, 2);             // version needed
  AppendLittleEndian(zip, 0, 2 + 2 + 2 + 2);  // flags, method "stored", time, date
  AppendLittleEndian(zip, crc, 4);
  AppendLittleEndian(zip, size, 4);
  AppendLittleEndian(zip, size, 4);
  AppendLittleEndian(zip, nameSize, 2);
  AppendLittleEndian(zip, 0, 2);  // extra field
  zip += name + data;
  const auto directoryOffset = static_cast<uint32_t>(zip.size());
  AppendLittleEndian(zip, 0x02014b50, 4);  // central directory header
  AppendLittleEndian(zip, 20, 2);          // version made by
  AppendLittleEndian(zip, 20, 2);          // version needed
  AppendLittleEndian(zip, 0, 2 + 2 + 2 + 2);
  AppendLittleEndian(zip, crc, 4);
  AppendLittleEndian(zip, size, 4);
  AppendLittleEndian(zip, size, 4);
  AppendLittleEndian(zip, nameSize, 2);
  AppendLittleEndian(zip, 0, 2 + 2 + 2 + 2);  // extra, comment, disk, internal attributes
  AppendLittleEndian(zip, 0, 4);              // external attributes
  AppendLittleEndian(zip, 0, 4);              // offset of the local header
  zip += name;
  const auto directorySize = static_cast<uint32_t>(zip.size()) - directoryOffset;
  AppendLittleEndian(zip, 0x06054b50, 4);  // end of central directory
  AppendLittleEndian(zip, 0, 2 + 2);       // disk numbers
  AppendLittleEndian(zip, 1, 2);
  AppendLittleEndian(zip, 1, 2);
  AppendLittleEndian(zip, directorySize, 4);
  AppendLittleEndian(zip, directoryOffset, 4);
  AppendLittleEndian(zip, 0, 2);  // comment
  return zip;
}

class MarkupAndDocx : public BatchTest {
 protected:
  // Whether the run left nothing in its temporary directory.
  bool TempDirIsEmpty() const { return std::filesystem::is_empty(TempDir()); }

  // Copies a fixture of tests/data into the scratch folder and returns its path there.
  std::string CopyFixture(const std::string& name) const {
    const std::string target = scratch_ / name;
    std::filesystem::copy_file(std::string(VELT_TEST_DATA_DIR) + "/" + name, target);
    return target;
  }
};

// The head (with its title), the comment and the tags are skipped; entities
// are decoded after the line is lower-cased, so "&Eacute;" gives "é" too.
// A title or comment that was read would make "fish chips" a phrase of its own.
TEST_F(MarkupAndDocx, HtmlPageLosesItsHeadTagsAndCommentsAndDecodesEntities) {
  const std::string page = scratch_.Write("page.html",
                                          "<!DOCTYPE html>\r\n"
                                          "<html><head><title>Fish &amp; chips</title></head>\r\n"
                                          "<body>\r\n"
                                          "<p>Caf&eacute; au lait, fish &amp; chips.</p>\r\n"
                                          "<!-- Fish &amp; chips -->\r\n"
                                          "<p>CAF&Eacute; AU LAIT, FISH &amp; CHIPS.</p>\r\n"
                                          "</body></html>\r\n");

  const ChildResult result = Run(SingleFileSettings(page));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There is one phrase with 2 to 6 words which occurs at least twice.\n"
            "     Rank      Freq  Phrase [longest has 23 characters]\n"
            "        1         2  caf\xC3\xA9 au lait fish chips\n");
}

// XML: the declaration, the comment and the tags are skipped, but CDATA
// content is text. The words run on across lines: fish and chips fish chips
// fish chips.
TEST_F(MarkupAndDocx, XmlCdataIsReadAsText) {
  const std::string xml = scratch_.Write("menu.xml",
                                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                                         "<menu><!-- Fish and chips -->\r\n"
                                         "<item><![CDATA[Fish and chips]]></item>\r\n"
                                         "<item>Fish &amp; chips</item>\r\n"
                                         "<item>Fish &amp; chips</item>\r\n"
                                         "</menu>\r\n");

  const ChildResult result = Run(SingleFileSettings(xml));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There is one phrase with 2 to 6 words which occurs at least twice.\n"
            "     Rank      Freq  Phrase [longest has 16 characters]\n"
            "        1         2  chips fish chips\n");
}

// Block and line comments are skipped; phrases run on across lines, and the
// underscore splits green_apples into two words.
TEST_F(MarkupAndDocx, CSourceLosesItsComments) {
  const std::string source = scratch_.Write("prog.c",
                                            "/* Block comment: green apples\r\n"
                                            "   grow on trees. */\r\n"
                                            "int green_apples = 0; // green apples grow\r\n"
                                            "/* green apples */ green apples grow slowly.\r\n"
                                            "green apples grow slowly.\r\n");

  const ChildResult result = Run(SingleFileSettings(source));

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There are 2 phrases with 2 to 6 words which occur at least twice.\n"
            "     Rank      Freq  Phrase [longest has 24 characters]\n"
            "        1         3  green apples\n"
            "        2         2  green apples grow slowly\n");
}

// sample.docx: a paragraph ending in a period, one with UTF-8 "Café", curly
// quotes and "AT&amp;T", a two-by-two table and a last paragraph. Each run of
// words between boundaries occurs once, so with lengths 2 to 25 and a minimum
// of one occurrence only the four whole runs remain: the closing curly quote
// ends "café society meets curly quotes", and "t" of "AT&T" is dropped as a
// contraction fragment.
TEST_F(MarkupAndDocx, DocxDocumentIsReadRunByRun) {
  const std::string document = CopyFixture("sample.docx");
  Settings settings = SingleFileSettings(document, OutputPath());
  settings.phraseLengthIndexes = {0, 23};
  settings.minimumFrequencyIndex = 0;

  const ChildResult result = Run(settings);

  const std::string summary =
      "There are 4 phrases with 2 to 25 words which occur at least once.\n"
      "The longest phrase has 14 words.\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            summary +
                "     Rank      Freq  Phrase [longest has 79 characters]\n"
                "        1         1  and at rules\n"
                "        2         1  caf\xC3\xA9 society meets curly quotes\n"
                "        3         1  column one column two table cell other cell last paragraph "
                "without a final stop\n"
                "        4         1  the quick brown fox jumps over the lazy dog\n");
  EXPECT_EQ(OutputFile(),
            WithCrLf("File: " + document + "\n" + summary +
                     "    Rank\t    Freq\tPhrase\t [longest has 79 characters]\n"
                     "       1\t       1\tand at rules\t\n"
                     "       2\t       1\tcaf\xC3\xA9 society meets curly quotes\t\n"
                     "       3\t       1\tcolumn one column two table cell other cell last "
                     "paragraph without a final stop\t\n"
                     "       4\t       1\tthe quick brown fox jumps over the lazy dog\t\n"));
  EXPECT_TRUE(TempDirIsEmpty());
}

// Documents written by two word processors (tests/data/breaks_pandoc.md and
// breaks_writer.fodt converted to DOCX): hard line breaks, tabs inside and at
// the end of a paragraph, a page break and paragraphs without a stop. Each
// boundary falls between two words of one phrase, so a lost boundary would
// show as a merged word ("greenbits", "bitstake", "pageafter", "tabclosing").
// The number 100 is not a word, so "bus stops" joins over it.
TEST_F(MarkupAndDocx, WordProcessorBreaksKeepWordsApart) {
  for (const std::string name : {"breaks_pandoc.docx", "breaks_writer.docx"}) {
    const std::string document = CopyFixture(name);
    Settings settings = SingleFileSettings(document);
    settings.phraseLengthIndexes = {0, 23};
    settings.minimumFrequencyIndex = 0;

    const ChildResult result = Run(settings);

    EXPECT_EQ(result.exitCode, 0) << name;
    EXPECT_EQ(result.err, "") << name;
    EXPECT_EQ(result.out,
              "There are 5 phrases with 2 to 25 words which occur at least once.\n"
              "The longest phrase has 10 words.\n"
              "     Rank      Freq  Phrase [longest has 56 characters]\n"
              "        1         2  the page\n"
              "        2         1  before the page after the page\n"
              "        3         1  last paragraph ends with a tab closing words stand alone\n"
              "        4         1  ride the green bits take the red line\n"
              "        5         1  the number ninety bus stops here\n")
        << name;
    EXPECT_TRUE(TempDirIsEmpty()) << name;
  }
}

// The checksum question comes in both extraction passes; velt-batch answers
// Yes and the document is read.
TEST_F(MarkupAndDocx, DocxWithABadChecksumIsQuestionedAndRead) {
  const std::string xml =
      "<?xml version=\"1.0\"?><w:document><w:body>"
      "<w:p><w:r><w:t>Bad sums still count.</w:t></w:r></w:p>"
      "<w:p><w:r><w:t>Bad sums still count.</w:t></w:r></w:p>"
      "</w:body></w:document>";
  const std::string document =
      scratch_.Write("bad.docx", StoredZip("word/document.xml", xml, 0x12345678));

  const ChildResult result = Run(SingleFileSettings(document));

  const std::string question = "[VELT phrase counter] Invalid checksum found when processing\n" +
                               document + "\n\nDo you wish to scan this file anyway?\n";
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, question + question);
  EXPECT_EQ(result.out,
            "There is one phrase with 2 to 6 words which occurs at least twice.\n"
            "     Rank      Freq  Phrase [longest has 20 characters]\n"
            "        1         2  bad sums still count\n");
  EXPECT_TRUE(TempDirIsEmpty());
}

// A ".docx" file that is not a zip archive is read as plain text.
TEST_F(MarkupAndDocx, DocxNameWithoutZipArchiveIsReadAsText) {
  const std::string document = CopyFixture("plain_text.docx");
  Settings settings = SingleFileSettings(document);
  settings.phraseLengthIndexes = {0, 23};
  settings.minimumFrequencyIndex = 0;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There are 2 phrases with 2 to 25 words which occur at least once.\n"
            "     Rank      Freq  Phrase [longest has 53 characters]\n"
            "        1         1  second line\n"
            "        2         1  this is not a zip archive only text that ends in docx\n");
}

}  // namespace
}  // namespace velt::e2e
