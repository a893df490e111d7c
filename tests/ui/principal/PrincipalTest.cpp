#include <QTest>

#include "tests/support/ScriptedDialogService.h"
#include "tests/ui/ModaisRoteirizados.h"

#include "controls/EditNumero.h"
#include "project/IdentProjeto.h"
#include "ui/principal/FIdentProjeto.h"
#include "ui/principal/Principal.h"
#include "ui/regular/PaginaRegular.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <filesystem>
#include <memory>

using namespace sulvo;
using namespace sulvo::testing;
using namespace Qt::StringLiterals;

namespace {

QByteArray Ler(const QString& arquivo) {
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Gravar(const QString& arquivo, const QByteArray& conteudo) {
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(conteudo);
}

QStringList Textos(const QList<QAction*>& acoes) {
    QStringList textos;
    for (QAction* a : acoes)
        textos << (a->isSeparator() ? u"-"_s : a->text());
    return textos;
}

QStringList Nomes(const QList<QAction*>& acoes) {
    QStringList nomes;
    for (QAction* a : acoes)
        nomes << (a->isSeparator() ? u"-"_s : a->objectName());
    return nomes;
}

// Accepts the identification dialog as it stands.
void AceitarIdentificacao(QDialog& d) {
    QTest::mouseClick(static_cast<TFIdentProjeto&>(d).Fechar, Qt::LeftButton);
}

} // namespace

class PrincipalTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> pasta;
    std::unique_ptr<ScriptedDialogService> dialogos;
    std::unique_ptr<ModaisRoteirizados> modais;
    std::filesystem::path pastaOriginal;

    std::unique_ptr<TFPrincipal> NovaJanela() {
        return std::make_unique<TFPrincipal>(*dialogos, pasta->path().toStdString());
    }
    QString Arquivo(const char* nome) const { return pasta->filePath(QString::fromUtf8(nome)); }
    QString Ini() const { return Arquivo("Sulvo.ini"); }

    // A new project, its identification accepted unchanged.
    void NovoProjeto(TFPrincipal& janela) {
        modais->Esperar(AceitarIdentificacao);
        janela.TBNovoClick();
    }

    void VerificarSemProjeto(TFPrincipal& janela) {
        QCOMPARE(janela.windowTitle(), u"Sulvo"_s);
        QCOMPARE(janela.Notebook1->currentIndex(), int(TFPrincipal::kPaginaInicial));
        for (QAction* a :
             {janela.Salvar1, janela.SalvarComo1, janela.Fechar, janela.IdentificaodoProjeto1,
              janela.TipodeCanais1->menuAction(), janela.TBSalvar, janela.TBFechar, janela.IdentificacaoProjeto,
              janela.TBTri, janela.TBTra, janela.TBRet, janela.TBCir, janela.TBIre})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        for (QAction* a :
             {janela.Novo1, janela.Abrir1, janela.ConfigurarImpressora1, janela.proj[0], janela.proj[1], janela.proj[2],
              janela.proj[3], janela.Sair1, janela.Projeto1->menuAction(), janela.Ajuda1->menuAction(), janela.Contedo1,
              janela.ObterAjudaSobre1, janela.SobreoSulvo1, janela.TBNovo, janela.TBAbrir, janela.ToolbarButton972,
              janela.TBSobre, janela.ToolbarButton975})
            QVERIFY2(a->isEnabled() && a->isVisible(), qPrintable(a->objectName()));
    }

    void VerificarComProjeto(TFPrincipal& janela) {
        for (QAction* a :
             {janela.Salvar1, janela.SalvarComo1, janela.Fechar, janela.IdentificaodoProjeto1,
              janela.TipodeCanais1->menuAction(), janela.TBSalvar, janela.TBFechar, janela.IdentificacaoProjeto,
              janela.TBTri, janela.TBTra, janela.TBRet, janela.TBCir, janela.TBIre})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
    }

private slots:
    void initTestCase() { pastaOriginal = std::filesystem::current_path(); }

    void init() {
        pasta = std::make_unique<QTemporaryDir>();
        QVERIFY(pasta->isValid());
        dialogos = std::make_unique<ScriptedDialogService>();
        modais = std::make_unique<ModaisRoteirizados>(*dialogos);
    }

