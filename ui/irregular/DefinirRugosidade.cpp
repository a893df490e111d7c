#include "ui/irregular/DefinirRugosidade.h"

#include "common/NumberFormat.h"
#include "controls/EditNumero.h"
#include "engine/uIrregular.h"
#include "project/DialogService.h"
#include "roughness/FRugosidade.h"
#include "ui/irregular/IrregularSecao.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace sulvo {
namespace {

constexpr int kLarguraCliente = 387;
constexpr int kAlturaCliente = 282;
constexpr int kLarguraColuna = 113;
constexpr int kAlturaLinha = 21;
constexpr int kColunaRugosidade = 2;

char Separador() {
    return TEditNumero::SeparadorDecimal().toLatin1();
}

QString Rotulo(const TPontoSecao& p) {
    return QString::fromStdString(RotuloPonto(p, Separador()));
}

} // namespace

TFDefinirRugosidade::TFDefinirRugosidade(TSulvoIrregular& secao, IDialogService& dialogos, QWidget* parent)
    : QDialog(parent), secao_(secao), dialogos_(dialogos) {
    setObjectName(QStringLiteral("FDefinirRugosidade"));
    setWindowTitle(QStringLiteral("Definir Rugosidades"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setProperty("helpContext", kContextoAjuda);

    Label2 = new QLabel(QStringLiteral("Início do Intervalo (X ; Y):"), this);
    CBInicio = new QComboBox(this);
    Label3 = new QLabel(QStringLiteral("Final do Intervalo (X ; Y):"), this);
    CBFinal = new QComboBox(this);
    for (QComboBox* lista : {CBInicio, CBFinal}) {
        lista->setEditable(false); // pick-only: a run always has both ends chosen
        lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    Label4 = new QLabel(QStringLiteral("Rugosidade :"), this);
    EdRugosidade = new TEditNumero(this);
    EdRugosidade->setObjectName(QStringLiteral("EdRugosidade"));
    EdRugosidade->SetFormato(TFormato::fDouble);
    EdRugosidade->SetNegativo(false);
    EdRugosidade->SetDecimais(8);
    BtRugosidade = new QToolButton(this);
    BtRugosidade->setText(QStringLiteral("..."));
    BtAdicionar = new QPushButton(QStringLiteral("&Adicionar"), this);
    BtAdicionar->setAutoDefault(false);
    // Enter in the coefficient field gives it to the chosen run.
    BtAdicionar->setDefault(true);
    Label1 = new QLabel(QStringLiteral("Tabela de Intervalos com seus respectivos coeficientes de rugosidade :"), this);

    SGTabela = new QTableWidget(0, 3, this);
    const QStringList cabecalhos{QStringLiteral("   Início do Intervalo"), QStringLiteral("    Final do Intervalo"),
                                 QStringLiteral("       Rugosidade")};
    SGTabela->setHorizontalHeaderLabels(cabecalhos);
    SGTabela->verticalHeader()->hide();
    SGTabela->verticalHeader()->setDefaultSectionSize(kAlturaLinha);
    SGTabela->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    SGTabela->horizontalHeader()->setHighlightSections(false);
    // Columns of 113 pixels, wider only when the font would cut a header short.
    int larguraTabela = 2 * SGTabela->frameWidth() + SGTabela->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < 3; ++c) {
        const int largura = std::max(kLarguraColuna, SGTabela->fontMetrics().horizontalAdvance(cabecalhos[c]) + 12);
        SGTabela->setColumnWidth(c, largura);
        larguraTabela += largura;
    }
    SGTabela->setMinimumWidth(larguraTabela);
    SGTabela->setSelectionMode(QAbstractItemView::SingleSelection);
    SGTabela->setSelectionBehavior(QAbstractItemView::SelectItems);
    SGTabela->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    Label1->setWordWrap(true);

    BtSair = new QPushButton(QStringLiteral("&Sair"), this);
    BtSair->setAutoDefault(false);

    PpMRugosidade = new QMenu(this);
    CondutosCirculares1 = PpMRugosidade->addAction(QStringLiteral("Condutos Circulares"));
    PpMRugosidade->addSeparator();
    CanaisRevestidos1 = PpMRugosidade->addAction(QStringLiteral("Canais Revestidos"));
    PpMRugosidade->addSeparator();
    CursosDguaDragadosouEscavados1 = PpMRugosidade->addAction(QStringLiteral("Cursos D'Água Dragados ou Escavados"));
    CusrosDguaNaturaisMenores1 = PpMRugosidade->addAction(QStringLiteral("Cusros D'Água Naturais Menores"));
    Enchentes1 = PpMRugosidade->addAction(QStringLiteral("Enchentes"));
    CursosDguaMaiores1 = PpMRugosidade->addAction(QStringLiteral("Cursos D'Água Naturais Maiores"));
    PpMRugosidade->setDefaultAction(CursosDguaDragadosouEscavados1);

    auto* grade = new QGridLayout;
    grade->addWidget(Label2, 0, 0);
    grade->addWidget(CBInicio, 0, 1, 1, 3);
    grade->addWidget(Label3, 1, 0);
    grade->addWidget(CBFinal, 1, 1, 1, 3);
    grade->addWidget(Label4, 2, 0);
    grade->addWidget(EdRugosidade, 2, 1);
    grade->addWidget(BtRugosidade, 2, 2);
    grade->addWidget(BtAdicionar, 2, 3);
    grade->setColumnStretch(1, 1);
    auto* rodape = new QHBoxLayout;
    rodape->addStretch(1);
    rodape->addWidget(BtSair);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grade);
    layout->addWidget(Label1);
    layout->addWidget(SGTabela, 1);
    layout->addLayout(rodape);
    // 387 x 282, or what the user's font needs.
    setFixedSize(std::max(kLarguraCliente, sizeHint().width()), std::max(kAlturaCliente, minimumSizeHint().height()));

    connect(BtAdicionar, &QPushButton::clicked, this, &TFDefinirRugosidade::BtAdicionarClick);
    connect(EdRugosidade, &TEditNumero::Editado, this, [this] { faixaEscolhida_ = {}; });
    connect(BtRugosidade, &QToolButton::clicked, this, &TFDefinirRugosidade::BtRugosidadeClick);
    connect(BtSair, &QPushButton::clicked, this, &TFDefinirRugosidade::BtSairClick);
    connect(SGTabela, &QTableWidget::itemChanged, this, &TFDefinirRugosidade::SGTabelaItemChanged);
    connect(CondutosCirculares1, &QAction::triggered, this, &TFDefinirRugosidade::CondutosCirculares1Click);
    connect(CanaisRevestidos1, &QAction::triggered, this, &TFDefinirRugosidade::CanaisRevestidos1Click);
    connect(CursosDguaDragadosouEscavados1, &QAction::triggered, this,
            &TFDefinirRugosidade::CursosDguaDragadosouEscavados1Click);
    connect(CusrosDguaNaturaisMenores1, &QAction::triggered, this,
            &TFDefinirRugosidade::CusrosDguaNaturaisMenores1Click);
    connect(Enchentes1, &QAction::triggered, this, &TFDefinirRugosidade::Enchentes1Click);
    connect(CursosDguaMaiores1, &QAction::triggered, this, &TFDefinirRugosidade::CursosDguaMaiores1Click);
}

void TFDefinirRugosidade::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
}

