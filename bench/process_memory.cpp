// Resident memory of a process, as the kernel reports it in /proc/<pid>/status.
#include "process_memory.h"

#include <fstream>
#include <string>

long StatusFieldKb(pid_t pid, const char* field) {
    const std::string path = "/proc/" + (pid == 0 ? "self" : std::to_string(pid)) + "/status";
    std::ifstream status(path);
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(prefix, 0) == 0) return std::stol(line.substr(prefix.size()));
    }
    return -1;
}
