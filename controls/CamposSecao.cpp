#include "controls/CamposSecao.h"

#include "common/NumberFormat.h"
#include "controls/EditNumero.h"
#include "engine/uSulvo.h"

namespace sulvo {

ControleCampo ControleDe(std::span<const ControleCampo> controles, const TCampoSecao& campo) {
    for (const ControleCampo& c : controles)
        if (c.De(campo))
            return c;
    return {nullptr, nullptr, campo.Legenda, 0};
}

QString NomeObjeto(const ControleCampo& controle, const TCampoSecao& campo) {
    return controle.Objeto ? QLatin1String(controle.Objeto) : QStringLiteral("Ed") + QLatin1String(campo.Chave);
}

void ConfigurarCampoNumerico(TEditNumero& edit, const QString& nome, int decimais, const QString& dica, int ajuda) {
    edit.setObjectName(nome);
    edit.SetFormato(TFormato::fDouble);
    edit.SetNegativo(false);
    edit.SetDecimais(decimais);
    edit.setStatusTip(dica);
    if (ajuda)
        edit.setProperty("helpContext", ajuda);
}

void ConfigurarCampoNumerico(TEditNumero& edit, std::span<const ControleCampo> controles, const TCampoSecao& campo) {
    const ControleCampo controle = ControleDe(controles, campo);
    ConfigurarCampoNumerico(edit, NomeObjeto(controle, campo), campo.Decimais,
                            QString::fromUtf8(controle.Dica ? controle.Dica : ""), controle.Ajuda);
}

void LerCampo(const TCampoSecao& campo, TSulvo& secao, TEditNumero& edit) {
    campo.ValorReal(secao) = edit.Valor();
}

void PreencherCampo(TEditNumero& edit, const TCampoSecao& campo, const TSulvo& secao) {
    if (const double valor = campo.ValorReal(secao); valor != 0)
        edit.SetValor(valor);
    else
        edit.setText(QString());
}

QString TextoResultado(const TCampoSecao& campo, const TSulvo& secao, char separador) {
    if (campo.Tipo == TipoValor::Texto)
        return QString::fromStdString(campo.Texto(const_cast<TSulvo&>(secao)));
    const double valor = campo.ValorReal(secao);
    if (campo.TextoNegativo && valor < 0)
        return QString::fromUtf8(campo.TextoNegativo);
    return QString::fromStdString(FormatarFixo(valor, campo.Decimais, separador));
}

} // namespace sulvo
