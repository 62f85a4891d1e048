#include "dialogs_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPixmap>
#include <QTest>

namespace vorlune::testing {

namespace {

// One application object for the whole test program.
class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_dialogs";
    static char* argv[] = {name, nullptr};
    app_ = new QApplication(argc, argv);
  }
  void TearDown() override { delete app_; }

 private:
  QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

void ShowAndSettle(QWidget& widget) {
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  Settle();
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

QImage Shot(QWidget& widget) {
  return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor ToColor(Rgb c) {
  return QColor(c.r, c.g, c.b);
}

void TypeText(QWidget* widget, const QString& text) {
  for (char32_t codePoint : text.toUcs4()) {
    const QString character = QString::fromUcs4(&codePoint, 1);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &release);
  }
}

PaintRecorder::PaintRecorder(QWidget& widget) : QObject(&widget) {
  widget.installEventFilter(this);
}

bool PaintRecorder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint) rects_.push_back(static_cast<QPaintEvent*>(event)->rect());
  return QObject::eventFilter(watched, event);
}

}  // namespace vorlune::testing
