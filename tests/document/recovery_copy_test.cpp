// The recovery copy follows the unsaved work, and only copies whose editor is
// gone are offered.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "document/document_support.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using namespace vorlune::testing;

class RecoveryCopies : public FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    ::setenv("XDG_STATE_HOME", folder_.c_str(), 1);
  }
  static std::filesystem::path Folder() { return RecoveryCopyWriter::DefaultFolder(); }
};

TEST_F(RecoveryCopies, WrittenExactlyWhileUnsavedWorkHasABackground) {
  ASSERT_EQ(Folder(), folder_ / "vorlune" / "recovery");
  SkinDocument doc(std::make_unique<RecoveryCopyWriter>());
  const std::string project = In("work.hqd");
  const struct {
    const char* what;
    std::function<void()> run;
    bool copy;
  } steps[] = {
      {"texts without a background",
       [&] {
         doc.SetDatabaseTexts({"T", "", ""});
       },
       false},
      {"import", [&] { doc.InstallBackground(ShiftedBackground(2)); }, true},
      {"a part waiting for its colours",
       [&] {
         doc.PressPartButton(1), doc.LeftButtonDown({100, 100});
       },
       true},
      {"its colours chosen",
       [&] {
         doc.CompletePropertyDialog(1, ColorTriple{1, 2, 3});
       },
       true},
      {"save", [&] { ASSERT_TRUE(doc.Save(project)); }, false},
      {"place", [&] { ASSERT_TRUE(doc.PlacePart(2, 200, 200)); }, true},
      {"undo to the saved state", [&] { doc.Undo(); }, false},
      {"redo", [&] { doc.Redo(); }, true},
      {"close", [&] { doc.Close(); }, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.run();
    const std::vector<std::filesystem::path> copies = ListRecoveryCopies(Folder());
    ASSERT_EQ(copies.size(), step.copy ? 1u : 0u);
    if (!step.copy) continue;
    EXPECT_EQ(copies[0], doc.Recovery()->Path());
    // What Save would write: the settled layout, without a part still waiting.
    const Result<RecoveredWork> work = ReadRecoveryCopy(copies[0]);
    ASSERT_TRUE(work);
    EXPECT_EQ(WriteProjectFile(work->layout), WriteProjectFile(doc.History().Recorded()));
    EXPECT_EQ(work->originalPath, doc.ProjectPath().string());
  }
}

TEST_F(RecoveryCopies, OnlyCopiesOfEditorsNoLongerRunningAreOffered) {
  SkinDocument running(std::make_unique<RecoveryCopyWriter>());
  running.InstallBackground(ShiftedBackground(3));
  ASSERT_EQ(ListRecoveryCopies(Folder()).size(), 1u);
  EXPECT_TRUE(FindLeftBehindCopies(Folder()).empty());

  // An editor that ends without closing: the kernel lets its lock go.
  ASSERT_TRUE(InChildWithFileSizeLimit(1u << 30, [] {
    auto* killed = new SkinDocument(std::make_unique<RecoveryCopyWriter>());  // never destroyed
    killed->LoadLayout(SyntheticLayout(), "/work/kept.hqd");
    return static_cast<bool>(killed->PlacePart(1, 20, 251));
  }));
  std::vector<LeftBehindCopy> found = FindLeftBehindCopies(Folder());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].copy, running.Recovery()->Path());
  EXPECT_TRUE(FindLeftBehindCopies(Folder()).empty());  // claimed while this finder holds it

  Result<RecoveredWork> work = ReadRecoveryCopy(found[0].copy);
  ASSERT_TRUE(work);
  RemoveRecoveryCopy(found[0].copy);
  found.clear();
  SkinDocument restored(std::make_unique<RecoveryCopyWriter>());
  restored.RestoreRecovered(std::move(*work));
  EXPECT_TRUE(restored.Modified() && restored.Layout().placed(1));
  EXPECT_EQ(std::pair(restored.ProjectPath().string(), restored.TitlePath().string()),
            std::pair(std::string("/work/kept.hqd"), std::string("/work/kept.hqd")));
  // The two running editors' copies, names and locks; nothing of the killed one.
  EXPECT_EQ(FolderEntries(Folder()).size(), 6u);
}

}  // namespace
}  // namespace vorlune
