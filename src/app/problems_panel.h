#pragma once

#include <QDockWidget>
#include <QTimer>
#include <vector>

#include "checks/skin_finding.h"
#include "document/skin_document.h"

class QTreeWidget;

namespace vorlune {

class ProblemCounter;

// The dock "問題" / "Problems": the findings of CheckSkin on the document's
// layout, one row each with the severity icon, the part and the message,
// and their count in a counter for the status bar. It checks again shortly
// after every change (undo included), once for a burst of changes; while a
// part is lifted for a move it keeps what it showed. Activating a row (a
// double-click, Enter) asks for the finding's area to be flashed.
class ProblemsPanel : public QDockWidget {
  Q_OBJECT

 public:
  // The delay that gathers a burst of changes into one check.
  static constexpr int kRefreshDelayMs = 30;

  explicit ProblemsPanel(SkinDocument& document, QWidget* parent = nullptr);
  ~ProblemsPanel() override;

  const std::vector<Finding>& Findings() const { return findings_; }
  QTreeWidget* List() const { return list_; }
  // Owned by the panel until the status bar takes it.
  ProblemCounter* Counter() const { return counter_; }
  // Checks the layout now.
  void Refresh();

 signals:
  // The skin area of an activated finding, in canvas pixels.
  void flashRequested(const QRect& skinArea);

 private:
  void ShowChange(const DocumentChange& change);

  SkinDocument& document_;
  int subscription_ = 0;
  QTimer refresh_;
  QTreeWidget* list_ = nullptr;
  ProblemCounter* counter_ = nullptr;
  std::vector<Finding> findings_;
};

}  // namespace vorlune
