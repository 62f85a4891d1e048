// The document as the editor and the command line drive it: what each
// operation tells the views, one history step per user action, and the
// refusals of a placement by value.
#include <gtest/gtest.h>

#include <functional>

#include "document/document_support.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using namespace vorlune::testing;
using C = DocumentChange;

constexpr ColorTriple kChosen{3, 4, kNoColor};

class DocumentWalk : public FolderTest {};

// Operation by operation, the one notification each sends and what it names.
TEST_F(DocumentWalk, EachOperationSendsOneNotificationOfWhatItChanged) {
  SkinDocument doc;
  ChangeLog log(doc);
  const auto sent = [&](const char* what, unsigned aspects) {
    SCOPED_TRACE(what);
    ASSERT_EQ(log.changes.size(), aspects != 0 ? 1u : 0u);
    if (aspects != 0) {
      const DocumentChange& change = log.changes[0];
      EXPECT_EQ(change.aspects, aspects);
      for (const SkinRect& r : change.areas)
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= 320 && r.bottom <= 320);
      // A new background repaints the skin whole.
      EXPECT_TRUE(!change.Has(C::Background) || change.areas == std::vector<SkinRect>{kWholeSkin});
    }
    log.changes.clear();
  };
  const std::string saved = In("saved.hqd");
  PlacementReply reply = doc.LeftButtonDown({100, 100});
  sent("click before any picture", C::Placement);
  EXPECT_EQ(doc.PlacementText(), kImportBackgroundFirstText);
  doc.InstallBackground(ShiftedBackground(1));
  sent("import", C::Background | C::Area | C::Placement | C::History | C::Modified);
  doc.PressPartButton(1);
  sent("press Play", C::Placement);
  doc.MouseMove({100, 100});
  sent("preview", C::Placement | C::Area);
  reply = doc.LeftButtonDown({100, 100});
  sent("click asks for colours, records nothing yet", C::Placed | C::Placement | C::Area);
  EXPECT_EQ(std::pair(reply.propertyDialog, doc.UndoAction()),
            std::pair(std::optional(1), std::optional(LayoutAction::ImportBackground)));
  doc.CompletePropertyDialog(1, kChosen);
  sent("colours chosen: the placement is one step", C::Placed | C::History);
  EXPECT_EQ(std::pair(doc.Layout().part(1).colors, doc.UndoAction()),
            std::pair(kChosen, std::optional(LayoutAction::PlacePart)));
  doc.LeftButtonDown({100, 100});
  sent("lift Play", C::Placed | C::Placement | C::Area);
  doc.Undo();
  sent("undo lets it go first, then undoes that", C::Placed | C::Placement | C::Area | C::History);
  EXPECT_EQ(std::pair(doc.Layout().placed(1), doc.RedoAction()),
            std::pair(true, std::optional(LayoutAction::RemovePart)));
  reply = doc.RightButtonDown({100, 100});
  sent("right click asks to re-colour", 0);
  EXPECT_EQ(reply.propertyDialog, 1);
  doc.CompletePropertyDialog(1, std::nullopt);
  sent("cancelled", 0);
  doc.SetDatabaseTexts({"T", "A", "1"});
  sent("texts", C::Texts | C::History);
  ASSERT_TRUE(doc.PlacePart(2, 200, 200));
  sent("place by value", C::Placed | C::Area | C::History);
  ASSERT_TRUE(doc.Save(saved));
  sent("save", C::Modified | C::Path);
  EXPECT_EQ(doc.ProjectPath(), saved);
  ASSERT_TRUE(doc.RemovePart(2));
  sent("remove", C::Placed | C::Area | C::History | C::Modified);
  doc.PressPartButton(2);
  sent("press Stop", C::Placement);
  reply = doc.KeyPutDown();
  sent("Enter puts it at the centre", C::Placed | C::Placement | C::Area);
  EXPECT_EQ(std::tuple(reply.propertyDialog, doc.Layout().part(2).x, doc.Layout().part(2).y),
            std::tuple(std::optional(2), 142, 145));
  doc.PressPartButton(3);
  sent("another operation completes the dialog as cancelled", C::Placement | C::History);
  ASSERT_TRUE(doc.LoadProject(saved));
  sent("load", C::Background | C::Area | C::Placed | C::Placement | C::Modified | C::History);
  EXPECT_FALSE(doc.UndoAction() || doc.Modified());
}

