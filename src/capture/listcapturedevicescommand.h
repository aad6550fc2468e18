// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTextStream;

// "klevar --list-capture-devices": one line per device, its index and its name separated
// by a tab, in the order of the capture window's list.
class ListCaptureDevicesCommand
{
public:
    int run(QTextStream &out);
};
