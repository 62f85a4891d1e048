#include <QApplication>
#include <QLabel>

// Stand-in until the editor window is built.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("Vorlune");
  label.show();
  return app.exec();
}
