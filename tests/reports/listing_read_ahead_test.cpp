// ListingReadAhead: what the passes of a listing read through it is what the
// table holds, whatever the memory budget, the order of the visits or a chain
// rebuild in between; blocks within the budget are read once per listing.
#include "reports/listing_read_ahead.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "in_memory_phrases.h"

namespace velt::testing {
namespace {

using VisitOrder = ListingReadAhead::VisitOrder;

// A record as a pass sees it.
struct Seen {
  int32_t index = 0;
  Text phrase;
  int32_t rank = 0;
  int32_t count = 0;

  bool operator==(const Seen&) const = default;
};

void PrintTo(const Seen& seen, std::ostream* out) {
  *out << seen.index << " " << ToUtf8(seen.phrase) << " rank " << seen.rank << " count "
       << seen.count;
}

// The records a pass visits, with what `phrases` gives for them; the
// read-ahead is told of every visit when there is one.
std::vector<Seen> Pass(ListedPhrases& phrases, ListingReadAhead* records, bool alphabetical) {
  std::vector<Seen> seen;
  const auto visit = [&](int32_t i) {
    if (records != nullptr) records->Visit(i);
    seen.push_back({i, phrases.Phrase(i), phrases.Rank(i), phrases.Count(i)});
  };
  if (records != nullptr) records->Rewind();
  const int32_t last = phrases.phraseCount();
  if (alphabetical) {
    for (int32_t i = 1; i <= last; ++i) {
      if (phrases.Included(i)) visit(i);
    }
    return seen;
  }
  int32_t i = phrases.firstInFrequencyOrder();
  for (int32_t k = 0; k < phrases.includedPhraseCount() && i >= 1 && i <= last; ++k) {
    visit(i);
    i = phrases.Next(i);
  }
  return seen;
}

// 4,000 records, 3,334 of them included: four blocks of visits, the last
// one short.
std::vector<PhraseRow> Rows() {
  std::vector<PhraseRow> rows;
  for (int k = 0; k < 4000; ++k) {
    PhraseRow row{T("w" + std::to_string(k % 50) + " x" + std::to_string(k)), 1 + (k * 37) % 23};
    for (int f = 0; f <= k % 4; ++f) {
      row.files.push_back(f + 1);
      row.perFileCounts.push_back(1);
    }
    row.included = k % 6 != 5;
    rows.push_back(std::move(row));
  }
  return rows;
}

class ListingReadAheadTest : public ::testing::TestWithParam<bool> {
 protected:
  bool Alphabetical() const { return GetParam(); }
  VisitOrder Order() const {
    return Alphabetical() ? VisitOrder::Table : VisitOrder::FrequencyChain;
  }
  std::vector<Seen> Expected() { return Pass(table, nullptr, Alphabetical()); }
  std::vector<Seen> PassThrough(ListingReadAhead& records) {
    return Pass(records, &records, Alphabetical());
  }

  InMemoryPhrases table{Rows()};
};

TEST_P(ListingReadAheadTest, EveryPassSeesTheTableWhateverTheBudget) {
  const std::vector<Seen> expected = Expected();
  ASSERT_EQ(expected.size(), 3334u);

  ListingReadAhead unlimited(table, Order(), SIZE_MAX);
  EXPECT_EQ(PassThrough(unlimited), expected);
  EXPECT_EQ(unlimited.BlocksRead(), 4u);
  EXPECT_EQ(PassThrough(unlimited), expected);
  EXPECT_EQ(unlimited.BlocksRead(), 4u) << "the second pass reads the kept blocks";
  const size_t allBytes = unlimited.KeptBytes();

  ListingReadAhead nothingKept(table, Order(), 0);
  EXPECT_EQ(PassThrough(nothingKept), expected);
  EXPECT_EQ(PassThrough(nothingKept), expected);
  EXPECT_EQ(nothingKept.BlocksRead(), 8u);
  EXPECT_EQ(nothingKept.KeptBytes(), 0u);

  // Room for one of the three full blocks: the second pass reads the other
  // three again.
  ListingReadAhead oneKept(table, Order(), allBytes / 2);
  EXPECT_EQ(PassThrough(oneKept), expected);
  EXPECT_EQ(PassThrough(oneKept), expected);
  EXPECT_GT(oneKept.KeptBytes(), 0u);
  EXPECT_LE(oneKept.KeptBytes(), allBytes / 2);
  EXPECT_EQ(oneKept.BlocksRead(), 7u);
}

// A pass that leaves the visit order, by visiting in the other order or by
// skipping a record, is served by the table from there on; the next pass
// reads ahead again.
TEST_P(ListingReadAheadTest, VisitsOutOfOrderAreServedByTheTable) {
  const std::vector<Seen> expected = Expected();
  ListingReadAhead records(table, Order(), SIZE_MAX);
  EXPECT_EQ(Pass(records, &records, !Alphabetical()), Pass(table, nullptr, !Alphabetical()));

  records.Rewind();
  records.Visit(expected[0].index);
  for (size_t k = 2; k < expected.size(); ++k) {
    const int32_t i = expected[k].index;
    records.Visit(i);
    ASSERT_EQ((Seen{i, records.Phrase(i), records.Rank(i), records.Count(i)}), expected[k]);
  }
  EXPECT_EQ(PassThrough(records), expected);
}

// A chain rebuilt through the read-ahead, between passes or in the middle of
// one, is what the next visits follow.
TEST_P(ListingReadAheadTest, AChainRebuildThroughItIsFollowed) {
  ListingReadAhead records(table, Order(), SIZE_MAX);
  const std::vector<Seen> byCount = PassThrough(records);
  records.BuildFrequencyChain(true);
  const std::vector<Seen> byFiles = Expected();
  EXPECT_EQ(PassThrough(records), byFiles);
  EXPECT_NE(byFiles, byCount);

  records.Rewind();
  int32_t i = records.firstInFrequencyOrder();
  for (int k = 0; k < 1500 && i != 0; ++k) {
    if (k == 700) records.BuildFrequencyChain(false);
    records.Visit(i);
    ASSERT_EQ(records.Phrase(i), table.Phrase(i)) << k;
    ASSERT_EQ(records.Rank(i), table.Rank(i)) << k;
    ASSERT_EQ(records.Count(i), table.Count(i)) << k;
    ASSERT_EQ(records.Next(i), table.Next(i)) << k;
    i = records.Next(i);
  }
  EXPECT_EQ(PassThrough(records), Expected());
}

INSTANTIATE_TEST_SUITE_P(BothOrders, ListingReadAheadTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Alphabetical" : "ByFrequency";
                         });

}  // namespace
}  // namespace velt::testing
