#pragma once

#include <string>

#include "core/user_message.h"

namespace vorlune::cli {

// A message about a file names it first, as compilers do, so that a batch of
// many files says which one failed: "vorlune-cli: photo.png: Error : ...".
// The message text itself is the editor's, unchanged.
void PrintFileMessage(const std::string& path, const std::string& text);

// Prints the message about `path`; returns the refusal exit status 1.
int RefuseFile(const std::string& path, const UserMessage& message);

}  // namespace vorlune::cli
