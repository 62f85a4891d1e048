#include "cli/file_message.h"

#include <cstdio>

#include "core/message_texts.h"

namespace vorlune::cli {

namespace {

// The database text a message is about, with the option that gave it.
std::string GivenText(const UserMessage& message) {
  const bool title = !message.args.empty() && message.args.front() == "title";
  return title ? "the database title given with --name" : "the author given with --author";
}

}  // namespace

std::string CliText(const UserMessage& message) {
  switch (message.code) {
    case MessageCode::TitleMissing:
      return "Error : the database title is missing: give it with --name TITLE";
    case MessageCode::AuthorMissing:
      return "Error : the author is missing: give it with --author NAME";
    case MessageCode::VersionMissing:
      return "Error : the version is missing: give it with --version DIGITS";
    case MessageCode::PlayAndStopMissing:
      return "Error : the skin needs both the Play and the Stop button: place them with 'vorlune-cli place'";
    case MessageCode::FileNameEmpty:
      return "Error : the skin file needs a name: it is also the database name, 1..30 bytes in Shift_JIS";
    case MessageCode::FileNameNotShiftJis:
      return "Error : the skin file's name has characters Shift_JIS cannot hold: it is also the database "
             "name; choose another";
    case MessageCode::FileNameTooLong:
      return "Error : the skin file's name is longer than 30 bytes in Shift_JIS (extension included): it is "
             "also the database name; choose a shorter one";
    case MessageCode::TextNotShiftJis:
      return "Error : " + GivenText(message) + " has characters Shift_JIS cannot hold.";
    case MessageCode::TextTooLong:
      return "Error : " + GivenText(message) + " is longer than 30 bytes in Shift_JIS.";
    case MessageCode::PartsTouch:
      return "Error : the part would touch another part.";
    default:
      return EnglishText(message);
  }
}

void PrintFileMessage(const std::string& path, const std::string& text) {
  std::fprintf(stderr, "vorlune-cli: %s: %s\n", path.c_str(), text.c_str());
}

int RefuseFile(const std::string& path, const UserMessage& message) {
  PrintFileMessage(path, CliText(message));
  return 1;
}

int Refuse(const UserMessage& message) {
  std::fprintf(stderr, "%s\n", CliText(message).c_str());
  return 1;
}

}  // namespace vorlune::cli
