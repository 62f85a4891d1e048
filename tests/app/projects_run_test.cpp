#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

#include "app/main_window_template.h"
#include "dialogs/database_info_dialog.h"
#include "run_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using namespace testing;

constexpr std::int64_t kTime = 1717243200;  // 2024-06-01 12:00 UTC
const char kLoadFilter[] = "Harmoniquest file (*.hqd);;Database for Harmoniquest (*.pdb)";

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// A step for the information dialog: the name it shows is noted, then Escape.
ModalScript::Step NoteNameAndCancel(QString& name) {
  return [&name](QWidget* dialog) {
    name = static_cast<CDatabaseInfoDlg*>(dialog)->NameEdit()->text();
    PressEscape(dialog);
  };
}

// What a person sees of an editor: its canvas, buttons and layout.
void ExpectSameEditor(EditorSession& a, EditorSession& b) {
  EXPECT_EQ(a.Client().copy(kCanvasFrameArea), b.Client().copy(kCanvasFrameArea));
  EXPECT_EQ(a.EnabledButtons(), b.EnabledButtons());
  const SkinLayout& x = a.window().Layout();
  const SkinLayout& y = b.window().Layout();
  EXPECT_EQ(x.palette, y.palette);
  EXPECT_EQ(std::tie(x.placedCount, x.databaseName, x.databaseAuthor, x.databaseVersion),
            std::tie(y.placedCount, y.databaseName, y.databaseAuthor, y.databaseVersion));
  for (PartKind k = kFirstKind; k <= kLastKind; ++k)
    EXPECT_EQ(std::tie(x.part(k).x, x.part(k).y, x.part(k).colors), std::tie(y.part(k).x, y.part(k).y, y.part(k).colors)) << k;
}

