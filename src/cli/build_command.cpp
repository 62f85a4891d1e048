#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string_view>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "project/project_storage.h"
#include "skin/create_checks.h"
#include "skin/database_info_texts.h"
#include "skin/skin_database_writer.h"

namespace vorlune::cli {

namespace {

constexpr const char* kUsage =
    "usage: vorlune-cli build PROJECT.hqd OUT.pdb [--name T] [--author A] [--version V] [--time "
    "UNIX_SECONDS]\n";

constexpr const char* kHelp =
    "usage: vorlune-cli build PROJECT.hqd OUT.pdb [--name T] [--author A] [--version V] [--time "
    "UNIX_SECONDS]\n\n"
    "Makes the skin database from a project, as the editor's Create command does.\n"
    "The file name of OUT.pdb (with its extension) is also the database name: 1..30\n"
    "bytes in Shift_JIS. The project's database name, author and version are used\n"
    "unless --name, --author or --version give new ones (name and author at most 30\n"
    "bytes in Shift_JIS, the version at most six decimal digits); none may be empty.\n"
    "The time stamp comes from --time, else SOURCE_DATE_EPOCH, else the clock.\n"
    "The project file is not changed. Exit status 0 only when the skin was written whole.\n";

struct BuildOptions {
  std::string project;
  std::string output;
  std::optional<std::string> name;
  std::optional<std::string> author;
  std::optional<std::string> version;
  std::optional<std::string> time;
};

std::optional<std::int64_t> ParseSeconds(std::string_view text) {
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Returns the options, or none after printing the usage.
std::optional<BuildOptions> ParseOptions(const Arguments& args) {
  BuildOptions options;
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string>* slot = nullptr;
    if (arg == "--name") slot = &options.name;
    if (arg == "--author") slot = &options.author;
    if (arg == "--version") slot = &options.version;
    if (arg == "--time") slot = &options.time;
    if (slot != nullptr) {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "vorlune-cli build: %s needs a value\n%s", arg.c_str(), kUsage);
        return std::nullopt;
      }
      *slot = args[++i];
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "vorlune-cli build: unknown option '%s'\n%s", arg.c_str(), kUsage);
      return std::nullopt;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 2) {
    std::fputs(kUsage, stderr);
    return std::nullopt;
  }
  options.project = positional[0];
  options.output = positional[1];
  return options;
}

int Refuse(const UserMessage& message) {
  std::fprintf(stderr, "%s\n", message.text.c_str());
  return 1;
}

// Replaces `text` by the typed one when given; false after printing why the
// edit would not take it.
bool Typed(const std::optional<std::string>& typed, TypedText (*check)(std::string_view), std::string& text) {
  if (!typed) return true;
  TypedText result = check(*typed);
  if (result.refusal) {
    Refuse(*result.refusal);
    return false;
  }
  text = std::move(*result.cp932);
  return true;
}

}  // namespace

int RunBuild(const Arguments& args) {
  if (WantsHelp(args)) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  const std::optional<BuildOptions> options = ParseOptions(args);
  if (!options) return 2;

  std::optional<std::string> timeText = options->time;
  if (!timeText) {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0')
      timeText = epoch;
  }
  std::optional<std::int64_t> fixedTime;
  if (timeText) {
    fixedTime = ParseSeconds(*timeText);
    if (!fixedTime) {
      std::fprintf(stderr, "vorlune-cli build: the time must be whole seconds since 1970, not '%s'\n",
                   timeText->c_str());
      return 2;
    }
  }

  Result<SkinLayout> loaded = LoadProjectFile(options->project);
  if (!loaded) return RefuseFile(options->project, loaded.error());
  SkinLayout& layout = *loaded;

  if (const auto missing = CheckPlayAndStopPlaced(layout)) return RefuseFile(options->project, *missing);

  const std::string fileName = std::filesystem::path(options->output).filename().string();
  const Result<std::string> databaseName = DatabaseNameFromFileName(fileName);
  if (!databaseName) return RefuseFile(options->output, databaseName.error());

  // As if the information dialog had been opened on the project's texts, the
  // given ones typed in, and closed with OK.
  InfoTexts texts = InfoTextsOf(layout);
  if (!Typed(options->name, TypedTitle, texts.title) || !Typed(options->author, TypedAuthor, texts.author) ||
      !Typed(options->version, TypedVersion, texts.version)) {
    return 1;
  }
  StoreInfoTexts(layout, texts);
  if (const auto empty = CheckInfoTexts(layout)) return RefuseFile(options->project, *empty);

  const UnixClock clock =
      fixedTime ? UnixClock([t = *fixedTime] { return t; }) : UnixClock(SystemUnixSeconds);
  const Status written =
      WriteSkinDatabase(layout, *databaseName, options->output, static_cast<std::int32_t>(layout.placedCount),
                        MakeSkinInfoRecord(layout), clock);
  if (!written) return RefuseFile(options->output, written.error());
  return 0;
}

}  // namespace vorlune::cli
