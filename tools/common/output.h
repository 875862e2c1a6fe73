#pragma once

// Standard input and output of the command-line tools, checked: a tool that could not read
// all of its input or write all of its output says so and fails, never reports success over
// a truncated file.

#include <QByteArray>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace vindra::tools {

/// Opens the null device on a standard stream that the tool was started without, the wrong
/// way round (standard input for writing only, the outputs for reading only): every read or
/// write on it then fails and is reported, and no file the tool opens later can take the
/// stream's place and receive its output.
inline void guardStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    }
}

/// Reads all of standard input into `out`. False, with the system's words in `why`, when a
/// read fails (standard input closed, a directory, an I/O error).
inline bool readStandardInput(QByteArray& out, const char** why)
{
    out.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *why = std::strerror(errno);
            return false;
        }
        out.append(buffer, n);
    }
}

/// The exit code of a tool that has finished with `code`: 1, after a message on standard
/// error, when what it wrote to standard output did not all arrive (a full disk, a closed
/// output); `code` otherwise.
inline int finishOutput(const char* program, int code)
{
    const bool flushed = std::fflush(stdout) == 0;
    const int err = errno;
    if (flushed && !std::ferror(stdout))
        return code;
    std::fprintf(stderr, "%s: cannot write the output: %s\n", program,
                 flushed || err == 0 ? "a write failed" : std::strerror(err));
    return 1;
}

} // namespace vindra::tools
