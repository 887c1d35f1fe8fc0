#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Klandor");
  QGuiApplication::setDesktopFileName("org.klandor.Klandor");
  QMainWindow window;
  window.setWindowTitle("Klandor");
  window.show();
  return QApplication::exec();
}
