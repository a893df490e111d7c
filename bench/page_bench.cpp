// The "Irregulares" page with large surveys, as the user meets it: a project loaded into the page, the page
// shown for the first time, "Calcular" with both charts redrawn, one point inserted and the report's picture
// of the section chart. Two beds of 1 000 to 100 000 points: a smooth valley, and a rough bed whose depth
// changes from point to point so that the water meets it in thousands of places. Runs the real widgets under
// the offscreen platform; every step includes the event processing and painting it causes.
#include "bench/ExecutarBench.h"
#include "common/Alocador.h"
#include "engine/uIrregular.h"
#include "project/DialogService.h"
#include "report/ImagemGraficoQt.h"
#include "ui/irregular/GraficoCurva.h"
#include "ui/irregular/GraficoIrregular.h"
#include "ui/irregular/PaginaIrregular.h"

#include "controls/EditNumero.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

using namespace sulvo;

namespace {

constexpr double kLargura = 240.0; // m
constexpr double kFundo = 3.0;     // m, depth of the valley at its middle
constexpr double kAltura = 2.0;    // m of water above the lowest point: the level stands 1 m below the banks
constexpr double kDeclividade = 0.0005;
constexpr double kPi = 3.14159265358979323846;

enum Leito : std::int64_t { Liso = 0, Aspero = 1 };

// The valley, 240 m wide and 3 m deep; on the rough bed every other point rises to 40 % of the valley's depth,
// above the water over most of the width, so that each deep point holds a wetted stretch of its own.
TSulvoIrregular Projeto(std::int64_t pontos, std::int64_t leito) {
    TSulvoIrregular s;
    s.Pontos.reserve(static_cast<std::size_t>(pontos));
    const double dx = kLargura / static_cast<double>(pontos - 1);
    for (std::int64_t k = 0; k < pontos; ++k) {
        const double x = k == pontos - 1 ? kLargura : dx * static_cast<double>(k);
        double y = 0;
        if (k > 0 && k < pontos - 1) {
            y = -kFundo * std::sin(kPi * x / kLargura);
            if (leito == Aspero && k % 2 == 0)
                y *= 0.4;
        }
        s.Pontos.push_back({x, y, k == 0 ? 0.0 : 0.03 + 0.01 * std::sin(2 * kPi * x / 61.0)});
    }
    // The discharge that flows at the working depth, then the problem of the unknown depth.
    s.S = kLargura;
    s.H = kAltura;
    s.I = kDeclividade;
    s.Comp = 1000;
    s.Incognita = 0;
    s.Calcular();
    s.Incognita = TPaginaIrregular::kIncognitaProfundidade;
    s.Metodologia = 0;
    s.H = kAltura;
    s.A = s.P = s.V = s.E = s.Yc = s.NF = s.Vol_Terra = 0;
    s.S = kLargura;
    s.Regime.clear();
    return s;
}

// A message during a benchmark is a fault of the set-up: it is counted and the run reports it.
class DialogosSilenciosos : public IDialogService {
public:
    int mensagens = 0;
    void Mensagem(const std::string&) override { ++mensagens; }
    void Erro(const std::string&) override { ++mensagens; }
    bool PerguntarSimNao(const std::string&) override { return ++mensagens, false; }
    Resposta PerguntarSimNaoCancelar(const std::string&) override { return ++mensagens, Resposta::Cancelar; }
    std::optional<std::string> AbrirArquivo(const OpcoesArquivo&) override { return ++mensagens, std::nullopt; }
    std::optional<std::string> SalvarArquivo(const OpcoesArquivo&) override { return ++mensagens, std::nullopt; }
    void ConfigurarImpressora() override { ++mensagens; }
    bool Imprimir(QPrinter&) override { return false; }
    int ExibirModal(QDialog&) override { return QDialog::Rejected; }
};

// Counts the paintings of a widget, to make sure that a step drew what it claims to.
class ContadorPinturas : public QObject {
public:
    int pinturas = 0;
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::Paint)
            ++pinturas;
        return false;
    }
};

void Processar() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The page with the main window's models, sized as on a 1280 x 1024 screen.
struct Ambiente {
    TSulvoIrregular secao;
    std::uint8_t indIncognita = 0;
    DialogosSilenciosos dialogos;
    TPaginaIrregular pagina{ContextoPaginaIrregular{secao, indIncognita, dialogos}};
    ContadorPinturas secaoPintada, vazaoPintada;

    Ambiente() {
        pagina.resize(1200, 800);
        pagina.setEnabled(true);
        pagina.IrregularChart1->viewport()->installEventFilter(&secaoPintada);
        pagina.IrregularChart2->viewport()->installEventFilter(&vazaoPintada);
    }

    // What the main window does when a project opens: the variables reset, the fields emptied, the file's
    // models in place, and the page filled from them.
    void Carregar(const TSulvoIrregular& modelo) {
        secao.Zerar();
        pagina.LimparSeries();
        pagina.LimparCamposDados();
        secao = modelo;
        indIncognita = modelo.Incognita;
        pagina.PreencherCamposDados();
        Processar();
    }

    void Mostrar() {
        pagina.show();
        Processar();
    }

