#pragma once
// Helpers for driving real windows in tests: find controls by name, click, type, press keys.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "testing/tempdir.h"

#include <string>

namespace ui {

// The named control of a window; the test fails when it is missing or of another type.
template <class T>
T* find(QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (!control)
        ADD_FAILURE() << "no control " << name << " in " << window->objectName().toStdString();
    return control;
}

inline QString text(QWidget* window, const char* name)
{
    if (auto* l = window->findChild<QLabel*>(QString::fromLatin1(name)))
        return l->text();
    if (auto* e = window->findChild<QLineEdit*>(QString::fromLatin1(name)))
        return e->text();
    if (auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name)))
        return b->text();
    ADD_FAILURE() << "no text control " << name << " in " << window->objectName().toStdString();
    return {};
}

inline void click(QWidget* window, const char* name)
{
    QWidget* w = find<QWidget>(window, name);
    if (w)
        QTest::mouseClick(w, Qt::LeftButton);
}

// Types text (any letters, Lithuanian ones included) into a control, key by key.
inline void type(QWidget* control, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

inline void enter(QWidget* control)
{
    QTest::keyClick(control, Qt::Key_Return);
}

// Runs the test in a fresh working directory, optionally holding the reward pictures of the build.
class WorkingDirectory {
public:
    explicit WorkingDirectory(bool withPictures)
    {
        previous_ = QDir::currentPath();
        if (withPictures) {
            const QString pictures = QDir(previous_).absoluteFilePath(QStringLiteral("paveikslai"));
#ifdef Q_OS_WIN
            // Windows makes a shortcut file, not a link: the pictures are copied instead.
            QDir(dir_.path()).mkdir(QStringLiteral("paveikslai"));
            for (const QString& file : QDir(pictures).entryList(QDir::Files))
                QFile::copy(pictures + QLatin1Char('/') + file, dir_.filePath(QStringLiteral("paveikslai/") + file));
#else
            QFile::link(pictures, dir_.filePath(QStringLiteral("paveikslai")));
#endif
        }
        QDir::setCurrent(dir_.path());
    }
    ~WorkingDirectory() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_{temporaryTemplate()};
    QString previous_;
};

} // namespace ui

inline std::ostream& operator<<(std::ostream& os, const QString& s)
{
    return os << s.toStdString();
}
