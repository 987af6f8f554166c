#pragma once
// Memory of the benchmark process, for the counters of the document benchmarks.

#include <QFile>
#include <sys/resource.h>
#include <unistd.h>

namespace tessaro::bench {

// Peak resident memory of the process so far.
inline double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Resident memory now, from the second field of /proc/self/statm (pages).
inline double residentMegabytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toDouble() * double(getpagesize()) / (1024.0 * 1024.0);
}

} // namespace tessaro::bench