void TFDefinirRugosidade::Executar() {
    FormActivate();
    for (;;) {
        tabelaPedida_ = -1;
        dialogos_.ExibirModal(*this);
        if (tabelaPedida_ < 0)
            break;
        if (tabelas_) {
            tabelas_->DefinirTabela(tabelaPedida_);
            if (dialogos_.ExibirModal(*tabelas_) == QDialog::Accepted) {
                EdRugosidade->SetValor(tabelas_->RugosidadeEscolhida);
                faixaEscolhida_ = tabelas_->FaixaEscolhida;
            }
        }
    }
}

void TFDefinirRugosidade::FormActivate() {
    const auto& pontos = secao_.Pontos;
    const int n = static_cast<int>(pontos.size());
    EdRugosidade->clear();
    faixaEscolhida_ = {};
    EsvaziarListas();
    for (int k = 0; k + 1 < n; ++k)
        CBInicio->addItem(Rotulo(pontos[static_cast<std::size_t>(k)]));
    for (int k = 1; k < n; ++k)
        CBFinal->addItem(Rotulo(pontos[static_cast<std::size_t>(k)]));
    if (CBInicio->count() > 0)
        CBInicio->setCurrentIndex(0);
    if (CBFinal->count() > 0)
        CBFinal->setCurrentIndex(0);

    preenchendo_ = true;
    SGTabela->clearContents();
    SGTabela->setRowCount(std::max(n - 1, 0));
    for (int r = 1; r < n; ++r) {
        const auto& p = pontos[static_cast<std::size_t>(r)];
        for (int c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem(Rotulo(pontos[static_cast<std::size_t>(r - 1 + c)]));
            item->setFlags(Qt::ItemIsEnabled); // only the coefficient column can be selected
            SGTabela->setItem(r - 1, c, item);
        }
        auto* rug =
            new QTableWidgetItem(p.Rug != 0 ? QString::fromStdString(FormatarGeral(p.Rug, Separador())) : QString());
        rug->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        SGTabela->setItem(r - 1, kColunaRugosidade, rug);
    }
    preenchendo_ = false;
    if (n > 1)
        SGTabela->setCurrentCell(0, kColunaRugosidade);
}

