#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <functional>

#include "app/canvas_painter.h"
#include "app/editor_actions.h"
#include "app/file_paths.h"
#include "app/remembered_import_options.h"
#include "core/png_writer.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/picture_import_dialog.h"
#include "session_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using namespace testing;

constexpr std::int64_t kTime = 1717243200;  // 2024-06-01 12:00 UTC

// Create's checks, refusals and failures; the skin against the CLI build; loads back.
TEST(ProjectsRun, ASkinIsCreatedSavedAndLoadedBack) {
  EditorSession s;
  EditorWindow& w = s.window();
  w.SetClock([] { return kTime; });
  Import(s, RampPicture(), "ramp.bmp");
  ModalScript script;
  script.Then(ChooseColours({{0, 12}, {1, 11}}));
  s.Place(2, 70, 251);
  s.Click(w.CreateButton());  // Play is missing
  EXPECT_EQ(s.prompts.messages.at(0).text,
            "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした");
  script.Then(ChooseColours({{0, 9}, {1, 10}}))
      .Then(ChooseColours({{0, 2}, {1, 3}}))
      .Then(ChooseColours({{0, 8}, {1, 10}, {2, 9}}))
      .Then(ChooseColours({{0, 15}}))
      .Then(ChooseColours({{0, 11}}));
  for (auto [k, x, y] : {std::tuple(1, 20, 251), {9, 200, 290}, {17, 150, 200}, {23, 20, 20}, {27, 20, 100}})
    s.Place(k, x, y);

  // Cancel in the preview writes nothing; the preview (Play in its "off" colour, red) has its golden.
  QImage preview;
  script.Then([&](QWidget* dialog) {
    preview = dialog->grab().toImage();
    PressEscape(dialog);
  });
  s.Click(w.CreateButton());
  EXPECT_EQ(script.Titles().back(), "イメージ表示");
  EXPECT_GOLDEN("Create preview", Pixels(preview.copy(QRect(15, 15, 330, 330))));
  EXPECT_EQ(QDir(s.files.path()).entryList(QDir::Files), QStringList{"ramp.bmp"});

  // A wrong system date fails Create and keeps the older skin.
  const QString pdb = WriteFile(s.Path("night_sky.pdb"), QByteArray("the skin from last week"));
  w.SetClock([] { return std::int64_t{631152000}; });  // 1990
  script.Then(PressEnter).Then(FillInfo("Old", "Mika", "1"));
  s.prompts.files = {pdb};
  s.Click(w.CreateButton());
  EXPECT_EQ(s.prompts.messages.back().text, "Error : The date of this system is abnormal.");
  EXPECT_EQ(ReadFileBytes(pdb), QByteArray("the skin from last week"));
  w.SetClock([] { return kTime; });

  // Names too long or empty are refused, then author and version are asked
  // for, the dialog keeping what was typed.
  s.prompts.messages.clear();
  s.prompts.requests.clear();
  QString kept;
  script.Then(PressEnter).Then(FillInfo("夜空スキン", "", "102")).Then([&](QWidget* dialog) {
    kept = static_cast<DatabaseInfoDialog*>(dialog)->NameEdit()->text();
    FillInfo(kept, "Mika", "")(dialog);
  });
  script.Then(FillInfo("夜空スキン", "Mika", "102")).Then(PressEnter);  // the notice
  s.prompts.files = {s.Path("abcdefghijklmnopqrstuvwxyz1.pdb"), s.files.path() + "/", pdb};
  s.Click(w.CreateButton());
  EXPECT_EQ(kept, "夜空スキン");
  EXPECT_EQ(script.Titles().back(), "Harmoniquest");
  EXPECT_EQ(s.prompts.requests.at(0).filter, "Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(s.prompts.requests.at(0).defaultExtension, "pdb");
  QStringList refusals;
  for (const UserMessage& message : s.prompts.messages) refusals << QString::fromStdString(message.text);
  EXPECT_EQ(
      refusals,
      QStringList({"ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n"
                   "半角30文字以内(拡張子含む)の長さでお願いします。",
                   "ファイル名を入力してください。\n半角30文字以内(拡張子含む)の長さでお願いします。",
                   "データベース作者名を入力してください。", "データベースバージョンを入力してください。"}));
  EXPECT_EQ(s.layout().filePath, pdb.toStdString());
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
    s.Click(w.SaveButton());
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
  project.Click(project.window().LoadButton());
  fromSkin.prompts.files = {pdb};
  fromSkin.Click(fromSkin.window().LoadButton());
  EXPECT_EQ(project.prompts.requests.at(0).filter,
            "Harmoniquest file (*.hqd);;Database for Harmoniquest (*.pdb)");
  EXPECT_EQ(project.window().windowTitle(), "night.hqd[*] - Vorlune");
  EXPECT_EQ(fromSkin.window().windowTitle(), "night_sky.pdb[*] - Vorlune");
  EXPECT_EQ(project.document().ProjectPath(), ToFileSystemPath(s.Path("night.hqd")));
  EXPECT_TRUE(project.layout().filePath.empty());  // Save and Create offer the project's name
  EXPECT_EQ(project.EditText(), "");
  EXPECT_EQ(project.EnabledButtons(), s.EnabledButtons());
  EXPECT_EQ(project.Framed(), s.Framed());
  EXPECT_GOLDEN("project loaded back", ProjectBytes(project));
  EXPECT_GOLDEN("reduced picture of a loaded project", project.layout().reducedBmp);
  EXPECT_GOLDEN("project loaded from the skin", ProjectBytes(fromSkin));
  EXPECT_EQ(fromSkin.Framed(), project.Framed());
  EXPECT_EQ(fromSkin.EnabledButtons(), project.EnabledButtons());
  EXPECT_TRUE(project.prompts.messages.empty() && fromSkin.prompts.messages.empty() &&
              fromSkin.prompts.questions.isEmpty());
  fromSkin.prompts.files = {fromSkin.Path("again.hqd")};
  fromSkin.Click(fromSkin.window().SaveButton());
  EXPECT_EQ(fromSkin.prompts.requests.back().defaultExtension, "hqd");
  EXPECT_EQ(fromSkin.window().windowTitle(), "again.hqd[*] - Vorlune");
  EXPECT_EQ(ReadFileBytes(pdb), skin);

  // Failed loads leave the editor as it was: a missing, a cut short and a damaged file.
  WriteFile(s.Path("cut.hqd"), ReadFileBytes(s.Path("night.hqd")).chopped(100));
  QByteArray damaged = skin;
  damaged[1200] = 3;  // a background pixel among the picker colours
  WriteFile(s.Path("damaged.pdb"), damaged);
  const QImage canvas = project.Framed();
  const std::vector<std::uint8_t> layout = ProjectBytes(project);
  for (auto [file, message] : {std::pair("gone.hqd", "Error : Cannot find hqd-file"),
                               {"cut.hqd", "Error : this hqd-file is damaged"},
                               {"damaged.pdb", "Error : This skin cannot be opened as a project"}}) {
    SCOPED_TRACE(file);
    project.prompts.files = {s.Path(file)};
    project.Click(project.window().LoadButton());
    EXPECT_EQ(project.prompts.messages.back().text.rfind(message, 0), 0u);
    EXPECT_EQ(ProjectBytes(project), layout);
    EXPECT_EQ(project.window().windowTitle(), "night.hqd[*] - Vorlune");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(project.Framed(), canvas);
  }
  EXPECT_EQ(project.prompts.messages.front().icon, MessageIcon::Exclamation);

  // A skin changed after it was made needs a Yes: No keeps the editor, a drop with Yes loads it.
  QByteArray changed = skin;
  changed[changed.size() - 25] = static_cast<char>(changed[changed.size() - 25] ^ 1);
  WriteFile(s.Path("changed.pdb"), changed);
  project.prompts.files = {s.Path("changed.pdb")};
  project.Click(project.window().LoadButton());
  EXPECT_EQ(ProjectBytes(project), layout);
  project.prompts.yes = true;
  EXPECT_TRUE(project.Drop({s.Path("changed.pdb")}));
  EXPECT_EQ(project.prompts.questions.size(), 2);
  EXPECT_EQ(project.window().windowTitle(), "changed.pdb[*] - Vorlune");

  // Drops of other files are refused; a bad picture is reported as by the Image command;
  // a dropped picture and a picture or skin named at start are opened without a dialog.
  EditorSession started;
  EXPECT_FALSE(started.Drop({WriteFile(started.Path("notes.txt"), QByteArray("notes"))}));
  EXPECT_FALSE(started.Drop({started.Path("a.bmp"), started.Path("b.bmp")}));
  EXPECT_TRUE(started.Drop({WriteFile(started.Path("broken.bmp"), QByteArray("BM"))}));
  EXPECT_EQ(started.prompts.messages.at(0).text.rfind("Error : ", 0), 0u);
  EXPECT_FALSE(started.layout().backgroundLoaded);
  EXPECT_TRUE(started.Drop({WriteFile(started.Path("Sky.BMP"), RampPicture())}));
  EXPECT_TRUE(started.layout().backgroundLoaded);
  started.prompts.saveAnswers = {UnsavedChangesAnswer::Discard};
  started.window().OpenFile(pdb);
  EXPECT_EQ(started.window().windowTitle(), "night_sky.pdb[*] - Vorlune");
  EXPECT_TRUE(started.prompts.requests.empty());
}

// A step for the import options: notes that they opened and presses the button of `text`.
ModalScript::Step AnswerOptions(const char* text, int& shown) {
  return [text, &shown](QWidget* dialog) {
    shown += qobject_cast<PictureImportDialog*>(dialog) != nullptr;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8(text)) QTest::mouseClick(b, Qt::LeftButton);
  };
}

