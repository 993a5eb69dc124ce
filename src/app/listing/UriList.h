#pragma once
// Local paths from the raw bytes of a text/uri-list, as file managers send
// them when files are dragged. Parsed from bytes, so a name that is not valid
// UTF-8 keeps its exact bytes (QUrl would turn it into replacement characters).
#include <QByteArray>
#include <string>
#include <string_view>
#include <vector>

// Every file: URL naming a local file (no host, or "localhost"), in list
// order, percent-decoded to bytes. Comments, other schemes, other hosts and
// paths holding a NUL byte are left out.
std::vector<std::string> LocalPathsFromUriList(const QByteArray& uriList);

// The local path of one such URL, or "" when it names no local file.
std::string LocalPathFromUri(std::string_view uri);
