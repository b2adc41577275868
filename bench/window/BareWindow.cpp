// The least a Qt Widgets program does to show a window: make the
// application, show and paint one main window with the program's title,
// and, under KVPM_QUIT_WHEN_SHOWN, end as soon as it is shown, exactly as
// the program does.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle("KV Playlist Manager");
  window.show();
  window.repaint();
  if (qEnvironmentVariableIsSet("KVPM_QUIT_WHEN_SHOWN")) {
    QTimer::singleShot(0, &application, &QApplication::quit);
  }
  return QApplication::exec();
}
