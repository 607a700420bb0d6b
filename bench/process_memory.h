// Resident memory of a process, as the kernel reports it in /proc/<pid>/status.
#pragma once

#include <sys/types.h>

// The kB value of a status field such as "VmRSS" or "VmHWM" (peak) of `pid` (0: this process),
// or -1 when it cannot be read.
long StatusFieldKb(pid_t pid, const char* field);
