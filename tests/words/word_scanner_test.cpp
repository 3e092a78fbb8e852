#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "doubles/scripted_pump.h"
#include "sources/markup.h"
#include "words/word_scanner.h"

namespace velt {
namespace {

using Words = std::vector<Text>;

// Records each word followed by the characters of the stop flags it carries.
class RecordingSink final : public WordSink {
 public:
  Words marked;
  std::function<void(TextView)> onWord;

  void TakeWord(TextView word, const StopFlags& flags) override {
    Text entry(word);
    for (const auto& [set, mark] : {std::pair{flags.semicolon, u';'},
                                    {flags.period, u'.'},
                                    {flags.doubleQuote, u'"'},
                                    {flags.tab, u'\t'},
                                    {flags.comma, u','}}) {
      if (set) entry.push_back(mark);
    }
    marked.push_back(entry);
    if (onWord) onWord(word);
  }
};

class WordScannerTest : public ::testing::Test {
 protected:
  WordScannerTest() {
    Admit([](Settings&) {});
  }

  void Admit(const std::function<void(Settings&)>& boxes) {
    for (bool* box : settings.SettingsCheckboxes())
      *box = false;
    boxes(settings);
    rules.SetAllowedExtraChars1(settings);
    rules.SetAllowedExtraChars2(settings);
  }

  void UseExtension(TextView extension) {
    SetMarkupMode(extension, state.markers, state.entitiesPossible);
    state.commentState = -1;
  }

  // Scans the lines as the sources hand them over (one space appended) and
  // returns the words with their stop marks.
  Words Scan(std::initializer_list<TextView> lines) {
    sink.marked.clear();
    for (const TextView line : lines) {
      state.currentLine = Text(line) + u' ';
      scanner.ScanLine();
    }
    return sink.marked;
  }

  Settings settings;
  WordRules rules;
  ScannerState state;
  testing::ScriptedPump pump;
  bool stopRequested = false;
  bool startUpCompleted = true;
  RecordingSink sink;
  WordScanner scanner{state, rules, settings, pump, stopRequested, startUpCompleted, sink};
};

TEST_F(WordScannerTest, CutsWordsUnderTheWordRules) {
  const auto none = [](Settings&) {};
  const auto hyphens = [](Settings& s) { s.allowHyphens = true; };
  const auto periods = [](Settings& s) { s.allowPeriods = true; };
  const auto numerals = [](Settings& s) { s.allowNumeralsInWords = true; };
  const auto numbers = [](Settings& s) { s.allowNumeralsInWords = s.allowPeriods = true; };
  const auto apostrophes = [](Settings& s) { s.allowApostrophes = true; };
  const struct {
    std::function<void(Settings&)> admit;
    Text line;
    Words words;
  } cases[] = {
      {none, u"e-mail", {u"e", u"mail"}},
      {hyphens, u"e-mail -abc- well--known", {u"e-mail", u"abc", u"well", u"known"}},
      {periods, u"U.S.A. ....", {u"U.S.A"}},
      {numerals, u"2023 3.5%", {u"2023", u"3.", u"5"}},
      {numbers, u"3.5%", {u"3.5"}},
      {none,
       u"abc123def a\u00D7b\u00F7c \u0152uvre",
       {u"abc", u"def", u"a", u"b", u"c", u"\u0152uvre"}},
      {none, u"it's weren't couldn't don't", {u"it", u"don"}},
      {apostrophes, u"don't 'quoted' don\u2019t", {u"don't", u"quoted", u"don", u"t"}},
      {none, u"     ", {}},
      {none,
       u"say \"stop\" end . next end. x,y a\tb c;",
       {u"say", u"stop\"", u"end", u"next", u"end.", u"x,", u"y", u"a\t", u"b", u"c;"}},
      {[](Settings& s) { s.allowPeriods = s.allowCommas = true; }, u"end. x,", {u"end", u"x"}},
      {none,
       Text(u"a\0b\u0001c\u007f d\be\r\nf\fg\u00A0h", 18),
       {u"a", u"b", u"c", u"de", u"f", u"g", u"h"}},
  };
  for (const auto& c : cases) {
    Admit(c.admit);
    EXPECT_EQ(Scan({c.line}), c.words) << c.line.size();
  }
  EXPECT_FALSE(state.stoppedAtPeriod || state.stoppedAtComma);
}

TEST_F(WordScannerTest, LongRunContinuesAsNextWord) {
  const Words words = Scan({Text(70000, u'q')});
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].size(), 65000u);
  EXPECT_EQ(words[1].size(), 5000u);
}

