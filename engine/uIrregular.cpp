#include "engine/uIrregular.h"

#include "common/NumberFormat.h"
#include "engine/Avisos.h"
#include "engine/Limites.h"
#include "engine/Numerico.h"
#include "engine/Subdivisao.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace sulvo {
namespace {

// Gravity and 2g rounded to 64 bits: the irregular section computes in doubles.
constexpr double kG = static_cast<double>(kGravidade);
constexpr double k2G = static_cast<double>(kDoisG);
constexpr double kDoisTercos = 2.0 / 3.0;

// The slope and roughness brackets, searched on a log scale: 1e-30 to 9·10^10 are about 140 decades, which
// a bisection on the logarithm narrows to 1e-10 in some 45 halvings.
constexpr double kInicioBusca = 1e-30;
constexpr double kLimiteBusca = 90000000000.0;

// Depths at which the section is sampled for the warnings (a conventional discharge that falls as the depth
// rises, several critical depths), evenly over the full depth; each costs one pass over the points.
constexpr int kAmostras = 128;

const char* const kAcimaConvencional = "A altura está maior que a profundidade do sulvo.";
const char* const kAcima = "A altura maior que a profundidade do sulvo";

// A coefficient is usable when it is a finite number greater than 0.
inline bool RugosidadeValida(double r) {
    return r > 0 && r <= std::numeric_limits<double>::max();
}

// One wetted stretch at the water level z: points f … k-1 are wet, f-1 and k dry. Its wetted boundary runs
// from the left crossing xL (depth 0) through the wet points to the right crossing xR (depth 0). Vertex j of
// that boundary, j = 0 … Ultimo(), has a width position and a depth below the water surface; segment j
// (vertex j to vertex j+1) lies in the interval that ends at point f+j, whose coefficient it takes.
struct TTrecho {
    const TPontoSecao* p;
    std::size_t f;
    std::size_t k;
    double xL;
    double xR;
    double z;

