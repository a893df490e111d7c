#include "engine/Validacao.h"

#include "engine/uSulvo.h"

namespace sulvo {

std::string ValidarEtapa(const TDescricaoSecao& descricao, int incognita, EtapaValidacao etapa,
                         const ValorDoCampo& valor, LimiteValidacao limite) {
    for (const char* chave : descricao.Entradas) {
        const TCampoSecao* campo = descricao.Campo(chave);
        if (!campo || campo->Etapa != etapa || !campo->MensagemZero || descricao.Resolve(incognita, chave))
            continue;
        if (campo->SoComIncognita >= 0 && campo->SoComIncognita != incognita)
            continue;
        // A negative value or a NaN, which the page's fields cannot hold but a command line can, is refused too.
        const double v = valor(*campo);
        if (limite == LimiteValidacao::MaiorQueZero ? !(v > 0) : !(v >= 0))
            return campo->MensagemZero;
    }
    return {};
}

std::string ValidarEntrada(const TSulvo& secao, LimiteValidacao comprimento) {
    const TDescricaoSecao& descricao = secao.Descricao();
    const ValorDoCampo valor = [&secao](const TCampoSecao& campo) { return campo.ValorReal(secao); };
    for (EtapaValidacao etapa : {EtapaValidacao::Manning, EtapaValidacao::Dimensao, EtapaValidacao::Comprimento})
        if (std::string falha =
                ValidarEtapa(descricao, secao.Incognita, etapa, valor,
                             etapa == EtapaValidacao::Comprimento ? comprimento : LimiteValidacao::MaiorQueZero);
            !falha.empty())
            return falha;
    return {};
}

} // namespace sulvo