TEST_F(WordScannerTest, MarkupSectionsAndEntities) {
  UseExtension(u"html");
  EXPECT_EQ(Scan({u"caf&eacute; &amp; bar <b>bold</b> &quot;q&quot; <SCRIPT>x</Script>"}),
            (Words{u"café", u"bar", u"bold", u"q\""}));
  EXPECT_EQ(Scan({u"x &hellip; y&mdash;z"}), (Words{u"x", u"y", u"z"}));
  EXPECT_EQ(Scan({u"before <!-- hidden", u"still hidden", u"end --> after"}),
            (Words{u"before", u"after"}));
  // Outside XML a CDATA opening starts the noscript section.
  EXPECT_EQ(Scan({u"<![CDATA[x]]> hidden /noscript> after"}), (Words{u"after"}));
  Admit([](Settings& s) { s.allowAmpersands = true; });
  EXPECT_EQ(Scan({u"a&amp;b at&t a&mdash;b"}), (Words{u"a&b", u"at&t", u"a;", u"b"}));

  UseExtension(u"txt");
  EXPECT_EQ(Scan({u"<b>&amp;</b>"}), (Words{u"b", u"&amp;", u"b"}));
  UseExtension(u"xml");
  EXPECT_EQ(Scan({u"<?xml v=\"1\"?><a>x</a> caf&eacute; <![CDATA[in]]> after"}),
            (Words{u"x", u"café", u"in", u"after"}));
  UseExtension(u"php");
  EXPECT_EQ(Scan({u"<?php echo $x; ?> /* gone */ kept // gone"}), (Words{u"echo", u"x;", u"kept"}));
  UseExtension(u"c");
  EXPECT_EQ(Scan({u"a /* b */ c /* open", u"inside", u"close */ out // note"}),
            (Words{u"a", u"c", u"out"}));
}

TEST_F(WordScannerTest, ReadingAListAndCountingOccurrences) {
  Scan({u"one two it's"});
  EXPECT_EQ(state.totalOccurrences, 3);

  state.readingWordsFile = true;
  rules.SetReadingExtraChars();
  UseExtension(u"c");
  EXPECT_EQ(Scan({u"a < b", u"<", u"<\\b[a-z]{3}> <x", u"wh~ ?at it's s -x-", u"k // c /* d */"}),
            (Words{u"a", u"b", u"<\\b[a-z]{3}>", u"x", u"wh~", u"?at", u"it's", u"s", u"x", u"k"}));
  EXPECT_EQ(Scan({u"x\ty well--known"}), (Words{u"x", u"y", u"well--known"}));  // tab is a space
  EXPECT_EQ(state.totalOccurrences, 3);
}

TEST_F(WordScannerTest, StopAndYield) {
  sink.onWord = [this](TextView word) { stopRequested = word == u"two"; };
  EXPECT_EQ(Scan({u"one two three"}), (Words{u"one", u"two"}));
  EXPECT_GT(pump.yields, 0);

  // A stop arriving at the yield right after a word is cut drops that word.
  stopRequested = false;
  sink.onWord = nullptr;
  pump.triggerAt = pump.yields + 2;  // the first yield is at the top of the loop
  pump.action = [this] { stopRequested = true; };
  EXPECT_EQ(Scan({u"one two"}), Words{});

  stopRequested = false;
  startUpCompleted = false;
  const long yields = pump.yields;
  Scan({u"one two"});
  EXPECT_EQ(pump.yields, yields);
}

TEST_F(WordScannerTest, UnterminatedSectionsAndStrayMarkers) {
  UseExtension(u"html");
  EXPECT_EQ(Scan({u"&", u"word &", u"--", u"a --", u"<!-- never closed", u"still hidden"}),
            (Words{u"word", u"a"}));
  EXPECT_EQ(state.commentState, 4);
  UseExtension(u"html");
  EXPECT_EQ(Scan({u"<", u"x> y"}), (Words{u"y"}));  // a tag may span lines
  UseExtension(u"xml");
  EXPECT_EQ(Scan({u"<![CDATA[", u"<![CDATA[text"}), (Words{u"text"}));
  state.currentLine.clear();  // a caller that appended nothing
  scanner.ScanLine();
  EXPECT_EQ(state.linePosition, 0u);
}

TEST_F(WordScannerTest, HugeLinesStayLinear) {
  // Any step that rescans the rest of the line makes these take minutes.
  constexpr size_t kSize = 5'000'000;
  UseExtension(u"html");
  Admit([](Settings& s) { s.allowAmpersands = s.allowHyphens = true; });
  for (const char16_t c : TextView(u"&<-a\0 ", 6)) {
    state.commentState = -1;
    Scan({Text(kSize, c)});
  }
  const Text repetition = u"word <b>tag</b> &amp;x a&b; --y-- &#9; <!-- c --> ";
  const size_t wordsPerRepetition = Scan({repetition}).size();
  ASSERT_EQ(wordsPerRepetition, 5u);
  Text mixed;
  while (mixed.size() < kSize)
    mixed += repetition;
  EXPECT_EQ(Scan({mixed}).size(), wordsPerRepetition * (mixed.size() / repetition.size()));
}

}  // namespace
}  // namespace velt
