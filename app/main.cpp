#include "app/LinhaComando.h"
#include "common/Alocador.h"
#include "common/Pastas.h"
#include "ui/principal/DialogosQt.h"
#include "ui/principal/Principal.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <clocale>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
    sulvo::ConfigurarAlocador();
    const sulvo::TLinhaComando linha = sulvo::LerLinhaComando({argv + 1, argv + argc});
    if (int status = sulvo::ResponderLinhaComando(linha); status >= 0)
        return status;
    QApplication app(argc, argv);
    // QApplication switched the C library to the user's locale; numbers are converted by the program's
    // own code, so the C library keeps "." whatever the regional settings say.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Sulvo"));

    // Qt's own message-box buttons and file dialogs in Brazilian Portuguese: "Sim", "Não", "Cancelar".
    QTranslator traducaoQt;
    if (traducaoQt.load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducaoQt);

    sulvo::TDialogosQt dialogos;
    std::unique_ptr<sulvo::TFPrincipal> FPrincipal;
    try {
        FPrincipal = std::make_unique<sulvo::TFPrincipal>(dialogos, sulvo::PastaDeInstalacao());
    } catch (const std::exception& e) {
        dialogos.Erro(e.what());
        return 1;
    }
    dialogos.DefinirJanela(FPrincipal.get());
    FPrincipal->show();
    // Work a crashed run left unsaved is offered back before anything else.
    FPrincipal->OferecerRecuperacao();
    if (!linha.arquivo.empty())
        FPrincipal->AbrirProjeto(linha.arquivo);
    return QApplication::exec();
}
