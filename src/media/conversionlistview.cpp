// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/conversionlistview.h"

#include "media/columnfit.h"
#include "media/conversionlist.h"
#include "media/failurereasonbox.h"
#include "media/queuecontroller.h"

#include <QAction>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QUrl>

#include <algorithm>
#include <numeric>

namespace {
// What a column usually shows, so its first width shows it whole.
const char *const UsualText[ConversionList::ColumnCount] = {
    "", "0:00:00", "0:00:00", "1920x1080", "H264", "Processing", "0:00:00", ""};

// "End" and "Size" are centred in the cells as in their headers; a path elides in the
// middle, where it matters least.
class ColumnAlignmentDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == ConversionList::End || index.column() == ConversionList::Size)
            option->displayAlignment = Qt::AlignHCenter | Qt::AlignVCenter;
        if (index.column() == ConversionList::FileName)
            option->textElideMode = Qt::ElideMiddle;
    }
};

QStringList localFiles(const QMimeData *mime)
{
    QStringList files;
    if (!mime || !mime->hasUrls())
        return files;
    const QList<QUrl> urls = mime->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}
} // namespace

ConversionListView::ConversionListView(QWidget *parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("lvwAudioTracks"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The right button opens popupmenu1 itself, on the press.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(true);
    setItemDelegate(new ColumnAlignmentDelegate(this));
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    connect(header(), &QHeaderView::sectionResized, this, [this] {
        if (!m_fitting)
            m_userSized = true;
    });
    buildMenu();
}

void ConversionListView::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("popupmenu1"));
    m_convertNow = m_menu->addAction(QStringLiteral("Convert Now!"));
    m_convertFailed = m_menu->addAction(QStringLiteral("Convert Failed Files Again"));
    m_convertFailed->setObjectName(QStringLiteral("convertfailed"));
    m_convertFailed->setEnabled(false);
    m_whyFailed = m_menu->addAction(FailureReasonBox::menuCaption());
    m_whyFailed->setObjectName(QStringLiteral("whyFailed"));
    m_whyFailed->setEnabled(false);
    connect(m_whyFailed, &QAction::triggered, this, &ConversionListView::showFailureReason);
    connect(m_menu, &QMenu::aboutToShow, this, &ConversionListView::updateMenu);
    m_menu->addSeparator();
    m_play = m_menu->addAction(QStringLiteral("Play Selected File"));
    // "&&": a lone "&" would make the blank after it a shortcut and hide the "&".
    m_clip = m_menu->addAction(QStringLiteral("Video Clip && WaterMark"));
    m_menu->addSeparator();
    m_addFiles = m_menu->addAction(QStringLiteral("Add Files"));
    m_remove = m_menu->addAction(QStringLiteral("Remove Selected Item"));
    m_clear = m_menu->addAction(QStringLiteral("Clear All Items"));
    m_removeConverted =
        addListAction(QStringLiteral("removeconverted"), QStringLiteral("Remove Converted Files"));
    m_menu->addSeparator();
    m_moveUp = addListAction(QStringLiteral("moveup"), QStringLiteral("Move Up"),
                             QKeySequence(Qt::CTRL | Qt::Key_Up));
    m_moveDown = addListAction(QStringLiteral("movedown"), QStringLiteral("Move Down"),
                               QKeySequence(Qt::CTRL | Qt::Key_Down));
    m_openOutputFolder =
        addListAction(QStringLiteral("openoutputfolder"), QStringLiteral("Open Output Folder"));
    m_menu->addSeparator();
    m_capture = m_menu->addAction(QStringLiteral("Capture Video From DV"));
    m_import = m_menu->addAction(QStringLiteral("Import Video From Youtube"));
}

// The shortcut works while the list has the focus, menu open or not.
QAction *ConversionListView::addListAction(const QString &name, const QString &caption,
                                           const QKeySequence &shortcut)
{
    QAction *action = m_menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    return action;
}

int ConversionListView::columnNeed(int column) const
{
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const int usual = fontMetrics().horizontalAdvance(QString::fromLatin1(UsualText[column]));
    return qMax(header()->sectionSizeHint(column), usual + margin + 4);
}

void ConversionListView::fitColumns()
{
    if (m_userSized || !model())
        return;
    QList<int> needs;
    for (int column = 0; column < ConversionList::ColumnCount; ++column)
        needs << columnNeed(column);
    // Before the list is laid out its width means nothing: each column gets what it
    // needs and the file name twice the widest other.
    const int natural = std::accumulate(needs.begin() + 1, needs.end(), 0) +
                        2 * *std::max_element(needs.begin() + 1, needs.end());
    const QList<int> widths = ColumnFit::widths(isVisible() ? viewport()->width() : natural, needs);
    m_fitting = true;
    for (int column = 0; column < widths.size(); ++column)
        header()->resizeSection(column, widths[column]);
    m_fitting = false;
}

