#pragma once

#include "engine/InstallEngine.h"

#include <sys/resource.h>

// What the benchmarks share: an engine whose state they can set as the operations would, and the
// process's CPU time so far.
class BenchEngine : public InstallEngine
{
public:
    using InstallEngine::InstallEngine;
    using InstallEngine::setState;
};

inline double processCpuMs()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}
