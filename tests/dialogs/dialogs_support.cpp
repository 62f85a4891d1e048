#include "dialogs_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

QString ControlText(const QWidget& control) {
  if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(&control)) return edit->text();
  if (auto* button = qobject_cast<const QPushButton*>(&control))
    return button->text() + (button->isDefault() ? QStringLiteral(" default") : QString());
  if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  return {};
}

}  // namespace

void ShowAndSettle(QWidget& widget) {
  widget.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
  Settle();
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

std::vector<std::uint8_t> OwnPainting(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  return {image.constBits(), image.constBits() + image.sizeInBytes()};
}

std::string LayoutText(const QWidget& window) {
  QString text = QString::asprintf("%s %dx%d flags %x\n", qUtf8Printable(window.windowTitle()),
                                   window.width(), window.height(), window.windowFlags().toInt());
  for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect r = control->geometry();
    text += QString::asprintf("%s %s '%s' %d,%d %dx%d\n", control->metaObject()->className(),
                              qUtf8Printable(control->objectName()), qUtf8Printable(ControlText(*control)),
                              r.x(), r.y(), r.width(), r.height());
  }
  return text.toStdString();
}

void ClickButton(QWidget& dialog, const char* text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == QString::fromUtf8(text)) return QTest::mouseClick(button, Qt::LeftButton);
  }
  ADD_FAILURE() << "no button " << text;
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

}  // namespace vorlune::testing