    std::size_t Ultimo() const { return k - f + 1; }
    double X(std::size_t j) const { return j == 0 ? xL : (j == Ultimo() ? xR : p[f + j - 1].X); }
    double Prof(std::size_t j) const { return (j == 0 || j == Ultimo()) ? 0.0 : z - p[f + j - 1].Y; }
    std::size_t Intervalo(std::size_t j) const { return f + j; }
    double Rug(std::size_t j) const { return p[f + j].Rug; }
};

enum class TFimVarredura { Completa, SecaoAberta, Interrompida };

// Visits the wetted stretches at level z from left to right. A point is wet when Y < z and dry when Y >= z,
// so a bed point exactly at the level separates two stretches. The scan index always rests on a dry point;
// a section whose first or last point is wet has no bank to close the water and ends the scan.
template <class Visitante>
TFimVarredura VarrerTrechos(const std::vector<TPontoSecao>& pontos, double z, Visitante&& visitar) {
    const std::size_t N = pontos.size();
    if (N == 0)
        return TFimVarredura::Completa;
    if (pontos[0].Y < z)
        return TFimVarredura::SecaoAberta;
    std::size_t i = 0;
    while (i + 1 < N) {
        if (!(pontos[i + 1].Y < z)) {
            ++i;
            continue;
        }
        const std::size_t f = i + 1;
        std::size_t k = f + 1;
        while (k < N && pontos[k].Y < z)
            ++k;
        if (k == N)
            return TFimVarredura::SecaoAberta;
        const TPontoSecao& seco = pontos[i];
        const TPontoSecao& primeiro = pontos[f];
        const TPontoSecao& ultimo = pontos[k - 1];
        const TPontoSecao& margem = pontos[k];
        const TTrecho trecho{pontos.data(),
                             f,
                             k,
                             TSulvoIrregular::InterseccaoNivel(seco.X, seco.Y, primeiro.X, primeiro.Y, z),
                             TSulvoIrregular::InterseccaoNivel(ultimo.X, ultimo.Y, margem.X, margem.Y, z),
                             z};
        if (!visitar(trecho))
            return TFimVarredura::Interrompida;
        i = k;
    }
    return TFimVarredura::Completa;
}

// Area between the water surface and one segment of the bed (a trapezoid; nothing for a vertical wall) and
// the segment's length, its share of the wetted perimeter. Depths da, db in metres below the surface.
struct TSegmento {
    double area;
    double comprimento;
};

inline TSegmento Segmento(double xa, double da, double xb, double db) {
    const double dx = xb - xa;
    const double dd = db - da;
    return {(da + db) * dx / 2, std::sqrt(dx * dx + dd * dd)};
}

// Sums over the wetted boundary: area, perimeter, Σ n^1.5·p (the Horton–Einstein numerator) and the surface
// width; `invalido` names the interval whose coefficient stopped the sum.
struct TSomas {
    double A = 0;
    double P = 0;
    double K = 0;
    double S = 0;
    double Conducao = 0; // divided method: Σ (A_i/P_i)^(2/3)·A_i/n_i, the discharge at unit slope
    std::size_t invalido = 0;
};

template <bool ComRugosidade> bool SomarTrecho(const TTrecho& t, TSomas& s) {
    const std::size_t ultimo = t.Ultimo();
    double xa = t.xL;
    double da = 0;
    for (std::size_t j = 0; j < ultimo; ++j) {
        const double xb = t.X(j + 1);
        const double db = t.Prof(j + 1);
        const TSegmento seg = Segmento(xa, da, xb, db);
        if constexpr (ComRugosidade) {
            const double r = t.Rug(j);
            if (!RugosidadeValida(r)) {
                s.invalido = t.Intervalo(j);
                return false;
            }
            s.K += r * std::sqrt(r) * seg.comprimento;
        }
        s.A += seg.area;
        s.P += seg.comprimento;
        xa = xb;
        da = db;
    }
    s.S += t.xR - t.xL;
    return true;
}

// x^(2/3) through the cube root, the divided method's one fractional power per slice. Dividing the bit
// pattern of x by 3 divides its binary exponent by 3; the constant restores the exponent bias and leaves the
// guess within 3.2 % of the cube root. Two Halley steps (cubic convergence) and one Newton step bring it to
// about 2 units in the last place, closer than pow(x, 2.0/3.0), whose exponent is itself rounded, and about
// twice as fast. Values far from any hydraulic ratio go to pow.
inline double PotenciaDoisTercos(double x) {
    if (!(x >= 1e-200 && x <= 1e200))
        return std::pow(x, kDoisTercos);
    double c = std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) / 3 + 0x2A9F7893782DA1CEull);
    for (int passo = 0; passo < 2; ++passo) {
        const double c3 = c * c * c;
        c = c * (c3 + 2 * x) / (2 * c3 + x);
    }
    c -= (c * c * c - x) / (3 * c * c);
    return c * c;
}

// Manning discharge at unit slope of a flow area with its Horton–Einstein sum K = Σ n^1.5·p:
// (A/P)^(2/3)·A/n with n = (K/P)^(2/3), which is A·(A/K)^(2/3), one fractional power instead of two.
// Nothing flows through an area of no size.
inline double ConducaoManning(double area, double k) {
    if (!(area > 0) || !(k > 0))
        return 0;
    return area * PotenciaDoisTercos(area / k);
}

