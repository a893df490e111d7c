#pragma once

#include "common/Prompt.h"
#include "project/DialogService.h"

namespace sulvo {

// The engine's messages and its non-convergence question, shown as message boxes.
class TPromptDialogos final : public IPrompt {
public:
    explicit TPromptDialogos(IDialogService& dialogos) : dialogos_(dialogos) {}
    void Mensagem(const std::string& texto) override { dialogos_.Mensagem(texto); }
    bool Confirmar(const std::string& pergunta) override { return dialogos_.PerguntarSimNao(pergunta); }

private:
    IDialogService& dialogos_;
};

} // namespace sulvo
