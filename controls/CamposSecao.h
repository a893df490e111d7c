#pragma once

#include "engine/Descricao.h"

#include <QString>

#include <span>

namespace sulvo {

class TEditNumero;

// What a page adds to a field of the section description: the name of its control (the name the window's other
// parts and its tests use), its status tip and its help topic. The field is named by its member, so that a page
// never spells the description's keys.
struct ControleCampo {
    bool (*De)(const TCampoSecao&);
    const char* Objeto;
    const char* Dica; // nullptr: the field's caption
    int Ajuda;        // 0: none
};
template <auto M> bool CampoDoMembro(const TCampoSecao& campo) {
    return campo.De<M>();
}

// The page's entry for `campo`; a field the page does not list is named "Ed" followed by its key and takes its
// caption as the tip.
ControleCampo ControleDe(std::span<const ControleCampo> controles, const TCampoSecao& campo);
QString NomeObjeto(const ControleCampo& controle, const TCampoSecao& campo);

// An entry field for a positive real with `decimais` decimals, named, tipped and with its help topic.
void ConfigurarCampoNumerico(TEditNumero& edit, const QString& nome, int decimais, const QString& dica, int ajuda);
// The same for a field of the description, as the page's entry for it says.
void ConfigurarCampoNumerico(TEditNumero& edit, std::span<const ControleCampo> controles, const TCampoSecao& campo);

// Field -> section.
void LerCampo(const TCampoSecao& campo, TSulvo& secao, TEditNumero& edit);
// Section -> field; a value of 0 leaves the field empty rather than showing a formatted zero.
void PreencherCampo(TEditNumero& edit, const TCampoSecao& campo, const TSulvo& secao);
// A result as the page shows it: the text of a text field, else the value with the field's decimals, or the
// field's word for the engine's negative mark.
QString TextoResultado(const TCampoSecao& campo, const TSulvo& secao, char separador);

} // namespace sulvo