// Cuts the stretch into vertical slices, one per interval between consecutive distinct X positions of its
// boundary. A vertical wall belongs to the slice on its wet side: the slice takes the wall that falls from
// its start and the wall that rises at its end. A zero-width slot at the right crossing ends at the last
// vertex. The cutting lines carry no perimeter; each slice has its own roughness and discharge.
// With `convencional` the same pass also sums the whole boundary for the conventional method, segment by
// segment in the order that method uses, so its sums come out exactly as its own pass would give them.
bool SomarTrechoDividido(const TTrecho& t, TSomas& s, TSomas* convencional = nullptr) {
    const std::size_t ultimo = t.Ultimo();
    std::size_t inicio = 0;
    while (inicio < ultimo) {
        const double xInicio = t.X(inicio);
        std::size_t fim = inicio + 1;
        while (fim < ultimo && t.X(fim) == xInicio)
            ++fim;
        while (fim < ultimo && t.X(fim + 1) == t.X(fim) && t.Prof(fim + 1) < t.Prof(fim))
            ++fim;
        TSomas fatia;
        double xa = xInicio;
        double da = t.Prof(inicio);
        for (std::size_t j = inicio; j < fim; ++j) {
            const double xb = t.X(j + 1);
            const double db = t.Prof(j + 1);
            const double r = t.Rug(j);
            if (!RugosidadeValida(r)) {
                s.invalido = t.Intervalo(j);
                return false;
            }
            const TSegmento seg = Segmento(xa, da, xb, db);
            const double k = r * std::sqrt(r) * seg.comprimento;
            fatia.A += seg.area;
            fatia.P += seg.comprimento;
            fatia.K += k;
            if (convencional) {
                convencional->K += k;
                convencional->A += seg.area;
                convencional->P += seg.comprimento;
            }
            xa = xb;
            da = db;
        }
        s.Conducao += ConducaoManning(fatia.A, fatia.K);
        s.A += fatia.A;
        s.P += fatia.P;
        inicio = fim;
    }
    s.S += t.xR - t.xL;
    if (convencional)
        convencional->S += t.xR - t.xL;
    return true;
}

// Restores the prompt when the discharge–depth chart has evaluated silently.
class TPromptTemporario {
public:
    TPromptTemporario(TSulvoIrregular& secao, IPrompt& temporario) : secao_(secao), anterior_(secao.Prompt()) {
        secao_.DefinirPrompt(temporario);
    }
    ~TPromptTemporario() { secao_.DefinirPrompt(anterior_); }
    TPromptTemporario(const TPromptTemporario&) = delete;
    TPromptTemporario& operator=(const TPromptTemporario&) = delete;

private:
    TSulvoIrregular& secao_;
    IPrompt& anterior_;
};

} // namespace

void TSulvoIrregular::Zerar() {
    TSulvo::Zerar();
    Comp = Vol_Terra = 0;
    Metodologia = 0;
    Pontos.clear();
    YMinimo = 0;
    MargemE.reset();
    MargemD.reset();
    Alfa = 1;
}

double TSulvoIrregular::InterseccaoNivel(double x1, double y1, double x2, double y2, double z) {
    if (x2 == x1)
        return x2;
    const double m = (y2 - y1) / (x2 - x1);
    return (z - (y1 - m * x1)) / m;
}

std::string TSulvoIrregular::RotuloPonto(std::size_t indice) const {
    const TPontoSecao& p = Pontos[indice];
    return "(" + FormatarGeral(p.X, separador_) + " ; " + FormatarGeral(p.Y, separador_) + ")";
}

// Intervals are numbered as the roughness table lists them: interval k runs from point k-1 to point k.
void TSulvoIrregular::AvisarRugosidade(std::size_t intervalo) {
    const double r = Pontos[intervalo].Rug;
    const std::string situacao = r == 0 ? "não definido" : "inválido";
    Prompt().Mensagem("Coeficiente de rugosidade " + situacao + " no intervalo " + std::to_string(intervalo) + ", de " +
                      RotuloPonto(intervalo - 1) + " a " + RotuloPonto(intervalo) + ".");
}

// A water level above the banks: told in the operation's own wording, and marked by A = -1.
bool TSulvoIrregular::AcimaDaSecao(double z, const char* mensagem, TAvaliacao& r) {
    if (!(z > 0))
        return false;
    Prompt().Mensagem(mensagem);
    r.A = -1;
    r.Falha = TFalhaAvaliacao::AcimaDaSecao;
    return true;
}

