#pragma once

#include <QWidget>

#include "layout/part_kind.h"

namespace vorlune {

// The current-kind indicator beside the command buttons: the pressed picture
// of the kind being placed or moved, grey while none is.
class KindIndicator : public QWidget {
  Q_OBJECT

 public:
  explicit KindIndicator(QWidget* parent = nullptr);

  void ShowKind(PartKind k);
  PartKind Kind() const { return kind_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PartKind kind_ = kNoKind;
};

}  // namespace vorlune
