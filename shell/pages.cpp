#include "shell/pages.h"

#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/handlers.h"
#include "shell/windowno.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>

namespace {

// Where the first whole word `term` of a label's text lies, measured from the label's left
// edge in its font: the advance before it and the word's ink.
struct WordPlace {
    qreal start;
    QRectF ink; // relative to the word's origin on the baseline
};

WordPlace findWord(const QLabel* anchor, const char* term)
{
    const QString text = anchor->text();
    const QString word = QString::fromUtf8(term);
    const QFontMetricsF m(anchor->font());
    for (qsizetype at = text.indexOf(word); at >= 0 && !word.isEmpty(); at = text.indexOf(word, at + 1)) {
        const qsizetype end = at + word.size();
        if ((at == 0 || text[at - 1].isSpace()) && (end == text.size() || text[end].isSpace()))
            return {m.horizontalAdvance(text.left(at)), m.tightBoundingRect(word)};
    }
    qFatal("page %s: no word \"%s\" in %s", qPrintable(anchor->parentWidget()->objectName()), term,
           qPrintable(anchor->objectName()));
}

// Moves a line's label to the place its Place asks for.
void place(QWidget* page, QLabel* l, const PageLine& line)
{
    if (line.place == PageLine::At)
        return;
    const QFontMetricsF own(l->font());
    QPointF at(line.left, line.top);
    if (line.place == PageLine::Centred) {
        at.setX((page->width() - own.horizontalAdvance(l->text())) / 2);
    } else {
        const auto* anchor =
            page->findChild<QLabel*>(QString::fromLatin1(line.anchor), Qt::FindDirectChildrenOnly);
        if (!anchor)
            qFatal("page %s: line %s is placed against a missing line %s", qPrintable(page->objectName()),
                   line.name, line.anchor ? line.anchor : "(none)");
        const QFontMetricsF m(anchor->font());
        const qreal baseline = anchor->y() + m.ascent();
        switch (line.place) {
        case PageLine::After: {
            const QString text = anchor->text();
            qreal x = anchor->x() + m.horizontalAdvance(text);
            if (!text.endsWith(QLatin1Char(' ')))
                x += m.horizontalAdvance(QLatin1Char(' '));
            at = {x, baseline - own.ascent()};
            break;
        }
        case PageLine::Beneath:
            at.setX(anchor->x() + findWord(anchor, line.term).start);
            break;
        case PageLine::Under: {
            const WordPlace word = findWord(anchor, line.term);
            const QRectF mark = own.tightBoundingRect(l->text());
            const qreal gap = qMax(1.0, m.height() / 16);
            at = {anchor->x() + word.start + word.ink.center().x() - mark.center().x(),
                  baseline + gap - mark.top() - own.ascent()};
            break;
        }
        default:
            break;
        }
    }
    const QPoint p = at.toPoint();
    l->setGeometry(p.x(), p.y(), qMax(40, page->width() - p.x()), l->height());
}

} // namespace

void buildPage(QWidget* page, std::initializer_list<PageLine> lines)
{
    for (const PageLine& line : lines) {
        const QString text = QString::fromUtf8(line.text);
        QLabel* l = nullptr;
        switch (line.role) {
        case PageLine::Heading:
            l = label(page, line.name, {line.left, line.top}, text, bookman(line.pixels), colour::yellow);
            break;
        case PageLine::Rule:
            l = label(page, line.name, {line.left, line.top}, text, times(line.pixels, true, line.italic),
                      colour::lime);
            break;
        case PageLine::Example:
            l = label(page, line.name, {line.left, line.top}, text, times(line.pixels, true, line.italic),
                      colour::yellow);
            break;
        case PageLine::Mark:
            l = label(page, line.name, {line.left, line.top}, text, times(line.pixels, true, line.italic),
                      QColor::fromRgb(line.colour));
            break;
        }
        if (line.colour != 0)
            setColour(l, QColor::fromRgb(line.colour));
        if (line.hidden)
            l->hide();
    }
    // Placing lines against others measures text; it waits for the page's first polish.
    auto placeAll = [page, table = std::vector<PageLine>(lines)] {
        for (const PageLine& line : table)
            place(page, page->findChild<QLabel*>(QString::fromLatin1(line.name), Qt::FindDirectChildrenOnly),
                  line);
    };
    if (auto* window = qobject_cast<TWindow*>(page))
        window->atFirstPolish(placeAll);
    else
        placeAll();
}

TTheoryPage::TTheoryPage(const Chain& chain)
    : TWindow(chain.name, QString::fromUtf8(chain.caption)), topicMenu_(chain.topicMenu), next_(chain.next),
      pradzia_(chain.pradzia)
{
    BitBtn5 = navButton(this, "BitBtn5", 0, QStringLiteral("Turinys"));
    BitBtn1 = navButton(this, "BitBtn1", 1, QStringLiteral("Pradžia"));
    onClick(BitBtn5, this, &TTheoryPage::BitBtn5Click);
    onClick(BitBtn1, this, &TTheoryPage::BitBtn1Click);
    if (next_ != 0) {
        BitBtn2 = navButton(this, "BitBtn2", 2, QStringLiteral("Toliau"));
        onClick(BitBtn2, this, &TTheoryPage::BitBtn2Click);
    }
}

void TTheoryPage::BitBtn5Click()
{
    leaving();
    go(this, form(WindowNo::MainMenu));
}

void TTheoryPage::BitBtn1Click()
{
    leaving();
    go(this, form(topicMenu_), pradzia_);
}

void TTheoryPage::BitBtn2Click()
{
    leaving();
    go(this, form(next_));
}

void TTheoryPage::Image1Click()
{
    leaving();
    TWindow::Image1Click();
}

TExerciseWindow::TExerciseWindow(const char* name, const char* caption, int topicMenu, Order order)
    : TWindow(name, QString::fromUtf8(caption)), topicMenu_(topicMenu), order_(order)
{
    BitBtn5 = navButton(this, "BitBtn5", 0, QStringLiteral("Turinys"));
    BitBtn1 = navButton(this, "BitBtn1", 1, QStringLiteral("Pradžia"));
    onClick(BitBtn5, this, &TExerciseWindow::BitBtn5Click);
    onClick(BitBtn1, this, &TExerciseWindow::BitBtn1Click);
}

void TExerciseWindow::BitBtn5Click()
{
    go(this, form(WindowNo::MainMenu), order_);
}

void TExerciseWindow::BitBtn1Click()
{
    go(this, form(topicMenu_), order_);
}
