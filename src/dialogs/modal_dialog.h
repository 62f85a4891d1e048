#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>

namespace vorlune {

// The texts of the dialogs are Japanese, marked in their tables with
// QT_TRANSLATE_NOOP("Dialogs", ...); the helpers below show their translation.
QString DialogText(const char* text);

// Sets up a dialog's window: title, client size in dialog units, the
// dialog font, and a close box where asked for.
void SetUpDialogWindow(QDialog& dialog, const char* title, int widthUnits, int heightUnits, bool closeBox);

// A label at a rectangle in dialog units. A text wider than its
// rectangle in this font is given the room it needs instead of being clipped.
QLabel* AddLabel(QWidget* parent, const char* text, QRect units,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

// A push button at a rectangle in dialog units that ends the dialog with
// `result` (accepted or rejected); the default one answers Enter.
QPushButton* AddPushButton(QDialog* parent, const char* text, QRect units, QDialog::DialogCode result,
                           bool isDefault);

}  // namespace vorlune
