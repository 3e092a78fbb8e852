// The system clipboard through QClipboard.
#pragma once

#include "platform/clipboard.h"
#include "text/text.h"

namespace velt::ui {

class QtClipboard final : public Clipboard {
 public:
  Text GetText() override;
  void SetText(const Text& text) override;
  void Clear() override;
};

}  // namespace velt::ui
