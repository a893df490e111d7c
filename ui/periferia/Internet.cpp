#include "ui/periferia/Internet.h"

#include "project/DialogService.h"

#include <QDesktopServices>

#include <utility>

namespace sulvo {

const std::array<TPaginaInternet, 4>& PaginasInternet() {
    // The maker's pages. The addresses live only here: changing the site means changing this table.
    static const std::array<TPaginaInternet, 4> paginas = {{
        {1, "BtPaginaInstituicao", QStringLiteral("Página da instituição"),
         QStringLiteral("https://sulvo.example.org/instituicao/")},
        {2, "BtPaginaDepartamento", QStringLiteral("Página do departamento de engenharia"),
         QStringLiteral("https://sulvo.example.org/departamento/")},
        {3, "BtPaginaGrupo", QStringLiteral("Página do grupo de pesquisa em hidráulica"),
         QStringLiteral("https://sulvo.example.org/grupo/")},
        {4, "BtPaginaSulvo", QStringLiteral("Página do Sulvo"), QStringLiteral("https://sulvo.example.org/")},
    }};
    return paginas;
}

QString TPaginaInternet::Dica() const {
    return QStringLiteral("%1 (%2)").arg(Nome, Endereco);
}

const TPaginaInternet* PaginaInternet(int tag) {
    for (const TPaginaInternet& pagina : PaginasInternet())
        if (pagina.Tag == tag)
            return &pagina;
    return nullptr;
}

TInternet::TInternet(IDialogService& dialogos, Navegador navegador)
    : dialogos_(dialogos), navegador_(std::move(navegador)) {
    if (!navegador_)
        navegador_ = [](const QUrl& endereco) { return QDesktopServices::openUrl(endereco); };
}

bool TInternet::PaginaInternetClick(int tag) {
    const TPaginaInternet* pagina = PaginaInternet(tag);
    if (!pagina)
        return false;
    if (navegador_(QUrl(pagina->Endereco)))
        return true;
    dialogos_.Erro(kMensagemFalha);
    return false;
}

} // namespace sulvo
