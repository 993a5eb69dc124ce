#pragma once
// The found-files list as a model: rows are stored in the order they were
// added and shown newest first. Adding rows never moves the earlier ones in
// memory, so a run may keep views of their paths (Storage) while more rows
// come in; Clear starts new storage and leaves the old to whoever keeps it.
#include "FoundFile.h"

#include <QAbstractTableModel>
#include <deque>
#include <memory>
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
    // Calls visit(row) for every row, top row first, at a million rows' pace.
    template <class Visit>
    void ForEachShown(Visit&& visit) const
    {
        for (auto it = rows_->rbegin(); it != rows_->rend(); ++it)
            visit(*it);
    }
    int Count() const { return static_cast<int>(rows_->size()); }
    // What holds the rows' paths until the list is cleared, for SourceList::Keep.
    std::shared_ptr<const void> Storage() const { return rows_; }

    // Every row checked, with one change notification.
    void CheckAllRows();
    void Clear();

    // The text shown in a cell (names with invalid UTF-8 get replacement characters).
    QString DisplayText(int row, int column) const;

private:
    void SetChecked(int row, bool checked);
    size_t Stored(int row) const { return rows_->size() - 1 - static_cast<size_t>(row); }

    // Oldest first. Written on the window's thread only; a run's staging
    // thread reads the paths of rows it was handed, which never move.
    std::shared_ptr<std::deque<FoundFile>> rows_ = std::make_shared<std::deque<FoundFile>>();
};
