// A project's whole life in the main window: entered, calculated, saved, reopened in the next run, and
// the ways an open or a save can fail.
#include "tests/ui/ciclo/CicloComum.h"

#include "roughness/FRugosidade.h"
#include "ui/irregular/GraficoCurva.h"
#include "ui/irregular/GraficoIrregular.h"
#include "ui/regular/GraficoRegular.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QRegularExpression>
#include <QStackedWidget>

#include <cmath>

using namespace sulvo;
using namespace sulvo::testing;
using namespace Qt::StringLiterals;

namespace {

// Everything the pages show of a project: the fields as text, the selectors, the section and the charts.
struct Tela {
    QStringList vazios;    // names of the empty numeric fields
    QList<double> valores; // value of every numeric field
    QList<int> listas;
    QList<QPointF> secao, agua, curvaDividida, curvaConvencional;
    SeriePontos contorno, aguaRegular;
    std::vector<TPontoSecao> pontos;
};

QList<QPointF> Pontos(const QLineSeries* s) {
    return s->points();
}

Tela Capturar(TFPrincipal& j) {
    TPaginaRegular& r = *j.PaginaRegular;
    TPaginaIrregular& i = *j.PaginaIrregular;
    Tela t;
    for (TEditNumero* c : {r.EdVazao, r.EdProfundidade, r.EdDeclividade, r.EdRugosidade, r.EdDiametro, r.EdProDi,
                           r.EdFolga, r.EdComprimento, r.EdTalude, r.EdLargura, i.EdIVazao, i.EdISuperficie,
                           i.EdIAltura, i.EdIDeclividade, i.EdIComprimento, i.EdIRugosidade}) {
        if (c->text().isEmpty())
            t.vazios << c->objectName();
        t.valores << c->Valor();
    }
    t.listas = {r.CBTipoSulvo->currentIndex(), r.CbIncognita->currentIndex(), i.CbIncognitaIrregular->currentIndex(),
                i.CBMetodologia->currentIndex()};
    t.secao = i.IrregularChart1->PontosSecao();
    t.agua = i.IrregularChart1->PontosAgua();
    t.curvaDividida = Pontos(i.IrregularChart2->IrregularSeries4);
    t.curvaConvencional = Pontos(i.IrregularChart2->IrregularSeries5);
    const int tipo = r.TipoSelecionado();
    static const char* const kContorno[] = {"STri1", "STra1", "SRet1", "SCir1"};
    static const char* const kAgua[] = {"STri2", "STra2", "SRet2", "SCir2"};
    t.contorno = r.Grafico->Secao(tipo)->Pontos(QLatin1String(kContorno[tipo]));
    t.aguaRegular = r.Grafico->Secao(tipo)->Pontos(QLatin1String(kAgua[tipo]));
    t.pontos = j.SulvoIrregular.Pontos;
    return t;
}

QStringList Resultados(TFPrincipal& j) {
    TPaginaRegular& r = *j.PaginaRegular;
    TPaginaIrregular& i = *j.PaginaIrregular;
    QStringList t;
    for (QLineEdit* e : {r.EdArea, r.EdPerimetro, r.EdSuperficie, r.EdProfCrit, r.EdNFroud, r.EdRegime, r.EdVelocidade,
                         r.EdEnergia, r.EdMovTerra})
        t << e->text();
    for (QLabel* e : {i.EdIArea, i.EdIPerimetro, i.EdIProfCrit, i.EdINFroud, i.EdIRegime, i.EdIVelocidade, i.EdIEnergia,
                      i.EdIMovTerra})
        t << e->text();
    return t;
}

bool Proximas(const SeriePontos& a, const SeriePontos& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (std::abs(a[k].x - b[k].x) > 1e-9 || std::abs(a[k].y - b[k].y) > 1e-9)
            return false;
    return true;
}

bool Proximas(const QList<QPointF>& a, const QList<QPointF>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype k = 0; k < a.size(); ++k)
        if (std::abs(a[k].x() - b[k].x()) > 1e-9 || std::abs(a[k].y() - b[k].y()) > 1e-9)
            return false;
    return true;
}

