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
    if (m_shown) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_shown = true;
  }
  void Hide() {
    if (!m_shown) return;
    QApplication::restoreOverrideCursor();
    m_shown = false;
  }

 private:
  bool m_shown = false;
};

}  // namespace vorlune
