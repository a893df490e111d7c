#include "FabricaPaginas.h"

#include "PaginaTrabalho.h"

#include <QLabel>
#include <QVBoxLayout>

namespace sulvo {
namespace {

// Stands in for a work page that is not built yet: a caption on an empty page.
TPaginaTrabalho* PaginaProvisoria(const QString& titulo, QWidget* pai) {
    auto* pagina = new TPaginaTrabalho(pai);
    auto* layout = new QVBoxLayout(pagina);
    auto* rotulo = new QLabel(titulo, pagina);
    rotulo->setAlignment(Qt::AlignCenter);
    layout->addWidget(rotulo);
    return pagina;
}

} // namespace

TPaginaTrabalho* CriarPaginaRegular(TFPrincipal&, QWidget* pai) {
    return PaginaProvisoria(QStringLiteral("Regulares"), pai);
}

TPaginaTrabalho* CriarPaginaIrregular(TFPrincipal&, QWidget* pai) {
    return PaginaProvisoria(QStringLiteral("Irregulares"), pai);
}

} // namespace sulvo
