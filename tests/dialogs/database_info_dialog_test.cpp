// The database information dialog and the request that opens it again until
// all three texts are given.
#include "dialogs/database_info_dialog.h"

#include <gtest/gtest.h>

#include <QTest>

#include "core/cp932.h"
#include "dialogs/database_info_request.h"
#include "dialogs/modal_dialog.h"
#include "dialogs_support.h"

namespace vorlune {
namespace {

using testing::ClickButton;

// Keeps the messages instead of showing them.
class RecordingPrompts : public UserPrompts {
 public:
  void ShowMessage(QWidget* owner, const UserMessage& message) override {
    owners.push_back(owner);
    texts.push_back(message.text);
    icons.push_back(message.icon);
  }
  std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest&) override { return {}; }
  std::optional<QString> ChooseFileToSave(QWidget*, const FileDialogRequest&) override { return {}; }
  bool AskYesNo(QWidget*, const QString&) override { return false; }
  UnsavedChangesAnswer AskToSaveChanges(QWidget*) override { return UnsavedChangesAnswer::Cancel; }
  bool AskToRestoreRecovery(QWidget*, const QString&) override { return false; }
  std::vector<QWidget*> owners;
  std::vector<std::string> texts;
  std::vector<MessageIcon> icons;
};

template <std::size_t N>
std::string Bytes(const std::array<char, N>& field, std::size_t count) {
  return std::string(field.data(), count);
}

// The texts the dialog hands back, in UTF-8, between bars.
std::string Taken(const CDatabaseInfoDlg& dialog) {
  std::array<char, 33> name{}, author{};
  std::array<char, 7> version{};
  dialog.GetInfoTexts(name, author, version);
  return Cp932ToUtf8(name.data()) + "|" + Cp932ToUtf8(author.data()) + "|" + version.data();
}

QString Shown(const CDatabaseInfoDlg& dialog) {
  return dialog.NameEdit()->text() + "|" + dialog.AuthorEdit()->text() + "|" + dialog.VersionEdit()->text();
}

void Retype(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->clear();
  testing::TypeText(edit, text);
}

// A run of the dialog: it shows the texts handed in; OK with a character
// outside the code page names it and its field and keeps the dialog open
// with nothing taken; typing stops at each field's byte limit (Japanese
// counts two bytes, half-width kana one) and the version takes six ASCII
// digits only.
TEST(DatabaseInfoDialog, TypingKeepsToTheLimitsAndTheCodePage) {
  RecordingPrompts prompts;
  CDatabaseInfoDlg dialog(&prompts);
  dialog.SetInfoTexts("Night", "Kay", "12");
  testing::ShowAndSettle(dialog);
  EXPECT_EQ(Shown(dialog), QStringLiteral("Night|Kay|12"));
  Retype(dialog.NameEdit(), QStringLiteral("Skin한"));
  ClickButton(dialog, "OK");
  ASSERT_EQ(prompts.texts.size(), 1u);
  EXPECT_NE(prompts.texts[0].find("データベース名に使えない文字「한」"), std::string::npos);
  EXPECT_EQ(prompts.owners[0], &dialog);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Taken(dialog), "Night|Kay|12");

  Retype(dialog.NameEdit(), QString(16, u'あ'));
  Retype(dialog.AuthorEdit(), QString(29, u'a') + QStringLiteral("作ｱ"));
  Retype(dialog.VersionEdit(), QStringLiteral("1a2.3-4１ 5x678"));
  EXPECT_EQ(Shown(dialog), QString(15, u'あ') + "|" + QString(29, u'a') + QStringLiteral("ｱ|123456"));
  Retype(dialog.AuthorEdit(), QString(31, u'a'));
  ClickButton(dialog, "OK");
  EXPECT_EQ(Taken(dialog), QString(15, u'あ').toStdString() + "|" + std::string(30, 'a') + "|123456");
}