bool Proximos(const QList<double>& a, const QList<double>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype k = 0; k < a.size(); ++k)
        if (std::abs(a[k] - b[k]) > 1e-12 * std::max(1.0, std::abs(b[k])))
            return false;
    return true;
}

void Gravar(const std::string& caminho, const QByteArray& conteudo) {
    QFile f(QString::fromStdString(caminho));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(conteudo);
}

// Q = A R^(2/3) I^(1/2) / n of a trapezoid, computed here from its dimensions.
double ManningTrapezio(double b, double z, double H, double I, double n) {
    const double A = (b + z * H) * H;
    const double P = b + 2 * H * std::sqrt(1 + z * z);
    return A * std::pow(A / P, 2.0 / 3.0) * std::sqrt(I) / n;
}

} // namespace

class CicloProjetoTest : public QObject {
    Q_OBJECT

    // The worked trapezoid (unknown: the normal depth) and a surveyed section with two roughness values
    // (unknown: the discharge, by divided section).
    static void EntrarProjeto(AmbienteJanela& a) {
        a.NovoProjeto(u"Canal Norte"_s);
        a.J().Trapezoidais1->trigger();
        Escolher(a.R().CbIncognita, 1);
        Digitar(a.R().EdVazao, u"1,5"_s);
        Digitar(a.R().EdDeclividade, u"0,001"_s);
        Digitar(a.R().EdRugosidade, u"0,015"_s);
        Digitar(a.R().EdTalude, u"1,5"_s);
        Digitar(a.R().EdLargura, u"1"_s);
        Digitar(a.R().EdComprimento, u"100"_s);
        Digitar(a.R().EdFolga, u"0,2"_s);
        a.R().BCalcular->click();

        a.J().TBIre->trigger();
        a.Largura(u"10"_s);
        a.Ponto(u"3"_s, u"1,2"_s);
        a.Ponto(u"7"_s, u"1"_s);
        a.Rugosidade(0, -1, 0.025);
        a.Rugosidade(0, 0, 0.035);
        Escolher(a.I().CBMetodologia, 1);
        Digitar(a.I().EdIAltura, u"0,8"_s);
        a.I().EdIAlturaExit(); // leaving the field raises the water
        Digitar(a.I().EdIDeclividade, u"0,0005"_s);
        Digitar(a.I().EdIComprimento, u"50"_s);
        a.I().BtICalcular->click();
    }

    static void VerificarSemProjeto(TFPrincipal& j) {
        QCOMPARE(j.windowTitle(), u"Sulvo"_s);
        QCOMPARE(j.Notebook1->currentIndex(), int(TFPrincipal::kPaginaInicial));
        for (QAction* a : {j.Salvar1, j.SalvarComo1, j.Fechar, j.IdentificaodoProjeto1, j.TipodeCanais1->menuAction(),
                           j.TBSalvar, j.TBFechar, j.IdentificacaoProjeto, j.TBTri, j.TBTra, j.TBRet, j.TBCir, j.TBIre})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(!j.PaginaRegular->isEnabled());
        QVERIFY(!j.PaginaIrregular->isEnabled());
    }

    // Nothing of a former project on either page, nor in the models.
    static void VerificarVazio(TFPrincipal& j) {
        const Tela t = Capturar(j);
        QCOMPARE(t.vazios.size(), t.valores.size());
        QVERIFY(t.secao.isEmpty() && t.agua.isEmpty() && t.curvaDividida.isEmpty() && t.contorno.empty());
        QVERIFY(j.SulvoIrregular.Pontos.empty());
        QCOMPARE(j.SulvoTrapezoidal.Q, 0.0);
        QCOMPARE(j.IDProjeto.Nome, std::string());
        for (const QString& r : Resultados(j))
            QVERIFY(r.isEmpty());
    }

private slots:
    void initTestCase() { TEditNumero::DefinirSeparadores(u',', u'.'); }

