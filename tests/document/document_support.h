#pragma once

#include <vector>

#include "document/skin_document.h"
#include "image/background_import.h"
#include "project/project_file.h"
#include "support/bmp_builder.h"

namespace vorlune::testing {

// Another 8-bit picture for each shift, imported as the Image command does.
inline ImportedBackground Background(int shift) {
  return *ImportBackground(Indexed(8, DistinctColours(214), 214, [=](int x, int row) {
                             return static_cast<std::uint8_t>((x + row * shift) % 214);
                           }).Bytes());
}

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
