#pragma once
// Start-up measurement for the benchmark: the first time the watched window is exposed on screen,
// prints the milliseconds since the monotonic time given as the first program argument
// (taken by the benchmark just before it started the process) and ends the program.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <ctime>

class StartupProbe : public QObject {
public:
    explicit StartupProbe(QWidget* window) : start_(0)
    {
        const QStringList args = QCoreApplication::arguments();
        if (args.size() > 1)
            start_ = args.at(1).toLongLong();
        window->winId();
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed() && !done_) {
            done_ = true;
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
            std::printf("%.2f\n", (ns - start_) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    long long start_;
    bool done_ = false;
};
