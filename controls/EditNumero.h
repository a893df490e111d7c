#pragma once

#include <QLineEdit>
#include <QString>

namespace sulvo {

class IDialogService;

enum class TFormato { fDouble, fInteger };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// One-line box in which the user types one real number. Only digits, backspace, one decimal separator
// and (when Negativo) a minus sign pass the key filter; the value is held within [Minimo, Maximo] and
// shown with Decimais decimals whenever code assigns it and whenever the user leaves the field.
// An empty text reads as ValorZero. Text that arrives other than by typing (pasted, set by code) is not
// filtered: reading it as a number falls back to the text before the last keystroke.
class TEditNumero : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditNumero(QWidget* parent = nullptr);

    // Reading may set the text back when it does not read as a number.
    double Valor();
    void SetValor(double v);

    double ValorZero() const { return FValorZero; }
    void SetValorZero(double v) { FValorZero = v; }
    double Minimo() const { return FMinimo; }
    void SetMinimo(double v);
    double Maximo() const { return FMaximo; }
    void SetMaximo(double v);
    TFormato Formato() const { return FFormato; }
    void SetFormato(TFormato f);
    int Decimais() const { return FDecimais; }
    void SetDecimais(int n);
    bool Negativo() const { return FNegativo; }
    void SetNegativo(bool b);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);

    // Clamps the value to the limits and, unless the text is empty, shows it with the field's decimals.
    void AjustarTexto();

    // The three property messages go to this service; a field without its own uses the application's.
    void DefinirServicoDialogos(IDialogService* servico) { FServico = servico; }
    static void DefinirServicoDialogosPadrao(IDialogService* servico);
    static IDialogService* ServicoDialogosPadrao();

    // The regional decimal and thousands separators, read from the system locale at first use.
    static QChar SeparadorDecimal();
    static QChar SeparadorMilhar();
    static void DefinirSeparadores(QChar decimal, QChar milhar);

    // The text a value is shown with: "%2.<Decimais>f" for real fields (at least two characters, blanks on
    // the left), the value rounded half to even for whole-number fields.
    QString TextoDoValor(double v) const;

    // Typing state, for tests and for the windows that need to know whether the user is typing.
    bool Digitando() const { return FDigitando; }
    QSize sizeHint() const override;

signals:
    // Raised for each typed character that passed the key filter, before it is inserted; a handler
    // discards the character by setting it to QChar().
    void OnKeyPress(QChar& tecla);
    // After every change of the text, once the value has been updated.
    void OnChange();
    // When the field has lost the focus, after its text was reformatted.
    void OnExit();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;

private:
    double TextoParaValor();
    void TextoMudou();
    void AtualizarTeclasValidas();
    void MostrarErro(const QString& texto);

    double FValor = 0;
    double FValorZero = 0;
    double FMinimo = 0;
    double FMaximo = 2147483647.0;
    TFormato FFormato = TFormato::fDouble;
    int FDecimais = 0;
    bool FNegativo = false;
    TAlignment FAlignment = TAlignment::taRightJustify;
    bool FDigitando = false;
    QString FTextoAnterior;
    QString FTeclasValidas;
    IDialogService* FServico = nullptr;
};

} // namespace sulvo
