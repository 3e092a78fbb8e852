#include "phrases/phrase_key.h"

#include "text/case_mapping.h"

namespace velt {
namespace {

// German transliteration: each of these characters becomes two letters.
struct Transliteration {
  char16_t from;
  char16_t first;
  char16_t second;
};
constexpr Transliteration kTransliterations[] = {
    {u'Œ', u'O', u'e'}, {u'Ä', u'A', u'e'}, {u'Æ', u'A', u'e'}, {u'Ö', u'O', u'e'},
    {u'Ü', u'U', u'e'}, {u'ä', u'a', u'e'}, {u'æ', u'a', u'e'}, {u'ö', u'o', u'e'},
    {u'ü', u'u', u'e'}, {u'ß', u's', u's'},
};

// The 59 accented letters and, position by position, their plain letters.
constexpr TextView kAccented = u"ŠŸÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝšÿàáâãäåçèéêëìíîïñòóôõöøùúûüý";
constexpr TextView kPlain = u"SYAAAAAACEEEEIIIIDNOOOOOOUUUUYsyaaaaaaceeeeiiiinoooooouuuuy";
static_assert(kAccented.size() == 59 && kPlain.size() == 59);

char16_t RemoveAccent(char16_t c) {
  const size_t at = kAccented.find(c);
  return at == TextView::npos ? c : kPlain[at];
}

void AppendKeyChar(char16_t c, Text& out) {
  out.push_back(LowerChar(RemoveAccent(c)));
}

}  // namespace

void AppendPhraseKey(TextView text, Text& out) {
  out.reserve(out.size() + text.size());
  for (const char16_t c : text) {
    const Transliteration* match = nullptr;
    for (const Transliteration& t : kTransliterations) {
      if (t.from == c) match = &t;
    }
    if (match == nullptr) {
      AppendKeyChar(c, out);
    } else {
      AppendKeyChar(match->first, out);
      AppendKeyChar(match->second, out);
    }
  }
}

}  // namespace velt
