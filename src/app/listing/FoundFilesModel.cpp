#include "FoundFilesModel.h"

FoundFilesModel::FoundFilesModel(QObject* parent) : QAbstractTableModel(parent) {}

int FoundFilesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int FoundFilesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString FoundFilesModel::DisplayText(int row, int column) const
{
    const FoundFile& file = Row(row);
    if (column != NameColumn)
        return file.sizeText();
    const std::string_view name = file.name();
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QVariant FoundFilesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return DisplayText(index.row(), index.column());
    case Qt::CheckStateRole:
        if (index.column() == NameColumn)
            return Row(index.row()).checked ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ToolTipRole:
        if (index.column() == NameColumn)
            return QString::fromUtf8(Row(index.row()).fullPath);
        return {};
    default:
        return {};
    }
}

bool FoundFilesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != NameColumn || role != Qt::CheckStateRole)
        return false;
    SetChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags FoundFilesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == NameColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant FoundFilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == NameColumn)
        return tr("File Name");
    if (section == SizeColumn)
        return tr("File Size");
    return {};
}

void FoundFilesModel::AddRows(std::vector<FoundFile> rows)
{
    AddRows(rows.begin(), rows.end());
}

void FoundFilesModel::AddRows(std::vector<FoundFile>::iterator first, std::vector<FoundFile>::iterator last)
{
    if (first == last)
        return;
    beginInsertRows(QModelIndex(), 0, static_cast<int>(last - first) - 1);
    rows_->insert(rows_->end(), std::make_move_iterator(first), std::make_move_iterator(last));
    endInsertRows();
}

const FoundFile& FoundFilesModel::Row(int row) const
{
    return (*rows_)[Stored(row)];
}

void FoundFilesModel::CheckAllRows()
{
    if (rows_->empty())
        return;
    for (FoundFile& row : *rows_)
        row.checked = true;
    emit dataChanged(index(0, NameColumn), index(Count() - 1, NameColumn), {Qt::CheckStateRole});
}

void FoundFilesModel::SetChecked(int row, bool checked)
{
    if (row < 0 || row >= Count())
        return;
    FoundFile& file = (*rows_)[Stored(row)];
    if (file.checked == checked)
        return;
    file.checked = checked;
    const QModelIndex cell = index(row, NameColumn);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void FoundFilesModel::Clear()
{
    beginResetModel();
    // A run may still be staging rows of the old list: they go when it lets go.
    rows_ = std::make_shared<std::deque<FoundFile>>();
    endResetModel();
}
