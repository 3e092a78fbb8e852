// The system clipboard, read and written as text.
#pragma once

#include <optional>

#include <string>
#include <string_view>

namespace velt {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text (empty when it holds none).
  virtual std::u16string GetText() = 0;
  virtual void SetText(const std::u16string& text) = 0;
  virtual void Clear() = 0;
};

// A clipboard held in memory (velt-batch fills it from standard input).
class MemoryClipboard final : public Clipboard {
 public:
  explicit MemoryClipboard(std::u16string text = {}) : text_(std::move(text)) {}
  std::u16string GetText() override { return text_; }
  void SetText(const std::u16string& text) override { text_ = text; }
  void Clear() override { text_.clear(); }

 private:
  std::u16string text_;
};

}  // namespace velt
