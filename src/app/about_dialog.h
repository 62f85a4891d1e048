#pragma once

#include <QDialog>

namespace vorlune {

// The about box: the application icon, the version and an OK button.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace vorlune
