#pragma once

#include <QWidget>
#include <functional>

#include "dialogs/database_info_dialog.h"
#include "dialogs/user_prompts.h"
#include "layout/skin_layout.h"

namespace vorlune {

inline constexpr const char* kEmptyTitleMessage = "データベースタイトルを入力してください。";
inline constexpr const char* kEmptyAuthorMessage = "データベース作者名を入力してください。";
inline constexpr const char* kEmptyVersionMessage = "データベースバージョンを入力してください。";

// Runs the dialog modally (QDialog::exec); tests put their own answers in its place.
using InfoDialogRunner = std::function<int(DatabaseInfoDialog&)>;

// Asks for the database name, author and version of Create. Every OK stores
// the texts in the layout, also when one is empty; an empty text is named in a
// message and the dialog opens again with what was typed. False on Cancel.
bool RequestDatabaseInfo(SkinLayout& layout, UserPrompts& prompts, QWidget* parent = nullptr,
                         const InfoDialogRunner& run = {});

}  // namespace vorlune
