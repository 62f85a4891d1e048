#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStyle>

#include "app/about_dialog.h"
#include "app/command_line.h"
#include "app/editor_actions.h"
#include "app/language_choice.h"
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

QStringList Texts(const QList<QAction*>& actions) {
  QStringList texts;
  for (QAction* action : actions) texts << (action->isSeparator() ? "-" : action->text());
  return texts;
}

// Every part button is named after its kind, for tooltips and assistive tools.
void ExpectPartNames(EditorSession& s, const QString& play, const QString& replay) {
  EXPECT_EQ(s.Part(1)->accessibleName(), play);
  EXPECT_EQ(s.Part(30)->accessibleName(), replay);
  QStringList names;
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    names << s.Part(k)->accessibleName();
    EXPECT_EQ(s.Part(k)->toolTip(), names.back()) << k;
    EXPECT_FALSE(names.back().contains("配置")) << k;
  }
  EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 30);
}

// English, chosen in the menu, in the window, menus, texts and dialogs, all fitting.
TEST(LanguageRun, EnglishIsChosenInTheMenuAndSpokenEverywhere) {
  EnsureApplication();
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  EditorSession s;
  ExpectPartNames(s, "再生ボタン", "リプレイボタン");
  auto* languages = s.window().findChild<QMenu*>("languageMenu");
  emit languages->aboutToShow();
  EXPECT_EQ(languages->title(), "Language / 言語");
  EXPECT_EQ(Texts(languages->actions()), QStringList({"日本語", "English"}));
  EXPECT_TRUE(languages->actions().front()->isChecked());
  languages->actions().back()->trigger();
  EXPECT_EQ(RememberedLanguage(), "en");
  EXPECT_EQ(s.prompts.messages.at(0).text, "言語の変更は次回の起動から有効になります。");

  // The window's menu beside the canvas keeps its entries.
  QStringList entries;
  ModalScript script;
  script.Then([&](QWidget* popup) {
    entries = Texts(popup->actions());
    popup->close();
  });
  const QPoint beside(540, 300);
  QContextMenuEvent event(QContextMenuEvent::Mouse, beside, s.window().mapToGlobal(beside));
  QApplication::sendEvent(&s.window(), &event);
  EXPECT_EQ(entries, QStringList({"元に戻す", "やり直し", "最近使ったプロジェクト",
                                  "画像を取り込む（オプション指定）...", "-", "Vorlune のﾊﾞｰｼﾞｮﾝ情報(&A)...",
                                  "Language / 言語", "再生シミュレーション(&P)"}));

  ASSERT_TRUE(InstallTranslation(*qApp, Language::English));
  EditorSession english;
  ExpectPartNames(english, "Play button", "Replay button");
  const QWidget* edit = english.window().PlacementLine();
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    english.PressPart(k);
    const QString text = english.EditText();
    EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
    // The edit keeps a few pixels of its own on each side.
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(text) + 6, edit->width()) << text.toStdString();
  }
  english.LeftClick({100, 100});
  EXPECT_EQ(english.EditText(), "Import a background picture first");
  EXPECT_EQ(CoreText(kTouchingPartText), "Cannot place: touches another part");
  Import(english, RampPicture());
  EXPECT_EQ(english.window().Actions().UndoText(), "Undo Import Background");
  for (QAction* menu : english.window().menuBar()->actions()) {
    EXPECT_FALSE(HasJapanese(menu->text())) << menu->text().toStdString();
    if (menu->menu() == nullptr || menu->menu()->objectName() == "viewMenu") continue;
    for (const QString& text : Texts(menu->menu()->actions()))
      EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
  }
  ExpectEnglishAndWhole(english.window());
  const std::unique_ptr<QWidget> dialogs[] = {
      std::make_unique<ButtonSettingDialog>(),
      std::make_unique<TwoColorDialog>(),
      std::make_unique<ThreeColorDialog>(),
      std::make_unique<TextColorDialog>(),
      std::make_unique<DatabaseInfoDialog>(),
      std::make_unique<ImagePreviewDialog>(),
      std::make_unique<SkinCreatedDialog>(),
      std::make_unique<AboutDialog>(),
      std::make_unique<PictureImportDialog>(RgbImage(400, 300, Rgb{0, 90, 200}), PictureImportOptions{})};
  for (const auto& dialog : dialogs) ExpectEnglishAndWhole(*dialog);

  ASSERT_TRUE(InstallTranslation(*qApp, Language::Japanese));
  QMessageBox question(QMessageBox::Question, "Warning", "?", QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(question.button(QMessageBox::Yes)->text(), "はい(&Y)");
}

}  // namespace
}  // namespace vorlune
