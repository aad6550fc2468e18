// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The look of every window comes from the style sheet skins/frmmain.skn in the
// program's folder; without the file a window keeps Qt's own look.
class Skin
{
public:
    static void apply(QWidget *window);
};
