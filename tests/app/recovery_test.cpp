#include <gtest/gtest.h>

#include <QProcess>
#include <csignal>

#include "app/file_paths.h"
#include "session_support.h"

namespace vorlune {
namespace {

using namespace testing;

// Run only by the recovery test below, in a process of its own that is killed.
TEST(Recovery, DISABLED_EditorThatIsKilled) {
  EditorSession s;
  Import(s, RampPicture());
  s.prompts.files = {qEnvironmentVariable("VORLUNE_TEST_PROJECT")};
  s.Click(s.window().SaveButton());
  ModalScript script;
  script.Then(ChooseColours({{0, 4}, {1, 5}}));
  s.Place(1, 20, 251);  // unsaved work, kept in the recovery copy
  std::puts("ready");
  std::fflush(stdout);
  QTest::qWait(60000);
}

TEST(Recovery, AKilledEditorsWorkIsOfferedAndRestored) {
  EnsureApplication();
  QTemporaryDir files;
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("VORLUNE_TEST_KEEP_HOME", "1");
  environment.insert("VORLUNE_TEST_PROJECT", files.filePath("kept.hqd"));
  environment.insert("TMPDIR", files.path());
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_also_run_disabled_tests", "--gtest_filter=Recovery.DISABLED_EditorThatIsKilled"});
  QByteArray output;
  while (!output.contains("ready")) {
    ASSERT_TRUE(child.waitForReadyRead(30000)) << output.toStdString();
    output += child.readAllStandardOutput();
  }
  ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
  ASSERT_TRUE(child.waitForFinished());

  EditorSession editor;
  EditorWindow& w = editor.window();
  editor.prompts.restore = true;
  w.OfferRecoveryCopies();
  EXPECT_EQ(editor.prompts.restoreOffers.size(), 1);
  EXPECT_TRUE(editor.prompts.restoreOffers.value(0).startsWith("kept.hqd ("));
  EXPECT_EQ(std::tie(editor.layout().part(1).colors, editor.layout().part(1).x),
            std::tuple(ColorTriple{4, 5, kNoColor}, 20));
  EXPECT_FALSE(editor.Part(1)->isEnabled());
  EXPECT_TRUE(w.isWindowModified());
  EXPECT_EQ(w.windowTitle(), "kept.hqd[*] - Vorlune");
  // The child's copy is gone; the editor's own stands in for it.
  const std::filesystem::path own = editor.document().Recovery()->Path();
  EXPECT_EQ(RecoveryCopies(), QStringList{FromFileSystemPath(own.filename())});

  QFile damaged(WriteFile(FromFileSystemPath(RecoveryCopyWriter::DefaultFolder() / "editor-1-1.hqd"),
                          QByteArray(5000, 'x')));
  EditorSession later;
  later.window().OfferRecoveryCopies();
  EXPECT_EQ(later.prompts.messages.at(0).text.rfind("Error : ", 0), 0u);
  EXPECT_TRUE(later.prompts.restoreOffers.isEmpty());
  EXPECT_FALSE(damaged.exists());
  EXPECT_TRUE(QFile::exists(FromFileSystemPath(own)));
}

}  // namespace
}  // namespace vorlune
