#include "Shell.h"

#include "QtShell.h"

namespace {
Shell* g_instance = nullptr;
}

Shell& Shell::Instance()
{
    static QtShell desktop;
    return g_instance ? *g_instance : desktop;
}

Shell* Shell::SetInstance(Shell* shell)
{
    Shell* previous = g_instance;
    g_instance = shell;
    return previous;
}
