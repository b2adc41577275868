#include "gui/adapters/QtText.h"

#include <QFile>

#include "model/Playlist.h"
#include "util/DisplayText.h"

namespace kvpm {

QString ToQt(const std::string& bytes) { return QString::fromStdString(DisplayUtf8(bytes)); }

std::string FromQtPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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
