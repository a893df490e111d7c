#pragma once

#include <string>

namespace sulvo {

// Who the project is for, where, by whom and when. The texts are free: nothing validates them,
// not even Data, which is printed as typed.
class TIDProjeto {
public:
    std::string Nome;    // project name
    std::string Empresa; // company or client
    std::string Local;   // locality
    std::string Estado;  // state of the federation
    std::string Tecnico; // technician responsible
    std::string Data;    // date, as free text

    // Empties the five texts and dates the project today ("dd/mm/yyyy" with the regional date
    // separator, "/" on a Brazilian system).
    void Zerar(char separadorData = '/');
};

// Today's date in the local time zone as "dd<sep>mm<sep>yyyy".
std::string DataDeHoje(char separadorData = '/');
std::string FormatarData(int dia, int mes, int ano, char separadorData);

} // namespace sulvo