TEST(DatabaseInfoDialog, TextsComeInCutAndGoOutKeepingTheBytesAfterTheTerminator) {
  CDatabaseInfoDlg dialog;
  dialog.SetInfoTexts(std::string(40, 'x'), std::string_view("ab\0zz", 5), "1234567");
  std::array<char, 33> name{}, author{};
  std::array<char, 7> version{};
  author.fill('#');
  version.fill('#');
  dialog.GetInfoTexts(name, author, version);
  EXPECT_EQ(std::string(name.data()), std::string(30, 'x'));
  EXPECT_EQ(Bytes(author, 4), std::string("ab\0#", 4));
  EXPECT_EQ(Bytes(version, 7), std::string("123456\0", 7));
}

// Each opening of the dialog is answered by the next step.
using Step = std::function<void(CDatabaseInfoDlg&)>;

bool Request(SkinLayout& layout, RecordingPrompts& prompts, std::vector<Step> steps) {
  std::size_t opened = 0;
  return RequestDatabaseInfo(layout, prompts, nullptr, [&](CDatabaseInfoDlg& d) {
    return testing::AnswerModal(d, [&d, step = steps.at(opened++)] { step(d); });
  });
}

Step Fill(QString name, QString author, QString version) {
  return [=](CDatabaseInfoDlg& d) {
    Retype(d.NameEdit(), name);
    Retype(d.AuthorEdit(), author);
    Retype(d.VersionEdit(), version);
    ClickButton(d, "OK");
  };
}

// Three requests: cancelled at once, the layout keeps every byte; empty
// fields are named in order and the dialog reopens with what was typed, and
// the texts go in over the old bytes, which stay behind the terminator; texts
// taken with OK stay when a later opening is cancelled.
TEST(RequestDatabaseInfo, AsksUntilAllThreeTextsAreGiven) {
  SkinLayout layout = NewSkinLayout();
  std::copy_n("Old\0tail", 8, layout.databaseName.begin());
  std::copy_n("LongAuthor", 10, layout.databaseAuthor.begin());
  RecordingPrompts prompts;
  EXPECT_FALSE(Request(layout, prompts, {[](CDatabaseInfoDlg& d) {
                         QTest::keyClicks(d.NameEdit(), "New");
                         ClickButton(d, "ｷｬﾝｾﾙ");
                       }}));
  EXPECT_EQ(Bytes(layout.databaseName, 8), std::string("Old\0tail", 8));

  QString shownOnReopen;
  const Step lookThenFill = [&](CDatabaseInfoDlg& d) {
    shownOnReopen = Shown(d);
    Fill("Aurora", "Mika", "")(d);
  };
  EXPECT_TRUE(Request(layout, prompts,
                      {Fill("", "", ""), Fill("Aurora", "", ""), lookThenFill, Fill("Aurora", "Al", "20")}));
  EXPECT_EQ(prompts.texts,
            (std::vector<std::string>{kEmptyTitleMessage, kEmptyAuthorMessage, kEmptyVersionMessage}));
  EXPECT_EQ(prompts.icons[1], MessageIcon::Information);
  EXPECT_EQ(shownOnReopen, QStringLiteral("Aurora||"));
  EXPECT_EQ(Bytes(layout.databaseName, 8), std::string("Aurora\0l", 8));
  EXPECT_EQ(Bytes(layout.databaseAuthor, 10), std::string("Al\0a\0uthor", 10));
  EXPECT_EQ(Bytes(layout.databaseVersion, 3), std::string("20\0", 3));

  EXPECT_FALSE(Request(layout, prompts, {Fill("Zed", "", ""), [](CDatabaseInfoDlg& d) {
                                           QTest::keyClick(&d, Qt::Key_Escape);
                                         }}));
  EXPECT_EQ(Bytes(layout.databaseName, 4), std::string("Zed\0", 4));
  EXPECT_EQ(prompts.texts.back(), kEmptyAuthorMessage);
}

}  // namespace
}  // namespace vorlune
