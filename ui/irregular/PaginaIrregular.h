#pragma once

#include "project/DialogService.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace sulvo {

class IDialogService;
class TEditNumero;
class TEditorPontos;
class TFAltPonto;
class TFDefinirRugosidade;
class TFRugosidade;
class TGraficoSecaoIrregular;
class TGraficoVazaoProfundidade;
class TPainelCurva;
class TSulvoIrregular;
class TTabelaMetodos;
class TTabelaPontos;
struct TCampoSecao;

// What the "Irregulares" page works on, all owned by the main window for the whole run.
struct ContextoPaginaIrregular {
    TSulvoIrregular& SulvoIrregular;
    std::uint8_t& IndIncognita; // position of the unknown last chosen on either page; 255 for none
    IDialogService& Dialogos;   // also shows the point and interval-roughness windows (and the roughness tables)
    // Sets the document manager's Alterado to True.
    std::function<void()> MarcarAlterado = {};
    // A keystroke in any numeric field of the window disables the regular page's "Relatório".
    std::function<void()> DesabilitarRelatorioRegular = {};
    // The roughness table dialog shared with the rest of the window; without one the "..." entries of the
    // interval-roughness window only hide and show it again.
    TFRugosidade* FRugosidade = nullptr;
    // The window's field reader (both pages, through the document manager's OnLerCamposDados);
    // empty: this page's own half.
    std::function<void()> LerCamposDados = {};
    std::function<void()> AbrirRelatorio = {};        // "Relatório": the irregular report of the last calculation
    std::function<void()> FecharProjeto = {};         // "Fechar": closes the project like the main window's command
    std::function<void(int)> MostrarAjuda = {};       // help topic by context number
    std::function<std::string()> CaminhoProjeto = {}; // full path of the open project (exports start beside it)
};

