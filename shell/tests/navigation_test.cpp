#include "shell/forms.h"
#include "shell/handlers.h"
#include "shell/menus.h"
#include "shell/window.h"
#include "testing/ui.h"

#include <QPushButton>
#include <vector>

namespace {

class Navigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        setProgramEnd([] {});
        createForms();
    }
    void TearDown() override
    {
        destroyForms();
        setProgramEnd({});
    }

    static std::vector<int> visible()
    {
        std::vector<int> shown;
        for (int n = 1; n <= 26; ++n)
            if (form(n)->isVisible())
                shown.push_back(n);
        return shown;
    }
};

TEST_F(Navigation, StartsOnTheMainMenuAlone)
{
    EXPECT_EQ(visible(), std::vector<int>{1});
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Veltora 7"));
    for (int n = 1; n <= 26; ++n)
        EXPECT_EQ(form(n)->objectName(), QStringLiteral("Form%1").arg(n));
}

TEST_F(Navigation, MainMenuExitPictureEndsTheProgram)
{
    ui::click(Form1, "Image1");
    EXPECT_TRUE(programEnded());
}

} // namespace
