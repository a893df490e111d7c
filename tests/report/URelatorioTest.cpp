#include "report/URelatorio.h"

#include "engine/Subdivisao.h"
#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/IdentProjeto.h"
#include "report/TabelaCurva.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

using namespace sulvo;

// The expected documents below are written out piece by piece, as the report is laid down: one line,
// no separators. NB4 is the four-space indent of most cells.
#define NB4 "&nbsp;&nbsp;&nbsp;&nbsp;"

namespace {

std::string CabecalhoEsperado(const std::string& titulo, const std::string& banner) {
    return "<HTML><HEAD><META NAME=\"Author\" CONTENT=\"Sulvo\"><TITLE>" + titulo +
           "</TITLE></HEAD>"
           "<FONT FACE=\"Arial\"><FONT COLOR=\"#000099\"><FONT SIZE=-2>Data de emissão do relatório: 09/12/2026"
           "</FONT></FONT></FONT><P>" +
           banner +
           "<HR><BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\">"
           "<CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>RELATÓRIO</B></FONT></FONT></CENTER>"
           "<CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>" +
           titulo + "</B></FONT></FONT></CENTER><HR><P>";
}

const char* const kBannerRegular = "<CENTER><IMG SRC=\"/opt/sulvo/Cabecalho.jpg\" HEIGHT=62 WIDTH=550></CENTER>";
const char* const kBannerIrregular = "<CENTER><IMG SRC=\"Cabecalho.jpg\" HEIGHT=67 WIDTH=550></CENTER>";

const char* const kIdentificacao = "<FONT SIZE=3><B>IDENTIFICAÇÃO DO PROJETO</B></FONT>"
                                   "<TABLE COLS=2 WIDTH=\"100%\">"
                                   "<TR><TD>" NB4 "<B>Nome: </B>Canal &amp; &lt;Norte&gt;</TD>"
                                   "<TD><B>Empresa: </B>Cooperativa Água Boa</TD></TR>"
                                   "<TR><TD>" NB4 "<B>Técnico: </B>Eng. Luísa Prado</TD>"
                                   "<TD><B>Local: </B>Petrolina</TD></TR>"
                                   "<TR><TD>" NB4 "<B>Estado: </B>PE</TD>"
                                   "<TD><B>Data: </B>março de 2026</TD></TR>"
                                   "</TABLE><P>";

const char* const kGrafico = "<p><CENTER><TABLE CELLPADDING=3><TR><TD>"
                             "<CENTER><IMG SRC=\"Bit.bmp\" HEIGHT=300 WIDTH=450></CENTER>"
                             "</TD></TR></TABLE></CENTER></TD></BODY></HTML>";

TIDProjeto Identificacao() {
    TIDProjeto id;
    id.Nome = "Canal & <Norte>";
    id.Empresa = "Cooperativa Água Boa";
    id.Local = "Petrolina";
    id.Estado = "PE";
    id.Tecnico = "Eng. Luísa Prado";
    id.Data = "março de 2026";
    return id;
}

OpcoesRelatorio Opcoes(char separador) {
    OpcoesRelatorio o;
    o.Separador = separador;
    o.DataEmissao = "09/12/2026";
    o.PastaExecutavel = "/opt/sulvo/";
    return o;
}

// The four regular sections of one project, and a record of which chart the report pictured.
struct Regulares {
    TSulvoTriangular tri;
    TSulvoTrapezoidal trap;
    TSulvoRetangular ret;
    TSulvoCircular cir;
    std::vector<int> fotografados;

