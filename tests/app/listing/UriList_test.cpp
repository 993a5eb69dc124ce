#include "UriList.h"

#include <gtest/gtest.h>

namespace {

struct UriCase {
    const char* what;
    QByteArray list;
    std::vector<std::string> paths;
};

TEST(UriList, LocalPathsFromRawBytes)
{
    const UriCase cases[] = {
        {"two folders in order", "file:///home/u/b\r\nfile:///home/u/a\r\n", {"/home/u/b", "/home/u/a"}},
        {"no final line break", "file:///x", {"/x"}},
        {"bare line feeds", "file:///x\nfile:///y\n", {"/x", "/y"}},
        {"comments and blank lines", "# from a file manager\r\n\r\nfile:///x\r\n", {"/x"}},
        {"percent-decoding to bytes", "file:///home/u/My%20Docs/caf%E9%FF", {"/home/u/My Docs/caf\xe9\xff"}},
        {"UTF-8 stays as bytes", "file:///d/%C3%A9t%C3%A9", {"/d/\xC3\xA9t\xC3\xA9"}},
        {"localhost is local", "file://localhost/srv/data\r\nfile://LOCALHOST/srv/x", {"/srv/data", "/srv/x"}},
        {"other hosts are not", "file://server/share/x\r\nfile://localhost.example/x", {}},
        {"one-slash form", "file:/tmp/x", {"/tmp/x"}},
        {"other schemes", "http://example.com/a\r\nsmb://host/share\r\ntrash:///a", {}},
        {"scheme ignores case", "FILE:///upper", {"/upper"}},
        {"query and fragment cut", "file:///a/b%23c?x=1#frag", {"/a/b#c"}},
        {"stray percent kept", "file:///a/100%/b%2", {"/a/100%/b%2"}},
        {"NUL byte rejected", "file:///a%00b\r\nfile:///ok", {"/ok"}},
        {"root", "file:///", {"/"}},
        {"empty", "", {}},
        {"host without path", "file://localhost", {}},
    };
    for (const UriCase& c : cases)
        EXPECT_EQ(LocalPathsFromUriList(c.list), c.paths) << c.what;
}

} // namespace
