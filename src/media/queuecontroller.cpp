// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/queuecontroller.h"

#include "common/desktop.h"
#include "media/conversionlist.h"
#include "media/mediaprobe.h"
#include "profiles/optionnames.h"
#include "profiles/optionset.h"

#include <QFileInfo>
#include <QItemSelectionModel>

namespace {
// Description and patterns of each entry of the open dialog, in the order shown.
const char *const OpenFilters[][2] = {
    {"All supported media files",
     "*.avi;*.wmv;*.wma;*.asf;*.mov;*.mp4;*.3gp;*.3g2;*.rm;*.rmvb;*.flv;*.mkv;*.m2ts;*.m1v;"
     "*.mpe;*.mpg;*.mpeg;*.m2v;*.divx;*.ogm;*.vro;*.dr;*.amv;*.ms-dvr;*.dvr-ms;*.m4v;*.qt;"
     "*.3gp2;*.3gpp;*.mpeg4;*.rv;*.f4v;*.avs;*.mts;*.tod;*.mpv;*.dat;*.mpeg1;*.vob;*.mpeg2;"
     "*.m2p;*.mod;*.ts;*.tp;*.m2t;*.ogv;*.ogg;*.nsv;*.webm;*.m4v"},
    {"Windows Media files (*.avi;*.wmv;*.wma;*.asf;*.ms-dvr;*.dvr-ms)",
     "*.avi;*.wmv;*.wma;*.asf;*.ms-dvr;*.dvr-ms"},
    {"Mov/MP4 Files (*.mov;*.mp4;*.3gp;*.3g2;*.m4v;*.qt;*.3gp2;*.3gpp;*.mpeg4)",
     "*.mov;*.mp4;*.3gp;*.3g2;*.m4v;*.qt;*.3gp2;*.3gpp;*.mpeg4"},
    {"Real Media Files (*.rm;*.rmvb;*.rv)", "*.rm;*.rmvb;*.rv"},
    {"Flash Video files (*.flv;*.f4v)", "*.flv;*.f4v"},
    {"Matroska Video files (*.mkv)", "*.mkv"},
    {"AviSynth Scripts (*.avs)", "*.avs"},
    {"Sony High Definition Video File (*.m2ts;*.mts;*.tod)", "*.m2ts;*.mts;*.tod"},
    {"MPEG-1 Video File (*.m1v;*.mpe;*.mpg;*.mpeg;*.mpv;*.dat;*.mpeg1)",
     "*.m1v;*.mpe;*.mpg;*.mpeg;*.mpv;*.dat;*.mpeg1"},
    {"MPEG-2 Video File (*.m2v;*.mpe;*.mpg;*.mpeg;*.mpv;*.vob;*.mpeg2;*.m2p;*.mod)",
     "*.m2v;*.mpe;*.mpg;*.mpeg;*.vob;*.mpeg2;*.m2p;*.mod"},
    {"MPEG Transport Stream Files (*.ts;*.tp;*.m2t)", "*.ts;*.tp;*.m2t"},
    {"Divx Video File (*.divx)", "*.divx"},
    {"Ogg Media File (*.ogm;*.ogv;*.ogg)", "*.ogm;*.ogv;*.ogg"},
    {"DVD-VR Video File(*.vro)", "*.vro"},
    {"Nullsoft Stream Video Files (*.nsv)", "*.nsv"},
    {"Other Video File(*.dr;*.amv;*.webm)", "*.dr;*.amv;*.webm"},
    {"All files (*.*)", "*.*"},
};
} // namespace

QueueController::QueueController(ConversionList *list, OptionSet *options, QObject *parent)
    : QObject(parent), m_list(list), m_options(options), m_probe(new MediaProbe(list, this)),
      m_selection(new QItemSelectionModel(list, this))
{
}

