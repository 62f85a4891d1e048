#include <gtest/gtest.h>

#include <QDir>
#include <cstdlib>
#include <functional>
#include <memory>

#include "core/cp932.h"
#include "dialogs/button_setting_dialog.h"
#include "dialogs/color_setting_dialogs.h"
#include "dialogs/created_dialog.h"
#include "dialogs/database_info_dialog.h"
#include "dialogs/image_preview_dialog.h"
#include "dialogs_support.h"

namespace vorlune {
namespace {

// Saves a picture of every dialog for a person to look at. Runs only when
// VORLUNE_SCREENSHOT_DIR names a folder (under a real X server for real fonts).
TEST(DialogScreenshots, SaveEveryDialog) {
  const char* folder = std::getenv("VORLUNE_SCREENSHOT_DIR");
  if (!folder) GTEST_SKIP() << "VORLUNE_SCREENSHOT_DIR not set";
  QDir().mkpath(QString::fromLocal8Bit(folder));
  const auto save = [folder](QWidget& dialog, const char* name) {
    testing::ShowAndSettle(dialog);
    EXPECT_TRUE(dialog.grab().save(QDir(QString::fromLocal8Bit(folder)).filePath(QString::fromUtf8(name))));
    dialog.hide();
  };

  CButtonSettingDlg button;
  button.SetColors(1, 14, 9, -1);
  save(button, "136_button_setting.png");
  CColorSettingDlg two;
  two.SetColors(13, 6, 14, -1);
  save(two, "166_color_setting.png");
  CColor3SettingDlg three;
  three.SetColors(17, 6, -1, 9);
  save(three, "167_color3_setting.png");
  CTextColorDlg text;
  text.SetColors(21, 14, -1, -1);
  save(text, "168_text_color.png");

  SkinLayout layout = NewSkinLayout();
  layout.part(1).x = 20;
  layout.part(1).y = 250;
  layout.part(1).colors = {14, 9, -1};
  layout.part(13).x = 10;
  layout.part(13).y = 10;
  layout.part(13).colors = {6, 14, -1};
  CImagePreviewDlg preview;
  preview.SetPreviewLayout(layout);
  save(preview, "169_image_preview.png");
  testing::RecordingPrompts prompts;
  CDatabaseInfoDlg info(&prompts);
  info.SetInfoTexts(Utf8ToCp932("夜空スキン Aurora").value_or("Aurora"), Utf8ToCp932("ミカ").value_or("Mika"),
                    "100");
  save(info, "170_database_info.png");
  CCreatedDlg created;
  save(created, "171_created.png");
}

}  // namespace
}  // namespace vorlune
