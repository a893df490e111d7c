#pragma once

#include "engine/FaixaRugosidade.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace sulvo {

class IDialogService;
class TEditNumero;
class TFRugosidade;
class TGraficoRegular;
class TSulvo;
class TSulvoCircular;
class TSulvoRetangular;
class TSulvoTrapezoidal;
class TSulvoTriangular;

// What the "Regulares" page works on, all owned by the main window for the whole run.
struct ContextoPaginaRegular {
    TSulvoTriangular& SulvoTriangular;
    TSulvoTrapezoidal& SulvoTrapezoidal;
    TSulvoRetangular& SulvoRetangular;
    TSulvoCircular& SulvoCircular;
    std::uint8_t& IndSulvoReg;  // selected regular type, 0 triangle ... 3 circle
    std::uint8_t& IndIncognita; // position of the unknown last chosen on either page; 255 for none
    IDialogService& Dialogos;
    // Sets the document manager's Alterado to True.
    std::function<void()> MarcarAlterado{};
    // The roughness table dialog shared with the rest of the window; without one "..." offers nothing.
    TFRugosidade* FRugosidade = nullptr;
    // The window's field reader (both pages, through the document manager's OnLerCamposDados);
    // empty: this page's own half.
    std::function<void()> LerCamposDados{};
};

// The static picture beside the type selector: the section of the selected type with the symbols of
// its dimensions (B, f, Yn, b and z:1 for the prismatic sections; D, Yn and θ for the circle).
class TDesenhoTipoSulvo : public QWidget {
    Q_OBJECT
public:
    explicit TDesenhoTipoSulvo(QWidget* parent = nullptr);
    void MostrarTipo(int tipo);
    int Tipo() const { return tipo_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    int tipo_ = 0;
};

// The "Regulares" page: choice of section type and unknown, the entry fields, the calculation with
// its checks, the results and the section chart.
class TPaginaRegular : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaRegular(ContextoPaginaRegular contexto, QWidget* parent = nullptr);
    ~TPaginaRegular() override;

    static constexpr int kSemIncognita = 255;

    // Handlers of the page.
    void CBTipoSulvoChange();
    void CbIncognitaChange();
    void BCalcularClick();
    void EdProfundidadeExit();
    // Every edit by the user in a numeric field of this page or of the irregular page (keys, clipboard, undo):
    // the project changed and the report no longer matches the fields. The key itself is left alone.
    void EdVazaoKeyPress(QChar& tecla);
    // Redraws the chart of the selected type from the dimensions in the entry fields.
    void AtualizarGrafico();
    // Opens the roughness popup beside "..." and the table of one of its entries.
    void BtRugosidadeClick();
    void AbrirTabelaRugosidade(int tipoTabela);
    // "Ajuda": the topic of the selected type.
    void Button1Click();

    // Routes another window's numeric field through EdVazaoKeyPress (the irregular page's fields).
    void ConectarCampoNumerico(TEditNumero* campo);

    // The page's part of the project lifecycle.
    void SelecionarTipo(int tipo);  // the "Tipos de Canais" menu: select and run the type change
    void LerCamposDados();          // fields -> engine object of the selected type; IndSulvoReg
    void PreencherCamposDados();    // engine object -> fields, after an open
    void LimparCamposDados();       // empties fields and results, back to the triangle
    void LimparSeries();            // empties the chart series (variables reset)
    void HabilitarCampos(bool sim); // whether the page accepts input (a project is open)

    int TipoSelecionado() const;
    // The unknown fields of position k for the type: what CbIncognitaChange disables and paints.
    std::vector<QWidget*> CamposDaIncognita(int tipo, int k) const;
    TGraficoRegular* GraficoRegular() const { return Grafico; }

    // Controls, named as the window's other parts refer to them.
    QComboBox* CBTipoSulvo;
    TDesenhoTipoSulvo* ImagemTipo;
    QGroupBox* GBEntrada;
    QComboBox* CbIncognita;
    TEditNumero* EdVazao;
    TEditNumero* EdProfundidade;
    TEditNumero* EdDeclividade;
    TEditNumero* EdRugosidade;
    QPushButton* BtRugosidade;
    QWidget* PanelCircular;
    TEditNumero* EdDiametro;
    TEditNumero* EdProDi;
    QLabel* LabelProDi;
    QLabel* LabelProDiUnidade;
    QWidget* PanelPrismatico;
    TEditNumero* EdFolga;
    TEditNumero* EdComprimento;
    TEditNumero* EdTalude;
    QLabel* LabelTalude;
    TEditNumero* EdLargura;
    QLabel* LabelLargura;
    QLabel* LabelLarguraUnidade;
    QGroupBox* GBResultados;
    QLineEdit* EdArea;
    QLineEdit* EdPerimetro;
    QLineEdit* EdSuperficie;
    QLineEdit* EdProfCrit;
    QLineEdit* EdNFroud;
    QLineEdit* EdRegime;
    // What the last calculation noticed beside its results, one paragraph per warning; hidden when none.
    QLabel* LabelAvisos = nullptr;
    // The unknown with the table's minimum and maximum n, when n was picked from a table; hidden otherwise.
    QLabel* LabelFaixaN = nullptr;
    QLineEdit* EdVelocidade;
    QLineEdit* EdEnergia;
    QWidget* PanelMovTerra;
    QLineEdit* EdMovTerra;
    QGroupBox* GBGrafico;
    TGraficoRegular* Grafico;
    QPushButton* Button1; // "Ajuda"
    QPushButton* BCalcular;
    QPushButton* BtRelatorio;
    QPushButton* Button4; // "Fechar"
    QMenu* PpMRugosidade;
    QAction* CondutosCirculares1;
    QAction* CanaisRevestidos1;
    QAction* CursosDguaDragadosouEscavados1;
    QAction* CusrosDguaNaturaisMenores1;
    QAction* Enchentes1;
    QAction* CursosDguaMaiores1;

signals:
    void PedirAjuda(int topico);
    void PedirRelatorio();
    void FecharProjeto();

protected:
    // Enter in a field or list of the page runs "Calcular"; a focused button presses itself.
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // One row of the page: a field of the sections' descriptions with its caption and unit.
    struct LinhaCampo {
        const char* chave;
        QWidget* campo; // a TEditNumero for an input, a read-only QLineEdit for a result
        QLabel* rotulo;
        QLabel* unidade; // nullptr for a field without a unit
        QWidget* painel; // the panel of a row that not every type shows; nullptr for the others
        bool entrada;
    };

    void CriarControles();
    void PreencherResultados();
    void MarcarAlteracao();
    void Avisar(const std::string& mensagem);
    int IncognitaSelecionada() const; // -1 with nothing selected
    // Which rows and panels type t shows, and its unknowns in the list.
    void MostrarCamposDoTipo(int t);
    void ListarIncognitas(int t);
    TSulvo& Secao(int tipo) const; // the engine object of regular type 0..3
    const LinhaCampo* Linha(std::string_view chave) const;
    TEditNumero* CampoDe(std::string_view chave) const;

    ContextoPaginaRegular ctx_;
    // The band of the coefficient last picked from a table into the roughness field; dropped when the user
    // types another coefficient.
    TFaixaRugosidade faixaN_;
    std::vector<LinhaCampo> linhas_;
};

} // namespace sulvo
