#include "project/GerenteSys.h"

#include <algorithm>
#include <filesystem>

namespace sulvo {
namespace {

std::string ParteNome(const std::string& caminho) {
    return std::filesystem::path(caminho).filename().string();
}

bool ArquivoExiste(const std::string& caminho) {
    std::error_code ec;
    return std::filesystem::exists(caminho, ec);
}

// The folder of a path, when it is an existing folder that is none of `proibidas`.
std::filesystem::path Canonica(const std::filesystem::path& pasta) {
    std::error_code ec;
    std::string texto = pasta.string();
    while (texto.size() > 1 && texto.back() == '/')
        texto.pop_back();
    auto canonica = std::filesystem::weakly_canonical(texto, ec);
    return ec ? std::filesystem::path(texto) : canonica;
}

std::string PastaPermitida(const std::filesystem::path& pasta, const std::vector<std::string>& proibidas) {
    std::error_code ec;
    if (pasta.empty() || !std::filesystem::is_directory(pasta, ec))
        return {};
    auto canonica = Canonica(pasta);
    for (const auto& p : proibidas)
        if (!p.empty() && Canonica(p) == canonica)
            return {};
    return canonica.string();
}

// The previous content of a project, kept as "name.svo.bak" (one generation) before each save.
void CopiaDeSeguranca(const std::string& caminho) {
    if (auto dados = LerArquivoRegular(caminho, std::uint64_t{256} << 20))
        (void)GravarArquivoAtomicamente(caminho + ".bak", *dados);
}

} // namespace

void TGerenteSys::DefinirPastaInstalacao(std::string pasta) {
    if (!pasta.empty() && pasta.back() != '/')
        pasta += '/';
    pastaInstalacao_ = std::move(pasta);
}

void TGerenteSys::DefinirPastasDialogo(std::string documentos, std::vector<std::string> proibidas) {
    documentos_ = std::move(documentos);
    proibidas_ = std::move(proibidas);
}

std::string TGerenteSys::PastaInicialDialogo() const {
    std::vector<std::string> proibidas = proibidas_;
    proibidas.push_back(pastaInstalacao_);
    if (FAberto && ProjetoComNome())
        if (auto p = PastaPermitida(std::filesystem::path(PathProjeto).parent_path(), proibidas); !p.empty())
            return p;
    for (const auto& recente : Recentes)
        if (auto p = PastaPermitida(std::filesystem::path(recente).parent_path(), proibidas); !p.empty())
            return p;
    if (auto p = PastaPermitida(documentos_, proibidas); !p.empty())
        return p;
    return documentos_;
}

std::string TGerenteSys::PerguntaAlteradoFora(const std::string& caminho, bool sumiu) {
    return "O arquivo " + caminho + (sumiu ? " foi removido ou renomeado" : " foi alterado") +
           " fora desta janela depois de aberto ou salvo aqui (por outra janela do Sulvo ou por outro programa).\n"
           "Deseja substituí-lo pelo projeto desta janela, salvar com outro nome ou cancelar?";
}

void TGerenteSys::GuardarImpressao() {
    caminhoImpressao_ = PathProjeto;
    impressao_ = ImpressaoDe(PathProjeto);
}

void TGerenteSys::RetirarDosRecentes(const std::string& caminho) {
    auto fim = std::remove(Recentes.begin(), Recentes.end(), caminho);
    std::fill(fim, Recentes.end(), std::string());
    std::erase(usados_, caminho);
    if (std::find(removidos_.begin(), removidos_.end(), caminho) == removidos_.end())
        removidos_.push_back(caminho);
}

void TGerenteSys::Disparar(const TNotifyEvent& evento) {
    if (evento)
        evento(*this);
}

void TGerenteSys::Titulo(const std::string& caption) {
    if (OnTitulo)
        OnTitulo(caption);
}

void TGerenteSys::ZerarVariaveis() {
    Alterado = false;
    FAberto = false;
    FTemArquivo = false;
    Disparar(OnZerarVariaveis);
}

void TGerenteSys::LerArquivo() {
    if (OnLerArquivo)
        OnLerArquivo(*this, LeuCerto);
}

bool TGerenteSys::PerguntarAntesDeDescartar(const char* pergunta) {
    if (!Alterado || !FAberto)
        return true;
    switch (dialogos_->PerguntarSimNaoCancelar(pergunta + NomeProjeto)) {
    case Resposta::Cancelar:
        return false;
    case Resposta::Sim:
        // The user asked to keep the changes: if the save does not happen (its dialog cancelled), nothing is
        // discarded and the operation stops, as closing does.
        return Salvar();
    case Resposta::Nao:
        return true;
    }
    return true;
}

// The data were reset before the read, so no project is left in the window: the window is told
// to fall back to its no-project state instead of keeping commands that would save empty data.
void TGerenteSys::FalhaAoAbrir(const std::string& pathAnterior) {
    PathProjeto = pathAnterior;
    Titulo(TituloPrograma);
    Disparar(OnDesabilitarCampos);
}

bool TGerenteSys::Novo() {
    if (!PerguntarAntesDeDescartar(kPerguntaNovo))
        return false;
    ZerarVariaveis();
    Disparar(OnAbilitarCampos);
    Disparar(OnLimparCamposDados);
    FAberto = true;
    FTemArquivo = true;
    Alterado = false;
    NomeProjeto = NomeEntreAspas();
    PathProjeto = pastaInstalacao_ + NomeDefault;
    caminhoImpressao_.clear();
    Titulo(TituloPrograma + " (" + NomeProjeto + ")");
    return true;
}

bool TGerenteSys::Abrir() {
    if (!PerguntarAntesDeDescartar(kPerguntaAbrirFechar))
        return false;
    OpenDialog.pasta = PastaInicialDialogo();
    auto escolhido = dialogos_->AbrirArquivo(OpenDialog);
    if (!escolhido)
        return false;
    Disparar(OnLimparCamposDados);
    ZerarVariaveis();
    std::string anterior = PathProjeto;
    PathProjeto = *escolhido;
    try {
        LerArquivo();
    } catch (...) {
        try {
            FalhaAoAbrir(anterior);
        } catch (...) {
        }
        throw;
    }
    if (!LeuCerto) {
        FalhaAoAbrir(anterior);
        return false;
    }
    NomeProjeto = ParteNome(*escolhido);
    Titulo(TituloPrograma + " ('" + NomeProjeto + "')");
    SaveDialog.nomeSugerido = NomeProjeto;
    GuardarImpressao();
    AtualizarRecentes();
    FTemArquivo = true;
    Disparar(OnAbilitarCampos);
    FAberto = true;
    Alterado = false;
    Disparar(OnPreencherCamposDados);
    return true;
}

bool TGerenteSys::AbrirArquivo(const std::string& NomeArquivo) {
    if (!PerguntarAntesDeDescartar(kPerguntaAbrirFechar))
        return false;
    std::string anterior = PathProjeto;
    PathProjeto = NomeArquivo;
    NomeProjeto = ParteNome(NomeArquivo);
    bool lido = false;
    try {
        Disparar(OnLimparCamposDados);
        ZerarVariaveis();
        LerArquivo();
        lido = LeuCerto;
        if (lido) {
            Disparar(OnAbilitarCampos);
            FAberto = true;
            FTemArquivo = true;
            Alterado = false;
            Titulo(TituloPrograma + " ('" + NomeProjeto + "')");
            GuardarImpressao();
            AtualizarRecentes();
            Disparar(OnPreencherCamposDados);
            return true;
        }
    } catch (...) {
        // A recent entry that cannot be opened fails silently.
    }
    if (!lido)
        PathProjeto = anterior;
    // An entry whose file is gone would fail every time: it leaves the list, and the user is told why.
    if (!lido && !NomeArquivo.empty() && !ArquivoExiste(NomeArquivo) &&
        std::find(Recentes.begin(), Recentes.end(), NomeArquivo) != Recentes.end()) {
        RetirarDosRecentes(NomeArquivo);
        dialogos_->Mensagem("O arquivo " + NomeArquivo +
                            " não foi encontrado e foi retirado da lista de projetos recentes.");
    }
    if (!FAberto) {
        try {
            FalhaAoAbrir(anterior);
        } catch (...) {
        }
    }
    return false;
}

bool TGerenteSys::Salvar() {
    // No project in the window (never opened, closed, or a failed open): nothing to write.
    if (!FTemArquivo)
        return false;
    if (!ProjetoComNome())
        return SalvarComo();
    return Gravar(false);
}

bool TGerenteSys::Gravar(bool confirmado) {
    // Another window or program may have written the file since this one read or saved it: overwriting
    // it silently would lose that work.
    if (!confirmado && caminhoImpressao_ == PathProjeto) {
        ImpressaoArquivo agora = ImpressaoDe(PathProjeto);
        if (agora != impressao_) {
            switch (dialogos_->PerguntarTresOpcoes(PerguntaAlteradoFora(PathProjeto, !agora.existe), "Substituir",
                                                   "Salvar com outro nome", "Cancelar")) {
            case Resposta::Sim:
                break;
            case Resposta::Nao:
                return SalvarComo();
            case Resposta::Cancelar:
                return false;
            }
        }
    }
    CopiaDeSeguranca(PathProjeto);
    FAberto = true;
    Alterado = false;
    try {
        Disparar(OnLerCamposDados);
        Disparar(OnEscreverArquivo);
    } catch (...) {
        // The file does not hold the changes: they still need saving.
        Alterado = true;
        throw;
    }
    GuardarImpressao();
    AtualizarRecentes();
    return true;
}

bool TGerenteSys::SalvarComo() {
    if (!FTemArquivo && !FAberto)
        return false;
    std::string escolhido;
    for (;;) {
        SaveDialog.titulo = "Salvar Como";
        // The project's own name in its own folder, so that Enter saves it where it already is.
        SaveDialog.pasta = PastaInicialDialogo();
        SaveDialog.nomeSugerido = ProjetoComNome() ? ParteNome(PathProjeto) : NomeDefault;
        auto nome = dialogos_->SalvarArquivo(SaveDialog);
        if (!nome)
            return false;
        if (ArquivoExiste(*nome)) {
            if (!dialogos_->PerguntarSimNao(kPerguntaSubstituir))
                continue;
            Disparar(OnLerCamposDados);
        }
        escolhido = *nome;
        break;
    }
    std::string nomeAnterior = NomeProjeto, pathAnterior = PathProjeto;
    bool temArquivoAnterior = FTemArquivo;
    NomeProjeto = ParteNome(escolhido);
    PathProjeto = escolhido;
    FTemArquivo = true;
    try {
        // The user chose the file, and confirmed replacing it if it existed.
        Gravar(true);
    } catch (...) {
        // Nothing was written there: the project keeps the name it had.
        NomeProjeto = nomeAnterior;
        PathProjeto = pathAnterior;
        FTemArquivo = temArquivoAnterior;
        throw;
    }
    Titulo(TituloPrograma + " ('" + NomeProjeto + "')");
    AtualizarRecentes();
    return true;
}

bool TGerenteSys::Fechar() {
    if (Alterado) {
        switch (dialogos_->PerguntarSimNaoCancelar(kPerguntaAbrirFechar + NomeProjeto)) {
        case Resposta::Cancelar:
            return false;
        case Resposta::Sim:
            if (!Salvar())
                return false;
            AtualizarRecentes();
            Disparar(OnLerCamposDados);
            break;
        case Resposta::Nao:
            Titulo(TituloPrograma);
            break;
        }
    }
    Disparar(OnLimparCamposDados);
    ZerarVariaveis();
    Disparar(OnDesabilitarCampos);
    Alterado = false;
    FAberto = false;
    return true;
}

bool TGerenteSys::Restaurar(const std::string& copia, const std::string& pathProjeto) {
    if (!PerguntarAntesDeDescartar(kPerguntaAbrirFechar))
        return false;
    std::string anterior = PathProjeto;
    PathProjeto = copia;
    Disparar(OnLimparCamposDados);
    ZerarVariaveis();
    try {
        LerArquivo();
    } catch (...) {
        LeuCerto = false;
    }
    if (!LeuCerto) {
        FalhaAoAbrir(anterior);
        return false;
    }
    if (pathProjeto.empty()) {
        NomeProjeto = NomeEntreAspas();
        PathProjeto = pastaInstalacao_ + NomeDefault;
        caminhoImpressao_.clear();
        Titulo(TituloPrograma + " (" + NomeProjeto + ")");
    } else {
        PathProjeto = pathProjeto;
        NomeProjeto = ParteNome(pathProjeto);
        SaveDialog.nomeSugerido = NomeProjeto;
        GuardarImpressao();
        Titulo(TituloPrograma + " ('" + NomeProjeto + "')");
    }
    FTemArquivo = true;
    Disparar(OnAbilitarCampos);
    FAberto = true;
    Disparar(OnPreencherCamposDados);
    // The changes of the copy are not in the project's file yet.
    Alterado = true;
    return true;
}

void TGerenteSys::AtualizarRecentes() {
    auto& r = Recentes;
    const std::string& p = PathProjeto;
    std::erase(usados_, p);
    usados_.insert(usados_.begin(), p);
    if (r[1] == p) {
        r[1] = r[0];
    } else if (r[2] == p) {
        r[2] = r[1];
        r[1] = r[0];
    } else if (r[3] == p || r[0] != p) {
        r[3] = r[2];
        r[2] = r[1];
        r[1] = r[0];
    } else {
        return; // already first
    }
    r[0] = p;
}

} // namespace sulvo
