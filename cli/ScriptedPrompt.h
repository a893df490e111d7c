#pragma once

#include "common/Prompt.h"

#include <string>
#include <vector>

namespace sulvo::cli {

// Records every message and question the engine shows, and answers Yes to the first `sim` questions.
class ScriptedPrompt final : public IPrompt {
public:
    explicit ScriptedPrompt(long long sim) : sim_(sim) {}
    void Mensagem(const std::string& texto) override { mensagens_.push_back(texto); }
    bool Confirmar(const std::string& pergunta) override {
        mensagens_.push_back(pergunta);
        if (sim_ > 0) {
            --sim_;
            return true;
        }
        return false;
    }
    const std::vector<std::string>& Mensagens() const { return mensagens_; }

private:
    long long sim_;
    std::vector<std::string> mensagens_;
};

} // namespace sulvo::cli
