#pragma once
// Zenkla's start-up and its three windows: Form1 (the main window), Form2 (About) and Form3
// (the error window of the name entry). Form2 and Form3 exist only while they are loaded.
#include <QIcon>
#include <QString>

namespace zenkla {
class TForm1;
class TForm2;
class TForm3;

extern TForm1* Form1;
extern TForm2* Form2;
extern TForm3* Form3;

// Load: create the window when it is not there yet, and return it. Unload: close and destroy it.
TForm2* loadForm2();
void unloadForm2();
TForm3* loadForm3();
void unloadForm3();

// The caption of Form1, which is also the application name (the title of message boxes).
QString applicationTitle();
// The program icon (title bars and the About window).
QIcon programIcon();
} // namespace zenkla

// Creates Form1, runs its Form_Load, centres it on the screen and shows it (main and tests).
void createForms();
// Destroys every window (tests, between cases).
void destroyForms();
