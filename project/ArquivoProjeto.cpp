#include "project/ArquivoProjeto.h"

#include "common/NumberFormat.h"
#include "project/ArquivoFaixaN.h"
#include "project/ArquivoIrregular2.h"

#include <optional>
#include <string>
#include <string_view>

namespace sulvo {
namespace {

// Every section carries "Versao"; a reader takes the section only when the trimmed text is
// exactly this (case and form included: "1.00" or "01" do not match).
constexpr const char* kVersaoSecao = "1";
constexpr const char* kVersaoProjeto = "1.0";

bool VersaoCerta(TCustomIniFile& ini, const char* secao) {
    return ini.ReadString(secao, "Versao", "0") == kVersaoSecao;
}

// Writes the section's fields group by group in the description's order; each file section starts with
// "Versao".
void GravarCampos(const TSulvo& s, TCustomIniFile& ini) {
    auto& secao = const_cast<TSulvo&>(s); // the description's accessors serve reading and writing alike
    const char* anterior = nullptr;
    for (const TGrupoCampos& grupo : s.Descricao().Grupos) {
        if (!grupo.SecaoArquivo)
            continue;
        if (!anterior || std::string_view(anterior) != grupo.SecaoArquivo)
            ini.WriteString(grupo.SecaoArquivo, "Versao", kVersaoSecao);
        anterior = grupo.SecaoArquivo;
        for (const TCampoSecao& campo : grupo.Campos)
            switch (campo.Tipo) {
            case TipoValor::Real:
                ini.WriteFloat(grupo.SecaoArquivo, campo.Chave, campo.Real(secao));
                break;
            case TipoValor::Texto:
                ini.WriteString(grupo.SecaoArquivo, campo.Chave, campo.Texto(secao));
                break;
            case TipoValor::Byte:
                ini.WriteInteger(grupo.SecaoArquivo, campo.Chave, campo.Byte(secao));
                break;
            }
    }
}

// Reads the fields in the same order. A file section with another "Versao" stops the reading there; so does an
// enumeration ("Incognita", "Metodologia", default -1) outside its range, which is not stored. False then; what
// was read before stays stored.
bool LerCampos(TSulvo& s, TCustomIniFile& ini) {
    const TDescricaoSecao& descricao = s.Descricao();
    const char* anterior = nullptr;
    for (const TGrupoCampos& grupo : descricao.Grupos) {
        if (!grupo.SecaoArquivo)
            continue;
        if ((!anterior || std::string_view(anterior) != grupo.SecaoArquivo) && !VersaoCerta(ini, grupo.SecaoArquivo))
            return false;
        anterior = grupo.SecaoArquivo;
        for (const TCampoSecao& campo : grupo.Campos)
            switch (campo.Tipo) {
            case TipoValor::Real:
                campo.Real(s) = ini.ReadFloat(grupo.SecaoArquivo, campo.Chave, 0);
                break;
            case TipoValor::Texto:
                campo.Texto(s) = ini.ReadString(grupo.SecaoArquivo, campo.Chave, "");
                break;
            case TipoValor::Byte: {
                const int maximo = campo.Maximo < 0 ? descricao.MaximoIncognita() : campo.Maximo;
                const int valor = ini.ReadInteger(grupo.SecaoArquivo, campo.Chave, -1);
                if (valor < 0 || valor > maximo)
                    return false;
                campo.Byte(s) = static_cast<std::uint8_t>(valor);
                break;
            }
            }
    }
    return true;
}

} // namespace

bool GravarNoArquivo(const TSulvo& s, TCustomIniFile& ini) {
    GravarCampos(s, ini);
    GravarFaixaN(s, ini);
    return true;
}

bool LerDoArquivo(TSulvo& s, TCustomIniFile& ini) {
    const bool certo = LerCampos(s, ini);
    LerFaixaN(s, ini);
    return certo;
}

bool GravarNoArquivo(const TSulvoIrregular& s, TCustomIniFile& ini) {
    GravarCampos(s, ini);
    const char* secao = "SULVOIRREGULAR";
    ini.WriteInteger(secao, "NumPontos", static_cast<int>(s.Pontos.size()));
    ini.ReservarChaves(secao, 3 * s.Pontos.size());
    std::string k;
    for (std::size_t i = 0; i < s.Pontos.size(); ++i) {
        k = std::to_string(i + 1);
        ini.WriteFloat(secao, "X" + k, s.Pontos[i].X);
        ini.WriteFloat(secao, "Y" + k, s.Pontos[i].Y);
        ini.WriteFloat(secao, "Rug" + k, s.Pontos[i].Rug);
    }
    GravarSecaoIrregular2(s, ini);
    GravarFaixaN(s, ini);
    return true;
}

bool LerDoArquivo(TSulvoIrregular& s, TCustomIniFile& ini) {
    const char* secao = "SULVOIRREGULAR";
    if (!VersaoCerta(ini, secao))
        return false;
    const bool certo = LerCampos(s, ini);

    // The points are read whatever became of the unknown; a missing coordinate reads -1.
    s.Pontos.clear();
    int numPontos = ini.ReadInteger(secao, "NumPontos", -1);
    if (numPontos > kMaxPontos)
        return false;
    if (numPontos > 0) {
        std::string k;
        for (int i = 1; i <= numPontos; ++i) {
            k = std::to_string(i);
            std::optional<double> x, y, rug;
            const bool haX = ini.LerRealSeHouver(secao, "X" + k, x);
            const bool haY = ini.LerRealSeHouver(secao, "Y" + k, y);
            const bool haRug = ini.LerRealSeHouver(secao, "Rug" + k, rug);
            // A point with none of its keys: the count promises more points than the file holds, so the
            // section is damaged (a count of a million in a small file must not invent a million points).
            if (!haX && !haY && !haRug)
                throw ESecaoDanificada("A seção " + std::string(secao) + " está danificada: \"NumPontos\" é " +
                                       std::to_string(numPontos) + ", mas falta a chave X" + k + ".");
            s.Pontos.push_back({x.value_or(-1), y.value_or(-1), rug.value_or(-1)});
        }
    }
    LerSecaoIrregular2(s, ini);
    LerFaixaN(s, ini);
    return certo;
}

bool GravarNoArquivo(const TIDProjeto& id, TCustomIniFile& ini) {
    const char* secao = "IDENTIFICACAO";
    ini.WriteString(secao, "Versao", kVersaoSecao);
    ini.WriteString(secao, "Nome", id.Nome);
    ini.WriteString(secao, "Empresa", id.Empresa);
    ini.WriteString(secao, "Local", id.Local);
    ini.WriteString(secao, "Estado", id.Estado);
    ini.WriteString(secao, "Tecnico", id.Tecnico);
    ini.WriteString(secao, "Data", id.Data);
    return true;
}

bool LerDoArquivo(TIDProjeto& id, TCustomIniFile& ini) {
    const char* secao = "IDENTIFICACAO";
    if (!VersaoCerta(ini, secao))
        return false;
    try {
        id.Nome = ini.ReadString(secao, "Nome", "");
        id.Empresa = ini.ReadString(secao, "Empresa", "");
        id.Local = ini.ReadString(secao, "Local", "");
        id.Estado = ini.ReadString(secao, "Estado", "");
        id.Tecnico = ini.ReadString(secao, "Tecnico", "");
        id.Data = ini.ReadString(secao, "Data", "");
    } catch (...) {
        return false;
    }
    return true;
}

void EscreverArquivoProjeto(const std::string& PathProjeto, const ModelosProjeto& m, char separadorDecimal) {
    try {
        TIniFile ini(PathProjeto, separadorDecimal);
        ini.WriteString("SULVO1", "Versao", kVersaoProjeto);
        ini.WriteInteger("SULVO1", "IndSulvoReg", m.IndSulvoReg);
        ini.WriteInteger("SULVO1", "IndIncognita", m.IndIncognita);
        GravarNoArquivo(m.IDProjeto, ini);
        if (TSulvo* regular = m.Regular(m.IndSulvoReg))
            GravarNoArquivo(*regular, ini);
        GravarNoArquivo(m.SulvoIrregular, ini);
        ini.UpdateFile();
    } catch (...) {
        throw EArquivoProjeto("Não foi possível gravar o arquivo " + PathProjeto + ".");
    }
}

std::string MensagemNaoAbriu(const std::string& PathProjeto) {
    return "Não foi possível abrir o arquivo " + PathProjeto + ".";
}

void LerArquivoProjeto(const std::string& PathProjeto, const ModelosProjeto& m, bool& LeuCerto) {
    TIniFile ini(PathProjeto);
    if (ini.ReadString("SULVO1", "Versao", "0.0") != kVersaoProjeto) {
        LeuCerto = false;
        throw EArquivoProjeto(MensagemNaoAbriu(PathProjeto));
    }
    // Both indices are bytes: a larger integer keeps its low 8 bits.
    m.IndSulvoReg = static_cast<std::uint8_t>(ini.ReadInteger("SULVO1", "IndSulvoReg", 0));
    m.IndIncognita = static_cast<std::uint8_t>(ini.ReadInteger("SULVO1", "IndIncognita", 0));
    LerDoArquivo(m.IDProjeto, ini);
    if (TSulvo* regular = m.Regular(m.IndSulvoReg))
        LerDoArquivo(*regular, ini);
    try {
        LerDoArquivo(m.SulvoIrregular, ini);
    } catch (const ESecaoDanificada& e) {
        LeuCerto = false;
        throw EArquivoProjeto("Não foi possível abrir o arquivo " + PathProjeto + ". " + e.what());
    }
    LeuCerto = true;
}

} // namespace sulvo
