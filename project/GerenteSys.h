#pragma once

#include "project/DialogService.h"

#include <array>
#include <functional>
#include <string>

namespace sulvo {

class TGerenteSys;

// Handlers receive the manager that fires them.
using TNotifyEvent = std::function<void(TGerenteSys& Sender)>;
// The file reader reports through LeuCerto whether the file was a readable project.
using TNotifyEventBoolean = std::function<void(TGerenteSys& Sender, bool& LeuCerto)>;
// Sets the owning window's caption.
using TTituloEvent = std::function<void(const std::string& Caption)>;

// The protocol of a single-document application: new, open (by dialog or by name), save, save
// as and close, with the change flag, the save-changes prompt, the window caption and the list
// of the four most recent project files. It knows nothing of the project's content: everything
// that touches data or controls goes through the eight events, every question and file dialog
// through the dialog service, and the caption through OnTitulo.
class TGerenteSys {
public:
    explicit TGerenteSys(IDialogService& dialogos) : dialogos_(&dialogos) {}

    // The variable handed to OnLerArquivo; it keeps the last value the handler stored.
    bool LeuCerto = false;

    OpcoesArquivo OpenDialog; // used by Abrir
    OpcoesArquivo SaveDialog; // used by SalvarComo; Abrir proposes the opened name in it
    std::string TituloPrograma;
    std::string NomeProjeto; // file name part of PathProjeto, or NomeDefault in double quotes
    std::string PathProjeto; // full path of the project file
    bool Alterado = false;   // the project has changes not yet saved; the window sets it on every edit
    std::string NomeDefault; // file name of a new project

    TNotifyEvent OnZerarVariaveis;       // reset all project data
    TNotifyEventBoolean OnLerArquivo;    // read PathProjeto into the data
    TNotifyEvent OnEscreverArquivo;      // write the data to PathProjeto
    TNotifyEvent OnAbilitarCampos;       // enable what needs an open project
    TNotifyEvent OnDesabilitarCampos;    // disable it
    TNotifyEvent OnLerCamposDados;       // window fields -> data
    TNotifyEvent OnPreencherCamposDados; // data -> window fields
    TNotifyEvent OnLimparCamposDados;    // clear the window fields
    TTituloEvent OnTitulo;               // the window caption

    // Full paths of the recently used projects, most recent first: Recentes[0] is the menu's
    // entry 1. An empty string is an empty entry.
    std::array<std::string, 4> Recentes;

    // Each returns true when the operation was carried out. Exceptions of the handlers pass to
    // the caller, except in AbrirArquivo, which turns them into false.
    bool Novo();
    bool Abrir();
    bool AbrirArquivo(const std::string& NomeArquivo);
    bool Salvar();
    bool SalvarComo();
    bool Fechar();

    // Moves PathProjeto to the top of Recentes (names compared without regard to letter case).
    void AtualizarRecentes();

    // A project is open in the window (new, opened or saved, and not closed since).
    bool Aberto() const { return FAberto; }
    // The open project may be written by Salvar.
    bool TemArquivo() const { return FTemArquivo; }

    // Folder of a new project's PathProjeto; a trailing separator is added when missing.
    void DefinirPastaInstalacao(std::string pasta);
    const std::string& PastaInstalacao() const { return pastaInstalacao_; }

    void DefinirDialogos(IDialogService& dialogos) { dialogos_ = &dialogos; }

    static constexpr const char* kPerguntaNovo = "Deseja Salvar as Alterações em ";
    static constexpr const char* kPerguntaAbrirFechar = "Deseja salvar as alterações em ";
    static constexpr const char* kPerguntaSubstituir = "Arquivo já existente. Deseja substituir?";

private:
    void ZerarVariaveis();
    void Disparar(const TNotifyEvent& evento);
    void Titulo(const std::string& caption);
    std::string NomeEntreAspas() const { return "\"" + NomeDefault + "\""; }
    // The save-changes prompt of new and open; false when the user cancels.
    bool PerguntarAntesDeDescartar(const char* pergunta);
    void LerArquivo();
    void FalhaAoAbrir(const std::string& pathAnterior);

    IDialogService* dialogos_;
    std::string pastaInstalacao_;
    bool FAberto = false;
    bool FTemArquivo = false;
};

} // namespace sulvo