// The steps every evaluation shares: the water level z = h + YMinimo, the depth check with the operation's own
// wording, and one scan of the wetted stretches. True when A, P and S are stored and the discharge may follow.
template <class Somas, class Somar>
bool TSulvoIrregular::VarrerNivel(double h, const char* mensagemAcima, const Somas& s, Somar&& somar, TAvaliacao& r) {
    const double z = h + YMinimo;
    if (AcimaDaSecao(z, mensagemAcima, r))
        return false;
    const TFimVarredura fim = VarrerTrechos(Pontos, z, somar);
    if (fim == TFimVarredura::SecaoAberta) {
        r.Falha = TFalhaAvaliacao::SecaoAberta;
        return false;
    }
    if (fim == TFimVarredura::Interrompida) {
        AvisarRugosidade(s.invalido);
        r.Falha = TFalhaAvaliacao::RugosidadeInvalida;
        return false;
    }
    r.A = s.A;
    r.P = s.P;
    r.S = s.S;
    return true;
}

TAvaliacao TSulvoIrregular::AvaliarConvencional(double h, double I) {
    TAvaliacao r;
    TSomas s;
    // One flow area whose roughness is the Horton–Einstein composite of the whole wetted boundary.
    if (VarrerNivel(
            h, kAcimaConvencional, s, [&s](const TTrecho& t) { return SomarTrecho<true>(t, s); }, r))
        r.Q = ConducaoManning(s.A, s.K) * std::sqrt(I);
    return r;
}

TAvaliacao TSulvoIrregular::AvaliarDivisao(double h, double I) {
    TAvaliacao r;
    TSomas s;
    if (VarrerNivel(
            h, kAcima, s, [&s](const TTrecho& t) { return SomarTrechoDividido(t, s); }, r))
        r.Q = s.Conducao * std::sqrt(I);
    return r;
}

// Overbanks split at every change of n, the main channel between the bank stations as one element (or split at its
// own changes of n when its banks are flat), each element's conveyance over its own wetted perimeter, summed.
TAvaliacao TSulvoIrregular::AvaliarSubdivisao(double h, double I) {
    TAvaliacao r;
    const double z = h + YMinimo;
    if (AcimaDaSecao(z, kAcima, r))
        return r;
    // Without a dry bank at both ends the water has no closing wall.
    if (Pontos.empty() || Pontos.front().Y < z || Pontos.back().Y < z) {
        r.Falha = TFalhaAvaliacao::SecaoAberta;
        return r;
    }
    const TConducaoSubdividida c = ConducaoSubdividida(Pontos, z, MargemEsquerdaEfetiva(*this),
                                                       MargemDireitaEfetiva(*this), 0, TCorte::Margens, false);
    if (c.IntervaloInvalido != 0) {
        AvisarRugosidade(c.IntervaloInvalido);
        r.Falha = TFalhaAvaliacao::RugosidadeInvalida;
        return r;
    }
    r.A = c.A;
    r.P = c.P;
    r.S = c.S;
    r.Q = c.K * std::sqrt(I);
    return r;
}

TAvaliacao TSulvoIrregular::AvaliarGeometria(double h) {
    TAvaliacao r;
    TSomas s;
    VarrerNivel(
        h, kAcima, s, [&s](const TTrecho& t) { return SomarTrecho<false>(t, s); }, r);
    return r;
}

TAvaliacao TSulvoIrregular::AvaliarPeloMetodo(double h, double i) {
    if (Metodologia == 0)
        return AvaliarConvencional(h, i);
    if (Metodologia == 1)
        return AvaliarDivisao(h, i);
    if (Metodologia == 2)
        return AvaliarSubdivisao(h, i);
    return {};
}

void TSulvoIrregular::Guardar(const TAvaliacao& av) {
    A = av.A;
    P = av.P;
    S = av.S;
    Q = av.Q;
}

