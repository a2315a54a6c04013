// A Qt plugin that the real-display check loads into the unchanged veltora and zenkla binaries
// (QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=screenprobe). On SIGUSR1 it writes what the program
// holds on screen into SCREENPROBE_DIR: state.json (every visible window with its native id,
// geometry in screen pixels, focus, named controls, the answer to the focused box's problem) and
// win-<id>.raw, what each window draws (QWidget::grab, 32-bit pixels). The check compares those
// with the pixels the display actually shows. The request file holds the number that
// state.json must carry, so that the check can tell a fresh answer from an old one, and may
// hold a line of input for the probe to give the program.
#include "testing/spoken.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGenericPlugin>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int wakeFd = -1;

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = write(wakeFd, &c, 1);
}

QJsonArray rectOf(const QRect& r, qreal scale)
{
    return {qRound(r.x() * scale), qRound(r.y() * scale), qRound(r.width() * scale),
            qRound(r.height() * scale)};
}

QString nameOf(const QObject* o)
{
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

// A label or button caption wider than the room the control gives it (cut off on screen).
bool textCutOff(const QWidget* w)
{
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return !l->wordWrap() && !l->text().contains(u'<') && !l->text().isEmpty() &&
               l->fontMetrics().horizontalAdvance(l->text()) > l->contentsRect().width();
    if (const auto* b = qobject_cast<const QPushButton*>(w))
        return !b->text().isEmpty() &&
               b->fontMetrics().horizontalAdvance(QString(b->text()).remove(u'&')) > b->width() - 4;
    return false;
}

// What a screen reader would say of a control: its name, description and value.
QString spokenText(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (!iface)
        return {};
    QStringList parts;
    for (const QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
        if (!iface->text(t).isEmpty())
            parts.append(iface->text(t));
    return parts.join(u' ');
}

QJsonObject describe(QWidget* window, const QDir& out)
{
    const qreal scale = window->devicePixelRatioF();
    QJsonObject controls;
    QJsonArray cutOff;
    const auto add = [&](const QString& name, const QRect& local, QWidget* owner, const QString& text, bool enabled) {
        controls.insert(name, QJsonObject{{QStringLiteral("rect"), rectOf(QRect(owner->mapToGlobal(local.topLeft()), local.size()), scale)},
                                          {QStringLiteral("enabled"), enabled},
                                          {QStringLiteral("text"), text}});
    };
    for (QWidget* c : window->findChildren<QWidget*>()) {
        if (c->objectName().isEmpty() || !c->isVisible())
            continue;
        QString text = spokenText(c);
        if (const auto* l = qobject_cast<QLabel*>(c))
            text = l->text();
        else if (const auto* b = qobject_cast<QPushButton*>(c))
            text = QString(b->text()).remove(u'&');
        add(c->objectName(), c->rect(), c, text, c->isEnabled());
        if (textCutOff(c))
            cutOff.append(c->objectName());
    }
    // Menu bar titles and menu items, by their captions.
    QList<QWidget*> menus;
    if (auto* bar = window->findChild<QMenuBar*>())
        menus.append(bar);
    if (qobject_cast<QMenu*>(window))
        menus.append(window);
    for (QWidget* m : menus)
        for (QAction* a : m->actions()) {
            const QRect r = qobject_cast<QMenuBar*>(m) ? static_cast<QMenuBar*>(m)->actionGeometry(a)
                                                       : static_cast<QMenu*>(m)->actionGeometry(a);
            if (a->isVisible() && !a->isSeparator() && !r.isEmpty())
                add(a->text().remove(u'&'), r, m, a->text().remove(u'&'), a->isEnabled());
        }
    QJsonObject w{{QStringLiteral("name"), nameOf(window)},
                  {QStringLiteral("title"), window->windowTitle()},
                  {QStringLiteral("id"), QString::number(window->effectiveWinId())},
                  {QStringLiteral("rect"), rectOf(window->geometry(), scale)},
                  {QStringLiteral("active"), window->isActiveWindow()},
                  {QStringLiteral("popup"), window->windowType() == Qt::Popup},
                  {QStringLiteral("controls"), controls},
                  {QStringLiteral("cutOff"), cutOff}};
    if (QWidget* focus = window->focusWidget()) {
        w.insert(QStringLiteral("focus"), nameOf(focus));
        if (qobject_cast<QLineEdit*>(focus))
            if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(focus))
                if (const std::optional<QString> answer = spoken::answerTo(iface->text(QAccessible::Description)))
                    w.insert(QStringLiteral("answer"), *answer);
    }
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QFile raw(out.filePath(QStringLiteral("win-%1.raw").arg(window->effectiveWinId())));
    if (raw.open(QIODevice::WriteOnly))
        for (int y = 0; y < image.height(); ++y)
            raw.write(reinterpret_cast<const char*>(image.constScanLine(y)), qint64(image.width()) * 4);
    w.insert(QStringLiteral("size"), QJsonArray{image.width(), image.height()});
    return w;
}

// Input given inside the program, where the display server lets no other client send any
// (Wayland): "key <window id> Ctrl+C", "type <window id> text", "click <window id> <x> <y>"
// (screen pixels inside that window), "close <window id>" (as from its title bar). Keys go to
// the window's focus control.
void carryOut(const QString& command)
{
    const QString verb = command.section(u' ', 0, 0);
    const QString id = command.section(u' ', 1, 1);
    const QString arg = command.section(u' ', 2);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || QString::number(w->effectiveWinId()) != id)
            continue;
        QWidget* focus = w->focusWidget() ? w->focusWidget() : w;
        if (verb == QLatin1String("key")) {
            // A window shortcut needs the window to be active, which none is without a keyboard
            // on the seat: the menu item of the shortcut is chosen as the shortcut would.
            const QKeySequence sequence = QKeySequence::fromString(arg);
            const QList<QAction*> actions = w->findChildren<QAction*>();
            const auto item = std::find_if(actions.begin(), actions.end(),
                                           [&](QAction* a) { return a->isEnabled() && a->shortcut() == sequence; });
            if (item != actions.end())
                (*item)->trigger();
            else
                QTest::keyClick(focus, sequence[0].key(), sequence[0].keyboardModifiers());
        } else if (verb == QLatin1String("type")) {
            QTest::keyClicks(focus, arg);
        } else if (verb == QLatin1String("close")) {
            w->close();
        } else if (verb == QLatin1String("click")) {
            const QPoint at = QPointF(arg.section(u' ', 0, 0).toDouble(), arg.section(u' ', 1, 1).toDouble()).toPoint() /
                              w->devicePixelRatioF();
            QWidget* target = w->childAt(at) ? w->childAt(at) : w;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(w, at));
        }
        return;
    }
}