void TFDefinirRugosidade::EscreverCelula(int intervalo, const QString& texto) {
    QTableWidgetItem* item = SGTabela->item(intervalo - 1, kColunaRugosidade);
    if (!item)
        return;
    preenchendo_ = true;
    item->setText(texto);
    preenchendo_ = false;
}

void TFDefinirRugosidade::BtAdicionarClick() {
    const int inicio = CBInicio->currentIndex();
    const int final = CBFinal->currentIndex();
    const QString texto = EdRugosidade->text();
    if (AtribuirRugosidade(secao_.Pontos, inicio, final, EdRugosidade->Valor(), faixaEscolhida_))
        for (int r = inicio + 1; r <= final + 1; ++r)
            EscreverCelula(r, texto);
    emit RugosidadeAlterada();
}

void TFDefinirRugosidade::SGTabelaItemChanged(QTableWidgetItem* item) {
    if (preenchendo_ || !item || item->column() != kColunaRugosidade)
        return;
    // A coefficient typed into the table goes into the section too, so the closing check, the page's
    // warning and the calculation all see the same values. A text that is not a number leaves the
    // interval without a coefficient.
    const auto r = static_cast<std::size_t>(item->row()) + 1;
    if (r >= secao_.Pontos.size())
        return;
    secao_.Pontos[r].Rug = LerReal(item->text().toStdString()).value_or(0.0);
    secao_.Pontos[r].DefinirFaixa({}); // typed by hand: no table band
    emit RugosidadeAlterada();
}

void TFDefinirRugosidade::BtRugosidadeClick() {
    PpMRugosidade->popup(
        mapToGlobal(QPoint(BtRugosidade->x() + BtRugosidade->width() + 3, BtRugosidade->y() + kAlturaLinha)));
}

void TFDefinirRugosidade::EscolherTabela(int tipo) {
    // The table window takes this one's place while the user picks; Executar shows this one again.
    tabelaPedida_ = tipo;
    hide();
}

void TFDefinirRugosidade::BtSairClick() {
    close();
}

std::vector<std::string> TFDefinirRugosidade::TextosRugosidade() const {
    std::vector<std::string> textos;
    for (int r = 0; r < SGTabela->rowCount(); ++r) {
        const QTableWidgetItem* item = SGTabela->item(r, kColunaRugosidade);
        textos.push_back(item ? item->text().toStdString() : std::string());
    }
    return textos;
}

void TFDefinirRugosidade::reject() {
    SGTabela->setCurrentItem(nullptr); // commits a coefficient still being typed into a cell
    if (!secao_.Pontos.empty())
        secao_.Pontos[0].Rug = 0;
    bool fechar = true;
    const bool validas = !PrimeiroIntervaloInvalido(TextosRugosidade()).has_value();
    if (!validas)
        fechar = dialogos_.PerguntarSimNao("Existe valor de rugosidade inválido. Deseja realmente sair?");
    emit RelatorioInvalidado();
    if (!fechar)
        return;
    EsvaziarListas();
    emit Fechado(validas);
    QDialog::reject();
}

void TFDefinirRugosidade::EsvaziarListas() {
    CBInicio->clear();
    CBFinal->clear();
}

void TFDefinirRugosidade::LimparGrade() {
    preenchendo_ = true;
    for (int r = 0; r < SGTabela->rowCount(); ++r)
        if (QTableWidgetItem* item = SGTabela->item(r, kColunaRugosidade))
            item->setText(QString());
    preenchendo_ = false;
}

} // namespace sulvo