std::uint8_t Checks(int x, int y) {
  return static_cast<std::uint8_t>((x / 20 + y / 40) % 16);
}

// The background as the canvas shows it: the picture of the reduced BMP.
void ExpectCanvasShowsReducedPicture(const SkinLayout& layout) {
  const QImage reduced =
      QImage::fromData(layout.reducedBmp.data(), static_cast<int>(layout.reducedBmp.size()), "BMP");
  EXPECT_EQ(BackgroundImage(layout), reduced.convertToFormat(QImage::Format_RGB32));
}

// Refusals with their icons, the options dialog, and every depth against goldens.
TEST(ImportRun, TheImageCommandRefusesBadFilesAndTakesEveryDepth) {
  EditorSession s;
  EditorWindow& w = s.window();
  std::vector<std::uint8_t> notBmp = IndexedPicture(4, PickerTable(), Checks);
  notBmp[0] = 'P';
  std::vector<std::uint8_t> compressed = IndexedPicture(8, PickerTable(), Checks);
  compressed[30] = 1;
  for (const auto& [file, text, icon] : std::initializer_list<std::tuple<QString, std::string, MessageIcon>>{
           {WriteFile(s.Path("p.bmp"), notBmp), "Error : this file is not bmp-file",
            MessageIcon::Information},
           {WriteFile(s.Path("c.bmp"), compressed),
            "This bmp-file is compressed.\nPlease change non-compress bmp-file.", MessageIcon::Information},
           {s.Path("missing.bmp"), "Error : Cannot find bmp-file", MessageIcon::Exclamation},
           {s.files.path(), "Error : Cannot open bmp-file", MessageIcon::Information},  // a folder
           {WriteFile(s.Path("cut.png"), QByteArray("\x89PNG\r\n\x1A\n")),
            "Error : this PNG file is damaged.", MessageIcon::Information}}) {
    s.prompts.files = {file};
    s.Click(w.ImageButton());
    EXPECT_EQ(s.prompts.messages.back(), (UserMessage{text, icon}));
    EXPECT_FALSE(s.layout().backgroundLoaded);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  }
  s.prompts.messages.clear();

  // A photo takes the options dialog: Cancel imports nothing, OK an 8-bit picture.
  int optionsShown = 0;
  ModalScript script;
  RgbImage photo(400, 300);
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) photo.set(x, y, Rgb{std::uint8_t(x), std::uint8_t(y), 90});
  const QString png = WriteFile(s.Path("photo.png"), EncodePng(photo));
  script.Then(AnswerOptions("ｷｬﾝｾﾙ", optionsShown)).Then(AnswerOptions("ＯＫ", optionsShown));
  s.prompts.files = {png};
  s.Click(w.ImageButton());
  EXPECT_TRUE(s.prompts.requests.back().moreFilters.contains("*.png"));
  EXPECT_FALSE(s.layout().backgroundLoaded);
  w.ImportBackgroundFrom(png);
  EXPECT_EQ(optionsShown, 2);
  EXPECT_EQ(s.layout().pictureBitsPerPixel, 8u);
  EXPECT_GOLDEN("reduced picture of a 400 x 300 PNG", s.layout().reducedBmp);
  ExpectCanvasShowsReducedPicture(s.layout());

  // A BMP takes it when asked, or with Shift and the Image button; the fine reduction shows no notice.
  const QString bmp = WriteFile(s.Path("true.bmp"), IndexedPicture(24, PickerTable(), Checks));
  script.Then(AnswerOptions("ＯＫ", optionsShown)).Then(AnswerOptions("ｷｬﾝｾﾙ", optionsShown));
  w.ImportBackgroundFrom(bmp, true);
  s.prompts.files = {bmp};
  s.Click(w.ImageButton(), Qt::ShiftModifier);
  EXPECT_EQ(optionsShown, 4);
  EXPECT_TRUE(s.prompts.messages.empty());
  EXPECT_EQ(script.Unexpected(), 0);

  // Every depth fills the background and the canvas; only many colours are reduced with a notice.
  for (const auto& [bits, colorsUsed, entries] :
       {std::tuple(1, 0u, 2), {2, 0u, 4}, {4, 0u, 16}, {8, 16u, 16}, {8, 0u, 256}, {24, 0u, 16}}) {
    const std::string name =
        "import " + std::to_string(bits) + " bits " + std::to_string(entries) + " colours";
    SCOPED_TRACE(name);
    std::vector<Rgb> table;
    for (int i = 0; i < entries; ++i) table.push_back(PickerTable()[static_cast<std::size_t>(i % 16)]);
    s.prompts.messages.clear();
    Import(s,
           bits == 1   ? IndexedPicture(1, table, [](int x, int y) { return std::uint8_t(Checks(x, y) % 2); })
           : bits == 2 ? IndexedPicture(2, table, [](int x, int y) { return std::uint8_t(Checks(x, y) % 4); })
                       : IndexedPicture(bits, table, Checks, colorsUsed));
    EXPECT_EQ(s.prompts.messages.size(), entries > 16 || bits == 24 ? 1u : 0u);
    EXPECT_GOLDEN(name + ", reduced picture", s.layout().reducedBmp);
    ExpectCanvasShowsReducedPicture(s.layout());
  }
  EXPECT_EQ(s.prompts.messages.at(0).text,
            "Over 214 color bitmap.\n Down-color conversion started(to 214colors).");
}

