#pragma once

#include <string>

namespace vorlune {

// The icon of a message box: information for wrong or missing input and most
// file errors, exclamation for a file that cannot be found or created.
enum class MessageIcon { Information, Exclamation };

// A message for the user, shown by the editor in a "Warning" box and by the
// command-line tool on standard error. The text is UTF-8.
struct UserMessage {
  std::string text;
  MessageIcon icon = MessageIcon::Information;

  friend bool operator==(const UserMessage&, const UserMessage&) = default;
};

}  // namespace vorlune