class Probe : public QObject {
public:
    Probe() : out_(qEnvironmentVariable("SCREENPROBE_DIR"))
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
            return;
        wakeFd = fds[1];
        auto* notifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, fd = fds[0]] {
            char buffer[64];
            while (read(fd, buffer, sizeof buffer) > 0) {
            }
            dump();
        });
        std::signal(SIGUSR1, onSignal);
        // The check sends no signal before this file exists: SIGUSR1 would end the program.
        QFile(out_.filePath(QStringLiteral("ready"))).open(QIODevice::WriteOnly);
    }

private:
    void dump()
    {
        QFile request(out_.filePath(QStringLiteral("request")));
        const QString text = request.open(QIODevice::ReadOnly) ? QString::fromUtf8(request.readAll()) : QString();
        const QString seq = text.section(u'\n', 0, 0);
        const QString command = text.section(u'\n', 1);
        // After the state is written: a command may open a modal window, whose own event loop
        // must keep answering.
        if (!command.isEmpty())
            QTimer::singleShot(0, this, [command] { carryOut(command); });
        QJsonArray windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->isWindow())
                windows.append(describe(w, out_));
        QSaveFile state(out_.filePath(QStringLiteral("state.json")));
        if (!state.open(QIODevice::WriteOnly))
            return;
        state.write(QJsonDocument(QJsonObject{{QStringLiteral("seq"), seq},
                                              {QStringLiteral("windows"), windows}})
                        .toJson(QJsonDocument::Compact));
        state.commit();
    }

    QDir out_;
};

} // namespace

class ScreenProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")
public:
    QObject* create(const QString& key, const QString&) override
    {
        return key.compare(QLatin1String("screenprobe"), Qt::CaseInsensitive) == 0 ? new Probe : nullptr;
    }
};

#include "probe.moc"
