#pragma once

#include "common/GravacaoAtomica.h"
#include "project/DialogService.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

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
    // Opens the recovery copy `copia` of the project `pathProjeto` (empty: a project never saved) as that
    // project with its changes still to save: the data come from the copy, the name and the file to save
    // to are the project's own.
    bool Restaurar(const std::string& copia, const std::string& pathProjeto);

    // Moves PathProjeto to the top of Recentes (paths compared exactly: on Linux Caso.svo and caso.svo
    // are two files).
    void AtualizarRecentes();
    // The paths this run moved to the top of Recentes, most recent first, and the entries it removed
    // because their file was gone: what the main window merges into "Sulvo.ini" at exit.
    const std::vector<std::string>& UsadosNestaExecucao() const { return usados_; }
    const std::vector<std::string>& Removidos() const { return removidos_; }

    // Where the file dialogs start: the open project's folder; with none, the folder of the most recent
    // project; else `documentos`. Never one of `proibidas` (the installation and data folders).
    void DefinirPastasDialogo(std::string documentos, std::vector<std::string> proibidas);
    std::string PastaInicialDialogo() const;

    // The file as this manager last read or wrote it; a save over a file that changed since asks first.
    const ImpressaoArquivo& Impressao() const { return impressao_; }

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
    // The file was changed or removed by someone else since it was read or last saved here.
    static std::string PerguntaAlteradoFora(const std::string& caminho, bool sumiu);

private:
    void ZerarVariaveis();
    void Disparar(const TNotifyEvent& evento);
    void Titulo(const std::string& caption);
    std::string NomeEntreAspas() const { return "\"" + NomeDefault + "\""; }
    // The save-changes prompt of new and open; false when the user cancels.
    bool PerguntarAntesDeDescartar(const char* pergunta);
    void LerArquivo();
    void FalhaAoAbrir(const std::string& pathAnterior);
    bool ProjetoComNome() const { return NomeProjeto != NomeEntreAspas(); }
    // Writes PathProjeto through the handlers, after the outside-change check unless `confirmado`.
    bool Gravar(bool confirmado);
    void GuardarImpressao();
    void RetirarDosRecentes(const std::string& caminho);

    IDialogService* dialogos_;
    std::string pastaInstalacao_;
    bool FAberto = false;
    bool FTemArquivo = false;
    std::string documentos_;
    std::vector<std::string> proibidas_;
    std::string caminhoImpressao_; // the file impressao_ describes; empty when none
    ImpressaoArquivo impressao_;
    std::vector<std::string> usados_;
    std::vector<std::string> removidos_;
};

} // namespace sulvo