// The "Irregulares" page: the section's width and surveyed points with the cross-section chart, the
// interval roughness and bank stations, the choice of unknown and method, the calculation with its results and
// every method's discharge side by side, and the discharge-depth chart of the methods.
class TPaginaIrregular : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaIrregular(ContextoPaginaIrregular contexto, QWidget* parent = nullptr);
    ~TPaginaIrregular() override;

    static constexpr int kSemIncognita = 255;
    static constexpr int kIncognitaVazao = 0;
    static constexpr int kIncognitaProfundidade = 1;
    static constexpr int kIncognitaDeclividade = 2;
    static constexpr int kIncognitaRugosidade = 3; // "Coeficiente de Rugosidade Único"
    static constexpr int kContextoAjuda = 224;
    static constexpr int kContextoRelatorio = 223;

    // Point editor.
    void EdISuperficieExit();
    void BtLimparClick();
    void BtInserirPontoClick();
    void IrregularSeries1Click(int indice, QPoint posicao);
    void Timer1Timer();
    void IrregularSeries1DblClick(int indice);
    void EdIAlturaExit();
    // The water surface across the whole width, `EdIAltura` above the lowest point of the bed.
    void DesenharNivelAgua();

    // Calculation.
    void CbIncognitaIrregularChange();
    void CBMetodologiaChange();
    void BtICalcularClick();
    void DesenharCurvaVazao();
    void BtDefinirRugosidadeClick();
    // Every edit of a numeric field of the page by the user (keys, clipboard, undo): the project changed, and
    // the regular page's report no longer matches the window's fields.
    void EdKeyPress();

    // The point table.
    void ImportarPontosClick(); // "Importar pontos…": a survey file through the dialog service
    void ColarPontos(const QString& texto);

    // The page's part of the project lifecycle (the operations of a work page of the main window). The
    // fill and clear run the page's change handlers, which mark the project as changed: the window resets
    // Alterado afterwards.
    void LimparSeries();         // empties the four chart series (variables reset)
    void LerCamposDados();       // fields -> SulvoIrregular
    void PreencherCamposDados(); // SulvoIrregular -> fields, after an open
    void LimparCamposDados();    // empties fields and results (new, open, close)
    void Ativar();               // the main window became active: the section tab comes to the front

    // What the irregular report quotes: the captions shown by the two selectors, and the section chart.
    QString TextoIncognita() const;
    QString TextoMetodologia() const;
    TGraficoSecaoIrregular* GraficoSecao() const { return IrregularChart1; }
    // The numeric fields of the page (for a window that routes their keystrokes elsewhere).
    std::vector<TEditNumero*> CamposNumericos() const;

    // State of the page.
    double LarguraSuperficie = 0; // width B of the current section, m: X of the right bank
    bool RugosidadeDefinida = false;
    bool CarregandoCampos = false;

    // Controls, named as the window's other parts refer to them.
    QGroupBox* GBEntrada;
    QComboBox* CbIncognitaIrregular;
    TEditNumero* EdIVazao;
    TEditNumero* EdISuperficie;
    TEditNumero* EdIAltura;
    TEditNumero* EdIDeclividade;
    TEditNumero* EdIComprimento;
    QLabel* Label67;
    TEditNumero* EdIRugosidade;
    QComboBox* CBMetodologia;
    QPushButton* BtDefinirRugosidade;

    QGroupBox* GBPontosGrafico;
    TEditNumero* EdX;
    TEditNumero* EdY;
    QPushButton* BtInserirPonto;
    QPushButton* BtLimpar;

    TTabelaPontos* TabelaPontos; // beside the section chart: X, Y and n of every point
    TEditorPontos* EditorPontos; // its model and the undo history of every point and roughness edit
    QPushButton* BtImportarPontos;
    QAction* AcDesfazer; // Ctrl+Z
    QAction* AcRefazer;  // Ctrl+Y

    QTabWidget* PageControl1;
    QWidget* TSSulvo;
    QWidget* TSVazao;
    TGraficoSecaoIrregular* IrregularChart1;
    TPainelCurva* PainelCurva;
    TGraficoVazaoProfundidade* IrregularChart2;
    QLabel* Label78;
    QLabel* Label79;
    QLabel* Label80;
    QLabel* Label81;
    QLineEdit* Edit1; // the coordinate tip
    QTimer* Timer1;

    QGroupBox* GBResultados;
    QLabel* LabelAvisos = nullptr; // the calculation's warnings, below the results
    QLabel* LabelFaixaN = nullptr; // the unknown with the tables' minimum and maximum n, below the warnings
    // Read-only texts that take the focus, so that a result can be selected and copied.
    QLabel* EdIArea;
    QLabel* EdIPerimetro;
    QLabel* EdIProfCrit;
    QLabel* EdINFroud;
    QLabel* EdIRegime;
    QLabel* EdIVelocidade;
    QLabel* EdIEnergia;
    QLabel* EdIMovTerra;
    QLabel* EdIAlfa;               // the velocity coefficient, with the subdivision only
    QLabel* LabelAlfa;             // its caption
    TTabelaMetodos* TabelaMetodos; // every method's discharge at the depth of the last calculation

    QPushButton* BtICalcular;
    QPushButton* Button2;
    QPushButton* BtIRelatorio;
    QPushButton* Button6;

    TFAltPonto* FAltPonto;
    TFDefinirRugosidade* FDefinirRugosidade;

private:
    void CriarEntrada();
    void CriarPontos();
    void CriarGraficos();
    void CriarResultados();
    void CriarBotoes();
    TEditNumero* NovoCampo(const char* nome, int decimais, const char* dica);
    // The control of the description's field of key `chave`: an entry field, or a result's text.
    TEditNumero* Campo(std::string_view chave) const;
    QLabel* Resultado(std::string_view chave) const;
    void Alterado();
    void DesenharNivelAgua(double largura);
    void RedesenharSecao();
    void MostrarResultados();
    void LimparResultados();
    void PintarIncognita(TEditNumero* campo, bool incognita);
    void SecaoAlteradaNaTabela();
    void CriarTabela();

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // A field of the section's description on the page; the results have no caption of their own here.
    struct LinhaCampo {
        const TCampoSecao* campo;
        QWidget* controle;
        QLabel* rotulo;
    };
    std::vector<LinhaCampo> linhas_; // the inputs in the page's order, then the results

    char Separador() const;
    bool TemMargens() const;

    ContextoPaginaIrregular ctx_;
    TPromptDialogos prompt_;
};

} // namespace sulvo
