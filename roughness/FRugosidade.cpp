#include "roughness/FRugosidade.h"

#include "common/NumberFormat.h"
#include "controls/EditNumero.h"
#include "project/DialogService.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <filesystem>

namespace sulvo {
namespace {

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

constexpr int kLargurasColunas[4] = {496, 43, 42, 40};
constexpr int kAlturaLinha = 20;
const char* const kCabecalhos[4] = {"Descrição", "Mínimo", "Normal", "Máximo"};

// Grid coefficients by the pattern "#0.000" with the regional decimal separator.
QString Coeficiente(double valor) {
    return Q(FormatarPadrao(valor, 3, TEditNumero::SeparadorDecimal().toLatin1()));
}

QPushButton* Botao(QWidget* pai, const char* nome, const char* texto, int x, int y) {
    auto* botao = new QPushButton(Q(texto), pai);
    botao->setObjectName(Q(nome));
    botao->setGeometry(x, y, 75, 25);
    botao->setAutoDefault(false);
    return botao;
}

QLabel* Rotulo(QWidget* pai, const char* texto, int x, int y) {
    auto* rotulo = new QLabel(Q(texto), pai);
    rotulo->move(x, y);
    rotulo->adjustSize();
    return rotulo;
}

TEditNumero* CampoCoeficiente(QWidget* pai, const char* nome, int x, int y) {
    auto* campo = new TEditNumero(pai);
    campo->setObjectName(Q(nome));
    campo->SetDecimais(3);
    campo->setGeometry(x, y, 70, 21);
    return campo;
}

} // namespace

TFRugosidade::TFRugosidade(IDialogService& dialogos, QWidget* parent) : QDialog(parent), dialogos_(dialogos) {
    setObjectName(QStringLiteral("FRugosidade"));
    setWindowTitle(Q("Valores de Rugosidade"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(kLarguraCliente, kAlturaCliente);

    Label1 = Rotulo(this, "Tabela de Materiais e seus respectivos coeficientes :", 8, 12);
    Label1->setObjectName(QStringLiteral("Label1"));

    // First, previous, next and last, in a row above the grid's right end.
    const QStyle::StandardPixmap figuras[4] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                               QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    const char* dicas[4] = {"Primeiro", "Anterior", "Próximo", "Último"};
    QToolButton** navegacao[4] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4};
    for (int i = 0; i < 4; ++i) {
        auto* botao = new QToolButton(this);
        botao->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        botao->setIcon(style()->standardIcon(figuras[i]));
        botao->setToolTip(Q(dicas[i]));
        botao->setAutoRaise(true);
        botao->setFocusPolicy(Qt::NoFocus);
        botao->setGeometry(kLarguraCliente - 8 - 25 * (4 - i), 6, 25, 23);
        *navegacao[i] = botao;
    }
    connect(SpeedButton1, &QToolButton::clicked, this, &TFRugosidade::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFRugosidade::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TFRugosidade::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TFRugosidade::SpeedButton4Click);

    StringGrid1 = new QTableWidget(0, 4, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(8, 32, kLarguraCliente - 16, 146);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setWordWrap(false);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setMinimumSectionSize(kAlturaLinha);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kAlturaLinha);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->horizontalHeader()->setFixedHeight(kAlturaLinha + 2);
    // The coefficient columns are at least wide enough for their header and "0,000" in the font in use,
    // and the description takes the rest of the grid's width.
    QFontMetrics metricas(StringGrid1->horizontalHeader()->font());
    const int folga = 2 * StringGrid1->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, StringGrid1) + 8;
    for (int coluna = 1; coluna < 4; ++coluna) {
        int texto = std::max(metricas.horizontalAdvance(Q(kCabecalhos[coluna])),
                             metricas.horizontalAdvance(QStringLiteral("00,000")));
        StringGrid1->setColumnWidth(coluna, std::max(kLargurasColunas[coluna], texto + folga));
    }
    StringGrid1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    connect(StringGrid1, &QTableWidget::currentCellChanged, this,
            [this](int linha, int, int, int) { StringGrid1SelectCell(linha); });
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int linha, int) {
        StringGrid1SelectCell(linha);
        StringGrid1DblClick();
    });

    BtInserir = Botao(this, "BtInserir", "&Inserir", 8, 188);
    BtEliminar = Botao(this, "BtEliminar", "&Eliminar", 91, 188);
    BtOk = Botao(this, "BtOk", "&OK", kLarguraCliente - 166, 188);
    BtCancel = Botao(this, "BtCancel", "&Cancelar", kLarguraCliente - 83, 188);
    BtOk->setDefault(true); // Enter in a field closes with the chosen coefficient
    connect(BtInserir, &QPushButton::clicked, this, &TFRugosidade::BtInserirClick);
    connect(BtEliminar, &QPushButton::clicked, this, &TFRugosidade::BtEliminarClick);
    connect(BtOk, &QPushButton::clicked, this, &TFRugosidade::BtOkClick);
    connect(BtCancel, &QPushButton::clicked, this, &TFRugosidade::reject);

    // Entry panel for a new row, below the buttons, inside the 100 pixels the window grows by.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::StyledPanel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setGeometry(8, kAlturaCliente, kLarguraCliente - 16, kAlturaPainel - 8);
    Panel1->hide();
    Rotulo(Panel1, "Descrição do Material :", 8, 8);
    EdDescricao = new QLineEdit(Panel1);
    EdDescricao->setObjectName(QStringLiteral("EdDescricao"));
    EdDescricao->setGeometry(8, 26, Panel1->width() - 16, 21);
    const int yCampos = 60;
    auto* rotuloMinima = Rotulo(Panel1, "Mínima :", 8, yCampos + 3);
    EdMinima = CampoCoeficiente(Panel1, "EdMinima", rotuloMinima->x() + rotuloMinima->width() + 6, yCampos);
    auto* rotuloNormal = Rotulo(Panel1, "Normal :", EdMinima->x() + EdMinima->width() + 18, yCampos + 3);
    EdNormal = CampoCoeficiente(Panel1, "EdNormal", rotuloNormal->x() + rotuloNormal->width() + 6, yCampos);
    auto* rotuloMaxima = Rotulo(Panel1, "Máxima :", EdNormal->x() + EdNormal->width() + 18, yCampos + 3);
    EdMaxima = CampoCoeficiente(Panel1, "EdMaxima", rotuloMaxima->x() + rotuloMaxima->width() + 6, yCampos);
    btConfirmar = Botao(Panel1, "btConfirmar", "&Confirmar", Panel1->width() - 166, yCampos - 2);
    Button1 = Botao(Panel1, "Button1", "&Cancelar", Panel1->width() - 83, yCampos - 2);
    connect(btConfirmar, &QPushButton::clicked, this, &TFRugosidade::btConfirmarClick);
    connect(Button1, &QPushButton::clicked, this, &TFRugosidade::Button1Click);

    QWidget* ordem[] = {StringGrid1, BtInserir, BtEliminar, BtOk,        BtCancel, EdDescricao,
                        EdMinima,    EdNormal,  EdMaxima,   btConfirmar, Button1};
    for (std::size_t i = 0; i + 1 < std::size(ordem); ++i)
        setTabOrder(ordem[i], ordem[i + 1]);
}

