#pragma once

#include "project/DialogService.h"

namespace sulvo {

// Passes every dialog on to the window's service, except while silenced: then messages vanish and every
// question is answered No (or Cancel). A project reopened is recalculated this way, so the user sees its
// results again without any of the boxes a calculation may raise.
class TDialogosSilenciaveis final : public IDialogService {
public:
    explicit TDialogosSilenciaveis(IDialogService& destino) : destino_(destino) {}

    // Silences the service for the lifetime of the object.
    class Silencio {
    public:
        explicit Silencio(TDialogosSilenciaveis& d) : d_(d), antes_(d.silencioso_) { d_.silencioso_ = true; }
        ~Silencio() { d_.silencioso_ = antes_; }
        Silencio(const Silencio&) = delete;
        Silencio& operator=(const Silencio&) = delete;

    private:
        TDialogosSilenciaveis& d_;
        bool antes_;
    };

    void Mensagem(const std::string& texto) override {
        if (!silencioso_)
            destino_.Mensagem(texto);
    }
    void Erro(const std::string& texto) override {
        if (!silencioso_)
            destino_.Erro(texto);
    }
    bool PerguntarSimNao(const std::string& texto) override { return !silencioso_ && destino_.PerguntarSimNao(texto); }
    Resposta PerguntarSimNaoCancelar(const std::string& texto) override {
        return silencioso_ ? Resposta::Cancelar : destino_.PerguntarSimNaoCancelar(texto);
    }
    std::optional<std::string> AbrirArquivo(const OpcoesArquivo& opcoes) override {
        return silencioso_ ? std::nullopt : destino_.AbrirArquivo(opcoes);
    }
    std::optional<std::string> SalvarArquivo(const OpcoesArquivo& opcoes) override {
        return silencioso_ ? std::nullopt : destino_.SalvarArquivo(opcoes);
    }
    void ConfigurarImpressora() override {
        if (!silencioso_)
            destino_.ConfigurarImpressora();
    }
    bool Imprimir(QPrinter& impressora) override { return !silencioso_ && destino_.Imprimir(impressora); }
    // A window is opened by the user, never by the silent recalculation, so it always passes.
    int ExibirModal(QDialog& dialogo) override { return destino_.ExibirModal(dialogo); }

private:
    IDialogService& destino_;
    bool silencioso_ = false;
};

} // namespace sulvo
