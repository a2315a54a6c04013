#pragma once
// The fonts installed with the program on Windows: the look-alikes of the classic families the
// windows name, for computers that lack "Bookman Old Style" and the like.

// Registers every font file in the folder "fonts" beside the program with the application, so
// that the windows' family lists find them. Call once, after the QApplication is made and before
// any window. The families Windows itself has still come first where a window names them.
void addInstalledFonts();
