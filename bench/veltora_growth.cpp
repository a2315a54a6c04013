// Memory growth of Veltora over many entries of its practice and test windows: resident memory
// after start-up and after `entries` entries of each of the six windows (from the topic menu into
// the window and back out by its own way of leaving), with the median time of one entry.
// Runs the real event loop, so windows are shown, painted and released as in the program.
//
//     veltora_growth [entries]        (run inside the build folder, which holds "paveikslai")
#include "shell/forms.h"
#include "shell/menus.h"
#include "shell/navigation.h"
#include "shell/window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmapCache>
#include <QPushButton>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
    return 0;
}

struct Entry {
    const char* name;
    int window;
    int menu;
    const char* menuButton;
    const char* leave; // "Pradžia" of a practice window, the exit picture of a test
};
const Entry entries[] = {
    {"TForm8 signed practice", 8, 2, "BitBtn2", "BitBtn1"},
    {"TForm14 signed test", 14, 2, "BitBtn3", "Image1"},
    {"TForm19 expression practice", 19, 16, "BitBtn2", "BitBtn1"},
    {"TForm20 expression test", 20, 16, "BitBtn3", "Image1"},
    {"TForm25 equation practice", 25, 21, "BitBtn2", "BitBtn1"},
    {"TForm26 equation test", 26, 21, "BitBtn3", "Image1"},
};

void press(QWidget* window, const char* name)
{
    QWidget* control = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (auto* button = qobject_cast<QPushButton*>(control))
        button->click();
    else if (control) // the exit picture
        QMetaObject::invokeMethod(control, "clicked");
}

// The main menu's button of a topic menu.
const char* topicButton(int menu)
{
    return menu == 2 ? "BitBtn1" : menu == 16 ? "BitBtn2" : "BitBtn3";
}

// One step of the run per turn of the event loop, so that painting and deferred releases happen
// between the steps as they do between a pupil's clicks.
class Run {
public:
    explicit Run(int perWindow) : perWindow_(perWindow) {}

    void start()
    {
        startMb_ = residentMegabytes();
        QTimer::singleShot(0, [this] { step(); });
    }

private:
    void step()
    {
        if (entry_ == std::size(entries)) {
            finish();
            return;
        }
        const Entry& e = entries[entry_];
        // As a pupil goes: from the main menu into the topic, and back by "Turinys" at the end.
        if (done_ == 0 && !entering_ && !form(e.menu)->isVisible())
            press(form(1), topicButton(e.menu));
        if (!entering_) {
            QElapsedTimer t;
            t.start();
            press(form(e.menu), e.menuButton);
            QCoreApplication::processEvents();
            times_.push_back(t.nsecsElapsed() / 1e3);
            entering_ = true;
        } else {
            press(form(e.window), e.leave);
            entering_ = false;
            if (++done_ == 1)
                firstMb_.push_back(residentMegabytes());
            if (done_ == perWindow_) {
                if (entry_ + 1 == std::size(entries) || entries[entry_ + 1].menu != e.menu)
                    press(form(e.menu), "BitBtn4");
                lastMb_.push_back(residentMegabytes());
                std::printf("%-30s after 1 entry %7.1f MB, after %d entries %7.1f MB resident\n", e.name,
                            firstMb_.back(), perWindow_, lastMb_.back());
                done_ = 0;
                ++entry_;
            }
        }
        QTimer::singleShot(0, [this] { step(); });
    }

    void finish()
    {
        // Let the last released window go before the final reading.
        QTimer::singleShot(50, [this] {
            const double endMb = residentMegabytes();
            std::sort(times_.begin(), times_.end());
            std::printf("resident after start-up %.1f MB, after %zu entries %.1f MB: growth %+.1f MB\n", startMb_,
                        times_.size(), endMb, endMb - startMb_);
            // The first entry of a window loads what every later one shares (fonts, glyphs, the
            // style's pixmaps); what comes after it is the cost of entering again.
            double again = endMb - startMb_;
            for (std::size_t i = 0; i < firstMb_.size(); ++i)
                again -= firstMb_[i] - (i == 0 ? startMb_ : lastMb_[i - 1]);
            std::printf("of which first entries %+.1f MB, later entries %+.1f MB\n", endMb - startMb_ - again, again);
            QPixmapCache::clear();
            std::printf("resident after emptying the pixmap cache: %.1f MB\n", residentMegabytes());
            malloc_trim(0);
            std::printf("resident after returning free heap to the system: %.1f MB\n", residentMegabytes());
            std::printf("one entry (create, creation handler, show): median %.2f ms, max %.2f ms\n",
                        times_[times_.size() / 2] / 1e3, times_.back() / 1e3);
            std::printf("windows alive at the end: %lld\n", static_cast<long long>(TWindow::all().size()));
            QCoreApplication::quit();
        });
    }

    int perWindow_;
    std::size_t entry_ = 0;
    int done_ = 0;
    bool entering_ = false;
    double startMb_ = 0;
    std::vector<double> firstMb_; // after the first entry of each window
    std::vector<double> lastMb_;  // after its last entry
    std::vector<double> times_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltora 7"));
    const int perWindow = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    createForms();
    Run run(perWindow);
    // Start-up is over once the main menu has been on screen for a moment.
    QTimer::singleShot(300, [&run] { run.start(); });
    const int status = QApplication::exec();
    destroyForms();
    return status;
}