    void Calcular() {
        pagina.BtICalcular->click();
        Processar();
        // The discharge-depth tab brought to the front, so its chart is painted too.
        pagina.PageControl1->setCurrentWidget(pagina.TSVazao);
        Processar();
    }

    bool Falhou(benchmark::State& estado, const char* passo, bool pintada = true) {
        const char* falha = dialogos.mensagens > 0                  ? ": the page showed a message"
                            : pintada && secaoPintada.pinturas == 0 ? ": the section chart was never painted"
                                                                    : nullptr;
        if (!falha)
            return false;
        estado.SkipWithError((std::string(passo) + falha).c_str());
        return true;
    }
};

void Rotular(benchmark::State& estado) {
    estado.SetLabel(estado.range(1) == Liso ? "smooth" : "rough");
    estado.SetComplexityN(estado.range(0));
}

void BM_Carregar(benchmark::State& estado) {
    const TSulvoIrregular modelo = Projeto(estado.range(0), estado.range(1));
    Ambiente a;
    for (auto _ : estado)
        a.Carregar(modelo);
    a.Falhou(estado, "load", false);
    Rotular(estado);
}

// The first showing of a page just loaded: the layout, the charts' geometry and the first paint.
void BM_Mostrar(benchmark::State& estado) {
    const TSulvoIrregular modelo = Projeto(estado.range(0), estado.range(1));
    for (auto _ : estado) {
        estado.PauseTiming();
        auto a = std::make_unique<Ambiente>();
        a->Carregar(modelo);
        estado.ResumeTiming();
        a->Mostrar();
        estado.PauseTiming();
        const bool falhou = a->Falhou(estado, "show");
        a.reset();
        estado.ResumeTiming();
        if (falhou)
            break;
    }
    Rotular(estado);
}

void BM_Calcular(benchmark::State& estado) {
    const TSulvoIrregular modelo = Projeto(estado.range(0), estado.range(1));
    Ambiente a;
    a.Carregar(modelo);
    a.Mostrar();
    for (auto _ : estado) {
        a.Calcular();
        estado.PauseTiming();
        a.pagina.PageControl1->setCurrentWidget(a.pagina.TSSulvo);
        a.pagina.EdIAltura->SetValor(kAltura * 0.9);
        Processar();
        estado.ResumeTiming();
    }
    if (!a.Falhou(estado, "calculate") && (!(a.secao.A > 0) || a.vazaoPintada.pinturas == 0))
        estado.SkipWithError("no result on show");
    Rotular(estado);
}

void BM_InserirPonto(benchmark::State& estado) {
    const TSulvoIrregular modelo = Projeto(estado.range(0), estado.range(1));
    Ambiente a;
    a.Carregar(modelo);
    a.Mostrar();
    double x = kLargura / 3;
    const std::size_t antes = a.secao.Pontos.size();
    for (auto _ : estado) {
        a.pagina.EdX->SetValor(x);
        a.pagina.EdY->SetValor(1.0);
        a.pagina.BtInserirPonto->click();
        Processar();
        x += 0.001;
    }
    if (!a.Falhou(estado, "insert") && a.secao.Pontos.size() != antes + static_cast<std::size_t>(estado.iterations()))
        estado.SkipWithError("the point was not inserted");
    Rotular(estado);
}

// The picture the irregular report puts beside its results, written as the report writes it.
void BM_ImagemRelatorio(benchmark::State& estado) {
    const TSulvoIrregular modelo = Projeto(estado.range(0), estado.range(1));
    Ambiente a;
    a.Carregar(modelo);
    a.Mostrar();
    a.Calcular();
    a.pagina.PageControl1->setCurrentWidget(a.pagina.TSSulvo);
    Processar();
    const auto pasta = std::filesystem::temp_directory_path() / ("sulvo-page-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(pasta);
    for (auto _ : estado)
        benchmark::DoNotOptimize(FotografarGraficoQt(*a.pagina.GraficoSecao(), QString::fromStdString(pasta)));
    std::filesystem::remove_all(pasta);
    a.Falhou(estado, "report picture");
    Rotular(estado);
}

void Tamanhos(benchmark::internal::Benchmark* b) {
    for (std::int64_t leito : {Liso, Aspero})
        for (std::int64_t n : {1000, 10000, 100000})
            b->Args({n, leito});
    b->Unit(benchmark::kMillisecond)->MinTime(0.2);
}

BENCHMARK(BM_Carregar)->Apply(Tamanhos);
BENCHMARK(BM_Mostrar)->Apply(Tamanhos);
BENCHMARK(BM_Calcular)->Apply(Tamanhos);
BENCHMARK(BM_InserirPonto)->Apply(Tamanhos);
BENCHMARK(BM_ImagemRelatorio)->Apply(Tamanhos);

} // namespace

// The widgets need an application object before the first benchmark and the numbers the C locale.
int main(int argc, char** argv) {
    sulvo::ConfigurarAlocador(); // as the program does at start
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argcQt = 1;
    char nome[] = "page_bench";
    char* argvQt[] = {nome, nullptr};
    QApplication app(argcQt, argvQt);
    std::setlocale(LC_NUMERIC, "C");
    return ExecutarBenchmarks(argc, argv);
}
