#pragma once
// What the harnesses share: the Qt application some parsers need, a scratch
// folder on tmpfs (so that files the harness writes cost no disk), and a
// check that stops the run with a message where a harness finds a fault.
#include <filesystem>
#include <string_view>

namespace fuzz {

// A QGuiApplication on the offscreen platform, made once.
void EnsureApplication();

// A folder of this process's own under /dev/shm (or the temporary folder),
// made once and removed at exit.
const std::filesystem::path& ScratchFolder();

// Aborts (so libFuzzer keeps the input) with `what` when `ok` is false.
void Check(bool ok, std::string_view what);

}  // namespace fuzz
