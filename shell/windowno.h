#pragma once
// The numbers of the program's windows: window N is the one behind reference FormN, reached by
// form(N) and, for the practice and test windows, entered by enterPractice(N).
namespace WindowNo {

inline constexpr int MainMenu = 1;

inline constexpr int SignedMenu = 2;
inline constexpr int SignedTheory1 = 3; // the theory pages 3 … 7 in reading order
inline constexpr int SignedTheory2 = 4;
inline constexpr int SignedTheory3 = 5;
inline constexpr int SignedTheory4 = 6;
inline constexpr int SignedTheory5 = 7;
inline constexpr int SignedPractice = 8;
inline constexpr int Prompt = 9; // "Iveskite skaičių"
inline constexpr int SignedHelp1 = 10; // the practice's four help pages
inline constexpr int SignedHelp2 = 11;
inline constexpr int SignedHelp3 = 12;
inline constexpr int SignedHelp4 = 13;
inline constexpr int SignedTest = 14;

inline constexpr int ExpressionTheory1 = 15; // the theory pages 15, 17, 18 in reading order
inline constexpr int ExpressionMenu = 16;
inline constexpr int ExpressionTheory2 = 17;
inline constexpr int ExpressionTheory3 = 18;
inline constexpr int ExpressionPractice = 19;
inline constexpr int ExpressionTest = 20;

inline constexpr int EquationMenu = 21;
inline constexpr int EquationTheory1 = 22; // the theory pages 22 … 24 in reading order
inline constexpr int EquationTheory2 = 23;
inline constexpr int EquationTheory3 = 24;
inline constexpr int EquationPractice = 25;
inline constexpr int EquationTest = 26;

// How many windows there are: they are numbered 1 … Count.
inline constexpr int Count = 26;

} // namespace WindowNo
