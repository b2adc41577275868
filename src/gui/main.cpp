#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>

#include "app/AboutTexts.h"
#include "app/CommandLine.h"
#include "gui/adapters/QtText.h"
#include "gui/mainwindow/MainWindow.h"
#include "platform/ProgramFolder.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdlib>

// A windowed program has no console; run from one with an option, it
// writes its messages and results to that console, in UTF-8 as the program
// carries them (a path may be in any script). The console gets its own code
// page back when the program ends.
static void AttachParentConsole() {
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
  static const UINT consoleCodePage = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  std::atexit([] { SetConsoleOutputCP(consoleCodePage); });
}

// argv is in the system's ANSI code page, which cannot spell every file
// name; the wide command line holds them all.
static QStringList Arguments(int, char*[]) {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  QStringList arguments;
  for (int i = 0; i < count; ++i) arguments << QString::fromWCharArray(words[i]);
  LocalFree(words);
  return arguments;
}
#else
static QStringList Arguments(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}
#endif

namespace {

struct Options {
  Options() {
    parser.setApplicationDescription(
        "Chooses the music that Korvale plays. Without options it opens its window.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({activate, deactivate, prefix});
  }

  // "" when the arguments are fine.
  QString UsageError(const QStringList& arguments) {
    if (!parser.parse(arguments)) return parser.errorText();
    if (!parser.positionalArguments().isEmpty()) {
      return "Unexpected argument: " + parser.positionalArguments().constFirst();
    }
    if (parser.isSet(activate) && parser.isSet(deactivate)) {
      return "--activate and --deactivate cannot be given together.";
    }
    return {};
  }

  // Qt's own options for the window (-style, -platform) are spelled with one
  // dash; they are left to the window's program to take out.
  bool OnlyQtOptionsUnknown(const QStringList& arguments) const {
    const QStringList unknown = parser.unknownOptionNames();
    for (const QString& name : unknown) {
      for (const QString& argument : arguments) {
        if (argument == "--" + name || argument.startsWith("--" + name + "=")) return false;
      }
    }
    return !unknown.isEmpty();
  }

  bool NeedsNoWindow() const {
    return parser.isSet(activate) || parser.isSet(deactivate) || parser.isSet(help) ||
           parser.isSet(version);
  }

  std::string Path(const QCommandLineOption& option) const {
    if (!parser.isSet(option)) return {};
    return kvpm::FromQtPath(QFileInfo(parser.value(option)).absoluteFilePath());
  }

  QCommandLineParser parser;
  QCommandLineOption help = parser.addHelpOption();
  QCommandLineOption version = parser.addVersionOption();
  QCommandLineOption activate{"activate",
                              "Activates the playlist file FILE, as File > Activate Custom "
                              "Playlist does, without a window.",
                              "FILE"};
  QCommandLineOption deactivate{"deactivate",
                                "Deactivates the custom playlist, as File > Deactivate Custom "
                                "Playlist does, without a window."};
  QCommandLineOption prefix{"prefix", "Finds the game in the Wine prefix DIR.", "DIR"};
};

int UsageFailure(Options& options, const QString& error) {
  std::fprintf(stderr, "%s\n\n%s", qUtf8Printable(error),
               qUtf8Printable(options.parser.helpText()));
  return kvpm::kExitUsage;
}

// The options that need no window: no display is needed for them.
int RunWithoutWindow(Options& options) {
  if (options.parser.isSet(options.help)) {
    std::fputs(qUtf8Printable(options.parser.helpText()), stdout);
    return kvpm::kExitDone;
  }
  if (options.parser.isSet(options.version)) {
    std::printf("%s %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                qUtf8Printable(QCoreApplication::applicationVersion()));
    return kvpm::kExitDone;
  }
  const std::string programFolder = platform::ExecutableFolder();
  const std::string prefix = options.Path(options.prefix);
  if (options.parser.isSet(options.deactivate)) {
    return kvpm::DeactivateFromCommandLine(programFolder, prefix);
  }
  return kvpm::ActivateFromCommandLine(programFolder, prefix, options.Path(options.activate));
}

}  // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
  if (argc > 1) AttachParentConsole();
#endif
  QCoreApplication::setApplicationName("KV Playlist Manager");
  const std::string versionLine =
      kvpm::VersionLine(kvpm::kVersionMajor, kvpm::kVersionMinor, kvpm::kVersionRevision);
  QCoreApplication::setApplicationVersion(
      QString::fromStdString(versionLine.substr(versionLine.find(' ') + 1)));
  Options options;
  const QStringList arguments = Arguments(argc, argv);
  QString error = options.UsageError(arguments);
  const bool qtOptions = !error.isEmpty() && options.OnlyQtOptionsUnknown(arguments);
  if (!qtOptions && (!error.isEmpty() || options.NeedsNoWindow())) {
    QCoreApplication application(argc, argv);  // no display is needed
    return error.isEmpty() ? RunWithoutWindow(options) : UsageFailure(options, error);
  }

  QApplication application(argc, argv);  // takes Qt's own options out
  if (qtOptions) {
    error = options.UsageError(QApplication::arguments());
    if (!error.isEmpty()) return UsageFailure(options, error);
    if (options.NeedsNoWindow()) return RunWithoutWindow(options);
  }
  Q_INIT_RESOURCE(kvpm);  // the icon, compiled into the Qt library
  QApplication::setDesktopFileName("kvpm");
  // Title bars and task bars show the icon small: decoding the 256-pixel one
  // at every start costs more than the rest of the start-up sequence.
  QApplication::setWindowIcon(QIcon(":/kvpm-64.png"));

  kvpm::MainWindow window;
  if (!window.Start(platform::ExecutableFolder(), options.Path(options.prefix))) return 0;
  // For timing the start-up (tools/window-timing.sh): end once the shown
  // window's first events are handled.
  if (qEnvironmentVariableIsSet("KVPM_QUIT_WHEN_SHOWN")) {
    QTimer::singleShot(0, &application, &QApplication::quit);
  }
  return QApplication::exec();
}
