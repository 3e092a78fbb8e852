#include "engine/batch_args.h"

namespace velt {

BatchArgsResult ParseBatchArgs(const std::vector<std::string>& arguments) {
  BatchArgs args;
  bool haveSettings = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (arg == "--help" || arg == "-h") {
      args.help = true;
      return {args, {}};
    }
    if (arg == "--data-dir") {
      if (i + 1 >= arguments.size()) return {std::nullopt, "--data-dir needs a folder"};
      args.dataDir = arguments[++i];
      continue;
    }
    if (arg.rfind("--data-dir=", 0) == 0) {
      args.dataDir = arg.substr(11);
      continue;
    }
    if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return {std::nullopt, "unknown option " + arg};
    }
    if (haveSettings) return {std::nullopt, "only one settings file may be given"};
    args.settingsFile = arg;
    haveSettings = true;
  }
  if (!haveSettings) return {std::nullopt, "no settings file given"};
  return {args, {}};
}

std::string BatchUsage() {
  return "Usage: velt-batch [--data-dir DIR] SETTINGS_FILE\n"
         "\n"
         "Counts phrases with the settings of SETTINGS_FILE (a VELT settings file,\n"
         "as saved by \"Save settings to file\") and writes the report: the output\n"
         "file named in the settings (unless output to file is disabled) and the\n"
         "text window's final content on standard output. Messages go to standard\n"
         "error as [TITLE] TEXT. With the clipboard as source, the text is read\n"
         "from standard input (UTF-8).\n"
         "\n"
         "  --data-dir DIR  folder holding velt.dat and the common-words files\n"
         "                  (default: beside the program)\n"
         "  --help          show this text\n"
         "\n"
         "Exit status: 0 the count reached its listing and every line of the report\n"
         "reached its destination; 1 the run ended early, an error was reported, the\n"
         "output file or standard output could not be written completely, or the\n"
         "report did not fit the text window and no output file received it;\n"
         "2 usage error or unreadable settings file.\n";
}

}  // namespace velt
