#include "controls/RegionalJanela.h"

#include <QLocale>

#include <optional>

namespace sulvo {
namespace {

std::optional<TRegionalJanela>& Atual() {
    static std::optional<TRegionalJanela> atual;
    return atual;
}

// The long time pattern without the time-zone part Qt adds to it: "HH:mm:ss" on a Brazilian system, as the
// clock of a desktop shows it.
QString SemFuso(const QString& formato) {
    QString semFuso;
    bool citacao = false;
    for (QChar c : formato) {
        if (c == u'\'')
            citacao = !citacao;
        if (!citacao && c == u't')
            continue;
        semFuso += c;
    }
    return semFuso.trimmed();
}

} // namespace

TRegionalJanela LerRegionalDoSistema() {
    const QLocale sistema = QLocale::system();
    TRegionalJanela r;
    const QString decimal = sistema.decimalPoint();
    const QString milhar = sistema.groupSeparator();
    r.SeparadorDecimal = decimal.size() == 1 ? decimal.at(0) : QChar(u'.');
    r.SeparadorMilhar = milhar.size() == 1 ? milhar.at(0) : QChar(u',');
    r.FormatoData = sistema.dateFormat(QLocale::ShortFormat);
    r.FormatoHora = SemFuso(sistema.timeFormat(QLocale::LongFormat));
    // The first punctuation mark of the short date pattern ("dd/MM/yyyy" gives "/"); a pattern that separates
    // with blanks or names the month ("d MMM yyyy" of the C locale) has none, and the date is then written with
    // the slash.
    r.SeparadorData = '/';
    for (QChar c : r.FormatoData)
        if (c.isPunct() && c != u'\'' && c.unicode() < 128) {
            r.SeparadorData = static_cast<char>(c.unicode());
            break;
        }
    return r;
}

const TRegionalJanela& RegionalJanela() {
    if (!Atual())
        Atual() = LerRegionalDoSistema();
    return *Atual();
}

void DefinirRegionalJanela(const TRegionalJanela& regional) {
    Atual() = regional;
}

} // namespace sulvo
