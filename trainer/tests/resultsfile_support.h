#pragma once
// Another program holding the lock of kontr.txt, and a changed lock wait, for the tests of the
// results file and of the window that writes it.
#include "trainer/resultsfile.h"

#include <chrono>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#ifdef _WIN32
// Another program holding a lock on the whole of kontr.txt until release() (or its end). On
// Windows a lock belongs to a file handle, so a second handle of this process stands for it.
class LockHolder {
public:
    LockHolder()
    {
        file_ = CreateFileW(L"kontr.txt", GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        OVERLAPPED from{};
        locked_ = file_ != INVALID_HANDLE_VALUE &&
            LockFileEx(file_, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD, &from);
    }
    ~LockHolder() { release(); }
    bool locked() const { return locked_; }
    void release()
    {
        if (file_ == INVALID_HANDLE_VALUE)
            return;
        if (locked_) {
            OVERLAPPED from{};
            UnlockFileEx(file_, 0, MAXDWORD, MAXDWORD, &from);
        }
        CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
    bool locked_ = false;
};
#else
// Another program holding a write lock on the whole of kontr.txt until release() (or its end).
class LockHolder {
public:
    LockHolder()
    {
        int toChild[2];
        int toParent[2];
        if (::pipe(toChild) != 0 || ::pipe(toParent) != 0)
            throw std::runtime_error("pipe");
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(toChild[1]);
            ::close(toParent[0]);
            const int fd = ::open(resultsFileName, O_RDWR | O_CREAT, 0644);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            const bool locked = fd >= 0 && ::fcntl(fd, F_SETLK, &lock) == 0;
            const char ready = locked ? 'L' : 'E';
            if (::write(toParent[1], &ready, 1) != 1)
                ::_exit(3);
            char c;
            while (::read(toChild[0], &c, 1) != 0) { // until the parent closes its end
            }
            ::_exit(locked ? 0 : 4);
        }
        ::close(toChild[0]);
        ::close(toParent[1]);
        release_ = toChild[1];
        char ready = 0;
        locked_ = ::read(toParent[0], &ready, 1) == 1 && ready == 'L';
        ::close(toParent[0]);
    }
    ~LockHolder() { release(); }
    bool locked() const { return locked_; }
    void release()
    {
        if (pid_ <= 0)
            return;
        ::close(release_);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool locked_ = false;
};
#endif

class LockWait {
public:
    explicit LockWait(std::chrono::milliseconds wait) : previous_(resultsLockWait()) { setResultsLockWait(wait); }
    ~LockWait() { setResultsLockWait(previous_); }

private:
    std::chrono::milliseconds previous_;
};
