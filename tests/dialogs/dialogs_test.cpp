// The request for the database information and its dialog; the windows and controls
// of every dialog; the pictures of the create preview and the picture import.
#include <gtest/gtest.h>

#include <QFileDialog>
#include <QTest>
#include <QTranslator>

#include "core/cp932.h"
#include "dialogs/button_setting_dialog.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/database_info_request.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/part_color_dialogs.h"
#include "dialogs/picture_import_dialog.h"
#include "dialogs/skin_created_dialog.h"
#include "dialogs/user_prompts.h"
#include "dialogs_support.h"
#include "support/golden.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

// Keeps the messages instead of showing them.
class RecordingPrompts : public UserPrompts {
 public:
  void ShowMessage(QWidget* owner, const UserMessage& message) override {
    owners.push_back(owner);
    texts.push_back(message.text);
    icons.push_back(message.icon);
  }
  std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest&) override { return {}; }
  QStringList ChooseFilesToOpen(QWidget*, const FileDialogRequest&) override { return {}; }
  std::optional<QString> ChooseFolder(QWidget*, const QString&) override { return {}; }
  std::optional<QString> ChooseFileToSave(QWidget*, const FileDialogRequest&) override { return {}; }
  bool AskYesNo(QWidget*, const QString&) override { return false; }
  UnsavedChangesAnswer AskToSaveChanges(QWidget*) override { return UnsavedChangesAnswer::Cancel; }
  bool AskToRestoreRecovery(QWidget*, const QString&) override { return false; }
  std::vector<QWidget*> owners;
  std::vector<std::string> texts;
  std::vector<MessageIcon> icons;
};

// The texts the dialog shows, between bars.
QString Shown(const DatabaseInfoDialog& dialog) {
  return dialog.NameEdit()->text() + "|" + dialog.AuthorEdit()->text() + "|" + dialog.VersionEdit()->text();
}

// Types the text character by character, each checked as it comes.
void Retype(QLineEdit* edit, const QString& text) {
  edit->clear();
  for (QChar c : text) edit->insert(c);
}

using Step = std::function<void(DatabaseInfoDialog&)>;

// Runs the request, answering each opening of the dialog with the next step
// and noting the texts the dialog showed when it opened.
struct InfoRequest {
  bool operator()(std::vector<Step> steps) {
    std::size_t opened = 0;
    return RequestDatabaseInfo(layout, prompts, nullptr, [&](DatabaseInfoDialog& d) {
      return testing::AnswerModal(d, [&] {
        shown.push_back(Shown(d));
        steps.at(opened++)(d);
      });
    });
  }
  SkinLayout layout = NewSkinLayout();
  RecordingPrompts prompts;
  std::vector<QString> shown;
};

Step Fill(QString name, QString author, QString version) {
  return [=](DatabaseInfoDialog& d) {
    Retype(d.NameEdit(), name);
    Retype(d.AuthorEdit(), author);
    Retype(d.VersionEdit(), version);
    testing::ClickButton(d, "OK");
  };
}

// Four requests. 1: the texts show cut at their terminators and limits; OK
// with a character outside the code page names it and its field and keeps
// the dialog open; Cancel then leaves every byte of the layout alone. 2:
// typing stops at each field's byte limit (Japanese counts two bytes,
// half-width kana one) and the version takes six ASCII digits only. 3: empty
// fields are named in order, the dialog reopens with what was typed, and the
// texts go in over the old bytes, which stay behind the terminator. 4: texts
// taken with OK stay when a later opening is cancelled.
TEST(RequestDatabaseInfo, AsksUntilAllThreeTextsAreGiven) {
  InfoRequest request;
  SkinLayout& layout = request.layout;
  std::copy_n("Old\0tail", 8, layout.databaseName.begin());
  std::copy_n("LongAuthor", 10, layout.databaseAuthor.begin());
  std::copy_n("1234567", 7, layout.databaseVersion.begin());  // no terminator
  EXPECT_FALSE(request({[&](DatabaseInfoDialog& d) {
    Retype(d.NameEdit(), QStringLiteral("Skin한"));
    testing::ClickButton(d, "OK");
    ASSERT_EQ(request.prompts.texts.size(), 1u);
    EXPECT_NE(request.prompts.texts[0].find("データベース名に使えない文字「한」"), std::string::npos);
    EXPECT_EQ(request.prompts.owners[0], &d);
    EXPECT_TRUE(d.isVisible());
    testing::ClickButton(d, "ｷｬﾝｾﾙ");
  }}));
  EXPECT_EQ(std::string(layout.databaseName.data(), 8), std::string("Old\0tail", 8));
  EXPECT_EQ(std::string(layout.databaseVersion.data(), 7), "1234567");

  EXPECT_TRUE(request({[](DatabaseInfoDialog& d) {
    Retype(d.NameEdit(), QString(16, u'あ'));
    Retype(d.AuthorEdit(), QString(29, u'a') + QStringLiteral("作ｱ"));
    Retype(d.VersionEdit(), QStringLiteral("0a2.3-4１ 5x978"));
    EXPECT_EQ(Shown(d), QString(15, u'あ') + "|" + QString(29, u'a') + QStringLiteral("ｱ|023459"));
    Retype(d.AuthorEdit(), QString(31, u'a'));
    testing::ClickButton(d, "OK");
  }}));
  EXPECT_EQ(Cp932ToUtf8(layout.databaseName.data()), QString(15, u'あ').toStdString());
  EXPECT_EQ(std::string(layout.databaseAuthor.data()), std::string(30, 'a'));
  EXPECT_EQ(std::string(layout.databaseVersion.data(), 7), std::string("023459\0", 7));

  EXPECT_TRUE(request(
      {Fill("", "", ""), Fill("Aurora", "", ""), Fill("Aurora", "Mika", ""), Fill("Aurora", "Al", "20")}));
  EXPECT_EQ(request.shown, (std::vector<QString>{"Old|LongAuthor|123456", "Old|LongAuthor|123456",
                                                 QString(15, u'あ') + "|" + QString(30, u'a') + "|023459",
                                                 "||", "Aurora||", "Aurora|Mika|"}));
  EXPECT_EQ(request.prompts.texts, (std::vector<std::string>{request.prompts.texts[0], kEmptyTitleMessage,
                                                             kEmptyAuthorMessage, kEmptyVersionMessage}));
  EXPECT_EQ(request.prompts.icons, std::vector(4, MessageIcon::Information));
  EXPECT_EQ(std::string(layout.databaseAuthor.data(), 6), std::string("Al\0a\0a", 6));
  EXPECT_EQ(std::string(layout.databaseVersion.data(), 3), std::string("20\0", 3));

  EXPECT_FALSE(
      request({Fill("Zed", "", ""), [](DatabaseInfoDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }}));
  EXPECT_EQ(std::string(layout.databaseName.data(), 4), std::string("Zed\0", 4));
  EXPECT_EQ(request.prompts.texts.back(), kEmptyAuthorMessage);
}

