#include "trainer/resultsfile.h"

#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <ctime>

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef sigev_notify_thread_id
#define sigev_notify_thread_id _sigev_un._tid
#endif

namespace {

QString failure(const QString& reason)
{
    return QStringLiteral("Nepavyko įrašyti rezultato į failą kontr.txt.\nPriežastis: %1").arg(reason);
}

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
        return QStringLiteral("Failas kontr.txt užimtas: į jį dabar rašo kita programa. Užsirašykite pažymį.");
    case EROFS:
        return QStringLiteral("Diskas skirtas tik skaityti.");
    case ENOENT:
        return QStringLiteral("Darbinis aplankas nerastas.");
    default:
        return qt_error_string(error);
    }
}

// The signal that wakes a lock wait at its deadline. Its handler does nothing: it is there so
// that the signal interrupts fcntl (no SA_RESTART) instead of ending the program.
const int wakeSignal = SIGRTMIN + 3;

void ignoreWake(int) {}

void installWakeHandler()
{
    static const bool installed = [] {
        struct sigaction action {};
        action.sa_handler = ignoreWake;
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        return ::sigaction(wakeSignal, &action, nullptr) == 0;
    }();
    (void)installed;
}

// Locks the whole file for writing (an fcntl record lock, which network file systems forward
// to the server). Waits in F_SETLKW, so that waiting programs take turns, until the deadline,
// when a timer aimed at this thread interrupts the wait; the timer fires again every 20 ms
// after it, in case the first signal came just before the wait began. Returns 0, EWOULDBLOCK
// when the lock stayed taken, or the error of fcntl.
int lockWholeFile(int fd, std::chrono::milliseconds wait)
{
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0; // to the end of the file, however long it grows
    if (::fcntl(fd, F_SETLK, &lock) == 0)
        return 0;
    if (errno != EACCES && errno != EAGAIN && errno != EINTR)
        return errno;
    if (wait.count() <= 0)
        return EWOULDBLOCK;

    installWakeHandler();
    sigset_t wake, previousMask;
    sigemptyset(&wake);
    sigaddset(&wake, wakeSignal);
    ::pthread_sigmask(SIG_UNBLOCK, &wake, &previousMask);

    struct sigevent event {};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = wakeSignal;
    event.sigev_notify_thread_id = ::gettid();
    const auto deadline = std::chrono::steady_clock::now() + wait;
    timer_t timer;
    if (::timer_create(CLOCK_MONOTONIC, &event, &timer) != 0) {
        // No timer to be had: ask again every 10 ms instead.
        ::pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
        while (std::chrono::steady_clock::now() < deadline) {
            const struct timespec pause {0, 10'000'000L};
            ::nanosleep(&pause, nullptr);
            if (::fcntl(fd, F_SETLK, &lock) == 0)
                return 0;
            if (errno != EACCES && errno != EAGAIN && errno != EINTR)
                return errno;
        }
        return EWOULDBLOCK;
    }
    struct itimerspec when {};
    when.it_value.tv_sec = static_cast<time_t>(wait.count() / 1000);
    when.it_value.tv_nsec = static_cast<long>(wait.count() % 1000) * 1'000'000L;
    when.it_interval.tv_nsec = 20'000'000L;
    ::timer_settime(timer, 0, &when, nullptr);

    int result;
    for (;;) {
        if (::fcntl(fd, F_SETLKW, &lock) == 0) {
            result = 0;
            break;
        }
        if (errno != EINTR) {
            result = errno;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            result = EWOULDBLOCK;
            break;
        }
    }
    // A signal of the timer still on its way is taken by the handler, which stays installed.
    ::timer_delete(timer);
    ::pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
    return result;
}

// The file system cannot lock (an SMB share or NFS server without a lock service): the line is
// then written without the lock rather than lost.
bool lockingUnsupported(int error)
{
    return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL;
}

int openForAppending(bool& created)
{
    created = false;
    for (;;) {
        int fd = ::open(resultsFileName, O_WRONLY | O_APPEND | O_CLOEXEC);
        if (fd >= 0)
            return fd;
        if (errno == EINTR)
            continue;
        if (errno != ENOENT)
            return -1;
        fd = ::open(resultsFileName, O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
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

} // namespace

AppendOutcome appendResult(const QString& name, int grade)
{
    const std::optional<QByteArray> line = resultLine(name, grade);
    if (!line)
        return {false, failure(QStringLiteral(
                           "Varde yra ženklų, kurių negalima įrašyti koduote Windows-1257."))};

    bool created = false;
    const int fd = openForAppending(created);
    if (fd < 0)
        return {false, failure(reasonOf(errno))};

    int error = lockWholeFile(fd, resultsLockWait());
    const bool locked = error == 0;
    if (!locked && !lockingUnsupported(error)) {
        ::close(fd);
        return {false, failure(reasonOf(error))};
    }

    // Under the lock the file ends where its last line ends (on a network file system taking
    // the lock also brings the size up to date), and every write of ours lands there.
    const off_t before = sizeOf(fd);
    const qint64 written = writeAll(fd, *line, error);
    if (error == 0)
        error = syncFile(fd);
    if (error != 0 && written > 0 && before >= 0) {
        // Cut the part of the line away again, but only while the file ends with exactly our
        // bytes: what another program may have written is never touched.
        if (sizeOf(fd) == before + written && ::ftruncate(fd, before) == 0)
            syncFile(fd);
    }
    if (error == 0 && created)
        syncWorkingDirectory();
    // Closing releases the lock. After a successful fsync the line is on the disk, so an error
    // at closing changes nothing.
    ::close(fd);
    if (error != 0)
        return {false, failure(reasonOf(error))};
    return {};
}
