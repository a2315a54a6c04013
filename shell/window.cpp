#include "shell/window.h"

#include "shell/accessibility.h"
#include "shell/controls.h"
#include "shell/picture.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

QList<TWindow*>& registry()
{
    static QList<TWindow*> windows;
    return windows;
}

std::function<void()>& programEnd()
{
    static std::function<void()> end;
    return end;
}

bool ended = false;

// The exit picture: the word "Pabaiga" on a coloured plate, 82 x 29 pixels.
const QImage& exitImage()
{
    static const QImage image = [] {
        QImage img(82, 29, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, 29);
        g.setColorAt(0, QColor(0xFF, 0xD8, 0x4A));
        g.setColorAt(1, QColor(0xE8, 0x8A, 0x10));
        p.fillRect(img.rect(), g);
        p.setPen(QPen(QColor(0x80, 0x30, 0x00), 2));
        p.drawRect(img.rect().adjusted(1, 1, -2, -2));
        p.setPen(QColor(0x60, 0x10, 0x00));
        QFont f = times(17, true, true);
        p.setFont(f);
        p.drawText(img.rect(), Qt::AlignCenter, QStringLiteral("Pabaiga"));
        return img;
    }();
    return image;
}

} // namespace

QSize clientSize(QSize frameSize)
{
    // A classic frame: 3 pixels on each side and a 23-pixel title bar.
    return frameSize - QSize(6, 29);
}

TWindow::TWindow(const char* name, const QString& caption, QSize frameSize, Frame frame,
                 bool exitPicture)
    : QWidget(nullptr)
{
    installAccessibility();
    registry().append(this);
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);
    if (frame == Frame::CaptionOnly)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    else
        setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint);
    const QSize size = clientSize(frameSize);
    setFixedSize(size);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, colour::background);
    pal.setColor(QPalette::WindowText, colour::yellow);
    setPalette(pal);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        move(desk.center() - QPoint(frameSize.width() / 2, frameSize.height() / 2));
    }
    if (exitPicture) {
        Image1 = picture(this, "Image1", QRect(size.width() - 91, size.height() - 53, 73, 33),
                         QStringLiteral("Pabaiga"));
        Image1->setImage(exitImage());
        Image1->setFocusPolicy(Qt::TabFocus);
        Image1->setCursor(Qt::PointingHandCursor);
        Image1->setToolTip(QStringLiteral("Pabaiga"));
        // Leaving by the exit picture only hides windows or ends the program: no picture is
        // loaded and no problem changes, so it needs none of runHandler's error box and
        // description refresh, and the window stays independent of the handlers.
        connect(Image1, &PictureBox::clicked, this, [this] {
            Image1Click();
            endIfNothingVisible();
        });
        keepLastInTabOrder(Image1);
    }
}

TWindow::~TWindow()
{
    registry().removeOne(this);
}

const QList<TWindow*>& TWindow::all()
{
    return registry();
}

void TWindow::Image1Click()
{
    hide();
}

void TWindow::makeDefault(QPushButton* button, bool isDefault)
{
    defaults_.removeAll(button);
    defaults_.removeAll(nullptr);
    if (isDefault)
        defaults_.append(button);
    button->setDefault(isDefault);
}

bool TWindow::isDefault(const QPushButton* button) const
{
    for (const auto& b : defaults_)
        if (b == button)
            return true;
    return false;
}

QPushButton* TWindow::enterTarget() const
{
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
        if (focused->isVisible() && focused->isEnabled())
            return focused;
    for (auto it = defaults_.crbegin(); it != defaults_.crend(); ++it) {
        QPushButton* b = *it;
        if (b && b->isVisible() && b->isEnabled())
            return b;
    }
    return nullptr;
}

void TWindow::atFirstPolish(std::function<void()> step)
{
    if (testAttribute(Qt::WA_WState_Polished))
        step();
    else
        polishSteps_.push_back(std::move(step));
}

bool TWindow::event(QEvent* event)
{
    if (event->type() == QEvent::Polish && !polishSteps_.empty()) {
        const auto steps = std::move(polishSteps_);
        polishSteps_.clear();
        for (const auto& step : steps)
            step();
    }
    return QWidget::event(event);
}

void TWindow::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (QPushButton* target = enterTarget()) {
            target->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TWindow::closeEvent(QCloseEvent* event)
{
    // Closed from outside (window manager): the window hides; when it was the last one on
    // screen, the program ends once the closing is over.
    QWidget::closeEvent(event);
    QTimer::singleShot(0, [] { endIfNothingVisible(); });
}

void TWindow::release()
{
    if (isHidden())
        deleteLater();
    else
        releaseWhenHidden_ = true;
}

void TWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    // Hidden by the program or the pupil, not merely minimised by the window manager.
    if (!isHidden())
        return;
    if (releaseWhenHidden_) {
        deleteLater();
        return;
    }
    // A hidden window gives its native window and the image it is painted into (1.7 MB) back
    // until it is shown again, so that every window once visited does not keep one.
    QTimer::singleShot(0, this, [this] {
        if (isHidden() && testAttribute(Qt::WA_WState_Created))
            destroy();
    });
}

void TWindow::keepLastInTabOrder(QWidget* control)
{
    trailing_.removeAll(control);
    trailing_.append(control);
}

void TWindow::showEvent(QShowEvent* event)
{
    if (!tabOrderDone_) {
        tabOrderDone_ = true;
        // A child joins the end of the focus chain when it joins its parent: re-adding the
        // navigation row and then the exit picture puts them after the window's own controls.
        QList<QWidget*> order = trailing_;
        if (Image1 && order.removeAll(Image1))
            order.append(Image1);
        for (QWidget* w : order) {
            const bool hidden = w->isHidden();
            w->setParent(nullptr);
            w->setParent(this);
            w->setVisible(!hidden);
        }
    }
    QWidget::showEvent(event);
}

void endProgram()
{
    if (ended)
        return;
    ended = true;
    if (programEnd())
        programEnd()();
    else
        QCoreApplication::quit();
}

void setProgramEnd(std::function<void()> end)
{
    programEnd() = std::move(end);
}

bool programEnded()
{
    return ended;
}

void resetProgramEnded()
{
    ended = false;
}

void endIfNothingVisible()
{
    for (const TWindow* w : TWindow::all())
        if (w->isVisible())
            return;
    endProgram();
}
