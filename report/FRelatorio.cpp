#include "report/FRelatorio.h"

#include "controls/DesenharIcone.h"
#include "controls/RegionalJanela.h"
#include "project/DialogService.h"
#include "report/ExportarRelatorio.h"
#include "report/ImagemGraficoQt.h"
#include "report/TabelaCurva.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QScreen>
#include <QShowEvent>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

#include <memory>

namespace sulvo {

namespace {

QIcon IconeImpressora() {
    return DesenharIcone(24, [&](QPainter& p) {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 7));
        p.setBrush(QColor(0x9a, 0xa3, 0xad));
        p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
        p.setPen(QPen(QColor(0x15, 0x65, 0xa8), 1.0));
        p.drawLine(QPointF(8.5, 17.5), QPointF(15.5, 17.5));
        p.drawLine(QPointF(8.5, 19.5), QPointF(13.5, 19.5));
    });
}

QIcon IconeFechar() {
    return DesenharIcone(24, [&](QPainter& p) {
        p.setPen(QPen(QColor(0xb0, 0x1e, 0x1e), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
    });
}

// A sheet with its corner turned and a coloured band naming the format: the pictures of the two save buttons.
QIcon IconeArquivo(const QColor& cor, const char* sigla) {
    return DesenharIcone(24, [&](QPainter& p) {
        QPainterPath folha;
        folha.moveTo(5.5, 1.5);
        folha.lineTo(14.5, 1.5);
        folha.lineTo(19.5, 6.5);
        folha.lineTo(19.5, 22.5);
        folha.lineTo(5.5, 22.5);
        folha.closeSubpath();
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
        p.setBrush(Qt::white);
        p.drawPath(folha);
        p.drawLine(QPointF(14.5, 1.5), QPointF(14.5, 6.5));
        p.drawLine(QPointF(14.5, 6.5), QPointF(19.5, 6.5));
        p.setPen(Qt::NoPen);
        p.setBrush(cor);
        p.drawRect(QRectF(2, 11, 20, 8));
        QFont fonte = p.font();
        fonte.setPixelSize(7);
        fonte.setBold(true);
        p.setFont(fonte);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 11, 20, 8), Qt::AlignCenter, QString::fromLatin1(sigla));
    });
}

QToolButton* BotaoFerramenta(QToolBar* barra, QAction* acao) {
    barra->addAction(acao);
    auto* botao = qobject_cast<QToolButton*>(barra->widgetForAction(acao));
    botao->setMinimumSize(48, 36);
    return botao;
}

} // namespace

