#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "app/main_window_template.h"
#include "session_support.h"

namespace vorlune {
namespace {

using testing::ChooseColours;
using testing::EditorSession;
using testing::FillInfo;
using testing::ModalScript;
using testing::PressEnter;
using testing::ReadFileBytes;

void Click(EditorSession& session, int id) {
  QTest::mouseClick(session.window().Control(id), Qt::LeftButton);
}

// Drops one file on the window, as from a file manager.
void Drop(EditorSession& session, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&session.window(), &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&session.window(), &drop);
  QApplication::processEvents();  // the command runs once the drop has ended
}

// A skin created in the editor, with the project saved beside it.
class SkinLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    maker.window().SetClock([] { return std::int64_t{1717243200}; });
    maker.ImportRampPicture();
    ModalScript script;
    script.Then(ChooseColours({{0, 9}, {1, 10}}))
        .Then(ChooseColours({{0, 12}}))
        .Then(ChooseColours({{0, 2}, {1, 3}}))
        .Then(ChooseColours({{0, 15}}))
        .Then(PressEnter)
        .Then(FillInfo("夜空", "Mika", "102"))
        .Then(PressEnter);
    maker.Place(1, 20, 251);
    maker.Place(2, 70, 251);
    maker.Place(17, 150, 200);
    maker.Place(27, 20, 20);
    maker.prompts.files = {maker.Path("night.pdb"), maker.Path("night.hqd")};
    Click(maker, IDC_CREATE);
    Click(maker, IDC_SAVE);
    ASSERT_EQ(script.Remaining(), 0u);
    ASSERT_TRUE(maker.prompts.messages.empty());
    skin = ReadFileBytes(maker.Path("night.pdb"));
  }

  // Loads `path` in the editor with a scripted open dialog.
  static void Load(EditorSession& session, const QString& path) {
    session.prompts.files = {path};
    session.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
    Click(session, IDC_LOAD);
  }

  EditorSession maker;
  QByteArray skin;
};

TEST_F(SkinLoad, ASkinLoadsAsTheProjectItWasMadeFrom) {
  EditorSession fromProject;
  EditorSession fromSkin;
  Load(fromProject, maker.Path("night.hqd"));
  Load(fromSkin, maker.Path("night.pdb"));
  ASSERT_TRUE(fromSkin.prompts.messages.empty());
  EXPECT_TRUE(fromSkin.prompts.questions.isEmpty());
  EXPECT_EQ(fromSkin.prompts.requests[0].filter,
            "Harmoniquest file (*.hqd);;Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(fromSkin.window().windowTitle(), "night.pdb[*] - Vorlune");

  const SkinLayout& a = fromProject.window().Layout();
  const SkinLayout& b = fromSkin.window().Layout();
  EXPECT_EQ(fromSkin.Client().copy(kCanvasFrameArea), fromProject.Client().copy(kCanvasFrameArea));
  EXPECT_EQ(fromSkin.EnabledButtons(), fromProject.EnabledButtons());
  EXPECT_EQ(b.palette, a.palette);
  EXPECT_EQ(b.placedCount, a.placedCount);
  EXPECT_EQ(b.databaseName, a.databaseName);
  EXPECT_EQ(std::string(b.databaseName.data()).size(), 4u);  // 夜空 in Shift_JIS
  EXPECT_EQ(b.databaseAuthor, a.databaseAuthor);
  EXPECT_EQ(b.databaseVersion, a.databaseVersion);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    EXPECT_EQ(b.part(k).x, a.part(k).x) << k;
    EXPECT_EQ(b.part(k).y, a.part(k).y) << k;
    EXPECT_EQ(b.part(k).colors, a.part(k).colors) << k;
  }

  // Save asks for a project name and leaves the skin alone.
  fromSkin.prompts.files = {fromSkin.Path("again.hqd")};
  Click(fromSkin, IDC_SAVE);
  EXPECT_EQ(fromSkin.prompts.requests.back().defaultExtension, "hqd");
  EXPECT_EQ(fromSkin.window().windowTitle(), "again.hqd[*] - Vorlune");
  EXPECT_EQ(ReadFileBytes(maker.Path("night.pdb")), skin);
}

TEST_F(SkinLoad, AForeignSkinNeedsAYesAndADamagedOneIsRefused) {
  QByteArray changed = skin;
  const auto lastMeterPixel = changed.size() - 24 - 1;  // before the title's descriptor
  changed[lastMeterPixel] = static_cast<char>(changed[lastMeterPixel] ^ 1);
  QFile file(maker.Path("changed.pdb"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(changed);
  file.close();
  QByteArray damaged = skin;
  damaged[1200] = 3;  // a background pixel among the picker colours
  QFile damagedFile(maker.Path("damaged.pdb"));
  ASSERT_TRUE(damagedFile.open(QIODevice::WriteOnly));
  damagedFile.write(damaged);
  damagedFile.close();

  EditorSession editor;
  editor.ImportRampPicture();
  const QImage before = editor.Client();
  Load(editor, maker.Path("damaged.pdb"));
  ASSERT_EQ(editor.prompts.messages.size(), 1u);
  EXPECT_EQ(editor.prompts.messages[0].text.rfind("Error : This skin cannot be opened as a project", 0), 0u);
  editor.prompts.answers = {false};
  Load(editor, maker.Path("changed.pdb"));
  EXPECT_EQ(editor.prompts.questions.size(), 1);
  EXPECT_EQ(editor.window().windowTitle(), "Vorlune[*]");
  EXPECT_EQ(editor.window().Layout().placedCount, 0u);
  EXPECT_EQ(editor.Client(), before);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  editor.prompts.answers = {true};
  editor.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  Drop(editor, maker.Path("changed.pdb"));
  EXPECT_EQ(editor.prompts.questions.size(), 2);
  EXPECT_EQ(editor.window().windowTitle(), "changed.pdb[*] - Vorlune");
  EXPECT_EQ(editor.window().Layout().placedCount, 4u);
  EXPECT_EQ(editor.prompts.messages.size(), 1u);

  // Named on the command line, a skin loads as Load loads it, not as a picture.
  EditorSession started;
  started.window().OpenFile(maker.Path("night.pdb"));
  EXPECT_EQ(started.window().windowTitle(), "night.pdb[*] - Vorlune");
  EXPECT_EQ(started.window().Layout().placedCount, 4u);
}

}  // namespace
}  // namespace vorlune
