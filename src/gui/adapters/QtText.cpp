#include "gui/adapters/QtText.h"

#include <QDir>
#include <QFile>

#include "model/Playlist.h"
#include "util/DisplayText.h"

namespace kvpm {

QString ToQt(const std::string& bytes) { return QString::fromStdString(DisplayUtf8(bytes)); }

// Windows: UTF-8, which the Win32 backend hands to the system's wide
// functions; the ANSI code page would spell only some names.
std::string FromQtPath(const QString& path) {
  const QString native = QDir::toNativeSeparators(path);
#ifdef _WIN32
  return native.toStdString();
#else
  return QFile::encodeName(native).toStdString();
#endif
}

Qt::CheckState ToQtCheck(int value) {
  switch (value) {
    case Ticked:
      return Qt::Checked;
    case Partial:
      return Qt::PartiallyChecked;
    default:
      return Qt::Unchecked;
  }
}

int FromQtCheck(Qt::CheckState state) {
  switch (state) {
    case Qt::Checked:
      return Ticked;
    case Qt::PartiallyChecked:
      return Partial;
    default:
      return Unticked;
  }
}

}  // namespace kvpm
