#pragma once

class TWindow;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
class TForm16;
class TForm17;
class TForm18;
class TForm19;
class TForm20;
class TForm21;
class TForm22;
class TForm23;
class TForm24;
class TForm25;
class TForm26;

// The program-wide window references. The practice and test windows' references are replaced
// by a new instance on every entry from their topic menu.
extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;
extern TForm4* Form4;
extern TForm5* Form5;
extern TForm6* Form6;
extern TForm7* Form7;
extern TForm8* Form8;
extern TForm9* Form9;
extern TForm10* Form10;
extern TForm11* Form11;
extern TForm12* Form12;
extern TForm13* Form13;
extern TForm14* Form14;
extern TForm15* Form15;
extern TForm16* Form16;
extern TForm17* Form17;
extern TForm18* Form18;
extern TForm19* Form19;
extern TForm20* Form20;
extern TForm21* Form21;
extern TForm22* Form22;
extern TForm23* Form23;
extern TForm24* Form24;
extern TForm25* Form25;
extern TForm26* Form26;

// When the windows behind the main menu are made. The program makes the main menu, shows it,
// and builds the other 25 just after its first paint, which brings the menu up sooner; a
// window asked for before then (form) is made on the spot. The topic menus make a new practice
// or test instance on every entry, so the pupil never sees the start-up ones. Tests build
// everything at once.
enum class StartUp { AllWindows, MenuFirst };

// Creates the 26 windows, running their creation handlers (the main menu, then the menus, pages
// and prompt in numeric order, then the six practice and test windows), and shows the main menu.
// Program-wide exercise state starts afresh.
void createForms(StartUp startUp = StartUp::AllWindows);
// Releases every window (program end, or between tests).
void destroyForms();

// The window behind reference FormN (1 … 26) now.
TWindow* form(int n);

// Creates a new instance of a practice or test window into its reference and shows it.
// The instance it replaces is released (once it is hidden, when it is still on screen).
void enterPractice(int n);
