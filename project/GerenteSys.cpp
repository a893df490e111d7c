#include "project/GerenteSys.h"

#include "common/Cp1252.h"

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

} // namespace

void TGerenteSys::DefinirPastaInstalacao(std::string pasta) {
    if (!pasta.empty() && pasta.back() != '/')
        pasta += '/';
    pastaInstalacao_ = std::move(pasta);
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
    Titulo(TituloPrograma + " (" + NomeProjeto + ")");
    return true;
}

bool TGerenteSys::Abrir() {
    if (!PerguntarAntesDeDescartar(kPerguntaAbrirFechar))
        return false;
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
            AtualizarRecentes();
            Disparar(OnPreencherCamposDados);
            return true;
        }
    } catch (...) {
        // A recent entry that cannot be opened fails silently.
    }
    if (!lido)
        PathProjeto = anterior;
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
    if (NomeProjeto == NomeEntreAspas())
        return SalvarComo();
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
    AtualizarRecentes();
    return true;
}

bool TGerenteSys::SalvarComo() {
    if (!FTemArquivo && !FAberto)
        return false;
    std::string escolhido;
    for (;;) {
        SaveDialog.titulo = "Salvar Como";
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
        Salvar();
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

void TGerenteSys::AtualizarRecentes() {
    auto& r = Recentes;
    const std::string& p = PathProjeto;
    if (IguaisSemCaixa(r[1], p)) {
        r[1] = r[0];
    } else if (IguaisSemCaixa(r[2], p)) {
        r[2] = r[1];
        r[1] = r[0];
    } else if (IguaisSemCaixa(r[3], p) || !IguaisSemCaixa(r[0], p)) {
        r[3] = r[2];
        r[2] = r[1];
        r[1] = r[0];
    } else {
        return; // already first: not even its letter case changes
    }
    r[0] = p;
}

} // namespace sulvo
