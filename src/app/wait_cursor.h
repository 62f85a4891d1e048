#pragma once

#include <QApplication>

namespace vorlune {

// The wait cursor of a long operation. Hide it before a message box, so the
// user answers with the arrow; it goes for good when the operation ends.
class WaitCursor {
 public:
  WaitCursor() { Show(); }
  ~WaitCursor() { Hide(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

  void Show() {
    if (shown_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    shown_ = true;
  }
  void Hide() {
    if (!shown_) return;
    QApplication::restoreOverrideCursor();
    shown_ = false;
  }

 private:
  bool shown_ = false;
};

}  // namespace vorlune
