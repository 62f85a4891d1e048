#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorlune::testing {

// Shows the widget and waits until it has been painted.
void ShowAndSettle(QWidget& widget);

// Lets queued events run, so that a missed immediate repaint still shows up.
void Settle();

// What the widget paints itself, without its controls (whose text depends on
// the fonts), as the bytes of a 32-bit picture.
std::vector<std::uint8_t> OwnPainting(QWidget& widget);

// The window's title, size and flags, then each control: class, name, text,
// place and whether it is the default button.
std::string LayoutText(const QWidget& window);

void ClickButton(QWidget& dialog, const char* text);

// Runs the dialog modally, does `act` once it is open, returns the answer.
template <class Dialog>
int AnswerModal(Dialog& dialog, std::function<void()> act) {
  QTimer::singleShot(0, &dialog, std::move(act));
  return dialog.DoModal();
}

}  // namespace vorlune::testing
