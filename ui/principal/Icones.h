#pragma once

#include <QIcon>
#include <QPixmap>

namespace sulvo {

// The pictures of the menus and toolbars, drawn in code so that no image file has to travel with the program.
enum class TIcone {
    Novo,
    Abrir,
    Salvar,
    Fechar,
    Identificacao,
    Triangular,
    Trapezoidal,
    Retangular,
    Circular,
    Irregular,
    Impressora,
    Sobre,
    Sair,
    Instituicao,
    Departamento,
    Grupo,
    PaginaSulvo,
    Aplicacao,
};

QIcon Icone(TIcone icone);

// The opening picture of the page "inicial": a lined channel in cross-section under the program's name.
QPixmap FiguraAbertura(QSize tamanho);

} // namespace sulvo
