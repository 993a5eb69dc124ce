#include "BenchOptions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void usage(const char* problem)
{
    std::fprintf(stderr,
                 "%s\nusage: workflow_bench [--corpus DIR] [--out DIR] [--parts a,b] [--reps N] [--label TEXT]\n"
                 "                      [--no-peers] [--one-core] [--cold] [--links every|none|large]\n",
                 problem);
    std::exit(2);
}

}  // namespace

BenchOptions parseBenchOptions(int argc, char** argv)
{
    BenchOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc)
                usage(("missing value after " + a).c_str());
            return argv[++i];
        };
        if (a == "--corpus")
            o.corpus = next();
        else if (a == "--reps")
            o.reps = std::max(1, std::atoi(next().c_str()));
        else if (a == "--parts")
            o.parts = bench::splitList(next());
        else if (a == "--label")
            o.label = next();
        else if (a == "--no-peers")
            o.peers = false;
        else if (a == "--one-core")
            o.oneCore = true;
        else if (a == "--out")
            o.out = next();
        else if (a == "--cold")
            o.cold = true;
        else if (a == "--links") {
            o.links = next();
            if (o.links != "every" && o.links != "none" && o.links != "large")
                usage(("--links takes every, none or large, not " + o.links).c_str());
        } else if (a == "--window-run")
            o.windowRunPart = next();
        else if (a == "--work")
            o.workDir = next();
        else if (a == "--unproven")
            o.unproven = true;
        else
            usage(("unknown argument " + a).c_str());
    }
    // The label is one word of the machine-readable lines.
    std::replace_if(o.label.begin(), o.label.end(), [](char c) { return c == ' ' || c == '\t' || c == '='; }, '_');
    if (o.label.empty())
        o.label = "run";
    return o;
}
