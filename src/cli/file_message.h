#pragma once

#include <string>

#include "core/user_message.h"

namespace vorlune::cli {

// The tool speaks English: a message's English text, and where the user
// supplies what is missing with an option, that option.
std::string CliText(const UserMessage& message);

// A message about a file names it first, as compilers do, so that a batch of
// many files says which one failed: "vorlune-cli: photo.png: Error : ...".
void PrintFileMessage(const std::string& path, const std::string& text);

// Prints the message about `path`; returns the refusal exit status 1.
int RefuseFile(const std::string& path, const UserMessage& message);

// Prints the message alone; returns the refusal exit status 1.
int Refuse(const UserMessage& message);

}  // namespace vorlune::cli
