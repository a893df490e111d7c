#pragma once

#include "engine/FaixaRugosidade.h"
#include "roughness/ArqRugosidade.h"

#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace sulvo {

class IDialogService;
class TEditNumero;

// Shows one roughness table, lets the user add and remove rows, and picks the normal coefficient of the
// highlighted row. Created once and reused: the caller sets the table (`DefinirTabela`), shows the dialog
// modally and, when it closes with OK, takes `RugosidadeEscolhida`. The table is read from its file every
// time the dialog opens and written back whole only by OK (or a double-click on a row).
class TFRugosidade : public QDialog {
    Q_OBJECT
public:
    explicit TFRugosidade(IDialogService& dialogos, QWidget* parent = nullptr);
    ~TFRugosidade() override;

    static constexpr int kContextoAjuda = 233;
    static constexpr int kLarguraCliente = 662;
    static constexpr int kAlturaCliente = 221;
    static constexpr int kAlturaPainel = 100; // the window grows by this while the entry panel is open

    // Which table to show (0 to 5; anything outside 0 to 4 is the last), and the window title to match.
    void DefinirTabela(int tipo);

    // Folder of the table files; empty (the default) means the current folder, where the program keeps
    // them beside its executable.
    void DefinirPasta(const std::string& pasta) { pasta_ = pasta; }
    std::string CaminhoTabela() const;

    int TipoTabela = 0;
    TArqRugosidade ArqRugosidade; // the table of the current opening; emptied when the dialog closes
    int LinhaSelecionada = 0;     // highlighted row, 1 for the first record; 0 while the table is empty
    double RugosidadeEscolhida = 0.0;
    // The chosen row's minimum and maximum beside its normal coefficient, for the band of the result.
    TFaixaRugosidade FaixaEscolhida;

    QLabel* Label1;
    QToolButton* SpeedButton1; // first
    QToolButton* SpeedButton2; // previous
    QToolButton* SpeedButton3; // next
    QToolButton* SpeedButton4; // last
    QTableWidget* StringGrid1;
    QPushButton* BtInserir;
    QPushButton* BtEliminar;
    QPushButton* BtOk;
    QPushButton* BtCancel;
    QFrame* Panel1;
    QLineEdit* EdDescricao;
    TEditNumero* EdMinima;
    TEditNumero* EdNormal;
    TEditNumero* EdMaxima;
    QPushButton* btConfirmar;
    QPushButton* Button1;

signals:
    // F1 asks for the topic of the dialog's help context.
    void PedirAjuda(int contexto);

public slots:
    // Closes with Cancel or the close box: the table of this opening is dropped unwritten.
    void done(int resultado) override;

protected:
    void showEvent(QShowEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void FormShow();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void BtInserirClick();
    void btConfirmarClick();
    void Button1Click();
    void BtEliminarClick();
    void BtOkClick();
    void StringGrid1DblClick();
    void StringGrid1SelectCell(int linhaGrade);

    bool GravarEEscolher();
    void PreencherGrade();
    void MostrarLinha(int linhaGrade, const TRegistroRugosidade& registro);
    void Destacar(int linha);
    void FecharPainel();
    int Quantidade() const { return static_cast<int>(ArqRugosidade.Registros.size()); }

    IDialogService& dialogos_;
    std::string pasta_;
    bool primeiraAbertura_ = true;
};

} // namespace sulvo