    SecoesRegulares Secoes() const { return {tri, trap, ret, cir}; }
    std::array<FotografarGrafico, 4> Graficos() {
        std::array<FotografarGrafico, 4> g;
        for (int i = 0; i < 4; ++i)
            g[i] = [this, i] {
                fotografados.push_back(i);
                return TImagemGrafico{300, 450};
            };
        return g;
    }
    TRelatorio Gerar(int tipo, const std::string& incognita, char separador) {
        return GerarRelatorioRegular(tipo, Secoes(), incognita, Identificacao(), Graficos(), Opcoes(separador));
    }
};

// Shared inputs of the prismatic sections, with values whose rounding is easy to get wrong.
void EntradasPrismaticas(TSulvoR& s) {
    s.Q = 1.5;
    s.H = 0.87654;
    s.I = 0.0005;
    s.n = 0.015;
    s.f = 0.3;
    s.Comp = 1250;
    s.z = 1.5;
    s.b = 1.0;
    s.A = 0.123456;
    s.P = 4.160546;
    s.S = 3.62962;
    s.Yc = 0.41234;
    s.NF = 0.6789;
    s.Regime = "Subcrítico";
    s.V = 1.2345; // stored just below the half: the 10-digit rounding makes it 1,235
    s.E = 0.95422;
    s.Vol_Terra = 3456.78912;
}

} // namespace

TEST(RelatorioRegular, TrapezoidWithDepthUnknownMatchesTheDocumentPieceByPiece) {
    Regulares r;
    EntradasPrismaticas(r.trap);
    TRelatorio rel = r.Gerar(1, "Profundidade Normal", ',');

    const std::string esperado =
        CabecalhoEsperado("Dimensionamento de Canais Trapezoidais", kBannerRegular) + kIdentificacao +
        "<FONT SIZE=3><B>DADOS DE ENTRADA</B></FONT>"
        "<p>" NB4 "<B> INCÓGNITA DO PROBLEMA: </B>Profundidade Normal</p>"
        "<TABLE COLS=2 WIDTH=\"100%\">"
        "<TR><TD>" NB4 "<B> Vazão: </B>1,50 m3/s</TD><TD>" NB4 "<B> Profundidade Normal: </B>0,87654 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Declividade: </B>0,0005 m/m</TD><TD>" NB4
        "<B> Coeficiente de Rugosidade: </B>0,0150</TD></TR>"
        "<TR><TD>" NB4 "<B> Folga: </B>0,30 m</TD><TD>" NB4 "<B> Comprimento do Sulvo: </B>1250,0 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Inclinação do Talude: </B>1,50</TD><TD>" NB4 "<B> Largura da Base: </B>1,00</TD></TR>"
        "</TABLE>"
        "<p><FONT SIZE=3><B>RESULTADOS</B></FONT>"
        "<TABLE COLS=2 WIDTH=\"100%\">"
        "<TR><TD>" NB4 "<B> Área: </B>0,1235 m2</TD><TD>" NB4 "<B> Perímetro Molhado: </B>4,161 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Largura da Superfície: </B>3,630 m</TD><TD>" NB4
        "<B> Profundidade Crítica: </B>0,412 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Número de Froude: </B>0,679</TD><TD>" NB4
        "<B> Regime de Escoamento: </B>Subcrítico</TD></TR>"
        "<TR><TD>" NB4 "<B> Velocidade: </B>1,235 m/s</TD><TD>" NB4 "<B> Energia Específica: </B>0,954 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Movimentação de Terra: </B>3456,789 m3</TD></TR>"
        "</TABLE>" +
        kGrafico;

    EXPECT_EQ(rel.Texto, esperado);
    EXPECT_EQ(rel.Titulo, "Dimensionamento de Canais Trapezoidais");
    EXPECT_EQ(rel.Legenda, "Relatório - Dimensionamento de Canais Trapezoidais");
    EXPECT_EQ(r.fotografados, std::vector<int>{1});
}

