#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "app/MainWindow.h"
#include "platform/ProgramFolder.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  Q_INIT_RESOURCE(kvpm);  // the icon, compiled into the Qt library
  QApplication::setApplicationName("KV Playlist Manager");
  QApplication::setDesktopFileName("kvpm");
  // Title bars and task bars show the icon small: decoding the 256-pixel one
  // at every start costs more than the rest of the start-up sequence.
  QApplication::setWindowIcon(QIcon(":/kvpm-64.png"));

  kvpm::MainWindow window;
  if (!window.Start(platform::ExecutableFolder())) return 0;
  // For timing the start-up (tools/window-timing.sh): end once the shown
  // window's first events are handled.
  if (qEnvironmentVariableIsSet("KVPM_QUIT_WHEN_SHOWN")) {
    QTimer::singleShot(0, &application, &QApplication::quit);
  }
  return QApplication::exec();
}