// A skin made from a picture with a part of every dialog family: Create's
// refusals and checks, a cancelled and a failed Create, the skin checked
// against a golden and against the command-line build of the saved project;
// then the project and the skin loaded into fresh windows as Load, a drop and
// the command line open them, foreign and damaged files, and failed saves and loads.
TEST(ProjectsRun, ASkinIsCreatedSavedAndLoadedBack) {
  EditorSession s;
  CSkinEditorDlg& w = s.window();
  w.SetClock([] { return kTime; });
  s.Import(RampPicture(), "ramp.bmp");
  ModalScript script;
  script.Then(ChooseColours({{0, 12}, {1, 11}}));
  s.Place(2, 70, 251);
  s.Click(IDC_CREATE);  // Play is missing
  EXPECT_EQ(s.prompts.messages.at(0).text, "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした");
  script.Then(ChooseColours({{0, 9}, {1, 10}}))
      .Then(ChooseColours({{0, 2}, {1, 3}}))
      .Then(ChooseColours({{0, 8}, {1, 10}, {2, 9}}))
      .Then(ChooseColours({{0, 15}}))
      .Then(ChooseColours({{0, 11}}));
  s.Place(1, 20, 251);
  s.Place(9, 200, 290);
  s.Place(17, 150, 200);
  s.Place(21, 20, 20);
  s.Place(27, 20, 100);
  ASSERT_EQ(w.Layout().placedCount, 6u);
  EXPECT_EQ(script.Remaining(), 0u);

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

  // Cancel in the information dialog keeps what was typed, and writes nothing.
  QString shown;
  script.Then(PressEnter).Then(FillInfo("Aurora", "", "7")).Then(NoteNameAndCancel(shown));
  s.prompts.files = {s.Path("aurora.pdb")};
  s.Click(IDC_CREATE);
  EXPECT_EQ(shown, "Aurora");
  EXPECT_EQ(std::string(w.Layout().databaseVersion.data()), "7");
  EXPECT_EQ(QDir(s.files.path()).entryList(QDir::Files), QStringList{"ramp.bmp"});

  // A wrong system date fails Create and keeps the older skin.
  const QString pdb = s.Path("night_sky.pdb");
  WriteBytes(pdb, "the skin from last week");
  w.SetClock([] { return std::int64_t{631152000}; });  // 1990
  script.Then(PressEnter).Then(FillInfo("Old", "Mika", "1"));
  s.prompts.files = {pdb};
  s.Click(IDC_CREATE);
  EXPECT_EQ(s.prompts.messages.back().text, "Error : The date of this system is abnormal.");
  EXPECT_EQ(ReadFileBytes(pdb), QByteArray("the skin from last week"));
  w.SetClock([] { return kTime; });

  // Names too long or empty are refused, then author and version are asked for.
  s.prompts.messages.clear();
  s.prompts.requests.clear();
  script.Then(PressEnter)
      .Then(FillInfo("夜空スキン", "", "102"))
      .Then(FillInfo("夜空スキン", "Mika", ""))
      .Then(FillInfo("夜空スキン", "Mika", "102"))
      .Then(PressEnter);  // the notice
  s.prompts.files = {s.Path("abcdefghijklmnopqrstuvwxyz1.pdb"), s.files.path() + "/", pdb};
  s.Click(IDC_CREATE);
  EXPECT_EQ(script.Titles().back(), "Harmoniquest");
  EXPECT_EQ(s.prompts.requests.at(0).filter, "Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(s.prompts.requests.at(0).defaultExtension, "pdb");
  std::vector<std::string> texts;
  for (const UserMessage& m : s.prompts.messages) texts.push_back(m.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n"
                       "半角30文字以内(拡張子含む)の長さでお願いします。",
                       "ファイル名を入力してください。\n半角30文字以内(拡張子含む)の長さでお願いします。",
                       "データベース作者名を入力してください。", "データベースバージョンを入力してください。"}));
  EXPECT_EQ(w.Layout().filePath, pdb.toStdString());
  const QByteArray skin = ReadFileBytes(pdb);
  EXPECT_GOLDEN("skin created in the editor", AsBytes(skin.toStdString()));

  // The saved project, built by the command-line tool, gives the same skin.
  s.prompts.files = {s.Path("night.hqd")};
  s.Key(Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(s.prompts.requests.back().filter, "Harmoniquest data file(*.hqd)");
  EXPECT_EQ(s.prompts.requests.back().defaultExtension, "hqd");
  EXPECT_EQ(w.windowTitle(), "night.hqd[*] - Vorlune");
  EXPECT_GOLDEN("project saved in the editor", AsBytes(ReadFileBytes(s.Path("night.hqd")).toStdString()));
  QDir(s.files.path()).mkdir("cli");
  std::string error;
  EXPECT_EQ(RunCli({"build", s.Path("night.hqd"), s.Path("cli/night_sky.pdb"), "--time", QString::number(kTime)},
                   &error),
            0)
      << error;
  EXPECT_EQ(ReadFileBytes(s.Path("cli/night_sky.pdb")), skin);
  EXPECT_EQ(s.prompts.messages.size(), 4u);
  EXPECT_EQ(script.Unexpected(), 0);

  // A save that cannot be written keeps the older file and the title.
  const QString tooLong = s.Path(QString(245, QChar('n')) + ".hqd");
  WriteBytes(tooLong, "last week's project");
  for (const QString& path : {tooLong, s.Path("no/such/folder/x.hqd")}) {
    s.prompts.files = {path};
    s.Click(IDC_SAVE);
    EXPECT_EQ(s.prompts.messages.back(), (UserMessage{"Error : Cannot make hqd-file.", MessageIcon::Exclamation}));
  }
  EXPECT_EQ(ReadFileBytes(tooLong), QByteArray("last week's project"));
  EXPECT_EQ(w.windowTitle(), "night.hqd[*] - Vorlune");

  // The project loads into a fresh window as the same editor, placing ended.
  EditorSession project;
  project.PressPart(27);
  project.prompts.files = {s.Path("night.hqd")};
  project.Click(IDC_LOAD);
  EXPECT_TRUE(project.prompts.messages.empty());
  EXPECT_EQ(project.prompts.requests.at(0).filter, kLoadFilter);
  EXPECT_EQ(project.window().windowTitle(), "night.hqd[*] - Vorlune");
  EXPECT_EQ(project.window().ProjectPath(), s.Path("night.hqd"));
  EXPECT_TRUE(project.window().Layout().filePath.empty());  // Save and Create offer the project's name
  EXPECT_EQ(project.window().Placement().currentKind, 0);
  EXPECT_EQ(project.EditText(), "");
  EXPECT_FALSE(project.window().PartButton(12)->isEnabled());  // the volume group
  EXPECT_FALSE(project.window().PartButton(28)->isEnabled());  // the title group
  ExpectSameEditor(project, s);
  EXPECT_GOLDEN("temporary picture of a loaded project",
                AsBytes(ReadFileBytes(project.window().TemporaryPicturePath()).toStdString()));

  // The skin loads as the project it was made from; Save then asks for a project name.
  EditorSession fromSkin;
  fromSkin.prompts.files = {pdb};
  fromSkin.Click(IDC_LOAD);
  EXPECT_TRUE(fromSkin.prompts.messages.empty());
  EXPECT_TRUE(fromSkin.prompts.questions.isEmpty());
  EXPECT_EQ(fromSkin.window().windowTitle(), "night_sky.pdb[*] - Vorlune");
  ExpectSameEditor(fromSkin, project);
  fromSkin.prompts.files = {fromSkin.Path("again.hqd")};
  fromSkin.Click(IDC_SAVE);
  EXPECT_EQ(fromSkin.prompts.requests.back().defaultExtension, "hqd");
  EXPECT_EQ(fromSkin.window().windowTitle(), "again.hqd[*] - Vorlune");
  EXPECT_EQ(ReadFileBytes(pdb), skin);

  // Failed loads leave the editor as it was: a missing, a cut short and a
  // damaged file, and a temporary picture that cannot be replaced.
  QByteArray cut = ReadFileBytes(s.Path("night.hqd"));
  cut.chop(100);
  WriteBytes(s.Path("cut.hqd"), cut);
  QByteArray damaged = skin;
  damaged[1200] = 3;  // a background pixel among the picker colours
  WriteBytes(s.Path("damaged.pdb"), damaged);
  const QString temporary = project.window().TemporaryPicturePath();
  const QByteArray picture = ReadFileBytes(temporary);
  const QImage client = project.Client();
  const std::vector<std::uint8_t> layout = ProjectBytes(project.window());
  const struct {
    QString file;
    std::string message;
  } failures[] = {{"gone.hqd", "Error : Cannot find hqd-file"},
                  {"cut.hqd", "Error : this hqd-file is damaged"},
                  {"damaged.pdb", "Error : This skin cannot be opened as a project"},
                  {"night.hqd", "Error : Cannot make hqd-file."}};
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.file.toStdString());
    if (failure.file == "night.hqd") {  // a folder where the picture would be renamed to
      QFile::remove(temporary);
      ASSERT_TRUE(QDir().mkdir(temporary));
      WriteBytes(temporary + "/keep", "x");
    }
    project.prompts.files = {s.Path(failure.file)};
    project.Click(IDC_LOAD);
    EXPECT_EQ(project.prompts.messages.back().text.rfind(failure.message, 0), 0u);
    EXPECT_EQ(ProjectBytes(project.window()), layout);
    EXPECT_EQ(project.window().windowTitle(), "night.hqd[*] - Vorlune");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    if (failure.file != "night.hqd") {
      EXPECT_EQ(ReadFileBytes(temporary), picture);
      EXPECT_EQ(project.Client(), client);
    }
  }
  EXPECT_EQ(project.prompts.messages.front().icon, MessageIcon::Exclamation);
  QDir(temporary).removeRecursively();

  // A skin changed after it was made needs a Yes: No keeps the editor, a drop with Yes loads it.
  QByteArray changed = skin;
  changed[changed.size() - 25] = static_cast<char>(changed[changed.size() - 25] ^ 1);
  WriteBytes(s.Path("changed.pdb"), changed);
  EditorSession other;
  other.Import(RampPicture());
  const QImage before = other.Client();
  other.prompts.files = {s.Path("changed.pdb")};
  other.prompts.saveAnswers = {UnsavedChangesAnswer::Discard, UnsavedChangesAnswer::Discard};
  other.Click(IDC_LOAD);
  EXPECT_EQ(other.prompts.questions.size(), 1);
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
  EXPECT_FALSE(started.Drop({WriteFile(started.files, "notes.txt", {1, 2, 3})}));
  EXPECT_FALSE(started.Drop({started.Path("a.bmp"), started.Path("b.bmp")}));
  EXPECT_TRUE(started.Drop({WriteFile(started.files, "broken.bmp", {'B', 'M', 0, 0})}));
  EXPECT_EQ(started.prompts.messages.at(0).text.rfind("Error : ", 0), 0u);
  EXPECT_FALSE(started.window().Layout().backgroundLoaded);
  EXPECT_TRUE(started.Drop({WriteFile(started.files, "Sky.BMP", RampPicture())}));
  EXPECT_TRUE(started.window().Layout().backgroundLoaded);
  started.window().OpenFile(WriteFile(started.files, "sky.bmp", RampPicture()));
  EXPECT_EQ(started.window().windowTitle(), "Vorlune[*]");
  started.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  started.window().OpenFile(pdb);
  EXPECT_EQ(started.window().windowTitle(), "night_sky.pdb[*] - Vorlune");
  EXPECT_EQ(started.window().Layout().placedCount, 6u);
  EXPECT_TRUE(started.prompts.requests.empty());
  EXPECT_EQ(w.Control(IDC_SAVE)->toolTip(), QKeySequence(Qt::CTRL | Qt::Key_S).toString(QKeySequence::NativeText));
}

}  // namespace
}  // namespace vorlune
