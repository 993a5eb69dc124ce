#pragma once
// How many threads of this process carry a name (as /proc lists them), so a
// test can tell whether threads it started are gone without counting the
// threads a library or a sanitizer runtime starts on its own.
#include <cstddef>
#include <string>

size_t threadsNamed(const std::string& name);
