#pragma once

#include <array>
#include <functional>
#include <stdexcept>
#include <string>

namespace sulvo {

class TIDProjeto;
class TSulvoTriangular;
class TSulvoTrapezoidal;
class TSulvoRetangular;
class TSulvoCircular;
class TSulvoIrregular;

// Size in pixels of the chart picture the report refers to as "Bit.bmp".
struct TImagemGrafico {
    int Altura = 0;
    int Largura = 0;
};

// The chart picture could not be written; the message is the one the user sees.
class ErroImagemGrafico : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Pictures one chart into "Bit.bmp" and returns the picture's size; throws ErroImagemGrafico when the
// file cannot be written.
using FotografarGrafico = std::function<TImagemGrafico()>;

// What the report takes from the user's regional settings and the installation.
struct OpcoesRelatorio {
    char Separador = ',';        // decimal separator of the numbers
    std::string DataEmissao;     // today's date in the user's short date format
    std::string PastaExecutavel; // folder of the banner "Cabecalho.jpg", ending in a path separator
    std::string Autor = "Sulvo"; // CONTENT of the Author META element
};

// One report: the HTML text (a single line) and the captions it gives the report window.
struct TRelatorio {
    std::string Titulo;  // the document's TITLE, also the name of the print job
    std::string Legenda; // the report window's caption
    std::string Texto;
};

// The four regular sections as the regular page holds them, in the order of IndSulvoReg.
struct SecoesRegulares {
    const TSulvoTriangular& Triangular;
    const TSulvoTrapezoidal& Trapezoidal;
    const TSulvoRetangular& Retangular;
    const TSulvoCircular& Circular;
};

// Appends the report pieces one after the other into TextoRelatorio; no separators, no line breaks.
// Inserted texts (identification, captions, regime) go in as they are, without HTML escaping.
class TConstrutorRelatorio {
public:
    explicit TConstrutorRelatorio(OpcoesRelatorio opcoes) : opcoes_(std::move(opcoes)) {}

    // Starts a new document: HTML head with TITLE, date line, banner, BODY and the two centred titles.
    // `imagemBanner` is the whole IMG element of the banner, which differs between the two reports.
    void CabecalhoRelatorio(const std::string& titulo, const std::string& imagemBanner);
    // The two-column identification table of the project.
    void IdentificacaoRelatorio(const TIDProjeto& id);
    // Pictures the chart and writes its image element, height before width.
    void ImagemGrafico(const FotografarGrafico& fotografar);

    void Anexar(const std::string& peca) { TextoRelatorio += peca; }
    // A table cell: its opening text, the value and its closing text.
    void Celula(const std::string& abertura, const std::string& valor, const char* fechamento);
    std::string Padrao(double valor, int decimais) const;
    std::string Fixo(double valor, int decimais) const;

    const OpcoesRelatorio& Opcoes() const { return opcoes_; }

    std::string TextoRelatorio;

private:
    OpcoesRelatorio opcoes_;
};

// Report of the regular section selected by IndSulvoReg (0 triangular, 1 trapezoidal, 2 rectangular,
// 3 circular); `graficos` are the four section charts in the same order, and only the reported one is
// pictured. `incognita` is the caption the unknown selector shows. Throws std::out_of_range for any
// other IndSulvoReg and lets ErroImagemGrafico through.
TRelatorio GerarRelatorioRegular(int IndSulvoReg, const SecoesRegulares& secoes, const std::string& incognita,
                                 const TIDProjeto& id, const std::array<FotografarGrafico, 4>& graficos,
                                 const OpcoesRelatorio& opcoes);

// Report of the irregular section; `incognita` and `metodologia` are the captions of the irregular
// page's unknown and method selectors.
TRelatorio GerarRelatorioIrregular(const TSulvoIrregular& secao, const std::string& incognita,
                                   const std::string& metodologia, const TIDProjeto& id,
                                   const FotografarGrafico& grafico, const OpcoesRelatorio& opcoes);

// Nearest whole number, an exact half going to the even neighbour (window limits and centring).
int ArredondarPar(double valor);

} // namespace sulvo
