#include "phrases/redundant_subphrases.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "phrases/subphrase_finder.h"

namespace velt {
namespace {

struct Member {
  int32_t count;
  int32_t index;
};

// The included records grouped by count (a counting sort when the counts are
// not much spread out, a sort otherwise).
std::vector<Member> IncludedByCount(const PhraseTable& table) {
  std::vector<Member> members;
  int32_t maxCount = 0;
  for (int32_t i = 1; i <= table.phraseCount(); ++i) {
    if (!table.Included(i)) continue;
    members.push_back({table.Count(i), i});
    maxCount = std::max(maxCount, table.Count(i));
  }
  if (static_cast<size_t>(maxCount) > 4 * members.size() + 1024) {
    std::stable_sort(members.begin(), members.end(),
                     [](const Member& a, const Member& b) { return a.count < b.count; });
    return members;
  }
  std::vector<size_t> start(static_cast<size_t>(maxCount) + 2, 0);
  for (const Member& m : members)
    ++start[m.count + 1];
  for (size_t k = 1; k < start.size(); ++k)
    start[k] += start[k - 1];
  std::vector<Member> grouped(members.size());
  for (const Member& m : members)
    grouped[start[m.count]++] = m;
  return grouped;
}

}  // namespace

bool ExcludeRedundantSubphrases(PhraseTable& table, const bool& stopRequested, EventPump& pump) {
  const std::vector<Member> members = IncludedByCount(table);
  if (members.empty()) return true;
  SubphraseFinder finder(table);
  std::vector<uint32_t> nodes;
  for (size_t begin = 0; begin < members.size();) {
    const int32_t count = members[begin].count;
    size_t end = begin;
    nodes.clear();
    while (end < members.size() && members[end].count == count) {
      nodes.push_back(table.NodeAt(members[end++].index));
    }
    finder.MarkGroup(count, nodes);
    for (size_t k = begin; k < end; ++k) {
      pump.Yield();
      if (stopRequested) return false;
      if (finder.IsInsideAnother(nodes[k - begin], count))
        table.SetIncluded(members[k].index, false);
    }
    begin = end;
  }
  return true;
}

}  // namespace velt
