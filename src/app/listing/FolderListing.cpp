#include "FolderListing.h"

#include "FileSystem.h"
#include "FolderScan.h"
#include "WorkerWakeUp.h"

#include "ThreadStart.h"

#include <chrono>

FolderListing::FolderListing(RowSink sink, QObject* parent) : QObject(parent), sink_(std::move(sink)) {}

FolderListing::~FolderListing()
{
    Stop();
}

bool FolderListing::EnsureThread()
{
    if (thread_.joinable())
        return true;
    try {
        thread_ = ThreadStart::Launch<std::jthread>(
            kThreadName, [this](std::stop_token stop) { Work(stop); },
            [this](std::error_code reason) {
                {
                    std::lock_guard lock(mutex_);
                    broken_ = reason;
                }
                wake_->Notify();
            });
    } catch (const std::system_error& refused) {
        Fail(refused.code());
        return false;
    }
    return true;
}

void FolderListing::List(std::vector<Folder> folders, const QString& filterRow,
                         std::function<void(const Outcome&)> done)
{
    const uint64_t id = ++nextBatch_;
    Batch batch{id, {}, std::move(done), {}, 0};
    for (const Folder& folder : folders)
        batch.paths.push_back(folder.path);
    batches_.push_back(std::move(batch));
    // Made for each listing until one works: without it no row would ever
    // reach the window, so the listing fails with the system's reason.
    if (!wake_ || wake_->Error())
        wake_ = std::make_unique<WorkerWakeUp>([this] { TakeSome(); });
    if (wake_->Error()) {
        Fail(wake_->Error());
        return;
    }
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back({id, std::move(folders), filterRow});
    }
    if (EnsureThread())
        wanted_.notify_one();
}

void FolderListing::Fail(std::error_code reason)
{
    failed_ = reason;
    QMetaObject::invokeMethod(this, &FolderListing::TakeSome, Qt::QueuedConnection);
}

void FolderListing::Stop()
{
    if (thread_.joinable()) {
        thread_.request_stop();
        wanted_.notify_one();
        thread_.join();
    }
    thread_ = std::jthread();
    jobs_.clear();
    listed_.clear();
    broken_.clear();
    failed_.clear();
    current_.reset();
    batches_.clear();
}

void FolderListing::Work(std::stop_token stop)
{
    while (!stop.stop_requested()) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            if (!wanted_.wait(lock, stop, [this] { return !jobs_.empty(); }))
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        if (job.folders.empty())
            job.folders.emplace_back();  // still one (empty) result, so the batch ends
        for (size_t i = 0; i < job.folders.size() && !stop.stop_requested(); ++i) {
            const Folder& folder = job.folders[i];
            Listed listed;
            listed.batch = job.batch;
            listed.lastOfBatch = i + 1 == job.folders.size();
            if (folder.scanPath.empty()) {
                // the stand-in of an empty batch
            } else if (const std::error_code why = FileSystem::Instance().FolderError(folder.path)) {
                listed.notTaken = Failure{.kind = FailureKind::NotAFolder, .code = why, .path = folder.path};
            } else {
                FolderScanResult scan = FolderScan::Run(folder.scanPath, job.filterRow, stop);
                if (stop.stop_requested())
                    return;
                listed.rows = std::move(scan.rows);
                if (scan.error)
                    listed.notTaken =
                        Failure{.kind = FailureKind::FolderUnreadable, .code = scan.error, .path = folder.path};
            }
            {
                std::lock_guard lock(mutex_);
                listed_.push_back(std::move(listed));
            }
            wake_->Notify();
        }
    }
}

void FolderListing::EndFailedBatch(std::error_code reason)
{
    Batch ended = std::move(batches_.front());
    batches_.pop_front();
    for (size_t i = ended.ended; i < ended.paths.size(); ++i)
        ended.outcome.notTaken.push_back(
            Failure{.kind = FailureKind::FolderUnreadable, .code = reason, .path = ended.paths[i]});
    if (batches_.empty()) {
        // Ready for the next listing: a thread whose work failed has ended.
        if (thread_.joinable())
            thread_.join();
        thread_ = std::jthread();
        std::lock_guard lock(mutex_);
        jobs_.clear();
        broken_.clear();
        failed_.clear();
    }
    if (ended.done)
        ended.done(ended.outcome);
    if (!batches_.empty())
        QMetaObject::invokeMethod(this, &FolderListing::TakeSome, Qt::QueuedConnection);
}

void FolderListing::TakeSome()
{
    // A message box opened by a batch's `done` runs a loop of its own; the
    // rows after it wait until it has closed.
    if (taking_)
        return;
    taking_ = true;
    // Inserting and measuring a row costs a few microseconds: a slice of a
    // few milliseconds keeps the window answering while 100,000 rows come in.
    constexpr auto kSlice = std::chrono::milliseconds(8);
    constexpr size_t kRowsBetweenClockReads = 256;
    const auto until = std::chrono::steady_clock::now() + kSlice;
    bool more = true;
    while (std::chrono::steady_clock::now() < until) {
        if (!current_) {
            std::error_code failed = failed_;
            {
                std::lock_guard lock(mutex_);
                if (listed_.empty() && !failed)
                    failed = broken_;
                if (listed_.empty() && !failed) {
                    more = false;
                    break;
                }
                if (!listed_.empty()) {
                    current_ = std::move(listed_.front());
                    listed_.pop_front();
                }
            }
            if (!current_) {
                // Every row listed is in: the batches left end with the reason, one per turn.
                taking_ = false;
                if (!batches_.empty())
                    EndFailedBatch(failed);
                return;
            }
        }
        Listed& folder = *current_;
        const size_t count = std::min(kRowsBetweenClockReads, folder.rows.size() - folder.taken);
        if (count > 0) {
            const auto first = folder.rows.begin() + static_cast<std::ptrdiff_t>(folder.taken);
            folder.taken += count;
            sink_(first, first + static_cast<std::ptrdiff_t>(count));
        }
        if (folder.taken < folder.rows.size())
            continue;
        Listed finished = std::move(*current_);
        current_.reset();
        if (batches_.empty() || batches_.front().id != finished.batch)
            continue;  // from a batch that was stopped
        Batch& batch = batches_.front();
        ++batch.ended;
        batch.outcome.added += static_cast<int>(finished.rows.size());
        if (finished.notTaken)
            batch.outcome.notTaken.push_back(std::move(*finished.notTaken));
        if (finished.lastOfBatch) {
            Batch ended = std::move(batch);
            batches_.pop_front();
            // The batch's end may open a message box: the next slice comes
            // from the event loop once it has closed.
            if (ended.done)
                ended.done(ended.outcome);
            taking_ = false;
            QMetaObject::invokeMethod(this, &FolderListing::TakeSome, Qt::QueuedConnection);
            return;
        }
    }
    taking_ = false;
    if (more)
        QMetaObject::invokeMethod(this, &FolderListing::TakeSome, Qt::QueuedConnection);
}
