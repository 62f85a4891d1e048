#pragma once

#include <QDialog>

namespace vorlune {

// The about box: icon 128, the version and an OK button.
class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace vorlune
