#pragma once
// One file waiting in the Zipper's queue, with everything its archive entry
// needs. A plain record: the Zipper fills it in AddFile and reads it back when
// the file's turn comes.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "FileTimes.h"
#include "SourceStamp.h"

struct ZipFile {
    // Full path of the file to read. Plain bytes: a std::filesystem::path
    // keeps each of its components besides, some 400 bytes a file in a
    // queue of 100,000.
    std::string SourceFile;
    std::string AsFile;                // entry name in the archive (bytes as given)
    int32_t ZMethod = 8;               // 8 deflate, 0 stored
    int32_t ZLevel = -1;               // -1 default, 0-9
    int32_t Attrs = 0;                 // attribute bits handed to the writer
    std::string Comment;
    double FileDate = 0;               // days since 30 Dec 1899; 0 = time the entry is opened
    // The file's own times (UTC, exact), kept beside FileDate in the entry's
    // time extra fields; none for an entry not dated by its file.
    std::optional<FileTimes> Times;
    std::string Password;              // empty = not encrypted
    bool NeedCRC = false;              // still needs its CRC pre-pass (encrypted entries)
    int64_t ByteCount = 0;             // length measured when queued; that many bytes are written
    // The file as it was measured, when its measurer knew it: opening it for
    // its turn finds the same file unchanged, or the run fails on ReadFile.
    SourceStamp Stamp;
};
