#include "problems_panel.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "checks/skin_checks.h"
#include "finding_texts.h"
#include "problem_counter.h"

namespace vorlune {

namespace {

// Room for a few rows below the canvas; a tree's own hint is far taller.
class ProblemsList : public QTreeWidget {
 public:
  using QTreeWidget::QTreeWidget;
  QSize sizeHint() const override {
    constexpr int kRows = 5;
    return {QTreeWidget::sizeHint().width(),
            header()->sizeHint().height() + kRows * (fontMetrics().height() + 4) + 2 * frameWidth()};
  }
};

}  // namespace

ProblemsPanel::ProblemsPanel(SkinDocument& document, QWidget* parent)
    : QDockWidget(tr("問題"), parent), document_(document) {
  setObjectName(QStringLiteral("problemsPanel"));
  setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
  list_ = new ProblemsList(this);
  list_->setObjectName(QStringLiteral("problemsList"));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels({tr("部品"), tr("内容")});
  list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  list_->header()->setStretchLastSection(true);
  setWidget(list_);
  counter_ = new ProblemCounter(this);
  counter_->hide();

  refresh_.setSingleShot(true);
  refresh_.setInterval(kRefreshDelayMs);
  connect(&refresh_, &QTimer::timeout, this, &ProblemsPanel::Refresh);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    const SkinArea& area = findings_.at(static_cast<std::size_t>(list_->indexOfTopLevelItem(item))).area;
    if (!area.empty()) emit flashRequested(QRect(area.x, area.y, area.width, area.height));
  });
  subscription_ = document_.Subscribe([this](const DocumentChange& change) { ShowChange(change); });
  Refresh();
}

ProblemsPanel::~ProblemsPanel() {
  document_.Unsubscribe(subscription_);
}

void ProblemsPanel::ShowChange(const DocumentChange& change) {
  using C = DocumentChange;
  // Not restarted by each change: a steady stream of them (a part dragged
  // across the canvas) must not hold the check back.
  if ((change.Has(C::Placed) || change.Has(C::Background) || change.Has(C::History)) && !refresh_.isActive())
    refresh_.start();
}

void ProblemsPanel::Refresh() {
  refresh_.stop();
  if (document_.Placement().movingFlag != 0) return;
  findings_ = CheckSkin(document_.Layout());
  list_->clear();
  const QIcon error = style()->standardIcon(QStyle::SP_MessageBoxCritical);
  const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
  for (const Finding& finding : findings_) {
    auto* item = new QTreeWidgetItem(list_, {FindingPartText(finding), FindingText(finding)});
    const bool isError = finding.severity == Severity::Error;
    item->setIcon(0, isError ? error : warning);
    item->setToolTip(0, SeverityText(finding.severity));
    item->setToolTip(1, item->text(1));
  }
  const auto errors = std::ranges::count(findings_, Severity::Error, &Finding::severity);
  counter_->Show(static_cast<int>(errors),
                 static_cast<int>(findings_.size() - static_cast<std::size_t>(errors)));
}

}  // namespace vorlune
