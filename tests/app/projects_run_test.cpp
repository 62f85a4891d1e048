#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>

#include "dialogs/database_info_dialog.h"
#include "run_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using namespace testing;

constexpr std::int64_t kTime = 1717243200;  // 2024-06-01 12:00 UTC

// A skin made from a picture with a part of every dialog family: Create's
// refusals and checks, a cancelled and a failed Create, the skin checked
// against a golden and against the command-line build of the saved project;
// then the project and the skin loaded into fresh windows as Load, a drop and
// the command line open them, foreign and damaged files, and failed saves and loads.
TEST(ProjectsRun, ASkinIsCreatedSavedAndLoadedBack) {
  EditorSession s;
  CSkinEditorDlg& w = s.window();
  w.SetClock([] { return kTime; });
  Import(s, RampPicture(), "ramp.bmp");
  ModalScript script;
  script.Then(ChooseColours({{0, 12}, {1, 11}}));
  s.Place(2, 70, 251);
  s.Click(IDC_CREATE);  // Play is missing
  EXPECT_EQ(s.prompts.messages.at(0).text,
            "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした");
  script.Then(ChooseColours({{0, 9}, {1, 10}}))
      .Then(ChooseColours({{0, 2}, {1, 3}}))
      .Then(ChooseColours({{0, 8}, {1, 10}, {2, 9}}))
      .Then(ChooseColours({{0, 15}}))
      .Then(ChooseColours({{0, 11}}));
  for (auto [k, x, y] : {std::tuple(1, 20, 251), {9, 200, 290}, {17, 150, 200}, {21, 20, 20}, {27, 20, 100}})
    s.Place(k, x, y);

  // Cancel in the preview writes nothing; the preview shows Play's "off" colour, red.
  QImage preview;
  script.Then([&](QWidget* dialog) {
    preview = dialog->grab().toImage();
    PressEscape(dialog);
  });
  s.Click(IDC_CREATE);
  EXPECT_EQ(script.Titles().back(), "イメージ表示");
  bool red = false;
  for (int y = 271; y < 301; ++y)
    for (int x = 40; x < 76; ++x) red = red || preview.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_TRUE(red);
  EXPECT_EQ(QDir(s.files.path()).entryList(QDir::Files), QStringList{"ramp.bmp"});

  // A wrong system date fails Create and keeps the older skin.
  const QString pdb = WriteFile(s.Path("night_sky.pdb"), QByteArray("the skin from last week"));
  w.SetClock([] { return std::int64_t{631152000}; });  // 1990
  script.Then(PressEnter).Then(FillInfo("Old", "Mika", "1"));
  s.prompts.files = {pdb};
  s.Click(IDC_CREATE);
  EXPECT_EQ(s.prompts.messages.back().text, "Error : The date of this system is abnormal.");
  EXPECT_EQ(ReadFileBytes(pdb), QByteArray("the skin from last week"));
  w.SetClock([] { return kTime; });

  // Names too long or empty are refused, then author and version are asked
  // for, the dialog keeping what was typed.
  s.prompts.messages.clear();
  s.prompts.requests.clear();
  QString kept;
  script.Then(PressEnter).Then(FillInfo("夜空スキン", "", "102")).Then([&](QWidget* dialog) {
    kept = static_cast<CDatabaseInfoDlg*>(dialog)->NameEdit()->text();
    FillInfo(kept, "Mika", "")(dialog);
  });
  script.Then(FillInfo("夜空スキン", "Mika", "102")).Then(PressEnter);  // the notice
  s.prompts.files = {s.Path("abcdefghijklmnopqrstuvwxyz1.pdb"), s.files.path() + "/", pdb};
  s.Click(IDC_CREATE);
  EXPECT_EQ(kept, "夜空スキン");
  EXPECT_EQ(script.Titles().back(), "Harmoniquest");
  EXPECT_EQ(s.prompts.requests.at(0).filter, "Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(s.prompts.requests.at(0).defaultExtension, "pdb");
  std::vector<std::string> texts;
  for (const UserMessage& m : s.prompts.messages) texts.push_back(m.text);
  EXPECT_EQ(texts,
            (std::vector<std::string>{
                "ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n"
                "半角30文字以内(拡張子含む)の長さでお願いします。",
                "ファイル名を入力してください。\n半角30文字以内(拡張子含む)の長さでお願いします。",
                "データベース作者名を入力してください。", "データベースバージョンを入力してください。"}));
  EXPECT_EQ(w.Layout().filePath, pdb.toStdString());
  const QByteArray skin = ReadFileBytes(pdb);
  EXPECT_GOLDEN("skin created in the editor", Bytes(skin));

  // The saved project, built by the command-line tool, gives the same skin.
  s.prompts.files = {s.Path("night.hqd")};
  s.Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(s.prompts.requests.back().filter, "Harmoniquest data file(*.hqd)");
  EXPECT_EQ(s.prompts.requests.back().defaultExtension, "hqd");
  EXPECT_EQ(w.windowTitle(), "night.hqd[*] - Vorlune");
  EXPECT_GOLDEN("project saved in the editor", Bytes(ReadFileBytes(s.Path("night.hqd"))));
  QDir(s.files.path()).mkdir("cli");
  std::string error;
  EXPECT_EQ(
      RunCli({"build", s.Path("night.hqd"), s.Path("cli/night_sky.pdb"), "--time", QString::number(kTime)},
             error),
      0)
      << error;
  EXPECT_EQ(ReadFileBytes(s.Path("cli/night_sky.pdb")), skin);
  EXPECT_EQ(script.Unexpected(), 0);

  // A save that cannot be written keeps the older file and the title.
  const QString tooLong = WriteFile(s.Path(QString(245, QChar('n')) + ".hqd"), QByteArray("last week's"));
  for (const QString& path : {tooLong, s.Path("no/such/folder/x.hqd")}) {
    s.prompts.files = {path};
    s.Click(IDC_SAVE);
    EXPECT_EQ(s.prompts.messages.back(),
              (UserMessage{"Error : Cannot make hqd-file.", MessageIcon::Exclamation}));
  }
  EXPECT_EQ(ReadFileBytes(tooLong), QByteArray("last week's"));
  EXPECT_EQ(w.windowTitle(), "night.hqd[*] - Vorlune");

  // The project loads into a fresh window as the same editor, placing ended;
  // the skin loads as the project it was made from.
  EditorSession project, fromSkin;
  project.PressPart(27);
  project.prompts.files = {s.Path("night.hqd")};
  project.Click(IDC_LOAD);
  fromSkin.prompts.files = {pdb};
  fromSkin.Click(IDC_LOAD);
  EXPECT_EQ(project.prompts.requests.at(0).filter,
            "Harmoniquest file (*.hqd);;Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(project.window().windowTitle(), "night.hqd[*] - Vorlune");
  EXPECT_EQ(fromSkin.window().windowTitle(), "night_sky.pdb[*] - Vorlune");
  EXPECT_EQ(project.window().ProjectPath(), s.Path("night.hqd"));
  EXPECT_TRUE(project.window().Layout().filePath.empty());  // Save and Create offer the project's name
  EXPECT_EQ(project.EditText(), "");
  EXPECT_EQ(project.EnabledButtons(), s.EnabledButtons());
  EXPECT_EQ(project.Client().copy(kCanvasFrameArea), s.Client().copy(kCanvasFrameArea));
  EXPECT_GOLDEN("project loaded back", ProjectBytes(project.window()));
  EXPECT_GOLDEN("temporary picture of a loaded project",
                Bytes(ReadFileBytes(project.window().TemporaryPicturePath())));
  EXPECT_GOLDEN("project loaded from the skin", ProjectBytes(fromSkin.window()));
  EXPECT_EQ(fromSkin.Client().copy(kCanvasFrameArea), project.Client().copy(kCanvasFrameArea));
  EXPECT_EQ(fromSkin.EnabledButtons(), project.EnabledButtons());
  EXPECT_TRUE(project.prompts.messages.empty() && fromSkin.prompts.messages.empty());
  EXPECT_TRUE(fromSkin.prompts.questions.isEmpty());
  fromSkin.prompts.files = {fromSkin.Path("again.hqd")};
  fromSkin.Click(IDC_SAVE);
  EXPECT_EQ(fromSkin.prompts.requests.back().defaultExtension, "hqd");
  EXPECT_EQ(fromSkin.window().windowTitle(), "again.hqd[*] - Vorlune");
  EXPECT_EQ(ReadFileBytes(pdb), skin);

  // Failed loads leave the editor as it was: a missing, a cut short and a
  // damaged file, and a temporary picture that cannot be replaced.
  WriteFile(s.Path("cut.hqd"), ReadFileBytes(s.Path("night.hqd")).chopped(100));
  QByteArray damaged = skin;
  damaged[1200] = 3;  // a background pixel among the picker colours
  WriteFile(s.Path("damaged.pdb"), damaged);
  const QString temporary = project.window().TemporaryPicturePath();
  const QByteArray picture = ReadFileBytes(temporary);
  const QImage client = project.Client();
  const std::vector<std::uint8_t> layout = ProjectBytes(project.window());
  for (auto [file, message] : {std::pair("gone.hqd", "Error : Cannot find hqd-file"),
                               {"cut.hqd", "Error : this hqd-file is damaged"},
                               {"damaged.pdb", "Error : This skin cannot be opened as a project"},
                               {"night.hqd", "Error : Cannot make hqd-file."}}) {
    SCOPED_TRACE(file);
    const bool blocked = file == std::string("night.hqd");
    if (blocked) {  // a folder where the picture would be renamed to
      QFile::remove(temporary);
      ASSERT_TRUE(QDir().mkdir(temporary));
      WriteFile(temporary + "/keep", QByteArray("x"));
    }
    project.prompts.files = {s.Path(file)};
    project.Click(IDC_LOAD);
    EXPECT_EQ(project.prompts.messages.back().text.rfind(message, 0), 0u);
    EXPECT_EQ(ProjectBytes(project.window()), layout);
    EXPECT_EQ(project.window().windowTitle(), "night.hqd[*] - Vorlune");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(blocked || (ReadFileBytes(temporary) == picture && project.Client() == client));
  }
  EXPECT_EQ(project.prompts.messages.front().icon, MessageIcon::Exclamation);
  QDir(temporary).removeRecursively();

  // A skin changed after it was made needs a Yes: No keeps the editor, a drop with Yes loads it.
  QByteArray changed = skin;
  changed[changed.size() - 25] = static_cast<char>(changed[changed.size() - 25] ^ 1);
  WriteFile(s.Path("changed.pdb"), changed);
  EditorSession other;
  Import(other, RampPicture());
  const QImage before = other.Client();
  other.prompts.files = {s.Path("changed.pdb")};
  other.prompts.saveAnswers = {UnsavedChangesAnswer::Discard, UnsavedChangesAnswer::Discard};
  other.Click(IDC_LOAD);
  EXPECT_EQ(other.window().windowTitle(), "Vorlune[*]");
  EXPECT_EQ(other.Client(), before);
  other.prompts.answers = {true};
  EXPECT_TRUE(other.Drop({s.Path("changed.pdb")}));
  EXPECT_EQ(other.prompts.questions.size(), 2);
  EXPECT_EQ(other.window().windowTitle(), "changed.pdb[*] - Vorlune");
  EXPECT_EQ(other.window().Layout().placedCount, 6u);

  // Drops of other files are refused; a bad picture is reported as by the Image command;
  // a dropped picture and a picture or skin named at start are opened without a dialog.
  EditorSession started;
  EXPECT_FALSE(started.Drop({WriteFile(started.Path("notes.txt"), QByteArray("notes"))}));
  EXPECT_FALSE(started.Drop({started.Path("a.bmp"), started.Path("b.bmp")}));
  EXPECT_TRUE(started.Drop({WriteFile(started.Path("broken.bmp"), QByteArray("BM"))}));
  EXPECT_EQ(started.prompts.messages.at(0).text.rfind("Error : ", 0), 0u);
  EXPECT_FALSE(started.window().Layout().backgroundLoaded);
  EXPECT_TRUE(started.Drop({WriteFile(started.Path("Sky.BMP"), RampPicture())}));
  EXPECT_TRUE(started.window().Layout().backgroundLoaded);
  started.window().OpenFile(WriteFile(started.Path("sky.bmp"), RampPicture()));
  EXPECT_EQ(started.window().windowTitle(), "Vorlune[*]");
  started.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  started.window().OpenFile(pdb);
  EXPECT_EQ(started.window().windowTitle(), "night_sky.pdb[*] - Vorlune");
  EXPECT_TRUE(started.prompts.requests.empty());
  EXPECT_EQ(w.Control(IDC_SAVE)->toolTip(),
            QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText));
}

}  // namespace
}  // namespace vorlune
