#include "engine/ucircular.h"

#include "engine/Numerico.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace sulvo {

namespace {

constexpr long double kDoisTercos = 2.0L / 3.0L;
constexpr long double kCincoTercos = 5.0L / 3.0L;

constexpr long double kPi = 3.141592653589793238462643383279502884L;

const char* const kProfundidadeAcimaDoDiametro = "A profundidade deve ser menor que o diâmetro";
const char* const kVazaoInalcancavel = "Não é possível alcançar esta vazão !";
const char* const kProfundidadeNula = "A profundidade deve ser maior do que zero.";
const char* const kDiametroNulo = "O diâmetro deve ser maior do que zero.";
const char* const kRelacaoNula = "A relação entre a profundidade e o diâmetro deve ser maior do que zero.";

// θ − sin θ, the area factor. For a shallow flow the two terms nearly cancel, so below 0.1 rad the series
// θ³/6 − θ⁵/120 + θ⁷/5040 − … is summed instead; its first omitted term is below 1e-26 of the sum.
long double TetaMenosSeno(long double teta) {
    if (std::fabs(teta) >= 0.1L)
        return teta - std::sin(teta);
    const long double t2 = teta * teta;
    long double termo = teta * t2 / 6, soma = 0;
    for (int k = 4; k <= 20 && termo != 0; k += 2) {
        soma += termo;
        termo *= -t2 / (k * (k + 1));
    }
    return soma;
}

// The central angle of the largest discharge. Manning's conveyance A^(5/3)/P^(2/3) is greatest where
// (5/3)·A′/A = (2/3)·P′/P, that is 5·θ·(1 − cos θ) = 2·(θ − sin θ): θ ≈ 5.278 rad, y/D ≈ 0.938. Above it the
// wetted perimeter grows faster than the area, so the discharge falls back to the full-pipe value at y = D.
double AnguloVazaoMaxima() {
    static const double angulo = [] {
        double teta = 0;
        // The condition falls from positive to negative between π and 2π.
        numerico::Bisseccao(teta, static_cast<double>(kPi), static_cast<double>(2 * kPi), 0, [&](long double& R) {
            const long double t = teta;
            R = 2 * TetaMenosSeno(t) - 5 * t * (1 - std::cos(t));
            return true;
        });
        return teta;
    }();
    return angulo;
}

// The depth ratio y/D of a central angle, (1 − cos(θ/2))/2 written as sin²(θ/4) so that a shallow depth keeps
// its relative accuracy.
long double RelacaoDoAngulo(long double teta) {
    const long double s = std::sin(teta / 4);
    return s * s;
}

} // namespace

void TSulvoCircular::Zerar() {
    D = T = 0;
    Incognita = 0;
    TSulvo::Zerar();
}

bool TSulvoCircular::PrepararCalculo() {
    Avisos.clear();
    std::vector<TEntradaLimitada> entradas;
    auto incluir = [&](bool incognita, const char* nome, double campo, TGrandeza g) {
        if (!incognita)
            entradas.push_back({nome, campo, g});
    };
    incluir(Incognita == 0, "Vazão (Q)", Q, TGrandeza::Vazao);
    incluir(Incognita == 1 || Incognita == 5, "Profundidade Normal (H)", H, TGrandeza::Comprimento);
    incluir(Incognita == 2, "Declividade (I)", I, TGrandeza::Adimensional);
    incluir(Incognita == 3, "Coeficiente de Rugosidade (n)", n, TGrandeza::Adimensional);
    incluir(Incognita == 4 || Incognita == 5, "Diâmetro (D)", D, TGrandeza::Comprimento);
    incluir(Incognita != 5, "Profundidade/Diâmetro", T, TGrandeza::Adimensional);
    return AceitarEntradas(entradas);
}

bool TSulvoCircular::Calcular() {
    if (Incognita <= 5 && !PrepararCalculo())
        return false;
    switch (Incognita) {
    case 0:
        return CalcularVazao(H, D, I, n);
    case 1:
        return CalcularProfundidade(Q, D, I, n);
    case 2:
        return CalcularDeclividade(Q, H, D, n);
    case 3:
        return CalcularRugosidade(Q, H, D, I);
    case 4:
        return CalcularDiametro(Q, H, I, n);
    case 5:
        return CalcularDiametroProfundidade(Q, I, n, T);
    default:
        return false;
    }
}

