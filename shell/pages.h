#pragma once
#include "shell/navigation.h"
#include "shell/window.h"

#include <initializer_list>

class QLabel;
class QPushButton;

// One fixed line of a page: a label with its name, place, text and look.
struct PageLine {
    enum Role {
        Heading, // bold yellow Bookman
        Rule,    // bold lime Times
        Example, // bold yellow Times
        Mark,    // an underline mark or a coloured piece, in the given colour
    };
    const char* name;
    int left;
    int top;
    const char* text; // UTF-8
    Role role;
    int pixels;
    unsigned colour = 0;  // 0xRRGGBB for Mark lines; 0 takes the role's colour
    bool italic = false;
    bool hidden = false;

    // Where the label goes. At: at left, top. The other places compute the position from the
    // fonts in use, against `anchor`, a line built before this one on the same page; left and
    // top then keep the position the original fonts gave and are not used (Centred uses top).
    enum Place {
        At,
        Centred, // centred across the page at top
        After,   // on the anchor's line, straight after its text; a blank between the two unless
                 // the anchor's text ends in one (pieces of one line in different colours)
        Beneath, // at top, starting where the word `term` of the anchor starts (a line that goes
                 // on under an earlier one)
        Under,   // an underline mark: its ink centred under the word `term` of the anchor and
                 // just below the anchor's baseline
    };
    Place place = At;
    const char* anchor = nullptr; // name of the earlier line
    const char* term = nullptr;   // a whole word of the anchor's text (its first such word)
};

// Builds the labels of a page from its lines, in the order given.
void buildPage(QWidget* page, std::initializer_list<PageLine> lines);

// A theory page: "Turinys" (BitBtn5), "Pradžia" (BitBtn1) and, but on the last page of a
// chain, "Toliau" (BitBtn2), with the exit picture.
class TTheoryPage : public TWindow {
    Q_OBJECT
public:
    struct Chain {
        const char* name;
        const char* caption;
        int topicMenu;     // the window "Pradžia" returns to
        int next;          // the next page of the chain, 0 on the last page
        Order pradzia;     // whether "Pradžia" shows the topic menu before closing
    };
    explicit TTheoryPage(const Chain& chain);

    QPushButton* BitBtn5;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2 = nullptr;

    void BitBtn5Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void Image1Click() override;

protected:
    // Runs first in every handler that leaves the page.
    virtual void leaving() {}

private:
    int topicMenu_;
    int next_;
    Order pradzia_;
};

// Navigation of a practice window: "Turinys" (BitBtn5) to the main menu and "Pradžia" (BitBtn1)
// to the topic menu, both in the given order.
class TExerciseWindow : public TWindow {
    Q_OBJECT
public:
    TExerciseWindow(const char* name, const char* caption, int topicMenu, Order order);

    QPushButton* BitBtn5;
    QPushButton* BitBtn1;

    void BitBtn5Click();
    void BitBtn1Click();

private:
    int topicMenu_;
    Order order_;
};
