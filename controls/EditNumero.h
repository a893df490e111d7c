#pragma once

#include <QLineEdit>
#include <QString>

#include <optional>

namespace sulvo {

class IDialogService;

enum class TFormato { fDouble, fInteger };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// One-line box in which the user types one real number. Only digits, backspace, one decimal separator
// and (when Negativo) a minus sign pass the key filter; the value is held within [Minimo, Maximo]. The value
// typed is the value kept, to full precision: the field shows it with at least Decimais decimals and as
// many more as it needs (up to 10 significant digits), whenever code assigns it and whenever the user
// leaves the field. An empty text reads as ValorZero; a lone or leading separator reads as "0,".
// Pasted or dropped text must read as a number (either separator, blanks trimmed) or it is refused at
// once, with a beep and a hint in the status bar. Enter confirms the field as leaving it does and goes on
// to the page or dialog around it (its "Calcular" or default button).
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

    // The text a value is shown with: at least Decimais decimals and up to 10 significant digits for real
    // fields (at least two characters, blanks on the left), the value rounded half to even for whole-number
    // fields.
    QString TextoDoValor(double v) const;

    // Typing state, for tests and for the windows that need to know whether the user is typing.
    bool Digitando() const { return FDigitando; }
    QSize sizeHint() const override;

    // Pastes `texto` as the user's Ctrl+V does: in place of the selection when it reads as a number the
    // field accepts, refused otherwise (the field unchanged). True when pasted.
    bool Colar(const QString& texto);

signals:
    // Raised for each typed character that passed the key filter, before it is inserted; a handler
    // discards the character by setting it to QChar().
    void OnKeyPress(QChar& tecla);
    // After every change of the text, once the value has been updated.
    void OnChange();
    // When the field has lost the focus (or Enter confirmed it), after its text was reformatted.
    void OnExit();
    // After every change of the text made by the user: typing, Backspace, Delete, Cut, Paste, a drop,
    // Undo and Redo. Text set by code does not raise it.
    void Editado();
    // Pasted or dropped text refused; `dica` is the hint shown in the status bar.
    void TextoRecusado(const QString& dica);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
    void focusInEvent(QFocusEvent* evento) override;
    void focusOutEvent(QFocusEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dragMoveEvent(QDragMoveEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    double TextoParaValor();
    void TextoMudou();
    void AtualizarTeclasValidas();
    void MostrarErro(const QString& texto);
    void Confirmar();
    std::optional<QString> TextoColavel(const QString& texto) const;
    void Recusar(const QString& texto);

    double FValor = 0;
    double FValorZero = 0;
    double FMinimo = 0;
    double FMaximo = 2147483647.0;
    TFormato FFormato = TFormato::fDouble;
    int FDecimais = 0;
    bool FNegativo = false;
    TAlignment FAlignment = TAlignment::taRightJustify;
    bool FDigitando = false;
    bool FCliqueSelecionaTudo = false; // the focus came with this mouse press: the press selects all
    bool FSelecionouNoClique = false;  // ... and the drag that follows must not undo it
    QString FTextoAnterior;
    QString FTeclasValidas;
    IDialogService* FServico = nullptr;
};

} // namespace sulvo
