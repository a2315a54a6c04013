#include "trainer/accessibility.h"

#include "trainer/form1.h"
#include "trainer/resultstable.h"

#include <QAbstractEventDispatcher>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace zenkla {

namespace {

class Follower : public QObject {
public:
    Follower(QWidget* control, AccessibleText which, std::function<QString()> text)
        : QObject(control), control_(control), which_(which), text_(std::move(text))
    {
        control->installEventFilter(this);
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(control->thread()))
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &Follower::refresh);
        refresh();
    }

    void refresh()
    {
        const QString text = text_();
        // Setting the same text again would tell the screen reader of a change that is none.
        if (which_ == AccessibleText::Name) {
            if (control_->accessibleName() != text)
                control_->setAccessibleName(text);
        } else if (control_->accessibleDescription() != text) {
            control_->setAccessibleDescription(text);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == control_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::Show))
            refresh();
        return false;
    }

private:
    QWidget* control_;
    AccessibleText which_;
    std::function<QString()> text_;
};

// Where each character of the table's text comes from: a print (run) and a character in it,
// or no run for the line breaks between the printed lines.
struct Place {
    qsizetype run = -1;
    qsizetype index = 0;
};

// The results table read as text: its printed lines, one per line, as ResultsTable::lines().
class ResultsTableAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultsTableAccessible(ResultsTable* table) : QAccessibleWidget(table, QAccessible::StaticText) {}

    ResultsTable* table() const { return static_cast<ResultsTable*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return allText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    // --- QAccessibleTextInterface: read-only text without a caret or selections ---
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = allText();
        startOffset = qBound(0, startOffset, int(all.size()));
        endOffset = qBound(startOffset, endOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(allText().size()); }

    QRect characterRect(int offset) const override
    {
        const QList<Place> places = placesOf();
        if (offset < 0 || offset >= places.size() || places[offset].run < 0)
            return {};
        const ResultsTable::Run& run = table()->runs()[places[offset].run];
        const QFontMetricsF metrics(run.font, table());
        const qreal left = run.position.x() + metrics.horizontalAdvance(run.text.left(places[offset].index));
        const qreal width = metrics.horizontalAdvance(run.text.at(places[offset].index));
        const QRectF rect(left, run.position.y(), width, table()->lineHeight(run.font));
        const QPoint client = table()->contentsRect().topLeft();
        return rect.toAlignedRect().translated(table()->mapToGlobal(client));
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        const int count = characterCount();
        for (int i = 0; i < count; ++i)
            if (characterRect(i).contains(point))
                return i;
        return -1;
    }

    void scrollToSubstring(int, int) override {}

    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = offset < 0 ? 0 : characterCount();
        return {};
    }

private:
    QString allText() const { return table()->lines().join(QLatin1Char('\n')); }

    // The runs joined line by line, as ResultsTable::lines() joins them.
    QList<Place> placesOf() const
    {
        QList<Place> places;
        const QList<ResultsTable::Run>& runs = table()->runs();
        for (qsizetype r = 0; r < runs.size(); ++r) {
            if (r > 0 && runs[r].position.y() != runs[r - 1].position.y())
                places.append(Place{});
            for (qsizetype i = 0; i < runs[r].text.size(); ++i)
                places.append(Place{r, i});
        }
        return places;
    }
};

// Pieces of text read as sentences: a full stop between two of them unless the first ends in
// one (or in a colon).
QString sentences(const QStringList& pieces)
{
    QString text;
    for (const QString& piece : pieces) {
        if (piece.isEmpty())
            continue;
        if (!text.isEmpty())
            text += text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(':')) ? QStringLiteral(" ")
                                                                                       : QStringLiteral(". ");
        text += piece;
    }
    return text;
}

// The status box Shape2 (level and elapsed time) as the window's status bar, which Orca reads
// when asked: "Lygis 1 [-10;10], Laikas 1:5". Its text is worked out when asked, so that the
// ticking clock sends nothing.
class StatusBoxAccessible : public QAccessibleWidget {
public:
    explicit StatusBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* f = qobject_cast<const TForm1*>(widget()->window());
        if (t != QAccessible::Name || !f)
            return QAccessibleWidget::text(t);
        QString level = f->Label22->text();
        if (!f->Label23->text().isEmpty())
            level += QLatin1Char(' ') + f->Label23->text();
        QString time = f->Label10->text();
        if (!f->Label9->text().isEmpty())
            time += QLatin1Char(' ') + f->Label9->text() + f->Label11->text() + f->Label8->text();
        return level + QStringLiteral(", ") + time;
    }
};

