// The database information dialog and its request; the windows and controls
// of every dialog; the pictures of the create preview and the picture import.
#include <gtest/gtest.h>

#include <QTest>

#include "core/cp932.h"
#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/created_dialog.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/database_info_request.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs/modal_dialog.h"
#include "dialogs/picture_import_dialog.h"
#include "dialogs_support.h"
#include "support/golden.h"

namespace vorlune {
namespace {

using testing::ClickButton;
using testing::OwnPainting;

// Keeps the messages instead of showing them.
class RecordingPrompts : public UserPrompts {
 public:
  void ShowMessage(QWidget* owner, const UserMessage& message) override {
    owners.push_back(owner);
    messages.push_back(message);
  }
  std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest&) override { return {}; }
  std::optional<QString> ChooseFileToSave(QWidget*, const FileDialogRequest&) override { return {}; }
  bool AskYesNo(QWidget*, const QString&) override { return false; }
  UnsavedChangesAnswer AskToSaveChanges(QWidget*) override { return UnsavedChangesAnswer::Cancel; }
  bool AskToRestoreRecovery(QWidget*, const QString&) override { return false; }
  std::vector<QWidget*> owners;
  std::vector<UserMessage> messages;
};

template <std::size_t N>
std::string Bytes(const std::array<char, N>& field, std::size_t count) {
  return std::string(field.data(), count);
}

// The texts the dialog shows, and those it hands back (in UTF-8), between bars.
QString Shown(const CDatabaseInfoDlg& dialog) {
  return dialog.NameEdit()->text() + "|" + dialog.AuthorEdit()->text() + "|" + dialog.VersionEdit()->text();
}

std::string Taken(const CDatabaseInfoDlg& dialog) {
  std::array<char, 33> name{}, author{};
  std::array<char, 7> version{};
  dialog.GetInfoTexts(name, author, version);
  return Cp932ToUtf8(name.data()) + "|" + Cp932ToUtf8(author.data()) + "|" + version.data();
}

// Types the text character by character, each checked as it comes.
void Retype(QLineEdit* edit, const QString& text) {
  edit->clear();
  for (QChar c : text) edit->insert(c);
}

// A run of the dialog: it shows the texts handed in, cut at their limits and
// terminators; OK with a character outside the code page names it and its
// field and keeps the dialog open with nothing taken; typing stops at each
// field's byte limit (Japanese counts two bytes, half-width kana one) and
// the version takes six ASCII digits only.
TEST(DatabaseInfoDialog, TypingKeepsToTheLimitsAndTheCodePage) {
  RecordingPrompts prompts;
  CDatabaseInfoDlg dialog(&prompts);
  dialog.SetInfoTexts(std::string(40, 'x'), std::string_view("ab\0zz", 5), "1234567");
  testing::ShowAndSettle(dialog);
  EXPECT_EQ(Shown(dialog), QString(30, u'x') + "|ab|123456");
  Retype(dialog.NameEdit(), QStringLiteral("Skin한"));
  ClickButton(dialog, "OK");
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_NE(prompts.messages[0].text.find("データベース名に使えない文字「한」"), std::string::npos);
  EXPECT_EQ(prompts.owners[0], &dialog);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Taken(dialog), std::string(30, 'x') + "|ab|123456");

  Retype(dialog.NameEdit(), QString(16, u'あ'));
  Retype(dialog.AuthorEdit(), QString(29, u'a') + QStringLiteral("作ｱ"));
  Retype(dialog.VersionEdit(), QStringLiteral("1a2.3-4１ 5x678"));
  EXPECT_EQ(Shown(dialog), QString(15, u'あ') + "|" + QString(29, u'a') + QStringLiteral("ｱ|123456"));
  Retype(dialog.AuthorEdit(), QString(31, u'a'));
  ClickButton(dialog, "OK");
  EXPECT_EQ(Taken(dialog), QString(15, u'あ').toStdString() + "|" + std::string(30, 'a') + "|123456");
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
                         Retype(d.NameEdit(), "New");
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
  ASSERT_EQ(prompts.messages.size(), 3u);
  EXPECT_EQ(prompts.messages[0].text, kEmptyTitleMessage);
  EXPECT_EQ(prompts.messages[1].text, kEmptyAuthorMessage);
  EXPECT_EQ(prompts.messages[2].text, kEmptyVersionMessage);
  EXPECT_EQ(prompts.messages[1].icon, MessageIcon::Information);
  EXPECT_EQ(shownOnReopen, QStringLiteral("Aurora||"));
  EXPECT_EQ(Bytes(layout.databaseName, 8), std::string("Aurora\0l", 8));
  EXPECT_EQ(Bytes(layout.databaseAuthor, 10), std::string("Al\0a\0uthor", 10));
  EXPECT_EQ(Bytes(layout.databaseVersion, 3), std::string("20\0", 3));

