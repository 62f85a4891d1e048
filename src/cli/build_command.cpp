#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/argument_checks.h"
#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/project_editing.h"
#include "skin/create_checks.h"
#include "skin/database_info_texts.h"

namespace vorlune::cli {

namespace {

struct BuildArguments {
  std::string project;
  std::string output;
  std::optional<std::string> name;
  std::optional<std::string> author;
  std::optional<std::string> version;
  std::string time;  // empty: the clock
};

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

int RunBuild(const BuildArguments& args) {
  std::optional<std::int64_t> fixedTime;
  if (!args.time.empty()) fixedTime = SecondsOf(args.time);

  SkinDocument document;
  if (!LoadProject(document, args.project)) return 1;
  if (const auto missing = CheckPlayAndStopPlaced(document.Layout()))
    return RefuseFile(args.project, *missing);

  const std::string fileName = std::filesystem::path(args.output).filename().string();
  const Result<std::string> databaseName = DatabaseNameFromFileName(fileName);
  if (!databaseName) return RefuseFile(args.output, databaseName.error());

  // As if the information dialog had been opened on the project's texts, the
  // given ones typed in, and closed with OK.
  InfoTexts texts = InfoTextsOf(document.Layout());
  if (!Typed(args.name, TypedTitle, texts.title) || !Typed(args.author, TypedAuthor, texts.author) ||
      !Typed(args.version, TypedVersion, texts.version)) {
    return 1;
  }
  document.SetDatabaseTexts(texts);
  if (const auto empty = CheckInfoTexts(document.Layout())) return RefuseFile(args.project, *empty);

  const UnixClock clock =
      fixedTime ? UnixClock([t = *fixedTime] { return t; }) : UnixClock(SystemUnixSeconds);
  const Status written = document.CreateSkin(args.output, *databaseName, clock);
  if (!written) return RefuseFile(args.output, written.error());
  return 0;
}

}  // namespace

Command AddBuildCommand(CLI::App& tool) {
  auto args = std::make_shared<BuildArguments>();
  CLI::App* command =
      tool.add_subcommand("build",
                          "Build the skin database of a project.\n\n"
                          "Makes the skin database from the project, as the editor's Create command does.\n"
                          "The file name of OUT.pdb (with its extension) is also the database name: 1..30\n"
                          "bytes in Shift_JIS. The project's database name, author and version are used\n"
                          "unless --name, --author or --version give new ones; none may be empty.\n"
                          "The project file is not changed.");
  command->add_option("PROJECT.hqd", args->project, "the project")->required();
  command->add_option("OUT.pdb", args->output, "the skin database to write")->required();
  command->add_option("--name", args->name, "the database title, at most 30 bytes in Shift_JIS")
      ->type_name("TEXT");
  command->add_option("--author", args->author, "the author, at most 30 bytes in Shift_JIS")
      ->type_name("TEXT");
  command->add_option("--version", args->version, "the skin's version, at most six decimal digits")
      ->type_name("DIGITS");
  command->add_option("--time", args->time, "the time stamp; without it and $SOURCE_DATE_EPOCH, the clock")
      ->type_name("UNIX_SECONDS")
      ->envname("SOURCE_DATE_EPOCH")
      ->check(WholeSeconds());
  command->footer("Exit status 0 only when the skin was written whole.");
  return {command, [args] { return RunBuild(*args); }};
}

}  // namespace vorlune::cli
