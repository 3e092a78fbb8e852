#include "text/entities.h"

#include <algorithm>
#include <array>

namespace velt {
namespace {

struct Entity {
  TextView name;
  char16_t replacement;
};

// The entity table in its stored order.
constexpr std::array<Entity, 67> kEntities = {{
    {u"&copy;", u'©'},   {u"&amp;", u'&'},    {u"&nbsp;", u' '},   {u"&#160;", u' '},
    {u"&#8212;", u'—'},  {u"&AElig;", u'Æ'},  {u"&Aacute;", u'Á'}, {u"&Acirc;", u'Â'},
    {u"&Agrave;", u'À'}, {u"&Aring;", u'Å'},  {u"&Atilde;", u'Ã'}, {u"&Auml;", u'Ä'},
    {u"&Ccedil;", u'Ç'}, {u"&ETH;", u'Ð'},    {u"&Eacute;", u'É'}, {u"&Ecirc;", u'Ê'},
    {u"&Egrave;", u'È'}, {u"&Euml;", u'Ë'},   {u"&Iacute;", u'Í'}, {u"&Icirc;", u'Î'},
    {u"&Igrave;", u'Ì'}, {u"&Iuml;", u'Ï'},   {u"&Ntilde;", u'Ñ'}, {u"&Oacute;", u'Ó'},
    {u"&Ocirc;", u'Ô'},  {u"&Ograve;", u'Ò'}, {u"&Oslash;", u'Ø'}, {u"&Otilde;", u'Õ'},
    {u"&Ouml;", u'Ö'},   {u"&THORN;", u'Þ'},  {u"&Uacute;", u'Ú'}, {u"&Ucirc;", u'Û'},
    {u"&Ugrave;", u'Ù'}, {u"&Uuml;", u'Ü'},   {u"&Yacute;", u'Ý'}, {u"&aacute;", u'á'},
    {u"&acirc;", u'â'},  {u"&aelig;", u'æ'},  {u"&agrave;", u'à'}, {u"&aring;", u'å'},
    {u"&atilde;", u'ã'}, {u"&auml;", u'ä'},   {u"&ccedil;", u'ç'}, {u"&eacute;", u'é'},
    {u"&ecirc;", u'ê'},  {u"&egrave;", u'è'}, {u"&eth;", u'ð'},    {u"&euml;", u'ë'},
    {u"&iacute;", u'í'}, {u"&icirc;", u'î'},  {u"&igrave;", u'ì'}, {u"&iuml;", u'ï'},
    {u"&ntilde;", u'ñ'}, {u"&oacute;", u'ó'}, {u"&ocirc;", u'ô'},  {u"&ograve;", u'ò'},
    {u"&oslash;", u'ø'}, {u"&otilde;", u'õ'}, {u"&ouml;", u'ö'},   {u"&szlig;", u'ß'},
    {u"&thorn;", u'þ'},  {u"&uacute;", u'ú'}, {u"&ucirc;", u'û'},  {u"&ugrave;", u'ù'},
    {u"&uuml;", u'ü'},   {u"&yacute;", u'ý'}, {u"&yuml;", u'ÿ'},
}};

static_assert(std::all_of(kEntities.begin(), kEntities.end(),
                          [](const Entity& e) { return e.name.size() > 2; }),
              "every entry of the entity table is filled in");

constexpr TextView kQuot = u"&quot;";

constexpr size_t LongestEntity() {
  size_t longest = kQuot.size();
  for (const Entity& e : kEntities)
    longest = std::max(longest, e.name.size());
  return longest;
}

// The ";" of a named entity may be at most at this 1-based position.
constexpr size_t kMaxEntitySemicolon = 20;

bool IsEntityLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= 192 && c <= 214) ||
         (c >= 216 && c <= 246) || (c >= 248 && c <= 255);
}

// The character that replaces candidate, or 0 when it is no known entity.
char16_t EntityReplacement(TextView candidate) {
  if (candidate.size() > LongestEntity()) return 0;
  if (candidate == kQuot) return u'"';
  for (const Entity& e : kEntities) {
    if (e.name == candidate) return e.replacement;
  }
  return 0;
}

}  // namespace

size_t IsEntityStart(TextView t) {
  if (t.size() <= 3) return 0;
  if (t.starts_with(u"&#")) return 1;
  if (t[0] != u'&') return 0;
  const size_t semicolon = t.substr(0, kMaxEntitySemicolon).find(u';');
  if (semicolon == TextView::npos) return 0;  // none, or beyond position 20
  if (t.substr(0, semicolon).find(u' ') != TextView::npos) return 0;
  if (!IsEntityLetter(t[1])) return 0;
  return semicolon + 1;
}

Text DecodeEntities(TextView line) {
  Text out;
  out.reserve(line.size());
  size_t from = 0;
  while (true) {
    const size_t amp = line.find(u'&', from);
    const size_t semicolon = amp == TextView::npos ? TextView::npos : line.find(u';', amp);
    if (semicolon == TextView::npos) break;
    const size_t start = line.substr(0, semicolon).rfind(u'&');
    const TextView candidate = line.substr(start, semicolon + 1 - start);
    out.append(line.substr(from, start - from));
    const char16_t replacement = EntityReplacement(candidate);
    if (replacement != 0) {
      out.push_back(replacement);
    } else {
      out.append(candidate);
    }
    from = semicolon + 1;
  }
  out.append(line.substr(from));
  return out;
}

}  // namespace velt
