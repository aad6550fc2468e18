// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consoledesktop.h"

#include <cstdio>

void ConsoleDesktop::showMessage(QWidget *, const QString &text, Icon icon)
{
    const char *kind = icon == Icon::Information ? ""
                       : icon == Icon::Warning   ? "warning: "
                                                 : "error: ";
    // One line each, as the header says: a box's paragraphs become one.
    const QString line = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    std::fprintf(stderr, "klevar: %s%s\n", kind, line.toLocal8Bit().constData());
}
