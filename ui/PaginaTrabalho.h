#pragma once

#include <QWidget>

namespace sulvo {

// A work page of the main window ("Regulares", "Irregulares"). The frame's project handlers drive both
// pages through these operations, the regular page first, in the orders the project commands need;
// a page keeps the default where it has nothing to do. Header only (no signals), so that the page
// libraries can derive from it without linking the window.
class TPaginaTrabalho : public QWidget {
public:
    using QWidget::QWidget;

    // Removes every point of the page's chart series (the data reset of new, open and close).
    virtual void LimparSeries() {}
    // Copies the page's input fields into the models.
    virtual void LerCamposDados() {}
    // Fills the page's fields from the models (after an open).
    virtual void PreencherCamposDados() {}
    // Empties the page's fields (new, open and close).
    virtual void LimparCamposDados() {}
    // Whether the page takes input: a project is open (enabled together with the project commands).
    virtual void HabilitarCampos(bool habilitar) { Q_UNUSED(habilitar); }
    // The main window became the active window again (also when a modal dialog above it closed).
    virtual void Ativar() {}
    // The "Tipos de Canais" menu chose a regular section type (0 triangular ... 3 circular).
    virtual void SelecionarTipo(int indice) { Q_UNUSED(indice); }
};

} // namespace sulvo
