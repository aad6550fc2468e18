// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The names the program shows of itself: the caption of every message box, and the
// main window's caption with the version.
inline constexpr const char *AppTitle = "Klevar";
inline constexpr const char *MainCaption = "Klevar 4.50";
