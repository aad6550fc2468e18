// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/queuecontroller.h"

#include "common/desktop.h"
#include "media/conversionlist.h"
#include "media/folderwalk.h"
#include "media/mediaprobe.h"
#include "profiles/optionnames.h"
#include "profiles/optionset.h"
#include "profiles/profileoptions.h"

#include <QFileInfo>
#include <QItemSelectionModel>
#include <QScopeGuard>
#include <QWidget>

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
    connect(list, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first) { rowsAdded(first); });
    connect(m_selection, &QItemSelectionModel::currentRowChanged, this,
            &QueueController::showCurrentRow);
    connect(list, &QAbstractItemModel::modelReset, this, &QueueController::showCurrentRow);
    // The probe fills a row's times in after adding it.
    connect(list, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &from, const QModelIndex &to) {
                const int row = currentRow();
                if (row >= from.row() && row <= to.row() && from.column() <= ConversionList::End)
                    showCurrentRow();
            });
}

int QueueController::selectedRow() const
{
    const QModelIndexList selected = m_selection->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int QueueController::currentRow() const
{
    const QModelIndex current = m_selection->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void QueueController::rowsAdded(int first)
{
    if (!m_selection->currentIndex().isValid())
        m_selection->setCurrentIndex(m_list->index(first, 0), QItemSelectionModel::NoUpdate);
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
    addPaths(paths, Rule::Drop, parent);
}

void QueueController::addGivenFiles(const QStringList &paths, QWidget *parent)
{
    addPaths(paths, Rule::Given, parent);
}

void QueueController::addPaths(const QStringList &paths, Rule rule, QWidget *parent)
{
    m_additions.enqueue(Addition{paths, rule, parent, {}, 0});
    // Behind a folder still being walked, or a message box still open, the files wait
    // their turn.
    if (!m_walk && !m_adding)
        continueAdding();
}

void QueueController::continueAdding()
{
    m_adding = true;
    const auto done = qScopeGuard([this] { m_adding = false; });
    // The head is looked up anew after each file: a message box shown for one lets more
    // additions join the queue meanwhile.
    while (!m_additions.isEmpty()) {
        if (m_additions.head().paths.isEmpty()) {
            finishAddition(m_additions.dequeue());
            continue;
        }
        const QString path = m_additions.head().paths.takeFirst();
        if (QFileInfo(path).isDir()) {
            m_walk = new FolderWalk(path, &QueueController::isVideoFile, this);
            connect(m_walk, &FolderWalk::finished, this, &QueueController::walkFinished);
            m_walk->start();
            return;
        }
        if (!addOne(path) && !m_additions.isEmpty())
            m_additions.head().paths.clear();
    }
}

bool QueueController::addOne(const QString &path)
{
    const Addition &addition = m_additions.head();
    const bool taken = addition.rule == Rule::Drop
                           ? isVideoFile(path)
                           : isVideoFile(path) || isSupportedMediaFile(path);
    if (!taken) {
        Desktop::instance().showMessage(addition.parent,
                                        QStringLiteral("Only Video files are allowed!"),
                                        Desktop::Icon::Information);
        return false;
    }
    if (addition.rule == Rule::Given && !QFileInfo(path).isFile())
        m_additions.head().missing << path;
    else
        m_probe->AddVideoFile(path);
    return true;
}

void QueueController::walkFinished(const QStringList &taken, int passedOver)
{
    m_walk->deleteLater();
    m_walk = nullptr;
    if (m_additions.isEmpty())
        return;
    for (const QString &file : taken)
        m_probe->AddVideoFile(file);
    m_additions.head().passedOver += passedOver;
    continueAdding();
}

void QueueController::finishAddition(const Addition &addition)
{
    if (!addition.missing.isEmpty()) {
        Desktop::instance().showMessage(addition.parent,
                                        QStringLiteral("These files were not found:\n") +
                                            addition.missing.join('\n'),
                                        Desktop::Icon::Warning);
    }
    if (addition.passedOver > 0) {
        Q_EMIT statusMessage(addition.passedOver == 1
                                 ? QStringLiteral("Passed over 1 file that is not a video file.")
                                 : QStringLiteral("Passed over %1 files that are not video files.")
                                       .arg(addition.passedOver));
    }
}

void QueueController::removeSelected()
{
    const int row = selectedRow();
    if (row >= 0)
        m_list->removeItem(row);
}

void QueueController::removeConverted()
{
    for (int row = m_list->count() - 1; row >= 0; --row) {
        if (m_list->text(row, ConversionList::Status) == QLatin1String("OK"))
            m_list->removeItem(row);
    }
}

void QueueController::moveSelected(int by)
{
    const int row = selectedRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_list->count())
        return;
    m_list->moveItem(row, to);
    selectRow(to);
}

QString QueueController::selectedOutputFolder() const
{
    const int row = selectedRow();
    if (m_list->text(row, ConversionList::Status) != QLatin1String("OK") ||
        m_list->outputPath(row).isEmpty())
        return QString();
    return QFileInfo(m_list->outputPath(row)).absolutePath();
}

void QueueController::openOutputFolder()
{
    const QString folder = selectedOutputFolder();
    if (!folder.isEmpty())
        Desktop::instance().openFolder(folder);
}

void QueueController::clearAll()
{
    // The files still waiting would otherwise fill the list again one by one, and so
    // would the files of folders still being walked.
    m_additions.clear();
    delete m_walk;
    m_walk = nullptr;
    m_probe->stop();
    m_list->clearAll();
}

void QueueController::listClick()
{
    const int row = selectedRow();
    if (m_list->count() == 0 || row < 0)
        return;
    Q_EMIT currentFileChanged(m_list->text(row, ConversionList::FileName));
    showCurrentRow();
}

// The sheet never shows a file that has left the list.
void QueueController::showCurrentRow()
{
    if (!m_options)
        return;
    const int row = currentRow();
    if (row < 0) {
        ProfileOptions::showNoItem(*m_options);
        return;
    }
    m_options->setValue(OptionNames::General, OptionNames::ItemName,
                        m_list->text(row, ConversionList::FileName));
    m_options->setValue(OptionNames::OutputDuration, OptionNames::AllClipDuration, QString());
    m_options->setValue(OptionNames::OutputDuration, OptionNames::StartTime,
                        m_list->text(row, ConversionList::Start));
    m_options->setValue(OptionNames::OutputDuration, OptionNames::StopTime,
                        m_list->text(row, ConversionList::End));
}

void QueueController::openClipEditor()
{
    Q_EMIT clipEditorRequested(currentRow());
}
