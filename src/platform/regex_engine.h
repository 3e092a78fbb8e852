// Regular expressions of words-to-ignore entries, on the 16-bit PCRE2 library.
//
// Syntax and meaning are ECMAScript-like with ASCII classes: no UTF or UCP
// mode, so \w \d \s \b are ASCII classes and caseless matching folds ASCII
// letters only; \u00e9 and \x41 are written as in ECMAScript; "$" matches at
// the very end only. Expressions are compiled once (with JIT where the
// platform has it) and matched many times under a match limit and a bounded
// JIT stack, so a catastrophically backtracking expression gives up quickly
// instead of hanging the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include <string>
#include <string_view>

// PCRE2's opaque types (pcre2_code_16 and friends), declared here so that
// the header does not pull in pcre2.h.
struct pcre2_real_code_16;
struct pcre2_real_match_context_16;
struct pcre2_real_match_data_16;
struct pcre2_real_jit_stack_16;

namespace velt {

enum class RegexOutcome {
  Match,
  NoMatch,
  Failed,  // the search was abandoned (a limit was hit) or PCRE2 reported an error
};

// How much work one search may do. The defaults stop `(a+)+$` against a word
// of a few thousand letters within a few milliseconds while leaving ordinary
// expressions on words far from the limits.
struct RegexLimits {
  uint32_t matchLimit = 100'000;
  uint32_t depthLimit = 2'000;    // interpreter only (JIT is bounded by its stack)
  uint32_t heapLimitKib = 4'096;  // interpreter only
  size_t jitStackStartBytes = 32 * 1024;
  size_t jitStackMaxBytes = 512 * 1024;
};

// One compiled expression. Move-only; frees its code when destroyed.
class Regex {
 public:
  // Compiles pattern; nothing when it is not a valid expression.
  static std::optional<Regex> Compile(std::u16string_view pattern, bool caseless);

  Regex(Regex&&) noexcept = default;
  Regex& operator=(Regex&&) noexcept = default;

 private:
  struct CodeFree {
    void operator()(pcre2_real_code_16* code) const;
  };
  explicit Regex(pcre2_real_code_16* code) : code_(code) {}

  std::unique_ptr<pcre2_real_code_16, CodeFree> code_;
  friend class RegexEngine;
};

// The resources of matching: match context with the limits, JIT stack and
// match data. One engine serves any number of expressions, one search at a
// time (it is not thread-safe).
class RegexEngine {
 public:
  explicit RegexEngine(const RegexLimits& limits = {});
  ~RegexEngine();
  RegexEngine(RegexEngine&&) noexcept;
  RegexEngine& operator=(RegexEngine&&) noexcept;

  // Looks for a match of regex anywhere in subject.
  RegexOutcome Search(const Regex& regex, std::u16string_view subject);

 private:
  struct Resources;
  std::unique_ptr<Resources> resources_;
};

}  // namespace velt
