#pragma once

#include <string>

namespace sulvo {

// What the engine may ask of the user: a plain message, or a yes/no question.
// The window answers with message boxes; tests and sulvo-calc answer from a script.
class IPrompt {
public:
    virtual ~IPrompt() = default;
    virtual void Mensagem(const std::string& texto) = 0;
    // True for Yes.
    virtual bool Confirmar(const std::string& pergunta) = 0;
};

// Used when no one is there to ask: messages are dropped and every question is answered No,
// so an unattended calculation can never loop for ever.
class SilentPrompt final : public IPrompt {
public:
    void Mensagem(const std::string&) override {}
    bool Confirmar(const std::string&) override { return false; }
    static SilentPrompt& instance();
};

} // namespace sulvo
