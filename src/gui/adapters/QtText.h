#pragma once
// Between the program's values and Qt's: byte strings and check states.

#include <QString>
#include <Qt>
#include <string>

namespace kvpm {

// For display: UTF-8 when valid, otherwise Windows-1252.
QString ToQt(const std::string& bytes);

// A path chosen in a Qt dialog, with the system's separators, as the file
// system's bytes (on Windows as UTF-8).
std::string FromQtPath(const QString& path);

// A check-box value of the program (0 unticked, 1 ticked, 2 partial) and Qt's.
Qt::CheckState ToQtCheck(int value);
int FromQtCheck(Qt::CheckState state);

}  // namespace kvpm
