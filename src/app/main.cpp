// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandlinemode.h"
#include "app/form1.h"
#include "app/windowtermination.h"
#include "common/appinfo.h"
#include "media/queuecontroller.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {
// The preview player draws into one of our windows by its X window id, so the program
// runs on X11 (XWayland under a Wayland session). Without a display it says so and
// ends instead of crashing inside the toolkit.
bool chooseWindowSystem()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return true;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fputs("klevar: no display to open the window on (DISPLAY is not set); "
                   "see klevar --help for the modes that need none\n",
                   stderr);
        return false;
    }
    // Should the X server refuse us, Qt falls back to the offscreen platform and the
    // check after start-up reports it, instead of Qt aborting.
    qputenv("QT_QPA_PLATFORM", "xcb;offscreen");
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (const auto code = CommandLineMode::run(argc, argv))
        return *code;
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QStringList files = CommandLineMode::windowFiles(arguments);
    // The toolkit reads options of its own from the arguments ("-style", "-platform");
    // here they are file names, so it is given none.
    int toolkitArgc = 1;
    if (!chooseWindowSystem())
        return 2;
    const bool fallbackAllowed = qgetenv("QT_QPA_PLATFORM") == "xcb;offscreen";
    // While the window system is tried, its complaints would bury the one line that
    // tells the user what is wrong; they are held back until it is known to work.
    const QtMessageHandler previous =
        fallbackAllowed
            ? qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {})
            : nullptr;
    QApplication app(toolkitArgc, argv);
    if (fallbackAllowed)
        qInstallMessageHandler(previous);
    QApplication::setApplicationName(QString::fromLatin1(AppTitle));
    QApplication::setApplicationVersion(QStringLiteral("4.50"));
    if (fallbackAllowed && QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "klevar: cannot open a window on display %s\n",
                     qgetenv("DISPLAY").constData());
        return 2;
    }
    Form1 window;
    const WindowTermination termination(&window);
    window.show();
    // Once the window shows, so that a message about a file has a window to sit on.
    if (!files.isEmpty()) {
        QTimer::singleShot(0, &window,
                           [&window, files] { window.queue()->addGivenFiles(files, &window); });
    }
    const int code = app.exec();
    return termination.exitCode() ? termination.exitCode() : code;
}
