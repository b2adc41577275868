#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "app/AboutTexts.h"
#include "app/CommandLine.h"
#include "app/PrefixListing.h"
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

// Qt's own options for the window, which QApplication takes out of the
// arguments, and the name of the value that follows each ("" for none; a
// name ending in "=" holds its value). They go to the window only.
struct WindowOption {
  const char* name;
  const char* value;

  bool ValueFollows() const { return *value != '\0' && !QString(name).endsWith('='); }
};
constexpr WindowOption kWindowOptions[] = {
    {"platform", "NAME"},         {"platformpluginpath", "DIR"}, {"platformtheme", "NAME"},
    {"plugin", "NAME"},           {"display", "DISPLAY"},        {"name", "NAME"},
    {"session", "ID"},            {"style", "STYLE"},            {"style=", "STYLE"},
    {"stylesheet", "FILE"},       {"stylesheet=", "FILE"},       {"qwindowgeometry", "GEOMETRY"},
    {"geometry", "GEOMETRY"},     {"qwindowtitle", "TITLE"},     {"title", "TITLE"},
    {"qwindowicon", "FILE"},      {"icon", "FILE"},              {"reverse", ""},
    {"widgetcount", ""}};

// The name an argument gives with one dash or two, as Qt and the parser read
// it; "" for an argument that is no option.
QString OptionName(const QString& argument) {
  if (!argument.startsWith('-')) return {};
  return argument.mid(argument.startsWith("--") ? 2 : 1);
}

// The window option an argument names, or nullptr.
const WindowOption* WindowOptionOf(const QString& argument) {
  const QString name = OptionName(argument);
  for (const WindowOption& option : kWindowOptions) {
    const QString known = option.name;
    if (known.endsWith('=') ? name.startsWith(known) && name.size() > known.size()
                            : name == known) {
      return &option;
    }
  }
  return nullptr;
}

struct Options {
  Options() {
    parser.setApplicationDescription(
        "Chooses the music that Korvale plays. Without options it opens its window.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(own);
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
    if (parser.isSet(listPrefixes) && (parser.isSet(activate) || parser.isSet(deactivate))) {
      return "--list-prefixes cannot be given with --activate or --deactivate.";
    }
    return {};
  }

  // True when the argument is one of the program's options followed by its
  // value, which is then the program's whatever it looks like.
  bool TakesValue(const QString& argument) const {
    const QString name = OptionName(argument);
    if (name.isEmpty() || name.contains('=')) return false;
    for (const QCommandLineOption& option : own) {
      if (option.names().contains(name)) return !option.valueName().isEmpty();
    }
    return false;
  }

  bool NeedsNoWindow() const {
    return parser.isSet(activate) || parser.isSet(deactivate) || parser.isSet(help) ||
           parser.isSet("help-all") || parser.isSet(version) || parser.isSet(listPrefixes);
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
  QCommandLineOption listPrefixes{"list-prefixes",
                                  "Lists the Wine prefixes that the launchers keep, one a line: "
                                  "launcher, prefix and the game folder in it, tab-separated."};
  // The program's own options, besides help and version.
  const QList<QCommandLineOption> own = {activate, deactivate, prefix, listPrefixes};
};

// The arguments split in two: the program's own, its name first, for the
// parser, and Qt's window options with their values, its name first, for
// the window's QApplication.
QStringList SplitArguments(const Options& options, const QStringList& arguments,
                           std::vector<QByteArray>& windowArguments) {
  QStringList own = {arguments.value(0)};
  windowArguments = {arguments.value(0).toLocal8Bit()};
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    const WindowOption* option = WindowOptionOf(argument);
    const bool valueFollows = i + 1 < arguments.size();
    if (argument == "--") {
      own << arguments.mid(i);
      break;
    }
    if (option != nullptr) {
      windowArguments.push_back(argument.toLocal8Bit());
      if (option->ValueFollows() && valueFollows) {
        windowArguments.push_back(arguments[++i].toLocal8Bit());
      }
    } else {
      own << argument;
      if (options.TakesValue(argument) && valueFollows) own << arguments[++i];
    }
  }
  return own;
}

int UsageFailure(Options& options, const QString& error) {
  std::fprintf(stderr, "%s\n\n%s", qUtf8Printable(error),
               qUtf8Printable(options.parser.helpText()));
  return kvpm::kExitUsage;
}

// The help, and with --help-all Qt's window options too.
void PrintHelp(const Options& options) {
  QString text = options.parser.helpText();
  if (options.parser.isSet("help-all")) {
    text += "\nQt's options for the window (with one dash):\n";
    for (const WindowOption& option : kWindowOptions) {
      const QString gap = option.ValueFollows() ? " " : "";
      text += QString("  -") + option.name + gap + option.value + "\n";
    }
  }
  std::fputs(qUtf8Printable(text), stdout);
}

// The options that need no window: no display is needed for them.
int RunWithoutWindow(Options& options) {
  if (options.parser.isSet(options.help) || options.parser.isSet("help-all")) {
    PrintHelp(options);
    return kvpm::kExitDone;
  }
  if (options.parser.isSet(options.version)) {
    std::printf("%s %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                qUtf8Printable(QCoreApplication::applicationVersion()));
    return kvpm::kExitDone;
  }
  if (options.parser.isSet(options.listPrefixes)) return kvpm::ListPrefixesFromCommandLine();
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
  std::vector<QByteArray> windowArguments;
  const QString error =
      options.UsageError(SplitArguments(options, Arguments(argc, argv), windowArguments));
  if (!error.isEmpty() || options.NeedsNoWindow()) {
    QCoreApplication application(argc, argv);  // no display is needed
    return error.isEmpty() ? RunWithoutWindow(options) : UsageFailure(options, error);
  }

  std::vector<char*> windowArgv;
  for (QByteArray& argument : windowArguments) windowArgv.push_back(argument.data());
  int windowArgc = static_cast<int>(windowArgv.size());
  windowArgv.push_back(nullptr);
  QApplication application(windowArgc, windowArgv.data());
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
