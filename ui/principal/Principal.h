#pragma once

#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/ArquivoProjeto.h"
#include "project/GerenteSys.h"
#include "project/IdentProjeto.h"
#include "project/Recuperacao.h"
#include "ui/principal/DialogosSilenciaveis.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QDialog;
class QFrame;
class QLabel;
class QMenu;
class QPrinter;
class QStackedWidget;
class QTimer;
class QToolBar;
class QUrl;

namespace sulvo {

class IAjuda;
class IDialogService;
class TFIdentProjeto;
class TFRelatorio;
class TFRugosidade;
class TInternet;
class TPaginaIrregular;
class TPaginaRegular;

// The main window: menu bar, the toolbar row, the three-page work area ("inicial", "Regulares",
// "Irregulares") and the status bar with the hint line and the clock. It owns the models of the open
// project for the whole run and the document manager that runs new, open, save and close on them.
class TFPrincipal : public QMainWindow {
    Q_OBJECT
public:
    // `pastaInstalacao` holds "Sulvo.ini", the roughness tables and the help file, and becomes the
    // working folder; if it cannot be made so, std::filesystem::filesystem_error leaves the constructor.
    // Without `ajuda` the window opens "Sulvo.hlp" of that folder in its own help viewer.
    TFPrincipal(IDialogService& dialogos, std::filesystem::path pastaInstalacao, IAjuda* ajuda = nullptr,
                QWidget* parent = nullptr);
    ~TFPrincipal() override;

    static constexpr int kContextoAjuda = 200;
    static constexpr int kPaginaInicial = 0;
    static constexpr int kPaginaRegulares = 1;
    static constexpr int kPaginaIrregulares = 2;

    // The models of the project, alive as long as the window.
    TSulvoTriangular SulvoTriangular;
    TSulvoTrapezoidal SulvoTrapezoidal;
    TSulvoRetangular SulvoRetangular;
    TSulvoCircular SulvoCircular;
    TSulvoIrregular SulvoIrregular;
    TIDProjeto IDProjeto;
    std::uint8_t IndSulvoReg = 0;  // selected regular type: 0 triangular, 1 trapezoidal, 2 rectangular, 3 circular
    std::uint8_t IndIncognita = 0; // position last chosen in either list of unknowns
    // True only while the page fillers and clearers are at work.
    bool CarregandoCampos = false;

    TGerenteSys GerenteSys1;

    ModelosProjeto Modelos();
    IDialogService& Dialogos() { return dialogos_; }
    IPrompt& Prompt() { return prompt_; }
    IAjuda& Ajuda() { return *ajuda_; }
    const std::filesystem::path& PastaInstalacao() const { return pastaInstalacao_; }
    const std::filesystem::path& ArquivoAjuda() const { return arquivoAjuda_; }
    std::filesystem::path ArquivoConfiguracao() const { return pastaInstalacao_ / "Sulvo.ini"; }

    // The regional separators the project file and the identification's date are written with.
    static char SeparadorDecimalRegional();
    static char SeparadorDataRegional();

    // Menu entries (named as the menu's components).
    QMenu* Projeto1;
    QAction* Novo1;
    QAction* Abrir1;
    QAction* Salvar1;
    QAction* SalvarComo1;
    QAction* Fechar;
    QAction* ConfigurarImpressora1;
    std::array<QAction*, 4> proj{}; // proj1 ... proj4
    QAction* Sair1;
    QAction* IdentificaodoProjeto1;
    QMenu* TipodeCanais1;
    QMenu* Regulares1;
    QAction* Triangulares1;
    QAction* Trapezoidais1;
    QAction* Retangulares1;
    QAction* Circulares1;
    QAction* Irregular1;
    QMenu* Ajuda1;
    QAction* Contedo1;
    QAction* ObterAjudaSobre1;
    QAction* SobreoSulvo1;

    // Toolbars and their buttons.
    QToolBar* ToolBarProjeto;
    QToolBar* ToolbarTiposCanais;
    QToolBar* Toolbar971;
    QToolBar* Toolbar972;
    QToolBar* Toolbar976;
    QAction* TBNovo;
    QAction* TBAbrir;
    QAction* TBSalvar;
    QAction* TBFechar;
    QAction* IdentificacaoProjeto;
    QAction* TBTri;
    QAction* TBTra;
    QAction* TBRet;
    QAction* TBCir;
    QAction* TBIre;
    QAction* ToolbarButton972;
    QAction* TBSobre;
    QAction* ToolbarButton975;
    std::array<QAction*, 4> BtPaginas{}; // BtPaginaInstituicao, BtPaginaDepartamento, BtPaginaGrupo, BtPaginaSulvo

