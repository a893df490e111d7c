#include "report/FRelatorio.h"

#include "project/DialogService.h"
#include "report/ImagemGraficoQt.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
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

// Margins of the printed report on every side, in millimetres.
constexpr double kMargemMm = 20.0;

QIcon IconeImpressora() {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
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
    return QIcon(pm);
}

QIcon IconeFechar() {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xb0, 0x1e, 0x1e), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 6), QPointF(18, 18));
    p.drawLine(QPointF(18, 6), QPointF(6, 18));
    return QIcon(pm);
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

    dialogoImpressao_ = [this](QPrinter& impressora) {
        QPrintDialog dialogo(&impressora, this);
        return dialogo.exec() == QDialog::Accepted;
    };

    setWindowState(windowState() | Qt::WindowMaximized);
}

TFRelatorio::~TFRelatorio() {
    // The chart picture belongs to this report only; a failure to remove it is of no consequence.
    QFile::remove(QDir(pasta_).filePath(QLatin1String(kArquivoImagemGrafico)));
}

OpcoesRelatorio TFRelatorio::Opcoes() const {
    OpcoesRelatorio opcoes;
    const QLocale local = QLocale::system();
    const QString ponto = local.decimalPoint();
    opcoes.Separador =
        (ponto.size() == 1 && ponto.at(0).unicode() < 0x80) ? static_cast<char>(ponto.at(0).unicode()) : ',';
    opcoes.DataEmissao = local.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    opcoes.PastaExecutavel = (pasta_.endsWith(QLatin1Char('/')) ? pasta_ : pasta_ + QLatin1Char('/')).toStdString();
    return opcoes;
}

void TFRelatorio::DefinirRelatorio(TRelatorio relatorio) {
    setWindowTitle(QString::fromStdString(relatorio.Legenda));
    textoRelatorio_ = QString::fromStdString(relatorio.Texto);
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
                                          IDialogService& dialogos) {
    try {
        DefinirRelatorio(sulvo::GerarRelatorioIrregular(
            secao, incognita, metodologia, id, [&] { return FotografarGraficoQt(grafico, pasta_); }, Opcoes()));
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
    impressora.setDocName(TituloDocumento());
    impressora.setPageMargins(QMarginsF(kMargemMm, kMargemMm, kMargemMm, kMargemMm), QPageLayout::Millimeter);
    // A document that is not paginated gets a margin and page numbers of its own when printed; a
    // copy laid out on the printer's page area prints with the printer's margins alone.
    std::unique_ptr<QTextDocument> copia(Viewer->document()->clone(Viewer));
    copia->documentLayout()->setPaintDevice(&impressora);
    copia->setDocumentMargin(0);
    copia->setPageSize(impressora.pageRect(QPrinter::DevicePixel).size());
    copia->print(&impressora);
}

void TFRelatorio::ToolButton1Click() {
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setDocName(TituloDocumento());
    impressora.setPageMargins(QMarginsF(kMargemMm, kMargemMm, kMargemMm, kMargemMm), QPageLayout::Millimeter);
    if (!dialogoImpressao_ || !dialogoImpressao_(impressora))
        return;
    ImprimirDocumento(impressora);
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
