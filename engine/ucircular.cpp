#include "engine/ucircular.h"

#include "engine/Numerico.h"

#include <algorithm>
#include <cmath>

namespace sulvo {

namespace {

constexpr long double kDoisTercos = 2.0L / 3.0L;
constexpr long double kCincoTercos = 5.0L / 3.0L;

// The depth 0.94·D carries the most a circular conduit can take in uniform flow: above it the wetted perimeter
// grows faster than the area.
constexpr long double kProfundidadeVazaoMaxima = 0.94L;

const char* const kProfundidadeAcimaDoDiametro = "A profundidade deve ser menor que o diâmetro";
const char* const kVazaoInalcancavel = "Não é possível alcançar esta vazão !";
const char* const kProfundidadeNula = "A profundidade deve ser maior do que zero.";
const char* const kDiametroNulo = "O diâmetro deve ser maior do que zero.";
const char* const kRelacaoNula = "A relação entre a profundidade e o diâmetro deve ser maior do que zero.";

} // namespace

void TSulvoCircular::Zerar() {
    D = T = 0;
    TSulvo::Zerar();
}

bool TSulvoCircular::Calcular() {
    switch (static_cast<IncognitaCircular>(Incognita)) {
    case IncognitaCircular::Vazao:
        return CalcularVazao(H, D, I, n);
    case IncognitaCircular::Profundidade:
        return CalcularProfundidade(Q, D, I, n);
    case IncognitaCircular::Declividade:
        return CalcularDeclividade(Q, H, D, n);
    case IncognitaCircular::Rugosidade:
        return CalcularRugosidade(Q, H, D, I);
    case IncognitaCircular::Diametro:
        return CalcularDiametro(Q, H, I, n);
    case IncognitaCircular::DiametroProfundidade:
        return CalcularDiametroProfundidade(Q, I, n, T);
    }
    return false;
}

// θ = 2·arccos(1 − 2y/D): π when half full, 2π when full.
bool TSulvoCircular::Geometria(double y, double D, double& teta) {
    const Estendido angulo = 2 * std::acos(1 - 2 * static_cast<Estendido>(y) / D);
    if (!Guardar(teta, angulo))
        return false;
    const Estendido diametro = D;
    return Guardar(A, diametro * diametro / 8 * (teta - std::sin(static_cast<Estendido>(teta)))) &&
           Guardar(P, teta * diametro / 2);
}

// Qm = (A/P)^(2/3) · √I · A / n.
TSulvo::Estendido TSulvoCircular::VazaoManning(double I, double n) const {
    return Potencia(static_cast<Estendido>(A) / P, kDoisTercos) * std::sqrt(static_cast<Estendido>(I)) * A / n;
}

bool TSulvoCircular::ConferirProfundidade(double H, double D) {
    if (H > D) {
        Prompt().Mensagem(kProfundidadeAcimaDoDiametro);
        return false;
    }
    // Without water or without a conduit the hydraulic radius A/P is 0/0.
    if (D <= 0) {
        Prompt().Mensagem(kDiametroNulo);
        return false;
    }
    if (H <= 0) {
        Prompt().Mensagem(kProfundidadeNula);
        return false;
    }
    return true;
}

bool TSulvoCircular::Completar(double H, double Q, double D, double teta) {
    if (!Guardar(V, static_cast<Estendido>(Q) / A))
        return false;
    if (!Guardar(NF, NumeroFroude(V, ProfundidadeHidraulica(teta, D))))
        return false;
    if (!Guardar(Yc, ProfundidadeCritica(Q, D)))
        return false;
    if (!Guardar(S, D * std::sin(static_cast<Estendido>(teta) / 2)))
        return false;
    Regime = RegimeDoFroude(NF);
    return Guardar(E, H + static_cast<Estendido>(V) * V / kDoisG);
}

bool TSulvoCircular::CalcularVazao(double H, double D, double I, double n) {
    if (!ConferirProfundidade(H, D))
        return false;
    double teta;
    if (!Geometria(H, D, teta) || !Guardar(Q, VazaoManning(I, n)))
        return false;
    return Completar(H, Q, D, teta);
}

bool TSulvoCircular::CalcularDeclividade(double Q, double H, double D, double n) {
    if (!ConferirProfundidade(H, D))
        return false;
    double teta;
    if (!Geometria(H, D, teta))
        return false;
    const Estendido raiz = static_cast<Estendido>(Q) * n / (Potencia(static_cast<Estendido>(A) / P, kDoisTercos) * A);
    if (!Guardar(I, raiz * raiz))
        return false;
    return Completar(H, Q, D, teta);
}

bool TSulvoCircular::CalcularRugosidade(double Q, double H, double D, double I) {
    if (!ConferirProfundidade(H, D))
        return false;
    double teta;
    if (!Geometria(H, D, teta))
        return false;
    if (!Guardar(n,
                 Potencia(static_cast<Estendido>(A) / P, kDoisTercos) * std::sqrt(static_cast<Estendido>(I)) * A / Q))
        return false;
    return Completar(H, Q, D, teta);
}

// Bisection on the depth between the empty conduit and 0.94·D; the tolerance is on the discharge (0.0001 m³/s)
// or on the bracket (0.00001 m), whichever is met first.
bool TSulvoCircular::CalcularProfundidade(double Q, double D, double I, double n) {
    if (D <= 0) {
        Prompt().Mensagem(kDiametroNulo);
        return false;
    }
    double teta;
    if (!Guardar(H, kProfundidadeVazaoMaxima * D) || !Geometria(H, D, teta))
        return false;
    const Estendido capacidade = VazaoManning(I, n);
    if (!std::isfinite(capacidade))
        return false;
    if (Q - capacidade > 0.0001L) {
        Prompt().Mensagem(kVazaoInalcancavel);
        return false;
    }
    const bool achou = numerico::Bisseccao(H, 0, H, 1, numerico::kCircularVazao, [&](Estendido& R) {
        if (!Geometria(H, D, teta))
            return false;
        R = VazaoManning(I, n) - Q;
        return std::isfinite(R);
    });
    return achou && Completar(H, Q, D, teta);
}

// Bisection on the diameter for a given depth. The narrowest admissible conduit is the one the depth just
// fills; if that one already carries the discharge (within 0.001 m³/s) it is the answer, if it carries more
// no conduit will do. Otherwise the diameter grows until it carries too much, and the last step is halved down
// to the discharge.
bool TSulvoCircular::CalcularDiametro(double Q, double H, double I, double n) {
    if (H <= 0) {
        Prompt().Mensagem(kProfundidadeNula);
        return false;
    }
    double teta;
    D = H;
    if (!Geometria(H, D, teta))
        return false;
    Estendido R = VazaoManning(I, n) - Q;
    if (!std::isfinite(R))
        return false;
    if (R > 0.001L) {
        Prompt().Mensagem(kVazaoInalcancavel);
        return false;
    }
    double lo = H, hi = H;
    while (R < 0) {
        lo = hi;
        // One step of 10^11 m brackets any discharge a real conduit meets; beyond it the step doubles, so that an
        // absurd discharge is bracketed, or degenerates the geometry, in a few dozen steps rather than millions.
        hi = hi + std::max(1e11, hi);
        if (!std::isfinite(hi))
            return false;
        D = hi;
        if (!Geometria(H, D, teta))
            return false;
        R = VazaoManning(I, n) - Q;
        if (!std::isfinite(R))
            return false;
    }
    const bool achou = numerico::Bisseccao(D, lo, hi, 1, numerico::kCircularVazao, [&](Estendido& R) {
        if (!Geometria(H, D, teta))
            return false;
        R = VazaoManning(I, n) - Q;
        return std::isfinite(R);
    });
    return achou && Completar(H, Q, D, teta);
}

// Manning's equation solved for D at the fixed angle θ = 2·arccos(1 − 2T):
// D = (2^(13/3) · θ^(2/3) · (n·Q/√I) / (θ − sin θ)^(5/3))^(3/8).
bool TSulvoCircular::CalcularDiametroProfundidade(double Q, double I, double n, double T) {
    if (T > 1) {
        Prompt().Mensagem(kProfundidadeAcimaDoDiametro);
        return false;
    }
    if (T <= 0) {
        Prompt().Mensagem(kRelacaoNula);
        return false;
    }
    double teta;
    if (!Guardar(teta, 2 * std::acos(1 - 2 * static_cast<Estendido>(T))))
        return false;
    const Estendido angulo = teta;
    const Estendido fator = Potencia(2, 13.0L / 3.0L) * Potencia(angulo, kDoisTercos) *
                            (static_cast<Estendido>(n) * Q / std::sqrt(static_cast<Estendido>(I))) /
                            Potencia(angulo - std::sin(angulo), kCincoTercos);
    if (!Guardar(D, Potencia(fator, 3.0L / 8.0L)) || !Guardar(H, static_cast<Estendido>(D) * T))
        return false;
    const Estendido diametro = D;
    if (!Guardar(A, diametro * diametro / 8 * (angulo - std::sin(angulo))) || !Guardar(P, angulo * diametro / 2))
        return false;
    return Completar(H, Q, D, teta);
}

// A / top width = (θ − sin θ) / sin(θ/2) · D/8.
double TSulvoCircular::ProfundidadeHidraulica(double teta, double D) {
    const Estendido angulo = teta;
    return Arredondar((angulo - std::sin(angulo)) / std::sin(angulo / 2) * (static_cast<Estendido>(D) / 8));
}

double TSulvoCircular::NumeroFroude(double V, double Dh) {
    if (std::isnan(Dh))
        return NAN;
    if (Dh < 0)
        return 0;
    return Arredondar(V / std::sqrt(kGravidade * Dh));
}

// Bisection on θ for A³/(top width) = Q²/g, written A·√(A / (D·sin(θ/2))) = Q/√g so that it stays monotonic;
// θ stops short of 2π, so the critical depth is always below the diameter.
double TSulvoCircular::ProfundidadeCritica(double Q, double D) {
    const Estendido diametro = D;
    const Estendido alvo = Q / std::sqrt(kGravidade);
    double teta = 0;
    const bool achou = numerico::Bisseccao(teta, 0.00000001, 6.28, 1, numerico::kCircularCritica, [&](Estendido& R) {
        const Estendido angulo = teta;
        const Estendido area = diametro * diametro / 8 * (angulo - std::sin(angulo));
        R = area * std::sqrt(area / (std::sin(angulo / 2) * diametro)) - alvo;
        return static_cast<bool>(std::isfinite(R));
    });
    if (!achou)
        return NAN;
    return Arredondar(diametro * (1 - std::cos(static_cast<Estendido>(teta) / 2)) / 2);
}

} // namespace sulvo