TFRelatorio::TFRelatorio(const QString& pasta, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      pasta_(QDir(pasta).absolutePath()) {
    setObjectName(QStringLiteral("FRelatorio"));
    // The window and every control in it share one help topic.
    setProperty("helpContext", kContextoAjuda);
    setSizeGripEnabled(true);
    resize(640, 480);

    // The window can grow to the whole screen but not shrink below three quarters of it.
    if (QScreen* tela = screen()) {
        const QSize t = tela->geometry().size();
        setMaximumSize(t);
        setMinimumSize(ArredondarPar(0.75 * t.width()), ArredondarPar(0.75 * t.height()));
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(24, 24));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    layout->addWidget(ToolBar1);

    auto* imprimir = new QAction(IconeImpressora(), QStringLiteral("&Imprimir"), this);
    imprimir->setToolTip(QStringLiteral("Imprimir relatório"));
    imprimir->setStatusTip(QStringLiteral("Imprimir relatório"));
    imprimir->setShortcut(QKeySequence(Qt::ALT | Qt::Key_I));
    connect(imprimir, &QAction::triggered, this, &TFRelatorio::ToolButton1Click);
    ToolButton1 = BotaoFerramenta(ToolBar1, imprimir);
    ToolButton1->setObjectName(QStringLiteral("ToolButton1"));

    auto* salvarPdf = new QAction(IconeArquivo(QColor(0xb0, 0x1e, 0x1e), "PDF"), QStringLiteral("Salvar PDF…"), this);
    salvarPdf->setToolTip(QStringLiteral("Salvar relatório em PDF"));
    salvarPdf->setStatusTip(QStringLiteral("Salvar relatório em PDF"));
    connect(salvarPdf, &QAction::triggered, this, &TFRelatorio::BSalvarPdfClick);
    BSalvarPdf = BotaoFerramenta(ToolBar1, salvarPdf);
    BSalvarPdf->setObjectName(QStringLiteral("BSalvarPdf"));

    auto* salvarHtml =
        new QAction(IconeArquivo(QColor(0x15, 0x65, 0xa8), "HTML"), QStringLiteral("Salvar HTML…"), this);
    salvarHtml->setToolTip(QStringLiteral("Salvar relatório em HTML"));
    salvarHtml->setStatusTip(QStringLiteral("Salvar relatório em HTML"));
    connect(salvarHtml, &QAction::triggered, this, &TFRelatorio::BSalvarHtmlClick);
    BSalvarHtml = BotaoFerramenta(ToolBar1, salvarHtml);
    BSalvarHtml->setObjectName(QStringLiteral("BSalvarHtml"));

    auto* fechar = new QAction(IconeFechar(), QStringLiteral("Fechar"), this);
    fechar->setToolTip(QStringLiteral("Fechar relatório"));
    fechar->setStatusTip(QStringLiteral("Fechar relatório"));
    connect(fechar, &QAction::triggered, this, &TFRelatorio::BFecharClick);
    BFechar = BotaoFerramenta(ToolBar1, fechar);
    BFechar->setObjectName(QStringLiteral("BFechar"));

    Viewer = new QTextBrowser(this);
    Viewer->setObjectName(QStringLiteral("Viewer"));
    Viewer->setOpenLinks(false);
    Viewer->setSearchPaths({pasta_});
    // The documents ask for black on white through BODY attributes the viewer does not read.
    QPalette paleta = Viewer->palette();
    paleta.setColor(QPalette::Base, Qt::white);
    paleta.setColor(QPalette::Text, Qt::black);
    Viewer->setPalette(paleta);
    Viewer->document()->setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    Viewer->document()->setDefaultStyleSheet(
        QStringLiteral("pre, tt, code, kbd, samp { font-family: \"Courier New\"; }"));
    layout->addWidget(Viewer, 1);

    // The print dialog is the dialog service's, like every other box the window shows.
    dialogoImpressao_ = [this](QPrinter& impressora) { return dialogos_ && dialogos_->Imprimir(impressora); };

    setWindowState(windowState() | Qt::WindowMaximized);
}

TFRelatorio::~TFRelatorio() {
    // The chart picture belongs to this report only; a failure to remove it is of no consequence.
    QFile::remove(QDir(pasta_).filePath(QLatin1String(kArquivoImagemGrafico)));
}

OpcoesRelatorio TFRelatorio::Opcoes() const {
    OpcoesRelatorio opcoes;
    opcoes.Separador = RegionalJanela().Decimal();
    opcoes.DataEmissao = QDate::currentDate().toString(RegionalJanela().FormatoData).toStdString();
    opcoes.PastaExecutavel = (pasta_.endsWith(QLatin1Char('/')) ? pasta_ : pasta_ + QLatin1Char('/')).toStdString();
    return opcoes;
}

void TFRelatorio::DefinirRelatorio(TRelatorio relatorio) {
    setWindowTitle(QString::fromStdString(relatorio.Legenda));
    textoRelatorio_ = QString::fromStdString(relatorio.Texto);
    html_ = textoRelatorio_;
    carregado_ = false;
}

bool TFRelatorio::GerarRelatorioRegular(int IndSulvoReg, const SecoesRegulares& secoes, const std::string& incognita,
                                        const TIDProjeto& id, const std::array<QWidget*, 4>& graficos,
                                        IDialogService& dialogos) {
    std::array<FotografarGrafico, 4> fotos;
    for (std::size_t i = 0; i < graficos.size(); ++i) {
        QWidget* grafico = graficos[i];
        fotos[i] = [this, grafico] { return FotografarGraficoQt(*grafico, pasta_); };
    }
    try {
        DefinirRelatorio(sulvo::GerarRelatorioRegular(IndSulvoReg, secoes, incognita, id, fotos, Opcoes()));
    } catch (const ErroImagemGrafico& erro) {
        dialogos.Erro(erro.what());
        return false;
    }
    return true;
}

bool TFRelatorio::GerarRelatorioIrregular(const TSulvoIrregular& secao, const std::string& incognita,
                                          const std::string& metodologia, const TIDProjeto& id, QWidget& grafico,
                                          IDialogService& dialogos, const std::vector<TPontoCurva>* curva) {
    try {
        const OpcoesRelatorio opcoes = Opcoes();
        TRelatorio relatorio = sulvo::GerarRelatorioIrregular(
            secao, incognita, metodologia, id, [&] { return FotografarGraficoQt(grafico, pasta_); }, opcoes);
        if (curva)
            AnexarTabelaCurva(relatorio.Texto, *curva, opcoes.Separador);
        DefinirRelatorio(std::move(relatorio));
    } catch (const ErroImagemGrafico& erro) {
        dialogos.Erro(erro.what());
        return false;
    }
    return true;
}

void TFRelatorio::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (carregado_)
        return;
    // Cleared first so that a picture cached from an earlier load is read again from its file.
    Viewer->document()->clear();
    Viewer->setHtml(textoRelatorio_);
    textoRelatorio_.clear();
    carregado_ = true;
}