    void cleanup() {
        std::filesystem::current_path(pastaOriginal);
        modais.reset();
        dialogos.reset();
        pasta.reset();
    }

    void estadoInicial() {
        auto janela = NovaJanela();
        VerificarSemProjeto(*janela);
        for (int n = 0; n < 4; ++n)
            QCOMPARE(janela->proj[n]->text(), u"&%1/ "_s.arg(n + 1));
        QCOMPARE(janela->PainelRelogio->text(), QString()); // the clock starts after its first second
        QCOMPARE(janela->PainelDica->text(), QString());
        QCOMPARE(QDir::currentPath(), QDir(pasta->path()).canonicalPath());
        QCOMPARE(janela->GerenteSys1.NomeProjeto, std::string("PROJETO.SVO"));
        QCOMPARE(janela->GerenteSys1.PathProjeto, pasta->path().toStdString() + "/");
        // The file dialogs never start among the program's own files.
        QVERIFY(QDir(QString::fromStdString(janela->GerenteSys1.PastaInicialDialogo())) != QDir(pasta->path()));
        QVERIFY(!janela->GerenteSys1.Aberto());
        QVERIFY(!janela->CarregandoCampos);
        QCOMPARE(janela->Notebook1->count(), 3);
        QCOMPARE(janela->Notebook1->widget(1)->windowTitle(), u"Regulares"_s);
        QCOMPARE(janela->Notebook1->widget(2)->windowTitle(), u"Irregulares"_s);
        QVERIFY(!QFile::exists(Ini())); // created at the first completed close
        QCOMPARE(janela->ArquivoAjuda(), std::filesystem::path(pasta->path().toStdString()) / "Sulvo.hlp");
    }

