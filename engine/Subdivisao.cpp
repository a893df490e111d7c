#include "engine/Subdivisao.h"

#include "common/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sulvo {
namespace {

constexpr double k2G = 19.62;
// A main-channel bank steeper than 5 horizontal to 1 vertical makes the channel one element with a composite n:
// a steep bank's roughness slows the whole channel rather than a strip of its own.
constexpr double kTaludeComposto = 5.0;
constexpr int kAmostrasEnergia = 200;
constexpr double kTolCriticaEnergia = 1e-7; // m

inline bool RugosidadeValida(double r) {
    return r > 0 && r <= std::numeric_limits<double>::max();
}

// x^(2/3) through the cube root.
inline double DoisTercos(double x) {
    const double c = std::cbrt(x);
    return c * c;
}

inline double RugIntervalo(const std::vector<TPontoSecao>& p, std::size_t k, double nUnico) {
    return nUnico > 0 ? nUnico : p[k].Rug;
}

// Whether the interval from a to b belongs to the main channel between the bank stations xE and xD. A vertical wall
// standing on a bank station belongs to the side that holds its water: falling at the left bank, rising at the right.
bool NoCanal(const TPontoSecao& a, const TPontoSecao& b, double xE, double xD) {
    if (a.X != b.X)
        return b.X > xE && a.X < xD;
    if (a.X > xE && a.X < xD)
        return true;
    if (a.X == xE)
        return b.Y < a.Y;
    if (a.X == xD)
        return b.Y > a.Y;
    return false;
}

// Ground elevation at a bank station: the top of a wall standing there, or the bed interpolated between points.
double CotaMargem(const std::vector<TPontoSecao>& p, double x) {
    bool achou = false;
    double cota = 0;
    for (const TPontoSecao& q : p)
        if (q.X == x) {
            cota = achou ? std::max(cota, q.Y) : q.Y;
            achou = true;
        }
    if (achou)
        return cota;
    for (std::size_t k = 1; k < p.size(); ++k)
        if (p[k - 1].X < x && x < p[k].X)
            return p[k - 1].Y + (p[k].Y - p[k - 1].Y) * (x - p[k - 1].X) / (p[k].X - p[k - 1].X);
    return p.front().Y;
}

// The bank from the station at (x, cota) to the n-value point q is steeper than 5H:1V.
bool TaludeIngreme(double x, double cota, const TPontoSecao& q) {
    const double dy = std::fabs(q.Y - cota);
    return dy > 0 && std::fabs(q.X - x) < kTaludeComposto * dy;
}

// The X positions of the vertical cut lines, ascending. A change of n at point k is a change between interval k
// (ending at the point) and interval k+1 (starting there). The points run left to right, so the cuts at points come
// in order, and the banks are merged in: no sort, which would cost N·log N on every evaluation of a large survey.
std::vector<double> Cortes(const std::vector<TPontoSecao>& p, double xE, double xD, double nUnico, TCorte corte,
                           bool& composto) {
    std::vector<double> cortes;
    composto = false;
    const std::size_t N = p.size();
    auto muda = [&](std::size_t k) { return RugIntervalo(p, k, nUnico) != RugIntervalo(p, k + 1, nUnico); };
    if (corte == TCorte::Rugosidade) {
        for (std::size_t k = 1; k + 1 < N; ++k)
            if (muda(k))
                cortes.push_back(p[k].X);
        return cortes;
    }
    std::vector<double> fora; // at the changes of n in the overbanks
    std::vector<std::size_t> quebrasCanal;
    for (std::size_t k = 1; k + 1 < N; ++k) {
        if (!muda(k))
            continue;
        const bool canalAntes = NoCanal(p[k - 1], p[k], xE, xD);
        const bool canalDepois = NoCanal(p[k], p[k + 1], xE, xD);
        if (canalAntes && canalDepois)
            quebrasCanal.push_back(k);
        else if (p[k].X < xE || p[k].X > xD)
            fora.push_back(p[k].X);
    }
    std::vector<double> canal{xE, xD};
    if (!quebrasCanal.empty()) {
        const TPontoSecao& primeira = p[quebrasCanal.front()];
        const TPontoSecao& ultima = p[quebrasCanal.back()];
        composto = TaludeIngreme(xE, CotaMargem(p, xE), primeira) || TaludeIngreme(xD, CotaMargem(p, xD), ultima);
        if (!composto) {
            canal.clear();
            canal.reserve(quebrasCanal.size() + 2);
            canal.push_back(xE);
            for (std::size_t k : quebrasCanal)
                canal.push_back(p[k].X);
            canal.push_back(xD);
        }
    }
    cortes.resize(fora.size() + canal.size());
    std::merge(fora.begin(), fora.end(), canal.begin(), canal.end(), cortes.begin());
    return cortes;
}

// Restores the prompt after an evaluation that must stay silent.
class TSilencio {
public:
    explicit TSilencio(TSulvoIrregular& s) : s_(s), anterior_(s.Prompt()) {
        s_.DefinirPrompt(SilentPrompt::instance());
    }
    ~TSilencio() { s_.DefinirPrompt(anterior_); }
    TSilencio(const TSilencio&) = delete;
    TSilencio& operator=(const TSilencio&) = delete;

private:
    TSulvoIrregular& s_;
    IPrompt& anterior_;
};

} // namespace