// After an exact import that merged many colours the indicator line points to
// the fine reduction, also while the mouse moves, until the next command; a
// 24-bit picture of few colours gets no hint.
TEST(ImportRun, TheLineHintsAtTheFineReductionUntilTheNextCommand) {
  EditorSession s;
  EditorWindow& w = s.window();
  const QString hint = QString::fromUtf8("Shift+画像: 精細な減色で取り込み直す");
  RgbImage photo(320, 320);
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 320; ++x) photo.set(x, y, Rgb{std::uint8_t(x), std::uint8_t(y), 90});
  const QString many = WriteFile(s.Path("many.bmp"), TrueColorBmpOf(photo));
  w.ImportBackgroundFrom(WriteFile(s.Path("few.bmp"), IndexedPicture(24, PickerTable(), Checks)));
  EXPECT_NE(w.PlacementLine()->text(), hint);
  for (const auto& [command, run] : std::initializer_list<std::pair<const char*, std::function<void()>>>{
           {"part button", [&] { s.PressPart(1); }},
           {"Image, cancelled", [&] { s.Click(w.ImageButton()); }},
           {"the player", [&] { w.Actions().PlayerAction()->trigger(); }}}) {
    SCOPED_TRACE(command);
    w.ImportBackgroundFrom(many);
    s.MoveTo({200, 200});
    EXPECT_EQ(w.PlacementLine()->text(), hint);
    run();
    EXPECT_NE(w.PlacementLine()->text(), hint);
  }
}

