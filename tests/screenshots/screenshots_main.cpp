// Saves pictures of the editor and of every dialog for a person to look at:
//   vorlune-screenshots OUTPUT_FOLDER [BACKGROUND.bmp]
// Run it under a real X server (xvfb-run) for real fonts. It is built with the
// tests but is no test: it checks nothing.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "app/main_window_template.h"
#include "core/cp932.h"
#include "core/file_io.h"
#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/created_dialog.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/picture_import_dialog.h"
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
  CButtonSettingDlg button;
  button.SetColors(1, 14, 9, -1);
  shooter.Save(button, "136_button_setting.png");
  CColorSettingDlg two;
  two.SetColors(13, 6, 14, -1);
  shooter.Save(two, "166_color_setting.png");
  CColor3SettingDlg three;
  three.SetColors(17, 6, -1, 9);
  shooter.Save(three, "167_color3_setting.png");
  CTextColorDlg text;
  text.SetColors(21, 14, -1, -1);
  shooter.Save(text, "168_text_color.png");
  testing::ScriptedPrompts prompts;
  CDatabaseInfoDlg info(&prompts);
  info.SetInfoTexts(Utf8ToCp932("夜空スキン Aurora").value_or("Aurora"), Utf8ToCp932("ミカ").value_or("Mika"),
                    "100");
  shooter.Save(info, "170_database_info.png");
  CCreatedDlg created;
  shooter.Save(created, "171_created.png");
}

// Lays out a skin with parts of every family on the picture, then saves the
// editor, the editor placing one more part, and the Create preview.
void SaveEditor(Shooter& shooter, const QString& picture) {
  EditorSession session;
  session.prompts.files = {picture};
  QTest::mouseClick(session.window().Control(IDC_IMAGE), Qt::LeftButton);
  for (const UserMessage& message : session.prompts.messages)
    std::fprintf(stderr, "message: %s\n", message.text.c_str());

  ModalScript script;
  script
      .Then(ChooseColours({{0, 15}, {1, 11}}))         // Play
      .Then(ChooseColours({{0, 15}, {1, 11}}))         // Stop
      .Then(ChooseColours({{0, 15}, {1, 11}}))         // Next track
      .Then(ChooseColours({}))                         // Replay, without image
      .Then(ChooseColours({{0, 7}, {1, 14}}))          // volume bar
      .Then(ChooseColours({{0, 8}, {1, 10}}))          // equaliser
      .Then(ChooseColours({{0, 8}, {1, 10}, {2, 9}}))  // level meter
      .Then(ChooseColours({{0, 15}}))                  // time
      .Then(ChooseColours({{0, 11}}))                  // track number
      .Then(ChooseColours({{0, 15}}));                 // title
  session.Place(1, 20, 271);
  session.Place(2, 62, 271);
  session.Place(4, 104, 271);
  session.Place(30, 146, 271);
  session.Place(9, 240, 283);
  session.Place(13, 180, 10);
  session.Place(17, 10, 100);
  session.Place(21, 10, 10);
  session.Place(24, 10, 52);
  session.Place(27, 40, 220);
  shooter.Save(session.window(), "102_editor.png");

  session.PressPart(7);
  session.MoveTo(testing::ClientPointFor(7, 190, 271));
  shooter.Save(session.window(), "102_editor_placing.png");

  CImagePreviewDlg preview;
  preview.SetPreviewLayout(session.window().Layout());
  shooter.Save(preview, "169_image_preview.png");
  std::fprintf(stderr, "dialogs answered: %d, left: %zu\n", static_cast<int>(script.Titles().size()),
               script.Remaining());
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
  if (argc < 2) {
    std::fputs("usage: vorlune-screenshots OUTPUT_FOLDER [BACKGROUND.bmp]\n", stderr);
    return 2;
  }
  vorlune::Shooter shooter(QString::fromLocal8Bit(argv[1]));
  vorlune::SaveDialogs(shooter);
  if (argc > 2) vorlune::SaveEditor(shooter, QString::fromLocal8Bit(argv[2]));
  if (argc > 2) vorlune::SavePictureImport(shooter, QString::fromLocal8Bit(argv[2]));
  return 0;
}
