#include "dialogs/database_info_dialog.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/cp932.h"
#include "dialogs/database_info_request.h"
#include "dialogs/modal_dialog.h"
#include "dialogs_support.h"

namespace vorlune {
namespace {

using testing::RecordingPrompts;
using testing::ShowAndSettle;

QPushButton* Button(QWidget& dialog, const char* text) {
  for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
    if (b->text() == QString::fromUtf8(text)) return b;
  }
  return nullptr;
}

template <std::size_t N>
std::string Field(const std::array<char, N>& field) {
  return std::string(field.data());
}

class InfoDialog : public ::testing::Test {
 protected:
  void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    testing::TypeText(edit, text);
  }
  RecordingPrompts prompts;
  CDatabaseInfoDlg dialog{&prompts};
};

TEST_F(InfoDialog, TemplateTextsSizeAndTheTextsHandedIn) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("データベース情報設定"));
  EXPECT_EQ(dialog.size(), QSize(425, 223));
  EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(dialog.NameEdit()->objectName(), QStringLiteral("control1037"));
  EXPECT_NE(Button(dialog, "OK"), nullptr);
  EXPECT_NE(Button(dialog, "ｷｬﾝｾﾙ"), nullptr);
  dialog.SetInfoTexts("Night", "Kay", "12");
  ShowAndSettle(dialog);
  EXPECT_EQ(dialog.NameEdit()->text(), QStringLiteral("Night"));
  EXPECT_EQ(dialog.AuthorEdit()->text(), QStringLiteral("Kay"));
  EXPECT_EQ(dialog.VersionEdit()->text(), QStringLiteral("12"));
}

TEST_F(InfoDialog, AsciiFieldsStopAtTheirByteLimitsAndVersionTakesSixDigitsOnly) {
  ShowAndSettle(dialog);
  Type(dialog.NameEdit(), QString(35, u'n'));
  Type(dialog.AuthorEdit(), QString(31, u'a'));
  Type(dialog.VersionEdit(), QStringLiteral("1a2.3-4 5x678"));
  EXPECT_EQ(dialog.NameEdit()->text(), QString(30, u'n'));
  EXPECT_EQ(dialog.AuthorEdit()->text(), QString(30, u'a'));
  EXPECT_EQ(dialog.VersionEdit()->text(), QStringLiteral("123456"));
}

TEST_F(InfoDialog, JapaneseTextsCountTwoBytesPerCharacter) {
  ShowAndSettle(dialog);
  Type(dialog.NameEdit(), QString(16, u'あ'));
  EXPECT_EQ(dialog.NameEdit()->text(), QString(15, u'あ'));
  Type(dialog.AuthorEdit(), QString(29, u'a') + QStringLiteral("作ｱ"));
  EXPECT_EQ(dialog.AuthorEdit()->text(), QString(29, u'a') + QStringLiteral("ｱ"));
  Type(dialog.VersionEdit(), QStringLiteral("１"));
  EXPECT_EQ(dialog.VersionEdit()->text(), QString());
  QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  std::array<char, 33> name{}, author{};
  std::array<char, 7> version{};
  dialog.GetInfoTexts(name, author, version);
  EXPECT_EQ(Field(name).size(), 30u);
  EXPECT_EQ(Cp932ToUtf8(Field(name)), QString(15, u'あ').toStdString());
  EXPECT_EQ(Field(author).size(), 30u);
}

TEST_F(InfoDialog, ACharacterOutsideTheCodePageIsRefusedWithAMessage) {
  dialog.SetInfoTexts("old", "me", "1");
  ShowAndSettle(dialog);
  dialog.NameEdit()->clear();
  Type(dialog.NameEdit(), QStringLiteral("Skin한"));
  QTest::mouseClick(Button(dialog, "OK"), Qt::LeftButton);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("「한」"), std::string::npos) << prompts.messages[0].text;
  EXPECT_NE(prompts.messages[0].text.find("データベース名"), std::string::npos);
  EXPECT_EQ(prompts.owners[0], &dialog);
  EXPECT_TRUE(dialog.isVisible());  // still open for a correction
  std::array<char, 33> name{}, author{};
  std::array<char, 7> version{};
  dialog.GetInfoTexts(name, author, version);
  EXPECT_EQ(Field(name), "old");  // nothing taken yet
}

