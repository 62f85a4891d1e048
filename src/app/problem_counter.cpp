#include "problem_counter.h"

#include <QBoxLayout>
#include <QLabel>
#include <QStyle>

namespace vorlune {

namespace {

QLabel* IconLabel(QStyle::StandardPixmap icon, QWidget* parent) {
  auto* label = new QLabel(parent);
  const int size = parent->style()->pixelMetric(QStyle::PM_SmallIconSize);
  label->setPixmap(parent->style()->standardIcon(icon).pixmap(size, size));
  return label;
}

}  // namespace

ProblemCounter::ProblemCounter(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("problemCounter"));
  errors_ = new QLabel(this);
  warnings_ = new QLabel(this);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  layout->addWidget(IconLabel(QStyle::SP_MessageBoxCritical, this));
  layout->addWidget(errors_);
  layout->addSpacing(8);
  layout->addWidget(IconLabel(QStyle::SP_MessageBoxWarning, this));
  layout->addWidget(warnings_);
  Show(0, 0);
}

void ProblemCounter::Show(int errors, int warnings) {
  errors_->setText(tr("エラー %n", nullptr, errors));
  warnings_->setText(tr("警告 %n", nullptr, warnings));
}

QString ProblemCounter::Text() const {
  return errors_->text() + QStringLiteral("  ") + warnings_->text();
}

}  // namespace vorlune
