#pragma once
// Another copy of the program in a file's turn of saves (KolejZapisu,
// platform/ZapisTymczasowe.h): its own open file holding the byte whose
// lock is the turn.
#include <fcntl.h>
#include <string>
#include <unistd.h>

// The open file holding the turn, to be closed to let go; -1 where the
// turn could not be taken.
inline int KolejPliku(const std::string& plik)
{
    const int fd = ::open(plik.c_str(), O_WRONLY | O_CLOEXEC);
    struct flock f {};
    f.l_type = F_WRLCK;
    f.l_whence = SEEK_SET;
    f.l_start = off_t{1} << 30;
    f.l_len = 1;
    if (fd >= 0 && ::fcntl(fd, F_OFD_SETLK, &f) == 0)
        return fd;
    if (fd >= 0)
        ::close(fd);
    return -1;
}
