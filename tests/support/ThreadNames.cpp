#include "ThreadNames.h"

#include <filesystem>
#include <fstream>

size_t threadsNamed(const std::string& name)
{
    size_t count = 0;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
        std::ifstream comm(task.path() / "comm");
        std::string line;
        if (std::getline(comm, line) && line == name)
            ++count;
    }
    return count;
}