    void projetoSobreviveAoReinicio() {
        AmbienteJanela a;
        a.Abrir();
        EntrarProjeto(a);
        const double H = a.J().SulvoTrapezoidal.H;
        QVERIFY(H > 0);
        // The depth solves Manning's equation to within the solver's step of 0.1 mm.
        QVERIFY(ManningTrapezio(1, 1.5, H - 1e-4, 0.001, 0.015) < 1.5);
        QVERIFY(ManningTrapezio(1, 1.5, H + 1e-4, 0.001, 0.015) > 1.5);
        QVERIFY(a.J().SulvoIrregular.Q > 0);
        // The irregular keystrokes after the regular calculation outdated the regular report.
        QVERIFY(!a.R().BtRelatorio->isEnabled() && a.I().BtIRelatorio->isEnabled());
        const Tela antes = Capturar(a.J());
        const QStringList resultados = Resultados(a.J());
        QVERIFY(!antes.curvaDividida.isEmpty() && !antes.contorno.empty());
        QVERIFY(Proximas(antes.agua, QList<QPointF>{{0, -0.4}, {10, -0.4}}));
        QVERIFY(antes.pontos.size() == 4 && antes.pontos[1].Rug != antes.pontos[2].Rug);

        const std::string arquivo = a.Arquivo("ciclo.svo");
        a.dialogos.Salvar(arquivo);
        a.J().TBSalvar->trigger();
        QVERIFY(!a.J().GerenteSys1.Alterado);
        QVERIFY(a.J().close()); // nothing changed since the save: no question

        TFPrincipal& j = a.Abrir();
        QCOMPARE(j.proj[0]->text(), u"&1/ ciclo.svo"_s);
        j.proj[0]->trigger();
        QCOMPARE(j.windowTitle(), u"Sulvo ('ciclo.svo')"_s);
        QCOMPARE(j.Notebook1->currentIndex(), int(TFPrincipal::kPaginaRegulares));
        QVERIFY(!j.GerenteSys1.Alterado);
        QCOMPARE(j.IDProjeto.Nome, std::string("Canal Norte"));
        // Both problems were saved calculated: they are calculated again, without a box, and their reports
        // are there as after "Calcular".
        QVERIFY(a.R().BtRelatorio->isEnabled() && a.I().BtIRelatorio->isEnabled());
        QCOMPARE(Resultados(j), resultados);
        QVERIFY(Proximas(Capturar(j).curvaConvencional, antes.curvaConvencional));
        QVERIFY(a.R().EdProfundidade->isReadOnly()); // still the unknown
        QVERIFY(a.I().BtICalcular->isEnabled() && a.I().BtInserirPonto->isEnabled());

        const Tela depois = Capturar(j);
        QCOMPARE(depois.vazios, antes.vazios);
        QVERIFY(Proximos(depois.valores, antes.valores)); // the file keeps 15 significant digits
        QCOMPARE(depois.listas, antes.listas);
        QVERIFY(Proximas(depois.contorno, antes.contorno));
        QVERIFY(Proximas(depois.aguaRegular, antes.aguaRegular));
        QCOMPARE(depois.secao, antes.secao);
        QVERIFY(Proximas(depois.agua, antes.agua));
        QCOMPARE(depois.pontos.size(), antes.pontos.size());
        for (std::size_t k = 0; k < antes.pontos.size(); ++k) {
            QCOMPARE(depois.pontos[k].X, antes.pontos[k].X);
            QCOMPARE(depois.pontos[k].Y, antes.pontos[k].Y);
            QCOMPARE(depois.pontos[k].Rug, antes.pontos[k].Rug);
        }
        QVERIFY(Proximas(depois.curvaDividida, antes.curvaDividida));

        // Both pages calculate the same again.
        a.R().BCalcular->click();
        a.I().BtICalcular->click();
        QCOMPARE(Resultados(j), resultados);
        QVERIFY(Proximas(Capturar(j).curvaDividida, antes.curvaDividida));
        QVERIFY(Proximas(Capturar(j).curvaConvencional, antes.curvaConvencional));
        QVERIFY(!j.GerenteSys1.Alterado); // a calculation is not an edit
        QVERIFY(j.close());
    }

