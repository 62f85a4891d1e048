#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <csignal>

#include "app/about_dlg.h"
#include "app/command_line.h"
#include "app/language_choice.h"
#include "app/skin_editor_app.h"
#include "app/temporary_picture_folder.h"
#include "core/version.h"
#include "dialogs/button_setting_dialog.h"
#include "dialogs/core_texts.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/part_color_dialogs.h"
#include "dialogs/picture_import_dialog.h"
#include "dialogs/skin_created_dialog.h"
#include "session_support.h"

namespace vorlune {
namespace {

using namespace testing;
using Action = CommandLine::Action;

TEST(CommandLine, TakesTheLanguageAndOneFileAnswersHelpAndVersionAndRefusesTheRest) {
  using Result = std::tuple<Action, std::optional<Language>, QString>;
  for (const auto& [args, expected] : std::initializer_list<std::pair<QStringList, Result>>{
           {{}, {Action::RunEditor, std::nullopt, {}}},
           {{"--lang", "en", "a.hqd"}, {Action::RunEditor, Language::English, "a.hqd"}},
           {{"--lang=JA", "picture.bmp"}, {Action::RunEditor, Language::Japanese, "picture.bmp"}},
           {{"--version"}, {Action::PrintVersion, std::nullopt, {}}},
           {{"-h"}, {Action::PrintHelp, std::nullopt, {}}},
           {{"--lang", "fr"}, {Action::Refuse, std::nullopt, {}}},
           {{"a.hqd", "b.hqd"}, {Action::Refuse, std::nullopt, {}}},
           {{"--colour"}, {Action::Refuse, std::nullopt, {}}}}) {
    const CommandLine line = ParseCommandLine(QStringList{"vorlune"} + args);
    EXPECT_EQ(Result(line.action, line.language, line.file), expected) << args.join(' ').toStdString();
  }
  EXPECT_EQ(ParseCommandLine({"vorlune", "--version"}).text, QStringLiteral("vorlune %1\n").arg(kVersion));
  // The command line comes before the environment, which comes before the remembered choice.
  EXPECT_EQ(ChooseLanguage(Language::Japanese, "en", "en"), Language::Japanese);
  EXPECT_EQ(ChooseLanguage(std::nullopt, "EN", "ja"), Language::English);
  EXPECT_EQ(ChooseLanguage(std::nullopt, "de", "en"), Language::English);
  EXPECT_EQ(ChooseLanguage(std::nullopt, "", "klingon"), Language::Japanese);
}

bool HasJapanese(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
}

// Every text a dialog shows is free of Japanese and fits its control.
void ExpectEnglishAndWhole(QWidget& dialog) {
  SCOPED_TRACE(dialog.metaObject()->className());
  EXPECT_FALSE(HasJapanese(dialog.windowTitle())) << dialog.windowTitle().toStdString();
  dialog.show();
  for (QWidget* control : dialog.findChildren<QWidget*>()) {
    QString text;
    if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
    if (auto* box = qobject_cast<QComboBox*>(control)) {
      for (int i = 0; i < box->count(); ++i) EXPECT_FALSE(HasJapanese(box->itemText(i)));
      EXPECT_GE(box->width(), box->sizeHint().width()) << box->currentText().toStdString();
    }
    if (text.isEmpty()) continue;
    EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    // A push button's size hint has a floor of its own; its text needs its margins.
    const int needed = qobject_cast<QPushButton*>(control)
                           ? control->fontMetrics().horizontalAdvance(QString(text).remove('&')) +
                                 2 * control->style()->pixelMetric(QStyle::PM_ButtonMargin)
                           : control->sizeHint().width();
    EXPECT_GE(control->width(), needed) << text.toStdString();
  }
}

// The language menu remembers English for the next start; in English the
// window, every placement text, the undo item and every dialog speak English
// and their texts fit.
TEST(LanguageRun, EnglishIsChosenInTheMenuAndSpokenEverywhere) {
  EnsureApplication();
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  EditorSession s;
  QStringList entries;
  ModalScript script;
  script.Then([&](QWidget* popup) {
    auto* languages = popup->findChild<QMenu*>("languageMenu");
    EXPECT_EQ(languages->title(), "Language / 言語");
    for (QAction* action : languages->actions()) entries << action->text() + (action->isChecked() ? "*" : "");
    languages->actions().back()->trigger();
    popup->close();
  });
  QContextMenuEvent outside(QContextMenuEvent::Mouse, QPoint(100, 400),
                            s.window().mapToGlobal(QPoint(100, 400)));
  QApplication::sendEvent(&s.window(), &outside);
  EXPECT_EQ(entries, QStringList({"日本語*", "English"}));
  EXPECT_EQ(RememberedLanguage(), "en");
  EXPECT_EQ(s.prompts.messages.at(0).text, "言語の変更は次回の起動から有効になります。");

  ASSERT_TRUE(InstallTranslation(*qApp, Language::English));
  EditorSession english;
  const QWidget* edit = english.window().Control(IDC_PLACEMENT_TEXT);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    english.PressPart(k);
    const QString text = english.EditText();
    EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    // The edit keeps a few pixels of its own on each side.
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(text) + 6, edit->width()) << text.toStdString();
  }
  EXPECT_EQ(CoreText(kTouchingPartText), "Cannot place: touches another part");
  Import(english, RampPicture());
  EXPECT_EQ(english.window().UndoText(), "Undo Import Background");
  ExpectEnglishAndWhole(english.window());
  const std::unique_ptr<QWidget> dialogs[] = {
      std::make_unique<ButtonSettingDialog>(),
      std::make_unique<TwoColorDialog>(),
      std::make_unique<ThreeColorDialog>(),
      std::make_unique<TextColorDialog>(),
      std::make_unique<DatabaseInfoDialog>(),
      std::make_unique<ImagePreviewDialog>(),
      std::make_unique<SkinCreatedDialog>(),
      std::make_unique<CAboutDlg>(),
      std::make_unique<PictureImportDialog>(RgbImage(400, 300, Rgb{0, 90, 200}), PictureImportOptions{})};
  for (const auto& dialog : dialogs) ExpectEnglishAndWhole(*dialog);
  InstallTranslation(*qApp, Language::Japanese);
}

