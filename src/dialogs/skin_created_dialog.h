#pragma once

#include <QDialog>

namespace vorlune {

// The notice after a skin was written ("Harmoniquest").
class SkinCreatedDialog : public QDialog {
  Q_OBJECT

 public:
  explicit SkinCreatedDialog(QWidget* parent = nullptr);
};

}  // namespace vorlune