    // Every edit of an input marks the project as changed; a new project starts unmarked although its
    // clearing ran the same change handlers.
    void edicoesMarcamOProjeto_data() {
        QTest::addColumn<int>("edicao");
        const char* const nomes[] = {"tipo pelo menu, o mesmo",
                                     "incógnita regular",
                                     "tecla num campo regular",
                                     "tecla num campo irregular",
                                     "rugosidade da tabela",
                                     "nova largura",
                                     "metodologia",
                                     "incógnita irregular",
                                     "tecla na identificação"};
        for (int k = 0; k < int(std::size(nomes)); ++k)
            QTest::newRow(nomes[k]) << k;
    }
    void edicoesMarcamOProjeto() {
        QFETCH(int, edicao);
        AmbienteJanela a;
        a.Abrir();
        a.NovoProjeto();
        QVERIFY(!a.J().GerenteSys1.Alterado);
        switch (edicao) {
        case 0:
            a.J().TBTri->trigger();
            break;
        case 1:
            Escolher(a.R().CbIncognita, 2);
            break;
        case 2:
            QTest::keyClick(a.R().EdProfundidade, Qt::Key_5);
            break;
        case 3:
            QTest::keyClick(a.I().EdIComprimento, Qt::Key_5);
            break;
        case 4:
            a.modais.Esperar([](QDialog& d) { static_cast<TFRugosidade&>(d).BtOk->click(); });
            a.R().AbrirTabelaRugosidade(1);
            QVERIFY(a.R().EdRugosidade->Valor() > 0);
            break;
        case 5:
            a.Largura(u"5"_s);
            break;
        case 6:
            Escolher(a.I().CBMetodologia, 1);
            break;
        case 7:
            Escolher(a.I().CbIncognitaIrregular, 2);
            break;
        case 8:
            a.modais.Esperar([](QDialog& d) { QTest::keyClick(static_cast<TFIdentProjeto&>(d).Edit2, Qt::Key_A); });
            a.J().IdentificaodoProjeto1->trigger();
            break;
        }
        QVERIFY(a.J().GerenteSys1.Alterado);
    }

    // A field saved as 0 comes back empty, not as a formatted zero; a section without width leaves its
    // field empty and "Inserir" off.
    void zerosVoltamComoCamposVazios() {
        AmbienteJanela a;
        a.Abrir();
        a.NovoProjeto();
        a.J().Retangulares1->trigger();
        Digitar(a.R().EdProfundidade, u"2"_s);
        Digitar(a.R().EdLargura, u"0"_s);
        Digitar(a.I().EdIDeclividade, u"0,002"_s);
        const std::string arquivo = a.Arquivo("zeros.svo");
        a.dialogos.Salvar(arquivo);
        a.J().SalvarComo1->trigger();
        a.J().TBFechar->trigger();

        a.J().proj[0]->trigger();
        QCOMPARE(a.R().CBTipoSulvo->currentIndex(), 2);
        QCOMPARE(a.R().EdProfundidade->Valor(), 2.0);
        QVERIFY(!a.R().EdProfundidade->text().isEmpty());
        for (TEditNumero* c : {a.R().EdVazao, a.R().EdDeclividade, a.R().EdRugosidade, a.R().EdLargura, a.R().EdFolga,
                               a.R().EdComprimento, a.I().EdISuperficie, a.I().EdIVazao})
            QVERIFY2(c->text().isEmpty(), qPrintable(c->objectName() + u'=' + c->text()));
        QCOMPARE(a.I().EdIDeclividade->Valor(), 0.002);
        QVERIFY(!a.I().BtInserirPonto->isEnabled());
        // Today's date of a new project, saved and read back with a date separator even where the regional
        // short date has none (the C locale's "d MMM yyyy").
        const QString data = QString::fromStdString(a.J().IDProjeto.Data);
        QVERIFY2(QRegularExpression(u"^\\d{2}[/.-]\\d{2}[/.-]\\d{4}$"_s).match(data).hasMatch(), qPrintable(data));
    }

