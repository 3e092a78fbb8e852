#include "reports/file_block.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "text/strings.h"

namespace velt {
namespace {

std::vector<TextView> NonBlankLines(TextView block) {
  std::vector<TextView> lines;
  size_t start = 0;
  while (start <= block.size()) {
    size_t end = block.find(kLineEnd, start);
    if (end == TextView::npos) end = block.size();
    const TextView line = block.substr(start, end - start);
    if (!TrimmedOfSpaces(line).empty()) lines.push_back(line);
    start = end + kLineEnd.size();
  }
  return lines;
}

// The count before the line's first space, right-aligned to 4 characters.
// Counts are written in a 5-character field, so for counts below 10,000 the
// part before the first space is empty and the line simply moves 4 to the
// right; a wider count is aligned with them (9 characters) instead of being
// cut.
Text AlignCount(TextView line) {
  const size_t space = line.find(u' ');
  if (space == TextView::npos) return Text(line);
  const TextView part = line.substr(0, space);
  Text aligned = RightAligned(part, part.size() <= 4 ? 4 : 9);
  aligned.append(line.substr(space));
  return aligned;
}

}  // namespace

Text ArrangeFileBlock(TextView block, bool relativeFrequency) {
  const std::vector<TextView> lines = NonBlankLines(block);
  if (lines.empty()) return {};
  std::vector<Text> fileLines;
  fileLines.reserve(lines.size() - 1);
  for (size_t i = 1; i < lines.size(); ++i) {
    if (relativeFrequency) {
      Text line(u"  ");
      line.append(lines[i]);
      fileLines.push_back(std::move(line));
    } else {
      fileLines.push_back(AlignCount(lines[i]));
    }
  }
  std::sort(fileLines.begin(), fileLines.end(), std::greater<>());
  Text arranged(lines[0]);
  for (const Text& line : fileLines)
    arranged.append(kLineEnd).append(line);
  return arranged;
}

}  // namespace velt
