// Listings of the engine's phrase table, long enough to be read ahead in
// several blocks (and short enough for the text window to hold them whole):
// the phrases of the current count in the order asked for, in the file and in
// the window, after a relist in another order and after a new count of
// another text.
#include <algorithm>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

#include "engine/main_window_controller.h"
#include "engine_fixture.h"

namespace velt::testing {
namespace {

struct Counted {
  std::string phrase;
  int count = 0;
};

// Three letters for n: a distinct, purely alphabetic part of a word.
std::string Letters(int n) {
  std::string letters(3, 'a');
  for (int k = 2; k >= 0; --k, n /= 26)
    letters[static_cast<size_t>(k)] += static_cast<char>(n % 26);
  return letters;
}

// A text of two-word sentences, phrase n repeated countOf(n) times, and the
// phrases with their counts.
template <class CountOf>
std::pair<std::string, std::vector<Counted>> Sentences(const std::string& stem, int phrases,
                                                       CountOf countOf) {
  std::string text;
  std::vector<Counted> counted;
  for (int n = 0; n < phrases; ++n) {
    const std::string phrase = stem + "one" + Letters(n) + " " + stem + "two" + Letters(n);
    for (int k = 0; k < countOf(n); ++k)
      text += phrase + ".\r\n";
    counted.push_back({phrase, countOf(n)});
  }
  return {text, counted};
}

std::vector<Counted> ByFrequency(std::vector<Counted> counted) {
  std::sort(counted.begin(), counted.end(), [](const Counted& a, const Counted& b) {
    return a.count != b.count ? a.count > b.count : a.phrase < b.phrase;
  });
  return counted;
}

std::vector<Counted> Alphabetically(std::vector<Counted> counted) {
  std::sort(counted.begin(), counted.end(),
            [](const Counted& a, const Counted& b) { return a.phrase < b.phrase; });
  return counted;
}

// The lines after the column header, as "rank freq phrase" with single
// spaces: in the window the columns are padded with spaces, in the file
// separated by TABs.
std::vector<std::string> ListedLines(const std::string& report) {
  std::vector<std::string> lines;
  std::istringstream in(report);
  bool listed = false;
  for (std::string line; std::getline(in, line);) {
    if (listed) {
      std::replace(line.begin(), line.end(), '\t', ' ');
      std::istringstream words(line);
      std::string joined;
      for (std::string word; words >> word;)
        joined += (joined.empty() ? "" : " ") + word;
      lines.push_back(joined);
    }
    listed = listed || line.find("Rank") != std::string::npos;
  }
  return lines;
}

// The lines of the phrases in the given order, ranked by frequency.
std::vector<std::string> Expected(const std::vector<Counted>& inOrder,
                                  const std::vector<Counted>& byFrequency) {
  std::map<std::string, size_t> rank;
  for (size_t k = 0; k < byFrequency.size(); ++k)
    rank[byFrequency[k].phrase] = k + 1;
  std::vector<std::string> lines;
  for (const Counted& c : inOrder) {
    lines.push_back(std::to_string(rank[c.phrase]) + " " + std::to_string(c.count) + " " +
                    c.phrase);
  }
  return lines;
}

class TableListingTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    settings().filePaths[1] = FromUtf8((dir_ / "report.txt").string());
  }

  void Count(const std::string& text) {
    UseFile(Write("in.txt", text), 2, 2, 2);
    engine_->mainWindow().OnCountClicked();
    ASSERT_TRUE(engine_->CountReachedListing());
  }

  void ExpectListed(const std::vector<Counted>& inOrder, const std::vector<Counted>& byFrequency) {
    const std::vector<std::string> expected = Expected(inOrder, byFrequency);
    EXPECT_EQ(ListedLines(ToUtf8(session().textWindow.text())), expected);
    EXPECT_EQ(ListedLines(Read((dir_ / "report.txt").string())), expected);
  }
};

TEST_F(TableListingTest, ListsTheCurrentPhrasesInTheOrderAskedFor) {
  const auto [first, firstPhrases] = Sentences("q", 1600, [](int n) { return 2 + n % 5; });
  Count(first);
  const std::vector<Counted> firstByFrequency = ByFrequency(firstPhrases);
  ExpectListed(firstByFrequency, firstByFrequency);

  settings().wordOrder = 1;
  engine_->mainWindow().OnWordOrderChosen();
  ExpectListed(Alphabetically(firstPhrases), firstByFrequency);

  // Fewer phrases with other counts: nothing of the first count may remain.
  const auto [second, secondPhrases] = Sentences("z", 1100, [](int n) { return 2 + (n * 3) % 4; });
  Count(second);
  const std::vector<Counted> secondByFrequency = ByFrequency(secondPhrases);
  ExpectListed(Alphabetically(secondPhrases), secondByFrequency);

  settings().wordOrder = 0;
  engine_->mainWindow().OnWordOrderChosen();
  ExpectListed(secondByFrequency, secondByFrequency);
}

}  // namespace
}  // namespace velt::testing
