#include "trainer/resultsfile.h"

#include <QtGlobal>

#include <cerrno>
#include <algorithm>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The reason in Lithuanian for the failures a school computer is likely to meet, the system's
// own words for the rest.
QString reasonOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("Nėra leidimo rašyti į šį failą ar aplanką.");
    case EISDIR:
        return QStringLiteral("kontr.txt yra aplankas, o ne failas.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Diske nebėra vietos.");
    case EFBIG:
        return QStringLiteral("Failas kontr.txt per didelis arba diske nebėra vietos.");
    case EWOULDBLOCK:
        return busyReason();
    case EROFS:
        return QStringLiteral("Diskas skirtas tik skaityti.");
    case ENOENT:
        return QStringLiteral("Darbinis aplankas nerastas.");
    case EIO:
    case ESTALE:
        return QStringLiteral("Nepavyko susisiekti su aplanku ar disku.");
    default:
        return qt_error_string(error);
    }
}


// Locks the whole file for writing (an fcntl record lock, which network file systems forward
// to the server). Asks without blocking and again after a pause that grows from 2 to 50 ms,
// until the wait is over: an SMB client waits for a blocking lock without heeding signals, so
// a blocking wait could not be cut short there. Returns 0, EWOULDBLOCK when the lock stayed
// taken, or the error of fcntl.
int lockWholeFile(int fd, std::chrono::milliseconds wait)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // to the end of the file, however long it grows
    const auto deadline = std::chrono::steady_clock::now() + wait;
    long pauseNs = 2'000'000L;
    for (;;) {
        if (::fcntl(fd, F_SETLK, &lock) == 0)
            return 0;
        if (errno != EACCES && errno != EAGAIN && errno != EINTR)
            return errno;
        if (std::chrono::steady_clock::now() >= deadline)
            return EWOULDBLOCK;
        const struct timespec pause {0, pauseNs};
        ::nanosleep(&pause, nullptr);
        pauseNs = std::min(pauseNs * 2, 50'000'000L);
    }
}

// The file system cannot lock (an SMB share or NFS server without a lock service): the line is
// then written without the lock rather than lost.
bool lockingUnsupported(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL;
}

// Opens the file for appending, for reading too where the folder allows it (the line's start and
// the written line are checked by reading); a file the pupil may only write to is appended to
// unchecked.
int openForAppending(bool& created, bool& readable)
{
    created = false;
    readable = true;
    for (;;) {
        const int access = readable ? O_RDWR : O_WRONLY;
        int fd = ::open(resultsFileName, access | O_APPEND | O_CLOEXEC);
        if (fd >= 0)
            return fd;
        if (errno == EINTR)
            continue;
        if (errno == EACCES && readable) {
            readable = false;
            continue;
        }
        if (errno != ENOENT)
            return -1;
        fd = ::open(resultsFileName, access | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            created = true;
            return fd;
        }
        if (errno != EEXIST && errno != EINTR)
            return -1;
        // Another program made the file just now: open it as it is.
    }
}

// Writes all of the bytes at the end of the file, completing short writes. Returns the count
// written and sets error when not all of it could be.
qint64 writeAll(int fd, const QByteArray& bytes, int& error)
{
    qint64 done = 0;
    error = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        error = n < 0 ? errno : ENOSPC;
        break;
    }
    return done;
}

int syncFile(int fd)
{
    int r;
    do
        r = ::fsync(fd);
    while (r != 0 && errno == EINTR);
    return r == 0 ? 0 : errno;
}

// A new file's name must reach the disk too, or a power cut can lose the whole file.
void syncWorkingDirectory()
{
    const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return;
    syncFile(dir);
    ::close(dir);
}

off_t sizeOf(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? info.st_size : -1;
}

// The bytes at offset, as many as wanted or as the file has.
QByteArray readAt(int fd, off_t offset, qsizetype wanted)
{
    QByteArray bytes(wanted, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < wanted) {
        const ssize_t n = ::pread(fd, bytes.data() + done, static_cast<size_t>(wanted - done), offset + done);
        if (n > 0)
            done += n;
        else if (n == 0 || errno != EINTR)
            break;
    }
    bytes.truncate(done);
    return bytes;
}

