#include "engine/uSulvo.h"

#include "common/NumberFormat.h"
#include "engine/Avisos.h"
#include "engine/Numerico.h"

#include <cfloat>
#include <cmath>

namespace sulvo {

namespace {

// Manning's exponents in extended precision.
constexpr long double kCincoTercos = 5.0L / 3.0L;
constexpr long double kDoisTercos = 2.0L / 3.0L;
constexpr long double kUmTerco = 1.0L / 3.0L;

// Start values far above any realistic root: the iteration always comes down onto the root from above.
constexpr double kInicioProfundidade = 9.999e15;
constexpr double kInicioGeometria = 9.999e99;

} // namespace

std::string RegimeDoFroude(double froude) {
    if (froude < 1)
        return "Subcrítico";
    if (froude == 1)
        return "Crítico";
    return "Supercrítico";
}

void TSulvo::Zerar() {
    Q = H = I = n = A = P = V = S = E = Yc = NF = 0;
    Regime.clear();
    Avisos.clear();
    Incognita = 0;
    FaixaN = {};
}

TSulvo::Estendido TSulvo::Potencia(Estendido base, Estendido expoente) {
    if (!(base > 0) || !std::isfinite(base))
        return NAN;
    return std::exp(expoente * std::log(base));
}

bool TSulvo::Guardar(double& campo, Estendido valor) {
    return numerico::GuardarReal(campo, valor);
}

double TSulvo::Arredondar(Estendido valor) {
    if (std::isnan(valor) || std::fabs(valor) > DBL_MAX)
        return NAN;
    return static_cast<double>(valor);
}

bool TSulvo::TentarNovamente() {
    return Prompt().Confirmar("Cálculo não convergiu! Deseja tentar novamente?");
}

bool TSulvo::AceitarEntradas(const std::vector<TEntradaLimitada>& entradas) {
    const std::string problema = VerificarLimites(entradas);
    if (problema.empty())
        return true;
    Prompt().Mensagem(problema);
    return false;
}

void TSulvo::AvisarFroude() {
    if (const std::string aviso = AvisoFroude(NF, separador_); !aviso.empty())
        Avisos.push_back(aviso);
}

std::string TSulvo::Numero(double valor) const {
    return FormatarGeral(valor, separador_, 5);
}

bool TSulvoR::PrepararCalculo(const double* incognita) {
    Avisos.clear();
    std::vector<TEntradaLimitada> entradas;
    auto incluir = [&](const char* nome, const double& campo, TGrandeza g) {
        if (&campo != incognita)
            entradas.push_back({nome, campo, g});
    };
    incluir("Vazão (Q)", Q, TGrandeza::Vazao);
    incluir("Profundidade Normal (H)", H, TGrandeza::Comprimento);
    incluir("Declividade (I)", I, TGrandeza::Adimensional);
    incluir("Coeficiente de Rugosidade (n)", n, TGrandeza::Adimensional);
    incluir("Largura da Base (b)", b, TGrandeza::Comprimento);
    incluir("Inclinação do Talude (z)", z, TGrandeza::Adimensional);
    incluir("Folga (f)", f, TGrandeza::Comprimento);
    incluir("Comprimento", Comp, TGrandeza::Comprimento);
    return AceitarEntradas(entradas);
}

void TSulvoR::Zerar() {
    b = Comp = Vol_Terra = z = f = 0;
    TSulvo::Zerar();
}

bool TSulvoR::Completar(double H, double Q, double b, double z, double Comp) {
    if (!Guardar(V, static_cast<Estendido>(Q) / A))
        return false;
    if (!Guardar(Yc, ProfundidadeCritica(Q, z, b)))
        return false;
    if (!Guardar(S, b + 2 * static_cast<Estendido>(z) * H))
        return false;
    // Froude number on the hydraulic depth A / S; a zero top width is a division by zero.
    const Estendido profundidadeHidraulica = static_cast<Estendido>(A) / S;
    if (!std::isfinite(profundidadeHidraulica))
        return false;
    if (!Guardar(NF, V / std::sqrt(kGravidade * profundidadeHidraulica)))
        return false;
    // Earthwork: the section up to the top of the freeboard, times the length.
    const Estendido topo = static_cast<Estendido>(H) + f;
    if (!Guardar(Vol_Terra, topo * (b + z * topo) * Comp))
        return false;
    Regime = RegimeDoFroude(NF);
    AvisarFroude();
    return Guardar(E, H + static_cast<Estendido>(V) * V / kDoisG);
}

// Area and wetted perimeter of the trapezoid (the triangle has b = 0, the rectangle z = 0) at depth H.
bool TSulvoR::GuardarGeometria(double H, double b, double z) {
    return Guardar(A, H * (b + static_cast<Estendido>(z) * H)) &&
           Guardar(P, b + 2 * H * std::sqrt(static_cast<Estendido>(z) * z + 1));
}

bool TSulvoR::CalcularVazao(double H, double b, double I, double n, double z, double Comp) {
    if (!GuardarGeometria(H, b, z))
        return false;
    if (!Guardar(Q, Potencia(A, kCincoTercos) * std::sqrt(static_cast<Estendido>(I)) / (n * Potencia(P, kDoisTercos))))
        return false;
    return Completar(H, Q, b, z, Comp);
}

bool TSulvoR::CalcularDeclividade(double Q, double H, double b, double n, double z, double Comp) {
    if (!GuardarGeometria(H, b, z))
        return false;
    const Estendido raiz = n * static_cast<Estendido>(Q) * Potencia(P, kDoisTercos) / Potencia(A, kCincoTercos);
    if (!Guardar(I, raiz * raiz))
        return false;
    return Completar(H, Q, b, z, Comp);
}

bool TSulvoR::CalcularRugosidade(double Q, double H, double b, double I, double z, double Comp) {
    if (!GuardarGeometria(H, b, z))
        return false;
    if (!Guardar(n, std::sqrt(static_cast<Estendido>(I)) * Potencia(A, kCincoTercos) / (Potencia(P, kDoisTercos) * Q)))
        return false;
    return Completar(H, Q, b, z, Comp);
}

bool TSulvoR::CalcularProfundidade(double Q, double b, double I, double n, double z, double Comp) {
    return Iterar(Desconhecida::Profundidade, Q, H, b, I, n, z, Comp);
}

bool TSulvoR::CalcularTalude(double Q, double H, double b, double I, double n, double Comp) {
    return Iterar(Desconhecida::Talude, Q, H, b, I, n, z, Comp);
}

bool TSulvoR::CalcularLargura(double Q, double H, double I, double n, double z, double Comp) {
    return Iterar(Desconhecida::Largura, Q, H, b, I, n, z, Comp);
}

// Newton's method on Manning's residual F(x) = n·Q·P^(2/3) − √I·A^(5/3), with
// F′(x) = (2/3)·n·Q·P^(−1/3)·dP/dx − (5/3)·√I·A^(2/3)·dA/dx, all at the current x. From a start far above the
// root the iterates come down onto it and then converge quadratically; they stop when the step is within
// 1e-10 of x, so a 50 mm drain is solved as closely as a 200 m canal.
bool TSulvoR::Iterar(Desconhecida qual, double Q, double H, double b, double I, double n, double z, double Comp) {
    // The unknown lives in its own field, the knowns in the arguments.
    double& y = qual == Desconhecida::Profundidade ? this->H : H;
    double& talude = qual == Desconhecida::Talude ? this->z : z;
    double& base = qual == Desconhecida::Largura ? this->b : b;
    double& x = qual == Desconhecida::Profundidade ? y : qual == Desconhecida::Talude ? talude : base;

    const Estendido nQ = static_cast<Estendido>(n) * Q;
    const Estendido raizI = std::sqrt(static_cast<Estendido>(I)); // NaN for a negative slope: caught in Δ below

    auto passo = [&](Estendido& delta) {
        // √(z² + 1), the slant length of the side per unit of height.
        const Estendido lado = std::sqrt(static_cast<Estendido>(talude) * talude + 1);
        if (!Guardar(A, static_cast<Estendido>(talude) * y * y + static_cast<Estendido>(base) * y) ||
            !Guardar(P, base + 2 * y * lado))
            return false;
        Estendido dA = 0, dP = 0;
        switch (qual) {
        case Desconhecida::Profundidade:
            dA = base + 2 * static_cast<Estendido>(talude) * y; // the top width
            dP = 2 * lado;
            break;
        case Desconhecida::Talude:
            dA = static_cast<Estendido>(y) * y;
            dP = 2 * static_cast<Estendido>(y) * talude / lado;
            break;
        case Desconhecida::Largura:
            dA = y;
            dP = 1;
            break;
        }

        // F and F′ both divided by A^(5/3) > 0 leave the step F/F′ as it is and need one fractional power,
        // ρ = P^(2/3) / A^(5/3) = (P² / A⁵)^(1/3), instead of four; A⁵ stays inside the extended range for any
        // 64-bit area. Then numerator and denominator are multiplied by A·P to spare two divisions.
        if (!(A > 0) || !(P > 0))
            return false;
        const Estendido area = A, perimetro = P;
        const Estendido rho = Potencia(perimetro * perimetro / (area * area * area * area * area), kUmTerco);
        const Estendido nQrho = nQ * rho;
        const Estendido F = nQrho - raizI;
        const Estendido dF = kDoisTercos * nQrho * dP * area - kCincoTercos * raizI * dA * perimetro;
        delta = F * area * perimetro / dF;
        return static_cast<bool>(std::isfinite(delta));
    };

    auto convergiu = [&] {
        if (qual != Desconhecida::Profundidade && x <= 0) {
            // The root lies at a negative slope or width: a rectangle (or a triangle) already carries more.
            x = 0;
            Prompt().Mensagem(qual == Desconhecida::Talude ? "Nenhuma inclinação de talude positiva conduz esta vazão."
                                                           : "Nenhuma largura de base positiva conduz esta vazão.");
            return false;
        }
        return Completar(y, Q, base, talude, Comp);
    };

    return numerico::Newton(x, qual == Desconhecida::Profundidade ? kInicioProfundidade : kInicioGeometria, iteracoes_,
                            passo, convergiu, [this] { return TentarNovamente(); });
}

const double* TSulvoR::CampoComum(std::uint8_t incognita) const {
    switch (incognita) {
    case 0:
        return &Q;
    case 1:
        return &H;
    case 2:
        return &I;
    case 3:
        return &n;
    default:
        return nullptr;
    }
}

bool TSulvoR::CalcularIncognitaComum(std::uint8_t incognita) {
    switch (static_cast<IncognitaComum>(incognita)) {
    case IncognitaComum::Vazao:
        return CalcularVazao(H, b, I, n, z, Comp);
    case IncognitaComum::Profundidade:
        return CalcularProfundidade(Q, b, I, n, z, Comp);
    case IncognitaComum::Declividade:
        return CalcularDeclividade(Q, H, b, n, z, Comp);
    case IncognitaComum::Rugosidade:
        return CalcularRugosidade(Q, H, b, I, z, Comp);
    default:
        return false;
    }
}

} // namespace sulvo
