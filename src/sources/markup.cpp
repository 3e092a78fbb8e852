#include "sources/markup.h"

#include "text/case_mapping.h"
#include "text/folded_search.h"

namespace velt {
namespace {

bool ContainsUpperCased(TextView line, TextView upperNeedle) {
  return FindFolded(line, upperNeedle, 0, UpperChar) != TextView::npos;
}

bool DeclaresUtf8(TextView line) {
  return ContainsUpperCased(line, u"CHARSET=UTF-8") ||
         ContainsUpperCased(line, u"CHARSET=\"UTF-8\"");
}

}  // namespace

Text SkipHtmlHead(Text line, const NextLineFn& nextLine, bool& utf8) {
  constexpr TextView kHeadEnd = u"</HEAD>";
  while (true) {
    if (!utf8 && DeclaresUtf8(line)) utf8 = true;
    const size_t headEnd = FindFolded(line, kHeadEnd, 0, UpperChar);
    if (headEnd != TextView::npos) return line.substr(headEnd + kHeadEnd.size());
    if (!nextLine(line)) return Text();
  }
}

}  // namespace velt
