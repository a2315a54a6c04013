#pragma once
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class QPushButton;
class PictureBox;

// The common style of Veltora's windows: a fixed size (frame included) centred on the desktop,
// the title-bar blue as background, a title bar with the caption only, and the exit picture
// Image1 at the bottom right, whose click runs Image1Click (close the window) and then ends the
// program when no window is left on screen.
//
// Enter presses the push button that has the focus; otherwise the most recently marked
// default button that is visible and enabled. A window may have several default buttons.
class TWindow : public QWidget {
    Q_OBJECT
public:
    enum class Frame { CaptionOnly, Closable };

    TWindow(const char* name, const QString& caption, QSize frameSize = {800, 550},
            Frame frame = Frame::CaptionOnly, bool exitPicture = true);
    ~TWindow() override;

    PictureBox* Image1 = nullptr;
    virtual void Image1Click();

    void makeDefault(QPushButton* button, bool isDefault = true);
    bool isDefault(const QPushButton* button) const;
    // The button that Enter presses now, or nullptr.
    QPushButton* enterTarget() const;

    // Releases a window that nothing refers to any more: at the next turn of the event loop when
    // it is hidden, otherwise once the pupil has closed it, so that nothing on screen changes.
    void release();

    // Every window of the program that exists now, in creation order.
    static const QList<TWindow*>& all();

    // Puts a control after the window's own controls in the tab order (navigation buttons and
    // the exit picture come last), so that the first control of the window gets the focus.
    void keepLastInTabOrder(QWidget* control);

    // Work that needs font metrics (placing text by its measured width) waits until the window
    // is first polished, just before it is first shown or rendered: creating the 26 windows at
    // start-up then loads no fonts that the first screen does not show.
    void atFirstPolish(std::function<void()> step);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QList<QPointer<QPushButton>> defaults_;
    QList<QWidget*> trailing_;
    std::vector<std::function<void()>> polishSteps_;
    bool tabOrderDone_ = false;
    bool releaseWhenHidden_ = false;
};

// Client size of a window whose outer size (frame included) is frameSize.
QSize clientSize(QSize frameSize);

// Ends the program (the main menu was closed). Tests replace what ending does.
void endProgram();
void setProgramEnd(std::function<void()> end);
bool programEnded();
void resetProgramEnded();

// Ends the program when none of its windows is visible.
void endIfNothingVisible();
