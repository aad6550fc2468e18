// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/processwindows.h"

QByteArray ProcessWindows::keyText(int key)
{
    switch (key) {
    case KeyQ:
        return QByteArrayLiteral("q");
    case KeySpace:
        return QByteArrayLiteral(" ");
    case KeyLeft:
        return QByteArrayLiteral("\x1b[D");
    case KeyRight:
        return QByteArrayLiteral("\x1b[C");
    default:
        return {};
    }
}
