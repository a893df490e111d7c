#include "ui/principal/Principal.h"

#include "common/Pastas.h"
#include "controls/EditNumero.h"
#include "controls/RegionalJanela.h"
#include "project/DialogService.h"
#include "project/IniFile.h"
#include "project/ListaRecentes.h"
#include "report/FRelatorio.h"
#include "roughness/FRugosidade.h"
#include "ui/irregular/GraficoCurva.h"
#include "ui/irregular/GraficoIrregular.h"
#include "ui/irregular/PaginaIrregular.h"
#include "ui/periferia/Ajuda.h"
#include "ui/periferia/Internet.h"
#include "ui/periferia/SplashSulvo.h"
#include "ui/principal/FIdentProjeto.h"
#include "ui/principal/Icones.h"
#include "ui/regular/GraficoRegular.h"
#include "ui/regular/PaginaRegular.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <exception>

namespace fs = std::filesystem;

namespace sulvo {
namespace {

const char* const kSecaoPrincipal = "PRINCIPAL";
const char* const kTituloPrograma = "Sulvo";
const char* const kNomeDefault = "PROJETO.SVO";
const char* const kFiltroProjeto = "*.svo";
const char* const kExtensaoProjeto = "svo";

QString Q(const std::string& texto) {
    return QString::fromStdString(texto);
}

QAction* Acao(QObject* dono, const char* nome, const QString& texto, const QString& dica) {
    auto* acao = new QAction(texto, dono);
    acao->setObjectName(QString::fromLatin1(nome));
    acao->setStatusTip(dica);
    return acao;
}

} // namespace

TFPrincipal::TFPrincipal(IDialogService& dialogos, fs::path pastaInstalacao, IAjuda* ajuda, QWidget* parent)
    : QMainWindow(parent), GerenteSys1(dialogos), dialogos_(dialogos), dialogosPaginas_(dialogos),
      prompt_(dialogosPaginas_), pastaInstalacao_(fs::absolute(std::move(pastaInstalacao))), ajuda_(ajuda) {
    setObjectName(QStringLiteral("FPrincipal"));
    setProperty("helpContext", kContextoAjuda);
    // A sizeable frame: the pages and their charts take the room the window is given.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(Icone(TIcone::Aplicacao));
    setContextMenuPolicy(Qt::NoContextMenu);
    if (!TEditNumero::ServicoDialogosPadrao())
        TEditNumero::DefinirServicoDialogosPadrao(&dialogos_);

    for (TSulvo* s :
         std::initializer_list<TSulvo*>{&SulvoTriangular, &SulvoTrapezoidal, &SulvoRetangular, &SulvoCircular}) {
        s->DefinirPrompt(prompt_);
        s->DefinirSeparadorDecimal(SeparadorDecimalRegional());
    }
    SulvoIrregular.DefinirPrompt(prompt_);
    SulvoIrregular.DefinirSeparadorDecimal(SeparadorDecimalRegional());

    if (!ajuda_) {
        ajudaPropria_ = std::make_unique<TAjudaViewer>(Q(pastaInstalacao_.string()));
        ajuda_ = ajudaPropria_.get();
    }
    internet_ = std::make_unique<TInternet>(dialogos_);

    GerenteSys1.TituloPrograma = kTituloPrograma;
    GerenteSys1.NomeDefault = kNomeDefault;
    GerenteSys1.Alterado = false;
    for (OpcoesArquivo* dialogo : {&GerenteSys1.OpenDialog, &GerenteSys1.SaveDialog}) {
        dialogo->filtro = kFiltroProjeto;
        dialogo->extensaoPadrao = kExtensaoProjeto;
    }
    GerenteSys1.OnZerarVariaveis = [this](TGerenteSys&) { GerenteSys1ZerarVariaveis(); };
    GerenteSys1.OnLerArquivo = [this](TGerenteSys&, bool& LeuCerto) { GerenteSys1LerArquivo(LeuCerto); };
    GerenteSys1.OnEscreverArquivo = [this](TGerenteSys&) { GerenteSys1EscreverArquivo(); };
    GerenteSys1.OnAbilitarCampos = [this](TGerenteSys&) { GerenteSys1AbilitarCampos(); };
    GerenteSys1.OnDesabilitarCampos = [this](TGerenteSys&) { GerenteSys1DesabilitarCampos(); };
    GerenteSys1.OnLerCamposDados = [this](TGerenteSys&) { GerenteSys1LerCamposDados(); };
    GerenteSys1.OnPreencherCamposDados = [this](TGerenteSys&) { GerenteSys1PreencherCamposDados(); };
    GerenteSys1.OnLimparCamposDados = [this](TGerenteSys&) { GerenteSys1LimparCamposDados(); };
    GerenteSys1.OnTitulo = [this](const std::string& caption) { setWindowTitle(Q(caption)); };

    // The roughness tables serve both pages, so the dialog exists before them; its tables lie in the
    // installation folder whatever the working folder is.
    FRugosidade = new TFRugosidade(dialogos_, this);
    FRugosidade->setObjectName(QStringLiteral("FRugosidade"));
    FRugosidade->DefinirPasta(pastaInstalacao_.string());
    connect(FRugosidade, &TFRugosidade::PedirAjuda, this, &TFPrincipal::MostrarAjuda);

    CriarMenu();
    CriarBarras();
    CriarPaginas();
    CriarBarraDeStatus();

    FIdentProjeto = new TFIdentProjeto(
        IDProjeto, [this] { GerenteSys1.Alterado = true; }, this);
    FIdentProjeto->setProperty("helpContext", TFIdentProjeto::kContextoAjuda);
    connect(FIdentProjeto, &TFIdentProjeto::PedirAjuda, this, &TFPrincipal::MostrarAjuda);
    // F1 anywhere in the program asks for the topic of the focused control.
    InstalarTeclaAjuda(*ajuda_, this);

    FormCreate();

    // The client area opens at 782 x 524 under the menu bar; that is also the least it may shrink to, the
    // size the pages were laid out for.
    const QSize inicial(782, 524 + menuBar()->sizeHint().height());
    resize(inicial);
    setMinimumSize(inicial);
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
}

TFPrincipal::~TFPrincipal() {
    if (TEditNumero::ServicoDialogosPadrao() == &dialogos_)
        TEditNumero::DefinirServicoDialogosPadrao(nullptr);
    // The pages, their tables and charts read the sections this window holds as members: they go first, while the
    // sections still exist (QWidget would delete them only after the members, and a table hidden on the way asks
    // its model for the points).
    delete PaginaIrregular;
    delete PaginaRegular;
}

ModelosProjeto TFPrincipal::Modelos() {
    return {IDProjeto,     SulvoTriangular, SulvoTrapezoidal, SulvoRetangular,
            SulvoCircular, SulvoIrregular,  IndSulvoReg,      IndIncognita};
}

char TFPrincipal::SeparadorDecimalRegional() {
    return RegionalJanela().Decimal();
}

char TFPrincipal::SeparadorDataRegional() {
    return RegionalJanela().SeparadorData;
}

void TFPrincipal::CriarMenu() {
    QMenuBar* barra = menuBar();

    Projeto1 = barra->addMenu(QStringLiteral("&Projeto"));
    Projeto1->setObjectName(QStringLiteral("Projeto1"));
    Projeto1->menuAction()->setStatusTip(QStringLiteral("Menu Projeto"));
    Novo1 = Acao(this, "Novo1", QStringLiteral("&Novo"), QStringLiteral("Cria um novo projeto"));
    Novo1->setShortcut(Qt::Key_F2);
    Abrir1 = Acao(this, "Abrir1", QStringLiteral("&Abrir ..."), QStringLiteral("Abre um projeto gravado em disco"));
    Abrir1->setShortcut(Qt::Key_F3);
    Salvar1 = Acao(this, "Salvar1", QStringLiteral("&Salvar"), QStringLiteral("Salva o projeto atual"));
    SalvarComo1 = Acao(this, "SalvarComo1", QStringLiteral("Salvar &Como ..."),
                       QStringLiteral("Salva o projeto atual com outro nome"));
    Fechar = Acao(this, "Fechar", QStringLiteral("&Fechar"), QStringLiteral("Fecha o projeto atual"));
    ConfigurarImpressora1 = Acao(this, "ConfigurarImpressora1", QStringLiteral("Configurar &Impressora"),
                                 QStringLiteral("Permite configurar a impressora"));
    Sair1 = Acao(this, "Sair1", QStringLiteral("Sai&r"), QStringLiteral("Finaliza o Sulvo"));
    Projeto1->addActions({Novo1, Abrir1, Salvar1, SalvarComo1, Fechar});
    Projeto1->addSeparator();
    Projeto1->addAction(ConfigurarImpressora1);
    Projeto1->addSeparator();
    for (int n = 1; n <= 4; ++n) {
        QAction* entrada = Acao(this, "", QStringLiteral("&%1/ ").arg(n), QString());
        entrada->setObjectName(QStringLiteral("proj%1").arg(n));
        entrada->setData(n);
        connect(entrada, &QAction::triggered, this, [this, n] { proj1Click(n); });
        Projeto1->addAction(entrada);
        proj[n - 1] = entrada;
    }
    Projeto1->addSeparator();
    Projeto1->addAction(Sair1);

    IdentificaodoProjeto1 = Acao(this, "IdentificaodoProjeto1", QStringLiteral("&Identificação do Projeto"),
                                 QStringLiteral("Menu Identificação do Projeto"));
    barra->addAction(IdentificaodoProjeto1);

    TipodeCanais1 = barra->addMenu(QStringLiteral("&Tipos de Canais"));
    TipodeCanais1->setObjectName(QStringLiteral("TipodeCanais1"));
    TipodeCanais1->menuAction()->setStatusTip(QStringLiteral("Menu Tipos de Canais"));
    Regulares1 = TipodeCanais1->addMenu(QStringLiteral("&Regulares"));
    Regulares1->setObjectName(QStringLiteral("Regulares1"));
    Regulares1->menuAction()->setStatusTip(QStringLiteral("Canais com seção regular"));
    Triangulares1 = Acao(this, "Triangulares1", QStringLiteral("&Triangulares"),
                         QStringLiteral("Canais com seção transversal do tipo triangular"));
    Trapezoidais1 = Acao(this, "Trapezoidais1", QStringLiteral("Tr&apezoidais"),
                         QStringLiteral("Canais com seção transversal do tipo trapezoidal"));
    Retangulares1 = Acao(this, "Retangulares1", QStringLiteral("&Retangulares"),
                         QStringLiteral("Canais com seção transversal do tipo retangular"));
    Circulares1 = Acao(this, "Circulares1", QStringLiteral("&Circulares"),
                       QStringLiteral("Canais com seção transversal do tipo circular"));
    Regulares1->addActions({Triangulares1, Trapezoidais1, Retangulares1, Circulares1});
    Irregular1 = Acao(this, "Irregular1", QStringLiteral("&Irregulares ou Compostos"),
                      QStringLiteral("Canais com seção irregular"));
    TipodeCanais1->addAction(Irregular1);

    Ajuda1 = barra->addMenu(QStringLiteral("&Ajuda"));
    Ajuda1->setObjectName(QStringLiteral("Ajuda1"));
    Ajuda1->menuAction()->setStatusTip(QStringLiteral("Menu Ajuda"));
    Contedo1 = Acao(this, "Contedo1", QStringLiteral("&Conteúdo"),
                    QStringLiteral("Exibe o conteúdo do sistema de ajuda do Sulvo"));
    ObterAjudaSobre1 = Acao(this, "ObterAjudaSobre1", QStringLiteral("&Obter Ajuda Sobre ..."),
                            QStringLiteral("Obtem ajuda sobre um item específico"));
    SobreoSulvo1 = Acao(this, "SobreoSulvo1", QStringLiteral("&Sobre o Sulvo"),
                        QStringLiteral("Exibe a tela de abertura do Sulvo"));
    Ajuda1->addAction(Contedo1);
    Ajuda1->addSeparator();
    Ajuda1->addAction(ObterAjudaSobre1);
    Ajuda1->addSeparator();
    Ajuda1->addAction(SobreoSulvo1);

    connect(Novo1, &QAction::triggered, this, &TFPrincipal::TBNovoClick);
    connect(Abrir1, &QAction::triggered, this, &TFPrincipal::TBAbrirClick);
    connect(Salvar1, &QAction::triggered, this, &TFPrincipal::TBSalvarClick);
    connect(SalvarComo1, &QAction::triggered, this, &TFPrincipal::SalvarComo1Click);
    connect(Fechar, &QAction::triggered, this, &TFPrincipal::TBFecharClick);
    connect(ConfigurarImpressora1, &QAction::triggered, this, &TFPrincipal::ConfigurarImpressora1Click);
    connect(Sair1, &QAction::triggered, this, &TFPrincipal::Sair1Click);
    connect(IdentificaodoProjeto1, &QAction::triggered, this, &TFPrincipal::IdentificaodoProjeto1Click);
    connect(Triangulares1, &QAction::triggered, this, &TFPrincipal::Triangulares1Click);
    connect(Trapezoidais1, &QAction::triggered, this, &TFPrincipal::Trapezoidais1Click);
    connect(Retangulares1, &QAction::triggered, this, &TFPrincipal::Retangulares1Click);
    connect(Circulares1, &QAction::triggered, this, &TFPrincipal::Circulares1Click);
    connect(Irregular1, &QAction::triggered, this, &TFPrincipal::Irregular1Click);
    connect(Contedo1, &QAction::triggered, this, &TFPrincipal::Contedo1Click);
    connect(ObterAjudaSobre1, &QAction::triggered, this, &TFPrincipal::ObterAjudaSobre1Click);
    connect(SobreoSulvo1, &QAction::triggered, this, &TFPrincipal::TBSobreClick);

    // The hint line follows the menu highlight, on the bar and inside the menus.
    auto dicaDaAcao = [this](QAction* acao) { ExibirDica(acao ? acao->statusTip() : QString()); };
    connect(barra, &QMenuBar::hovered, this, dicaDaAcao);
    for (QMenu* menu : {Projeto1, TipodeCanais1, Regulares1, Ajuda1}) {
        connect(menu, &QMenu::hovered, this, dicaDaAcao);
        menu->setToolTipsVisible(false);
    }
}

void TFPrincipal::CriarBarras() {
    auto barra = [this](const char* nome, const QString& titulo) {
        auto* b = new QToolBar(titulo, this);
        b->setObjectName(QString::fromLatin1(nome));
        b->setIconSize(QSize(16, 16));
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setAllowedAreas(Qt::TopToolBarArea);
        addToolBar(Qt::TopToolBarArea, b);
        return b;
    };
    auto botao = [this](QToolBar* b, const char* nome, TIcone icone, const QString& dica, int largura = 23) {
        QAction* acao = Acao(this, nome, dica, dica);
        acao->setIcon(Icone(icone));
        b->addAction(acao);
        if (QWidget* w = b->widgetForAction(acao)) {
            w->setFixedSize(largura, 22);
            w->installEventFilter(this);
        }
        return acao;
    };

    ToolBarProjeto = barra("ToolBarProjeto", QStringLiteral("Projeto"));
    TBNovo = botao(ToolBarProjeto, "TBNovo", TIcone::Novo, QStringLiteral("Novo projeto"));
    TBAbrir = botao(ToolBarProjeto, "TBAbrir", TIcone::Abrir, QStringLiteral("Abrir projeto"));
    TBSalvar = botao(ToolBarProjeto, "TBSalvar", TIcone::Salvar, QStringLiteral("Salvar projeto"));
    TBFechar = botao(ToolBarProjeto, "TBFechar", TIcone::Fechar, QStringLiteral("Fechar projeto"));
    ToolBarProjeto->addSeparator();
    IdentificacaoProjeto = botao(ToolBarProjeto, "IdentificacaoProjeto", TIcone::Identificacao,
                                 QStringLiteral("Identificação do projeto"));

    ToolbarTiposCanais = barra("ToolbarTiposCanais", QStringLiteral("Tipos de Canais"));
    ToolbarTiposCanais->setProperty("helpContext", 209);
    TBTri = botao(ToolbarTiposCanais, "TBTri", TIcone::Triangular, QStringLiteral("Sulvo triangular"));
    TBTra = botao(ToolbarTiposCanais, "TBTra", TIcone::Trapezoidal, QStringLiteral("Sulvo trapezoidal"));
    TBRet = botao(ToolbarTiposCanais, "TBRet", TIcone::Retangular, QStringLiteral("Sulvo retangular"));
    TBCir = botao(ToolbarTiposCanais, "TBCir", TIcone::Circular, QStringLiteral("Sulvo circular"));
    ToolbarTiposCanais->addSeparator();
    TBIre = botao(ToolbarTiposCanais, "TBIre", TIcone::Irregular, QStringLiteral("Sulvo irregular"));

    Toolbar971 = barra("Toolbar971", QString());
    ToolbarButton972 =
        botao(Toolbar971, "ToolbarButton972", TIcone::Impressora, QStringLiteral("Configurar impressora"));
    Toolbar971->addSeparator();
    TBSobre = botao(Toolbar971, "TBSobre", TIcone::Sobre, QStringLiteral("Sobre o Sulvo"));

    Toolbar972 = barra("Toolbar972", QStringLiteral("Saída"));
    ToolbarButton975 = botao(Toolbar972, "ToolbarButton975", TIcone::Sair, QStringLiteral("Sair"));

    Toolbar976 = barra("Toolbar976", QStringLiteral("Internet"));
    const TIcone icones[] = {TIcone::Instituicao, TIcone::Departamento, TIcone::Grupo, TIcone::PaginaSulvo};
    for (int i = 0; i < 4; ++i) {
        const TPaginaInternet& pagina = PaginasInternet()[static_cast<std::size_t>(i)];
        BtPaginas[i] = botao(Toolbar976, pagina.Componente, icones[i], pagina.Dica(), 29);
        BtPaginas[i]->setData(pagina.Tag);
        connect(BtPaginas[i], &QAction::triggered, this, [this, tag = pagina.Tag] { PaginaInternetClick(tag); });
    }

    connect(TBNovo, &QAction::triggered, this, &TFPrincipal::TBNovoClick);
    connect(TBAbrir, &QAction::triggered, this, &TFPrincipal::TBAbrirClick);
    connect(TBSalvar, &QAction::triggered, this, &TFPrincipal::TBSalvarClick);
    connect(TBFechar, &QAction::triggered, this, &TFPrincipal::TBFecharClick);
    connect(IdentificacaoProjeto, &QAction::triggered, this, &TFPrincipal::IdentificaodoProjeto1Click);
    connect(TBTri, &QAction::triggered, this, &TFPrincipal::Triangulares1Click);
    connect(TBTra, &QAction::triggered, this, &TFPrincipal::Trapezoidais1Click);
    connect(TBRet, &QAction::triggered, this, &TFPrincipal::Retangulares1Click);
    connect(TBCir, &QAction::triggered, this, &TFPrincipal::Circulares1Click);
    connect(TBIre, &QAction::triggered, this, &TFPrincipal::Irregular1Click);
    connect(ToolbarButton972, &QAction::triggered, this, &TFPrincipal::ConfigurarImpressora1Click);
    connect(TBSobre, &QAction::triggered, this, &TFPrincipal::TBSobreClick);
    connect(ToolbarButton975, &QAction::triggered, this, &TFPrincipal::Sair1Click);
}

void TFPrincipal::CriarPaginas() {
    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setLineWidth(1);
    auto* layout = new QVBoxLayout(Panel2);
    layout->setContentsMargins(3, 3, 3, 3);
    Notebook1 = new QStackedWidget(Panel2);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    Notebook1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    layout->addWidget(Notebook1);

    auto* inicial = new QWidget(Notebook1);
    inicial->setObjectName(QStringLiteral("inicial"));
    inicial->setWindowTitle(QStringLiteral("inicial"));
    auto* layoutInicial = new QVBoxLayout(inicial);
    Image1 = new QLabel(inicial);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(FiguraAbertura(QSize(560, 340)));
    Image1->setAlignment(Qt::AlignCenter);
    layoutInicial->addWidget(Image1);
    Notebook1->addWidget(inicial);

    CriarPaginaRegular();
    PaginaRegular->setWindowTitle(QStringLiteral("Regulares"));
    Notebook1->addWidget(PaginaRegular);
    CriarPaginaIrregular();
    PaginaIrregular->setWindowTitle(QStringLiteral("Irregulares"));
    Notebook1->addWidget(PaginaIrregular);

    setCentralWidget(Panel2);
}

void TFPrincipal::CriarPaginaRegular() {
    ContextoPaginaRegular ctx{SulvoTriangular, SulvoTrapezoidal, SulvoRetangular, SulvoCircular,
                              IndSulvoReg,     IndIncognita,     dialogosPaginas_};
    ctx.MarcarAlterado = [this] { GerenteSys1.Alterado = true; };
    ctx.FRugosidade = FRugosidade;
    // The calculation reads the fields the way a save does: both pages, through the manager's event.
    ctx.LerCamposDados = [this] {
        if (GerenteSys1.OnLerCamposDados)
            GerenteSys1.OnLerCamposDados(GerenteSys1);
    };
    PaginaRegular = new TPaginaRegular(std::move(ctx), Notebook1);
    connect(PaginaRegular, &TPaginaRegular::PedirAjuda, this, &TFPrincipal::MostrarAjuda);
    connect(PaginaRegular, &TPaginaRegular::PedirRelatorio, this, &TFPrincipal::BtRelatorioClick);
    connect(PaginaRegular, &TPaginaRegular::FecharProjeto, this, &TFPrincipal::TBFecharClick);
}

void TFPrincipal::CriarPaginaIrregular() {
    ContextoPaginaIrregular ctx{SulvoIrregular, IndIncognita, dialogosPaginas_};
    ctx.MarcarAlterado = [this] { GerenteSys1.Alterado = true; };
    // The regular report quotes the fields of the whole window, so any keystroke outdates it.
    ctx.DesabilitarRelatorioRegular = [this] { PaginaRegular->BtRelatorio->setEnabled(false); };
    ctx.FRugosidade = FRugosidade;
    ctx.LerCamposDados = [this] {
        if (GerenteSys1.OnLerCamposDados)
            GerenteSys1.OnLerCamposDados(GerenteSys1);
    };
    ctx.AbrirRelatorio = [this] { BtIRelatorioClick(); };
    ctx.FecharProjeto = [this] { TBFecharClick(); };
    ctx.MostrarAjuda = [this](int contexto) { MostrarAjuda(contexto); };
    ctx.CaminhoProjeto = [this] { return GerenteSys1.PathProjeto; };
    PaginaIrregular = new TPaginaIrregular(std::move(ctx), Notebook1);
}

void TFPrincipal::CriarBarraDeStatus() {
    QStatusBar* barra = statusBar();
    barra->setObjectName(QStringLiteral("StatusBar1"));
    barra->setSizeGripEnabled(false);
    barra->setFixedHeight(22);
    PainelDica = new QLabel(barra);
    PainelDica->setObjectName(QStringLiteral("PainelDica"));
    PainelDica->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PainelDica->setMinimumWidth(0);
    PainelRelogio = new QLabel(barra);
    PainelRelogio->setObjectName(QStringLiteral("PainelRelogio"));
    PainelRelogio->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PainelRelogio->setAlignment(Qt::AlignCenter);
    PainelRelogio->setFixedWidth(100);
    // Panel 0 takes whatever the clock leaves.
    barra->addWidget(PainelDica, 1);
    barra->addPermanentWidget(PainelRelogio);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    connect(Timer2, &QTimer::timeout, this, &TFPrincipal::Timer2Timer);
    Timer2->start();

    TimerRecuperacao = new QTimer(this);
    TimerRecuperacao->setObjectName(QStringLiteral("TimerRecuperacao"));
    TimerRecuperacao->setInterval(TRecuperacao::kIntervaloMs);
    connect(TimerRecuperacao, &QTimer::timeout, this, &TFPrincipal::TimerRecuperacaoTimer);
    TimerRecuperacao->start();
}

void TFPrincipal::FormCreate() {
    CarregandoCampos = false;
    arquivoAjuda_ = pastaInstalacao_ / "Sulvo.hlp";
    // The roughness tables are opened by relative name from here.
    fs::current_path(pastaInstalacao_);
    setWindowTitle(Q(GerenteSys1.TituloPrograma));

    TIniFile ini(ArquivoConfiguracao().string(), SeparadorDecimalRegional());
    GerenteSys1.Recentes = LerRecentes(ini, kSecaoPrincipal);
    AtualizarLegendasRecentes();

    std::string pasta = pastaInstalacao_.string();
    if (pasta.empty() || pasta.back() != '/')
        pasta.push_back('/');
    GerenteSys1.DefinirPastaInstalacao(pasta);
    GerenteSys1.NomeProjeto = GerenteSys1.NomeDefault;
    GerenteSys1.PathProjeto = pasta;
    // The file dialogs start beside the user's projects, never among the program's own files.
    GerenteSys1.DefinirPastasDialogo(
        PastaDocumentos().string(),
        {pastaInstalacao_.string(), PastaDadosUsuario().string(), PastaDoExecutavel().string()});
    recuperacao_ = std::make_unique<TRecuperacao>(PastaDadosUsuario() / "recuperacao");

    HabilitarCampos(false);
    Notebook1->setCurrentIndex(kPaginaInicial);
}

void TFPrincipal::FormActivate() {
    PaginaIrregular->Ativar();
}

void TFPrincipal::closeEvent(QCloseEvent* evento) {
    bool fechou = false;
    if (!Executar([&] { return fechou = GerenteSys1.Fechar(); }) || !fechou) {
        evento->ignore();
        return;
    }
    Notebook1->setCurrentIndex(kPaginaInicial);
    recuperacao_->Remover();
    try {
        // Another copy of the program may have stored its own list since this one started: the file is read
        // again and both lists merged, this run's entries in front.
        TIniFile ini(ArquivoConfiguracao().string(), SeparadorDecimalRegional());
        GerenteSys1.Recentes = MesclarRecentes(GerenteSys1.UsadosNestaExecucao(), LerRecentes(ini, kSecaoPrincipal),
                                               GerenteSys1.Recentes, GerenteSys1.Removidos());
        GravarRecentes(ini, kSecaoPrincipal, GerenteSys1.Recentes);
        ini.UpdateFile();
    } catch (const std::exception& e) {
        // The project is closed already; an unwritable settings file costs only the recent list.
        dialogos_.Erro(e.what());
    }
    evento->accept();
}

template <typename F> bool TFPrincipal::Executar(F&& comando) {
    try {
        return comando();
    } catch (const std::exception& e) {
        dialogos_.Erro(e.what());
        return false;
    }
}

void TFPrincipal::HabilitarCampos(bool habilitar) {
    for (QAction* a : {Salvar1, SalvarComo1, Fechar, TipodeCanais1->menuAction(), IdentificaodoProjeto1, TBSalvar,
                       TBFechar, TBTra, TBTri, TBIre, TBCir, TBRet, IdentificacaoProjeto})
        a->setEnabled(habilitar);
    // The pages take input only while a project is open.
    PaginaRegular->HabilitarCampos(habilitar);
    PaginaIrregular->setEnabled(habilitar);
}

void TFPrincipal::AposFalhaAoAbrir() {
    if (GerenteSys1.Aberto())
        return;
    GerenteSys1DesabilitarCampos();
    Notebook1->setCurrentIndex(kPaginaInicial);
}

// ---- Document manager events ----

void TFPrincipal::GerenteSys1ZerarVariaveis() {
    IDProjeto.Zerar(SeparadorDataRegional());
    SulvoCircular.Zerar();
    SulvoTriangular.Zerar();
    SulvoTrapezoidal.Zerar();
    SulvoRetangular.Zerar();
    SulvoIrregular.Zerar(); // and its points
    IndSulvoReg = 0;
    IndIncognita = 0;
    // STri1 ... SCir3, then the irregular section, water and both discharge curves.
    PaginaRegular->LimparSeries();
    PaginaIrregular->LimparSeries();
}

void TFPrincipal::GerenteSys1AbilitarCampos() {
    HabilitarCampos(true);
}

void TFPrincipal::GerenteSys1DesabilitarCampos() {
    setWindowTitle(Q(GerenteSys1.TituloPrograma));
    HabilitarCampos(false);
}

void TFPrincipal::GerenteSys1LerCamposDados() {
    PaginaRegular->LerCamposDados();
    PaginaIrregular->LerCamposDados();
}

// The models of a project just read go into both pages. The page's own change handlers run on the
// way (type, unknowns, method), and each marks the project as changed: the mark is undone at the end,
// since nothing was edited.
void TFPrincipal::GerenteSys1PreencherCamposDados() {
    CarregandoCampos = true;
    // The type with its layout and list of unknowns, the section's unknown, its fields (a zero as an
    // empty field) and its chart.
    PaginaRegular->PreencherCamposDados();
    // The irregular unknown and method, the width with its banks, the fields, the points and the water
    // line at the loaded depth.
    PaginaIrregular->PreencherCamposDados();
    CarregandoCampos = false;
    RecalcularAoAbrir();
    GerenteSys1.Alterado = false;
}

void TFPrincipal::RecalcularAoAbrir() {
    // Results on file mean the problem was calculated before it was saved.
    const TSulvo* regulares[] = {&SulvoTriangular, &SulvoTrapezoidal, &SulvoRetangular, &SulvoCircular};
    const bool regularCalculado = IndSulvoReg < 4 && regulares[IndSulvoReg]->A > 0;
    const bool irregularCalculado = SulvoIrregular.A > 0;
    TDialogosSilenciaveis::Silencio silencio(dialogosPaginas_);
    if (regularCalculado)
        PaginaRegular->BCalcularClick();
    if (irregularCalculado)
        PaginaIrregular->BtICalcularClick();
}

void TFPrincipal::GerenteSys1LimparCamposDados() {
    CarregandoCampos = true;
    // Results and fields emptied, the triangle with "Vazão" shown again.
    PaginaRegular->LimparCamposDados();
    // The point fields, results and fields emptied, "Calcular" off, "Convencional" and "Vazão".
    PaginaIrregular->LimparCamposDados();
    CarregandoCampos = false;
    GerenteSys1.Alterado = false;
}

void TFPrincipal::GerenteSys1LerArquivo(bool& LeuCerto) {
    LerArquivoProjeto(GerenteSys1.PathProjeto, Modelos(), LeuCerto);
}

void TFPrincipal::GerenteSys1EscreverArquivo() {
    EscreverArquivoProjeto(GerenteSys1.PathProjeto, Modelos(), SeparadorDecimalRegional());
}

// ---- Commands ----

void TFPrincipal::TBNovoClick() {
    if (!Executar([this] { return GerenteSys1.Novo(); }))
        return;
    Notebook1->setCurrentIndex(kPaginaInicial);
    dialogos_.ExibirModal(*FIdentProjeto);
    Notebook1->setCurrentIndex(kPaginaRegulares);
}

void TFPrincipal::TBAbrirClick() {
    if (!Executar([this] { return GerenteSys1.Abrir(); })) {
        AposFalhaAoAbrir();
        return;
    }
    Notebook1->setCurrentIndex(kPaginaRegulares);
    AtualizarLegendasRecentes();
}

void TFPrincipal::TBSalvarClick() {
    if (Executar([this] {
            GerenteSys1.Salvar();
            return true;
        }))
        AtualizarLegendasRecentes();
    if (!GerenteSys1.Alterado)
        recuperacao_->Remover();
}

void TFPrincipal::SalvarComo1Click() {
    if (Executar([this] {
            GerenteSys1.SalvarComo();
            return true;
        }))
        AtualizarLegendasRecentes();
    if (!GerenteSys1.Alterado)
        recuperacao_->Remover();
}

void TFPrincipal::TBFecharClick() {
    if (!Executar([this] { return GerenteSys1.Fechar(); }))
        return;
    recuperacao_->Remover();
    Notebook1->setCurrentIndex(kPaginaInicial);
    AtualizarLegendasRecentes();
}

void TFPrincipal::proj1Click(int tag) {
    if (tag < 1 || tag > 4)
        return;
    // The entry opened is the list's entry now, not the caption's text.
    AbrirPeloNome(GerenteSys1.Recentes[tag - 1], false);
}

void TFPrincipal::AbrirProjeto(const std::string& arquivo) {
    AbrirPeloNome(arquivo, true);
}

void TFPrincipal::AbrirPeloNome(std::string arquivo, bool avisarFalha) {
    // The manager keeps a failed open by name to itself; only "Abrir" reports it on its own.
    if (!Executar([&] { return GerenteSys1.AbrirArquivo(arquivo); })) {
        if (avisarFalha && !GerenteSys1.Aberto())
            dialogos_.Erro(MensagemNaoAbriu(arquivo));
        AposFalhaAoAbrir();
        AtualizarLegendasRecentes(); // an entry whose file is gone has left the list
        return;
    }
    Notebook1->setCurrentIndex(kPaginaRegulares);
    AtualizarLegendasRecentes();
}

void TFPrincipal::IdentificaodoProjeto1Click() {
    dialogos_.ExibirModal(*FIdentProjeto);
}

void TFPrincipal::NavegarRegular(int indice) {
    Notebook1->setCurrentIndex(kPaginaRegulares);
    PaginaRegular->SelecionarTipo(indice);
}

void TFPrincipal::Irregular1Click() {
    Notebook1->setCurrentIndex(kPaginaIrregulares);
}

void TFPrincipal::ConfigurarImpressora1Click() {
    dialogos_.ConfigurarImpressora();
}

void TFPrincipal::Sair1Click() {
    close();
}

void TFPrincipal::Contedo1Click() {
    ajuda_->Conteudo();
}

void TFPrincipal::ObterAjudaSobre1Click() {
    ajuda_->Pesquisar(QString());
}

void TFPrincipal::MostrarAjuda(int contexto) {
    ajuda_->Topico(contexto);
}

void TFPrincipal::TBSobreClick() {
    TFSplashSulvo sobre(Q(pastaInstalacao_.string()), this);
    dialogos_.ExibirModal(sobre);
}

void TFPrincipal::PaginaInternetClick(int tag) {
    internet_->PaginaInternetClick(tag);
}

void TFPrincipal::DefinirNavegador(std::function<bool(const QUrl&)> navegador) {
    internet_ = std::make_unique<TInternet>(dialogos_, std::move(navegador));
}

// ---- Reports ----

void TFPrincipal::ExibirRelatorio(TFRelatorio& relatorio) {
    // The saved report goes beside the project, named after it.
    const fs::path projeto(GerenteSys1.PathProjeto);
    relatorio.DefinirDestino(dialogos_, projeto.parent_path().string(), projeto.stem().string());
    dialogos_.ExibirModal(relatorio);
}

void TFPrincipal::BtRelatorioClick() {
    // Made for this report and gone when it closes, with the chart picture it wrote.
    TFRelatorio relatorio(Q(pastaInstalacao_.string()), this);
    TGraficoRegular* grafico = PaginaRegular->Grafico;
    const std::array<QWidget*, 4> graficos = {grafico->Secao(kTriangular), grafico->Secao(kTrapezoidal),
                                              grafico->Secao(kRetangular), grafico->Secao(kCircular)};
    const SecoesRegulares secoes{SulvoTriangular, SulvoTrapezoidal, SulvoRetangular, SulvoCircular};
    if (relatorio.GerarRelatorioRegular(IndSulvoReg, secoes, PaginaRegular->CbIncognita->currentText().toStdString(),
                                        IDProjeto, graficos, dialogos_))
        ExibirRelatorio(relatorio);
}

void TFPrincipal::BtIRelatorioClick() {
    TFRelatorio relatorio(Q(pastaInstalacao_.string()), this);
    if (relatorio.GerarRelatorioIrregular(SulvoIrregular, PaginaIrregular->TextoIncognita().toStdString(),
                                          PaginaIrregular->TextoMetodologia().toStdString(), IDProjeto,
                                          *PaginaIrregular->GraficoSecao(), dialogos_,
                                          &PaginaIrregular->IrregularChart2->Curva()))
        ExibirRelatorio(relatorio);
}

void TFPrincipal::AtualizarLegendasRecentes() {
    for (int n = 1; n <= 4; ++n) {
        const QString nome = Q(fs::path(GerenteSys1.Recentes[n - 1]).filename().string());
        QString escapado = nome;
        escapado.replace(u'&', QStringLiteral("&&"));
        proj[n - 1]->setText(QStringLiteral("&%1/ ").arg(n) + escapado);
    }
}

void TFPrincipal::TimerRecuperacaoTimer() {
    try {
        if (!GerenteSys1.Alterado || !GerenteSys1.Aberto()) {
            // Saved, or closed: nothing is left to recover.
            recuperacao_->Remover();
            return;
        }
        const bool temNome = GerenteSys1.NomeProjeto != "\"" + GerenteSys1.NomeDefault + "\"";
        recuperacao_->Gravar(temNome ? GerenteSys1.PathProjeto : std::string(), [this](const std::string& copia) {
            GerenteSys1LerCamposDados();
            EscreverArquivoProjeto(copia, Modelos(), SeparadorDecimalRegional());
        });
    } catch (const std::exception&) {
        // A copy that cannot be written (a full disk, a read-only home) must not interrupt the work.
    }
}

bool TFPrincipal::OferecerRecuperacao() {
    for (const auto& copia : recuperacao_->Abandonadas()) {
        if (!dialogos_.PerguntarSimNao(TRecuperacao::Pergunta(copia, GerenteSys1.NomeDefault))) {
            TRecuperacao::Descartar(copia);
            continue;
        }
        const bool restaurado = Executar([&] { return GerenteSys1.Restaurar(copia.arquivo, copia.pathProjeto); });
        TRecuperacao::Descartar(copia);
        if (!restaurado) {
            AposFalhaAoAbrir();
            continue;
        }
        Notebook1->setCurrentIndex(kPaginaRegulares);
        // The restored work is copied again at once: the copy just taken is gone.
        TimerRecuperacaoTimer();
        return true;
    }
    return false;
}

void TFPrincipal::Timer2Timer() {
    PainelRelogio->setText(QTime::currentTime().toString(RegionalJanela().FormatoHora));
}

// ---- Hints ----

void TFPrincipal::ExibirDica(const QString& dica) {
    const qsizetype barra = dica.indexOf(u'|');
    PainelDica->setText(barra < 0 ? dica : dica.mid(barra + 1));
}

QString TFPrincipal::DicaMaisProxima(QWidget* w) const {
    for (; w; w = w->parentWidget()) {
        if (!w->statusTip().isEmpty())
            return w->statusTip();
        if (w == this || w->isWindow())
            break;
    }
    return {};
}

bool TFPrincipal::event(QEvent* evento) {
    switch (evento->type()) {
    case QEvent::StatusTip: {
        const QString dica = static_cast<QStatusTipEvent*>(evento)->tip();
        // An empty tip is sent when the pointer leaves a control or a menu entry: the hint of what lies
        // under the pointer now takes over.
        ExibirDica(dica.isEmpty() ? DicaMaisProxima(QApplication::widgetAt(QCursor::pos())) : dica);
        return true;
    }
    case QEvent::WindowActivate:
        FormActivate();
        break;
    default:
        break;
    }
    return QMainWindow::event(evento);
}

bool TFPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::ToolTip && objeto->isWidgetType() && static_cast<QWidget*>(objeto)->window() == this)
        return true; // the frame shows its hints in the status bar only
    if (evento->type() == QEvent::Enter && objeto->isWidgetType()) {
        auto* w = static_cast<QWidget*>(objeto);
        // Controls with a hint of their own announce it themselves; the others show their container's.
        if (w->window() == this && w->statusTip().isEmpty())
            ExibirDica(DicaMaisProxima(w));
    }
    return QMainWindow::eventFilter(objeto, evento);
}

} // namespace sulvo
