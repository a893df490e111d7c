#pragma once

#include <QString>
#include <QUrl>

#include <array>
#include <functional>

namespace sulvo {

class IDialogService;

// One of the four web pages of the "Internet" tool bar, chosen by the button's Tag.
struct TPaginaInternet {
    int Tag;
    const char* Componente; // name of the tool-bar button
    QString Nome;
    QString Endereco;

    // The button's hint: the page's name with its address in parentheses.
    QString Dica() const;
};

// From left to right: the institution, the department, the research group and Sulvo's own page.
const std::array<TPaginaInternet, 4>& PaginasInternet();
// The page of a Tag, or nullptr for a Tag outside 1 to 4.
const TPaginaInternet* PaginaInternet(int tag);

// PaginaInternetClick of the four buttons: hands the page's address to the browser and reports a failure.
class TInternet {
public:
    // Opens an address in the user's browser; false when it could not.
    using Navegador = std::function<bool(const QUrl&)>;

    static constexpr const char* kMensagemFalha = "Não foi possível abrir a página escolhida.";

    // Without a navigator the desktop's own (QDesktopServices::openUrl) is used.
    explicit TInternet(IDialogService& dialogos, Navegador navegador = {});

    // True when the page was handed to the browser; a Tag outside 1 to 4 opens nothing.
    bool PaginaInternetClick(int tag);

private:
    IDialogService& dialogos_;
    Navegador navegador_;
};

} // namespace sulvo
