#pragma once
// The zip run: files are queued with AddFile, Zip opens the archive, and the
// timer tmrNext then writes the queue in small steps (at most ten chunks of
// 128 KiB, never two files in one step, the archive's end in a step of its
// own) so the window stays responsive. Progress is reported through signals.
//
// An invisible control: a QObject with a fixed size of 28 x 28 pixels.
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SourceFileReader.h"
#include "ZipDateTimes.h"
#include "ZipFile.h"
#include "ZipWriterInterface.h"

class Zipper : public QObject {
    Q_OBJECT

public:
    using WriterFactory = std::function<std::unique_ptr<ZipWriterInterface>()>;

    static constexpr int64_t kChunkSize = 131072;
    static constexpr int kChunksPerStep = 10;
    static constexpr int kFixedSize = 28;  // pixels (420 twips)

    // Writes through the real ZipWriter.
    explicit Zipper(QObject* parent = nullptr);
    // Writes through writers made by `makeWriter` (tests pass a recording fake).
    // A fresh writer replaces one that a failed run could not close.
    explicit Zipper(WriterFactory makeWriter, QObject* parent = nullptr);
    // Stops a run under way as StopRun does.
    ~Zipper() override;

    Zipper(const Zipper&) = delete;
    Zipper& operator=(const Zipper&) = delete;

    int Width() const { return kFixedSize; }
    int Height() const { return kFixedSize; }

    // Read-only properties.
    int64_t BytesToZip() const { return bytesToZip_; }
    int64_t BytesZipped() const { return bytesZipped_; }
    const ZipFile& CurrentFile() const { return currentFile_; }
    const std::string& Failed() const { return failed_; }
    int32_t Result() const { return result_; }
    bool Zipping() const { return zipping_; }

    // Queues one file; true when it FAILED (Failed() says why, nothing queued).
    // An empty asFile becomes the source's file name. attrs 0 = the file's own.
    bool AddFile(const std::filesystem::path& sourceFile, const std::string& asFile = {},
                 int32_t zMethod = 8, int32_t zLevel = -1, int32_t attrs = 0,
                 const std::string& comment = {}, bool useLastModified = false,
                 const std::string& password = {});
    // Empties the queue; BytesToZip stays as it is.
    void ClearFiles();
    // Asks a run to stop at its next step; the run still ends with Complete(true).
    void Cancel();
    // Opens the archive and starts the run; true when it FAILED. With append
    // mode 0 the archive is written under a temporary name beside filePath and
    // takes filePath's name only when the run completes.
    bool Zip(const std::filesystem::path& filePath, int32_t appendMode = 0);
    // Ends a run at once without any event (for the window's shutdown): the
    // timer stops, the source and the archive are closed and the temporary
    // archive is deleted, so an archive that had the name before stays.
    void StopRun();

    // One step of the run; tmrNext calls it, tests may call it directly.
    void tmrNext_Timer();
    QTimer& tmrNext() { return tmrNext_; }

signals:
    void Complete(bool Canceled);
    void EndFile();
    void Error();
    void Progress();
    void StartFile();

private:
    void openEntry();
    void endRun();
    void fail(const char* step);
    void releaseArchive();
    void resetRunState();
    bool stale(uint64_t run) const { return run != runId_; }

    WriterFactory makeWriter_;
    std::unique_ptr<ZipWriterInterface> writer_;
    std::deque<ZipFile> queue_;
    ZipDateTimes dates_;
    QTimer tmrNext_;

    SourceFileReader source_;
    std::vector<unsigned char> buffer_;
    int64_t bytesRemaining_ = 0;
    bool crcPass_ = false;
    bool crcEntryDropped_ = false;  // ClearFiles ran during the CRC pass
    bool encryptedWrite_ = false;   // the entry being written has a password
    int32_t prePassCrc_ = 0;
    uint32_t writeCrc_ = 0;         // CRC of the bytes written for an encrypted entry

    int64_t bytesToZip_ = 0;
    int64_t bytesZipped_ = 0;
    bool cancelRequest_ = false;
    ZipFile currentFile_;
    std::string failed_;
    int32_t result_ = 0;
    bool zipping_ = false;
    uint64_t runId_ = 0;  // changes whenever a run starts or stops

    std::filesystem::path archivePath_;  // the name the archive gets
    std::filesystem::path writePath_;    // where it is written meanwhile
    bool writesTemporary_ = false;
};
