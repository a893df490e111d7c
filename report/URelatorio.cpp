#include "report/URelatorio.h"

#include "common/NumberFormat.h"
#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/IdentProjeto.h"

#include <cmath>
#include <string>

namespace sulvo {

namespace {

constexpr const char* kTabela = "<TABLE COLS=2 WIDTH=\"100%\">";
constexpr const char* kRecuo = "<TD>&nbsp;&nbsp;&nbsp;&nbsp;";

std::string Rotulo(const char* texto) {
    return std::string(kRecuo) + "<B> " + texto + ": </B>";
}

// Header lines shared by both reports, up to the start of the input table.
void IdentificacaoEIncognita(TConstrutorRelatorio& r, const TIDProjeto& id, const std::string& incognita) {
    r.Anexar("<FONT SIZE=3><B>IDENTIFICAÇÃO DO PROJETO</B></FONT>");
    r.IdentificacaoRelatorio(id);
    r.Anexar("<P>");
    r.Anexar("<FONT SIZE=3><B>DADOS DE ENTRADA</B></FONT>");
    r.Anexar("<p>&nbsp;&nbsp;&nbsp;&nbsp;<B> INCÓGNITA DO PROBLEMA: </B>");
    r.Anexar(incognita);
    r.Anexar("</p>");
}

void ResultadosEGrafico(TConstrutorRelatorio& r, const std::function<void()>& linhasResultado,
                        const FotografarGrafico& fotografar) {
    r.Anexar("<p>");
    r.Anexar("<FONT SIZE=3><B>RESULTADOS</B></FONT>");
    r.Anexar(kTabela);
    linhasResultado();
    r.Anexar("</TABLE>");
    r.Anexar("<p>");
    r.Anexar("<CENTER>");
    r.Anexar("<TABLE CELLPADDING=3>");
    r.Anexar("<TR>");
    r.Anexar("<TD>");
    r.ImagemGrafico(fotografar);
    r.Anexar("</TD>");
    r.Anexar("</TR>");
    r.Anexar("</TABLE>");
    r.Anexar("</CENTER>");
    r.Anexar("</TD>");
    r.Anexar("</BODY>");
    r.Anexar("</HTML>");
}

// The first two input rows, common to the four regular sections: discharge and depth, slope and roughness.
void EntradaManning(TConstrutorRelatorio& r, const TSulvo& s) {
    r.Anexar("<TR>");
    r.Celula(Rotulo("Vazão"), r.Padrao(s.Q, 2), " m3/s</TD>");
    r.Celula(Rotulo("Profundidade Normal"), r.Padrao(s.H, 3), " m</TD>");
    r.Anexar("</TR>");
    r.Anexar("<TR>");
    r.Celula(Rotulo("Declividade"), r.Padrao(s.I, 4), " m/m</TD>");
    r.Celula(Rotulo("Coeficiente de Rugosidade"), r.Padrao(s.n, 4), "</TD>");
    r.Anexar("</TR>");
}

enum class Prisma { Triangular, Trapezoidal, Retangular };

void EntradaPrismatica(TConstrutorRelatorio& r, const TSulvoR& s, Prisma tipo) {
    EntradaManning(r, s);
    r.Anexar("<TR>");
    r.Celula(Rotulo("Folga"), r.Padrao(s.f, 2), " m</TD>");
    r.Celula(Rotulo("Comprimento do Sulvo"), r.Padrao(s.Comp, 1), " m</TD>");
    r.Anexar("</TR>");
    // The triangle has no base and the rectangle no side slope, so each keeps one cell in the last row.
    r.Anexar("<TR>");
    if (tipo != Prisma::Retangular)
        r.Celula(Rotulo("Inclinação do Talude"), r.Padrao(s.z, 2), "</TD>");
    if (tipo != Prisma::Triangular)
        r.Celula(Rotulo("Largura da Base"), r.Padrao(s.b, 2), "</TD>");
    r.Anexar("</TR>");
}

void EntradaCircular(TConstrutorRelatorio& r, const TSulvoCircular& s) {
    EntradaManning(r, s);
    r.Anexar("<TR>");
    r.Celula(Rotulo("Diâmetro"), r.Padrao(s.D, 2), "</TD>");
    // The depth/diameter ratio is an input only when diameter and depth are both unknown.
    if (s.Incognita == 5)
        r.Celula("<TD>&nbsp;&nbsp;&nbsp;<B> Profundidade/Diâmetro: </B>", r.Padrao(s.T, 2), "</TD>");
    r.Anexar("</TR>");
}

// Results of the regular sections; the circular table writes four of its cells without the indent.
void ResultadoRegular(TConstrutorRelatorio& r, const TSulvo& s, bool circular, double volTerra) {
    auto direita = [circular](const char* texto) {
        return circular ? std::string("<TD><B> ") + texto + ": </B>" : Rotulo(texto);
    };
    r.Anexar("<TR>");
    r.Celula(Rotulo("Área"), r.Fixo(s.A, 4), " m2</TD>");
    r.Celula(direita("Perímetro Molhado"), r.Fixo(s.P, 3), " m</TD>");
    r.Anexar("</TR>");
    r.Anexar("<TR>");
    r.Celula(Rotulo("Largura da Superfície"), r.Fixo(s.S, 3), " m</TD>");
    r.Celula(direita("Profundidade Crítica"), r.Fixo(s.Yc, 3), " m</TD>");
    r.Anexar("</TR>");
    r.Anexar("<TR>");
    r.Celula(Rotulo("Número de Froude"), r.Fixo(s.NF, 3), "</TD>");
    r.Celula(direita("Regime de Escoamento"), s.Regime, "</TD>");
    r.Anexar("</TR>");
    r.Anexar("<TR>");
    r.Celula(Rotulo("Velocidade"), r.Fixo(s.V, 3), " m/s</TD>");
    r.Celula(direita("Energia Específica"), r.Fixo(s.E, 3), " m</TD>");
    r.Anexar("</TR>");
    if (!circular) {
        r.Anexar("<TR>");
        r.Celula(Rotulo("Movimentação de Terra"), r.Fixo(volTerra, 3), " m3</TD>");
        r.Anexar("</TR>");
    }
}

struct TipoRegular {
    const char* titulo;
    const char* legenda;
};

constexpr std::array<TipoRegular, 4> kTiposRegulares{{
    {"Dimensionamento de Canais Triangulares", "Relatório - Dimensionamento de Canais Triangulares"},
    {"Dimensionamento de Canais Trapezoidais", "Relatório - Dimensionamento de Canais Trapezoidais"},
    {"Dimensionamento de Canais Retangulares", "Relatório - Dimensionamento de Canais Retangulares"},
    {"Dimensionamento de Canais Circulares", "Relatório - Dimensionamento de Canais Circulares"},
}};

} // namespace

void TConstrutorRelatorio::CabecalhoRelatorio(const std::string& titulo, const std::string& imagemBanner) {
    TextoRelatorio.clear();
    Anexar("<HTML>");
    Anexar("<HEAD>");
    Anexar("<META NAME=\"Author\" CONTENT=\"" + opcoes_.Autor + "\">");
    Anexar("<TITLE>" + titulo + "</TITLE>");
    Anexar("</HEAD>");
    Anexar("<FONT FACE=\"Arial\"><FONT COLOR=\"#000099\"><FONT SIZE=-2>Data de emissão do relatório: ");
    Anexar(opcoes_.DataEmissao);
    Anexar("</FONT></FONT></FONT>");
    Anexar("<P>");
    Anexar(imagemBanner);
    Anexar("<HR>");
    Anexar("<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#0000FF\" VLINK=\"#800080\" ALINK=\"#FF0000\">");
    Anexar("<CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>RELATÓRIO</B></FONT></FONT></CENTER>");
    Anexar("<CENTER><FONT FACE=\"Arial\"><FONT SIZE=3><B>" + titulo + "</B></FONT></FONT></CENTER>");
    Anexar("<HR>");
    Anexar("<P>");
}

namespace {

// The identification is typed by the user: a name such as "Canal <Norte>" or "A & B" must print as typed
// instead of being taken for markup by the viewer.
std::string EscaparHtml(const std::string& texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (char c : texto) {
        switch (c) {
        case '&':
            saida += "&amp;";
            break;
        case '<':
            saida += "&lt;";
            break;
        case '>':
            saida += "&gt;";
            break;
        case '"':
            saida += "&quot;";
            break;
        default:
            saida.push_back(c);
        }
    }
    return saida;
}

} // namespace

void TConstrutorRelatorio::IdentificacaoRelatorio(const TIDProjeto& id) {
    Anexar(kTabela);
    Anexar("<TR>");
    Celula("<TD>&nbsp;&nbsp;&nbsp;&nbsp;<B>Nome: </B>", EscaparHtml(id.Nome), "</TD>");
    Celula("<TD><B>Empresa: </B>", EscaparHtml(id.Empresa), "</TD>");
    Anexar("</TR>");
    Anexar("<TR>");
    Celula("<TD>&nbsp;&nbsp;&nbsp;&nbsp;<B>Técnico: </B>", EscaparHtml(id.Tecnico), "</TD>");
    Celula("<TD><B>Local: </B>", EscaparHtml(id.Local), "</TD>");
    Anexar("</TR>");
    Anexar("<TR>");
    Celula("<TD>&nbsp;&nbsp;&nbsp;&nbsp;<B>Estado: </B>", EscaparHtml(id.Estado), "</TD>");
    Celula("<TD><B>Data: </B>", EscaparHtml(id.Data), "</TD>");
    Anexar("</TR>");
    Anexar("</TABLE>");
}

void TConstrutorRelatorio::ImagemGrafico(const FotografarGrafico& fotografar) {
    const TImagemGrafico img = fotografar();
    Anexar("<CENTER><IMG SRC=\"Bit.bmp\" HEIGHT=");
    Anexar(std::to_string(img.Altura));
    Anexar(" WIDTH=");
    Anexar(std::to_string(img.Largura));
    Anexar("></CENTER>");
}

void TConstrutorRelatorio::Celula(const std::string& abertura, const std::string& valor, const char* fechamento) {
    Anexar(abertura);
    Anexar(valor);
    Anexar(fechamento);
}

// The inputs as their fields show them: never "0,0000" for a slope of 0,00003.
std::string TConstrutorRelatorio::Padrao(double valor, int decimais) const {
    return FormatarEntrada(valor, decimais, opcoes_.Separador);
}

std::string TConstrutorRelatorio::Fixo(double valor, int decimais) const {
    return FormatarFixo(valor, decimais, opcoes_.Separador);
}

TRelatorio GerarRelatorioRegular(int IndSulvoReg, const SecoesRegulares& secoes, const std::string& incognita,
                                 const TIDProjeto& id, const std::array<FotografarGrafico, 4>& graficos,
                                 const OpcoesRelatorio& opcoes) {
    if (IndSulvoReg < 0 || IndSulvoReg > 3)
        throw std::out_of_range("IndSulvoReg fora de 0..3");
    const TipoRegular& tipo = kTiposRegulares[IndSulvoReg];

    TConstrutorRelatorio r(opcoes);
    // The regular report names the banner by its absolute file name.
    r.CabecalhoRelatorio(tipo.titulo, "<CENTER><IMG SRC=\"" + opcoes.PastaExecutavel +
                                          "Cabecalho.jpg\" HEIGHT=62 WIDTH=550></CENTER>");
    IdentificacaoEIncognita(r, id, incognita);

    r.Anexar(kTabela);
    const TSulvo* secao = nullptr;
    double volTerra = 0;
    switch (IndSulvoReg) {
    case 0:
        EntradaPrismatica(r, secoes.Triangular, Prisma::Triangular);
        secao = &secoes.Triangular;
        volTerra = secoes.Triangular.Vol_Terra;
        break;
    case 1:
        EntradaPrismatica(r, secoes.Trapezoidal, Prisma::Trapezoidal);
        secao = &secoes.Trapezoidal;
        volTerra = secoes.Trapezoidal.Vol_Terra;
        break;
    case 2:
        EntradaPrismatica(r, secoes.Retangular, Prisma::Retangular);
        secao = &secoes.Retangular;
        volTerra = secoes.Retangular.Vol_Terra;
        break;
    default:
        EntradaCircular(r, secoes.Circular);
        secao = &secoes.Circular;
        break;
    }
    r.Anexar("</TABLE>");

    const bool circular = IndSulvoReg == 3;
    ResultadosEGrafico(
        r, [&] { ResultadoRegular(r, *secao, circular, volTerra); }, graficos[IndSulvoReg]);
    return {tipo.titulo, tipo.legenda, std::move(r.TextoRelatorio)};
}

TRelatorio GerarRelatorioIrregular(const TSulvoIrregular& s, const std::string& incognita,
                                   const std::string& metodologia, const TIDProjeto& id,
                                   const FotografarGrafico& grafico, const OpcoesRelatorio& opcoes) {
    const std::string titulo = "Dimensionamento de Canais Irregulares";
    TConstrutorRelatorio r(opcoes);
    // The irregular report names the banner relative to the document, at a height of 67.
    r.CabecalhoRelatorio(titulo, "<CENTER><IMG SRC=\"Cabecalho.jpg\" HEIGHT=67 WIDTH=550></CENTER>");
    IdentificacaoEIncognita(r, id, incognita);

    r.Anexar(kTabela);
    r.Anexar("<TR>");
    r.Celula(Rotulo("Vazão"), r.Padrao(s.Q, 2), " m3/s</TD>");
    r.Celula(Rotulo("Largura da Superfície"), r.Padrao(s.S, 2), " m</TD>");
    r.Anexar("</TR>");
    r.Anexar("<TR>");
    r.Celula(Rotulo("Profundidade Normal"), r.Padrao(s.H, 3), " m</TD>");
    r.Celula(Rotulo("Declividade"), r.Padrao(s.I, 4), " m/m</TD>");
    r.Anexar("</TR>");
    r.Anexar("<TR>");
    r.Celula(Rotulo("Comprimento do Sulvo"), r.Padrao(s.Comp, 1), " m</TD>");
    // The single roughness is an input of the other unknowns only through the intervals, so it is
    // reported only when it was computed.
    if (s.Incognita == 3)
        r.Celula(Rotulo("Coeficiente de Rugosidade"), r.Padrao(s.n, 4), "</TD>");
    r.Anexar("</TR>");
    r.Anexar("<TR>");
    r.Celula(Rotulo("Metodologia de Cálculo"), metodologia, "</TD>");
    r.Anexar("</TR>");
    r.Anexar("</TABLE>");

    ResultadosEGrafico(
        r,
        [&] {
            r.Anexar("<TR>");
            r.Celula(Rotulo("Área"), r.Fixo(s.A, 4), " m2</TD>");
            r.Celula(Rotulo("Perímetro Molhado"), r.Fixo(s.P, 3), " m</TD>");
            r.Anexar("</TR>");
            r.Anexar("<TR>");
            // A negative critical depth is the engine's mark for a critical level above the banks.
            if (s.Yc < 0)
                r.Anexar(Rotulo("Profundidade Crítica") + " Maior que altura </TD>");
            else
                r.Celula(Rotulo("Profundidade Crítica"), r.Fixo(s.Yc, 3), " m</TD>");
            r.Celula(Rotulo("Número de Froude"), r.Fixo(s.NF, 3), "</TD>");
            r.Anexar("</TR>");
            r.Anexar("<TR>");
            r.Celula(Rotulo("Regime de Escoamento"), s.Regime, "</TD>");
            r.Celula(Rotulo("Velocidade"), r.Fixo(s.V, 3), " m/s</TD>");
            r.Anexar("</TR>");
            r.Anexar("<TR>");
            r.Celula(Rotulo("Energia Específica"), r.Fixo(s.E, 3), " m</TD>");
            r.Celula(Rotulo("Movimentação de Terra"), r.Fixo(s.Vol_Terra, 3), " m3</TD>");
            r.Anexar("</TR>");
        },
        grafico);
    return {titulo, "Relatório - Dimensionamento de Canais Irregulares", std::move(r.TextoRelatorio)};
}

int ArredondarPar(double valor) {
    const double baixo = std::floor(valor);
    const double resto = valor - baixo;
    double inteiro = baixo;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(baixo, 2.0) != 0.0))
        inteiro = baixo + 1;
    return static_cast<int>(inteiro);
}

} // namespace sulvo