TEST_F(InfoDialog, TextsComeInCutAndGoOutKeepingTheBytesAfterTheTerminator) {
  dialog.SetInfoTexts(std::string(40, 'x'), std::string_view("ab\0zz", 5), "1234567");
  std::array<char, 33> name{}, author{};
  std::array<char, 7> version{};
  author.fill('#');
  version.fill('#');
  dialog.GetInfoTexts(name, author, version);
  EXPECT_EQ(Field(name), std::string(30, 'x'));
  EXPECT_EQ(std::string(author.data(), 4), std::string("ab\0#", 4));
  EXPECT_EQ(std::string(version.data(), 7), std::string("123456\0", 7));
}

// Answers each opening of the information dialog with the next step.
class InfoRequest : public ::testing::Test {
 protected:
  using Step = std::function<void(CDatabaseInfoDlg&)>;

  bool Request() {
    opened = 0;
    return RequestDatabaseInfo(layout, prompts, nullptr, [this](CDatabaseInfoDlg& d) {
      const Step step = steps.at(opened++);
      QTimer::singleShot(0, &d, [&d, step] { step(d); });
      return d.DoModal();
    });
  }

  static Step Fill(QString name, QString author, QString version) {
    return [=](CDatabaseInfoDlg& d) {
      for (auto [edit, text] :
           {std::pair{d.NameEdit(), name}, {d.AuthorEdit(), author}, {d.VersionEdit(), version}}) {
        edit->clear();
        testing::TypeText(edit, text);
      }
      QTest::mouseClick(Button(d, "OK"), Qt::LeftButton);
    };
  }

  SkinLayout layout = NewSkinLayout();
  RecordingPrompts prompts;
  std::vector<Step> steps;
  std::vector<QString> shownNames;
  int opened = 0;
};

TEST_F(InfoRequest, AllThreeTextsGoIntoTheLayout) {
  steps = {Fill("Aurora", "Mika", "1")};
  EXPECT_TRUE(Request());
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(Field(layout.databaseName), "Aurora");
  EXPECT_EQ(Field(layout.databaseAuthor), "Mika");
  EXPECT_EQ(Field(layout.databaseVersion), "1");
}

TEST_F(InfoRequest, EmptyFieldsAreNamedInOrderAndTheDialogReopensWithWhatWasTyped) {
  QString shownOnReopen;
  steps = {Fill("", "", ""), Fill("Aurora", "", ""),
           [&](CDatabaseInfoDlg& d) {
             shownOnReopen = d.NameEdit()->text();
             Fill("Aurora", "Mika", "")(d);
           },
           Fill("Aurora", "Mika", "20")};
  EXPECT_TRUE(Request());
  ASSERT_EQ(prompts.messages.size(), 3u);
  EXPECT_EQ(prompts.messages[0].text, kEmptyTitleMessage);
  EXPECT_EQ(prompts.messages[1].text, kEmptyAuthorMessage);
  EXPECT_EQ(prompts.messages[2].text, kEmptyVersionMessage);
  EXPECT_EQ(prompts.messages[1].icon, MessageIcon::Information);
  EXPECT_EQ(shownOnReopen, QStringLiteral("Aurora"));
  EXPECT_EQ(Field(layout.databaseVersion), "20");
}

TEST_F(InfoRequest, TextsTakenWithOkStayEvenWhenCancelledLater) {
  steps = {Fill("Aurora", "", ""), [](CDatabaseInfoDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }};
  EXPECT_FALSE(Request());
  EXPECT_EQ(Field(layout.databaseName), "Aurora");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, kEmptyAuthorMessage);
}

TEST_F(InfoRequest, CancelAtOnceLeavesTheLayoutAlone) {
  std::copy_n("Old\0tail", 8, layout.databaseName.begin());
  steps = {[](CDatabaseInfoDlg& d) {
    QTest::keyClicks(d.NameEdit(), "New");
    QTest::mouseClick(Button(d, "ｷｬﾝｾﾙ"), Qt::LeftButton);
  }};
  EXPECT_FALSE(Request());
  EXPECT_EQ(std::string(layout.databaseName.data(), 8), std::string("Old\0tail", 8));
}

TEST_F(InfoRequest, AShorterTextKeepsTheOldBytesBehindItsTerminator) {
  std::copy_n("LongAuthor", 10, layout.databaseAuthor.begin());
  steps = {Fill("T", "Al", "3")};
  EXPECT_TRUE(Request());
  EXPECT_EQ(std::string(layout.databaseAuthor.data(), 10), std::string("Al\0gAuthor", 10));
}

}  // namespace
}  // namespace vorlune
