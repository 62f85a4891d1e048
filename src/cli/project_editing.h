#pragma once

#include <string>

#include "document/skin_document.h"

namespace vorlune::cli {

// The commands that change a project file in place (place, remove) load it
// into a SkinDocument, edit it there and save it back atomically, so that a
// refusal or a failed write leaves the file as it was.

// Loads the project; false after printing why it cannot be used.
bool LoadProject(SkinDocument& document, const std::string& path);

// Saves the document to the project file; returns the exit status.
int SaveProject(SkinDocument& document, const std::string& path);

}  // namespace vorlune::cli
