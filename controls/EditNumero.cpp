#include "controls/EditNumero.h"

#include "common/NumberFormat.h"
#include "project/DialogService.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace sulvo {
namespace {

IDialogService* gServicoPadrao = nullptr;
bool gSeparadoresLidos = false;
QChar gSeparadorDecimal = u'.';
QChar gSeparadorMilhar = u',';

void LerSeparadoresRegionais() {
    if (gSeparadoresLidos)
        return;
    const QLocale regional = QLocale::system();
    const QString decimal = regional.decimalPoint();
    const QString milhar = regional.groupSeparator();
    gSeparadorDecimal = decimal.size() == 1 ? decimal.at(0) : QChar(u'.');
    gSeparadorMilhar = milhar.size() == 1 ? milhar.at(0) : QChar(u',');
    gSeparadoresLidos = true;
}

bool Digito(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A number written with "." as the decimal point: leading blanks, an optional sign, digits with an
// optional fractional part, an optional exponent, and nothing after it.
std::optional<double> LerNumeroComPonto(const QString& texto) {
    qsizetype i = 0;
    const qsizetype fim = texto.size();
    while (i < fim && (texto[i] == u' ' || texto[i] == u'\t'))
        ++i;
    std::string numero;
    if (i < fim && (texto[i] == u'+' || texto[i] == u'-')) {
        if (texto[i] == u'-')
            numero.push_back('-');
        ++i;
    }
    int digitos = 0;
    while (i < fim && Digito(texto[i])) {
        numero.push_back(static_cast<char>(texto[i++].unicode()));
        ++digitos;
    }
    if (i < fim && texto[i] == u'.') {
        numero.push_back('.');
        ++i;
        while (i < fim && Digito(texto[i])) {
            numero.push_back(static_cast<char>(texto[i++].unicode()));
            ++digitos;
        }
    }
    if (digitos == 0)
        return std::nullopt;
    if (i < fim && (texto[i] == u'e' || texto[i] == u'E')) {
        numero.push_back('e');
        ++i;
        if (i < fim && (texto[i] == u'+' || texto[i] == u'-'))
            numero.push_back(static_cast<char>(texto[i++].unicode()));
        int expoente = 0;
        while (i < fim && Digito(texto[i])) {
            numero.push_back(static_cast<char>(texto[i++].unicode()));
            ++expoente;
        }
        if (expoente == 0)
            return std::nullopt;
    }
    if (i != fim)
        return std::nullopt;
    double valor = 0;
    auto [ptr, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    if (erro != std::errc() || ptr != numero.data() + numero.size() || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

QString Geral(double v) {
    return QString::fromStdString(FormatarGeral(v, '.', 15)).replace(u'.', TEditNumero::SeparadorDecimal());
}

} // namespace

TEditNumero::TEditNumero(QWidget* parent) : QLineEdit(parent) {
    resize(121, 21);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AtualizarTeclasValidas();
    connect(this, &QLineEdit::textChanged, this, &TEditNumero::TextoMudou);
}

QSize TEditNumero::sizeHint() const {
    return {121, std::max(21, QLineEdit::sizeHint().height())};
}

void TEditNumero::DefinirServicoDialogosPadrao(IDialogService* servico) {
    gServicoPadrao = servico;
}
IDialogService* TEditNumero::ServicoDialogosPadrao() {
    return gServicoPadrao;
}

QChar TEditNumero::SeparadorDecimal() {
    LerSeparadoresRegionais();
    return gSeparadorDecimal;
}

QChar TEditNumero::SeparadorMilhar() {
    LerSeparadoresRegionais();
    return gSeparadorMilhar;
}

void TEditNumero::DefinirSeparadores(QChar decimal, QChar milhar) {
    gSeparadorDecimal = decimal;
    gSeparadorMilhar = milhar;
    gSeparadoresLidos = true;
}

void TEditNumero::AtualizarTeclasValidas() {
    FTeclasValidas = QStringLiteral("\b0123456789");
    if (FFormato == TFormato::fDouble)
        FTeclasValidas.append(SeparadorDecimal());
    if (FNegativo)
        FTeclasValidas.append(u'-');
}

QString TEditNumero::TextoDoValor(double v) const {
    if (FFormato == TFormato::fInteger)
        return QString::fromStdString(FormatarPadrao(std::nearbyint(v), 0, '.'));
    QString texto = QString::fromStdString(FormatarPadrao(v, FDecimais, '.')).replace(u'.', SeparadorDecimal());
    return texto.size() < 2 ? texto.rightJustified(2, u' ') : texto;
}

double TEditNumero::Valor() {
    if (text().isEmpty())
        return FValorZero;
    if (FDigitando)
        return TextoParaValor();
    return FValor;
}

void TEditNumero::SetValor(double v) {
    FDigitando = false;
    FValor = v;
    if (FValor > FMaximo)
        FValor = FMaximo;
    if (!(FValor >= FMinimo))
        FValor = FMinimo;
    setText(TextoDoValor(FValor));
}

double TEditNumero::TextoParaValor() {
    const double resultado = FValor;
    QString copia = text();
    if (copia.isEmpty())
        return resultado;
    qsizetype virgula = copia.indexOf(u',');
    if (virgula < 0 && SeparadorDecimal() != u'.')
        virgula = copia.indexOf(SeparadorDecimal());
    if (virgula >= 0)
        copia[virgula] = u'.';
    if (auto lido = LerNumeroComPonto(copia))
        return *lido;
    setText(FTextoAnterior);
    return resultado;
}

void TEditNumero::TextoMudou() {
    if (FDigitando) {
        const QString texto = text();
        if (texto.isEmpty() || texto == u"-")
            FValor = 0;
        else
            FValor = TextoParaValor();
    }
    if (FValor > FMaximo) {
        FValor = FMaximo;
        AjustarTexto();
    }
    if (!(FValor >= FMinimo)) {
        FValor = FMinimo;
        AjustarTexto();
    }
    emit OnChange();
}

void TEditNumero::AjustarTexto() {
    if (Valor() > FMaximo)
        SetValor(FMaximo);
    if (!(Valor() >= FMinimo))
        SetValor(FMinimo);
    if (!text().isEmpty())
        setText(TextoDoValor(Valor()));
}

void TEditNumero::keyPressEvent(QKeyEvent* evento) {
    const Qt::KeyboardModifiers mods = evento->modifiers();
    const bool atalho = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
    const bool backspace = evento->key() == Qt::Key_Backspace;
    // Editing and navigation keys (arrows, Delete, the clipboard shortcuts) are not characters.
    if (isReadOnly() || atalho || evento->key() == Qt::Key_Delete || (evento->text().isEmpty() && !backspace)) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    QChar tecla = backspace ? QChar(u'\b') : evento->text().at(0);
    FDigitando = true;
    FTextoAnterior = text();
    if (tecla == SeparadorMilhar())
        tecla = SeparadorDecimal();
    if (tecla == SeparadorDecimal() && text().contains(SeparadorDecimal())) {
        evento->accept();
        return;
    }
    if (!FTeclasValidas.contains(tecla)) {
        // Enter and Escape still reach the dialog around the field (default and cancel buttons).
        if (tecla == u'\r' || tecla == u'\n' || tecla == QChar(0x1b))
            evento->ignore();
        else
            evento->accept();
        return;
    }
    emit OnKeyPress(tecla);
    if (tecla.isNull()) {
        evento->accept();
        return;
    }
    if (tecla == u'\b' && backspace)
        QLineEdit::keyPressEvent(evento);
    else {
        insert(QString(tecla));
        evento->accept();
    }
}

// Text committed by an input method is typed, character by character, through the key filter.
void TEditNumero::inputMethodEvent(QInputMethodEvent* evento) {
    const QString digitado = evento->commitString();
    if (digitado.isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(evento);
        return;
    }
    QInputMethodEvent semTexto(evento->preeditString(), evento->attributes());
    QLineEdit::inputMethodEvent(&semTexto);
    for (QChar c : digitado) {
        QKeyEvent tecla(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        keyPressEvent(&tecla);
    }
    evento->accept();
}

void TEditNumero::focusInEvent(QFocusEvent* evento) {
    QLineEdit::focusInEvent(evento);
    if (evento->reason() != Qt::PopupFocusReason && evento->reason() != Qt::ActiveWindowFocusReason)
        selectAll();
}

void TEditNumero::focusOutEvent(QFocusEvent* evento) {
    // A context menu or another window taking over is not leaving the field.
    if (evento->reason() != Qt::PopupFocusReason && evento->reason() != Qt::ActiveWindowFocusReason) {
        AjustarTexto();
        emit OnExit();
        FDigitando = false;
    }
    QLineEdit::focusOutEvent(evento);
}

void TEditNumero::SetMinimo(double v) {
    if (v > FMaximo) {
        MostrarErro(QStringLiteral("Ocorreu um erro ao tentar atribuir para a propriedade Minimo um valor maior(") +
                    Geral(v) + QStringLiteral(") que a propriedade Maximo(") + Geral(FMaximo) + QStringLiteral(") ."));
        return;
    }
    FMinimo = v;
}

void TEditNumero::SetMaximo(double v) {
    if (v >= FMinimo) {
        FMaximo = v;
        return;
    }
    MostrarErro(QStringLiteral("Ocorreu um erro ao tentar atribuir para a propriedade Maximo um valor menor(") +
                Geral(v) + QStringLiteral(") que a propriedade Minimo(") + Geral(FMinimo) + QStringLiteral(") ."));
}

void TEditNumero::SetFormato(TFormato f) {
    FFormato = f;
    if (f == TFormato::fInteger)
        FDecimais = 0;
    AtualizarTeclasValidas();
}

void TEditNumero::SetDecimais(int n) {
    if (FFormato == TFormato::fDouble) {
        FDecimais = std::clamp(n, 0, 20);
        return;
    }
    FDecimais = 0;
    if (n != 0)
        MostrarErro(QStringLiteral("Números inteiros não possuem casas decimais."));
}

void TEditNumero::SetNegativo(bool b) {
    FNegativo = b;
    AtualizarTeclasValidas();
}

void TEditNumero::SetAlignment(TAlignment a) {
    if (a == FAlignment)
        return;
    FAlignment = a;
    const Qt::Alignment horizontal = a == TAlignment::taLeftJustify    ? Qt::AlignLeft
                                     : a == TAlignment::taRightJustify ? Qt::AlignRight
                                                                       : Qt::AlignHCenter;
    setAlignment(horizontal | Qt::AlignVCenter);
}

void TEditNumero::MostrarErro(const QString& texto) {
    IDialogService* servico = FServico ? FServico : gServicoPadrao;
    if (servico)
        servico->Erro(texto.toStdString());
    else
        qWarning("%s", qUtf8Printable(texto));
}

} // namespace sulvo
