#pragma once

#include <string>
#include <vector>

// The command line of sulvo: at most one project file to open at start, or a question about the program.
// It is read before the window toolkit starts, so --version and --help answer without a display.
namespace sulvo {

struct TLinhaComando {
    enum class Acao { Executar, Versao, Ajuda, Erro };
    Acao acao = Acao::Executar;
    std::string arquivo;  // the project to open at start, absolute; empty: none
    std::string mensagem; // Erro: the one-line reason, without the program's name
};

// `args` are the arguments after the program's name. A relative file name is made absolute against the
// current folder, since the window later makes its installation folder the current one.
TLinhaComando LerLinhaComando(const std::vector<std::string>& args);

// The text of --help.
std::string TextoDeUsoSulvo();

// Answers --version, --help and a malformed line on the standard streams; returns the exit status
// the program ends with, or -1 when the window is to run.
int ResponderLinhaComando(const TLinhaComando& linha);

} // namespace sulvo
