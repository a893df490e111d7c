#include "project/IdentProjeto.h"

#include <cstdio>
#include <ctime>

namespace sulvo {

std::string FormatarData(int dia, int mes, int ano, char separadorData) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d%c%02d%c%04d", dia, separadorData, mes, separadorData, ano);
    return buf;
}

std::string DataDeHoje(char separadorData) {
    std::time_t agora = std::time(nullptr);
    std::tm local{};
    localtime_r(&agora, &local);
    return FormatarData(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, separadorData);
}

void TIDProjeto::Zerar(char separadorData) {
    Nome.clear();
    Empresa.clear();
    Local.clear();
    Estado.clear();
    Tecnico.clear();
    Data = DataDeHoje(separadorData);
}

} // namespace sulvo
