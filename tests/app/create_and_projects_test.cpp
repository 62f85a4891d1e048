#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <cstring>

#include "app/main_window_template.h"
#include "dialogs/database_info_dialog.h"
#include "session_support.h"

namespace vorlune {
namespace {

using testing::ChooseColours;
using testing::EditorSession;
using testing::FillInfo;
using testing::ModalScript;
using testing::PressEnter;
using testing::PressEscape;
using testing::ReadFileBytes;

constexpr std::int64_t kTime = 1717243200;  // 2024-06-01 12:00 UTC
const std::string kLongName =
    "ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n"
    "半角30文字以内(拡張子含む)の長さでお願いします。";
const std::string kEmptyName =
    "ファイル名を入力してください。\n半角30文字以内(拡張子含む)の長さでお願いします。";

QString Cp932Field(const char* field) {
  return QString::fromStdString(std::string(field));
}

// A picture with Play, Stop, a volume meter and a time display, all coloured.
class CreateAndProjects : public ::testing::Test {
 protected:
  void SetUp() override {
    session.window().SetClock([] { return kTime; });
    session.ImportRampPicture();
    ModalScript script;
    script.Then(ChooseColours({{0, 9}, {1, 10}}))
        .Then(ChooseColours({{0, 12}, {1, 11}}))
        .Then(ChooseColours({{0, 2}, {1, 3}}))
        .Then(ChooseColours({{0, 15}}));
    session.Place(1, 20, 251);
    session.Place(2, 70, 251);
    session.Place(9, 200, 260);
    session.Place(21, 20, 20);
    ASSERT_EQ(script.Remaining(), 0u);
    ASSERT_EQ(session.window().Layout().placedCount, 4u);
    session.prompts.requests.clear();
  }

  void ClickCommand(int id) { QTest::mouseClick(session.window().Control(id), Qt::LeftButton); }

