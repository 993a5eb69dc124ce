// The command line, as any program (a file manager, a desktop file, a
// script) may start the program with: arguments are the input's pieces
// between NUL bytes, the first piece the current folder. Parsing never
// fails to decide, and whatever it answers can be printed.
#include "CommandLine.h"
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> pieces;
    std::string piece;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece.push_back(static_cast<char>(data[i]));
        }
    }
    pieces.push_back(piece);
    const std::string currentFolder = pieces.front();
    pieces.erase(pieces.begin());

    const CommandLine line = CommandLine::Parse(pieces, currentFolder);
    const CommandLine again = CommandLine::Parse(pieces, currentFolder);
    fuzz::Check(line.action() == again.action(), "the same arguments parsed two ways");
    fuzz::Check(line.qtArguments().size() <= pieces.size(), "more Qt arguments than arguments");
    if (line.action() != CommandLine::Action::OpenWindow) {
        std::ostringstream out, err;
        const int status = line.Answer(out, err);
        fuzz::Check(status == 0 || !err.str().empty(), "a failing answer with nothing said");
    }
    return 0;
}