int QueueController::selectedRow() const
{
    const QModelIndexList selected = m_selection->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void QueueController::selectRow(int row)
{
    const QModelIndex index = m_list->index(row, 0);
    m_selection->setCurrentIndex(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QString QueueController::openFilter()
{
    QString filter;
    for (const auto &entry : OpenFilters) {
        filter +=
            QLatin1String(entry[0]) + QLatin1Char('|') + QLatin1String(entry[1]) + QLatin1Char('|');
    }
    return filter;
}

bool QueueController::isVideoFile(const QString &path)
{
    static const QStringList three = {"AVI", "MPG", "WMV", "FLV", "ASF", "MOV", "M4V",
                                      "MP4", "3GP", "OGV", "3G2", "SWF", "MKV"};
    static const QStringList four = {"WEBM", "MPEG", "RMVB", "DIVX", "M2TS"};
    static const QStringList two = {"QT", "RM"};
    return three.contains(path.right(3).toUpper()) || four.contains(path.right(4).toUpper()) ||
           two.contains(path.right(2).toUpper());
}

bool QueueController::isSupportedMediaFile(const QString &path)
{
    static const QStringList suffixes = [] {
        QStringList found;
        for (const QString &pattern : QString::fromLatin1(OpenFilters[0][1]).split(';'))
            found << pattern.mid(1); // "*.avi" -> ".avi"
        return found;
    }();
    for (const QString &suffix : suffixes) {
        if (path.endsWith(suffix, Qt::CaseInsensitive) && path.size() > suffix.size())
            return true;
    }
    return false;
}

void QueueController::addByDialog(QWidget *parent)
{
    // Qt's dialog answers with full paths in the order it lists them, so nothing has
    // to split a folder from the names and join them again: each path is used as it
    // comes, and a file in the root folder reads "/name" with its one slash.
    const QStringList files = Desktop::instance().chooseOpenFiles(
        parent, QStringLiteral("Open Video File"), openFilter());
    for (const QString &file : files)
        m_probe->AddVideoFile(file);
}

void QueueController::addByDrop(const QStringList &paths, QWidget *parent)
{
    for (const QString &path : paths) {
        if (!isVideoFile(path)) {
            Desktop::instance().showMessage(parent, QStringLiteral("Only Video files are allowed!"),
                                            Desktop::Icon::Information);
            return;
        }
        m_probe->AddVideoFile(path);
    }
}

void QueueController::addGivenFiles(const QStringList &paths, QWidget *parent)
{
    QStringList missing;
    for (const QString &path : paths) {
        if (!isVideoFile(path) && !isSupportedMediaFile(path)) {
            Desktop::instance().showMessage(parent, QStringLiteral("Only Video files are allowed!"),
                                            Desktop::Icon::Information);
            break;
        }
        if (QFileInfo(path).isFile())
            m_probe->AddVideoFile(path);
        else
            missing << path;
    }
    if (!missing.isEmpty()) {
        Desktop::instance().showMessage(
            parent, QStringLiteral("These files were not found:\n") + missing.join('\n'),
            Desktop::Icon::Warning);
    }
}

void QueueController::removeSelected()
{
    const int row = selectedRow();
    if (row >= 0)
        m_list->removeItem(row);
}

void QueueController::clearAll()
{
    // The files still waiting would otherwise fill the list again one by one.
    m_probe->stop();
    m_list->clearAll();
}

void QueueController::listClick()
{
    const int row = selectedRow();
    if (m_list->count() == 0 || row < 0)
        return;
    const QString path = m_list->text(row, ConversionList::FileName);
    Q_EMIT currentFileChanged(path);
    if (!m_options)
        return;
    m_options->setValue(OptionNames::General, OptionNames::ItemName, path);
    m_options->setValue(OptionNames::OutputDuration, OptionNames::AllClipDuration, QString());
    m_options->setValue(OptionNames::OutputDuration, OptionNames::StartTime,
                        m_list->text(row, ConversionList::Start));
    m_options->setValue(OptionNames::OutputDuration, OptionNames::StopTime,
                        m_list->text(row, ConversionList::End));
}

void QueueController::openClipEditor()
{
    Q_EMIT clipEditorRequested(selectedRow());
}
