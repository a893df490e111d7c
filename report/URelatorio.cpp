#include "report/URelatorio.h"

#include "common/NumberFormat.h"
#include "engine/FaixaRugosidade.h"
#include "engine/uIrregular.h"
#include "engine/uRetangular.h"
#include "engine/uTrapezoidal.h"
#include "engine/uTriangular.h"
#include "engine/ucircular.h"
#include "project/IdentProjeto.h"
#include "report/RelatorioMetodos.h"

#include <cmath>
#include <optional>
#include <string>

namespace sulvo {

namespace {

std::string EscaparHtml(const std::string& texto);

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

// `aposResultados` adds what follows the results table (the irregular report's comparison of the methods).
void ResultadosEGrafico(TConstrutorRelatorio& r, const std::function<void()>& linhasResultado,
                        const FotografarGrafico& fotografar, const std::vector<std::string>& avisos,
                        const TSulvo& secao, const std::function<void()>& aposResultados = {}) {
    r.Anexar("<p>");
    r.Anexar("<FONT SIZE=3><B>RESULTADOS</B></FONT>");
    r.Anexar(kTabela);
    linhasResultado();
    r.Anexar("</TABLE>");
    // The unknown with the tables' minimum and maximum n, when n was picked from a table.
    if (const std::optional<TResultadoFaixa> faixa = CalcularFaixaN(secao)) {
        r.Anexar("<p>&nbsp;&nbsp;&nbsp;&nbsp;");
        r.Anexar(EscaparHtml(TextoFaixaN(*faixa, r.Opcoes().Separador, true)));
    }
    if (aposResultados)
        aposResultados();
    // What the calculation noticed beside its results, one line each; nothing when it noticed nothing.
    if (!avisos.empty()) {
        r.Anexar("<p>");
        r.Anexar("<FONT SIZE=3><B>Observações</B></FONT>");
        r.Anexar("<p>");
        for (std::size_t k = 0; k < avisos.size(); ++k)
            r.Anexar((k ? "<BR>" : "") + EscaparHtml(avisos[k]));
    }
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

// The cells of a section's table, two to a row as the description lists them. The circle's results write
// their second cell without the indent; a field the section takes as an input only with one unknown is written
// with an indent one space narrower; one shown only as its unknown's result, with the usual indent.
void CelulasSecao(TConstrutorRelatorio& r, const TSulvo& s, std::initializer_list<const char*> chaves, bool entradas) {
    const TDescricaoSecao& d = s.Descricao();
    auto& secao = const_cast<TSulvo&>(s); // the description's accessors serve reading and writing alike
    int coluna = 0;
    for (const char* chave : chaves) {
        const TCampoSecao& campo = *d.Campo(chave);
        if (campo.SoComIncognita >= 0 && campo.SoComIncognita != s.Incognita)
            continue;
        if (coluna == 0)
            r.Anexar("<TR>");
        std::string rotulo = Rotulo(campo.Nome);
        if (campo.SoComIncognita >= 0 && !d.Resolve(campo.SoComIncognita, campo.Chave))
            rotulo = std::string("<TD>&nbsp;&nbsp;&nbsp;<B> ") + campo.Nome + ": </B>";
        else if (!entradas && coluna == 1 && d.Tipo == kCircular)
            rotulo = std::string("<TD><B> ") + campo.Nome + ": </B>";
        std::string valor;
        std::string fechamento =
            campo.UnidadeRelatorio ? std::string(" ") + campo.UnidadeRelatorio + "</TD>" : std::string("</TD>");
        if (campo.Tipo == TipoValor::Texto) {
            valor = campo.Texto(secao);
        } else if (campo.TextoNegativo && campo.Real(secao) < 0) {
            // The engine's mark for a value it did not find: the word alone, without the unit.
            valor = std::string(" ") + campo.TextoNegativo + " ";
            fechamento = "</TD>";
        } else {
            // A typed value keeps every digit the user gave; a value the calculation produced (the unknown, or a
            // measure such as the irregular section's top width) is written with the field's decimals, like the
            // results beside it, instead of ten significant digits of arithmetic (the page's solved field still
            // offers those to whoever wants them).
            const bool digitado = entradas && campo.Entrada && !d.Resolve(s.Incognita, campo.Chave);
            valor = digitado ? r.Padrao(campo.Real(secao), campo.Decimais) : r.Fixo(campo.Real(secao), campo.Decimais);
        }
        r.Celula(rotulo, valor, fechamento.c_str());
        if (++coluna == 2) {
            r.Anexar("</TR>");
            coluna = 0;
        }
    }
    if (coluna == 1)
        r.Anexar("</TR>");
}

struct TipoRegular {
    const char* titulo;
    const char* legenda;
};

constexpr std::array<TipoRegular, 4> kTitulosRegulares{{
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

TRelatorio GerarRelatorioRegular(int IndSulvoReg, const SecoesRegulares& regulares, const std::string& incognita,
                                 const TIDProjeto& id, const std::array<FotografarGrafico, 4>& graficos,
                                 const OpcoesRelatorio& opcoes) {
    if (IndSulvoReg < 0 || IndSulvoReg > 3)
        throw std::out_of_range("IndSulvoReg fora de 0..3");
    const TipoRegular& tipo = kTitulosRegulares[IndSulvoReg];

    TConstrutorRelatorio r(opcoes);
    // The regular report names the banner by its absolute file name.
    r.CabecalhoRelatorio(tipo.titulo, "<CENTER><IMG SRC=\"" + opcoes.PastaExecutavel +
                                          "Cabecalho.jpg\" HEIGHT=62 WIDTH=550></CENTER>");
    IdentificacaoEIncognita(r, id, incognita);

    const TSulvo* secoes[] = {&regulares.Triangular, &regulares.Trapezoidal, &regulares.Retangular,
                              &regulares.Circular};
    const TSulvo& secao = *secoes[IndSulvoReg];
    r.Anexar(kTabela);
    CelulasSecao(r, secao, secao.Descricao().Entradas, true);
    r.Anexar("</TABLE>");

    ResultadosEGrafico(
        r, [&] { CelulasSecao(r, secao, secao.Descricao().Resultados, false); }, graficos[IndSulvoReg], secao.Avisos,
        secao);
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
    CelulasSecao(r, s, s.Descricao().Entradas, true);
    r.Anexar("<TR>");
    r.Celula(Rotulo("Metodologia de Cálculo"), metodologia, "</TD>");
    r.Anexar("</TR>");
    // The subdivision's bank stations: the main channel lies between them (the ends when none was set).
    if (s.Metodologia == 2) {
        r.Anexar("<TR>");
        r.Celula(Rotulo("Margem esquerda"), r.Padrao(MargemEsquerdaEfetiva(s), 2), " m</TD>");
        r.Celula(Rotulo("Margem direita"), r.Padrao(MargemDireitaEfetiva(s), 2), " m</TD>");
        r.Anexar("</TR>");
    }
    r.Anexar("</TABLE>");

    const TComparacaoMetodos metodos = CompararMetodosDoRelatorio(s, opcoes.Separador);
    std::vector<std::string> avisos = s.Avisos;
    if (!metodos.Aviso.empty())
        avisos.push_back(metodos.Aviso);

    ResultadosEGrafico(
        r,
        [&] {
            CelulasSecao(r, s, s.Descricao().Resultados, false);
            if (s.Metodologia == 2) {
                const TCampoSecao& alfa = *s.Descricao().Campo("Alfa");
                r.Anexar("<TR>");
                r.Celula(Rotulo(alfa.Nome), r.Fixo(s.Alfa, alfa.Decimais), "</TD>");
                r.Anexar("</TR>");
            }
        },
        grafico, avisos, s, [&] { AnexarTabelaMetodos(r, metodos); });
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