// Every dialog, named after its golden file, owned by `owner`.
std::vector<std::pair<std::string, QDialog*>> EveryDialog(QWidget& owner) {
  SkinLayout layout = NewSkinLayout();
  testing::Place(layout, 1, 10, 20, {9, 10, kNoColor});
  auto* preview = new ImagePreviewDialog(&owner);
  preview->SetPreviewLayout(layout);
  // With the contrast line at its tallest.
  SkinLayout sky = testing::PaintedLayout({{0, 0, 320, 320, Rgb{135, 206, 235}}});
  testing::Place(sky, 17, 100, 200, {0, 12, 9});
  auto* marked = new ThreeColorDialog(&owner);
  marked->SetColors(17, {0, 12, 9});
  marked->SetContrastMarks(PickerContrast(sky, 17));
  return {{"button_setting", new ButtonSettingDialog(&owner)},
          {"two_color", new TwoColorDialog(&owner)},
          {"three_color", new ThreeColorDialog(&owner)},
          {"three_color_marks", marked},
          {"text_color", new TextColorDialog(&owner)},
          {"database_info", new DatabaseInfoDialog(nullptr, &owner)},
          {"image_preview", preview},
          {"skin_created", new SkinCreatedDialog(&owner)},
          {"picture_import", new PictureImportDialog(testing::Halves(), PictureImportOptions{}, &owner)}};
}

// Title, size, close box, texts, places, default button, Tab order and
// painting of every dialog match their goldens. At the default font and at one and a half
// times its size, in Japanese and in English, every control has the room its
// contents ask for, lies inside its dialog and covers no other.
TEST(Dialogs, LayOutAsTheirGoldensAndFitAtALargerFontInBothLanguages) {
  QTranslator english;
  ASSERT_TRUE(english.load(QT_TESTCASE_BUILDDIR "/../src/app/vorlune_en.qm"))
      << "the English translation is built with the editor (target vorlune_app_lrelease)";
  const QFont normal = QApplication::font();
  for (const bool inEnglish : {false, true}) {
    if (inEnglish) QCoreApplication::installTranslator(&english);
    for (const double scale : {1.0, 1.5}) {
      QFont font = normal;
      font.setPointSizeF(normal.pointSizeF() * scale);
      QApplication::setFont(font);
      QWidget owner;
      for (const auto& [name, dialog] : EveryDialog(owner)) {
        if (!inEnglish && scale == 1.0) {
          EXPECT_TEXT_GOLDEN(name, testing::LayoutText(*dialog));
          EXPECT_GOLDEN("paint " + name, testing::OwnPainting(*dialog));
        }
        testing::LayOut(*dialog);
        const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < controls.size(); ++i) {
          const QWidget& c = *controls[i];
          SCOPED_TRACE(name + (inEnglish ? " en " : " ja ") + std::to_string(scale) + " " +
                       testing::ControlName(c).toStdString());
          EXPECT_TRUE(dialog->rect().contains(c.geometry()));
          EXPECT_GE(c.width(), c.sizeHint().width());
          EXPECT_GE(c.height(), c.sizeHint().height());
          for (qsizetype j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(c.geometry().intersects(controls[j]->geometry()))
                << testing::ControlName(*controls[j]).toStdString();
        }
      }
    }
  }
  QApplication::setFont(normal);
  QCoreApplication::removeTranslator(&english);
}

// The file dialog opens on the filter asked for.
TEST(QtUserPrompts, TheFileDialogOpensOnTheFilterAskedFor) {
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    shown = dialog->selectedNameFilter();
    dialog->reject();
  });
  QtUserPrompts().ChooseFileToOpen(nullptr,
                                   {"bitmap (*.bmp)", "bmp", {}, "pictures (*.png)", "pictures (*.png)"});
  EXPECT_EQ(shown, "pictures (*.png)");
}

}  // namespace
}  // namespace vorlune
