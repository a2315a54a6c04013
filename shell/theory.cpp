#include "shell/theory.h"

namespace {
const char* const signedCaption = "Teigiami neigiami skaičiai";
const char* const signedCaption2 = "Teigiami ir neigiami skaičiai";
const char* const expressionCaption = "Reiškinių pertvarkymas";
const char* const equationCaption = "Lygtys";
} // namespace

TForm3::TForm3() : TTheoryPage({"Form3", signedCaption, 2, 4, Order::CloseFirst}) {}
TForm4::TForm4() : TTheoryPage({"Form4", signedCaption, 2, 5, Order::CloseFirst}) {}
TForm5::TForm5() : TTheoryPage({"Form5", signedCaption, 2, 6, Order::CloseFirst}) {}
TForm6::TForm6() : TTheoryPage({"Form6", signedCaption, 2, 7, Order::CloseFirst}) {}
TForm7::TForm7() : TTheoryPage({"Form7", signedCaption2, 2, 0, Order::CloseFirst}) {}

TForm15::TForm15() : TTheoryPage({"Form15", expressionCaption, 16, 17, Order::ShowFirst}) {}
TForm17::TForm17() : TTheoryPage({"Form17", expressionCaption, 16, 18, Order::ShowFirst}) {}
TForm18::TForm18() : TTheoryPage({"Form18", expressionCaption, 16, 0, Order::ShowFirst}) {}

TForm22::TForm22() : TTheoryPage({"Form22", equationCaption, 21, 23, Order::CloseFirst}) {}
TForm23::TForm23() : TTheoryPage({"Form23", equationCaption, 21, 24, Order::CloseFirst}) {}
TForm24::TForm24() : TTheoryPage({"Form24", equationCaption, 21, 0, Order::CloseFirst}) {}
