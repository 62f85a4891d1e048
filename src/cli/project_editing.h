#pragma once

#include <optional>
#include <string>

#include "core/user_message.h"
#include "layout/skin_layout.h"

namespace vorlune::cli {

// Shared by the commands that change a project file in place (place, remove):
// the file is read and checked whole, changed in memory and written back
// atomically, so a refusal or a failed write leaves it as it was.

// Prints the message on standard error; returns the refusal exit status 1.
int Refuse(const UserMessage& message);

// The project's layout, or none after printing why it cannot be used.
std::optional<SkinLayout> LoadProjectForEditing(const std::string& path);

// Keeps the placed count equal to the placed rows and writes the project
// back; returns the exit status.
int SaveEditedProject(const std::string& path, SkinLayout& layout);

}  // namespace vorlune::cli
