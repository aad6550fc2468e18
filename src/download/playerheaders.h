// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/commandline.h"
#include "download/inettransfer.h"

// The player's own options for the headers a stream needs (a page reader names them:
// a referrer, a browser's user agent). The player splits its list of other fields at
// commas, so a field holding one is left out rather than cut in two.
class PlayerHeaders
{
public:
    static void add(CommandLine &command, const InetTransfer::Headers &headers);
};
