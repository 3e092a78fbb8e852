#include "platform/path_compare.h"

#include <filesystem>

namespace velt {
namespace fs = std::filesystem;
namespace {

// Absolute, lexically normal, without a final separator.
fs::path Lexical(const std::string& text) {
  std::error_code ec;
  fs::path path = fs::absolute(fs::path(text), ec);
  if (ec) path = fs::path(text);
  path = path.lexically_normal();
  if (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
  return path;
}

// The path with its existing part resolved through links, or the lexical form.
fs::path Resolved(const std::string& text) {
  std::error_code ec;
  fs::path path = fs::weakly_canonical(Lexical(text), ec);
  return ec ? Lexical(text) : path;
}

bool StartsWith(const fs::path& path, const fs::path& prefix) {
  auto p = path.begin();
  for (auto q = prefix.begin(); q != prefix.end(); ++q, ++p) {
    if (p == path.end() || *p != *q) return false;
  }
  return true;
}

}  // namespace

bool SamePath(const std::string& a, const std::string& b) {
  if (Lexical(a) == Lexical(b)) return true;
  std::error_code ec;
  return fs::equivalent(fs::path(a), fs::path(b), ec) && !ec;
}

bool IsWithinFolder(const std::string& folder, const std::string& path) {
  return StartsWith(Lexical(path), Lexical(folder)) || StartsWith(Resolved(path), Resolved(folder));
}

bool IsDirectlyInFolder(const std::string& folder, const std::string& path) {
  return Lexical(path).parent_path() == Lexical(folder) ||
         Resolved(path).parent_path() == Resolved(folder);
}

}  // namespace velt
