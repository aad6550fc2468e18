// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/desktop.h"
#include "common/fakedesktop.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a QApplication and the recording desktop, so nothing a
// test does can open a real dialog, a browser or shut the machine down.
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    FakeDesktop desktop;
    Desktop::setInstance(&desktop);
    const int result = RUN_ALL_TESTS();
    Desktop::setInstance(nullptr);
    return result;
}
