#include "gui/adapters/QtUserDialogs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QWindow>

#include "app/AboutTexts.h"
#include "gui/adapters/QtText.h"
#include "gui/dialogs/PrefixWindow.h"
#include "gui/dialogs/WaitWindow.h"
#include "platform/Paths.h"
#include "platform/ProgramFolder.h"

namespace kvpm {

namespace {

QMessageBox::StandardButtons ButtonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

int AnswerOf(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok:
      return AnswerOk;
    case QMessageBox::Yes:
      return AnswerYes;
    case QMessageBox::No:
      return AnswerNo;
    case QMessageBox::Retry:
      return AnswerRetry;
    default:
      return AnswerCancel;
  }
}

// The filter "Description (*.kvl) | *.kvl" in Qt's form "Description (*.kvl)".
QString QtFilter(const std::string& filter) {
  const QString text = ToQt(filter);
  const qsizetype bar = text.indexOf('|');
  if (bar < 0) return text.trimmed();
  const QString description = text.left(bar).trimmed();
  const QString pattern = text.mid(bar + 1).trimmed();
  return description.contains("(" + pattern + ")") ? description
                                                   : description + " (" + pattern + ")";
}

// An open dialog starts in the folder it is given, a save dialog only in one
// the user may write (the program's folder after a system-wide install is
// not); otherwise, and for "", the user's documents folder, or else home.
// Telling writes nothing into the folder.
QString StartFolder(const std::string& folder, bool save) {
  const QString native = folder.empty() ? QString() : ToQt(platform::ResolvePath(folder));
  if (save ? platform::FolderWritable(folder) : !native.isEmpty() && QDir(native).exists()) {
    return native;
  }
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

QtUserDialogs::QtUserDialogs(QWidget* parent, TrackMenu popupMenu)
    : parent_(parent), popupMenu_(std::move(popupMenu)) {}

QtUserDialogs::~QtUserDialogs() = default;

int QtUserDialogs::ShowMessage(const std::string& text, Buttons buttons) {
  QString shown = ToQt(text);
  shown.replace("\r\n", "\n");
  QMessageBox box(QMessageBox::NoIcon, ToQt(kProgramTitle), shown, ButtonsOf(buttons), parent_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) return buttons == Buttons::Ok ? AnswerOk : AnswerCancel;
  return AnswerOf(box.standardButton(clicked));
}

std::optional<std::string> QtUserDialogs::ChooseFile(const FileDialogSetup& setup, bool save) {
  QFileDialog dialog(parent_, ToQt(setup.title), StartFolder(setup.initialFolder, save));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setNameFilter(QtFilter(setup.filter));
  dialog.setDefaultSuffix(ToQt(setup.defaultExtension));
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // the program asks itself
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!setup.fileName.empty()) {
    // A save dialog on a file in a folder the user may not write stays in
    // its start folder and offers the file's name there.
    const QFileInfo file(ToQt(platform::ResolvePath(setup.fileName)));
    const bool inPlace = !save || platform::FolderWritable(FromQtPath(file.path()));
    dialog.selectFile(inPlace ? file.filePath() : file.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return FromQtPath(dialog.selectedFiles().constFirst());
}

std::optional<std::string> QtUserDialogs::ChooseFileToOpen(const FileDialogSetup& setup) {
  return ChooseFile(setup, false);
}

std::optional<std::string> QtUserDialogs::ChooseFileToSave(const FileDialogSetup& setup) {
  return ChooseFile(setup, true);
}

std::optional<int> QtUserDialogs::PopupTrackMenu(bool atPosition,
                                                 const std::array<bool, 3>& checks) {
  return popupMenu_(atPosition, checks);
}

void QtUserDialogs::ShowWaitWindow(const std::string& label) {
  if (waitWindow_ == nullptr) waitWindow_ = new WaitWindow(parent_);
  parent_->hide();
  waitWindow_->Start(ToQt(label));
  // A window system shows a new window when it gets round to it (Windows
  // after a round of its messages): the window is painted before the copy
  // holds the program up, or a second has passed.
  const QDeadlineTimer deadline(1000);
  do {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  } while (!waitWindow_->windowHandle()->isExposed() && !deadline.hasExpired());
}

void QtUserDialogs::ShowCopyProgress(std::uint64_t done, std::uint64_t total) {
  if (waitWindow_ == nullptr) return;
  waitWindow_->SetProgress(done, total);
  // Keep the window painted; the user's input waits until the copy is over.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUserDialogs::HideWaitWindow() {
  if (waitWindow_ != nullptr) waitWindow_->hide();
  parent_->show();
}

std::optional<PrefixAnswer> QtUserDialogs::ChoosePrefix(const std::vector<PrefixOffer>& offers) {
  PrefixWindow window(parent_, offers);
  window.exec();
  return window.Answer();
}

}  // namespace kvpm
