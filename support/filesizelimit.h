#pragma once

// A full disk without root or a special filesystem: while one of these
// lives, this process may not make a file larger than `bytes`, and a write
// past it fails with EFBIG instead of killing the process (SIGXFSZ is
// ignored). Files already larger can still be read.

#include <csignal>
#include <sys/resource.h>

namespace support {

class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &was);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = was;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &was);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // For a child process: call between fork and exec (QProcess's child
    // process modifier), where only async-signal-safe calls are allowed.
    static void applyInChild(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited{};
        getrlimit(RLIMIT_FSIZE, &limited);
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }

private:
    rlimit was{};
    void (*previousHandler)(int) = SIG_DFL;
};

} // namespace support
