#pragma once
// Draws the found-files list's cells; right to left each name is set in as
// one unit (BidiIsolate), so ".two.jpg" does not show as "two.jpg.". The
// model's texts, which searching by typing and screen readers use, stay as they are.
#include <QStyledItemDelegate>

class FileListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
