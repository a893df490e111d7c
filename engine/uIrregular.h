#pragma once

#include "engine/uSulvo.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sulvo {

// One surveyed point of an irregular section.
struct TPontoSecao {
    double X = 0;   // width position from the left bank, m
    double Y = 0;   // elevation relative to the banks, m: 0 at the top, -d for a point d metres deep
    double Rug = 0; // Manning n of the interval that ends at this point (0 while undefined)
    // The table's band of that n, when it was picked from one (TFaixaRugosidade's three values; plain reals so
    // that a point is still written {X, Y, Rug}).
    double RugTabela = 0;
    double RugMin = 0;
    double RugMax = 0;

    TFaixaRugosidade Faixa() const { return {RugTabela, RugMin, RugMax}; }
    void DefinirFaixa(const TFaixaRugosidade& f) {
        RugTabela = f.Normal;
        RugMin = f.Minimo;
        RugMax = f.Maximo;
    }
};

// Why an evaluation produced no result.
enum class TFalhaAvaliacao : std::uint8_t {
    Nenhuma,
    AcimaDaSecao,       // the water level is above the banks (A = -1)
    SecaoAberta,        // the water reaches the first or the last point: no bank closes the section
    RugosidadeInvalida, // a wetted interval has no coefficient greater than 0
};

// The four values one evaluation at a trial depth reports.
struct TAvaliacao {
    double A = 0; // wetted area, m²; -1 when the depth is above the section
    double P = 0; // wetted perimeter, m
    double S = 0; // water-surface width, m
    double Q = 0; // discharge, m³/s
    TFalhaAvaliacao Falha = TFalhaAvaliacao::Nenhuma;
};

// One sample of the discharge–depth chart: the discharge of both methods at one normal depth.
struct TPontoCurva {
    double h = 0;             // normal depth above the lowest point, m
    double QDivisao = 0;      // divided-section method, m³/s
    double QConvencional = 0; // conventional method, m³/s
    double QSubdivisao = 0;   // subdivision at the roughness changes and banks, m³/s
};

// A surveyed natural or compound section with the inputs and results of one uniform-flow problem. Of the
// common fields, H is the normal depth above the lowest point, n the single roughness (a result of the
// roughness unknown only), A = -1 marks a depth above the section, S is the total width before a calculation
// and the water-surface width after it, and Yc = -1 a critical depth greater than the depth of the section.
class TSulvoIrregular : public TSulvo {
public:
    double Comp = 0;              // channel length, m
    double Vol_Terra = 0;         // earthwork volume, m³
    std::uint8_t Metodologia = 0; // 0 conventional, 1 divided section, 2 subdivision at roughness changes
    std::vector<TPontoSecao> Pontos;
    double YMinimo = 0; // lowest Y among Pontos; -YMinimo is the full depth
    // Bank stations, X in m: the main channel lies between them, the overbanks outside. Unset: the two ends.
    std::optional<double> MargemE;
    std::optional<double> MargemD;
    double Alfa = 1; // velocity coefficient of the last calculation (1 unless subdivided)

    // What the last calculation noticed beside its results (near-critical flow, a conventional discharge that
    // falls as the depth rises, several critical depths), one sentence each; cleared by every calculation.
    std::vector<std::string> Avisos;

    void Zerar();

    // Solves the unknown and completes the results; true when results were stored (A > 0).
    // A section that cannot be calculated (no points, banks below the top, points out of order, a wetted
    // interval without roughness) is reported through the prompt and leaves A = 0.
    bool Calcular() override;
    const TDescricaoSecao& Descricao() const override { return DescricaoSecao(kIrregular); }

    // The solvers behind Calcular, one per unknown; YMinimo must be current. True when results were stored.
    bool CalcularVazao(double profundidade, double declividade, double comprimento);
    bool CalcularProfundidade(double vazao, double declividade, double comprimento);
    bool CalcularDeclividade(double vazao, double profundidade, double comprimento);
    bool CalcularRugosidade(double vazao, double declividade, double profundidade, double comprimento);

    // Depth at which A³/S = Q²/g, m; -1 when it lies above the top of the section. YMinimo must be current.
    double ProfundidadeCritica(double vazao);

    // Velocity, Froude number, earthwork, specific energy, regime and critical depth from the last A, P, S.
    void CompletarResultados(double vazaoVelocidade, double vazaoCritica, double profundidade, double comprimento);

    // Evaluations at a depth h above the lowest point (YMinimo must be current; slope I >= 0). Each costs one
    // pass over the points and allocates nothing.
    TAvaliacao AvaliarConvencional(double h, double I);
    TAvaliacao AvaliarDivisao(double h, double I);
    TAvaliacao AvaliarSubdivisao(double h, double I);
    TAvaliacao AvaliarGeometria(double h);
    static double InterseccaoNivel(double x1, double y1, double x2, double y2, double z);

    // The discharge–depth chart of both methods at slope I: depths step, 2·step, … up to the full depth, with
    // step = full depth / 100, the step added repeatedly as the chart does. Sets YMinimo. Shows no message:
    // the list is empty when the section cannot be calculated or a wetted interval has no roughness.
    std::vector<TPontoCurva> CurvaVazaoProfundidade(double I);

    // The first defect that keeps the section from being calculated, as the message to show; empty when the
    // banks are first and last at Y = 0, no point lies above them and X never decreases.
    std::string VerificarSecao() const;

    // "Subcrítico" below 1, "Crítico" at exactly 1, "Supercrítico" above.
    static std::string RegimeEscoamento(double froude) { return RegimeDoFroude(froude); }

    // Decimal separator of the coordinates quoted in messages, as the point lists show them.
    void DefinirSeparadorDecimal(char separador) { separador_ = separador; }

private:
    TAvaliacao AvaliarPeloMetodo(double h, double i);
    void Guardar(const TAvaliacao& av);
    std::string RotuloPonto(std::size_t indice) const;
    void AvisarRugosidade(std::size_t intervalo);
    std::string Numero(double valor) const;
    void AvisarQuedaDeVazao(double profundidade);
    void AvisarCriticas(double vazao, double mostrada);
    bool AcimaDaSecao(double z, const char* mensagem, TAvaliacao& r);
    template <class Somas, class Somar>
    bool VarrerNivel(double h, const char* mensagemAcima, const Somas& s, Somar&& somar, TAvaliacao& r);

    char separador_ = ',';
};

} // namespace sulvo
