#pragma once

#include <QChar>
#include <QString>

// The regional settings the window writes and reads numbers, dates and times with. They are read from the system
// once, when the window starts (or at their first use, in tests), and every widget that shows a number or a date —
// the entry fields, the charts, the report, the clock — takes them from here instead of asking the locale itself,
// so that no two of them can disagree on the separator.
namespace sulvo {

struct TRegionalJanela {
    QChar SeparadorDecimal = u'.';
    QChar SeparadorMilhar = u',';
    char SeparadorData = '/';                           // of the dates the user types (the project's date)
    QString FormatoData = QStringLiteral("dd/MM/yyyy"); // short date pattern, Qt notation
    QString FormatoHora = QStringLiteral("HH:mm:ss");   // long time pattern without the time zone

    // The decimal separator as the report and the project file write it: one ASCII character.
    char Decimal() const {
        return SeparadorDecimal.unicode() < 0x80 ? static_cast<char>(SeparadorDecimal.unicode()) : '.';
    }
};

// The settings of this run; read from QLocale::system() the first time.
const TRegionalJanela& RegionalJanela();
// Replaces them (the tests fix the separators they drive the window with).
void DefinirRegionalJanela(const TRegionalJanela& regional);
// What the system's locale says now.
TRegionalJanela LerRegionalDoSistema();

} // namespace sulvo
