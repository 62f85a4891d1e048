#pragma once

#include <vector>

#include "document/skin_document.h"
#include "project/project_file.h"
#include "support/synthetic_layout.h"

namespace vorlune::testing {

// What Save would write for the document as it stands.
inline std::vector<std::uint8_t> ProjectBytes(const SkinDocument& document) {
  return WriteProjectFile(document.Layout());
}

// Every notification a document sends.
struct ChangeLog {
  explicit ChangeLog(SkinDocument& document) {
    document.Subscribe([this](const DocumentChange& change) { changes.push_back(change); });
  }
  std::vector<DocumentChange> changes;
};

}  // namespace vorlune::testing