TConducaoSubdividida ConducaoSubdividida(const std::vector<TPontoSecao>& pontos, double z, double margemE,
                                         double margemD, double nUnico, TCorte corte, bool subareas) {
    TConducaoSubdividida r;
    const std::size_t N = pontos.size();
    if (N < 2)
        return r;
    const double xMin = pontos.front().X;
    const double xMax = pontos.back().X;
    const double xE = std::clamp(std::min(margemE, margemD), xMin, xMax);
    const double xD = std::clamp(std::max(margemE, margemD), xMin, xMax);
    std::vector<double> cortes = Cortes(pontos, xE, xD, nUnico, corte, r.CanalComposto);
    // Ascending already for points in order; a section out of order is sorted rather than mis-split.
    if (!std::is_sorted(cortes.begin(), cortes.end()))
        std::sort(cortes.begin(), cortes.end());
    cortes.erase(std::unique(cortes.begin(), cortes.end()), cortes.end());

    // Element j lies between cut j-1 and cut j. The sums live in a buffer kept between calls: the curve and the
    // critical-depth search evaluate a large survey hundreds of times, and fresh megabytes each time would cost
    // more than the sums themselves.
    struct Somas {
        double A = 0, P = 0, KHorton = 0;
    };
    thread_local std::vector<Somas> zonas;
    zonas.assign(cortes.size() + 1, Somas{});
    auto somar = [](Somas& zona, double area, double comprimento, double n15) {
        zona.A += area;
        zona.P += comprimento;
        zona.KHorton += n15 * comprimento;
    };

    // The element of the first cut beyond x. The points run left to right, so it is nearly always the element the
    // last interval ended in or the next one: a search over a large survey's thousands of cuts on every interval
    // would cost more than the sums.
    std::size_t dica = 0;
    auto elementoApos = [&cortes, &dica](double x) {
        for (std::size_t j : {dica, dica + 1})
            if (j <= cortes.size() && (j == 0 || cortes[j - 1] <= x) && (j == cortes.size() || x < cortes[j]))
                return j;
        return static_cast<std::size_t>(std::upper_bound(cortes.begin(), cortes.end(), x) - cortes.begin());
    };

    // Each interval's wet part (below the level z; a point at the level is dry) adds the trapezoid between the water
    // surface and the bed to the element it lies in, split where a cut line crosses it.
    for (std::size_t k = 1; k < N; ++k) {
        const TPontoSecao& a = pontos[k - 1];
        const TPontoSecao& b = pontos[k];
        const bool aMolhado = a.Y < z;
        const bool bMolhado = b.Y < z;
        if (!aMolhado && !bMolhado)
            continue;
        const double n = RugIntervalo(pontos, k, nUnico);
        if (!RugosidadeValida(n)) {
            r.IntervaloInvalido = k;
            return r;
        }
        const double n15 = n * std::sqrt(n);
        double xa = a.X, da = z - a.Y, xb = b.X, db = z - b.Y;
        if (!aMolhado) {
            xa = TSulvoIrregular::InterseccaoNivel(a.X, a.Y, b.X, b.Y, z);
            da = 0;
        }
        if (!bMolhado) {
            xb = TSulvoIrregular::InterseccaoNivel(a.X, a.Y, b.X, b.Y, z);
            db = 0;
        }
        if (xa == xb) {
            // A wall on a cut line belongs to the element on its wet side.
            const auto j = b.Y < a.Y ? std::upper_bound(cortes.begin(), cortes.end(), xa) - cortes.begin()
                                     : std::lower_bound(cortes.begin(), cortes.end(), xa) - cortes.begin();
            somar(zonas[static_cast<std::size_t>(j)], 0, std::fabs(db - da), n15);
            continue;
        }
        r.S += xb - xa;
        std::size_t j = elementoApos(xa);
        auto corte1 = cortes.begin() + static_cast<std::ptrdiff_t>(j);
        double x0 = xa, d0 = da;
        for (;;) {
            const bool corta = corte1 != cortes.end() && *corte1 < xb;
            const double x1 = corta ? *corte1 : xb;
            const double d1 = corta ? da + (db - da) * (x1 - xa) / (xb - xa) : db;
            const double dx = x1 - x0;
            const double dd = d1 - d0;
            somar(zonas[j], (d0 + d1) * dx / 2, std::sqrt(dx * dx + dd * dd), n15);
            if (!corta) {
                dica = j;
                break;
            }
            x0 = x1;
            d0 = d1;
            ++corte1;
            ++j;
        }
    }

    // Conveyance of each element, A·R^(2/3)/n with n = (KHorton/P)^(2/3), is A·(A/KHorton)^(2/3); then the three flow
    // elements (left overbank, channel, right overbank) give the velocity coefficient.
    double aRegiao[3] = {0, 0, 0};
    double kRegiao[3] = {0, 0, 0};
    for (std::size_t j = 0; j < zonas.size(); ++j) {
        const Somas& somas = zonas[j];
        if (!(somas.P > 0))
            continue;
        TSubarea zona;
        zona.XInicio = j == 0 ? xMin : cortes[j - 1];
        zona.XFim = j == cortes.size() ? xMax : cortes[j];
        zona.A = somas.A;
        zona.P = somas.P;
        zona.KHorton = somas.KHorton;
        zona.n = DoisTercos(zona.KHorton / zona.P);
        zona.K = zona.A > 0 ? zona.A * DoisTercos(zona.A / zona.KHorton) : 0;
        if (corte == TCorte::Margens)
            zona.Regiao = zona.XFim <= xE && zona.XInicio < xE   ? TRegiao::MargemEsquerda
                          : zona.XInicio >= xD && zona.XFim > xD ? TRegiao::MargemDireita
                                                                 : TRegiao::Canal;
        r.A += zona.A;
        r.P += zona.P;
        r.K += zona.K;
        const auto regiao = static_cast<std::size_t>(zona.Regiao);
        aRegiao[regiao] += zona.A;
        kRegiao[regiao] += zona.K;
        if (subareas)
            r.Subareas.push_back(zona);
    }
    if (r.K > 0) {
        double soma = 0;
        for (int i = 0; i < 3; ++i)
            if (aRegiao[i] > 0)
                soma += kRegiao[i] * kRegiao[i] * kRegiao[i] / (aRegiao[i] * aRegiao[i]);
        r.Alfa = r.A * r.A * soma / (r.K * r.K * r.K);
    }
    return r;
}

