#pragma once

#include <QDialog>
#include <QPushButton>
#include <QString>

namespace vorlune {

// The texts of the dialogs are Japanese, marked in their tables with
// QT_TRANSLATE_NOOP("Dialogs", ...); this gives their translation.
QString DialogText(const char* text);

// The width of the dialogs' push buttons at the default font; a longer text
// or a larger font widens them.
inline constexpr int kButtonWidth = 87;

// A dialog's window: title, the dialog font, a close box where asked for. Its
// layout then fixes its size to what the contents need.
void SetUpDialogWindow(QDialog& dialog, const QString& title, bool closeBox);

// A push button that ends the dialog with `result`; the default one answers
// Enter when no other button has the focus.
QPushButton* NewDialogButton(QDialog& dialog, const QString& text, QDialog::DialogCode result,
                             bool isDefault);

}  // namespace vorlune