TEST(RelatorioRegular, CircleWithDiameterAndDepthShowsTheRatioAndUnindentedRightCells) {
    Regulares r;
    TSulvoCircular& c = r.cir;
    c.Incognita = 5;
    c.Q = 0.25;
    c.H = 0.4;
    c.I = 0.002;
    c.n = 0.013;
    c.D = 0.6;
    c.T = 0.6667;
    c.A = 0.2;
    c.P = 1.1;
    c.S = 0.56;
    c.Yc = 0.3;
    c.NF = 0.9;
    c.Regime = "Subcrítico";
    c.V = 1.25;
    c.E = 0.48;
    TRelatorio rel = r.Gerar(3, "Diâmetro e Profundidade", ',');

    const std::string esperado =
        CabecalhoEsperado("Dimensionamento de Canais Circulares", kBannerRegular) + kIdentificacao +
        "<FONT SIZE=3><B>DADOS DE ENTRADA</B></FONT>"
        "<p>" NB4 "<B> INCÓGNITA DO PROBLEMA: </B>Diâmetro e Profundidade</p>"
        "<TABLE COLS=2 WIDTH=\"100%\">"
        "<TR><TD>" NB4 "<B> Vazão: </B>0,25 m3/s</TD><TD>" NB4 "<B> Profundidade Normal: </B>0,400 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Declividade: </B>0,0020 m/m</TD><TD>" NB4
        "<B> Coeficiente de Rugosidade: </B>0,0130</TD></TR>"
        "<TR><TD>" NB4 "<B> Diâmetro: </B>0,60</TD>"
        "<TD>&nbsp;&nbsp;&nbsp;<B> Profundidade/Diâmetro: </B>0,6667</TD></TR>"
        "</TABLE>"
        "<p><FONT SIZE=3><B>RESULTADOS</B></FONT>"
        "<TABLE COLS=2 WIDTH=\"100%\">"
        "<TR><TD>" NB4 "<B> Área: </B>0,2000 m2</TD><TD><B> Perímetro Molhado: </B>1,100 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Largura da Superfície: </B>0,560 m</TD><TD><B> Profundidade Crítica: </B>0,300 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Número de Froude: </B>0,900</TD><TD><B> Regime de Escoamento: </B>Subcrítico</TD></TR>"
        "<TR><TD>" NB4 "<B> Velocidade: </B>1,250 m/s</TD><TD><B> Energia Específica: </B>0,480 m</TD></TR>"
        "</TABLE>" +
        kGrafico;

    EXPECT_EQ(rel.Texto, esperado);
    EXPECT_EQ(rel.Legenda, "Relatório - Dimensionamento de Canais Circulares");
    EXPECT_EQ(r.fotografados, std::vector<int>{3});
}

TEST(RelatorioRegular, RectangleWithPointSeparatorHasTheBaseAloneInItsLastInputRow) {
    Regulares r;
    TSulvoRetangular& s = r.ret;
    s.Q = 2;
    s.H = 1.2;
    s.I = 0.001;
    s.n = 0.014;
    s.f = 0.25;
    s.Comp = 100;
    s.b = 2.5;
    s.z = 7; // not an input of the rectangle: must not appear
    s.A = 3;
    s.P = 4.9;
    s.S = 2.5;
    s.Yc = 0.7415;
    s.NF = 0.49;
    s.Regime = "Subcrítico";
    s.V = 0.6667;
    s.E = 1.2227;
    s.Vol_Terra = 845.5;
    TRelatorio rel = r.Gerar(2, "Vazão", '.');

    const std::string esperado =
        CabecalhoEsperado("Dimensionamento de Canais Retangulares", kBannerRegular) + kIdentificacao +
        "<FONT SIZE=3><B>DADOS DE ENTRADA</B></FONT>"
        "<p>" NB4 "<B> INCÓGNITA DO PROBLEMA: </B>Vazão</p>"
        "<TABLE COLS=2 WIDTH=\"100%\">"
        "<TR><TD>" NB4 "<B> Vazão: </B>2.00 m3/s</TD><TD>" NB4 "<B> Profundidade Normal: </B>1.200 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Declividade: </B>0.0010 m/m</TD><TD>" NB4
        "<B> Coeficiente de Rugosidade: </B>0.0140</TD></TR>"
        "<TR><TD>" NB4 "<B> Folga: </B>0.25 m</TD><TD>" NB4 "<B> Comprimento do Sulvo: </B>100.0 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Largura da Base: </B>2.50</TD></TR>"
        "</TABLE>"
        "<p><FONT SIZE=3><B>RESULTADOS</B></FONT>"
        "<TABLE COLS=2 WIDTH=\"100%\">"
        "<TR><TD>" NB4 "<B> Área: </B>3.0000 m2</TD><TD>" NB4 "<B> Perímetro Molhado: </B>4.900 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Largura da Superfície: </B>2.500 m</TD><TD>" NB4
        "<B> Profundidade Crítica: </B>0.742 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Número de Froude: </B>0.490</TD><TD>" NB4
        "<B> Regime de Escoamento: </B>Subcrítico</TD></TR>"
        "<TR><TD>" NB4 "<B> Velocidade: </B>0.667 m/s</TD><TD>" NB4 "<B> Energia Específica: </B>1.223 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Movimentação de Terra: </B>845.500 m3</TD></TR>"
        "</TABLE>" +
        kGrafico;

    EXPECT_EQ(rel.Texto, esperado);
    EXPECT_EQ(r.fotografados, std::vector<int>{2});
}

