#include "sources/source_text.h"

#include "words/case_mapping.h"

namespace velt {

Text TrimSpaces(TextView text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == TextView::npos) return Text();
  return Text(text.substr(first, text.find_last_not_of(u' ') - first + 1));
}

TextView FileNamePart(TextView path) {
  const size_t slash = path.rfind(u'/');
  return slash == TextView::npos ? path : path.substr(slash + 1);
}

Text LowerExtension(TextView path) {
  const TextView name = FileNamePart(path);
  const size_t dot = name.rfind(u'.');
  return dot == TextView::npos ? Text() : LowerCaseText(name.substr(dot + 1));
}

std::string NativePath(TextView path) {
  return PathToNative(path);
}

bool EndsWith(TextView text, TextView suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

}  // namespace velt
