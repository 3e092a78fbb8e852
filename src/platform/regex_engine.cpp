#include "platform/regex_engine.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace velt {
namespace {

constexpr uint32_t kCompileOptions = PCRE2_ALT_BSUX | PCRE2_DOLLAR_ENDONLY;

struct CompileContextFree {
  void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};
struct MatchContextFree {
  void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};
struct MatchDataFree {
  void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
struct JitStackFree {
  void operator()(pcre2_jit_stack* stack) const { pcre2_jit_stack_free(stack); }
};

PCRE2_SPTR Units(std::u16string_view text) {
  return reinterpret_cast<PCRE2_SPTR>(text.data());
}

}  // namespace

void Regex::CodeFree::operator()(pcre2_real_code_16* code) const {
  pcre2_code_free(code);
}

std::optional<Regex> Regex::Compile(std::u16string_view pattern, bool caseless) {
  const std::unique_ptr<pcre2_compile_context, CompileContextFree> context(
      pcre2_compile_context_create(nullptr));
  if (!context) return std::nullopt;
  // Line breaks never occur inside a word; fix the convention so that "."
  // means the same on every build of the library.
  pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  const uint32_t options = kCompileOptions | (caseless ? PCRE2_CASELESS : 0u);
  pcre2_code* code =
      pcre2_compile(pattern.empty() ? reinterpret_cast<PCRE2_SPTR>(u"") : Units(pattern),
                    pattern.size(), options, &error, &errorOffset, context.get());
  if (code == nullptr) return std::nullopt;
  // Without JIT (an unsupported platform) the interpreter runs, under the
  // depth and heap limits instead of the JIT stack.
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
  return Regex(code);
}

struct RegexEngine::Resources {
  std::unique_ptr<pcre2_match_context, MatchContextFree> context;
  std::unique_ptr<pcre2_jit_stack, JitStackFree> jitStack;
  // Only whether a match exists matters, so one pair of offsets serves every
  // expression (a match with more groups reports 0 and is still a match).
  std::unique_ptr<pcre2_match_data, MatchDataFree> matchData;
};

RegexEngine::RegexEngine(const RegexLimits& limits) : resources_(std::make_unique<Resources>()) {
  Resources& r = *resources_;
  r.context.reset(pcre2_match_context_create(nullptr));
  r.jitStack.reset(
      pcre2_jit_stack_create(limits.jitStackStartBytes, limits.jitStackMaxBytes, nullptr));
  r.matchData.reset(pcre2_match_data_create(1, nullptr));
  if (r.context) {
    pcre2_set_match_limit(r.context.get(), limits.matchLimit);
    pcre2_set_depth_limit(r.context.get(), limits.depthLimit);
    pcre2_set_heap_limit(r.context.get(), limits.heapLimitKib);
    if (r.jitStack) pcre2_jit_stack_assign(r.context.get(), nullptr, r.jitStack.get());
  }
}

RegexEngine::~RegexEngine() = default;
RegexEngine::RegexEngine(RegexEngine&&) noexcept = default;
RegexEngine& RegexEngine::operator=(RegexEngine&&) noexcept = default;

RegexOutcome RegexEngine::Search(const Regex& regex, std::u16string_view subject) {
  Resources& r = *resources_;
  // Without its limits a search could run away, so without a context there
  // is no search.
  if (!regex.code_ || !r.context || !r.matchData) return RegexOutcome::Failed;
  const PCRE2_SPTR units = subject.empty() ? reinterpret_cast<PCRE2_SPTR>(u"") : Units(subject);
  const int rc = pcre2_match(regex.code_.get(), units, subject.size(), 0, 0, r.matchData.get(),
                             r.context.get());
  if (rc >= 0) return RegexOutcome::Match;
  if (rc == PCRE2_ERROR_NOMATCH) return RegexOutcome::NoMatch;
  return RegexOutcome::Failed;
}

}  // namespace velt
