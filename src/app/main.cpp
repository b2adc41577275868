#include <QApplication>
#include <QIcon>

#include "app/MainWindow.h"
#include "platform/ProgramFolder.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  Q_INIT_RESOURCE(kvpm);  // the icon, compiled into the Qt library
  QApplication::setApplicationName("KV Playlist Manager");
  QApplication::setDesktopFileName("kvpm");
  QApplication::setWindowIcon(QIcon(":/kvpm.png"));

  kvpm::MainWindow window;
  if (!window.Start(platform::ExecutableFolder())) return 0;
  return QApplication::exec();
}