TEST(RelatorioRegular, TriangleHasTheSideSlopeAloneInItsLastInputRow) {
    Regulares r;
    EntradasPrismaticas(r.tri);
    r.tri.b = 9; // the triangle has no base
    TRelatorio rel = r.Gerar(0, "Declividade", ',');
    EXPECT_NE(rel.Texto.find("<TR><TD>" NB4 "<B> Folga: </B>0,30 m</TD><TD>" NB4
                             "<B> Comprimento do Sulvo: </B>1250,0 m</TD></TR>"
                             "<TR><TD>" NB4 "<B> Inclinação do Talude: </B>1,50</TD></TR></TABLE>"),
              std::string::npos);
    EXPECT_EQ(rel.Texto.find("Largura da Base"), std::string::npos);
    EXPECT_EQ(rel.Legenda, "Relatório - Dimensionamento de Canais Triangulares");
    EXPECT_EQ(r.fotografados, std::vector<int>{0});
}

// Any unknown of the circle other than diameter-and-depth leaves the diameter alone; the circle
// never reports freeboard, length or earthwork.
class CirculoSemRazao : public ::testing::TestWithParam<int> {};

TEST_P(CirculoSemRazao, DiameterStandsAlone) {
    Regulares r;
    r.cir.Incognita = static_cast<std::uint8_t>(GetParam());
    r.cir.D = 1.25;
    r.cir.T = 0.5;
    const std::string texto = r.Gerar(3, "Diâmetro", ',').Texto;
    EXPECT_NE(texto.find("<TR><TD>" NB4 "<B> Diâmetro: </B>1,25</TD></TR></TABLE>"), std::string::npos);
    for (const char* ausente : {"Profundidade/Diâmetro", "Folga", "Comprimento do Sulvo", "Movimentação de Terra"})
        EXPECT_EQ(texto.find(ausente), std::string::npos) << ausente;
}

INSTANTIATE_TEST_SUITE_P(Incognitas, CirculoSemRazao, ::testing::Values(0, 1, 2, 3, 4));

TEST(RelatorioRegular, EveryTypeIsOneLineWithTheParagraphMarksInTheirCase) {
    for (int tipo = 0; tipo < 4; ++tipo) {
        Regulares r;
        const std::string texto = r.Gerar(tipo, "Vazão", ',').Texto;
        EXPECT_EQ(texto.find_first_of("\r\n"), std::string::npos) << tipo;
        // Head (2) and after the identification: upper case; before the results and the chart: lower case.
        auto conta = [&](const std::string& marca) {
            std::size_t n = 0;
            for (auto p = texto.find(marca); p != std::string::npos; p = texto.find(marca, p + 1))
                ++n;
            return n;
        };
        EXPECT_EQ(conta("<P>"), 3u) << tipo;
        EXPECT_EQ(conta("<p>"), 3u) << tipo; // the unknown's paragraph opens with "<p>" too
        const std::string fim = "</CENTER></TD></BODY></HTML>";
        EXPECT_EQ(texto.compare(texto.size() - fim.size(), fim.size(), fim), 0) << tipo;
    }
}

