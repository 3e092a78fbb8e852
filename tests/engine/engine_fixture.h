// An engine without windows for tests: recorded dialogs, a pump that can act at
// a yield, a clipboard in memory and a private scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "doubles/recording_dialogs.h"
#include "doubles/scratch_dir.h"
#include "engine/engine.h"
#include "engine/main_window_controller.h"
#include "platform/view.h"

namespace velt::testing {

class ActingPump final : public EventPump {
 public:
  std::function<void()> onYield;
  void Yield() override {
    if (onYield && !inAction_) {
      inAction_ = true;
      onYield();
      inAction_ = false;
    }
  }

 private:
  bool inAction_ = false;
};

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GT(texts_.Load(std::string(VELT_DATA_DIR) + "/velt.dat").entries, 0);
    engine_ = std::make_unique<Engine>(
        Seams{dialogs_, view_, pump_, clipboard_}, texts_,
        EngineOptions{VELT_DATA_DIR, (dir_ / "state.usr").string(), NumberFormat()});
    engine_->StartBatch();
  }

  Session& session() { return engine_->session(); }
  Settings& settings() { return session().settings; }

  std::string Write(const std::string& name, const std::string& content) {
    return scratch_.Write(name, content);
  }

  static std::string Read(const std::string& path) { return ReadBytes(path); }

  // Counts a single file with lengths min..max and the given minimum frequency.
  void UseFile(const std::string& path, int minLength, int maxLength, int minFrequency) {
    settings().source = Source::SingleFile;
    settings().filePaths[0] = FromUtf8(path);
    settings().phraseLengthIndexes = {minLength - 2, maxLength - 2};
    settings().minimumFrequencyIndex = minFrequency - 1;
  }

  UiTextTable texts_;
  RecordingDialogs dialogs_;
  NullView view_;
  ActingPump pump_;
  MemoryClipboard clipboard_;
  ScratchDir scratch_{"velt-engine"};
  const std::filesystem::path dir_ = scratch_.path();  // the test's folder
  std::unique_ptr<Engine> engine_;
};

}  // namespace velt::testing
