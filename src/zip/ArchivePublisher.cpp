#include "ArchivePublisher.h"

#include "ArchiveProof.h"
#include "TemporaryArchive.h"
#include "ThreadStart.h"
#include "ZipWriterInterface.h"

ArchivePublisher::ArchivePublisher(ZipWriterInterface& writer, ArchiveProof* proof, TemporaryArchive& temporary,
                                   std::filesystem::path archive)
    : writer_(writer), proof_(proof), temporary_(temporary), archive_(std::move(archive))
{
}

bool ArchivePublisher::Start(std::function<void()> done)
{
    try {
        thread_ = ThreadStart::Launch<std::jthread>(
            kThreadName,
            [this, done] {
                publish();
                done_ = true;
                done();
            },
            // The run ends with the reason, the archive not named.
            [this, done](std::error_code reason) {
                if (!outcome_.named) {
                    outcome_.failed = ZipFailure::CloseZip;
                    outcome_.reason = reason;
                }
                done_ = true;
                done();
            });
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

void ArchivePublisher::publish()
{
    if (writer_.CloseZip() || writer_.Result() != 0) {
        outcome_.failed = ZipFailure::CloseZip;
        return;
    }
    if (proof_ != nullptr) {
        if (const auto proven = proof_->Finish(); !proven) {
            // The archive was closed whole; only its temporary file goes.
            outcome_.failed = ZipFailure::ProveZip;
            outcome_.proof = proven.kind();
            outcome_.reason = proven.code();
            return;
        }
    }
    if (!temporary_.Held()) {
        outcome_.named = true;  // written in place
        return;
    }
    Stage closing = Stage::Closing;
    if (!stage_.compare_exchange_strong(closing, Stage::Renaming))
        return;  // stopped before the rename: the run deletes the file
    if (const auto renamed = temporary_.Publish(archive_); !renamed) {
        outcome_.failed = ZipFailure::RenameZip;
        outcome_.reason = renamed.code();
        return;
    }
    outcome_.named = true;
}

const ArchivePublisher::Outcome& ArchivePublisher::Join()
{
    if (thread_.joinable())
        thread_.join();
    return outcome_;
}

bool ArchivePublisher::Stop()
{
    if (thread_.joinable()) {
        Stage closing = Stage::Closing;
        stage_.compare_exchange_strong(closing, Stage::Stopped);
        thread_.request_stop();
        thread_.join();
    }
    return outcome_.named;
}
