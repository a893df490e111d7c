#pragma once

class QWidget;

namespace sulvo {

class TFPrincipal;
class TPaginaTrabalho;

// The two work pages of the main window, built for the window that shows them. Each page class
// replaces its placeholder here.
TPaginaTrabalho* CriarPaginaRegular(TFPrincipal& principal, QWidget* pai);
TPaginaTrabalho* CriarPaginaIrregular(TFPrincipal& principal, QWidget* pai);

} // namespace sulvo
