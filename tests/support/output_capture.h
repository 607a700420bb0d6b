// Captures what is written to stdout or stderr, by this process and by programs it starts, in a
// temporary file in place of the stream's file descriptor.
#pragma once

#include <cstdio>
#include <string>

class OutputCapture {
public:
    explicit OutputCapture(std::FILE* stream);
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;
    // Gives the stream its own file back; programs started meanwhile keep writing to the file.
    void Stop();
    // Everything written so far.
    std::string Text() const;

private:
    std::FILE* stream_;
    int file_ = -1;
    int savedStream_ = -1;
};
