// Build-time generator: turns the text source of one roughness table into its binary table file.
// Usage: gerar_tabela_rugosidade <source.txt> <table.cdb>
// Source: UTF-8, one row a line, "descrição;mínimo;normal;máximo"; blank lines and lines starting
// with "#" are ignored. A row that would make a misleading table stops the build with its line number.
#include "common/Cp1252.h"
#include "common/NumberFormat.h"
#include "roughness/ArqRugosidade.h"

#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Campos(const std::string& linha) {
    std::vector<std::string> campos;
    std::stringstream s(linha);
    std::string campo;
    while (std::getline(s, campo, ';'))
        campos.push_back(campo);
    if (!linha.empty() && linha.back() == ';')
        campos.emplace_back();
    return campos;
}

std::string Aparar(const std::string& texto) {
    auto inicio = texto.find_first_not_of(" \t");
    if (inicio == std::string::npos)
        return {};
    return texto.substr(inicio, texto.find_last_not_of(" \t") - inicio + 1);
}

// The row's problem, or an empty text when the row is sound.
std::string Verificar(const std::vector<std::string>& campos, sulvo::TRegistroRugosidade& registro) {
    if (campos.size() != 4)
        return "expected 4 fields separated by ';', found " + std::to_string(campos.size());
    registro.Descricao = Aparar(campos[0]);
    if (registro.Descricao.empty())
        return "empty description";
    if (sulvo::Cp1252ParaUtf8(sulvo::Utf8ParaCp1252(registro.Descricao)) != registro.Descricao)
        return "description has characters outside Windows-1252";
    if (sulvo::Utf8ParaCp1252(registro.Descricao).size() > sulvo::MaxDescricaoRugosidade)
        return "description longer than 255 characters";
    double valores[3];
    const char* nomes[3] = {"minimum", "normal", "maximum"};
    for (int i = 0; i < 3; ++i) {
        auto v = sulvo::LerReal(campos[i + 1]);
        if (!v || !(*v > 0.0) || *v > 1.0)
            return std::string(nomes[i]) + " is not a Manning coefficient between 0 and 1";
        valores[i] = *v;
    }
    if (!(valores[0] <= valores[1] && valores[1] <= valores[2]))
        return "coefficients are not ordered minimum <= normal <= maximum";
    registro.Minima = valores[0];
    registro.Normal = valores[1];
    registro.Maxima = valores[2];
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gerar_tabela_rugosidade <source.txt> <table.cdb>\n";
        return 2;
    }
    std::ifstream fonte(argv[1]);
    if (!fonte) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    sulvo::TArqRugosidade tabela;
    std::string linha;
    int numero = 0;
    while (std::getline(fonte, linha)) {
        ++numero;
        if (numero == 1 && linha.rfind("\xEF\xBB\xBF", 0) == 0)
            linha.erase(0, 3);
        if (!linha.empty() && linha.back() == '\r')
            linha.pop_back();
        if (Aparar(linha).empty() || linha[0] == '#')
            continue;
        sulvo::TRegistroRugosidade registro;
        std::string problema = Verificar(Campos(linha), registro);
        if (!problema.empty()) {
            std::cerr << argv[1] << ":" << numero << ": " << problema << "\n";
            return 1;
        }
        tabela.Registros.push_back(registro);
    }
    if (tabela.Registros.empty()) {
        std::cerr << argv[1] << ": no rows\n";
        return 1;
    }
    std::string erro;
    if (!tabela.GravarArquivo(argv[2], &erro)) {
        std::cerr << erro << "\n";
        return 1;
    }
    return 0;
}