// The options dialog opens with the last choices OK took, in this session and
// the next, but with the crop in the middle.
TEST(ImportRun, TheOptionsDialogRemembersItsLastChoicesButNotTheFocus) {
  std::vector<PictureImportOptions> seen;
  for (const bool change : {true, false}) {
    EditorSession s;
    ModalScript script;
    script.Then([&seen, change](QWidget* shown) {
      auto* dialog = qobject_cast<PictureImportDialog*>(shown);
      seen.push_back(dialog->Options());
      if (change) {
        QTest::keyClick(dialog->OriginalView(), Qt::Key_Right);
        dialog->DitherBox()->setChecked(false);
        for (auto [box, index] :
             {std::pair(dialog->FitBox(), 1), {dialog->MatteBox(), 16}, {dialog->ReductionBox(), 1}})
          box->setCurrentIndex(index);
      }
      PressEnter(dialog);
    });
    s.window().ImportBackgroundFrom(
        WriteFile(s.Path("wide.png"), EncodePng(RgbImage(640, 320, Rgb{9, 0, 0}))));
  }
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].fit, FitMode::Contain);
  EXPECT_EQ(seen[1].reduction, ReductionKind::Classic);
  EXPECT_TRUE(seen[1].matteFromEdges);
  EXPECT_EQ(seen[0].fit, FitMode::Cover);
  EXPECT_FALSE(seen[1].dither);
  EXPECT_DOUBLE_EQ(seen[1].focus.x, 0.5);
  RememberImportOptions({});  // the other runs start from the defaults
}

