#include "FileListDelegate.h"

#include "BidiIsolate.h"

void FileListDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = BidiIsolate(option->text);
}