  EditorSession session;
};

TEST_F(CreateAndProjects, CreateRefusesWithoutPlayAndStop) {
  EditorSession bare;
  bare.ImportRampPicture();
  ModalScript script;
  script.Then(ChooseColours({}));
  bare.Place(2, 70, 251);  // only Stop
  bare.prompts.requests.clear();
  QTest::mouseClick(bare.window().Control(IDC_CREATE), Qt::LeftButton);
  ASSERT_EQ(bare.prompts.messages.size(), 1u);
  EXPECT_EQ(bare.prompts.messages[0].text,
            "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした");
  EXPECT_TRUE(bare.prompts.requests.empty());
  EXPECT_EQ(script.Titles().size(), 1);  // the Stop button's dialog only
}

TEST_F(CreateAndProjects, CancelInThePreviewWritesNothing) {
  ModalScript script;
  QImage shown;
  script.Then([&](QWidget* preview) {
    shown = preview->grab().toImage();
    PressEscape(preview);
  });
  ClickCommand(IDC_CREATE);
  EXPECT_EQ(script.Titles(), QStringList{QStringLiteral("イメージ表示")});
  EXPECT_TRUE(session.prompts.requests.empty());
  EXPECT_EQ(QDir(session.files.path()).entryList(QDir::Files), QStringList{"ramp.bmp"});
  // Play's "off" colour (red) shows in the preview at the part's place.
  ASSERT_FALSE(shown.isNull());
  bool red = false;
  for (int y = 271; y < 301 && !red; ++y)
    for (int x = 40; x < 76 && !red; ++x) red = shown.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_TRUE(red);
}

TEST_F(CreateAndProjects, ASessionCreatesTheSkinTheCommandLineBuildsFromTheSavedProject) {
  ModalScript script;
  script
      .Then(PressEnter)                             // preview: 作　成
      .Then(FillInfo("夜空スキン", "", "102"))      // author missing
      .Then(FillInfo("夜空スキン", "Mika", ""))     // version missing
      .Then(FillInfo("夜空スキン", "Mika", "102"))  // accepted
      .Then(PressEnter);                            // the notice
  const QString pdb = session.Path("night_sky.pdb");
  session.prompts.files = {session.Path("abcdefghijklmnopqrstuvwxyz1.pdb"),  // 31 bytes
                           session.files.path() + "/", pdb};
  ClickCommand(IDC_CREATE);
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(script.Unexpected(), 0);
  EXPECT_EQ(script.Titles().back(), "Harmoniquest");
  ASSERT_EQ(session.prompts.requests.size(), 3u);
  EXPECT_EQ(session.prompts.requests[0].filter, "Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(session.prompts.requests[0].defaultExtension, "pdb");
  ASSERT_EQ(session.prompts.messages.size(), 4u);
  EXPECT_EQ(session.prompts.messages[0].text, kLongName);
  EXPECT_EQ(session.prompts.messages[1].text, kEmptyName);
  EXPECT_EQ(session.prompts.messages[2].text, "データベース作者名を入力してください。");
  EXPECT_EQ(session.prompts.messages[3].text, "データベースバージョンを入力してください。");
  EXPECT_EQ(session.window().Layout().filePath, pdb.toStdString());
  const QByteArray skin = ReadFileBytes(pdb);
  ASSERT_FALSE(skin.isEmpty());
  EXPECT_EQ(skin.left(9), QByteArray("night_sky"));

  // The saved project, built by the command-line tool to a file of the same
  // name, gives the same bytes.
  session.prompts.files = {session.Path("night.hqd")};
  ClickCommand(IDC_SAVE);
  ASSERT_EQ(session.prompts.messages.size(), 4u);
  QDir(session.files.path()).mkdir("cli");
  const QString cliPdb = session.Path("cli/night_sky.pdb");
  QProcess cli;
  cli.start(VORLUNE_CLI, {"build", session.Path("night.hqd"), cliPdb, "--time", QString::number(kTime)});
  ASSERT_TRUE(cli.waitForFinished(30000));
  EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  EXPECT_EQ(ReadFileBytes(cliPdb), skin);
}

TEST_F(CreateAndProjects, TheInformationDialogReopensWithWhatWasTypedAndStoresIt) {
  ModalScript script;
  QString nameShown;
  script.Then(PressEnter).Then(FillInfo("Aurora", "", "7")).Then([&](QWidget* dialog) {
    nameShown = static_cast<CDatabaseInfoDlg*>(dialog)->NameEdit()->text();
    PressEscape(dialog);
  });
  session.prompts.files = {session.Path("aurora.pdb")};
  ClickCommand(IDC_CREATE);
  EXPECT_EQ(nameShown, "Aurora");
  EXPECT_EQ(Cp932Field(session.window().Layout().databaseName.data()), "Aurora");
  EXPECT_EQ(Cp932Field(session.window().Layout().databaseVersion.data()), "7");
  EXPECT_FALSE(QFile::exists(session.Path("aurora.pdb")));
}

TEST_F(CreateAndProjects, AFailedCreateKeepsTheOlderSkinFile) {
  const QString pdb = session.Path("old.pdb");
  QFile old(pdb);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("the skin from last week");
  old.close();
  session.window().SetClock([] { return std::int64_t{631152000}; });  // 1990: a wrong system date
  ModalScript script;
  script.Then(PressEnter).Then(FillInfo("Old", "Mika", "1"));
  session.prompts.files = {pdb};
  ClickCommand(IDC_CREATE);
  EXPECT_EQ(script.Unexpected(), 0);  // no notice of success
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text, "Error : The date of this system is abnormal.");
  EXPECT_EQ(ReadFileBytes(pdb), QByteArray("the skin from last week"));
}

TEST_F(CreateAndProjects, SaveAndLoadIntoAFreshWindowGiveTheSameEditor) {
  std::memcpy(session.window().Layout().databaseName.data(), "Night", 6);
  std::memcpy(session.window().Layout().databaseAuthor.data(), "Mika", 5);
  session.prompts.files = {session.Path("night.hqd")};
  ClickCommand(IDC_SAVE);
  ASSERT_TRUE(session.prompts.messages.empty());
  ASSERT_EQ(session.prompts.requests.size(), 1u);
  EXPECT_EQ(session.prompts.requests[0].filter, "Harmoniquest data file(*.hqd)");
  EXPECT_EQ(session.prompts.requests[0].defaultExtension, "hqd");
  EXPECT_EQ(QFile(session.Path("night.hqd")).size(), 103766);
  EXPECT_EQ(session.window().windowTitle(), "night.hqd[*] - Vorlune");

  EditorSession fresh;
  fresh.PressPart(27);  // placement mode ends with the load
  fresh.prompts.files = {session.Path("night.hqd")};
  QTest::mouseClick(fresh.window().Control(IDC_LOAD), Qt::LeftButton);
  ASSERT_TRUE(fresh.prompts.messages.empty());
  EXPECT_EQ(fresh.prompts.requests[0].filter, "Harmoniquest file (*.hqd);;Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(fresh.window().windowTitle(), "night.hqd[*] - Vorlune");
  EXPECT_EQ(fresh.window().ProjectPath(), session.Path("night.hqd"));
  EXPECT_TRUE(fresh.window().Layout().filePath.empty());  // a load keeps the path Save and Create offer
  EXPECT_EQ(fresh.window().Placement().currentKind, 0);
  EXPECT_TRUE(fresh.EditText().isEmpty());
  EXPECT_EQ(fresh.EnabledButtons(), session.EnabledButtons());
  EXPECT_FALSE(fresh.window().PartButton(12)->isEnabled());  // the volume group
  EXPECT_FALSE(fresh.window().PartButton(23)->isEnabled());  // the time group
  EXPECT_TRUE(fresh.window().PartButton(27)->isEnabled());
  const SkinLayout& a = session.window().Layout();
  const SkinLayout& b = fresh.window().Layout();
  EXPECT_EQ(b.placedCount, a.placedCount);
  for (PartKind k = 0; k <= kLastKind; ++k) {
    EXPECT_EQ(b.part(k).x, a.part(k).x) << k;
    EXPECT_EQ(b.part(k).y, a.part(k).y) << k;
    EXPECT_EQ(b.part(k).colors, a.part(k).colors) << k;
  }
  EXPECT_EQ(Cp932Field(b.databaseName.data()), "Night");
  EXPECT_EQ(Cp932Field(b.databaseAuthor.data()), "Mika");
  EXPECT_EQ(b.palette, a.palette);
  EXPECT_EQ(fresh.Client().copy(kCanvasFrameArea), session.Client().copy(kCanvasFrameArea));
  EXPECT_EQ(QFile(fresh.window().TemporaryPicturePath()).size(), 103310);
}

TEST_F(CreateAndProjects, SaveWithoutAPictureAsksNothing) {
  EditorSession bare;
  QTest::mouseClick(bare.window().Control(IDC_SAVE), Qt::LeftButton);
  ASSERT_EQ(bare.prompts.messages.size(), 1u);
  EXPECT_EQ(bare.prompts.messages[0].text, "背景画像を読み込んでから保存して下さい\n保存できませんでした");
  EXPECT_TRUE(bare.prompts.requests.empty());
}

TEST_F(CreateAndProjects, AFailedSaveKeepsTheOlderProjectFile) {
  // A name so long that no file can be written beside it, not even by root.
  const QString path = session.Path(QString(245, QChar('n')) + ".hqd");
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("last week's project");
  old.close();
  session.prompts.files = {path};
  ClickCommand(IDC_SAVE);
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text, "Error : Cannot make hqd-file.");
  EXPECT_EQ(session.prompts.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(ReadFileBytes(path), QByteArray("last week's project"));
  EXPECT_EQ(session.window().windowTitle(), "Vorlune[*]");

  session.prompts.files = {session.Path("no/such/folder/x.hqd")};
  ClickCommand(IDC_SAVE);
  EXPECT_EQ(session.prompts.messages.back().text, "Error : Cannot make hqd-file.");
}

class FailedLoad : public CreateAndProjects {
 protected:
  void ExpectEditorAsBefore() {
    EXPECT_EQ(ReadFileBytes(session.window().TemporaryPicturePath()), picture);
    EXPECT_EQ(session.Client(), client);
    EXPECT_EQ(session.window().Layout().placedCount, 4u);
    EXPECT_EQ(session.window().Layout().reducedBmp, reduced);
    EXPECT_EQ(session.window().windowTitle(), "Vorlune[*]");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
  void SetUp() override {
    CreateAndProjects::SetUp();
    // The unsaved work is set aside for each Load.
    session.prompts.saveAnswers.assign(2, UnsavedChangesAnswer::Discard);
    picture = ReadFileBytes(session.window().TemporaryPicturePath());
    client = session.Client();
    reduced = session.window().Layout().reducedBmp;
  }
  QByteArray picture;
  QImage client;
  std::vector<std::uint8_t> reduced;
};

TEST_F(FailedLoad, AMissingFileIsReported) {
  session.prompts.files = {session.Path("gone.hqd")};
  ClickCommand(IDC_LOAD);
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text, "Error : Cannot find hqd-file");
  EXPECT_EQ(session.prompts.messages[0].icon, MessageIcon::Exclamation);
  ExpectEditorAsBefore();
}

TEST_F(FailedLoad, ADamagedFileLeavesTheEditorAsItWas) {
  session.prompts.files = {session.Path("good.hqd")};
  ClickCommand(IDC_SAVE);
  QByteArray bytes = ReadFileBytes(session.Path("good.hqd"));
  bytes.chop(100);  // cut short
  QFile damaged(session.Path("damaged.hqd"));
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write(bytes);
  damaged.close();
  session.window().setWindowTitle("Vorlune[*]");

  session.prompts.files = {session.Path("damaged.hqd")};
  ClickCommand(IDC_LOAD);
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text.rfind("Error : this hqd-file is damaged", 0), 0u);
  ExpectEditorAsBefore();
}

TEST_F(FailedLoad, ATemporaryPictureThatCannotBeWrittenLeavesTheEditorAsItWas) {
  session.prompts.files = {session.Path("good.hqd")};
  ClickCommand(IDC_SAVE);
  session.window().setWindowTitle("Vorlune[*]");
  // Make the picture unreplaceable: a folder where the rename would put it.
  const QString temporary = session.window().TemporaryPicturePath();
  QFile::remove(temporary);
  ASSERT_TRUE(QDir().mkdir(temporary));
  ASSERT_TRUE(QFile::copy(session.Path("ramp.bmp"), temporary + "/keep"));

  session.prompts.files = {session.Path("good.hqd")};
  ClickCommand(IDC_LOAD);
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text, "Error : Cannot make hqd-file.");
  EXPECT_EQ(session.window().Layout().reducedBmp, reduced);
  EXPECT_EQ(session.window().Layout().placedCount, 4u);
  EXPECT_EQ(session.window().windowTitle(), "Vorlune[*]");
  QDir(temporary).removeRecursively();
}

}  // namespace
}  // namespace vorlune
