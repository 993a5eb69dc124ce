#pragma once
// The found-files list view: a report list with check boxes (a table without
// grid or row numbers, so assistive technology reads rows and cells) that takes
// folders dropped from a file manager. Drops are always accepted as copies,
// never as moves, because a move lets the file manager delete the originals.
#include <QTableView>

class QMimeData;

class FileListView : public QTableView {
    Q_OBJECT
public:
    explicit FileListView(QWidget* parent = nullptr);

    // Sets each column as wide as the wider of its header and its widest cell,
    // measuring every row (Qt's own fitting looks at the first rows only).
    void AutoSizeColumns();
    // Measures the rows added since the last measuring without resizing, so
    // that rows coming in slices are measured a slice at a time.
    void MeasureNewRows();

public slots:
    void reset() override;

signals:
    // A drop of a file list; the handler reads it before the event ends.
    void OLEDragDrop(const QMimeData* data);
    void DblClick();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int ColumnWidth(int column) const;

    // Widths measured so far, so a drop onto a long list measures only the new rows.
    struct Measured {
        int rows = 0;
        int widest[2] = {0, 0};
        QFont font;
    };
    mutable Measured measured_;
};
