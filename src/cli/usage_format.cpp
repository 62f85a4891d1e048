#include "cli/usage_format.h"

#include <memory>

namespace vorlune::cli {

namespace {

constexpr std::size_t kLineWidth = 80;

// The words joined with spaces, broken before `kLineWidth`; later lines are
// indented by `indent` spaces.
std::string Wrapped(const std::vector<std::string>& words, std::size_t indent) {
  std::string out;
  std::size_t lineStart = 0;
  for (const std::string& word : words) {
    if (!out.empty() && out.size() - lineStart + 1 + word.size() > kLineWidth) {
      out += "\n";
      lineStart = out.size();
      out += std::string(indent, ' ');
    } else if (!out.empty()) {
      out += ' ';
    }
    out += word;
  }
  return out;
}

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

}  // namespace

UsageFormatter::UsageFormatter() {
  column_width(26);
  label("Positionals", "Arguments");
}

std::string UsageFormatter::make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const {
  if (mode == CLI::AppFormatMode::Sub) return Formatter::make_help(app, name, mode);
  std::string out = make_usage(app, name) + "\n" + app->get_description() + "\n";
  out += make_positionals(app) + make_subcommands(app, mode) + make_groups(app, mode);
  const std::string footer = make_footer(app);
  return footer.empty() ? out : out + "\n" + footer;
}

std::string UsageFormatter::make_usage(const CLI::App* app, std::string name) const {
  std::vector<std::string> words{"usage:", name};
  for (const CLI::Option* option : app->get_options()) {
    if (option->get_positional()) words.push_back(option->get_name(true, false));
  }
  if (!app->get_subcommands({}).empty()) words.push_back("COMMAND ARGS...");
  for (const CLI::Option* option : app->get_options()) {
    if (option->get_positional() || option == app->get_help_ptr() || option == app->get_version_ptr())
      continue;
    std::string word = "[" + option->get_name(false, false);
    if (!option->get_type_name().empty()) word += " " + option->get_type_name();
    // An option that may be given again, such as --set.
    const bool again = option->get_expected_max() > 1;
    words.push_back(word + (again ? "]..." : "]"));
  }
  return Wrapped(words, std::string("usage: ").size() + name.size() + 1) + "\n";
}

std::string UsageFormatter::make_subcommand(const CLI::App* command) const {
  std::stringstream out;
  CLI::detail::format_help(out, command->get_name(), FirstLine(command->get_description()),
                           get_column_width());
  return out.str();
}

std::string UsageFormatter::make_option_opts(const CLI::Option* option) const {
  // Arguments are all required and named by what they hold; options show the
  // form of their value.
  if (option->get_positional()) return "";
  std::string out;
  if (!option->get_type_name().empty()) out += " " + option->get_type_name();
  if (!option->get_envname().empty()) out += " (else $" + option->get_envname() + ")";
  return out;
}

std::string UsageErrorText(const CLI::App& tool, const std::string& problem) {
  // The command being parsed, if any, is the innermost one chosen.
  const CLI::App* command = &tool;
  std::string name = tool.get_name();
  while (!command->get_subcommands().empty()) {
    command = command->get_subcommands().front();
    name += " " + command->get_name();
  }
  return name + ": " + problem + "\n" + UsageFormatter().make_usage(command, name) + "'" + name +
         " --help' tells more.\n";
}

std::string LeftOverProblem(const std::vector<std::string>& extras) {
  std::string problem;
  for (const std::string& extra : extras) {
    problem += problem.empty() ? "" : "; ";
    problem += (extra.starts_with('-') ? "unknown option '" : "one argument too many: '") + extra + "'";
  }
  return problem;
}

void UseVorluneUsage(CLI::App& tool) {
  tool.formatter(std::make_shared<UsageFormatter>());
  tool.failure_message(
      [](const CLI::App* app, const CLI::Error& error) { return UsageErrorText(*app, error.what()); });
  // Left-over arguments are named one by one; see LeftOverProblem.
  tool.allow_extras();
}

}  // namespace vorlune::cli