std::string TSulvoIrregular::VerificarSecao() const {
    if (Pontos.empty())
        return "A seção não possui pontos.";
    for (std::size_t k = 0; k < Pontos.size(); ++k)
        if (!std::isfinite(Pontos[k].X) || !std::isfinite(Pontos[k].Y))
            return "O " + std::to_string(k + 1) + "º ponto da seção tem coordenadas inválidas.";
    if (Pontos.front().Y != 0)
        return "A seção deve começar na margem esquerda, com profundidade 0: o primeiro ponto é " + RotuloPonto(0) +
               ".";
    if (Pontos.back().Y != 0)
        return "A seção deve terminar na margem direita, com profundidade 0: o último ponto é " +
               RotuloPonto(Pontos.size() - 1) + ".";
    for (std::size_t k = 1; k < Pontos.size(); ++k) {
        if (Pontos[k].Y > 0)
            return "O ponto " + RotuloPonto(k) + " está acima das margens da seção.";
        if (Pontos[k].X < Pontos[k - 1].X)
            return "O ponto " + RotuloPonto(k) + " está à esquerda do ponto anterior " + RotuloPonto(k - 1) +
                   ": os pontos devem seguir em ordem crescente de largura.";
    }
    return {};
}

bool TSulvoIrregular::Calcular() {
    Avisos.clear();
    if (const std::string defeito = VerificarSecao(); !defeito.empty()) {
        Prompt().Mensagem(defeito);
        A = 0;
        return false;
    }
    // Beyond these magnitudes a segment's length or a bisection's midpoint is no longer a number.
    std::string limite = VerificarLimitesPontos(Pontos);
    if (limite.empty()) {
        std::vector<TEntradaLimitada> entradas{{"Comprimento", Comp, TGrandeza::Comprimento}};
        if (Incognita != 0)
            entradas.push_back({"Vazão (Q)", Q, TGrandeza::Vazao});
        if (Incognita != 1)
            entradas.push_back({"Profundidade Normal (H)", H, TGrandeza::Comprimento});
        if (Incognita != 2)
            entradas.push_back({"Declividade (I)", I, TGrandeza::Adimensional});
        limite = VerificarLimites(entradas);
    }
    if (!limite.empty()) {
        Prompt().Mensagem(limite);
        A = 0;
        return false;
    }
    YMinimo = Pontos[0].Y;
    for (std::size_t k = 1; k < Pontos.size(); ++k)
        if (Pontos[k].Y < YMinimo)
            YMinimo = Pontos[k].Y;
    if (Incognita > 3)
        return false;
    // Without a known method the bisections would search on a discharge that stays 0.
    if (Incognita != 3 && Metodologia > 2) {
        Prompt().Mensagem("Metodologia de cálculo inválida.");
        A = 0;
        return false;
    }
    // Manning's discharge grows with √I: a negative slope has none.
    if (Incognita != 2 && !(I >= 0)) {
        Prompt().Mensagem("A declividade não pode ser negativa.");
        A = 0;
        return false;
    }
    switch (static_cast<IncognitaIrregular>(Incognita)) {
    case IncognitaIrregular::Vazao:
        return CalcularVazao(H, I, Comp);
    case IncognitaIrregular::Profundidade:
        return CalcularProfundidade(Q, I, Comp);
    case IncognitaIrregular::Declividade:
        return CalcularDeclividade(Q, H, Comp);
    case IncognitaIrregular::Rugosidade:
        return CalcularRugosidade(Q, I, H, Comp);
    }
    return false;
}

bool TSulvoIrregular::CalcularVazao(double profundidade, double declividade, double comprimento) {
    Guardar(AvaliarPeloMetodo(profundidade, declividade));
    if (!(A > 0))
        return false;
    CompletarResultados(Q, Q, profundidade, comprimento);
    return true;
}

bool TSulvoIrregular::CalcularProfundidade(double vazao, double declividade, double comprimento) {
    const double cheia = -YMinimo;
    H = cheia;
    const TAvaliacao plena = AvaliarPeloMetodo(H, declividade);
    Guardar(plena);
    Q = 0;
    if (plena.Falha != TFalhaAvaliacao::Nenhuma)
        return false;
    if (!(A > 0)) {
        Prompt().Mensagem("A área do Sulvo deve ser maior do que 0.0!");
        return false;
    }
    // A discharge a hair above the full-section capacity is still accepted.
    if (vazao - plena.Q > numerico::kTolRelativa * plena.Q) {
        Prompt().Mensagem("Não é possível alcançar esta vazão !");
        A = 0;
        return false;
    }
    numerico::Bisseccao(H, 0, cheia, vazao, [&](long double& diferenca) {
        Guardar(AvaliarPeloMetodo(H, declividade));
        diferenca = Q - vazao;
        return true;
    });
    // A depth that settled inside a slot of no width holds no water.
    if (!(A > 0))
        return false;
    CompletarResultados(vazao, vazao, H, comprimento);
    return true;
}

