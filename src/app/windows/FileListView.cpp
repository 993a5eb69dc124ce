#include "FileListView.h"

#include "FileListDelegate.h"
#include "FoundFilesModel.h"

#include <QApplication>
#include <algorithm>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionViewItem>

namespace {

const QString kUriList = QStringLiteral("text/uri-list");

// Accepts a drag of a file list as a copy; anything else, or a source that
// offers no copy, is refused.
template <class Event>
void AcceptAsCopy(Event* event)
{
    if (event->mimeData() && event->mimeData()->hasFormat(kUriList)
        && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace

FileListView::FileListView(QWidget* parent) : QTableView(parent)
{
    setItemDelegate(new FileListDelegate(this));
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    // Fixed row heights keep a list of 100,000 rows quick to lay out.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    // Tab leaves the list for the next control; walking every cell with it
    // would trap keyboard users in a long list. The arrows move between rows.
    setTabKeyNavigation(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
}

void FileListView::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptAsCopy(event);
}

void FileListView::dragMoveEvent(QDragMoveEvent* event)
{
    AcceptAsCopy(event);
}

void FileListView::dragLeaveEvent(QDragLeaveEvent* event)
{
    event->accept();
}

void FileListView::dropEvent(QDropEvent* event)
{
    if (!event->mimeData() || !event->mimeData()->hasFormat(kUriList) || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit OLEDragDrop(event->mimeData());
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit DblClick();
}

void FileListView::keyPressEvent(QKeyEvent* event)
{
    // Space toggles the current row's check box whichever cell has the focus
    // (the box sits in the first column only).
    const QModelIndex current = currentIndex();
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) && event->modifiers() == Qt::NoModifier
        && current.isValid()) {
        const QModelIndex box = current.siblingAtColumn(FoundFilesModel::NameColumn);
        const bool checked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        model()->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        event->accept();
        return;
    }
    // Enter opens the chosen row as a double-click does.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        emit DblClick();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FileListView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    QTableView::changeEvent(event);
}

void FileListView::reset()
{
    measured_ = Measured();
    QTableView::reset();
}

void FileListView::AutoSizeColumns()
{
    auto* files = qobject_cast<FoundFilesModel*>(model());
    if (!files)
        return;
    for (int column = 0; column < files->columnCount(); ++column)
        horizontalHeader()->resizeSection(column, ColumnWidth(column));
}

void FileListView::MeasureNewRows()
{
    if (qobject_cast<FoundFilesModel*>(model()))
        for (int column = 0; column < FoundFilesModel::ColumnCount; ++column)
            ColumnWidth(column);
}

int FileListView::ColumnWidth(int column) const
{
    auto* files = qobject_cast<FoundFilesModel*>(model());
    const int count = files->Count();
    if (measured_.font != font() || count < measured_.rows) {
        measured_ = Measured();
        measured_.font = font();
    }
    // Rows are only ever added on top, so the rows not yet measured are the
    // top (count - measured) ones.
    const QFontMetrics metrics(font());
    int widest = measured_.widest[column];
    for (int row = 0; row < count - measured_.rows; ++row)
        widest = std::max(widest, metrics.horizontalAdvance(files->DisplayText(row, column)));
    measured_.widest[column] = widest;
    if (column == FoundFilesModel::ColumnCount - 1)
        measured_.rows = count;

    QStyleOptionViewItem option;
    option.initFrom(this);
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + 1);
    int cell = widest + 2 * margin;
    if (column == FoundFilesModel::NameColumn)
        cell += style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this)
                + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + margin;
    const int headerWidth = horizontalHeader()->sectionSizeHint(column);
    return std::max(cell, headerWidth);
}
