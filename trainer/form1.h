#pragma once
// Form1, Zenkla's one main window: the start screen, the problem screen and
// the states of a test are shown and hidden controls of this window. Controls carry their given
// names (as objectName too), handlers their given names; the window state is declared in the
// order in which the window keeps it.
// form1_layout.cpp builds the controls and menus, form1_test.cpp holds test mode (the name
// entry, the results table, the end of the test), form1.cpp the rest.
#include "trainer/decimal.h"
#include "trainer/draws.h"
#include "trainer/problems.h"
#include "trainer/resultstable.h"
#include "trainer/sitting.h"
#include "trainer/widgets.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

namespace zenkla {

struct WorkedSolution;
class PendingResult;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1();
    ~TForm1() override;

    // --- Window state ---
    int l = 0;   // elapsed seconds; -1 after a reset
    int sk = 0;  // upper bound of magnitudes
    int d = 0;   // decimals
    int pr = 0;  // lower bound of follow-up magnitudes
    Sitting sitting;                     // the test being sat (sitting.h)
    int& k = sitting.answered;           // test problems answered, kept in the sitting
    std::int16_t& kontr = sitting.right; // correct test answers, kept in the sitting
    Decimal a;
    Decimal b;
    QString veiksm; // theme text of the test results header

    // --- Controls ---
    QLabel* Label17;
    QLabel* Label18;
    QGroupBox* Frame1;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QGroupBox* Frame2;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QRadioButton* Option8;
    QRadioButton* Option9;
    QPushButton* Command2;
    QLabel* Label16;
    QLabel* Label19;
    QLabel* Label21;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label2;
    KeyBox* Text1;
    QLabel* Label3;
    QLabel* Label6;
    QLabel* Label7;
    QGroupBox* Frame4;
    QLabel* Label27;
    QLabel* Label28;
    QLabel* Label29;
    QLabel* Label30;
    QLabel* Label31;
    QPushButton* Command1;
    QWidget* Frame3;
    Shape* Shape1;
    VerticalLine* Line1;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    Shape* Shape2;
    VerticalLine* Line2;
    QLabel* Label22;
    QLabel* Label23;
    QLabel* Label10;
    QLabel* Label9;
    QLabel* Label11;
    QLabel* Label8;
    QTimer* Timer1;
    QLabel* Label20;
    QLabel* Label24;
    KeyBox* text2;
    QLabel* Label26;
    ResultsTable* Picture1; // the results table of a test
    QPushButton* Command3;

    // --- Menus ---
    QMenu* mnuPrograma;
    QAction* mnuIš_naujo;
    QAction* mnuBaigti;
    QMenu* mnuVeiksmai;
    QAction* mnuSudėtis;
    QAction* mnuAtimtis;
    QAction* mnuDaugyba;
    QAction* mnuDalyba;
    QAction* mnuĮvairūs_veiksmai;
    QMenu* mnuLygis;
    QAction* mnu1;
    QAction* mnu2;
    QAction* mnu3;
    QAction* mnu4;
    QMenu* mnuRežimas;
    QAction* mnuTreniruoklis;
    QAction* mnuKontrolinis_darbas;
    QMenu* mnuPagalba;
    QAction* mnuApie;

    // --- Handlers ---
    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void text1_keypress(int& KeyAscii);
    void text2_keypress(int& KeyAscii);
    void Timer1_Timer();
    void mnuSudėtis_Click();
    void mnuAtimtis_Click();
    void mnuDaugyba_Click();
    void mnuDalyba_Click();
    void mnuĮvairūs_veiksmai_Click();
    void mnu1_Click();
    void mnu2_Click();
    void mnu3_Click();
    void mnu4_Click();
    void mnuTreniruoklis_Click();
    void mnuKontrolinis_darbas_Click();
    void mnuIš_naujo_Click();
    void mnuBaigti_Click();
    void mnuApie_Click();
    // Draws and shows a first problem (operands and their labels only).
    void nauja();

    // The source of the draws (tests fix it) and what "&Baigti" does to end the program.
    void setDrawSource(std::unique_ptr<DrawSource> source);
    DrawSource& draws() { return *draws_; }
    void setProgramEnd(std::function<void()> end) { programEnd_ = std::move(end); }
    // What shows a message to the pupil and the teacher (a message box titled with the window's
    // caption; tests record it instead).
    void setMessage(std::function<void(const QString&)> show) { message_ = std::move(show); }

    bool testMode() const;
    bool mixedMode() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildControls(QWidget* client);
    void buildMenus();

    void chooseOperationFromMenu(int index);
    void chooseLevelFromMenu(int index);
    void setLevel(const Level& level);
    void checkOnly(const std::array<QAction*, 5>& items, int index);
    void checkOnly(const std::array<QAction*, 4>& items, int index);

    // Drawing a problem: the operands by a rule, then shown in Label4 and Label5.
    void drawAndShow(Rule rule);
    void judgeAnswer(int& KeyAscii);
    void showSolution(const WorkedSolution& w);
    void addOne(QLabel* count);

    // The way back to the start screen in trainer mode, shared by "&Iš naujo" and Command3.
    enum class Return { Menu, EndOfTest };
    void returnToStartScreen(Return from);

    // Test mode (form1_test.cpp): the name entry, bookkeeping after each judged answer, the
    // results table and the end of the test.
    void acceptName();
    void nameTooLong();
    void pasteIntoText2(const QString& pasted);
    void afterJudgingInTest(const Judgement& j, int& KeyAscii);
    void endTest(int& KeyAscii);
    void leaveResults();
    void startResultsTable();
    void clearResultsTable();

    std::array<QRadioButton*, 5> operationOptions_{};
    std::array<QRadioButton*, 4> levelOptions_{};
    std::array<QAction*, 5> operationItems_{};
    std::array<QAction*, 4> levelItems_{};
    std::array<QLabel*, 5> solutionLabels_{};

    std::unique_ptr<DrawSource> draws_;
    std::function<void()> programEnd_;
    std::function<void(const QString&)> message_;
    PendingResult* pendingResult_;
};

} // namespace zenkla
