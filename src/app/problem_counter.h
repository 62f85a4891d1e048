#pragma once

#include <QWidget>

class QLabel;

namespace vorlune {

// The status bar's count of the problems panel's errors and warnings, each
// beside its icon: "エラー 2  警告 3" / "2 errors  3 warnings".
class ProblemCounter : public QWidget {
  Q_OBJECT

 public:
  explicit ProblemCounter(QWidget* parent = nullptr);

  void Show(int errors, int warnings);
  // The two counts as they read.
  QString Text() const;

 private:
  QLabel* errors_ = nullptr;
  QLabel* warnings_ = nullptr;
};

}  // namespace vorlune
