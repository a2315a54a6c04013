// What a screen reader and other accessibility tools see of Zenkla's windows.
#include "trainer/dialogs.h"
#include "zenkla_ui.h"

#include <QAccessible>

using namespace zenkla;

namespace {

QString className(const QObject* object)
{
    return QString::fromLatin1(object->metaObject()->className());
}

} // namespace

TEST_F(Zenkla, TheThreeWindowsAreClassesOfTheirOwn)
{
    TForm2* about = loadForm2();
    TForm3* error = loadForm3();
    const struct {
        QWidget* window;
        const char* objectName;
        const char* className;
    } rows[] = {{window, "Form1", "zenkla::TForm1"}, {about, "Form2", "zenkla::TForm2"}, {error, "Form3", "zenkla::TForm3"}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.window->objectName(), QString::fromLatin1(row.objectName));
        EXPECT_EQ(className(row.window), QString::fromLatin1(row.className));
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(row.window);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(className(iface->object()), QString::fromLatin1(row.className));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(about)->role(), QAccessible::Dialog);
    unloadForm2();
    unloadForm3();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