TEST(RelatorioRegular, AnUnknownTypeIndexIsRejectedBeforeAnythingIsPictured) {
    Regulares r;
    EXPECT_THROW(r.Gerar(4, "Vazão", ','), std::out_of_range);
    EXPECT_THROW(r.Gerar(-1, "Vazão", ','), std::out_of_range);
    EXPECT_TRUE(r.fotografados.empty());
}

TEST(RelatorioRegular, AChartPictureThatCannotBeWrittenStopsTheReport) {
    Regulares r;
    auto graficos = r.Graficos();
    graficos[1] = []() -> TImagemGrafico { throw ErroImagemGrafico("Cannot create file \"/x/Bit.bmp\". Denied"); };
    EXPECT_THROW(GerarRelatorioRegular(1, r.Secoes(), "Vazão", Identificacao(), graficos, Opcoes(',')),
                 ErroImagemGrafico);
}

namespace {

TSulvoIrregular Irregular() {
    TSulvoIrregular s;
    s.Q = 3.2;
    s.S = 12.504817; // computed: the input table rounds it as the page does
    s.H = 1.1;
    s.I = 0.00075; // typed: every digit the user gave is kept
    s.Comp = 500;
    s.n = 0.03123456;
    s.A = 8.75;
    s.P = 13.2;
    s.Yc = -1;
    s.NF = 0.34;
    s.Regime = "Subcrítico";
    s.V = 0.3657;
    s.E = 1.1068;
    s.Vol_Terra = 4375;
    return s;
}

} // namespace

TEST(RelatorioIrregular, SingleRoughnessUnknownWithCriticalDepthAboveTheBanks) {
    TSulvoIrregular s = Irregular();
    s.Incognita = 3;
    int fotos = 0;
    TRelatorio rel = GerarRelatorioIrregular(
        s, "Coeficiente de Rugosidade Único", "Divisão do Sulvo em Seções", Identificacao(),
        [&] {
            ++fotos;
            return TImagemGrafico{300, 450};
        },
        Opcoes(','));

    const std::string esperado =
        CabecalhoEsperado("Dimensionamento de Canais Irregulares", kBannerIrregular) + kIdentificacao +
        "<FONT SIZE=3><B>DADOS DE ENTRADA</B></FONT>"
        "<p>" NB4 "<B> INCÓGNITA DO PROBLEMA: </B>Coeficiente de Rugosidade Único</p>"
        "<TABLE COLS=2 WIDTH=\"100%\">"
        "<TR><TD>" NB4 "<B> Vazão: </B>3,20 m3/s</TD><TD>" NB4 "<B> Largura da Superfície: </B>12,50 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Profundidade Normal: </B>1,100 m</TD><TD>" NB4 "<B> Declividade: </B>0,00075 m/m</TD></TR>"
        "<TR><TD>" NB4 "<B> Comprimento do Sulvo: </B>500,0 m</TD><TD>" NB4
        "<B> Coeficiente de Rugosidade: </B>0,0312</TD></TR>"
        "<TR><TD>" NB4 "<B> Metodologia de Cálculo: </B>Divisão do Sulvo em Seções</TD></TR>"
        "</TABLE>"
        "<p><FONT SIZE=3><B>RESULTADOS</B></FONT>"
        "<TABLE COLS=2 WIDTH=\"100%\">"
        "<TR><TD>" NB4 "<B> Área: </B>8,7500 m2</TD><TD>" NB4 "<B> Perímetro Molhado: </B>13,200 m</TD></TR>"
        "<TR><TD>" NB4 "<B> Profundidade Crítica: </B> Maior que altura </TD><TD>" NB4
        "<B> Número de Froude: </B>0,340</TD></TR>"
        "<TR><TD>" NB4 "<B> Regime de Escoamento: </B>Subcrítico</TD><TD>" NB4 "<B> Velocidade: </B>0,366 m/s</TD></TR>"
        "<TR><TD>" NB4 "<B> Energia Específica: </B>1,107 m</TD><TD>" NB4
        "<B> Movimentação de Terra: </B>4375,000 m3</TD></TR>"
        "</TABLE>" +
        kGrafico;

    EXPECT_EQ(rel.Texto, esperado);
    EXPECT_EQ(rel.Titulo, "Dimensionamento de Canais Irregulares");
    EXPECT_EQ(rel.Legenda, "Relatório - Dimensionamento de Canais Irregulares");
    EXPECT_EQ(fotos, 1);
}

