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

// What a modal run ends with: OK (also the Enter key) or Cancel (also Escape).
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Runs the dialog modally and answers kIdOk or kIdCancel.
int RunModal(QDialog& dialog);

// Sets up a template's window: caption, client size in dialog units, the
// dialog font, and a close box only where the template has a system menu.
void SetUpTemplateWindow(QDialog& dialog, const char* title, int widthUnits, int heightUnits,
                         bool systemMenu);

// A static text at a rectangle in dialog units. A text wider than its
// rectangle in this font is given the room it needs instead of being clipped.
QLabel* AddStaticText(QWidget* parent, const char* text, QRect units,
                      Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

// A push button at a rectangle in dialog units that ends the dialog with id
// (kIdOk or kIdCancel); the default one answers Enter.
QPushButton* AddPushButton(QDialog* parent, const char* text, QRect units, int id, bool isDefault);

}  // namespace vorlune