double MargemEsquerdaEfetiva(const TSulvoIrregular& s) {
    return s.MargemE.value_or(s.Pontos.empty() ? 0 : s.Pontos.front().X);
}

double MargemDireitaEfetiva(const TSulvoIrregular& s) {
    return s.MargemD.value_or(s.Pontos.empty() ? 0 : s.Pontos.back().X);
}

double ProfundidadeCriticaEnergia(const std::vector<TPontoSecao>& pontos, double yMinimo, double margemE,
                                  double margemD, double vazao, double nUnico) {
    const double cheia = -yMinimo;
    if (!(cheia > 0))
        return -1;
    const double termo = vazao * vazao / k2G;
    auto energia = [&](double y) {
        const TConducaoSubdividida c =
            ConducaoSubdividida(pontos, y + yMinimo, margemE, margemD, nUnico, TCorte::Margens, false);
        if (c.IntervaloInvalido != 0 || !(c.A > 0))
            return std::numeric_limits<double>::infinity();
        return y + c.Alfa * termo / (c.A * c.A);
    };
    // A compound section may have more than one local minimum: the samples find the least one, and a golden-section
    // search refines it between its neighbours.
    int melhor = 1;
    double eMelhor = energia(cheia / kAmostrasEnergia);
    for (int j = 2; j <= kAmostrasEnergia; ++j) {
        const double e = energia(cheia * j / kAmostrasEnergia);
        if (e < eMelhor) {
            eMelhor = e;
            melhor = j;
        }
    }
    double a = cheia * (melhor - 1) / kAmostrasEnergia;
    double b = melhor == kAmostrasEnergia ? cheia : cheia * (melhor + 1) / kAmostrasEnergia;
    const double razao = (std::sqrt(5.0) - 1) / 2;
    double c = b - razao * (b - a);
    double d = a + razao * (b - a);
    double ec = energia(c);
    double ed = energia(d);
    while (b - a > kTolCriticaEnergia) {
        if (ec < ed) {
            b = d;
            d = c;
            ed = ec;
            c = b - razao * (b - a);
            ec = energia(c);
        } else {
            a = c;
            c = d;
            ec = ed;
            d = a + razao * (b - a);
            ed = energia(d);
        }
    }
    const double y = (a + b) / 2;
    // The energy still falling at the top of the section: the critical depth lies above it.
    if (cheia - y < 2 * kTolCriticaEnergia)
        return -1;
    return y;
}

