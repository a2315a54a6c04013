#include "shell/handlers.h"

#include "shell/accessibility.h"
#include "shell/window.h"

#include <QApplication>
#include <QMessageBox>

namespace {

std::function<void(const QString&)>& errorSink()
{
    static std::function<void(const QString&)> sink;
    return sink;
}

} // namespace

void showError(const QString& message)
{
    if (errorSink()) {
        errorSink()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), message, QMessageBox::Ok);
    box.exec();
}

void setErrorSink(std::function<void(const QString&)> sink)
{
    errorSink() = std::move(sink);
}

void runHandler(const std::function<void()>& handler) noexcept
{
    try {
        try {
            handler();
        } catch (const PictureError& e) {
            showError(e.message());
        } catch (const std::exception& e) {
            // The program's messages are UTF-8, as Qt 6 takes local text on Linux; Windows would
            // read local text in its ANSI code page.
            showError(QString::fromUtf8(e.what()));
        }
        // The handler may have written new problems into labels.
        refreshAnswerDescriptions();
        endIfNothingVisible();
    } catch (...) {
        // The error box itself failed; there is nothing sensible left to show.
    }
}
