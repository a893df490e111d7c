#include "common/Pastas.h"
#include "ui/principal/DialogosQt.h"
#include "ui/principal/Principal.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>

#include <clocale>
#include <exception>
#include <memory>

int main(int argc, char** argv) {
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
        FPrincipal = std::make_unique<sulvo::TFPrincipal>(dialogos, dialogos, sulvo::PastaDeInstalacao());
    } catch (const std::exception& e) {
        dialogos.Erro(e.what());
        return 1;
    }
    dialogos.DefinirJanela(FPrincipal.get());
    // A report prints on the printer chosen under "Configurar Impressora", with the paper and orientation
    // set up there; the report window keeps its own margins.
    FPrincipal->DialogoImpressao = [&dialogos, janela = FPrincipal.get()](QPrinter& impressora) {
        const QPrinter& configurada = dialogos.Impressora();
        if (!configurada.printerName().isEmpty())
            impressora.setPrinterName(configurada.printerName());
        impressora.setPageSize(configurada.pageLayout().pageSize());
        impressora.setPageOrientation(configurada.pageLayout().orientation());
        QPrintDialog dialogo(&impressora,
                             QApplication::activeModalWidget() ? QApplication::activeModalWidget() : janela);
        return dialogo.exec() == QDialog::Accepted;
    };
    FPrincipal->show();
    // Work a crashed run left unsaved is offered back before anything else.
    FPrincipal->OferecerRecuperacao();
    return QApplication::exec();
}
