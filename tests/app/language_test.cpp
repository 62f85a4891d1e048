#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStyle>

#include "app/about_dlg.h"
#include "app/command_line.h"
#include "app/language_choice.h"
#include "app/main_window_template.h"
#include "app/skin_editor_dlg.h"
#include "core/version.h"
#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/core_texts.h"
#include "dialogs/created_dialog.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/picture_import_dialog.h"
#include "layout/placement_effects.h"
#include "session_support.h"

namespace vorlune {
namespace {

using Action = CommandLine::Action;
using testing::EditorSession;
using testing::EnsureApplication;
using testing::OnNextModal;

TEST(CommandLine, TakesTheLanguageAndOneFileAnswersHelpAndVersionAndRefusesTheRest) {
  const struct {
    QStringList args;
    Action action;
    std::optional<Language> language;
    QString file;
  } cases[] = {
      {{}, Action::RunEditor, std::nullopt, {}},
      {{"--lang", "en", "a.hqd"}, Action::RunEditor, Language::English, "a.hqd"},
      {{"--lang=JA", "picture.bmp"}, Action::RunEditor, Language::Japanese, "picture.bmp"},
      {{"--version"}, Action::PrintVersion, std::nullopt, {}},
      {{"-h"}, Action::PrintHelp, std::nullopt, {}},
      {{"--lang", "fr"}, Action::Refuse, std::nullopt, {}},
      {{"a.hqd", "b.hqd"}, Action::Refuse, std::nullopt, {}},
      {{"--colour"}, Action::Refuse, std::nullopt, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const CommandLine line = ParseCommandLine(QStringList{"vorlune"} + c.args);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.language, c.language);
    EXPECT_EQ(line.file, c.file);
  }
  EXPECT_EQ(ParseCommandLine({"vorlune", "--version"}).text, QStringLiteral("vorlune %1\n").arg(kVersion));
}

TEST(LanguageChoice, CommandLineBeforeEnvironmentBeforeTheRememberedChoice) {
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

class InEnglish : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    ASSERT_TRUE(InstallTranslation(*qApp, Language::English));
  }
  void TearDown() override { InstallTranslation(*qApp, Language::Japanese); }
};

TEST_F(InEnglish, TheWindowItsPlacementTextsAndEveryDialogSpeakEnglish) {
  EditorSession session;
  const QWidget* edit = session.window().Control(IDC_PLACEMENT_TEXT);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    session.PressPart(k);
    const QString text = session.EditText();
    EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    // The edit keeps a few pixels of its own on each side.
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(text) + 6, edit->width()) << text.toStdString();
  }
  EXPECT_EQ(CoreText(kTouchingPartText), QStringLiteral("Cannot place: touches another part"));
  // The undo item names the step in English too.
  session.ImportRampPicture();
  EXPECT_EQ(session.window().UndoText(), QStringLiteral("Undo Import Background"));
  ExpectEnglishAndWhole(session.window());

  CButtonSettingDlg button;
  CColorSettingDlg colour;
  CColor3SettingDlg colour3;
  CTextColorDlg text;
  CDatabaseInfoDlg info;
  CImagePreviewDlg preview;
  CCreatedDlg created;
  CAboutDlg about;
  PictureImportDialog picture(RgbImage(400, 300, Rgb{0, 90, 200}), PictureImportOptions{});
  for (QWidget* dialog : std::initializer_list<QWidget*>{&button, &colour, &colour3, &text, &info, &preview,
                                                         &created, &about, &picture})
    ExpectEnglishAndWhole(*dialog);
}

TEST(LanguageMenu, TheChoiceIsRememberedForTheNextStart) {
  EnsureApplication();
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  EditorSession session;
  QStringList entries;
  OnNextModal([&](QWidget* popup) {
    auto* languages = popup->findChild<QMenu*>("languageMenu");
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(languages->title(), QStringLiteral("Language / 言語"));
    for (QAction* action : languages->actions()) entries << action->text() + (action->isChecked() ? "*" : "");
    languages->actions().back()->trigger();
    popup->close();
  });
  QContextMenuEvent outside(QContextMenuEvent::Mouse, QPoint(100, 400),
                            session.window().mapToGlobal(QPoint(100, 400)));
  QApplication::sendEvent(&session.window(), &outside);
  EXPECT_EQ(entries, QStringList({"日本語*", "English"}));
  EXPECT_EQ(RememberedLanguage(), QStringLiteral("en"));
  ASSERT_EQ(session.prompts.messages.size(), 1u);
  EXPECT_EQ(session.prompts.messages[0].text, "言語の変更は次回の起動から有効になります。");
}

}  // namespace
}  // namespace vorlune