// A compound section calculated by the subdivision: its banks among the inputs, α among the results, and every
// method's discharge in a table after them. The conventional method reports the same table, without banks or α.
TEST(RelatorioIrregular, TheSubdivisionReportsItsBanksAlphaAndTheMethodsSideBySide) {
    TSulvoIrregular s;
    s.Pontos = {{0, 0, 0},      {4, -1, 0.05},  {7, -1, 0.05},  {8, -3, 0.03},
                {12, -3, 0.03}, {13, -1, 0.03}, {16, -1, 0.05}, {20, 0, 0.05}};
    s.H = 2.5, s.I = 0.001, s.Incognita = 0, s.Metodologia = 2, s.MargemE = 7, s.MargemD = 13;
    ASSERT_TRUE(s.Calcular());
    auto gerar = [&](const char* metodologia) {
        return GerarRelatorioIrregular(
                   s, "Vazão", metodologia, Identificacao(),
                   [] {
                       return TImagemGrafico{10, 20};
                   },
                   Opcoes(','))
            .Texto;
    };
    std::string texto = gerar("Subdivisão por rugosidade");
    EXPECT_NE(texto.find("<B> Metodologia de Cálculo: </B>Subdivisão por rugosidade</TD></TR><TR><TD>" NB4
                         "<B> Margem esquerda: </B>7,00 m</TD><TD>" NB4 "<B> Margem direita: </B>13,00 m</TD></TR>"
                         "</TABLE>"),
              std::string::npos)
        << texto;
    // By hand: K = 576.486 + 2·21.539 at unit slope, α = 1.384 (see the page's test of the same section).
    EXPECT_NE(texto.find("<B> Coeficiente de Coriolis (α): </B>1,384</TD></TR></TABLE>"
                         "<p><FONT SIZE=3><B>COMPARAÇÃO DOS MÉTODOS</B></FONT>"
                         "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=2 WIDTH=\"100%\">"
                         "<TR><TD><B>Método</B></TD><TD><B>Vazão (m3/s)</B></TD><TD><B>n equivalente</B></TD></TR>"
                         "<TR><TD>Convencional</TD>"),
              std::string::npos)
        << texto;
    EXPECT_NE(texto.find("<TR><TD>Divisão do Sulvo em Seções</TD><TD ALIGN=RIGHT>"), std::string::npos);
    EXPECT_NE(texto.find("<TR><TD>Subdivisão por rugosidade</TD><TD ALIGN=RIGHT>19,592</TD>"), std::string::npos);
    EXPECT_NE(texto.find("</TABLE><p>" NB4 "<B> Dispersão entre a maior e a menor vazão: </B>"), std::string::npos);
    const TComparacaoMetodos c = CompararMetodos(s, s.H, s.I);
    EXPECT_EQ(texto.find("Observações") != std::string::npos, !c.Aviso.empty());

    s.Metodologia = 0;
    ASSERT_TRUE(s.Calcular());
    texto = gerar("Convencional");
    EXPECT_EQ(texto.find("Margem esquerda"), std::string::npos);
    EXPECT_EQ(texto.find("Coriolis"), std::string::npos);
    EXPECT_NE(texto.find("<B> Movimentação de Terra: </B>0,000 m3</TD></TR></TABLE><p><FONT SIZE=3><B>COMPARAÇÃO"),
              std::string::npos)
        << texto;
}

