#include "shell/accessibility.h"

#include "shell/picture.h"
#include "shell/window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace {

// A picture box as assistive technology sees it. Its role follows whether it reacts to a
// click, so the same class serves the exit picture and the reward pictures.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}

    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }

    QAccessible::Role role() const override
    {
        return box()->isPressable() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->isPressable() && box()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // As Qt's own buttons do, the press runs after the request has been answered: the
        // handler may close windows or show a message box.
        if (box()->isPressable() && box()->isEnabled())
            QMetaObject::invokeMethod(box(), &PictureBox::click, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& action) const override
    {
        if (action == pressAction() && box()->isPressable())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }
};

// A message for a screen reader (see announce): nothing to see, nothing to press or focus.
class Notice : public QWidget {
    Q_OBJECT
public:
    Notice(QWidget* window, const QString& text) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        setAccessibleName(text);
    }
};

constexpr qsizetype keptNotices = 40;

QAccessibleInterface* veltoraAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("Notice"))
        if (auto* notice = qobject_cast<Notice*>(object))
            return new QAccessibleWidget(notice, QAccessible::Notification);
    if (className == QLatin1String("PictureBox"))
        if (auto* box = qobject_cast<PictureBox*>(object))
            return new PictureBoxAccessible(box);
    // A plain widget would be a "filler"; a window of the program is a window (a frame to the
    // screen reader, which announces its caption when it comes to the front).
    if (className == QLatin1String("TWindow"))
        if (auto* window = qobject_cast<TWindow*>(object))
            return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

// The description of one answer box, kept by the box as a child object.
class AnswerDescription : public QObject {
public:
    QString problem() const
    {
        QList<QLabel*> labels;
        for (const QPointer<QLabel>& l : labels_)
            if (l)
                labels.append(l);
        return problemText(labels);
    }

    AnswerDescription(QLineEdit* box, QList<QLabel*> labels) : QObject(box), box_(box)
    {
        setLabels(std::move(labels));
        box->installEventFilter(this);
        all().append(this);
    }
    ~AnswerDescription() override { all().removeOne(this); }

    static QList<AnswerDescription*>& all()
    {
        static QList<AnswerDescription*> descriptions;
        return descriptions;
    }

    static AnswerDescription* of(QLineEdit* box)
    {
        for (AnswerDescription* d : all())
            if (d->box_ == box)
                return d;
        return nullptr;
    }

    void setLabels(QList<QLabel*> labels)
    {
        labels_.clear();
        for (QLabel* l : labels)
            labels_.append(l);
        refresh();
    }

    void refresh()
    {
        const QString text = problem();
        // Setting the same text again would tell the screen reader of a change that is none.
        if (box_->accessibleDescription() != text)
            box_->setAccessibleDescription(text);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == box_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::Show))
            refresh();
        return false;
    }

private:
    QLineEdit* box_;
    QList<QPointer<QLabel>> labels_;
};

bool opensBracket(const QString& text)
{
    return text.endsWith(QLatin1Char('('));
}

bool closesBracket(const QString& text)
{
    return text.startsWith(QLatin1Char(')'));
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(veltoraAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

QString problemText(const QList<QLabel*>& labels)
{
    QString text;
    QString previous;
    for (const QLabel* l : labels) {
        if (!l || l->isHidden())
            continue;
        const QString piece = l->text().trimmed();
        if (piece.isEmpty())
            continue;
        if (!text.isEmpty() && !opensBracket(previous) && !closesBracket(piece))
            text += QLatin1Char(' ');
        text += piece;
        previous = piece;
    }
    return text;
}

void describeAnswer(QLineEdit* box, QList<QLabel*> problemLabels)
{
    box->setAccessibleName(QStringLiteral("Atsakymas"));
    if (AnswerDescription* d = AnswerDescription::of(box))
        d->setLabels(std::move(problemLabels));
    else
        new AnswerDescription(box, std::move(problemLabels));
}

void refreshAnswerDescriptions()
{
    for (AnswerDescription* d : AnswerDescription::all())
        d->refresh();
}

void announce(QWidget* near, const QString& text)
{
    QWidget* window = near->window();
    if (!window->isVisible())
        return;
    auto* notice = new Notice(window, text);
    notice->show();
    notice->hide();
    QList<Notice*> notices = window->findChildren<Notice*>(QString(), Qt::FindDirectChildrenOnly);
    while (notices.size() > keptNotices)
        delete notices.takeFirst();
}

void presentQuestion(QLineEdit* box, int n)
{
    const QString name = QStringLiteral("Klausimas %1").arg(n);
    box->setAccessibleName(name);
    if (box->hasFocus())
        if (const AnswerDescription* d = AnswerDescription::of(box))
            announce(box, name + QStringLiteral(": ") + d->problem());
}

QString pageText(const QWidget* page)
{
    QList<QLabel*> labels;
    for (QLabel* l : page->findChildren<QLabel*>())
        if (l->isVisibleTo(page) && !l->text().trimmed().isEmpty())
            labels.append(l);
    std::stable_sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    // Example lines (a line that starts with a number or a sign after one that ends without a
    // mark) are kept apart by semicolons; a sentence that goes on over two lines stays one.
    QString text;
    for (const QLabel* l : labels) {
        const QString line = l->text().simplified();
        if (!text.isEmpty()) {
            const bool apart = !line.front().isLetter() && !(text.back().isPunct() && text.back() != QLatin1Char(')'));
            text += apart ? QStringLiteral("; ") : QStringLiteral(" ");
        }
        text += line;
    }
    return text;
}

#include "accessibility.moc"
