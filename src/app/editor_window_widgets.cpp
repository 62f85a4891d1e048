// The controls of the editor window, their layout and their Tab order.
#include <QAction>
#include <QBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>

#include "canvas_view.h"
#include "dialogs/dialog_font.h"
#include "editor_actions.h"
#include "editor_window.h"
#include "kind_indicator.h"
#include "part_palette.h"
#include "problem_counter.h"
#include "problems_panel.h"

namespace vorlune {

namespace {

// Pixel measures of the window at its default size: the canvas frame 15
// pixels in, the palette's first row 7 pixels lower, the command row below.
constexpr QSize kCommandButtonSize(61, 22);
constexpr QSize kPlacementLineSize(201, 21);

QPushButton* CommandButton(const char* text, const char* name, QAction* action, QWidget* parent) {
  auto* button = new QPushButton(EditorWindow::tr(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  // The buttons keep their size of old unless a text needs more room; the
  // style's own minimum width would make them wider than they ever were.
  const int textWidth = button->fontMetrics().horizontalAdvance(button->text()) +
                        2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
  button->setFixedSize(kCommandButtonSize.expandedTo({textWidth, button->sizeHint().height()}));
  button->setToolTip(action->shortcut().toString(QKeySequence::NativeText));
  return button;
}

// A column that puts `widget` this far below the top of the command row.
QBoxLayout* Lowered(QWidget* widget, int top) {
  auto* column = new QVBoxLayout;
  column->addSpacing(top);
  column->addWidget(widget);
  column->addStretch();
  return column;
}

}  // namespace

void EditorWindow::CreateWidgets() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("editor"));
  central->setFont(DialogFont());
  central->setMouseTracking(true);
  setCentralWidget(central);

  canvas_ = new CanvasView(document_, central);
  palette_ = new PartPalette(central);
  palette_->setContentsMargins(0, 7, 0, 0);
  auto* top = new QHBoxLayout;
  top->setSpacing(5);
  top->setContentsMargins(0, 0, 5, 0);
  top->addWidget(canvas_, 1);
  top->addWidget(palette_, 0, Qt::AlignTop);

  auto* root = new QVBoxLayout(central);
  root->setContentsMargins(15, 15, 18, 14);
  root->setSpacing(7);
  root->addLayout(top, 1);
  root->addWidget(CreateCommandRow());

  // The commands first, where work begins, then the part kinds in their grid order.
  QWidget* previous = imageButton_;
  for (QWidget* next : {static_cast<QWidget*>(saveButton_), static_cast<QWidget*>(loadButton_),
                        static_cast<QWidget*>(createButton_)}) {
    setTabOrder(previous, next);
    previous = next;
  }
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    setTabOrder(previous, palette_->Button(k));
    previous = palette_->Button(k);
  }
  imageButton_->setFocus();
  resize(sizeHint());
}

