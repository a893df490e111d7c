#pragma once

// What the lifecycle tests share: a help service that only records what it is asked, and the user's
// gestures on the real main window (typing into numeric fields, choosing from lists, the dialogs).

#include <QTest>

#include "tests/support/ScriptedDialogService.h"
#include "tests/ui/ModaisRoteirizados.h"

#include "controls/EditNumero.h"
#include "ui/irregular/DefinirRugosidade.h"
#include "ui/irregular/PaginaIrregular.h"
#include "ui/periferia/Ajuda.h"
#include "ui/principal/FIdentProjeto.h"
#include "ui/principal/Principal.h"
#include "ui/regular/PaginaRegular.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>

namespace sulvo::testing {

class AjudaRegistrada final : public IAjuda {
public:
    void Conteudo() override { pedidos << QStringLiteral("conteudo"); }
    void Pesquisar(const QString& palavra) override { pedidos << QStringLiteral("pesquisa:") + palavra; }
    void Topico(int contexto) override { pedidos << QString::number(contexto); }
    QStringList pedidos;
};

// Types `texto` into a numeric field key by key, as the user does (each key runs the field's handlers).
inline void Digitar(TEditNumero* campo, const QString& texto) {
    campo->setText(QString());
    QTest::keyClicks(campo, texto);
}

// Chooses an entry of a pick-only list as the user does: the list's change handler runs.
inline void Escolher(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}

// One main window after another on the same installation folder, as successive runs of the program.
class AmbienteJanela {
public:
    // The installation folder holds what the build put beside the executable (the tests run there): the
    // roughness tables and the pictures.
    AmbienteJanela() : original_(std::filesystem::current_path()) {
        for (const char* nome : {"1.cdb", "2.cdb", "3.cdb", "4.cdb", "5.cdb", "6.cdb", "Cabecalho.jpg", "Sobre.jpg"})
            QFile::copy(QString::fromUtf8(nome), pasta.filePath(QString::fromUtf8(nome)));
    }
    ~AmbienteJanela() {
        janela.reset();
        std::filesystem::current_path(original_);
    }

    TFPrincipal& Abrir() {
        janela.reset();
        janela = std::make_unique<TFPrincipal>(dialogos, pasta.path().toStdString(), &ajuda);
        janela->show();
        if (!QTest::qWaitForWindowExposed(janela.get()))
            QTest::qFail("main window not exposed", __FILE__, __LINE__);
        return *janela;
    }
    TFPrincipal& J() { return *janela; }
    TPaginaRegular& R() { return *janela->PaginaRegular; }
    TPaginaIrregular& I() { return *janela->PaginaIrregular; }
    std::string Arquivo(const char* nome) const { return pasta.filePath(QString::fromUtf8(nome)).toStdString(); }

    // "Novo", the identification dialog filled with a name and closed with OK.
    void NovoProjeto(const QString& nome = QString()) {
        modais.Esperar([nome](QDialog& d) {
            auto& ident = static_cast<TFIdentProjeto&>(d);
            if (!nome.isEmpty())
                QTest::keyClicks(ident.Edit1, nome);
            ident.Fechar->click();
        });
        janela->TBNovo->trigger();
    }

    // A new width on the irregular page: leaving the field confirms a new section.
    void Largura(const QString& b) {
        dialogos.SimNao("Tem certeza que deseja eliminar todos os pontos?", true);
        Digitar(I().EdISuperficie, b);
        I().EdISuperficieExit();
    }
    void Ponto(const QString& x, const QString& profundidade) {
        Digitar(I().EdX, x);
        Digitar(I().EdY, profundidade);
        I().BtInserirPonto->click();
    }
    // Gives n to the intervals from `inicio` to `fim` (positions in the window's lists; -1: the last).
    void Rugosidade(int inicio, int fim, double n) {
        modais.Esperar([=](QDialog& d) {
            auto& f = static_cast<TFDefinirRugosidade&>(d);
            f.CBInicio->setCurrentIndex(inicio);
            f.CBFinal->setCurrentIndex(fim < 0 ? f.CBFinal->count() - 1 : fim);
            f.EdRugosidade->SetValor(n);
            f.BtAdicionar->click();
            f.BtSair->click();
        });
        I().BtDefinirRugosidade->click();
    }

    QTemporaryDir pasta;
    ScriptedDialogService dialogos;
    ModaisRoteirizados modais{dialogos};
    AjudaRegistrada ajuda;
    std::unique_ptr<TFPrincipal> janela;

private:
    std::filesystem::path original_;
};

} // namespace sulvo::testing
