// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/appfolder.h"
#include "profiles/optionset.h"
#include "profiles/optionsheetview.h"
#include "profiles/profilechooser.h"
#include "profiles/profileoptions.h"
#include "profiles/profileselection.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

void report(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / double(ms.size());
    std::printf("%-34s runs %5zu  min %7.3f  median %7.3f  p95 %7.3f  max %7.3f  mean %7.3f ms\n",
                what, ms.size(), ms.front(), ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back(),
                mean);
}

// 0-based indexes of the type entries.
std::vector<int> typeEntries(const ProfileSelection &selection)
{
    std::vector<int> found;
    for (int i = 0; i < selection.count(); ++i) {
        if (selection.entries().at(i).isType())
            found.push_back(i);
    }
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setAppFolder(QStringLiteral(KLEVAR_BUILD_FOLDER));
    const int runs =
        qEnvironmentVariableIntValue("RUNS") > 0 ? qEnvironmentVariableIntValue("RUNS") : 2000;
    QElapsedTimer clock;

    OptionSet options;
    ProfileOptions::prolist(options);
    ProfileSelection selection(&options);
    clock.start();
    if (!selection.open()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(selection.databaseFile()));
        return 1;
    }
    std::printf("catalogue %s: %d entries read in %.3f ms\n", qPrintable(selection.databaseFile()),
                selection.count(), double(clock.nsecsElapsed()) / 1e6);
    const std::vector<int> types = typeEntries(selection);

    std::vector<double> refill;
    for (int i = 0; i < runs; ++i) {
        clock.start();
        selection.choose(types[size_t(i) % types.size()] + 1);
        refill.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    report("choice, option set only", refill);

    OptionSet shown;
    ProfileOptions::prolist(shown);
    OptionSheetView sheet;
    sheet.setOptionSet(&shown);
    sheet.resize(320, 480);
    sheet.show();
    QComboBox combo;
    ProfileChooser chooser(&combo, &shown);
    clock.start();
    chooser.start();
    std::printf("chooser filled and started in %.3f ms\n", double(clock.nsecsElapsed()) / 1e6);
    app.processEvents();

    std::vector<double> viewed;
    for (int i = 0; i < runs; ++i) {
        clock.start();
        Q_EMIT combo.activated(types[size_t(i) % types.size()]);
        sheet.viewport()->repaint();
        viewed.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    report("choice, chooser and sheet repaint", viewed);
    return 0;
}