struct CasoIrregular {
    std::uint8_t incognita;
    double yc;
    char separador;
    const char* metodologia;
    const char* linhaComprimento; // the third input row
    const char* celulaCritica;
};

void PrintTo(const CasoIrregular& c, std::ostream* os) {
    *os << "Incognita " << int(c.incognita) << ", Yc " << c.yc << ", '" << c.separador << "'";
}

class RelatorioIrregularLinhas : public ::testing::TestWithParam<CasoIrregular> {};

TEST_P(RelatorioIrregularLinhas, LengthRowAndCriticalDepthCell) {
    const auto& c = GetParam();
    TSulvoIrregular s = Irregular();
    s.Incognita = c.incognita;
    s.Yc = c.yc;
    const std::string texto = GerarRelatorioIrregular(
                                  s, "Vazão", c.metodologia, Identificacao(),
                                  [] {
                                      return TImagemGrafico{10, 20};
                                  },
                                  Opcoes(c.separador))
                                  .Texto;
    EXPECT_NE(texto.find(c.linhaComprimento), std::string::npos) << texto;
    EXPECT_NE(texto.find(c.celulaCritica), std::string::npos) << texto;
    EXPECT_NE(texto.find(std::string("<B> Metodologia de Cálculo: </B>") + c.metodologia + "</TD></TR></TABLE>"),
              std::string::npos);
    EXPECT_NE(texto.find("<IMG SRC=\"Bit.bmp\" HEIGHT=10 WIDTH=20>"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RelatorioIrregularLinhas,
    ::testing::Values(
        CasoIrregular{0, 0.5, '.', "Convencional", "<TR><TD>" NB4 "<B> Comprimento do Sulvo: </B>500.0 m</TD></TR>",
                      "<TD>" NB4 "<B> Profundidade Crítica: </B>0.500 m</TD>"},
        CasoIrregular{1, 0.5, ',', "Divisão do Sulvo em Seções",
                      "<TR><TD>" NB4 "<B> Comprimento do Sulvo: </B>500,0 m</TD></TR>",
                      "<TD>" NB4 "<B> Profundidade Crítica: </B>0,500 m</TD>"},
        // Exactly zero is a number, not the above-the-banks mark.
        CasoIrregular{2, 0.0, ',', "Convencional", "<TR><TD>" NB4 "<B> Comprimento do Sulvo: </B>500,0 m</TD></TR>",
                      "<TD>" NB4 "<B> Profundidade Crítica: </B>0,000 m</TD>"},
        CasoIrregular{3, -0.001, '.', "Convencional", "<TD>" NB4 "<B> Coeficiente de Rugosidade: </B>0.0312</TD></TR>",
                      "<TD>" NB4 "<B> Profundidade Crítica: </B> Maior que altura </TD>"}));

struct CasoArredondar {
    double valor;
    int esperado;
};

void PrintTo(const CasoArredondar& c, std::ostream* os) {
    *os << c.valor;
}

class ArredondarParTest : public ::testing::TestWithParam<CasoArredondar> {};

TEST_P(ArredondarParTest, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(ArredondarPar(GetParam().valor), GetParam().esperado);
}

// Three quarters of common screen sides, and half differences of window and screen sizes.
INSTANTIATE_TEST_SUITE_P(Casos, ArredondarParTest,
                         ::testing::Values(CasoArredondar{0.75 * 1366, 1024}, CasoArredondar{0.75 * 1362, 1022},
                                           CasoArredondar{0.75 * 1280, 960}, CasoArredondar{0.75 * 1023, 767},
                                           CasoArredondar{0.75 * 1025, 769}, CasoArredondar{0.5, 0},
                                           CasoArredondar{1.5, 2}, CasoArredondar{2.5, 2}, CasoArredondar{-0.5, 0},
                                           CasoArredondar{-1.5, -2}, CasoArredondar{2.4999, 2},
                                           CasoArredondar{2.5001, 3}));

// The curve's table: the spreadsheet's and the clipboard's text, the 20 rows of the appendix and the readout
// between samples, on a curve of 100 depths like the engine's.
TEST(TabelaCurva, TextSamplesAppendixAndReadout) {
    std::vector<TPontoCurva> curva;
    for (int k = 1; k <= 100; ++k)
        curva.push_back({0.02 * k, 3.0 * k, 2.0 * k, 2.5 * k});

    const std::string csv = TabelaCurva({curva[0], curva[99]}, ',', ';');
    EXPECT_EQ(csv, "Profundidade (m);Vazão Convencional (m³/s);Vazão Divisão em Seções (m³/s);"
                   "Vazão Subdivisão por Rugosidade (m³/s)\n"
                   "0,02;2;3;2,5\n2;200;300;250\n");
    EXPECT_EQ(TabelaCurva({curva[4]}, '.', '\t').substr(csv.find('\n') + 1), "0.1\t10\t15\t12.5\n");

    // Every fifth depth, from 5 % of the full depth to the full depth itself.
    const auto amostra = AmostrarCurva(curva, 20);
    ASSERT_EQ(amostra.size(), 20u);
    EXPECT_DOUBLE_EQ(amostra.front().h, 0.1);
    EXPECT_DOUBLE_EQ(amostra[9].h, 1.0);
    EXPECT_DOUBLE_EQ(amostra.back().h, 2.0);
    EXPECT_EQ(AmostrarCurva({curva[0], curva[1]}, 20).size(), 2u);

    std::string texto = "<HTML><BODY>x</BODY></HTML>";
    AnexarTabelaCurva(texto, curva, ',');
    EXPECT_EQ(texto.rfind("</BODY></HTML>"), texto.size() - 14);
    EXPECT_NE(texto.find("<B>Tabela Profundidade × Vazão</B>"), std::string::npos);
    EXPECT_EQ(std::count(texto.begin(), texto.end() - 14, '\n'), 0); // still one line
    std::size_t linhas = 0;
    for (auto p = texto.find("<TR>"); p != std::string::npos; p = texto.find("<TR>", p + 1))
        ++linhas;
    EXPECT_EQ(linhas, 21u); // the heading row and 20 depths
    EXPECT_NE(texto.find("<TD ALIGN=RIGHT>2,000</TD><TD ALIGN=RIGHT>200,000</TD><TD ALIGN=RIGHT>300,000</TD>"
                         "<TD ALIGN=RIGHT>250,000</TD>"),
              std::string::npos);
    std::string vazio = "<BODY></BODY>";
    AnexarTabelaCurva(vazio, {}, ',');
    EXPECT_EQ(vazio, "<BODY></BODY>");

    // Linear between samples, from no discharge at no depth, nothing beyond the curve.
    const auto meio = InterpolarCurva(curva, 0.03);
    ASSERT_TRUE(meio);
    EXPECT_NEAR(meio->QDivisao, 4.5, 1e-12);
    EXPECT_NEAR(meio->QConvencional, 3.0, 1e-12);
    EXPECT_NEAR(InterpolarCurva(curva, 0.01)->QDivisao, 1.5, 1e-12);
    EXPECT_FALSE(InterpolarCurva(curva, 2.01));
    EXPECT_FALSE(InterpolarCurva(curva, -0.01));
    EXPECT_FALSE(InterpolarCurva({}, 0.5));
}
