// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a camera property allows: the window's slider spans minimum to maximum.
struct CameraPropertyRange
{
    int minimum = 0;
    int maximum = 0;
    int step = 1;
    int defaultValue = 0;
    int flags = 0;
};
