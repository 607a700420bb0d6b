// Captures what is written to stdout or stderr, by this process and by programs it starts, in a
// temporary file in place of the stream's file descriptor.
#include "output_capture.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

OutputCapture::OutputCapture(std::FILE* stream) : stream_(stream) {
    char name[] = "/tmp/orrery-output-XXXXXX";
    file_ = mkstemp(name);
    if (file_ < 0) throw std::runtime_error("cannot make a file for the captured output");
    unlink(name);
    std::fflush(stream_);
    savedStream_ = dup(fileno(stream_));
    dup2(file_, fileno(stream_));
}

OutputCapture::~OutputCapture() {
    Stop();
    close(file_);
}

void OutputCapture::Stop() {
    if (savedStream_ < 0) return;
    std::fflush(stream_);
    dup2(savedStream_, fileno(stream_));
    close(savedStream_);
    savedStream_ = -1;
}

std::string OutputCapture::Text() const {
    std::fflush(stream_);
    std::string text;
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t n = pread(file_, buffer, sizeof buffer, at);
        if (n <= 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        at += n;
    }
    return text;
}