    // A recent entry whose file is gone (or an empty entry): after the save prompt the fields are emptied and
    // the window shows that no project is open; a gone file's entry leaves the list, with a message.
    void recenteSemArquivo_data() {
        QTest::addColumn<bool>("vazia");
        QTest::newRow("arquivo apagado") << false;
        QTest::newRow("entrada vazia") << true;
    }
    void recenteSemArquivo() {
        QFETCH(bool, vazia);
        AmbienteJanela a;
        a.Abrir();
        EntrarProjeto(a);
        const std::string sumiu = a.Arquivo("sumiu.svo");
        a.J().GerenteSys1.Recentes = {a.Arquivo("outro.svo"), vazia ? std::string() : sumiu, "", ""};
        a.J().AtualizarLegendasRecentes();
        a.dialogos.SimNaoCancelar("Deseja salvar as alterações em \"PROJETO.SVO\"", Resposta::Nao);
        if (!vazia)
            a.dialogos.EsperarMensagem("O arquivo " + sumiu +
                                       " não foi encontrado e foi retirado da lista de projetos recentes.");
        a.J().proj[1]->trigger();
        VerificarSemProjeto(a.J());
        VerificarVazio(a.J());
        QCOMPARE(a.J().proj[1]->text(), u"&2/ "_s); // a gone file's entry left the list
        // The width question, the save prompt and, for a gone file, the message.
        QCOMPARE(a.dialogos.Pedidos().size(), std::size_t(vazia ? 2 : 3));
        // A new project starts clean after it.
        a.NovoProjeto();
        QCOMPARE(a.J().windowTitle(), u"Sulvo (\"PROJETO.SVO\")"_s);
        QCOMPARE(a.R().CBTipoSulvo->currentIndex(), 0);
        QCOMPARE(a.R().CbIncognita->currentIndex(), 0);
    }

    // Closing a changed project: Cancel, or Yes and then no name for the file, keep the window and the
    // project as they were; No lets it go.
    void perguntaAoFechar() {
        AmbienteJanela a;
        a.Abrir();
        EntrarProjeto(a);
        const Tela antes = Capturar(a.J());
        const std::string pergunta = "Deseja salvar as alterações em \"PROJETO.SVO\"";

        a.dialogos.SimNaoCancelar(pergunta, Resposta::Cancelar);
        QVERIFY(!a.J().close());
        a.dialogos.SimNaoCancelar(pergunta, Resposta::Sim).Salvar(std::nullopt);
        QVERIFY(!a.J().close());
        a.dialogos.SimNaoCancelar(pergunta, Resposta::Sim).Salvar(std::nullopt);
        a.R().Button4->click(); // the page's "Fechar"
        QVERIFY(a.J().isVisible());
        QVERIFY(a.J().GerenteSys1.Alterado);
        QCOMPARE(a.J().windowTitle(), u"Sulvo (\"PROJETO.SVO\")"_s);
        QCOMPARE(Capturar(a.J()).vazios, antes.vazios);
        QVERIFY(Proximos(Capturar(a.J()).valores, antes.valores));
        QCOMPARE(a.J().Notebook1->currentIndex(), int(TFPrincipal::kPaginaIrregulares));

        a.dialogos.SimNaoCancelar(pergunta, Resposta::Nao);
        a.I().Button6->click();
        VerificarSemProjeto(a.J());
        VerificarVazio(a.J());
        QVERIFY(!QFile::exists(QString::fromStdString(a.Arquivo("PROJETO.SVO"))));
    }