  EXPECT_FALSE(Request(layout, prompts, {Fill("Zed", "", ""), [](CDatabaseInfoDlg& d) {
                                           QTest::keyClick(&d, Qt::Key_Escape);
                                         }}));
  EXPECT_EQ(Bytes(layout.databaseName, 4), std::string("Zed\0", 4));
  EXPECT_EQ(prompts.messages.back().text, kEmptyAuthorMessage);
}

// A wide picture: a red left half and a blue right half.
RgbImage Wide() {
  RgbImage image(640, 320, Rgb{255, 0, 0});
  for (int y = 0; y < 320; ++y)
    for (int x = 320; x < 640; ++x) image.set(x, y, Rgb{0, 0, 255});
  return image;
}

// Titles, sizes, close buttons, texts, places and default buttons.
TEST(Dialogs, WindowsAndControlsMatchTheirGoldens) {
  const std::pair<const char*, std::unique_ptr<QWidget>> dialogs[] = {
      {"button", std::make_unique<CButtonSettingDlg>()},
      {"color", std::make_unique<CColorSettingDlg>()},
      {"color3", std::make_unique<CColor3SettingDlg>()},
      {"text color", std::make_unique<CTextColorDlg>()},
      {"database info", std::make_unique<CDatabaseInfoDlg>()},
      {"preview", std::make_unique<CImagePreviewDlg>()},
      {"created", std::make_unique<CCreatedDlg>()},
      {"picture import", std::make_unique<PictureImportDialog>(Wide(), PictureImportOptions{})}};
  for (const auto& [name, dialog] : dialogs)
    EXPECT_GOLDEN(std::string("layout ") + name, testing::AsBytes(testing::LayoutText(*dialog)));
}

TEST(ImagePreviewDialog, PaintsTheRenderedLayoutOnAGreyGround) {
  SkinLayout layout = NewSkinLayout();
  layout.part(1).x = 10;
  layout.part(1).y = 20;
  layout.part(1).colors = {9, 10, kNoColor};
  CImagePreviewDlg dialog;
  dialog.SetPreviewLayout(layout);
  EXPECT_GOLDEN("paint preview", OwnPainting(dialog));
}

// A run of the import dialog over its choices: the fitted original and the
// reduced result side by side, redrawn on every change; the classic
// reduction gives 24 bits and leaves no dithering to choose.
TEST(PictureImportDialog, ShowsTheOriginalAndTheResultForEveryChoice) {
  PictureImportDialog dialog(Wide(), PictureImportOptions{});
  EXPECT_GOLDEN("paint import cover", OwnPainting(dialog));
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 8u);
  dialog.FitBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.Options().fit, FitMode::Contain);
  EXPECT_GOLDEN("paint import contain", OwnPainting(dialog));
  dialog.ReductionBox()->setCurrentIndex(1);
  EXPECT_EQ(dialog.Options().reduction, ReductionKind::Classic);
  EXPECT_EQ(dialog.Imported().bitsPerPixel, 24u);
  EXPECT_FALSE(dialog.DitherBox()->isEnabled());
  EXPECT_GOLDEN("paint import contain classic", OwnPainting(dialog));
  dialog.ReductionBox()->setCurrentIndex(0);
  dialog.DitherBox()->setChecked(false);
  EXPECT_FALSE(dialog.Options().dither);
  EXPECT_TRUE(dialog.DitherBox()->isEnabled());
}

}  // namespace
}  // namespace vorlune
