// Child processes of the tests and tools: started with their own output and environment, and
// ended with the process that started them, however it ends.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// Where a child's standard output or error goes when it is not a descriptor of the caller's.
inline constexpr int kDiscardOutput = -1;  // /dev/null
inline constexpr int kKeepOutput = -2;     // the caller's own

// Starts `argv` (argv[0] a path, or a name looked up in PATH) with `environment` ("NAME=value"
// each) added to the caller's, its stdout on `out` and its stderr on `err`. Descriptors the
// child must not keep are to be close-on-exec. Throws std::runtime_error when fork fails.
pid_t StartChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 int out, int err);

// Sends `signal` to the child and waits until it has ended.
void EndChild(pid_t pid, int signal);
