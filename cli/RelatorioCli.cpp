#include "cli/RelatorioCli.h"

#include "cli/Usage.h"
#include "common/Pastas.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/Regional.h"
#include "report/ExportarRelatorio.h"
#include "report/ImagemGraficoQt.h"
#include "report/TabelaCurva.h"
#include "ui/irregular/GraficoIrregular.h"
#include "ui/irregular/IrregularSecao.h"
#include "ui/regular/GraficoRegular.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextDocument>

#include <array>
#include <clocale>
#include <filesystem>
#include <memory>

namespace sulvo::cli {
namespace {

// Size of the irregular section chart in the pictured report, about what the page shows in its window.
const QSize kTamanhoGraficoIrregular(520, 300);

// The banner lies beside the executable, or in the shared data of an installed copy.
QString ArquivoBanner() {
    const std::filesystem::path pasta = PastaDoExecutavel();
    for (const auto& candidato : {pasta / "Cabecalho.jpg", pasta / ".." / "share" / "sulvo" / "Cabecalho.jpg"})
        if (std::filesystem::exists(candidato))
            return QString::fromStdString(candidato.string());
    return {};
}

// A scratch folder holding what the document refers to: the chart picture and a copy of the banner.
struct PastaRelatorio {
    QTemporaryDir pasta;

    PastaRelatorio() {
        if (!pasta.isValid())
            throw UsageError("não foi possível criar uma pasta temporária para o relatório");
        const QString banner = ArquivoBanner();
        if (!banner.isEmpty())
            QFile::copy(banner, pasta.filePath(QStringLiteral("Cabecalho.jpg")));
    }
    QString Caminho() const { return pasta.path(); }
};

OpcoesRelatorio Opcoes(const PastaRelatorio& pasta) {
    OpcoesRelatorio opcoes;
    opcoes.Separador = SeparadorDecimalDaExecucao();
    opcoes.DataEmissao = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    opcoes.PastaExecutavel = QDir(pasta.Caminho()).absolutePath().toStdString() + "/";
    return opcoes;
}

// Writes the finished report by the extension of `arquivo`.
void Gravar(const TRelatorio& relatorio, const PastaRelatorio& pasta, const std::string& arquivo) {
    const QString destino = QString::fromStdString(arquivo);
    const QString html = QString::fromStdString(relatorio.Texto);
    const QString extensao = QFileInfo(destino).suffix().toLower();
    QString erro;
    bool ok = false;
    if (extensao == QLatin1String("pdf")) {
        ok = SalvarRelatorioPdf(*DocumentoRelatorio(html, pasta.Caminho()), destino, erro);
    } else if (extensao == QLatin1String("html") || extensao == QLatin1String("htm")) {
        ok = SalvarRelatorioHtml(html, pasta.Caminho(), destino, erro);
    } else {
        throw UsageError("--relatorio: a extensão de " + arquivo + " deve ser .pdf ou .html");
    }
    if (!ok)
        throw UsageError("não foi possível gravar " + arquivo + ": " + erro.toStdString());
}

// Shows the chart offscreen at its size on the page, so that its layout is done before it is pictured.
void Preparar(QWidget& grafico) {
    grafico.show();
    QApplication::processEvents();
}

FotografarGrafico Fotografar(QWidget& grafico, const PastaRelatorio& pasta) {
    return [&grafico, &pasta] {
        try {
            return FotografarGraficoQt(grafico, pasta.Caminho());
        } catch (const ErroImagemGrafico& e) {
            throw UsageError(e.what());
        }
    };
}

// The unknown as the page's selector lists it for section `tipo`; empty for none.
std::string NomeIncognita(int tipo, int incognita) {
    const TDescricaoSecao& descricao = DescricaoSecao(tipo);
    return incognita >= 0 && incognita <= descricao.MaximoIncognita()
               ? descricao.Incognitas[static_cast<std::size_t>(incognita)].Nome
               : "";
}

} // namespace

struct SessaoRelatorio::Aplicacao {
    int argc = 1;
    char nome[11] = "sulvo-calc";
    char* argv[2] = {nome, nullptr};
    std::unique_ptr<QApplication> aplicacao;
};

SessaoRelatorio::SessaoRelatorio() : aplicacao_(std::make_unique<Aplicacao>()) {
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    aplicacao_->aplicacao = std::make_unique<QApplication>(aplicacao_->argc, aplicacao_->argv);
    // The application takes the C library's number conventions from the environment; every number here is
    // written by the program's own formatting, and the engine must keep reading with the point.
    std::setlocale(LC_NUMERIC, "C");
}

SessaoRelatorio::~SessaoRelatorio() = default;

void EscreverRelatorioRegular(int tipo, const SecoesRegulares& secoes, const TIDProjeto& id,
                              const std::string& arquivo) {
    PastaRelatorio pasta;
    DimensoesSecao d;
    int incognita = 0;
    switch (tipo) {
    case 0:
        d = {secoes.Triangular.H, secoes.Triangular.f, secoes.Triangular.z, 0, 0};
        incognita = secoes.Triangular.Incognita;
        break;
    case 1:
        d = {secoes.Trapezoidal.H, secoes.Trapezoidal.f, secoes.Trapezoidal.z, secoes.Trapezoidal.b, 0};
        incognita = secoes.Trapezoidal.Incognita;
        break;
    case 2:
        d = {secoes.Retangular.H, secoes.Retangular.f, 0, secoes.Retangular.b, 0};
        incognita = secoes.Retangular.Incognita;
        break;
    default:
        d = {secoes.Circular.H, 0, 0, 0, secoes.Circular.D};
        incognita = secoes.Circular.Incognita;
        break;
    }
    TGraficoSecao grafico(tipo);
    grafico.Desenhar(PontosSecaoRegular(tipo, d));
    Preparar(grafico);
    std::array<FotografarGrafico, 4> fotos;
    fotos[static_cast<std::size_t>(tipo)] = Fotografar(grafico, pasta);
    const TRelatorio relatorio =
        GerarRelatorioRegular(tipo, secoes, NomeIncognita(tipo, incognita), id, fotos, Opcoes(pasta));
    Gravar(relatorio, pasta, arquivo);
}

void EscreverRelatorioIrregular(const TSulvoIrregular& secao, const std::vector<TPontoCurva>& curva,
                                const TIDProjeto& id, const std::string& arquivo) {
    PastaRelatorio pasta;
    const char separador = SeparadorDecimalDaExecucao();
    TGraficoSecaoIrregular grafico;
    grafico.DefinirSeparadores(separador, separador == ',' ? '.' : ',');
    grafico.DefinirSecao(secao.Pontos);
    const double largura = secao.Pontos.empty() ? 0 : secao.Pontos.back().X;
    grafico.DefinirNivelAgua(largura, secao.H + MenorCota(secao.Pontos));
    grafico.resize(kTamanhoGraficoIrregular);
    Preparar(grafico);
    const std::string metodologia = secao.Metodologia == 1 ? "Divisão do Sulvo em Seções" : "Convencional";
    TRelatorio relatorio = GerarRelatorioIrregular(secao, NomeIncognita(kIrregular, secao.Incognita), metodologia, id,
                                                   Fotografar(grafico, pasta), Opcoes(pasta));
    AnexarTabelaCurva(relatorio.Texto, curva, separador);
    Gravar(relatorio, pasta, arquivo);
}

} // namespace sulvo::cli