QWidget* EditorWindow::CreateCommandRow() {
  auto* row = new QWidget(centralWidget());
  imageButton_ =
      CommandButton(QT_TR_NOOP("画　像"), "imageButton", actions_->Action(EditorActions::Image), row);
  saveButton_ = CommandButton(QT_TR_NOOP("保　存"), "saveButton", actions_->Action(EditorActions::Save), row);
  loadButton_ =
      CommandButton(QT_TR_NOOP("読み込み"), "loadButton", actions_->Action(EditorActions::Load), row);
  createButton_ =
      CommandButton(QT_TR_NOOP("作　成"), "createButton", actions_->Action(EditorActions::Create), row);
  indicator_ = new KindIndicator(row);
  placementLine_ = new QLineEdit(row);
  placementLine_->setObjectName(QStringLiteral("placementLine"));
  placementLine_->setReadOnly(true);
  // A status line: with the focus its line-editing keys would take Ctrl+E
  // and the other shortcuts before the window sees them.
  placementLine_->setFocusPolicy(Qt::NoFocus);
  // Its size of old, taller only for a larger font.
  placementLine_->setMinimumWidth(kPlacementLineSize.width());
  placementLine_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  placementLine_->setFixedHeight(
      std::max(kPlacementLineSize.height(), placementLine_->fontMetrics().height() + 6));

  auto* saveAndLoad = new QVBoxLayout;
  saveAndLoad->setSpacing(8);
  saveAndLoad->addWidget(saveButton_);
  saveAndLoad->addWidget(loadButton_);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(20, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(imageButton_, 0, Qt::AlignVCenter);
  layout->addSpacing(17);
  layout->addLayout(saveAndLoad);
  layout->addSpacing(18);
  layout->addWidget(createButton_, 0, Qt::AlignVCenter);
  layout->addSpacing(27);
  layout->addLayout(Lowered(indicator_, 14));
  layout->addSpacing(10);
  layout->addLayout(Lowered(placementLine_, 23), 1);
  return row;
}

void EditorWindow::ConnectCommands() {
  // Every command ends the last one's hint; connected first, so that the
  // command itself may leave a new one.
  const auto endsHint = [this](auto* sender, auto signal) {
    connect(sender, signal, this, [this] {
      if (commandHint_.isEmpty()) return;
      commandHint_.clear();
      ShowPlacementLine();
    });
  };
  for (QPushButton* button : {imageButton_, saveButton_, loadButton_, createButton_})
    endsHint(button, &QPushButton::clicked);
  for (int c = 0; c < EditorActions::kCommands; ++c)
    endsHint(actions_->Action(EditorActions::Command(c)), &QAction::triggered);
  endsHint(actions_->PlayerAction(), &QAction::triggered);
  endsHint(palette_, &PartPalette::partPressed);
  connect(imageButton_, &QPushButton::clicked, this, &EditorWindow::ImportBackground);
  connect(saveButton_, &QPushButton::clicked, this, &EditorWindow::SaveProject);
  connect(loadButton_, &QPushButton::clicked, this, &EditorWindow::LoadProject);
  connect(createButton_, &QPushButton::clicked, this, &EditorWindow::CreateSkin);
  const auto on = [this](EditorActions::Command command, auto slot) {
    connect(actions_->Action(command), &QAction::triggered, this, slot);
  };
  on(EditorActions::Image, [this] { ImportBackground(); });
  on(EditorActions::ImageWithOptions, [this] { ImportBackgroundWithOptions(); });
  on(EditorActions::Load, [this] { LoadProject(); });
  on(EditorActions::Save, [this] { SaveProject(); });
  on(EditorActions::Create, [this] { CreateSkin(); });
  on(EditorActions::ApplyLayout, [this] { ApplyLayoutToPictures(); });
  on(EditorActions::Quit, [this] { close(); });
  on(EditorActions::Undo, [this] { document_.Undo(); });
  on(EditorActions::Redo, [this] { document_.Redo(); });
  on(EditorActions::About, [this] { ShowAbout(); });
  connect(actions_, &EditorActions::recentProjectChosen, this, [this](const QString& path) {
    if (MaySetAsideChanges()) LoadProjectFrom(path);
  });
  connect(actions_, &EditorActions::languageChosen, this, &EditorWindow::ChooseLanguage);
  connect(palette_, &PartPalette::partPressed, this,
          [this](PartKind k) { AnswerPlacement(document_.PressPartButton(k)); });
  connect(canvas_, &CanvasView::replied, this, &EditorWindow::AnswerPlacement);
  connect(actions_->PlayerAction(), &QAction::triggered, this, &EditorWindow::ShowPlayer);
}

void EditorWindow::CreateProblemsPanel() {
  problems_ = new ProblemsPanel(document_, this);
  problems_->setFont(DialogFont());
  addDockWidget(Qt::BottomDockWidgetArea, problems_);
  setTabOrder(palette_->Button(kLastKind), problems_->List());
  QAction* toggle = problems_->toggleViewAction();
  toggle->setObjectName(QStringLiteral("problemsAction"));
  actions_->ViewMenu()->addAction(toggle);
  statusBar()->addPermanentWidget(problems_->Counter());
  problems_->Counter()->show();
  connect(problems_, &ProblemsPanel::flashRequested, canvas_, &CanvasView::FlashArea);
  resize(sizeHint());
}

}  // namespace vorlune