bool TSulvoIrregular::CalcularDeclividade(double vazao, double profundidade, double comprimento) {
    I = 0.1;
    Guardar(AvaliarConvencional(profundidade, I));
    if (!(A > 0))
        return false;
    // At a fixed depth the discharge is the section's conveyance times √I, so one evaluation at unit slope
    // serves every trial slope; each trial discharge is exactly what a fresh evaluation would give.
    const TAvaliacao unitaria = AvaliarPeloMetodo(profundidade, 1.0);
    if (unitaria.Falha != TFalhaAvaliacao::Nenhuma) {
        Guardar(unitaria);
        return false;
    }
    numerico::Bisseccao(
        I, kInicioBusca, kLimiteBusca, vazao,
        [&](long double& diferenca) {
            Guardar(unitaria);
            Q = unitaria.Q * std::sqrt(I);
            diferenca = Q - vazao;
            return true;
        },
        numerico::TEscala::Logaritmica);
    CompletarResultados(vazao, Q, profundidade, comprimento);
    return true;
}

bool TSulvoIrregular::CalcularRugosidade(double vazao, double declividade, double profundidade, double comprimento) {
    const TAvaliacao geometria = AvaliarGeometria(profundidade);
    A = geometria.A;
    P = geometria.P;
    S = geometria.S;
    if (!(A > 0))
        return false;
    // Manning's equation over the whole wetted section with the one coefficient n; the geometry does not
    // change between trials.
    const double raio = std::pow(A / P, kDoisTercos);
    // The discharge falls as the roughness grows, so the search runs on the residual with its sign turned: too much
    // discharge means too smooth a channel.
    numerico::Bisseccao(
        n, kInicioBusca, kLimiteBusca, vazao,
        [&](long double& falta) {
            Q = raio * A * std::sqrt(declividade) / n;
            falta = vazao - Q;
            return true;
        },
        numerico::TEscala::Logaritmica);
    CompletarResultados(Q, Q, profundidade, comprimento);
    return true;
}

double TSulvoIrregular::ProfundidadeCritica(double vazao) {
    // F(y) = A³/S − Q²/g vanishes at the critical depth; a section with no surface width holds no water.
    const double termoVazao = vazao * vazao / kG;
    auto F = [&](double y) {
        const TAvaliacao g = AvaliarGeometria(y);
        const double termoSecao = g.S > 0 ? g.A * g.A * g.A / g.S : 0.0;
        return termoSecao - termoVazao;
    };
    double y = -YMinimo;
    const double f = F(y);
    if (f < 0)
        return -1;
    if (f <= numerico::kTolRelativa * termoVazao)
        return y;
    numerico::Bisseccao(y, 0, y, termoVazao, [&](long double& R) {
        R = F(y);
        return true;
    });
    return y;
}