// Undo walks back through exactly the project bytes of every step, redo forward.
TEST(DocumentHistory, UndoAndRedoGiveBackTheExactProjectBytes) {
  SkinDocument doc;
  const std::function<void()> edits[] = {
      [&] { doc.InstallBackground(ShiftedBackground(1)); },
      [&] {
        doc.PressPartButton(17);
        doc.LeftButtonDown({100, 100});
        doc.CompletePropertyDialog(17, ColorTriple{1, 2, 3});
      },
      [&] { ASSERT_TRUE(doc.PlacePart(1, 10, 250)); },
      [&] {
        doc.SetColors(1, {5, 6, kNoColor});
      },
      [&] {
        doc.SetDatabaseTexts({"Title", "Me", "100"});
      },
      [&] {  // Play lifted and put down elsewhere
        doc.LeftButtonDown({20, 260});
        doc.MouseMove({250, 270});
        doc.LeftButtonDown({250, 270});
      },
      [&] { ASSERT_TRUE(doc.RemovePart(17)); },
      [&] { doc.InstallBackground(ShiftedBackground(7)); },
  };
  std::vector<std::vector<std::uint8_t>> states{ProjectBytes(doc)};
  for (const auto& edit : edits) {
    edit();
    states.push_back(ProjectBytes(doc));
    ASSERT_NE(states.back(), states[states.size() - 2]);
  }
  EXPECT_EQ(doc.History().StepCount(), std::size(edits));  // each user action is one step
  for (std::size_t i = states.size() - 1; i-- > 0;) {
    doc.Undo();
    EXPECT_EQ(ProjectBytes(doc), states[i]) << "undo to " << i;
  }
  EXPECT_FALSE(doc.UndoAction() || doc.Modified());
  for (std::size_t i = 1; i < states.size(); ++i) {
    doc.Redo();
    EXPECT_EQ(ProjectBytes(doc), states[i]) << "redo to " << i;
  }
}

// A placement by value is refused where a click would be, with the same words
// for the one refusal a click shows, and leaves everything as it was.
TEST(DocumentRefusals, PlacePartRefusesAsAClickWouldAndChangesNothing) {
  SkinDocument doc;
  EXPECT_EQ(doc.PlacePart(1, 0, 0).error().text, "Error : the project has no background picture.");
  doc.LoadLayout(SyntheticLayout(), "p.hqd");
  ASSERT_TRUE(doc.PlacePart(1, 20, 21));
  ASSERT_TRUE(doc.PlacePart(9, 100, 20));
  doc.PressPartButton(2);
  const PlacementReply click = doc.LeftButtonDown({38, 36});  // Stop over Play
  ASSERT_TRUE(click.message);
  doc.EndPlacement();

  ChangeLog log(doc);
  const std::vector<std::uint8_t> before = ProjectBytes(doc);
  const struct {
    PartKind kind;
    int x, y;
    std::optional<ColorTriple> colors;
    std::string text;
  } refusals[] = {
      {2, 20, 21, {}, click.message->text},
      {2, 56, 21, {}, click.message->text},  // edges that meet touch
      // The other refusals' texts are pinned by the command-line session traces; a meter's colours are not.
      {1, 200, 200, {}, "Error : Play is already placed."},
      {17, 200, 200, ColorTriple{kNoColor, 0, 0},
       "Error : LevelBarH cannot have the colours -1,0,0 (a first colour of -1 is only for a button without "
       "image, -1,-1,-1)."},
  };
  for (const auto& r : refusals) {
    const Status placed = doc.PlacePart(r.kind, r.x, r.y, r.colors);
    ASSERT_FALSE(placed) << r.text;
    EXPECT_EQ(placed.error().text, r.text);
  }
  EXPECT_FALSE(doc.RemovePart(3));
  EXPECT_EQ(ProjectBytes(doc), before);
  EXPECT_TRUE(log.changes.empty());
}

}  // namespace
}  // namespace vorlune