    void menusEBarras() {
        auto janela = NovaJanela();
        QCOMPARE(Textos(janela->menuBar()->actions()),
                 (QStringList{u"&Projeto"_s, u"&Identificação do Projeto"_s, u"&Tipos de Canais"_s, u"&Ajuda"_s}));
        QCOMPARE(Nomes(janela->Projeto1->actions()),
                 (QStringList{u"Novo1"_s, u"Abrir1"_s, u"Salvar1"_s, u"SalvarComo1"_s, u"Fechar"_s, u"-"_s,
                              u"ConfigurarImpressora1"_s, u"-"_s, u"proj1"_s, u"proj2"_s, u"proj3"_s, u"proj4"_s,
                              u"-"_s, u"Sair1"_s}));
        QCOMPARE(janela->Novo1->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(janela->Abrir1->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(Nomes(janela->Regulares1->actions()),
                 (QStringList{u"Triangulares1"_s, u"Trapezoidais1"_s, u"Retangulares1"_s, u"Circulares1"_s}));
        QCOMPARE(Textos(janela->Ajuda1->actions()),
                 (QStringList{u"&Conteúdo"_s, u"-"_s, u"&Obter Ajuda Sobre ..."_s, u"-"_s, u"&Sobre o Sulvo"_s}));

        // Five toolbars in one row, left to right.
        const QList<QToolBar*> barras = {janela->ToolBarProjeto, janela->ToolbarTiposCanais, janela->Toolbar971,
                                         janela->Toolbar972, janela->Toolbar976};
        for (int i = 0; i < barras.size(); ++i) {
            QCOMPARE(janela->toolBarArea(barras[i]), Qt::TopToolBarArea);
            QVERIFY(!janela->toolBarBreak(barras[i]));
        }
        QCOMPARE(
            Nomes(janela->ToolBarProjeto->actions()),
            (QStringList{u"TBNovo"_s, u"TBAbrir"_s, u"TBSalvar"_s, u"TBFechar"_s, u"-"_s, u"IdentificacaoProjeto"_s}));
        QCOMPARE(Nomes(janela->ToolbarTiposCanais->actions()),
                 (QStringList{u"TBTri"_s, u"TBTra"_s, u"TBRet"_s, u"TBCir"_s, u"-"_s, u"TBIre"_s}));
        QCOMPARE(Nomes(janela->Toolbar971->actions()), (QStringList{u"ToolbarButton972"_s, u"-"_s, u"TBSobre"_s}));
        QCOMPARE(Nomes(janela->Toolbar972->actions()), (QStringList{u"ToolbarButton975"_s}));
        QCOMPARE(janela->Toolbar976->actions().size(), 4);
        QCOMPARE(janela->ToolbarTiposCanais->windowTitle(), u"Tipos de Canais"_s);
        QCOMPARE(janela->Toolbar972->windowTitle(), u"Saída"_s);
        QCOMPARE(janela->ToolBarProjeto->widgetForAction(janela->TBNovo)->size(), QSize(23, 22));
        QCOMPARE(janela->Toolbar976->widgetForAction(janela->BtPaginas[0])->size(), QSize(29, 22));
    }

    void dicas() {
        auto janela = NovaJanela();
        janela->ExibirDica(u"Curta|Longa|com barra"_s);
        QCOMPARE(janela->PainelDica->text(), u"Longa|com barra"_s);
        janela->ExibirDica(u"Sem barra"_s);
        QCOMPARE(janela->PainelDica->text(), u"Sem barra"_s);

        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        QWidget* botaoNovo = janela->ToolBarProjeto->widgetForAction(janela->TBNovo);
        QTest::mouseMove(botaoNovo);
        QTRY_COMPARE(janela->PainelDica->text(), u"Novo projeto"_s);
        QTest::mouseMove(janela->Image1); // nothing on the opening page has a hint
        QTRY_COMPARE(janela->PainelDica->text(), QString());

        // The highlight of a menu entry, sent the way the menus send it.
        janela->Novo1->showStatusText(janela->menuBar());
        QCOMPARE(janela->PainelDica->text(), u"Cria um novo projeto"_s);
        emit janela->menuBar()->hovered(janela->TipodeCanais1->menuAction());
        QCOMPARE(janela->PainelDica->text(), u"Menu Tipos de Canais"_s);
        QCOMPARE(janela->IdentificaodoProjeto1->statusTip(), u"Menu Identificação do Projeto"_s);
        QCOMPARE(janela->TBSobre->statusTip(), u"Sobre o Sulvo"_s);
    }

    void relogio() {
        auto janela = NovaJanela();
        QVERIFY(janela->Timer2->isActive());
        QCOMPARE(janela->Timer2->interval(), 1000);
        QCOMPARE(janela->PainelRelogio->text(), QString());
        janela->Timer2Timer();
        QVERIFY2(QRegularExpression(u"^\\d{1,2}:\\d{2}:\\d{2}"_s).match(janela->PainelRelogio->text()).hasMatch(),
                 qPrintable(janela->PainelRelogio->text()));
    }

    void novoProjetoMostraIdentificacao() {
        auto janela = NovaJanela();
        modais->Esperar([&](QDialog& d) {
            auto& ident = static_cast<TFIdentProjeto&>(d);
            QCOMPARE(janela->Notebook1->currentIndex(), int(TFPrincipal::kPaginaInicial));
            QCOMPARE(ident.Edit6->text(), QString::fromStdString(DataDeHoje(TFPrincipal::SeparadorDataRegional())));
            QTest::keyClicks(ident.Edit1, u"Canal Norte"_s);
            QTest::mouseClick(ident.Fechar, Qt::LeftButton);
        });
        janela->TBNovoClick();
        QCOMPARE(modais->Exibidos(), 1);
        QCOMPARE(janela->windowTitle(), u"Sulvo (\"PROJETO.SVO\")"_s);
        QCOMPARE(janela->Notebook1->currentIndex(), int(TFPrincipal::kPaginaRegulares));
        QCOMPARE(janela->IDProjeto.Nome, std::string("Canal Norte"));
        QVERIFY(janela->GerenteSys1.Alterado); // typing in the identification is a change
        VerificarComProjeto(*janela);

        // Cancelling after typing keeps the identification but not the project's clean state.
        janela->GerenteSys1.Alterado = false;
        modais->Esperar([](QDialog& d) {
            auto& ident = static_cast<TFIdentProjeto&>(d);
            QTest::keyClicks(ident.Edit1, u" Sul"_s);
            QTest::mouseClick(ident.Button1, Qt::LeftButton);
        });
        janela->IdentificacaoProjeto->trigger();
        QCOMPARE(janela->IDProjeto.Nome, std::string("Canal Norte"));
        QVERIFY(janela->GerenteSys1.Alterado);
    }

    void navegacao() {
        auto janela = NovaJanela();
        NovoProjeto(*janela);
        janela->TBIre->trigger();
        QCOMPARE(janela->Notebook1->currentIndex(), int(TFPrincipal::kPaginaIrregulares));
        janela->Circulares1->trigger();
        QCOMPARE(janela->Notebook1->currentIndex(), int(TFPrincipal::kPaginaRegulares));
        janela->Irregular1->trigger();
        QCOMPARE(janela->Notebook1->currentIndex(), int(TFPrincipal::kPaginaIrregulares));
        janela->TBTri->trigger();
        QCOMPARE(janela->Notebook1->currentIndex(), int(TFPrincipal::kPaginaRegulares));
        // At the window's least size the entry fields of the regular page stand in one column, those of the
        // panel nested in the entry group as well.
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        const TPaginaRegular& pagina = *janela->PaginaRegular;
        auto x = [&pagina](const QWidget* w) { return w->mapTo(&pagina, QPoint()).x(); };
        QCOMPARE(janela->size(), janela->minimumSize());
        QCOMPARE(x(pagina.EdFolga), x(pagina.EdVazao));
        QCOMPARE(x(pagina.EdTalude), x(pagina.EdVazao));
    }

    void impressoraPeloServico() {
        auto janela = NovaJanela();
        dialogos->EsperarImpressora().EsperarImpressora();
        janela->ConfigurarImpressora1->trigger();
        janela->ToolbarButton972->trigger();
        QVERIFY(dialogos->RoteiroCumprido());
    }

    // The recent list survives from one run to the next through "Sulvo.ini".
    void recentesEntreExecucoes() {
        const QString projeto = Arquivo("canal.svo");
        {
            auto janela = NovaJanela();
            NovoProjeto(*janela);
            dialogos->Salvar(projeto.toStdString()); // "Salvar" of a new project asks for a name
            janela->TBSalvar->trigger();
            QCOMPARE(janela->windowTitle(), u"Sulvo ('canal.svo')"_s);
            QCOMPARE(janela->proj[0]->text(), u"&1/ canal.svo"_s);
            QVERIFY(QFile::exists(projeto));
            QVERIFY(janela->close());
        }
        const QByteArray ini = Ler(Ini());
        QCOMPARE(ini, "[PRINCIPAL]\r\npath1=" + projeto.toUtf8() + "\r\npath2=\r\npath3=\r\npath4=\r\n");
        {
            auto janela = NovaJanela();
            QCOMPARE(janela->proj[0]->text(), u"&1/ canal.svo"_s);
            QCOMPARE(janela->proj[1]->text(), u"&2/ "_s);
            janela->proj[0]->trigger();
            QCOMPARE(janela->windowTitle(), u"Sulvo ('canal.svo')"_s);
            QCOMPARE(janela->Notebook1->currentIndex(), int(TFPrincipal::kPaginaRegulares));
            VerificarComProjeto(*janela);
            QVERIFY(janela->close());
        }
    }

    void recentesComOMesmoNomeEmPastasDiferentes() {
        QVERIFY(QDir(pasta->path()).mkpath(u"a"_s) && QDir(pasta->path()).mkpath(u"b"_s));
        Gravar(Ini(), "[PRINCIPAL]\r\npath1=" + Arquivo("a/x&y.svo").toUtf8() + "\r\npath2=" +
                          Arquivo("b/x&y.svo").toUtf8() + "\r\npath4=" + Arquivo("c.svo").toUtf8() + "\r\n");
        auto janela = NovaJanela();
        QCOMPARE(janela->proj[0]->text(), u"&1/ x&&y.svo"_s);
        QCOMPARE(janela->proj[1]->text(), u"&2/ x&&y.svo"_s);
        QCOMPARE(janela->proj[2]->text(), u"&3/ "_s);
        QCOMPARE(janela->proj[3]->text(), u"&4/ c.svo"_s);
        QCOMPARE(janela->GerenteSys1.Recentes[1], Arquivo("b/x&y.svo").toStdString());
    }

    // Cancel on the save prompt keeps the window open and the settings file as it was.
    void cancelarAoSairMantemJanela() {
        const QByteArray antes = "[PRINCIPAL]\r\npath1=/antigo/um.svo\r\npath2=\r\npath3=\r\npath4=\r\n";
        Gravar(Ini(), antes);
        auto janela = NovaJanela();
        NovoProjeto(*janela);
        janela->GerenteSys1.Alterado = true;
        dialogos->SimNaoCancelar("Deseja salvar as alterações em \"PROJETO.SVO\"", Resposta::Cancelar);
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        janela->Sair1->trigger();
        QVERIFY(janela->isVisible());
        QCOMPARE(Ler(Ini()), antes);
        QCOMPARE(janela->windowTitle(), u"Sulvo (\"PROJETO.SVO\")"_s);
        VerificarComProjeto(*janela);

        // Answering No this time closes without saving and writes the list back.
        dialogos->SimNaoCancelar(std::nullopt, Resposta::Nao);
        QVERIFY(janela->close());
        QCOMPARE(Ler(Ini()), antes);
        QVERIFY(!QFile::exists(Arquivo("PROJETO.SVO")));
    }

    void salvarFecharReabrir() {
        auto janela = NovaJanela();
        NovoProjeto(*janela);
        janela->IDProjeto.Empresa = "Cooperativa Sul";
        const QString projeto = Arquivo("obra.svo");
        dialogos->Salvar(projeto.toStdString());
        janela->SalvarComo1->trigger();
        QCOMPARE(janela->windowTitle(), u"Sulvo ('obra.svo')"_s);
        QVERIFY(Ler(projeto).contains("Empresa=Cooperativa Sul\r\n"));

        janela->TBFechar->trigger();
        VerificarSemProjeto(*janela);
        QCOMPARE(janela->IDProjeto.Empresa, std::string());

        janela->proj[0]->trigger();
        QCOMPARE(janela->IDProjeto.Empresa, std::string("Cooperativa Sul"));
        QCOMPARE(janela->windowTitle(), u"Sulvo ('obra.svo')"_s);
        VerificarComProjeto(*janela);
    }

    // After an open that failed the window shows that no project is open.
    void falhaAoAbrirVoltaAoEstadoSemProjeto() {
        auto janela = NovaJanela();
        NovoProjeto(*janela);
        const QString lixo = Arquivo("lixo.svo");
        Gravar(lixo, "isto não é um projeto\r\n");
        dialogos->Abrir(lixo.toStdString()).EsperarErro("Não foi possível abrir o arquivo " + lixo.toStdString() + ".");
        janela->TBAbrir->trigger();
        VerificarSemProjeto(*janela);

        // A recent entry whose file is gone: still no project, and the entry leaves the list with a message.
        NovoProjeto(*janela);
        janela->GerenteSys1.Recentes[2] = Arquivo("sumiu.svo").toStdString();
        dialogos->EsperarMensagem("O arquivo " + Arquivo("sumiu.svo").toStdString() +
                                  " não foi encontrado e foi retirado da lista de projetos recentes.");
        janela->proj[2]->trigger();
        VerificarSemProjeto(*janela);
        QCOMPARE(janela->GerenteSys1.Recentes[2], std::string());
        QVERIFY(dialogos->RoteiroCumprido());
    }

    void cancelarAberturaMantemProjeto() {
        auto janela = NovaJanela();
        NovoProjeto(*janela);
        dialogos->Abrir(std::nullopt);
        janela->Abrir1->trigger();
        QCOMPARE(janela->windowTitle(), u"Sulvo (\"PROJETO.SVO\")"_s);
        VerificarComProjeto(*janela);
    }

    // A settings file that cannot be written costs the recent list, not the exit.
    void iniNaoGravavelNaoPrendeAJanela() {
        QVERIFY(QDir(pasta->path()).mkdir(u"Sulvo.ini"_s));
        auto janela = NovaJanela();
        for (int n = 0; n < 4; ++n)
            QCOMPARE(janela->proj[n]->text(), u"&%1/ "_s.arg(n + 1));
        janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(janela.get()));
        dialogos->EsperarErro(std::nullopt);
        QVERIFY(janela->close());
        QVERIFY(!janela->isVisible());
        QCOMPARE(dialogos->Pedidos().size(), size_t(1));
        QVERIFY2(QString::fromStdString(dialogos->Pedidos()[0].texto).startsWith(u"Unable to write to"_s),
                 dialogos->Pedidos()[0].texto.c_str());
    }
};

QTEST_MAIN(PrincipalTest)
#include "PrincipalTest.moc"
