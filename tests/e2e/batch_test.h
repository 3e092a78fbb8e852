// Shared set-up of the velt-batch end-to-end tests: a private folder per test,
// a settings file written from a Settings record, and a run of the built binary.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/scratch_dir.h"
#include "e2e/child_process.h"
#include "settings/settings.h"

namespace velt::e2e {

using testing::ReadBytes;
using testing::ScratchDir;

// The velt-batch binary of this build, with its data files beside it.
std::string BatchProgram();

// Runs velt-batch with the given arguments as they are.
ChildResult RunBatchWith(const std::vector<std::string>& arguments, const std::string& input = "",
                         const std::vector<std::string>& environment = {});

// Settings of a fresh start reading one input file, writing to `output` when it is not empty.
Settings SingleFileSettings(const std::string& input, const std::string& output = "");

// Settings of a fresh start reading a folder, writing to `output` when it is not empty.
Settings FolderSettings(const std::string& folder, const std::string& output = "");

// The same text with every LF turned into CR LF (expected output-file content).
std::string WithCrLf(const std::string& lfText);

class BatchTest : public ::testing::Test {
 protected:
  // Writes `settings` to a settings file in the scratch folder and runs velt-batch
  // on it, with the scratch folder's "tmp" as the child's temporary directory.
  ChildResult Run(const Settings& settings, const std::string& input = "");

  // The child's temporary directory.
  std::string TempDir() const { return scratch_ / "tmp"; }

  // The output file written by the last run, "" when there is none.
  std::string OutputFile() const { return ReadBytes(scratch_ / "out.txt"); }
  std::string OutputPath() const { return scratch_ / "out.txt"; }

  ScratchDir scratch_{"velt-e2e"};
};

}  // namespace velt::e2e
