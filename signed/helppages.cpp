#include "signed/helppages.h"

namespace {
const QSize helpSize{714, 428};
}

TForm10::TForm10() : TWindow("Form10", QStringLiteral("Teigiami neigiami skaičiai"), helpSize) {}
TForm11::TForm11() : TWindow("Form11", QStringLiteral("Teigiami ir neigiami skaičiai"), helpSize) {}
TForm12::TForm12() : TWindow("Form12", QStringLiteral("Teigiami ir neigiami skaičiai"), helpSize) {}
TForm13::TForm13() : TWindow("Form13", QStringLiteral("Teigiami ir neigiami skaičiai"), helpSize) {}
