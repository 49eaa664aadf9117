#pragma once
// Flushes that fail, as on a failing disk: while `bladPliku` is set a file's
// flush fails with it, while `bladKatalogu` a folder's. A test program
// linked with --wrap=fsync includes this (in one file or more: the wrap is
// weak).
#include <cerrno>
#include <sys/stat.h>

inline int bladPliku = 0;
inline int bladKatalogu = 0;

extern "C" int __real_fsync(int fd);
extern "C" [[gnu::weak]] int __wrap_fsync(int fd)
{
    struct stat st {};
    const int nr = ::fstat(fd, &st) != 0 ? 0 : S_ISDIR(st.st_mode) ? bladKatalogu : bladPliku;
    if (nr != 0) {
        errno = nr;
        return -1;
    }
    return __real_fsync(fd);
}
