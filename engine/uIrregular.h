#pragma once

#include "common/Prompt.h"

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

// A surveyed natural or compound section with the inputs and results of one uniform-flow problem.
class TSulvoIrregular {
public:
    double Q = 0;
    double H = 0; // normal depth above the lowest point, m
    double I = 0;
    double n = 0; // single roughness, result of the roughness unknown only
    double A = 0; // -1 marks a depth above the section
    double P = 0;
    double V = 0;
    double S = 0; // total width before a calculation, water-surface width after it
    double E = 0;
    double Yc = 0; // -1: greater than the depth of the section
    double NF = 0;
    double Comp = 0;
    double Vol_Terra = 0;
    std::string Regime;
    std::uint8_t Incognita = 0;   // 0 discharge, 1 normal depth, 2 slope, 3 single roughness
    std::uint8_t Metodologia = 0; // 0 conventional, 1 divided section, 2 subdivision at roughness changes
    std::vector<TPontoSecao> Pontos;
    double YMinimo = 0; // lowest Y among Pontos; -YMinimo is the full depth
    // Bank stations, X in m: the main channel lies between them, the overbanks outside. Unset: the two ends.
    std::optional<double> MargemE;
    std::optional<double> MargemD;
    double Alfa = 1; // velocity coefficient of the last calculation (1 unless subdivided)

    void Zerar();

    // Solves the unknown and completes the results; true when results were stored (A > 0).
    // A section that cannot be calculated (no points, banks below the top, points out of order, a wetted
    // interval without roughness) is reported through the prompt and leaves A = 0.
    bool Calcular();

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
    static std::string RegimeEscoamento(double froude);

    void DefinirPrompt(IPrompt& prompt) { prompt_ = &prompt; }
    IPrompt& Prompt() const { return *prompt_; }

    // Decimal separator of the coordinates quoted in messages, as the point lists show them.
    void DefinirSeparadorDecimal(char separador) { separador_ = separador; }

private:
    TAvaliacao AvaliarPeloMetodo(double h, double i);
    void Guardar(const TAvaliacao& av);
    std::string RotuloPonto(std::size_t indice) const;
    void AvisarRugosidade(std::size_t intervalo);
    template <class Somas, class Somar>
    bool VarrerNivel(double h, const char* mensagemAcima, const Somas& s, Somar&& somar, TAvaliacao& r);

    IPrompt* prompt_ = &SilentPrompt::instance();
    char separador_ = ',';
};

} // namespace sulvo