TRugosidadesCompostas RugosidadesCompostas(const std::vector<TSubarea>& zonas) {
    TRugosidadesCompostas r;
    double A = 0, P = 0, horton = 0, quadrados = 0, lineares = 0, lotter = 0;
    for (const TSubarea& z : zonas) {
        if (!(z.P > 0) || !(z.n > 0))
            continue;
        A += z.A;
        P += z.P;
        horton += z.KHorton;
        quadrados += z.n * z.n * z.P;
        lineares += z.n * z.P;
        lotter += z.P * std::pow(z.A / z.P, 5.0 / 3.0) / z.n;
    }
    if (!(P > 0))
        return r;
    r.HortonEinstein = DoisTercos(horton / P);
    r.Pavlovskii = std::sqrt(quadrados / P);
    r.EinsteinBanks = lineares / P;
    if (lotter > 0)
        r.Lotter = P * std::pow(A / P, 5.0 / 3.0) / lotter;
    return r;
}

TComparacaoMetodos CompararMetodos(TSulvoIrregular& s, double h, double I, char separador) {
    TComparacaoMetodos c;
    const double z = h + s.YMinimo;
    if (z > 0 || !(I >= 0))
        return c;
    TSilencio silencio(s);
    const TAvaliacao conv = s.AvaliarConvencional(h, I);
    if (conv.Falha != TFalhaAvaliacao::Nenhuma || !(conv.A > 0))
        return c;
    const TAvaliacao div = s.AvaliarDivisao(h, I);
    const TConducaoSubdividida sub =
        ConducaoSubdividida(s.Pontos, z, MargemEsquerdaEfetiva(s), MargemDireitaEfetiva(s), 0, TCorte::Margens, false);
    const TConducaoSubdividida zonas = ConducaoSubdividida(s.Pontos, z, 0, 0, 0, TCorte::Rugosidade);
    if (div.Falha != TFalhaAvaliacao::Nenhuma || sub.IntervaloInvalido != 0 || zonas.IntervaloInvalido != 0)
        return c;
    const TRugosidadesCompostas n = RugosidadesCompostas(zonas.Subareas);
    const double raizI = std::sqrt(I);
    // Manning over the whole wetted section with one coefficient, per unit of n.
    const double conducaoUnitaria = conv.A * DoisTercos(conv.A / conv.P);
    auto comUmN = [&](double rug) { return rug > 0 ? conducaoUnitaria * raizI / rug : 0.0; };
    c.Metodos = {
        {"Convencional", conv.Q, n.HortonEinstein},
        {"Divisão do Sulvo em Seções", div.Q, 0},
        {"Subdivisão por rugosidade", sub.K * raizI, sub.K > 0 ? conducaoUnitaria / sub.K : 0},
        {"Pavlovskii", comUmN(n.Pavlovskii), n.Pavlovskii},
        {"Lotter", comUmN(n.Lotter), n.Lotter},
        {"Einstein–Banks", comUmN(n.EinsteinBanks), n.EinsteinBanks},
    };
    double menor = c.Metodos.front().Q;
    double maior = menor;
    for (const TVazaoMetodo& m : c.Metodos) {
        menor = std::min(menor, m.Q);
        maior = std::max(maior, m.Q);
    }
    c.Dispersao = menor > 0 ? (maior - menor) / menor : 0;
    if (c.Dispersao > kDispersaoAviso)
        c.Aviso = "A maior vazão dos métodos excede a menor em " + FormatarFixo(c.Dispersao * 100, 1, separador) +
                  " %: a escolha do método pesa no resultado.";
    return c;
}

} // namespace sulvo
