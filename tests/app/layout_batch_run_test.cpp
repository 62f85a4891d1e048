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
#include "support/picture_encoders.h"

namespace vorlune {
namespace {

using namespace testing;

std::vector<std::uint8_t> Png(int w, int h, int seed) {
  RgbImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.set(x, y, Rgb{std::uint8_t(x + seed), std::uint8_t(y * seed), std::uint8_t(x ^ y)});
  return PngFile(Opaque(image));
}

// An editor with Play and Stop placed and texts given, and the pictures chosen in the batch's dialogs.
struct Batch {
  EditorSession s;
  ModalScript script;
  QString folder;

  explicit Batch(const QStringList& names) {
    Import(s, RampPicture(), "ramp.bmp");
    script.Then(ChooseColours({{0, 9}, {1, 10}})).Then(ChooseColours({{0, 2}}));
    s.Place(1, 10, 270);
    s.Place(2, 70, 251);
    folder = s.Path("out");
    QDir().mkpath(folder);
    QStringList paths;
    for (const QString& name : names) paths.push_back(s.Path(name));
    s.prompts.files = {paths.join('\n'), folder};
  }
  void Run() { s.window().Actions().Action(EditorActions::ApplyLayout)->trigger(); }
  QString Output(const QString& name) const { return QDir(folder).filePath(name); }
};

TEST(LayoutBatchRun, EachPictureGetsTheLayoutAndFailuresAreListedOnce) {
  Batch b({"wide.png", "notes.png", "ramp2.bmp", "wide.bmp"});
  const auto wide = Png(400, 250, 3);
  WriteFile(b.s.Path("wide.png"), wide);
  WriteFile(b.s.Path("notes.png"), QByteArray("notes"));
  WriteFile(b.s.Path("ramp2.bmp"), RampPicture());
  WriteFile(b.s.Path("wide.bmp"), RampPicture());
  WriteFile(b.Output("ramp2.hqd"), QByteArray("kept"));
  b.script.Then([](QWidget*) {});  // the progress dialog goes on
  b.s.prompts.yes = false;         // existing projects are skipped
  b.Run();

  const auto project = LoadProjectFile(ToFileSystemPath(b.Output("wide.hqd")));
  ASSERT_TRUE(project.ok());
  for (PartKind k : {1, 2}) {
    const PartRecord& want = b.s.layout().part(k);
    const PartRecord& got = project->part(k);
    EXPECT_EQ(std::tuple(got.x, got.y, got.colors), std::tuple(want.x, want.y, want.colors)) << k;
  }
  EXPECT_EQ(project->placedCount, 2u);
  EXPECT_EQ(project->picture, ImportPicture(wide, {})->picture);
  EXPECT_EQ(ReadFileBytes(b.Output("ramp2.hqd")), QByteArray("kept"));
  ASSERT_EQ(b.s.prompts.questions.size(), 1);
  EXPECT_TRUE(b.s.prompts.questions[0].endsWith("\n\nramp2.hqd"));
  ASSERT_EQ(b.s.prompts.messages.size(), 1u);
  const QString listed = QString::fromStdString(b.s.prompts.messages[0].text);
  for (const char* line :
       {"\nnotes.png: ", "\nramp2.bmp: プロジェクトが既にある", "\nwide.bmp: 同じ名前の画像"})
    EXPECT_TRUE(listed.contains(QString::fromUtf8(line))) << line;
  EXPECT_EQ(QDir(b.folder).entryList(QDir::Files), (QStringList{"ramp2.hqd", "wide.hqd"}));
}

TEST(LayoutBatchRun, CancelKeepsTheProjectsWrittenAndStops) {
  Batch b({"p1.png", "p2.png", "p3.png", "p4.png"});
  for (int i = 1; i <= 4; ++i) WriteFile(b.s.Path(QString("p%1.png").arg(i)), Png(480, 320, i));
  b.script.Then([](QWidget*) {});  // the progress dialog, cancelled once two are done
  QTimer::singleShot(0, [&b] {
    auto* progress = b.s.window().findChild<QProgressDialog*>("layoutBatchProgress");
    ASSERT_NE(progress, nullptr);
    QObject::connect(progress->findChild<QProgressBar*>(), &QProgressBar::valueChanged, progress,
                     [progress](int done) {
                       if (done == 2) progress->cancel();
                     });
  });
  b.Run();
  EXPECT_EQ(QDir(b.folder).entryList(QDir::Files), (QStringList{"p1.hqd", "p2.hqd"}));
  EXPECT_TRUE(b.s.prompts.messages.empty());
}

}  // namespace
}  // namespace vorlune