void ConversionListView::setQueue(QueueController *queue)
{
    m_queue = queue;
    setModel(queue->list());
    QItemSelectionModel *own = selectionModel();
    setSelectionModel(queue->selectionModel());
    if (own != queue->selectionModel())
        delete own;
    fitColumns();

    connect(this, &ConversionListView::filesDropped, queue,
            [this, queue](const QStringList &paths) { queue->addByDrop(paths, window()); });
    connect(this, &QAbstractItemView::clicked, queue, &QueueController::listClick);
    connect(this, &QAbstractItemView::doubleClicked, queue, &QueueController::openClipEditor);
    connect(m_clip, &QAction::triggered, queue, &QueueController::openClipEditor);
    connect(m_addFiles, &QAction::triggered, queue,
            [this, queue] { queue->addByDialog(window()); });
    connect(m_remove, &QAction::triggered, queue, &QueueController::removeSelected);
    connect(m_clear, &QAction::triggered, queue, &QueueController::clearAll);
    connect(m_removeConverted, &QAction::triggered, queue, &QueueController::removeConverted);
    connect(m_moveUp, &QAction::triggered, queue, [queue] { queue->moveSelected(-1); });
    connect(m_moveDown, &QAction::triggered, queue, [queue] { queue->moveSelected(+1); });
    connect(m_openOutputFolder, &QAction::triggered, queue, &QueueController::openOutputFolder);

    ConversionList *list = queue->list();
    connect(list, &QAbstractItemModel::dataChanged, this, &ConversionListView::enableConvertFailed);
    connect(list, &QAbstractItemModel::rowsRemoved, this, &ConversionListView::enableConvertFailed);
    connect(list, &QAbstractItemModel::modelReset, this, &ConversionListView::enableConvertFailed);
    enableConvertFailed();
    connect(list, &QAbstractItemModel::dataChanged, this, &ConversionListView::updateMenu);
    connect(queue->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConversionListView::updateMenu);
    updateMenu();
}

void ConversionListView::enableConvertFailed()
{
    const ConversionList *list = m_queue->list();
    bool failed = false;
    for (int row = 0; row < list->count() && !failed; ++row)
        failed = list->text(row, ConversionList::Status) == QLatin1String("Fail");
    m_convertFailed->setEnabled(failed);
}

bool ConversionListView::isOwnDrag(const QDropEvent *event) const
{
    return event->source() == this;
}

void ConversionListView::startDrag(Qt::DropActions)
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(rows));
    drag->exec(Qt::MoveAction);
}

int ConversionListView::dropRow(const QPoint &at) const
{
    const QModelIndex index = indexAt(at);
    if (!index.isValid())
        return model()->rowCount() - 1;
    return index.row();
}

void ConversionListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (isOwnDrag(event)) {
        event->acceptProposedAction();
        return;
    }
    if (localFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ConversionListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (isOwnDrag(event)) {
        QTreeView::dragMoveEvent(event); // shows where the row would go
        event->acceptProposedAction();
        return;
    }
    if (localFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ConversionListView::dropEvent(QDropEvent *event)
{
    if (isOwnDrag(event)) {
        event->acceptProposedAction();
        const int from = m_queue->selectedRow();
        const int to = dropRow(event->position().toPoint());
        if (from >= 0 && to >= 0 && from != to) {
            m_queue->list()->moveItem(from, to);
            m_queue->selectRow(to);
        }
        setState(NoState);
        viewport()->update();
        return;
    }
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Handled once the drop is over: a refused file shows a message box, and a modal
    // box inside the drop would keep the file manager waiting for its answer.
    QMetaObject::invokeMethod(
        this, [this, files] { Q_EMIT filesDropped(files); }, Qt::QueuedConnection);
}

void ConversionListView::mousePressEvent(QMouseEvent *event)
{
    QTreeView::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        m_menu->popup(event->globalPosition().toPoint());
}

void ConversionListView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        m_remove->trigger();
        event->accept();
        return;
    }
    // The view's own Ctrl+arrow would move the current row without the selection.
    for (QAction *move : {m_moveUp, m_moveDown}) {
        if (QKeySequence(event->keyCombination()) == move->shortcut()) {
            move->trigger();
            event->accept();
            return;
        }
    }
    QTreeView::keyPressEvent(event);
}

bool ConversionListView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        const bool handled = QTreeView::viewportEvent(event);
        fitColumns();
        return handled;
    }
    if (event->type() != QEvent::ToolTip)
        return QTreeView::viewportEvent(event);
    // The model's tooltip (the path, or why the row failed) comes first; otherwise a
    // text cut short by the column shows whole.
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    QString tip = index.data(Qt::ToolTipRole).toString();
    if (tip.isEmpty() && isElided(index))
        tip = index.data(Qt::DisplayRole).toString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    return true;
}

bool ConversionListView::isElided(const QModelIndex &index) const
{
    if (!index.isValid())
        return false;
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    const QString text = index.data(Qt::DisplayRole).toString();
    return fontMetrics().horizontalAdvance(text) > visualRect(index).width() - margin;
}

void ConversionListView::updateMenu()
{
    const int row = m_queue ? m_queue->selectedRow() : -1;
    m_openOutputFolder->setEnabled(m_queue && !m_queue->selectedOutputFolder().isEmpty());
    m_whyFailed->setEnabled(row >= 0 && model()->index(row, ConversionList::Status).data() ==
                                            QStringLiteral("Fail"));
}

void ConversionListView::showFailureReason()
{
    updateMenu();
    if (!m_whyFailed->isEnabled())
        return;
    const ConversionList *list = m_queue->list();
    const int row = m_queue->selectedRow();
    FailureReasonBox::showFor(list->text(row, ConversionList::FileName), list->toolTip(row),
                              window());
}
