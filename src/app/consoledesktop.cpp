#include "app/consoledesktop.h"

#include <cstdio>

void ConsoleDesktop::showMessage(QWidget *, const QString &text, Icon icon)
{
    const char *kind = icon == Icon::Information ? "" : "error: ";
    std::fprintf(stderr, "klevar: %s%s\n", kind, text.toLocal8Bit().constData());
}
