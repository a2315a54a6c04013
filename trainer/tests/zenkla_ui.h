#pragma once
// Drives Zenkla's real Form1 headless: controls and menu items found by their objectName,
// keys typed with QTest, draws fixed by a seed or a script.
#include "trainer/draws.h"
#include "trainer/form1.h"
#include "trainer/forms.h"
#include "testing/tempdir.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

inline std::ostream& operator<<(std::ostream& os, const QString& s)
{
    return os << s.toStdString();
}

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

class Zenkla : public testing::Test {
protected:
    void SetUp() override
    {
        createForms();
        window = zenkla::Form1;
        window->setDrawSource(std::make_unique<zenkla::RandomDraws>(20260101));
        window->setProgramEnd([this] { ended = true; });
    }
    void TearDown() override { destroyForms(); }

    template <class T = QWidget>
    T* find(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromUtf8(name));
        if (!w)
            ADD_FAILURE() << "no " << name;
        return w;
    }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    QString text(const char* name) const
    {
        if (auto* l = window->findChild<QLabel*>(QString::fromUtf8(name)))
            return l->text();
        if (auto* e = window->findChild<QLineEdit*>(QString::fromUtf8(name)))
            return e->text();
        if (auto* b = window->findChild<QAbstractButton*>(QString::fromUtf8(name)))
            return b->text();
        if (auto* g = window->findChild<QGroupBox*>(QString::fromUtf8(name)))
            return g->title();
        ADD_FAILURE() << "no text control " << name;
        return {};
    }
    // Shown in the window (the control and every parent up to the window are visible).
    bool shown(const char* name) const { return find(name)->isVisibleTo(window); }
    QAction* action(const char* name) const { return find<QAction>(name); }
    QMenu* menu(const char* name) const { return find<QMenu>(name); }
    bool menuEnabled(const char* name) const { return menu(name)->menuAction()->isEnabled(); }
    bool menuVisible(const char* name) const { return menu(name)->menuAction()->isVisible(); }
    void trigger(const char* item) const { action(item)->trigger(); }
    // Clicks a control; an option button on its round indicator, as a pupil would.
    void click(const char* name) const
    {
        QWidget* w = find(name);
        if (qobject_cast<QRadioButton*>(w))
            QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(8, w->height() / 2));
        else
            QTest::mouseClick(w, Qt::LeftButton);
    }
    QLineEdit* answerBox() const { return find<QLineEdit>("Text1"); }

    // Chooses an operation (1 … 5, or 0 for none) and a level option (6 … 9), presses Command2.
    void start(int operation, int levelOption = 6) const
    {
        if (operation)
            click(QStringLiteral("Option%1").arg(operation).toUtf8().constData());
        click(QStringLiteral("Option%1").arg(levelOption).toUtf8().constData());
        click("Command2");
    }
    // Puts a problem on show as the window would (operands, sign, labels).
    void setProblem(zenkla::Decimal a, const QString& sign, zenkla::Decimal b) const
    {
        window->a = a;
        window->b = b;
        label("Label1")->setText(sign);
        label("Label4")->setText(zenkla::numberText(a));
        label("Label5")->setText(zenkla::secondOperandText(b, zenkla::systemSeparator()));
    }
    // Types text key by key into a control (any characters).
    static void type(QWidget* control, const QString& text)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void answer(const QString& typed) const
    {
        answerBox()->clear();
        type(answerBox(), typed);
        QTest::keyClick(answerBox(), Qt::Key_Return);
    }
    QColor colour(const char* name) const { return find(name)->palette().color(QPalette::WindowText); }

    zenkla::TForm1* window = nullptr;
    bool ended = false;
};

// Zenkla started in a temporary folder of its own, where it writes kontr.txt.
class ZenklaInFolder : public Zenkla {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Zenkla::SetUp();
    }
    void TearDown() override
    {
        Zenkla::TearDown();
        QDir::setCurrent(previous);
    }

    QTemporaryDir dir{ui::temporaryTemplate()};
    QString previous;
};

inline zenkla::Decimal dec(const char* text)
{
    return zenkla::Decimal::fromText(QString::fromLatin1(text)).value();
}

// The standard number text of a value given with "." (in the separator of the regional settings).
inline QString numText(const char* text)
{
    return zenkla::numberText(dec(text));
}
