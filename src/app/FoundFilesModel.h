#pragma once
// The found-files list as a model: rows are stored in the order they were
// added and shown newest first, so adding many rows never shifts the earlier
// ones in memory.
#include "FoundFile.h"

#include <QAbstractTableModel>
#include <vector>

class FoundFilesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn = 0, SizeColumn = 1, ColumnCount = 2 };

    explicit FoundFilesModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Puts the rows at the top, the last of them first (each row goes on top of
    // the one before), with one change notification.
    void AddRows(std::vector<FoundFile> rows);
    // The same for a slice of rows, moved out of their vector.
    void AddRows(std::vector<FoundFile>::iterator first, std::vector<FoundFile>::iterator last);

    // Row as shown (0 = top).
    const FoundFile& Row(int row) const;
    int Count() const { return static_cast<int>(rows_.size()); }

    // Every row checked, with one change notification.
    void CheckAllRows();
    void Clear();

    // The text shown in a cell (names with invalid UTF-8 get replacement characters).
    QString DisplayText(int row, int column) const;

private:
    void SetChecked(int row, bool checked);
    size_t Stored(int row) const { return rows_.size() - 1 - static_cast<size_t>(row); }

    std::vector<FoundFile> rows_; // oldest first
};
