// Child processes of the tests and tools: started with their own output and environment, and
// ended with the process that started them, however it ends.
#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace {

void Redirect(int from, int to) {
    if (from == kKeepOutput) return;
    const int target = from == kDiscardOutput ? open("/dev/null", O_WRONLY) : from;
    dup2(target, to);
}

}  // namespace

pid_t StartChild(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                 int out, int err) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid > 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGTERM);  // never outlive a test that crashed
    Redirect(out, STDOUT_FILENO);
    Redirect(err, STDERR_FILENO);
    for (const std::string& setting : environment) putenv(const_cast<char*>(setting.c_str()));
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

void EndChild(pid_t pid, int signal) {
    kill(pid, signal);
    waitpid(pid, nullptr, 0);
}
