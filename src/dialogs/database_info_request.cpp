#include "dialogs/database_info_request.h"

namespace vorlune {

namespace {

template <std::size_t N>
std::string_view Text(const std::array<char, N>& field) {
  return std::string_view(field.data(), N);
}

const char* FirstMissingText(const SkinLayout& layout) {
  if (layout.databaseName[0] == '\0') return kEmptyTitleMessage;
  if (layout.databaseAuthor[0] == '\0') return kEmptyAuthorMessage;
  if (layout.databaseVersion[0] == '\0') return kEmptyVersionMessage;
  return nullptr;
}

}  // namespace

bool RequestDatabaseInfo(SkinLayout& layout, UserPrompts& prompts, QWidget* parent,
                         const InfoDialogRunner& run) {
  DatabaseInfoDialog dialog(&prompts, parent);
  dialog.SetInfoTexts(Text(layout.databaseName), Text(layout.databaseAuthor), Text(layout.databaseVersion));
  for (;;) {
    const int answer = run ? run(dialog) : dialog.exec();
    if (answer != QDialog::Accepted) return false;
    dialog.GetInfoTexts(layout.databaseName, layout.databaseAuthor, layout.databaseVersion);
    const char* missing = FirstMissingText(layout);
    if (!missing) return true;
    prompts.ShowMessage(parent, {missing, MessageIcon::Information});
  }
}

}  // namespace vorlune
