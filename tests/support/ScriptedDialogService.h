#pragma once

// A dialog service for tests: every question and file dialog is answered from a script given in
// advance, everything asked is recorded in order, and a question the script does not expect (or
// expects with another text) is a test failure. Plain C++: the failure goes to a hook, which
// defaults to GoogleTest's ADD_FAILURE or Qt Test's qFail when either header was included first.
// Unexpected questions get the safest answer (Cancel, No, no file), so the code under test stops.
// Modal windows go to a handler the Qt tests attach (a script of windows that fills each one in and closes
// it); without a handler a modal window is unexpected and is answered as closed.

#include "project/DialogService.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sulvo::testing {

class ScriptedDialogService : public IDialogService {
public:
    enum class Tipo { Mensagem, Erro, SimNao, SimNaoCancelar, AbrirArquivo, SalvarArquivo, Impressora, Imprimir };

    // One thing the code under test asked, with the options of a file dialog.
    struct Pedido {
        Tipo tipo;
        std::string texto;
        OpcoesArquivo opcoes;
    };

    using Falha = std::function<void(const std::string& mensagem)>;
    // Shows a modal window and returns its result, as ExibirModal does.
    using Modal = std::function<int(QDialog&)>;

    explicit ScriptedDialogService(Falha falha = FalhaPadrao()) : falha_(std::move(falha)) {}

    // Answers still pending when the service goes away were expected and never asked.
    ~ScriptedDialogService() override {
        if (!roteiro_.empty())
            Falhar("scripted dialog never asked: " + Descrever(roteiro_.front().tipo, roteiro_.front().texto));
    }

    // Script: each call expects one more question, in this order. A text of std::nullopt accepts any text.
    ScriptedDialogService& SimNao(std::optional<std::string> texto, bool resposta) {
        roteiro_.push_back({Tipo::SimNao, std::move(texto), resposta ? Resposta::Sim : Resposta::Nao, {}});
        return *this;
    }
    ScriptedDialogService& SimNaoCancelar(std::optional<std::string> texto, Resposta resposta) {
        roteiro_.push_back({Tipo::SimNaoCancelar, std::move(texto), resposta, {}});
        return *this;
    }
    // std::nullopt as the path: the user cancels the dialog.
    ScriptedDialogService& Abrir(std::optional<std::string> caminho) {
        roteiro_.push_back({Tipo::AbrirArquivo, std::nullopt, Resposta::Cancelar, std::move(caminho)});
        return *this;
    }
    ScriptedDialogService& Salvar(std::optional<std::string> caminho) {
        roteiro_.push_back({Tipo::SalvarArquivo, std::nullopt, Resposta::Cancelar, std::move(caminho)});
        return *this;
    }
    ScriptedDialogService& EsperarMensagem(std::optional<std::string> texto) {
        roteiro_.push_back({Tipo::Mensagem, std::move(texto), Resposta::Cancelar, {}});
        return *this;
    }
    ScriptedDialogService& EsperarErro(std::optional<std::string> texto) {
        roteiro_.push_back({Tipo::Erro, std::move(texto), Resposta::Cancelar, {}});
        return *this;
    }
    ScriptedDialogService& EsperarImpressora() {
        roteiro_.push_back({Tipo::Impressora, std::nullopt, Resposta::Cancelar, {}});
        return *this;
    }
    // The print dialog, answered Print (true) or Cancel.
    ScriptedDialogService& Imprimir(bool imprimir) {
        roteiro_.push_back({Tipo::Imprimir, std::nullopt, imprimir ? Resposta::Sim : Resposta::Cancelar, {}});
        return *this;
    }

    const std::vector<Pedido>& Pedidos() const { return pedidos_; }
    // Failures seen so far (also sent to the hook).
    const std::vector<std::string>& Falhas() const { return falhas_; }
    bool RoteiroCumprido() const { return roteiro_.empty(); }
    // The handler of the modal windows; an empty one detaches it.
    void DefinirModais(Modal modal) { modal_ = std::move(modal); }
    // Drops the answers not yet used, without failing (for a test that stops early on purpose).
    void Descartar() { roteiro_.clear(); }

