#include "media/conversionlistview.h"

#include "media/conversionlist.h"
#include "media/queuecontroller.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QUrl>

namespace {
// "End" and "Size" are centred in the cells as in their headers.
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
    setDragDropMode(QAbstractItemView::DropOnly);
    setItemDelegate(new ColumnAlignmentDelegate(this));
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
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
    m_menu->addSeparator();
    m_play = m_menu->addAction(QStringLiteral("Play Selected File"));
    m_clip = m_menu->addAction(QStringLiteral("Video Clip & WaterMark"));
    m_menu->addSeparator();
    m_addFiles = m_menu->addAction(QStringLiteral("Add Files"));
    m_remove = m_menu->addAction(QStringLiteral("Remove Selected Item"));
    m_clear = m_menu->addAction(QStringLiteral("Clear All Items"));
    m_menu->addSeparator();
    m_capture = m_menu->addAction(QStringLiteral("Capture Video From DV"));
    m_import = m_menu->addAction(QStringLiteral("Import Video From Youtube"));
}

void ConversionListView::setColumnWidths()
{
    static const int widths[ConversionList::ColumnCount] = {280, 70, 70, 80, 80, 80, 80, 120};
    for (int column = 0; column < ConversionList::ColumnCount; ++column)
        header()->resizeSection(column, widths[column]);
}

void ConversionListView::setQueue(QueueController *queue)
{
    m_queue = queue;
    setModel(queue->list());
    QItemSelectionModel *own = selectionModel();
    setSelectionModel(queue->selectionModel());
    if (own != queue->selectionModel())
        delete own;
    setColumnWidths();

    connect(this, &ConversionListView::filesDropped, queue,
            [this, queue](const QStringList &paths) { queue->addByDrop(paths, window()); });
    connect(this, &QAbstractItemView::clicked, queue, &QueueController::listClick);
    connect(this, &QAbstractItemView::doubleClicked, queue, &QueueController::openClipEditor);
    connect(m_clip, &QAction::triggered, queue, &QueueController::openClipEditor);
    connect(m_addFiles, &QAction::triggered, queue,
            [this, queue] { queue->addByDialog(window()); });
    connect(m_remove, &QAction::triggered, queue, &QueueController::removeSelected);
    connect(m_clear, &QAction::triggered, queue, &QueueController::clearAll);

    ConversionList *list = queue->list();
    connect(list, &QAbstractItemModel::dataChanged, this, &ConversionListView::enableConvertFailed);
    connect(list, &QAbstractItemModel::rowsRemoved, this, &ConversionListView::enableConvertFailed);
    connect(list, &QAbstractItemModel::modelReset, this, &ConversionListView::enableConvertFailed);
    enableConvertFailed();
}

void ConversionListView::enableConvertFailed()
{
    const ConversionList *list = m_queue->list();
    bool failed = false;
    for (int row = 0; row < list->count() && !failed; ++row)
        failed = list->text(row, ConversionList::Status) == QLatin1String("Fail");
    m_convertFailed->setEnabled(failed);
}

void ConversionListView::dragEnterEvent(QDragEnterEvent *event)
{
    if (localFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ConversionListView::dragMoveEvent(QDragMoveEvent *event)
{
    if (localFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void ConversionListView::dropEvent(QDropEvent *event)
{
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
