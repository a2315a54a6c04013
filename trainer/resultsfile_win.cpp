// Appending to "kontr.txt" on Windows, with the promises of the POSIX version (resultsfile.h):
// the whole file locked (LockFileEx, which SMB passes on to the server) with the same bounded
// wait, the whole line written at the end seen under the lock (on a line of its own after a
// torn one), FlushFileBuffers and the line read back before success is told, and a line that
// could not be finished cut away again with SetEndOfFile.
#include "trainer/resultsfile.h"

#include <QtGlobal>

#include <chrono>
#include <thread>

#include <windows.h>

namespace {

// ERROR_DISK_QUOTA_EXCEEDED, which mingw's headers lack.
constexpr DWORD diskQuotaExceeded = 1295;

// The reason in Lithuanian for the failures a school computer is likely to meet, the system's
// own words for the rest.
QString reasonOf(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
        if (const DWORD attributes = GetFileAttributesW(L"kontr.txt");
            attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return QStringLiteral("kontr.txt yra aplankas, o ne failas.");
        return QStringLiteral("Nėra leidimo rašyti į šį failą ar aplanką.");
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case diskQuotaExceeded:
        return QStringLiteral("Diske nebėra vietos.");
    case ERROR_FILE_TOO_LARGE:
        return QStringLiteral("Failas kontr.txt per didelis arba diske nebėra vietos.");
    case ERROR_LOCK_VIOLATION:
    case ERROR_SHARING_VIOLATION:
        return busyReason();
    case ERROR_WRITE_PROTECT:
        return QStringLiteral("Diskas skirtas tik skaityti.");
    case ERROR_PATH_NOT_FOUND:
        return QStringLiteral("Darbinis aplankas nerastas.");
    default:
        return qt_error_string(static_cast<int>(error));
    }
}

// Windows offers no lock wait that a deadline can end on every file system (a blocking
// LockFileEx cannot be cancelled, and Wine does not queue overlapped lock requests), so the
// waits below ask again every 10 ms until the deadline.
constexpr std::chrono::milliseconds retryPause{10};

// Opens the file for writing, creating it when missing, shared with the other pupils' programs.
// Another program that holds it open without sharing (an editor, say) is waited for like a lock.
HANDLE openForAppending(std::chrono::steady_clock::time_point deadline, DWORD& error)
{
    for (;;) {
        const HANDLE file = CreateFileW(L"kontr.txt", GENERIC_READ | GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION || std::chrono::steady_clock::now() >= deadline)
            return INVALID_HANDLE_VALUE;
        std::this_thread::sleep_for(retryPause);
    }
}

// Locks the whole file, however long it grows, for writing. Returns 0, ERROR_LOCK_VIOLATION
// when it stayed taken until the deadline, or another error.
DWORD lockWholeFile(HANDLE file, std::chrono::steady_clock::time_point deadline)
{
    for (;;) {
        OVERLAPPED from{}; // offset 0
        if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &from))
            return 0;
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING)
            return error;
        if (std::chrono::steady_clock::now() >= deadline)
            return ERROR_LOCK_VIOLATION;
        std::this_thread::sleep_for(retryPause);
    }
}

void unlockWholeFile(HANDLE file)
{
    OVERLAPPED from{};
    UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &from);
}

// The file system cannot lock: the line is then written without the lock rather than lost.
bool lockingUnsupported(DWORD error)
{
    return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION;
}

qint64 sizeOf(HANDLE file)
{
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) ? size.QuadPart : -1;
}

bool moveTo(HANDLE file, qint64 offset)
{
    LARGE_INTEGER to{};
    to.QuadPart = offset;
    return SetFilePointerEx(file, to, nullptr, FILE_BEGIN);
}

// Writes all of the bytes at the file pointer. Returns the count written and sets error when not
// all of it could be.
qint64 writeAll(HANDLE file, const QByteArray& bytes, DWORD& error)
{
    qint64 done = 0;
    error = 0;
    while (done < bytes.size()) {
        DWORD n = 0;
        const BOOL ok = WriteFile(file, bytes.constData() + done, static_cast<DWORD>(bytes.size() - done), &n, nullptr);
        done += n;
        if (!ok) {
            error = GetLastError();
            break;
        }
        if (n == 0) {
            error = ERROR_DISK_FULL;
            break;
        }
    }
    return done;
}

// The bytes at offset, as many as wanted or as the file has.
QByteArray readAt(HANDLE file, qint64 offset, qsizetype wanted)
{
    QByteArray bytes(wanted, Qt::Uninitialized);
    DWORD n = 0;
    if (!moveTo(file, offset) || !ReadFile(file, bytes.data(), static_cast<DWORD>(wanted), &n, nullptr))
        n = 0;
    bytes.truncate(n);
    return bytes;
}

} // namespace

AppendOutcome appendResult(const QString& name, int grade)
{
    const std::optional<QByteArray> line = resultLine(name, grade);
    if (!line)
        return unwritableName();

    const auto deadline = std::chrono::steady_clock::now() + resultsLockWait();
    DWORD error = 0;
    const HANDLE file = openForAppending(deadline, error);
    if (file == INVALID_HANDLE_VALUE)
        return {false, appendFailure(reasonOf(error))};

    error = lockWholeFile(file, deadline);
    const bool locked = error == 0;
    if (!locked && !lockingUnsupported(error)) {
        CloseHandle(file);
        return {false, appendFailure(reasonOf(error))};
    }

    // Under the lock the file ends where its last line ends, and the line goes there. Only a
    // program that died half-way through its line leaves the file without a line end: ours then
    // starts on a line of its own, so that the torn line never swallows it.
    const qint64 before = sizeOf(file);
    QByteArray bytes = *line;
    if (before > 0) {
        const QByteArray last = readAt(file, before - 1, 1);
        if (last == "\r")
            bytes.prepend('\n');
        else if (last.size() == 1 && last != "\n")
            bytes.prepend("\r\n");
    }
    qint64 written = 0;
    if (before < 0 || !moveTo(file, before))
        error = GetLastError();
    else
        written = writeAll(file, bytes, error);
    if (error == 0 && !FlushFileBuffers(file))
        error = GetLastError();
    // The line must be found where it was written before it is reported saved.
    if (error == 0 && readAt(file, before, bytes.size()) != bytes)
        error = ERROR_WRITE_FAULT;
    if (error != 0 && written > 0 && before >= 0) {
        // Cut the part of the line away again, but only while the file ends with exactly our
        // bytes: what another program may have written is never touched.
        if (sizeOf(file) == before + written && moveTo(file, before) && SetEndOfFile(file))
            FlushFileBuffers(file);
    }
    if (locked)
        unlockWholeFile(file);
    CloseHandle(file);
    if (error != 0)
        return {false, appendFailure(reasonOf(error))};
    return {};
}