    QFrame* Panel2;
    QStackedWidget* Notebook1;
    QLabel* Image1;
    TPaginaRegular* PaginaRegular;
    TPaginaIrregular* PaginaIrregular;
    QLabel* PainelDica;    // status panel 0
    QLabel* PainelRelogio; // status panel 1
    QTimer* Timer2;
    TFIdentProjeto* FIdentProjeto;
    TFRugosidade* FRugosidade;

    // Opens a web address; empty: the user's browser.
    void DefinirNavegador(std::function<bool(const QUrl&)> navegador);

    // Shows the long part of a hint (after the first "|") in status panel 0.
    void ExibirDica(const QString& dica);

    // Project commands and navigation.
    void TBNovoClick();
    void TBAbrirClick();
    void TBSalvarClick();
    void SalvarComo1Click();
    void TBFecharClick();
    void proj1Click(int tag);
    // Opens a project named on the command line as a recent entry would, but a file that cannot be
    // opened is reported with the open message; the window stays without a project then.
    void AbrirProjeto(const std::string& arquivo);
    void IdentificaodoProjeto1Click();
    void Triangulares1Click() { NavegarRegular(0); }
    void Trapezoidais1Click() { NavegarRegular(1); }
    void Retangulares1Click() { NavegarRegular(2); }
    void Circulares1Click() { NavegarRegular(3); }
    void Irregular1Click();
    void ConfigurarImpressora1Click();
    void Sair1Click();
    void Contedo1Click();
    void ObterAjudaSobre1Click();
    void TBSobreClick();
    void PaginaInternetClick(int tag);
    // Asks the help viewer for a topic.
    void MostrarAjuda(int contexto);
    // "Relatório" of the regular and of the irregular page: the report of the last calculation, shown
    // modally in a window made for it.
    void BtRelatorioClick();
    void BtIRelatorioClick();

    // The document manager's events.
    void GerenteSys1ZerarVariaveis();
    void GerenteSys1AbilitarCampos();
    void GerenteSys1DesabilitarCampos();
    void GerenteSys1LerCamposDados();
    void GerenteSys1PreencherCamposDados();
    void GerenteSys1LimparCamposDados();
    void GerenteSys1LerArquivo(bool& LeuCerto);
    void GerenteSys1EscreverArquivo();

    // Captions "&1/ " ... "&4/ " followed by the file names of the recent list.
    void AtualizarLegendasRecentes();
    void Timer2Timer();

    // Recovery copies of unsaved work (every TRecuperacao::kIntervaloMs while the project has changes).
    TRecuperacao& Recuperacao() { return *recuperacao_; }
    QTimer* TimerRecuperacao;
    void TimerRecuperacaoTimer();
    // At start-up: offers to restore each copy a crashed run left, newest first; returns whether one was.
    bool OferecerRecuperacao();

protected:
    bool event(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void CriarMenu();
    void CriarBarras();
    void CriarPaginas();
    void CriarPaginaRegular();
    void CriarPaginaIrregular();
    void CriarBarraDeStatus();
    void FormCreate();
    void FormActivate();
    void NavegarRegular(int indice);
    void HabilitarCampos(bool habilitar);
    void ExibirRelatorio(TFRelatorio& relatorio);
    // After an open that did not happen: when the manager says no project is open, the window shows so too.
    void AposFalhaAoAbrir();
    // Opens a project by its name (a recent entry, the command line); `avisarFalha` shows the open
    // message when it could not be opened. By value: a recent entry moves in the list while it opens.
    void AbrirPeloNome(std::string arquivo, bool avisarFalha);
    // A project saved with results is calculated again, without a single box, so that its results, charts
    // and report are there as after "Calcular"; a problem that fails shows its inputs only.
    void RecalcularAoAbrir();
    // Runs a command, showing any error it raises in the error box.
    template <typename F> bool Executar(F&& comando);
    QString DicaMaisProxima(QWidget* w) const;

    IDialogService& dialogos_;
    // What the pages and the engine's prompts talk to: the window's service, silenced while a reopened
    // project is recalculated.
    TDialogosSilenciaveis dialogosPaginas_;
    TPromptDialogos prompt_;
    std::filesystem::path pastaInstalacao_;
    std::filesystem::path arquivoAjuda_;
    std::unique_ptr<IAjuda> ajudaPropria_;
    IAjuda* ajuda_ = nullptr;
    std::unique_ptr<TInternet> internet_;
    std::unique_ptr<TRecuperacao> recuperacao_;
};

} // namespace sulvo