// Each editor has a private temporary folder that goes with it: at Close, when
// the application's window closes, and when the process is terminated.
TEST(TemporaryFolder, GoesWithItsEditorHoweverItEnds) {
  EnsureApplication();
  QString ended;
  ModalScript script;
  script.Then([&](QWidget* window) {
    ended = static_cast<CSkinEditorDlg*>(window)->TemporaryFolderPath();
    window->close();
  });
  CSkinEditorApp application;
  EXPECT_FALSE(application.InitInstance());
  ASSERT_FALSE(ended.isEmpty());
  EXPECT_FALSE(QDir(ended).exists());

  ScriptedPrompts prompts;
  CSkinEditorDlg first(&prompts);
  CSkinEditorDlg second(&prompts);
  EXPECT_NE(first.TemporaryFolderPath(), second.TemporaryFolderPath());
  { CSkinEditorDlg third(&prompts); }
  EXPECT_TRUE(QDir(first.TemporaryFolderPath()).exists());
  EXPECT_TRUE(first.TemporaryPicturePath().endsWith("/harmoniquest0tempfile.$$$"));

  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    int channel[2];
    ASSERT_EQ(pipe(channel), 0);
    const pid_t child = fork();
    if (child == 0) {
      TemporaryPictureFolder doomed;
      doomed.WritePicture(std::vector<std::uint8_t>{'B', 'M'});
      const QByteArray name = QFile::encodeName(doomed.folderPath());
      if (write(channel[1], name.constData(), static_cast<std::size_t>(name.size())) < 0) _exit(2);
      std::raise(signal);
      _exit(3);  // not reached: the signal ends the process
    }
    close(channel[1]);
    char buffer[4096] = {};
    const bool told = read(channel[0], buffer, sizeof buffer - 1) > 0;  // one short write arrives whole
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(told && WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_FALSE(QDir(QString::fromLocal8Bit(buffer)).exists()) << buffer;
  }
}

}  // namespace
}  // namespace vorlune
