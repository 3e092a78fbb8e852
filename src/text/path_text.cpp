#include "text/path_text.h"

#include "text/case_mapping.h"

namespace velt {

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

}  // namespace velt
