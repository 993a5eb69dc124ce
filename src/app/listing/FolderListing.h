#pragma once
// Lists folders for the found-files list on a thread of its own, so that a
// folder of many thousand files (or a slow disk) never holds the window: the
// thread checks each folder and scans it (FolderScan), and the window's
// thread takes the rows in slices of a few milliseconds each, in the order
// the folders were given. Batches (a drop, a Browse, the command line) are
// listed one after the other; each ends with its `done` on the window's
// thread, once all its rows are in. The thread shares nothing with the
// window but the finished folders it hands over under a lock. Where the
// listing cannot go on (no thread or no wake-up channel to be had, or its
// work failed on the way), every folder not listed yet ends its batch as
// unreadable, with the system's reason.
#include "Failure.h"
#include "FoundFile.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class WorkerWakeUp;

class FolderListing : public QObject {
    Q_OBJECT
public:
    // The listing thread's name as the system lists it.
    static constexpr const char* kThreadName = "vz-listing";

    struct Folder {
        std::string path;      // as given: what a message names
        std::string scanPath;  // ends in "/": each row's full path is scanPath + name
    };
    struct Outcome {
        int added = 0;
        // Each folder not taken, in the order given: NotAFolder (nothing is
        // there, or not a folder) or FolderUnreadable (its rows read before
        // the failure are listed).
        std::vector<Failure> notTaken;
    };
    // Takes the rows of one slice, top row last; on the window's thread.
    using RowSink = std::function<void(std::vector<FoundFile>::iterator first, std::vector<FoundFile>::iterator last)>;

    explicit FolderListing(RowSink sink, QObject* parent = nullptr);
    // Stops as Stop does.
    ~FolderListing() override;

    // Lists the folders with the extension row given (read now, so a row
    // chosen meanwhile does not change this batch) and calls done afterwards.
    void List(std::vector<Folder> folders, const QString& filterRow, std::function<void(const Outcome&)> done);
    // True while a batch is being listed or its rows taken.
    bool Busy() const { return !batches_.empty(); }
    // Forgets every batch (no `done` is called) and joins the thread; a
    // folder being scanned is left within a few entries.
    void Stop();

private:
    struct Listed {
        uint64_t batch = 0;
        std::optional<Failure> notTaken;
        std::vector<FoundFile> rows;
        size_t taken = 0;
        bool lastOfBatch = false;
    };
    struct Job {
        uint64_t batch = 0;
        std::vector<Folder> folders;
        QString filterRow;
    };
    struct Batch {
        uint64_t id = 0;
        Outcome outcome;
        std::function<void(const Outcome&)> done;
        std::vector<std::string> paths;  // each folder as given
        size_t ended = 0;                // folders whose result is in
    };

    void Work(std::stop_token stop);
    void TakeSome();
    // False (the listing failed) when no thread could be started.
    bool EnsureThread();
    // The listing cannot go on: every batch not ended fails, from the event loop.
    void Fail(std::error_code reason);
    // Ends the first batch, its folders not listed yet unreadable for `reason`.
    void EndFailedBatch(std::error_code reason);

    RowSink sink_;
    std::unique_ptr<WorkerWakeUp> wake_;
    std::deque<Batch> batches_;      // window's thread only
    std::optional<Listed> current_;  // the folder whose rows are being taken
    uint64_t nextBatch_ = 0;
    bool taking_ = false;
    std::error_code failed_;  // why the listing cannot go on (window's thread)

    std::mutex mutex_;
    std::condition_variable_any wanted_;
    std::deque<Job> jobs_;        // guarded by mutex_
    std::deque<Listed> listed_;   // guarded by mutex_
    std::error_code broken_;      // guarded by mutex_: why the thread's work failed
    std::jthread thread_;
};