struct LockedFile {
    int fd = -1;
    bool created = false;
    bool readable = true;
    int error = 0; // why fd is -1
};

// The file opened and locked; a file system that cannot lock gets the line without the lock
// rather than lose it.
LockedFile openAndLock()
{
    LockedFile file;
    file.fd = openForAppending(file.created, file.readable);
    if (file.fd < 0) {
        file.error = errno;
        return file;
    }
    const int error = lockWholeFile(file.fd, resultsLockWait());
    if (error != 0 && !lockingUnsupported(error)) {
        ::close(file.fd);
        file.fd = -1;
        file.error = error;
    }
    return file;
}

// Writes the line at the end of the locked file and flushes it; at is where the written bytes
// begin. Returns 0 or the error.
int writeLine(const LockedFile& file, const QByteArray& line, off_t& at, QByteArray& bytes)
{
    const int fd = file.fd;
    // Under the lock the file ends where its last line ends. The client is made to ask the
    // server for the length: the one an SMB client kept from before the lock can be short of
    // another client's lines (seen after a server restart even with the seek to the end), and
    // the append would then write over them.
    struct statx fresh {};
    ::statx(fd, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_SIZE, &fresh);
    const off_t before = ::lseek(fd, 0, SEEK_END);
    at = before;
    bytes = line;
    // Only a program that died half-way through its line leaves the file without a line end at
    // its end: ours then starts on a line of its own, so that the torn line never swallows it.
    if (file.readable && before > 0) {
        const QByteArray last = readAt(fd, before - 1, 1);
        if (last == "\r")
            bytes.prepend('\n');
        else if (last.size() == 1 && last != "\n")
            bytes.prepend("\r\n");
    }
    int error = 0;
    const qint64 written = writeAll(fd, bytes, error);
    if (error == 0)
        error = syncFile(fd);
    // The line must be found where it was written before it is reported saved.
    if (error == 0 && file.readable && before >= 0 && readAt(fd, before, bytes.size()) != bytes)
        error = EIO;
    if (error != 0 && written > 0 && before >= 0) {
        // Cut the part of the line away again, but only while the file ends with exactly our
        // bytes: what another program may have written is never touched.
        if (sizeOf(fd) == before + written && ::ftruncate(fd, before) == 0)
            syncFile(fd);
    }
    return error;
}

} // namespace

AppendOutcome appendResult(const QString& name, int grade)
{
    const std::optional<QByteArray> line = resultLine(name, grade);
    if (!line)
        return unwritableName();

    LockedFile file = openAndLock();
    if (file.fd < 0)
        return {false, appendFailure(reasonOf(file.error))};
    const bool created = file.created;
    off_t at = -1;
    QByteArray bytes;
    int error = writeLine(file, *line, at, bytes);
    // Any other failure than a full or read-only disk may be a lost connection (a server
    // restart, which takes the lock with it): an SMB client then reports EIO, ESTALE, EBADF or
    // even EAGAIN, and the line may have reached the file all the same.
    const bool diskRefused = error == ENOSPC || error == EDQUOT || error == EFBIG || error == EROFS;
    if (error != 0 && !diskRefused && file.readable && at >= 0) {
        // The file is opened and locked again, while the server comes back, and the line written
        // anew unless it reached the file before: a later try would not know where to look.
        ::close(file.fd);
        const auto deadline = std::chrono::steady_clock::now() + resultsLockWait();
        file = openAndLock();
        while (file.fd < 0 && std::chrono::steady_clock::now() < deadline) {
            const struct timespec pause {0, 250'000'000L};
            ::nanosleep(&pause, nullptr);
            file = openAndLock();
        }
        if (file.fd < 0)
            return {false, appendFailure(reasonOf(error))};
        if (readAt(file.fd, at, bytes.size()) == bytes)
            error = 0;
        else
            error = writeLine(file, *line, at, bytes);
    }
    if (error == 0 && created)
        syncWorkingDirectory();
    // Closing releases the lock. After a successful fsync the line is on the disk, so an error
    // at closing changes nothing.
    ::close(file.fd);
    if (error != 0)
        return {false, appendFailure(reasonOf(error))};
    return {};
}