TFRugosidade::~TFRugosidade() = default;

void TFRugosidade::DefinirTabela(int tipo) {
    TipoTabela = tipo;
    setWindowTitle(Q(TituloTabelaRugosidade(tipo)));
}

std::string TFRugosidade::CaminhoTabela() const {
    std::string nome = NomeArquivoTabela(TipoTabela);
    return pasta_.empty() ? nome : (std::filesystem::path(pasta_) / nome).string();
}

void TFRugosidade::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (evento->spontaneous())
        return; // shown again after being minimized: not a new opening
    FormShow();
}

void TFRugosidade::FormShow() {
    ArqRugosidade = TArqRugosidade{};
    StringGrid1->setHorizontalHeaderLabels(
        {Q(kCabecalhos[0]), Q(kCabecalhos[1]), Q(kCabecalhos[2]), Q(kCabecalhos[3])});
    std::string erro;
    if (!ArqRugosidade.LerArquivo(CaminhoTabela(), &erro))
        dialogos_.Erro(erro);
    // The highlighted row is kept between openings; the first opening starts at the first record.
    if (primeiraAbertura_)
        LinhaSelecionada = 1;
    primeiraAbertura_ = false;
    PreencherGrade();
    LinhaSelecionada = std::clamp(LinhaSelecionada, std::min(1, Quantidade()), Quantidade());
    Destacar(LinhaSelecionada);
    FecharPainel();
    StringGrid1->setFocus();
    if (QScreen* tela = screen()) {
        QRect area = tela->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void TFRugosidade::done(int resultado) {
    ArqRugosidade.Registros.clear();
    QDialog::done(resultado);
}

void TFRugosidade::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_F1) {
        emit PedirAjuda(kContextoAjuda);
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TFRugosidade::PreencherGrade() {
    QSignalBlocker bloqueio(StringGrid1);
    StringGrid1->clearContents();
    StringGrid1->setRowCount(Quantidade());
    for (int i = 0; i < Quantidade(); ++i)
        MostrarLinha(i, ArqRugosidade.Registros[i]);
}

void TFRugosidade::MostrarLinha(int linhaGrade, const TRegistroRugosidade& registro) {
    auto* descricao = new QTableWidgetItem(Q(registro.Descricao));
    descricao->setToolTip(descricao->text()); // a long description is cut at the column's edge
    StringGrid1->setItem(linhaGrade, 0, descricao);
    StringGrid1->setItem(linhaGrade, 1, new QTableWidgetItem(Coeficiente(registro.Minima)));
    StringGrid1->setItem(linhaGrade, 2, new QTableWidgetItem(Coeficiente(registro.Normal)));
    StringGrid1->setItem(linhaGrade, 3, new QTableWidgetItem(Coeficiente(registro.Maxima)));
}

void TFRugosidade::Destacar(int linha) {
    QSignalBlocker bloqueio(StringGrid1);
    if (linha < 1 || linha > Quantidade()) {
        StringGrid1->clearSelection();
        return;
    }
    StringGrid1->setCurrentCell(linha - 1, 0);
    StringGrid1->selectRow(linha - 1);
    StringGrid1->scrollToItem(StringGrid1->item(linha - 1, 0));
}

void TFRugosidade::StringGrid1SelectCell(int linhaGrade) {
    if (linhaGrade >= 0 && linhaGrade < Quantidade())
        LinhaSelecionada = linhaGrade + 1;
}

void TFRugosidade::SpeedButton1Click() {
    if (Quantidade() == 0)
        return;
    LinhaSelecionada = 1;
    Destacar(LinhaSelecionada);
}

void TFRugosidade::SpeedButton2Click() {
    if (LinhaSelecionada > 1)
        --LinhaSelecionada;
    Destacar(LinhaSelecionada);
}

void TFRugosidade::SpeedButton3Click() {
    if (LinhaSelecionada < Quantidade())
        ++LinhaSelecionada;
    Destacar(LinhaSelecionada);
}

void TFRugosidade::SpeedButton4Click() {
    LinhaSelecionada = Quantidade();
    Destacar(LinhaSelecionada);
}

void TFRugosidade::BtInserirClick() {
    setFixedSize(kLarguraCliente, kAlturaCliente + kAlturaPainel);
    Panel1->show();
    EdDescricao->clear();
    for (TEditNumero* campo : {EdMinima, EdNormal, EdMaxima}) {
        campo->SetValor(0);
        campo->setText(QString());
    }
    EdDescricao->setFocus();
    BtInserir->setEnabled(false);
}

void TFRugosidade::btConfirmarClick() {
    struct Campo {
        TEditNumero* campo;
        const char* mensagem;
    };
    for (const Campo& c : {Campo{EdMinima, "Valor Mínimo Invalido!"}, Campo{EdNormal, "Valor Normal Invalido!"},
                           Campo{EdMaxima, "Valor Máximo Invalido!"}}) {
        auto valor = LerReal(c.campo->text().toStdString());
        if (valor && *valor != 0.0)
            continue;
        if (!valor) {
            c.campo->SetValor(0);
            c.campo->setText(QString());
        }
        dialogos_.Mensagem(c.mensagem);
        c.campo->setFocus();
        return;
    }
    TRegistroRugosidade registro;
    registro.Descricao = CortarDescricao(EdDescricao->text().toStdString());
    registro.Minima = EdMinima->Valor();
    registro.Maxima = EdMaxima->Valor();
    registro.Normal = EdNormal->Valor();
    ArqRugosidade.Registros.push_back(registro);
    FecharPainel();
    {
        QSignalBlocker bloqueio(StringGrid1);
        StringGrid1->setRowCount(Quantidade());
        MostrarLinha(Quantidade() - 1, registro);
    }
    // A table that was empty now has a row to choose.
    if (LinhaSelecionada < 1)
        LinhaSelecionada = 1;
    Destacar(LinhaSelecionada);
    StringGrid1->setFocus();
}

void TFRugosidade::Button1Click() {
    FecharPainel();
    StringGrid1->setFocus();
}

void TFRugosidade::FecharPainel() {
    if (!Panel1->isHidden()) {
        Panel1->hide();
        setFixedSize(kLarguraCliente, kAlturaCliente);
    }
    BtInserir->setEnabled(true);
}

void TFRugosidade::BtEliminarClick() {
    if (LinhaSelecionada < 1 || LinhaSelecionada > Quantidade())
        return;
    ArqRugosidade.Registros.erase(ArqRugosidade.Registros.begin() + (LinhaSelecionada - 1));
    PreencherGrade();
    LinhaSelecionada = std::min(LinhaSelecionada, Quantidade());
    Destacar(LinhaSelecionada);
}

// Writes the whole table; on failure the user is told and the rows of this opening stay in the dialog.
bool TFRugosidade::GravarEEscolher() {
    std::string erro;
    if (!ArqRugosidade.GravarArquivo(CaminhoTabela(), &erro)) {
        dialogos_.Erro(erro);
        return false;
    }
    if (LinhaSelecionada >= 1 && LinhaSelecionada <= Quantidade()) {
        const TRegistroRugosidade& registro = ArqRugosidade.Registros[LinhaSelecionada - 1];
        RugosidadeEscolhida = registro.Normal;
        FaixaEscolhida = {registro.Normal, registro.Minima, registro.Maxima};
    }
    return true;
}

void TFRugosidade::BtOkClick() {
    if (!GravarEEscolher())
        return;
    // An empty table has no coefficient to give: the caller's field keeps its value.
    if (Quantidade() == 0)
        reject();
    else
        accept();
}

void TFRugosidade::StringGrid1DblClick() {
    GravarEEscolher();
}

} // namespace sulvo