// θ = 2·arccos(1 − 2y/D): π when half full, 2π when full. Below half full it is written 4·arcsin(√(y/D)), the
// same angle, which keeps its relative accuracy however shallow the flow.
bool TSulvoCircular::Geometria(double y, double D, double& teta) {
    const Estendido relacao = static_cast<Estendido>(y) / D;
    const Estendido angulo = relacao < 0.5L ? 4 * std::asin(std::sqrt(relacao)) : 2 * std::acos(1 - 2 * relacao);
    if (!Guardar(teta, angulo))
        return false;
    const Estendido diametro = D;
    return Guardar(A, diametro * diametro / 8 * TetaMenosSeno(teta)) && Guardar(P, teta * diametro / 2);
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
    AvisarFroude();
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

// Bisection on the depth between the empty conduit and the depth of the largest discharge, to 1e-10 of the
// depth. Between the full-pipe discharge and that largest one a second, higher depth carries the same discharge;
// it is found too and named in a warning.
bool TSulvoCircular::CalcularProfundidade(double Q, double D, double I, double n) {
    if (D <= 0) {
        Prompt().Mensagem(kDiametroNulo);
        return false;
    }
    double teta;
    const double anguloMaximo = AnguloVazaoMaxima();
    if (!Guardar(H, RelacaoDoAngulo(anguloMaximo) * D) || !Geometria(H, D, teta))
        return false;
    const double profundidadeMaxima = H;
    const Estendido capacidade = VazaoManning(I, n);
    if (!std::isfinite(capacidade))
        return false;
    if (Q - capacidade > numerico::kTolRelativa * capacidade) {
        Prompt().Mensagem(std::string(kVazaoInalcancavel) + " A vazão máxima deste conduto é " +
                          Numero(static_cast<double>(capacidade)) + " m³/s, a uma profundidade de " +
                          Numero(profundidadeMaxima) + " m (y/D = " + Numero(RelacaoDoAngulo(anguloMaximo)) + ").");
        return false;
    }
    auto residuo = [&](Estendido& R) {
        if (!Geometria(H, D, teta))
            return false;
        R = VazaoManning(I, n) - Q;
        return static_cast<bool>(std::isfinite(R));
    };
    if (!numerico::Bisseccao(H, 0, profundidadeMaxima, Q, residuo))
        return false;
    const double profundidade = H;

    // The full pipe: θ = 2π, A = π·D²/4, P = π·D.
    const Estendido diametro = D;
    const Estendido plena =
        Potencia(diametro / 4, kDoisTercos) * std::sqrt(static_cast<Estendido>(I)) * kPi * diametro * diametro / 4 / n;
    if (Q > plena) {
        // Above the depth of the largest discharge it falls as the depth rises: the residual is turned.
        if (!numerico::Bisseccao(H, profundidadeMaxima, D, Q, [&](Estendido& R) {
                if (!residuo(R))
                    return false;
                R = -R;
                return true;
            }))
            return false;
        Avisos.push_back("Entre a vazão a seção plena (" + Numero(static_cast<double>(plena)) +
                         " m³/s) e a máxima do conduto (" + Numero(static_cast<double>(capacidade)) +
                         " m³/s), duas profundidades conduzem a mesma vazão: " + Numero(profundidade) + " m e " +
                         Numero(H) + " m. O resultado mostra a menor, " + Numero(profundidade) + " m.");
        H = profundidade;
    }
    if (!Geometria(H, D, teta))
        return false;
    return Completar(H, Q, D, teta);
}

// Bisection on the diameter for a given depth, to 1e-10 of the diameter. The narrowest admissible conduit is the
// one the depth just fills; if that one already carries the discharge it is the answer, if it carries more no
// conduit will do. Otherwise the diameter doubles until it carries too much, and the last doubling is halved
// down to the discharge.
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
    const Estendido tolerancia = numerico::kTolRelativa * std::fabs(static_cast<Estendido>(Q));
    if (R > tolerancia) {
        Prompt().Mensagem(kVazaoInalcancavel);
        return false;
    }
    auto residuo = [&](Estendido& r) {
        if (!Geometria(H, D, teta))
            return false;
        r = VazaoManning(I, n) - Q;
        return static_cast<bool>(std::isfinite(r));
    };
    if (R < -tolerancia) {
        double lo = H, hi = H;
        while (R < 0) {
            lo = hi;
            if (!Guardar(hi, 2 * static_cast<Estendido>(hi)))
                return false;
            D = hi;
            if (!residuo(R))
                return false;
        }
        if (!numerico::Bisseccao(D, lo, hi, Q, residuo) || !Geometria(H, D, teta))
            return false;
    }
    return Completar(H, Q, D, teta);
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
                            Potencia(TetaMenosSeno(angulo), kCincoTercos);
    if (!Guardar(D, Potencia(fator, 3.0L / 8.0L)) || !Guardar(H, static_cast<Estendido>(D) * T))
        return false;
    const Estendido diametro = D;
    if (!Guardar(A, diametro * diametro / 8 * TetaMenosSeno(angulo)) || !Guardar(P, angulo * diametro / 2))
        return false;
    return Completar(H, Q, D, teta);
}

// A / top width = (θ − sin θ) / sin(θ/2) · D/8.
double TSulvoCircular::ProfundidadeHidraulica(double teta, double D) {
    const Estendido angulo = teta;
    return Arredondar(TetaMenosSeno(angulo) / std::sin(angulo / 2) * (static_cast<Estendido>(D) / 8));
}

double TSulvoCircular::NumeroFroude(double V, double Dh) {
    if (std::isnan(Dh))
        return NAN;
    if (Dh < 0)
        return 0;
    return Arredondar(V / std::sqrt(kGravidade * Dh));
}

// Bisection on θ for A³/(top width) = Q²/g, written A·√(A / (D·sin(θ/2))) = Q/√g so that it stays monotonic, to
// 1e-10 of the angle; θ stops short of 2π, so the critical depth is always below the diameter.
double TSulvoCircular::ProfundidadeCritica(double Q, double D) {
    const Estendido diametro = D;
    const Estendido alvo = Q / std::sqrt(kGravidade);
    if (alvo == 0)
        return 0;
    double teta = 0;
    const bool achou = numerico::Bisseccao(teta, 0, 6.28, alvo, [&](Estendido& R) {
        const Estendido angulo = teta;
        const Estendido area = diametro * diametro / 8 * TetaMenosSeno(angulo);
        R = area * std::sqrt(area / (std::sin(angulo / 2) * diametro)) - alvo;
        return static_cast<bool>(std::isfinite(R));
    });
    if (!achou)
        return NAN;
    return Arredondar(diametro * RelacaoDoAngulo(teta));
}

} // namespace sulvo