void TSulvoIrregular::CompletarResultados(double vazaoVelocidade, double vazaoCritica, double profundidade,
                                          double comprimento) {
    V = vazaoVelocidade / A;
    // The hydraulic depth A/S stands for the depth of a wide channel.
    NF = S > 0 ? V / std::sqrt(kG * A / S) : 0;
    Vol_Terra = comprimento * A;
    Regime = RegimeDoFroude(NF);
    Alfa = 1;
    if (Metodologia == 2) {
        // The subdivided section carries unequal velocities: its energy and critical depth take the velocity
        // coefficient. The single-roughness unknown gives every interval the solved n.
        const double nUnico = Incognita == 3 ? n : 0;
        const double xE = MargemEsquerdaEfetiva(*this);
        const double xD = MargemDireitaEfetiva(*this);
        const TConducaoSubdividida c = ConducaoSubdividida(Pontos, profundidade + YMinimo, xE, xD, nUnico);
        if (c.IntervaloInvalido == 0 && c.K > 0)
            Alfa = c.Alfa;
        E = Alfa * V * V / k2G + profundidade;
        Yc = ProfundidadeCriticaEnergia(Pontos, YMinimo, xE, xD, vazaoCritica, nUnico);
    } else {
        E = V * V / k2G + profundidade;
        Yc = ProfundidadeCritica(vazaoCritica);
    }
    if (const std::string aviso = AvisoFroude(NF, separador_); !aviso.empty())
        Avisos.push_back(aviso);
    // The conventional method's one flow area, and the single roughness's, lose conveyance where a berm floods.
    if (Incognita == 3 || Metodologia == 0)
        AvisarQuedaDeVazao(profundidade);
    // Several minima of the specific energy are searched with α = 1; the subdivided section's own critical
    // depth is the least of its α-weighted energy.
    if (Metodologia != 2)
        AvisarCriticas(vazaoCritica, Yc);
}

std::string TSulvoIrregular::Numero(double valor) const {
    return FormatarGeral(valor, separador_, 5);
}

// The conventional discharge, (A/P)^(2/3)·A/n_e, falls as the depth rises just above a berm or a flood plain:
// the wetted perimeter jumps by the width of the newly wetted ground while the area hardly grows. Sampled at unit
// slope from 0 to the given depth (a single roughness for the roughness unknown, which needs no coefficients);
// each run of falling samples is named by the depths of its highest and lowest discharge.
void TSulvoIrregular::AvisarQuedaDeVazao(double profundidade) {
    if (!(profundidade > 0))
        return;
    TPromptTemporario silencio(*this, SilentPrompt::instance());
    auto conducao = [&](double h) {
        if (Incognita == 3) {
            const TAvaliacao g = AvaliarGeometria(h);
            return g.A > 0 && g.P > 0 ? g.A * PotenciaDoisTercos(g.A / g.P) : 0.0;
        }
        return AvaliarConvencional(h, 1.0).Q;
    };
    // The discharge is greatest just as the water reaches a berm, so the levels of the surveyed points are
    // sampled too where there are few enough of them.
    std::vector<double> amostras;
    for (int k = 1; k <= kAmostras; ++k)
        amostras.push_back(profundidade * k / kAmostras);
    if (Pontos.size() <= kAmostras)
        for (const TPontoSecao& p : Pontos)
            if (const double nivel = p.Y - YMinimo; nivel > 0 && nivel < profundidade)
                amostras.push_back(nivel);
    std::sort(amostras.begin(), amostras.end());
    std::vector<std::string> faixas;
    double anterior = 0, hAnterior = 0, hMaximo = 0;
    bool caindo = false;
    for (const double h : amostras) {
        const double q = conducao(h);
        if (q < anterior * (1 - 1e-9)) {
            if (!caindo)
                hMaximo = hAnterior;
            caindo = true;
        } else if (caindo) {
            faixas.push_back(Numero(hMaximo) + " m e " + Numero(hAnterior) + " m");
            caindo = false;
        }
        anterior = q;
        hAnterior = h;
    }
    if (caindo)
        faixas.push_back(Numero(hMaximo) + " m e " + Numero(hAnterior) + " m");
    if (faixas.empty())
        return;
    std::string lista;
    for (std::size_t k = 0; k < faixas.size(); ++k)
        lista += (k == 0 ? "" : k + 1 == faixas.size() ? " e entre " : ", entre ") + faixas[k];
    Avisos.push_back(
        std::string(Incognita == 3 ? "A vazão com o coeficiente único" : "A vazão pelo método convencional") +
        " diminui enquanto a profundidade sobe entre " + lista +
        " (o perímetro molhado cresce mais que a área ao inundar uma berma): nessa faixa a mesma vazão "
        "ocorre em mais de uma profundidade. O método de divisão do sulvo em seções não tem esse defeito.");
}