    // An open that fails leaves no half of the former project: the fields and models are empty, and the
    // window is back in its no-project state, whether opened by "Abrir" (with the error), by a recent
    // entry (silently) or as the file named on the command line (with the error, and the good file
    // then opens the same way).
    void falhaAoAbrir_data() {
        QTest::addColumn<bool>("recente");
        QTest::addColumn<bool>("linhaComando");
        QTest::newRow("Abrir") << false << false;
        QTest::newRow("recente") << true << false;
        QTest::newRow("linha de comando") << false << true;
    }
    void falhaAoAbrir() {
        QFETCH(bool, recente);
        QFETCH(bool, linhaComando);
        AmbienteJanela a;
        a.Abrir();
        EntrarProjeto(a);
        const std::string bom = a.Arquivo("bom.svo");
        a.dialogos.Salvar(bom);
        a.J().TBSalvar->trigger();
        const std::string ruim = a.Arquivo("ruim.svo");
        Gravar(ruim, "[SULVO1]\r\nVersao=1\r\n"); // a head of another version

        if (recente) {
            a.J().GerenteSys1.Recentes[1] = ruim;
            a.J().proj[1]->trigger();
        } else if (linhaComando) {
            a.dialogos.EsperarErro("Não foi possível abrir o arquivo " + ruim + ".");
            a.J().AbrirProjeto(ruim);
        } else {
            a.dialogos.Abrir(ruim).EsperarErro("Não foi possível abrir o arquivo " + ruim + ".");
            a.J().Abrir1->trigger();
        }
        VerificarSemProjeto(a.J());
        VerificarVazio(a.J());
        QVERIFY(a.dialogos.RoteiroCumprido());
        QCOMPARE(a.J().proj[0]->text(), u"&1/ bom.svo"_s);
        // Nothing to save, nothing to ask at the exit.
        QVERIFY(!a.J().GerenteSys1.Salvar());
        QVERIFY(a.J().close());

        // The good file still opens in full.
        if (linhaComando)
            a.Abrir().AbrirProjeto(bom);
        else
            a.Abrir().proj[0]->trigger();
        QCOMPARE(a.J().windowTitle(), u"Sulvo ('bom.svo')"_s);
        QCOMPARE(a.J().SulvoIrregular.Pontos.size(), std::size_t(4));
    }

    // A save that fails is shown, and the project stays marked as changed under its former name: closing
    // still asks to save.
    void falhaAoSalvar() {
        AmbienteJanela a;
        a.Abrir();
        EntrarProjeto(a);
        const std::string semPasta = a.Arquivo("nao/existe/x.svo");
        a.dialogos.Salvar(semPasta).EsperarErro("Não foi possível gravar o arquivo " + semPasta + ".");
        a.J().SalvarComo1->trigger();
        QCOMPARE(a.J().windowTitle(), u"Sulvo (\"PROJETO.SVO\")"_s);
        QVERIFY(a.J().GerenteSys1.Alterado);
        QCOMPARE(a.J().proj[0]->text(), u"&1/ "_s);

        // A project with a file whose folder went away since.
        QVERIFY(QDir(a.pasta.path()).mkdir(u"obra"_s));
        const std::string arquivo = a.Arquivo("obra/canal.svo");
        a.dialogos.Salvar(arquivo);
        a.J().SalvarComo1->trigger();
        QVERIFY(!a.J().GerenteSys1.Alterado);
        QVERIFY(QDir(a.pasta.filePath(u"obra"_s)).removeRecursively());
        Digitar(a.R().EdFolga, u"0,3"_s);
        // The file went with its folder: asked first, then the save fails.
        a.dialogos.SimNaoCancelar(TGerenteSys::PerguntaAlteradoFora(arquivo, true), Resposta::Sim)
            .EsperarErro("Não foi possível gravar o arquivo " + arquivo + ".");
        a.J().TBSalvar->trigger();
        QVERIFY(a.J().GerenteSys1.Alterado);
        QCOMPARE(a.J().windowTitle(), u"Sulvo ('canal.svo')"_s);

        a.dialogos.SimNaoCancelar("Deseja salvar as alterações em canal.svo", Resposta::Cancelar);
        QVERIFY(!a.J().close());
        a.dialogos.SimNaoCancelar(std::nullopt, Resposta::Nao);
        QVERIFY(a.J().close());
    }