// Parts and preview by exclusive or; the preview only where x, y >= 1.
TEST(CanvasPainting, PartsAndPreviewAreCombinedByExclusiveOr) {
  EnsureApplication();
  QImage background(320, 320, QImage::Format_RGB32);
  background.fill(qRgb(0, 255, 0));
  const QRect frame(15, 15, 330, 330);
  const auto paint = [&](bool loaded, PartKind part, QPoint at, PartKind preview, QPoint previewAt) {
    SkinLayout layout = NewSkinLayout();
    layout.backgroundLoaded = loaded;
    if (part != 0) {
      layout.part(part).x = at.x();
      layout.part(part).y = at.y();
    }
    PlacementState placement{.currentKind = preview, .preview = {previewAt.x(), previewAt.y()}};
    QImage client(551, 418, QImage::Format_RGB32);
    client.fill(Qt::white);
    QPainter painter(&client);
    PaintCanvas(painter, {20, 20}, SkinImage(layout, placement, background));
    painter.drawImage(280, 366, IndicatorImage(preview));
    return client;
  };
  const QImage plain = paint(true, 0, {}, 0, {});
  EXPECT_EQ(plain.pixel(0, 0), qRgb(255, 255, 255));  // outside the frame nothing is painted
  for (auto [name, loaded, part, at, preview, previewAt, asPlain] :
       {std::tuple("Play at 0, 1", true, 1, QPoint(0, 1), 0, QPoint(), false),
        {"Stop previewed at 1, 5", true, 0, {}, 2, {1, 5}, false},
        {"Stop previewed at 0, 5", true, 0, {}, 2, {0, 5}, true},
        {"Stop previewed at 5, 0", true, 0, {}, 2, {5, 0}, true},
        {"Play previewed over itself", true, 1, {40, 41}, 1, {40, 41}, true},
        {"no picture", false, 1, {10, 11}, 20, {50, 50}, false}}) {
    SCOPED_TRACE(name);
    const QImage painted = paint(loaded, part, at, preview, previewAt);
    EXPECT_EQ(painted.copy(frame) == plain.copy(frame), asPlain);
    EXPECT_GOLDEN(std::string("painted canvas, ") + name, Pixels(painted));
  }
}

}  // namespace
}  // namespace vorlune
