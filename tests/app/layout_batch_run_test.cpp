// The layout applied to other pictures from the File menu: one project per
// picture, unreadable pictures and existing projects listed, a cancel half way.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QProgressBar>
#include <QProgressDialog>

#include "app/editor_actions.h"
#include "app/file_paths.h"
#include "project/project_storage.h"
#include "session_support.h"

namespace vorlune {
namespace {

using namespace testing;

// An editor with Play and Stop placed; the batch's dialogs choose `pictures` and the folder out.
struct Batch {
  EditorSession s;
  ModalScript script;
  QDir out{s.Path("out")};

  Batch() {
    Import(s, RampPicture(), "ramp.bmp");
    script.Then(ChooseColours({{0, 9}, {1, 10}})).Then(ChooseColours({{0, 2}}));
    s.Place(1, 10, 270);
    s.Place(2, 70, 251);
    QDir().mkpath(out.path());
  }
  void Run(const QStringList& pictures) {
    QStringList paths;
    for (const QString& name : pictures) paths.push_back(s.Path(name));
    s.prompts.files = {paths.join('\n'), out.path()};
    script.Then([](QWidget*) {});  // the progress dialog goes on
    s.window().Actions().Action(EditorActions::ApplyLayout)->trigger();
  }
};

TEST(LayoutBatchRun, EachPictureGetsTheLayoutAndFailuresAreListedOnce) {
  Batch b;
  for (const char* name : {"a.bmp", "b.bmp", "a.png"}) WriteFile(b.s.Path(name), RampPicture());
  WriteFile(b.s.Path("notes.png"), QByteArray("notes"));
  WriteFile(b.out.filePath("b.hqd"), QByteArray("kept"));
  b.s.prompts.yes = false;  // existing projects are skipped
  b.Run({"a.bmp", "notes.png", "b.bmp", "a.png"});

  const auto project = LoadProjectFile(ToFileSystemPath(b.out.filePath("a.hqd")));
  ASSERT_TRUE(project.ok());
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const PartRecord &got = project->part(k), &want = b.s.layout().part(k);
    EXPECT_EQ(std::tuple(got.x, got.y, got.colors), std::tuple(want.x, want.y, want.colors)) << k;
  }
  EXPECT_EQ(project->picture, ImportPicture(RampPicture(), {})->picture);
  EXPECT_EQ(ReadFileBytes(b.out.filePath("b.hqd")), QByteArray("kept"));
  EXPECT_EQ(b.s.prompts.questions.value(0).section('\n', -1), "b.hqd");
  ASSERT_EQ(b.s.prompts.messages.size(), 1u);
  const QString listed = QString::fromStdString(b.s.prompts.messages[0].text);
  for (const char* line : {"\nnotes.png: ", "\nb.bmp: プロジェクトが既にある", "\na.png: 同じ名前の画像"})
    EXPECT_TRUE(listed.contains(QString::fromUtf8(line))) << line;
  EXPECT_EQ(b.out.entryList(QDir::Files), (QStringList{"a.hqd", "b.hqd"}));
}

TEST(LayoutBatchRun, CancelKeepsTheProjectsWrittenAndStops) {
  Batch b;
  for (int i = 1; i <= 4; ++i) WriteFile(b.s.Path(QString("p%1.bmp").arg(i)), RampPicture());
  // Once the progress dialog is up, cancelled when two pictures are done.
  QTimer::singleShot(0, [&b] {
    auto* progress = b.s.window().findChild<QProgressDialog*>("layoutBatchProgress");
    ASSERT_NE(progress, nullptr);
    QObject::connect(progress->findChild<QProgressBar*>(), &QProgressBar::valueChanged, progress,
                     [progress](int done) {
                       if (done == 2) progress->cancel();
                     });
  });
  b.Run({"p1.bmp", "p2.bmp", "p3.bmp", "p4.bmp"});
  EXPECT_EQ(b.out.entryList(QDir::Files), (QStringList{"p1.hqd", "p2.hqd"}));
  EXPECT_TRUE(b.s.prompts.messages.empty());
}

}  // namespace
}  // namespace vorlune