    // Project files written by hand in the documented layout, with either decimal separator.
    void arquivoEscritoAMao_data() {
        QTest::addColumn<QByteArray>("separador");
        QTest::newRow("vírgula") << QByteArray(",");
        QTest::newRow("ponto") << QByteArray(".");
    }
    void arquivoEscritoAMao() {
        QFETCH(QByteArray, separador);
        QByteArray texto = "[SULVO1]\r\nVersao=1.0 \r\nIndSulvoReg=3\r\nIndIncognita=2\r\n"
                           "[IDENTIFICACAO]\r\nVersao=1\r\nNome=Vila S\xe3o Jos\xe9\r\nEmpresa=\r\nLocal=\r\n"
                           "Estado=RS\r\nTecnico=\r\nData=01/02/2026\r\n"
                           "[SULVO]\r\nVersao=1\r\nQ=0#2\r\nH=0\r\nI=0#002\r\nn=0#013\r\nRegime=\r\n"
                           "[SULVOCIRCULAR]\r\nVersao=1\r\nD=0#6\r\nT=0\r\nIncognita=1\r\n"
                           "[SULVOIRREGULAR]\r\nVersao=1\r\nQ=0\r\nH=0#9\r\nI=0#001\r\nn=0\r\nS=12\r\nComp=200\r\n"
                           "Regime=\r\nIncognita=0\r\nMetodologia=1\r\nNumPontos=4\r\n"
                           "X1=0\r\nY1=0\r\nRug1=0\r\nX2=4\r\nY2=-1#5\r\nRug2=0#03\r\n"
                           "X3=8\r\nY3=-1#2\r\nRug3=0#025\r\nX4=12\r\nY4=0\r\nRug4=0#03\r\n";
        texto.replace('#', separador);
        AmbienteJanela a;
        const std::string arquivo = a.Arquivo("manual.svo");
        Gravar(arquivo, texto);
        a.Abrir();
        a.dialogos.Abrir(arquivo);
        a.J().TBAbrir->trigger();

        TFPrincipal& j = a.J();
        QCOMPARE(j.windowTitle(), u"Sulvo ('manual.svo')"_s);
        QCOMPARE(j.Notebook1->currentIndex(), int(TFPrincipal::kPaginaRegulares));
        QVERIFY(!j.GerenteSys1.Alterado);
        QCOMPARE(QString::fromStdString(j.IDProjeto.Nome), u"Vila São José"_s);
        QCOMPARE(a.R().CBTipoSulvo->currentText(), u"Circulares"_s);
        QCOMPARE(a.R().CbIncognita->currentText(), u"Profundidade Normal"_s);
        QVERIFY(a.R().EdProfundidade->isReadOnly());
        QVERIFY(a.R().EdProfundidade->text().isEmpty());
        QCOMPARE(a.R().EdVazao->Valor(), 0.2);
        QCOMPARE(a.R().EdDiametro->Valor(), 0.6);
        QCOMPARE(a.R().EdRugosidade->Valor(), 0.013);
        QVERIFY(a.R().EdProDi->text().isEmpty());
        QVERIFY(a.R().EdDiametro->isVisible() && !a.R().EdTalude->isVisible());

        QCOMPARE(a.I().CbIncognitaIrregular->currentText(), u"Vazão"_s);
        QCOMPARE(a.I().CBMetodologia->currentIndex(), 1);
        QCOMPARE(a.I().EdISuperficie->Valor(), 12.0);
        QCOMPARE(a.I().EdIAltura->Valor(), 0.9);
        QCOMPARE(a.I().EdIComprimento->Valor(), 200.0);
        QVERIFY(a.I().EdIVazao->text().isEmpty());
        QCOMPARE(a.I().IrregularChart1->PontosSecao(), (QList<QPointF>{{0, 0}, {4, -1.5}, {8, -1.2}, {12, 0}}));
        // The water 0.9 m above the lowest point, across the whole width.
        QVERIFY(Proximas(a.I().IrregularChart1->PontosAgua(), QList<QPointF>{{0, -0.6}, {12, -0.6}}));
        QCOMPARE(j.SulvoIrregular.Pontos[2].Rug, 0.025);
        QVERIFY(a.I().BtICalcular->isEnabled() && a.I().BtInserirPonto->isEnabled());

        // Both problems are ready to calculate as they stand.
        a.R().BCalcular->click();
        const double H = j.SulvoCircular.H;
        QVERIFY(H > 0 && H < 0.6);
        QCOMPARE(a.R().EdProfundidade->Valor(), H);
        QVERIFY(!a.R().EdArea->text().isEmpty());
        a.I().BtICalcular->click();
        QVERIFY(j.SulvoIrregular.Q > 0);
        QCOMPARE(a.I().EdIVazao->Valor(), j.SulvoIrregular.Q);
        QVERIFY(a.dialogos.RoteiroCumprido());
    }
};

QTEST_MAIN(CicloProjetoTest)
#include "CicloProjetoTest.moc"
