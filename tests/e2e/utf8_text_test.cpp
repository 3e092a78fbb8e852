// One French and German text saved the three ways editors save it: UTF-8
// without a byte-order mark (Linux editors), UTF-8 with one, and
// Windows-1252. Each must give the same report, with its accented words.
#include <string>
#include <vector>

#include "e2e/batch_test.h"
#include "text/text.h"

namespace velt::e2e {
namespace {

// The text has no curly quotes or dashes (the UTF-8 repairs turn those into
// ASCII stand-ins). "€" and "™" are no word characters, nor are "Ž" and "ž"
// ("Žižkov" gives "i kov"), in any reading.
constexpr std::u16string_view kSentences =
    u"Le café crème à la forêt coûte 5 €, l'œuvre de Noël. Œuvres du cœur. "
    u"Grüße aus Köln: schöne Straße, hübsche Häuser. Škoda™ fährt nach Žižkov. ";

std::string Windows1252(TextView text) {
  std::string bytes;
  for (const char16_t c : text) {
    const int byte = CharToCp1252(c);
    EXPECT_GE(byte, 0) << "not a Windows-1252 character: " << static_cast<int>(c);
    bytes.push_back(static_cast<char>(byte));
  }
  return bytes;
}

class Utf8Text : public BatchTest {};

TEST_F(Utf8Text, WithoutMarkWithMarkAndWindows1252GiveTheSameReport) {
  const Text text = Text(kSentences) + u"\n" + Text(kSentences) + u"\n";
  const std::string utf8 = ToUtf8(text);
  struct Saved {
    const char* how;
    std::string bytes;
  };
  const std::vector<Saved> savings = {{"UTF-8 without mark", utf8},
                                      {"UTF-8 with mark", "\xEF\xBB\xBF" + utf8},
                                      {"Windows-1252", Windows1252(text)}};
  // One input path for all three, so that the reports' file lines agree too.
  const std::string input = scratch_ / "notes.md";

  std::vector<ChildResult> results;
  std::vector<std::string> reports;
  for (const Saved& saved : savings) {
    scratch_.Write("notes.md", saved.bytes);
    results.push_back(Run(SingleFileSettings(input, OutputPath())));
    reports.push_back(OutputFile());
  }

  const std::string expected =
      "There are 10 phrases with 2 to 6 words which occur at least twice.\n"
      "The longest phrase has 6 words.\n"
      "     Rank      Freq  Phrase [longest has 37 characters]\n"
      "        1         2  à la forêt coûte l œuvre\n"
      "        2         2  aus köln schöne straße hübsche häuser\n"
      "        3         2  café crème à la forêt coûte\n"
      "        4         2  crème à la forêt coûte l\n"
      "        5         2  forêt coûte l œuvre de noël\n"
      "        6         2  grüße aus köln schöne straße hübsche\n"
      "        7         2  la forêt coûte l œuvre de\n"
      "        8         2  le café crème à la forêt\n"
      "        9         2  škoda fährt nach i kov\n"
      "       10         2  œuvres du cœur\n";
  for (size_t k = 0; k < savings.size(); ++k) {
    SCOPED_TRACE(savings[k].how);
    EXPECT_EQ(results[k].exitCode, 0);
    EXPECT_EQ(results[k].err, "");
    EXPECT_EQ(results[k].out, expected);
    EXPECT_EQ(reports[k], reports[0]);
  }
  // The output file holds the same phrases, in UTF-8.
  EXPECT_EQ(reports[0].rfind("File: " + input + "\r\n", 0), 0u);
  for (const char* phrase : {"grüße aus köln schöne straße hübsche", "œuvres du cœur",
                             "škoda fährt nach i kov", "le café crème à la forêt"}) {
    EXPECT_NE(reports[0].find("\t" + std::string(phrase) + "\t\r\n"), std::string::npos) << phrase;
  }
}

// A words file from a Linux editor (UTF-8, no mark, LF line ends) ignores the
// accented words of a Windows-1252 input.
TEST_F(Utf8Text, WordsFileWithoutMarkMatchesAccentedWords) {
  const std::string input =
      scratch_.Write("in.txt", Windows1252(u"Grüße aus Köln. Œuvre complète für Noël. Grüße aus "
                                           u"Köln. Œuvre complète für Noël.\r\n"));
  const std::string wordsFile = scratch_.Write("ignore.txt", ToUtf8(u"grüße\nŒuvre\n"));
  Settings settings = SingleFileSettings(input);
  settings.phraseLengthIndexes = {0, 0};
  settings.wordOrder = 1;
  settings.displayFormat = 8;
  settings.ignoreMode = IgnoreMode::ExcludeContainingIgnored;
  settings.wordsFileList.entries = {FromUtf8(wordsFile)};
  settings.wordsFileList.index = 0;

  const ChildResult result = Run(settings);

  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out,
            "There are 3 phrases of 2 words which occur at least twice\n"
            "when phrases containing a word to ignore are excluded.\n"
            "Phrase [longest has 12 characters]\n"
            "aus köln\n"
            "complète für\n"
            "für noël\n");
}

}  // namespace
}  // namespace velt::e2e