QString TFRelatorio::TituloDocumento() const {
    return Viewer->documentTitle();
}

void TFRelatorio::ImprimirDocumento(QPrinter& impressora) {
    ImprimirRelatorio(*Viewer->document(), impressora);
}

void TFRelatorio::ToolButton1Click() {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setDocName(TituloDocumento());
    impressora.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    if (!dialogoImpressao_ || !dialogoImpressao_(impressora))
        return;
    ImprimirDocumento(impressora);
}

void TFRelatorio::DefinirDestino(IDialogService& dialogos, const std::string& pasta, const std::string& nome) {
    dialogos_ = &dialogos;
    pastaDestino_ = pasta;
    nomeDestino_ = nome;
}

std::optional<std::string> TFRelatorio::PerguntarArquivo(const char* titulo, const char* filtro, const char* extensao) {
    if (!dialogos_)
        return std::nullopt;
    OpcoesArquivo opcoes;
    opcoes.titulo = titulo;
    opcoes.filtro = filtro;
    opcoes.extensaoPadrao = extensao;
    const std::string nome = nomeDestino_.empty() ? TituloDocumento().toStdString() : nomeDestino_;
    opcoes.nomeSugerido = nome + "." + extensao;
    opcoes.pasta = pastaDestino_.empty() ? pasta_.toStdString() : pastaDestino_;
    auto arquivo = dialogos_->SalvarArquivo(opcoes);
    // The file dialog leaves the question of replacing a file to its caller.
    if (arquivo && QFile::exists(QString::fromStdString(*arquivo)) &&
        !dialogos_->PerguntarSimNao("O arquivo " + *arquivo + " já existe. Deseja substituí-lo?"))
        return std::nullopt;
    return arquivo;
}

void TFRelatorio::InformarErro(const QString& arquivo, const QString& motivo) {
    if (dialogos_)
        dialogos_->Erro(QStringLiteral("Cannot create file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(arquivo), motivo)
                            .toStdString());
}

bool TFRelatorio::SalvarPdf(const QString& arquivo) {
    QString erro;
    if (SalvarRelatorioPdf(*Viewer->document(), arquivo, erro))
        return true;
    InformarErro(arquivo, erro);
    return false;
}

bool TFRelatorio::SalvarHtml(const QString& arquivo) {
    QString erro;
    if (SalvarRelatorioHtml(html_, pasta_, arquivo, erro))
        return true;
    InformarErro(arquivo, erro);
    return false;
}

void TFRelatorio::BSalvarPdfClick() {
    if (auto arquivo = PerguntarArquivo("Salvar PDF", "Documentos PDF (*.pdf)", "pdf"))
        SalvarPdf(QString::fromStdString(*arquivo));
}

void TFRelatorio::BSalvarHtmlClick() {
    if (auto arquivo = PerguntarArquivo("Salvar HTML", "Páginas HTML (*.html)", "html"))
        SalvarHtml(QString::fromStdString(*arquivo));
}

void TFRelatorio::BFecharClick() {
    close();
}

void TFRelatorio::changeEvent(QEvent* evento) {
    QDialog::changeEvent(evento);
    if (evento->type() != QEvent::WindowStateChange)
        return;
    const auto* mudanca = static_cast<QWindowStateChangeEvent*>(evento);
    const Qt::WindowStates fora = Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen;
    // Restored from maximised: centre once the platform has given the window its normal size back.
    if ((mudanca->oldState() & Qt::WindowMaximized) && !(windowState() & fora))
        QTimer::singleShot(0, this, &TFRelatorio::Centralizar);
}

void TFRelatorio::Centralizar() {
    QScreen* tela = screen();
    if (!tela || (windowState() & Qt::WindowMaximized))
        return;
    const QRect t = tela->geometry();
    const QSize janela = frameGeometry().size();
    move(t.x() + ArredondarPar((t.width() - janela.width()) / 2.0),
         t.y() + ArredondarPar((t.height() - janela.height()) / 2.0));
}

} // namespace sulvo
