#pragma once

#include <QDialog>

namespace vorlune {

// The notice after a skin was written (template 171, "Harmoniquest").
class CCreatedDlg : public QDialog {
 public:
  explicit CCreatedDlg(QWidget* parent = nullptr);
  int DoModal();
};

}  // namespace vorlune
