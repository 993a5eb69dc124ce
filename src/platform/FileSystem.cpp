#include "FileSystem.h"

#include "LinuxFileSystem.h"

namespace {
FileSystem* g_instance = nullptr;
}

std::string FileSystem::GetFileName(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

FileSystem& FileSystem::Instance()
{
    static LinuxFileSystem real;
    return g_instance ? *g_instance : real;
}

FileSystem* FileSystem::SetInstance(FileSystem* fileSystem)
{
    FileSystem* previous = g_instance;
    g_instance = fileSystem;
    return previous;
}
