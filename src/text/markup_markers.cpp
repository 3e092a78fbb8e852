#include "text/markup_markers.h"

#include <utility>
#include <vector>

namespace velt {
namespace {

using MarkerPair = std::pair<TextView, TextView>;

// The marker pairs of each mode, in index order (start, end).
const std::vector<MarkerPair>& MarkerPairs(MarkupMode mode) {
  static const std::vector<MarkerPair> html = {{u"&", u";"},
                                               {u"<script", u"/script>"},
                                               {u"<style", u"/style>"},
                                               {u"<noscript", u"/noscript>"},
                                               {u"<!--", u"-->"},
                                               {u"<", u">"}};
  static const std::vector<MarkerPair> php = {{u"&", u";"},
                                              {u"<script", u"/script>"},
                                              {u"<style", u"/style>"},
                                              {u"<noscript", u"/noscript>"},
                                              {u"<!--", u"-->"},
                                              {u"<?php", u"php"},
                                              {u"<", u">"},
                                              {u"/*", u"*/"},
                                              {u"//", u""}};
  static const std::vector<MarkerPair> xml = {{u"<?xml", u"?>"}, {u"<!--", u"-->"}, {u"<", u">"}};
  static const std::vector<MarkerPair> c = {{u"/*", u"*/"}, {u"//", u""}};
  static const std::vector<MarkerPair> none;
  switch (mode) {
    case MarkupMode::Html:
      return html;
    case MarkupMode::Php:
      return php;
    case MarkupMode::Xml:
      return xml;
    case MarkupMode::C:
      return c;
    case MarkupMode::None:
      break;
  }
  return none;
}

}  // namespace

void SetCommentMarkers(MarkupMode mode, MarkerTable& table) {
  table = MarkerTable{};
  const std::vector<MarkerPair>& pairs = MarkerPairs(mode);
  for (size_t i = 0; i < pairs.size(); ++i) {
    table.commentStarts[i] = Text(pairs[i].first);
    table.commentEnds[i] = Text(pairs[i].second);
  }
  table.markerPairCount = static_cast<int>(pairs.size());
}

MarkupMode MarkupModeForExtension(TextView lowerExtension) {
  if (lowerExtension == u"php") return MarkupMode::Php;
  if (lowerExtension == u"xml") return MarkupMode::Xml;
  if (lowerExtension.find(u"htm") != TextView::npos) return MarkupMode::Html;
  if (lowerExtension == u"cpp" || lowerExtension == u"c") return MarkupMode::C;
  return MarkupMode::None;
}

void SetMarkupMode(TextView lowerExtension, MarkerTable& table, bool& entitiesPossible) {
  const MarkupMode mode = MarkupModeForExtension(lowerExtension);
  SetCommentMarkers(mode, table);
  entitiesPossible = mode == MarkupMode::Html || mode == MarkupMode::Php || mode == MarkupMode::Xml;
}

}  // namespace velt
