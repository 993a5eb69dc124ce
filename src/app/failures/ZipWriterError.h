#pragma once
// The zip writer's numeric Result as an error code, for a run that ended with
// no reason the system could give.
#include <system_error>

const std::error_category& ZipWriterCategory();