    void Mensagem(const std::string& texto) override { Consumir(Tipo::Mensagem, texto, {}); }
    void Erro(const std::string& texto) override { Consumir(Tipo::Erro, texto, {}); }
    bool PerguntarSimNao(const std::string& texto) override {
        auto passo = Consumir(Tipo::SimNao, texto, {});
        return passo && passo->resposta == Resposta::Sim;
    }
    Resposta PerguntarSimNaoCancelar(const std::string& texto) override {
        auto passo = Consumir(Tipo::SimNaoCancelar, texto, {});
        return passo ? passo->resposta : Resposta::Cancelar;
    }
    std::optional<std::string> AbrirArquivo(const OpcoesArquivo& opcoes) override {
        auto passo = Consumir(Tipo::AbrirArquivo, opcoes.titulo, opcoes);
        return passo ? passo->caminho : std::nullopt;
    }
    std::optional<std::string> SalvarArquivo(const OpcoesArquivo& opcoes) override {
        auto passo = Consumir(Tipo::SalvarArquivo, opcoes.titulo, opcoes);
        return passo ? passo->caminho : std::nullopt;
    }
    void ConfigurarImpressora() override { Consumir(Tipo::Impressora, {}, {}); }
    bool Imprimir(QPrinter&) override {
        auto passo = Consumir(Tipo::Imprimir, {}, {});
        return passo && passo->resposta == Resposta::Sim;
    }
    int ExibirModal(QDialog& dialogo) override {
        if (modal_)
            return modal_(dialogo);
        Falhar("unexpected modal window");
        return kRejeitado;
    }

    static std::string Descrever(Tipo tipo, const std::optional<std::string>& texto) {
        static const char* const kNomes[] = {"Mensagem",     "Erro",          "SimNao",     "SimNaoCancelar",
                                             "AbrirArquivo", "SalvarArquivo", "Impressora", "Imprimir"};
        return std::string(kNomes[static_cast<int>(tipo)]) + (texto ? " \"" + *texto + "\"" : std::string());
    }

    static Falha FalhaPadrao() {
#if defined(ADD_FAILURE)
        return [](const std::string& m) { ADD_FAILURE() << m; };
#elif defined(QFAIL)
        return [](const std::string& m) { QTest::qFail(m.c_str(), __FILE__, __LINE__); };
#else
        return {};
#endif
    }

private:
    static constexpr int kRejeitado = 0; // QDialog::Rejected, without the widgets' headers

    struct Passo {
        Tipo tipo;
        std::optional<std::string> texto;
        Resposta resposta;
        std::optional<std::string> caminho;
    };

    std::optional<Passo> Consumir(Tipo tipo, const std::string& texto, const OpcoesArquivo& opcoes) {
        pedidos_.push_back({tipo, texto, opcoes});
        if (roteiro_.empty()) {
            Falhar("unexpected dialog: " + Descrever(tipo, texto));
            return std::nullopt;
        }
        Passo passo = roteiro_.front();
        if (passo.tipo != tipo || (passo.texto && *passo.texto != texto)) {
            Falhar("unexpected dialog: " + Descrever(tipo, texto) + ", expected " + Descrever(passo.tipo, passo.texto));
            return std::nullopt;
        }
        roteiro_.pop_front();
        return passo;
    }

    void Falhar(const std::string& mensagem) {
        falhas_.push_back(mensagem);
        if (falha_)
            falha_(mensagem);
    }

    Falha falha_;
    Modal modal_;
    std::deque<Passo> roteiro_;
    std::vector<Pedido> pedidos_;
    std::vector<std::string> falhas_;
};

} // namespace sulvo::testing
