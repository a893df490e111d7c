#pragma once

#include "common/Prompt.h"

#include <optional>
#include <string>

class QDialog;
class QPrinter;

namespace sulvo {

// Answer of a Yes/No/Cancel box; closing the box without choosing is Cancelar.
enum class Resposta { Sim, Nao, Cancelar };

// What a file dialog is asked to show.
struct OpcoesArquivo {
    std::string titulo;         // window title ("Salvar Como"); empty for the toolkit's own
    std::string filtro;         // e.g. "Projetos Sulvo (*.svo)"
    std::string extensaoPadrao; // added when the user types a name without one, e.g. "svo"
    std::string nomeSugerido;   // file name proposed in the dialog
    std::string pasta;          // starting folder; empty for the last one used
};

// Every message box, file dialog, print dialog and modal window the program shows goes through this interface,
// so that the document manager and every window can be driven by tests with scripted answers.
class IDialogService {
public:
    virtual ~IDialogService() = default;
    virtual void Mensagem(const std::string& texto) = 0;        // plain box, OK
    virtual void Erro(const std::string& texto) = 0;            // error box captioned "Sulvo"
    virtual bool PerguntarSimNao(const std::string& texto) = 0; // question box; true for Yes
    virtual Resposta PerguntarSimNaoCancelar(const std::string& texto) = 0;
    // A question whose three buttons the caller names: the first answers Sim, the second Nao, the third
    // (and closing the box) Cancelar. A service without named buttons asks it as Yes/No/Cancel.
    virtual Resposta PerguntarTresOpcoes(const std::string& texto, const std::string& sim, const std::string& nao,
                                         const std::string& cancelar) {
        (void)sim, (void)nao, (void)cancelar;
        return PerguntarSimNaoCancelar(texto);
    }
    // Full path of the chosen file, or nothing when the user cancels.
    virtual std::optional<std::string> AbrirArquivo(const OpcoesArquivo& opcoes) = 0;
    virtual std::optional<std::string> SalvarArquivo(const OpcoesArquivo& opcoes) = 0;
    virtual void ConfigurarImpressora() = 0;
    // The print dialog of a report: sets up `impressora` from the printer and paper chosen under "Configurar
    // Impressora", lets the user change them, and answers whether to print.
    virtual bool Imprimir(QPrinter& impressora) = 0;
    // Shows one of the program's own windows modally (the identification, the roughness tables, the point and
    // interval windows, the report) and returns its result, QDialog::Accepted or QDialog::Rejected. A test's
    // service fills in and closes the real window without a nested event loop.
    virtual int ExibirModal(QDialog& dialogo) = 0;
};

// The engine's messages and its non-convergence question, asked through the dialog service.
class TPromptDialogos final : public IPrompt {
public:
    explicit TPromptDialogos(IDialogService& dialogos) : dialogos_(dialogos) {}
    void Mensagem(const std::string& texto) override { dialogos_.Mensagem(texto); }
    bool Confirmar(const std::string& pergunta) override { return dialogos_.PerguntarSimNao(pergunta); }

private:
    IDialogService& dialogos_;
};

} // namespace sulvo