QAccessibleInterface* zenklaAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QWidget") && object->objectName() == QLatin1String("Shape2"))
        return new StatusBoxAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("ResultsTable"))
        if (auto* table = qobject_cast<ResultsTable*>(object))
            return new ResultsTableAccessible(table);
    return nullptr;
}

// A count spoken with its caption: "Teisingai: 3"; nothing while the count is empty.
void followCount(QLabel* count, const QLabel* caption)
{
    follow(count, AccessibleText::Name, [count, caption] {
        return count->text().isEmpty() ? QString() : caption->text() + QStringLiteral(": ") + count->text();
    });
}

} // namespace

void follow(QWidget* control, AccessibleText which, std::function<QString()> text)
{
    new Follower(control, which, std::move(text));
}

QString problemText(const QList<QLabel*>& labels)
{
    QStringList pieces;
    for (const QLabel* l : labels) {
        const QString piece = l->text().trimmed();
        if (!piece.isEmpty())
            pieces.append(piece);
    }
    return pieces.join(QLatin1Char(' '));
}

QString judgementText(const TForm1& f)
{
    if (f.testMode() || f.Label3->text().isEmpty())
        return {};
    QStringList said{f.Label3->text()};
    if (f.Label7->isVisibleTo(&f) && !f.Label7->text().isEmpty())
        said.append(f.Label6->text() + f.Label7->text());
    if (f.Frame4->isVisibleTo(&f)) {
        said.append(f.Frame4->title());
        // The solution's lines from the top: Label31 stands above the others.
        for (const QLabel* l : {f.Label31, f.Label27, f.Label28, f.Label29, f.Label30})
            if (l->isVisibleTo(&f) && !l->text().trimmed().isEmpty())
                said.append(l->text().simplified());
    }
    // The counts as they stand now (their own names follow only once the handler is done).
    said.append(f.Label12->text() + QStringLiteral(": ") + f.Label13->text());
    said.append(f.Label14->text() + QStringLiteral(": ") + f.Label15->text());
    return sentences(said);
}

void presentResults(TForm1& f, const QString& unsaved)
{
    // The table line by line; the pieces of a row (number, the pupil's solution, the right
    // result) apart.
    QStringList said;
    QString line;
    qreal top = -1;
    for (const ResultsTable::Run& run : f.Picture1->runs()) {
        if (run.position.y() != top) {
            said.append(line);
            line.clear();
            top = run.position.y();
        }
        const QString piece = run.text.simplified();
        if (!piece.isEmpty())
            line += (line.isEmpty() ? QString() : QStringLiteral(", ")) + piece;
    }
    said.append(line);
    said.append(unsaved.isEmpty() ? QStringLiteral("Rezultatas įrašytas į failą kontr.txt.") : unsaved.simplified());
    f.Command3->setAccessibleDescription(sentences(said));
    f.Command3->setFocus();
}

void makeAccessible(TForm1& f)
{
    f.Text1->setAccessibleName(QStringLiteral("Atsakymas"));
    const QList<QLabel*> problem{f.Label4, f.Label1, f.Label5, f.Label2};
    // In a test the problem's number comes first: "2 pratimas: 3 + (-5) =".
    follow(f.Text1, AccessibleText::Description, [&f, problem] {
        const QString number = f.Label26->isVisibleTo(&f) ? f.Label26->text().simplified() : QString();
        if (number.isEmpty())
            return problemText(problem);
        return number + (number.endsWith(QLatin1Char(':')) ? QStringLiteral(" ") : QStringLiteral(": ")) +
               problemText(problem);
    });
    follow(f.Command1, AccessibleText::Description, [&f] { return judgementText(f); });
    f.text2->setAccessibleName(QStringLiteral("Vardas ir pavardė"));
    f.text2->setAccessibleDescription(f.Label24->text() + QLatin1Char(' ') + f.Label20->text());
    followCount(f.Label13, f.Label12);
    followCount(f.Label15, f.Label14);
    f.Picture1->setAccessibleName(QStringLiteral("Kontrolinio darbo rezultatai"));
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(zenklaAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace zenkla
