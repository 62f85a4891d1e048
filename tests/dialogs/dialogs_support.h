#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLayout>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/rgb_image.h"
#include "dialogs/palette_row.h"
#include "dialogs/picture_view.h"

namespace vorlune::testing {

// One application object for the whole test program.
struct QtApplication : ::testing::Environment {
  void SetUp() override { app = std::make_unique<QApplication>(argc, argv); }
  void TearDown() override { app.reset(); }
  int argc = 1;
  char* argv[2] = {const_cast<char*>("test_dialogs"), nullptr};
  std::unique_ptr<QApplication> app;
};
inline ::testing::Environment* const kQtApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

// Lets queued events run, so that a missed immediate repaint still shows up.
inline void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// Lays the dialog out as showing it would.
inline void LayOut(QWidget& dialog) {
  dialog.ensurePolished();
  dialog.layout()->activate();
}

// What the widget and its picture and palette rows paint, without the
// controls (whose text depends on the fonts), as the bytes of a 32-bit picture.
inline std::vector<std::uint8_t> OwnPainting(QWidget& widget) {
  LayOut(widget);
  QImage image(widget.size(), QImage::Format_RGB32);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
  QPainter painter(&image);
  for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (qobject_cast<PictureView*>(child) || qobject_cast<PaletteRow*>(child))
      child->render(&painter, child->pos(), QRegion(), {});
  }
  painter.end();
  return {image.constBits(), image.constBits() + image.sizeInBytes()};
}

// A control's name, else its text, else its accessible name.
inline QString ControlName(const QWidget& control) {
  const QString text = control.property("text").toString();
  return !control.objectName().isEmpty() ? control.objectName()
         : !text.isEmpty()               ? text
                                         : control.accessibleName();
}

// The window's title, size and flags; each control: class, name, text, place,
// whether it is the default button, its accessible name; then the Tab order.
inline std::string LayoutText(QWidget& window) {
  LayOut(window);
  QString text = QString::asprintf("%s %dx%d flags %x\n", qUtf8Printable(window.windowTitle()),
                                   window.width(), window.height(), window.windowFlags().toInt());
  for (const QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect r = control->geometry();
    text += QString::asprintf(
        "%s %s '%s%s' %d,%d %dx%d%s\n", control->metaObject()->className(),
        qUtf8Printable(control->objectName()), qUtf8Printable(control->property("text").toString()),
        control->property("default").toBool() ? " default" : "", r.x(), r.y(), r.width(), r.height(),
        control->accessibleName().isEmpty() ? "" : qUtf8Printable(" named " + control->accessibleName()));
  }
  // From the control that has the focus on opening, round the Tab chain.
  text += "tab:";
  QWidget* first = window.focusWidget() ? window.focusWidget() : window.nextInFocusChain();
  QWidget* w = first;
  do {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) text += " " + ControlName(*w);
    w = w->nextInFocusChain();
  } while (w != first);
  return text.toStdString() + "\n";
}

// 640 x 320, red left, blue right: in the import preview at half size, 80 rows down.
inline RgbImage Halves() {
  RgbImage image(640, 320, Rgb{255, 0, 0});
  for (int y = 0; y < 320; ++y)
    for (int x = 320; x < 640; ++x) image.set(x, y, Rgb{0, 0, 255});
  return image;
}

inline void ClickButton(QWidget& dialog, const char* text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == QString::fromUtf8(text)) return QTest::mouseClick(button, Qt::LeftButton);
  }
  ADD_FAILURE() << "no button " << text;
}

// Runs the dialog modally, does `act` once it is open, returns the answer.
template <class Dialog>
int AnswerModal(Dialog& dialog, std::function<void()> act) {
  QTimer::singleShot(0, &dialog, std::move(act));
  return dialog.exec();
}

}  // namespace vorlune::testing
