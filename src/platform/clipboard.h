// The system clipboard, read and written as text.
#pragma once

#include <optional>

#include "platform/text.h"

namespace velt {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The clipboard's text (empty when it holds none).
  virtual Text GetText() = 0;
  virtual void SetText(const Text& text) = 0;
  virtual void Clear() = 0;
};

// A clipboard held in memory (velt-batch fills it from standard input).
class MemoryClipboard final : public Clipboard {
 public:
  explicit MemoryClipboard(Text text = {}) : text_(std::move(text)) {}
  Text GetText() override { return text_; }
  void SetText(const Text& text) override { text_ = text; }
  void Clear() override { text_.clear(); }

 private:
  Text text_;
};

}  // namespace velt
