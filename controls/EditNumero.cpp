#include "controls/EditNumero.h"

#include "common/NumberFormat.h"
#include "controls/RegionalJanela.h"
#include "project/DialogService.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStatusTipEvent>
#include <QtGlobal>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace sulvo {
namespace {

IDialogService* gServicoPadrao = nullptr;
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
    if (digitos == 0) {
        // A separator typed first stands for "0,": the user goes on with the decimals (",5" is 0,5).
        if (i == fim && !numero.empty() && numero.back() == '.')
            return numero.front() == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
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

// The text of a field read as the field reads it: the first "," (or the regional separator) is the
// decimal point.
std::optional<double> LerTextoDoCampo(QString copia) {
    qsizetype virgula = copia.indexOf(u',');
    if (virgula < 0 && TEditNumero::SeparadorDecimal() != u'.')
        virgula = copia.indexOf(TEditNumero::SeparadorDecimal());
    if (virgula >= 0)
        copia[virgula] = u'.';
    return LerNumeroComPonto(copia);
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
    // QLineEdit tells the user's changes (keys, clipboard, drops, undo) from those made by setText.
    connect(this, &QLineEdit::textEdited, this, &TEditNumero::Editado);
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
    return RegionalJanela().SeparadorDecimal;
}

QChar TEditNumero::SeparadorMilhar() {
    return RegionalJanela().SeparadorMilhar;
}

void TEditNumero::DefinirSeparadores(QChar decimal, QChar milhar) {
    TRegionalJanela regional = RegionalJanela();
    regional.SeparadorDecimal = decimal;
    regional.SeparadorMilhar = milhar;
    DefinirRegionalJanela(regional);
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
    QString texto = QString::fromStdString(FormatarEntrada(v, FDecimais, '.')).replace(u'.', SeparadorDecimal());
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
    if (text().isEmpty())
        return resultado;
    if (auto lido = LerTextoDoCampo(text()))
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
    if (text().isEmpty())
        return;
    // The value read from the text is kept as it is; only its display is tidied, so that 0,00025 in a
    // field of 4 decimals stays 0,00025 and 1,23456 in a field of 3 stays 1,23456.
    FValor = Valor();
    FDigitando = false;
    const QString mostrado = TextoDoValor(FValor);
    if (mostrado != text())
        setText(mostrado);
}

void TEditNumero::Confirmar() {
    if (isReadOnly())
        return;
    AjustarTexto();
    emit OnExit();
    FDigitando = false;
    selectAll();
}

std::optional<QString> TEditNumero::TextoColavel(const QString& texto) const {
    QString limpo = texto.trimmed();
    if (limpo.startsWith(u'+'))
        limpo.remove(0, 1);
    const auto valor = LerReal(limpo.toStdString());
    if (!valor)
        return std::nullopt;
    if (!FNegativo && (*valor < 0 || limpo.startsWith(u'-')))
        return std::nullopt;
    if (FFormato == TFormato::fInteger && limpo.contains(QRegularExpression(QStringLiteral("[.,eE]"))))
        return std::nullopt;
    limpo.replace(u'.', SeparadorDecimal()).replace(u',', SeparadorDecimal());
    return limpo;
}

bool TEditNumero::Colar(const QString& texto) {
    if (isReadOnly())
        return false;
    std::optional<QString> colavel = TextoColavel(texto);
    if (colavel) {
        // What the field would hold afterwards must read as a number too ("1,5" pasted behind "2,3" is not).
        QString resultado = text();
        if (hasSelectedText())
            resultado.replace(selectionStart(), selectionLength(), *colavel);
        else
            resultado.insert(cursorPosition(), *colavel);
        if (!LerTextoDoCampo(resultado))
            colavel.reset();
    }
    if (!colavel) {
        Recusar(texto);
        return false;
    }
    FDigitando = true;
    FTextoAnterior = text();
    insert(*colavel);
    return true;
}

void TEditNumero::Recusar(const QString& texto) {
    QString mostrado = texto.simplified();
    if (mostrado.size() > 30)
        mostrado = mostrado.left(29) + QChar(0x2026);
    const QString dica = QStringLiteral("Texto recusado: \"%1\" não é um número.").arg(mostrado);
    QApplication::beep();
    // The status tip travels up to the window, whose status bar shows it.
    QStatusTipEvent evento(dica);
    QCoreApplication::sendEvent(this, &evento);
    emit TextoRecusado(dica);
}

void TEditNumero::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        // Enter confirms the field, then goes on to the page (its "Calcular") or dialog (default button).
        Confirmar();
        evento->ignore();
        return;
    }
    if (evento->matches(QKeySequence::Paste)) {
        if (!isReadOnly())
            Colar(QGuiApplication::clipboard()->text());
        evento->accept();
        return;
    }
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
        // Escape still reaches the dialog around the field (its cancel button).
        if (tecla == QChar(0x1b))
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
    // A click into the field selects all as Tab does, so that what is typed replaces the value.
    FCliqueSelecionaTudo = evento->reason() == Qt::MouseFocusReason;
}

void TEditNumero::mousePressEvent(QMouseEvent* evento) {
    QLineEdit::mousePressEvent(evento);
    if (FCliqueSelecionaTudo && evento->button() == Qt::LeftButton) {
        selectAll();
        FSelecionouNoClique = true;
    }
    FCliqueSelecionaTudo = false;
}

void TEditNumero::mouseMoveEvent(QMouseEvent* evento) {
    if (FSelecionouNoClique) {
        evento->accept();
        return;
    }
    QLineEdit::mouseMoveEvent(evento);
}

void TEditNumero::mouseReleaseEvent(QMouseEvent* evento) {
    FSelecionouNoClique = false;
    // The middle button pastes the X11 selection: through the same check as Ctrl+V.
    if (evento->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly())
            Colar(QGuiApplication::clipboard()->text(QClipboard::Selection));
        evento->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(evento);
}

void TEditNumero::contextMenuEvent(QContextMenuEvent* evento) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's "Paste" goes through the same check as Ctrl+V.
    if (auto* colar = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(colar, &QAction::triggered, nullptr, nullptr);
        connect(colar, &QAction::triggered, this, [this] { Colar(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(evento->globalPos());
}

void TEditNumero::dragEnterEvent(QDragEnterEvent* evento) {
    if (isReadOnly() || !evento->mimeData()->hasText()) {
        evento->ignore();
        return;
    }
    evento->acceptProposedAction();
}

void TEditNumero::dragMoveEvent(QDragMoveEvent* evento) {
    if (isReadOnly() || !evento->mimeData()->hasText()) {
        evento->ignore();
        return;
    }
    evento->acceptProposedAction();
}

// A number dropped on the field replaces its value.
void TEditNumero::dropEvent(QDropEvent* evento) {
    if (isReadOnly() || !evento->mimeData()->hasText()) {
        evento->ignore();
        return;
    }
    setFocus(Qt::OtherFocusReason);
    selectAll();
    if (Colar(evento->mimeData()->text()))
        evento->acceptProposedAction();
    else
        evento->ignore();
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
