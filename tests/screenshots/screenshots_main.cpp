// Saves pictures of the editor and of every dialog for a person to look at:
//   vorlune-screenshots [--lang ja|en] OUTPUT_FOLDER [BACKGROUND.bmp]
// Run it under a real X server (xvfb-run) for real fonts. It is built with the
// tests but is no test: it checks nothing.
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/about_dialog.h"
#include "app/language_choice.h"
#include "core/cp932.h"
#include "core/file_io.h"
#include "dialogs/button_setting_dialog.h"
#include "dialogs/core_texts.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/part_color_dialogs.h"
#include "dialogs/picture_import_dialog.h"
#include "dialogs/skin_created_dialog.h"
#include "dialogs/user_prompts.h"
#include "session_support.h"

namespace vorlune {
namespace {

using testing::ChooseColours;
using testing::EditorSession;
using testing::ModalScript;

class Shooter {
 public:
  explicit Shooter(const QString& folder) : folder_(folder) { QDir().mkpath(folder); }

  void Save(QWidget& widget, const char* name) {
    widget.show();
    QTest::qWait(100);
    const QString path = folder_.filePath(QString::fromUtf8(name));
    if (!widget.grab().save(path)) std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
  }

 private:
  QDir folder_;
};

void SaveDialogs(Shooter& shooter) {
  ButtonSettingDialog button;
  button.SetColors(1, {14, 9, -1});
  shooter.Save(button, "136_button_setting.png");
  TwoColorDialog two;
  two.SetColors(13, {6, 14, -1});
  shooter.Save(two, "166_color_setting.png");
  ThreeColorDialog three;
  three.SetColors(17, {6, -1, 9});
  shooter.Save(three, "167_color3_setting.png");
  TextColorDialog text;
  text.SetColors(21, {14, -1, -1});
  shooter.Save(text, "168_text_color.png");
  testing::ScriptedPrompts prompts;
  DatabaseInfoDialog info(&prompts);
  info.SetInfoTexts(Utf8ToCp932("夜空スキン Aurora").value_or("Aurora"), Utf8ToCp932("ミカ").value_or("Mika"),
                    "100");
  shooter.Save(info, "170_database_info.png");
  SkinCreatedDialog created;
  shooter.Save(created, "171_created.png");
  AboutDialog about;
  shooter.Save(about, "about.png");
  // The longest message, in the box the editor shows it in.
  QMessageBox message(
      QMessageBox::Information, QStringLiteral("Warning"),
      CoreText("ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n"
               "半角30文字以内(拡張子含む)の長さでお願いします。"),
      QMessageBox::Ok);
  shooter.Save(message, "message.png");
}

// Saves the modal dialog or popup menu that `open` shows, once it is up, and closes it.
template <class Open>
void SaveShown(Shooter& shooter, const char* name, Open open) {
  QTimer::singleShot(300, [&shooter, name] {
    QWidget* shown = QApplication::activePopupWidget();
    if (shown == nullptr) shown = QApplication::activeModalWidget();
    if (shown == nullptr) return;
    shooter.Save(*shown, name);
    if (auto* dialog = qobject_cast<QDialog*>(shown)) dialog->reject();
    shown->close();
  });
  open();
}

// The questions the editor asks, as QtUserPrompts shows them.
void SavePrompts(Shooter& shooter) {
  QtUserPrompts prompts;
  SaveShown(shooter, "prompt_save_changes.png", [&] { prompts.AskToSaveChanges(nullptr); });
  SaveShown(shooter, "prompt_recovery.png", [&] {
    prompts.AskToRestoreRecovery(nullptr, QStringLiteral("night_sky.hqd (2026-12-06 21:40)"));
  });
  // The same text as the skin loading asks with.
  SaveShown(shooter, "prompt_foreign_skin.png", [&] {
    prompts.AskYesNo(nullptr, QCoreApplication::translate(
                                  "vorlune::EditorWindow",
                                  "このスキンは、このエディタで作られたものではないか、\n"
                                  "作成後に変更されています。\n"
                                  "プロジェクトとして開いて作成し直すと、元のスキンと同じにはなりません。\n"
                                  "開きますか？"));
  });
}

// Lays out a skin with parts of every family on the picture, then saves the
// editor, the editor placing one more part, and the Create preview.
void SaveEditor(Shooter& shooter, const QString& picture) {
  EditorSession session;
  session.prompts.files = {picture};
  session.Click(session.window().ImageButton());
  for (const UserMessage& message : session.prompts.messages)
    std::fprintf(stderr, "message: %s\n", message.text.c_str());

  auto script = std::make_unique<ModalScript>();
  // Play, Stop, Next track, Replay without image, volume bar, equaliser, level meter, time, track, title.
  for (auto [k, x, y, colours] : std::initializer_list<std::tuple<PartKind, int, int, ModalScript::Step>>{
           {1, 20, 271, ChooseColours({{0, 15}, {1, 11}})},
           {2, 62, 271, ChooseColours({{0, 15}, {1, 11}})},
           {4, 104, 271, ChooseColours({{0, 15}, {1, 11}})},
           {30, 146, 271, ChooseColours({})},
           {9, 240, 283, ChooseColours({{0, 7}, {1, 14}})},
           {13, 180, 10, ChooseColours({{0, 8}, {1, 10}})},
           {17, 10, 100, ChooseColours({{0, 8}, {1, 10}, {2, 9}})},
           {21, 10, 10, ChooseColours({{0, 15}})},
           {24, 10, 52, ChooseColours({{0, 11}})},
           {27, 40, 220, ChooseColours({{0, 15}})}}) {
    script->Then(colours);
    session.Place(k, x, y);
  }
  shooter.Save(session.window(), "102_editor.png");
  std::fprintf(stderr, "dialogs answered: %d, left: %zu\n", static_cast<int>(script->Titles().size()),
               script->Remaining());
  script.reset();  // the menus below are shown, not answered

  session.PressPart(7);
  session.MoveTo(testing::SkinPointFor(7, 190, 271));
  shooter.Save(session.window(), "102_editor_placing.png");

  // The window's menu, with an undo of the last placement, and the menu bar's File menu.
  SaveShown(shooter, "window_menu.png", [&session] {
    QWidget& window = session.window();
    const QPoint at(window.width() - 8, window.height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
    QApplication::sendEvent(&window, &event);
  });
  SaveShown(shooter, "menu_file.png", [&session] {
    QMenu* file = session.window().findChild<QMenu*>(QStringLiteral("fileMenu"));
    file->exec(session.window().menuBar()->mapToGlobal(QPoint(0, session.window().menuBar()->height())));
  });
  // Maximised as a window manager does it; a bare X server has none to ask.
  const QSize normal = session.window().size();
  session.window().resize(session.window().screen()->availableGeometry().size());
  shooter.Save(session.window(), "102_editor_maximised.png");
  session.window().resize(normal);

  ImagePreviewDialog preview;
  preview.SetPreviewLayout(session.layout());
  shooter.Save(preview, "169_image_preview.png");
}

// The import options of a photograph, as Shift+Image shows them: the fine
// reduction with dithering next to the picture itself.
void SavePictureImport(Shooter& shooter, const QString& picturePath) {
  const auto decoded = DecodePicture(ReadWholeFile(picturePath.toStdString()).bytes);
  if (!decoded) return;
  PictureImportDialog dialog(decoded->image, PictureImportOptions{});
  shooter.Save(dialog, "picture_import_options.png");
}

}  // namespace
}  // namespace vorlune

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QStringList args = QCoreApplication::arguments().mid(1);
  vorlune::Language language = vorlune::Language::Japanese;
  if (args.size() >= 2 && args[0] == QLatin1String("--lang")) {
    language = vorlune::LanguageNamed(args[1]).value_or(vorlune::Language::Japanese);
    args = args.mid(2);
  }
  if (args.isEmpty()) {
    std::fputs("usage: vorlune-screenshots [--lang ja|en] OUTPUT_FOLDER [BACKGROUND.bmp]\n", stderr);
    return 2;
  }
  if (!vorlune::InstallTranslation(application, language)) std::fputs("no translation\n", stderr);
  vorlune::Shooter shooter(args[0]);
  vorlune::SaveDialogs(shooter);
  vorlune::SavePrompts(shooter);
  if (args.size() > 1) vorlune::SaveEditor(shooter, args[1]);
  if (args.size() > 1) vorlune::SavePictureImport(shooter, args[1]);
  return 0;
}
