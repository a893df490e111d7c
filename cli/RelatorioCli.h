#pragma once

#include "engine/uIrregular.h"
#include "report/URelatorio.h"

#include <memory>
#include <string>
#include <vector>

// The report of a calculated problem written without a window: the chart is drawn by the window's own chart
// widgets on Qt's offscreen platform, the document built by the report builder and written as PDF or HTML.
// Only a build with the window's libraries has it.
namespace sulvo::cli {

// The Qt application the charts need, for as long as reports are written: on the offscreen platform unless
// the caller chose another, so no display is needed. It must end before the program does.
class SessaoRelatorio {
public:
    SessaoRelatorio();
    ~SessaoRelatorio();
    SessaoRelatorio(const SessaoRelatorio&) = delete;
    SessaoRelatorio& operator=(const SessaoRelatorio&) = delete;

private:
    struct Aplicacao;
    std::unique_ptr<Aplicacao> aplicacao_;
};

// The regular section `tipo` (0 triangular ... 3 circular) of `secoes`, solved; `arquivo` ends in .pdf or
// .html (.htm); a SessaoRelatorio must be alive. Throws UsageError when the file cannot be written or its extension is
// neither.
void EscreverRelatorioRegular(int tipo, const SecoesRegulares& secoes, const TIDProjeto& id,
                              const std::string& arquivo);
// The irregular section, solved, with its discharge-depth curve for the appendix.
void EscreverRelatorioIrregular(const TSulvoIrregular& secao, const std::vector<TPontoCurva>& curva,
                                const TIDProjeto& id, const std::string& arquivo);

} // namespace sulvo::cli