// F = A³/S − Q²/g has one root in a simple channel, the minimum of the specific energy E = y + Q²/(2gA²), since
// dE/dy = F·S/A³ has the sign of F. Where a berm or a flood plain floods, the surface width jumps, A³/S falls,
// and E can have several minima. The full depth is sampled for rises of F through 0, each narrowed by bisection;
// with more than one, all are listed with the one shown.
void TSulvoIrregular::AvisarCriticas(double vazao, double mostrada) {
    if (!(mostrada > 0))
        return;
    TPromptTemporario silencio(*this, SilentPrompt::instance());
    const double cheia = -YMinimo;
    const double termoVazao = vazao * vazao / kG;
    auto F = [&](double y) {
        const TAvaliacao g = AvaliarGeometria(y);
        return (g.S > 0 ? g.A * g.A * g.A / g.S : 0.0) - termoVazao;
    };
    std::vector<double> raizes;
    double fAnterior = -termoVazao, hAnterior = 0;
    for (int k = 1; k <= kAmostras; ++k) {
        const double h = cheia * k / kAmostras;
        const double f = F(h);
        // A minimum of the energy is where F turns from negative to positive; where it drops back (the surface
        // width jumping onto a berm) the energy has a maximum, not a critical depth.
        if (fAnterior < 0 && f >= 0) {
            double y = h;
            numerico::Bisseccao(y, hAnterior, h, termoVazao, [&](long double& R) {
                R = F(y);
                return true;
            });
            raizes.push_back(y);
        }
        fAnterior = f;
        hAnterior = h;
    }
    if (raizes.size() < 2)
        return;
    std::string lista;
    for (std::size_t k = 0; k < raizes.size(); ++k)
        lista += (k == 0 ? "" : k + 1 == raizes.size() ? " e " : ", ") + Numero(raizes[k]) + " m";
    Avisos.push_back("Há " + std::to_string(raizes.size()) +
                     " profundidades críticas entre 0 e a profundidade total (a energia específica tem vários "
                     "mínimos): " +
                     lista + ". A profundidade crítica mostrada é " + Numero(mostrada) + " m.");
}

std::vector<TPontoCurva> TSulvoIrregular::CurvaVazaoProfundidade(double I) {
    std::vector<TPontoCurva> curva;
    if (!VerificarSecao().empty() || !(I >= 0))
        return curva;
    YMinimo = Pontos[0].Y;
    for (const TPontoSecao& p : Pontos)
        if (p.Y < YMinimo)
            YMinimo = p.Y;
    const double cheia = -YMinimo;
    const double passo = cheia / 100;
    if (!(passo > 0))
        return curva;
    TPromptTemporario silencio(*this, SilentPrompt::instance());
    // Every interval wetted at some depth of the chart is wetted at the full depth.
    if (AvaliarDivisao(cheia, I).Falha != TFalhaAvaliacao::Nenhuma)
        return curva;
    curva.reserve(101);
    const double raizI = std::sqrt(I);
    // The depth advances by repeated addition, so rounding decides whether the full depth itself is drawn.
    // One pass per depth gives both methods, each exactly as AvaliarDivisao and AvaliarConvencional would.
    const double xE = MargemEsquerdaEfetiva(*this);
    const double xD = MargemDireitaEfetiva(*this);
    for (double h = passo; cheia >= h; h += passo) {
        TSomas divisao;
        TSomas convencional;
        VarrerTrechos(Pontos, h + YMinimo,
                      [&](const TTrecho& t) { return SomarTrechoDividido(t, divisao, &convencional); });
        const double subdivisao = ConducaoSubdividida(Pontos, h + YMinimo, xE, xD, 0, TCorte::Margens, false).K;
        curva.push_back(
            {h, divisao.Conducao * raizI, ConducaoManning(convencional.A, convencional.K) * raizI, subdivisao * raizI});
    }
    return curva;
}

} // namespace sulvo
