#include "ui/irregular/TabelaPontos.h"

#include "common/NumberFormat.h"
#include "controls/EditNumero.h"
#include "project/DialogService.h"
#include "ui/irregular/IrregularSecao.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPalette>
#include <QUndoStack>

#include <algorithm>
#include <functional>

namespace sulvo {

// ---- Model ----

TModeloPontos::TModeloPontos(std::vector<TPontoSecao>& pontos, QObject* parent)
    : QAbstractTableModel(parent), pontos_(pontos) {}

int TModeloPontos::rowCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : static_cast<int>(pontos_.size());
}

int TModeloPontos::columnCount(const QModelIndex& pai) const {
    return pai.isValid() ? 0 : 3;
}

// The left bank is fixed at (0, 0) and ends no interval; the right bank keeps Y = 0 but may move, which
// changes the section's width.
bool TModeloPontos::Editavel(int linha, int coluna, int linhas) {
    if (linha <= 0 || linha >= linhas)
        return false;
    return !(linha == linhas - 1 && coluna == ColunaY);
}

QVariant TModeloPontos::data(const QModelIndex& indice, int papel) const {
    if (!indice.isValid() || indice.row() >= rowCount())
        return {};
    const TPontoSecao& p = pontos_[static_cast<std::size_t>(indice.row())];
    const int coluna = indice.column();
    const double valor = coluna == ColunaX ? p.X : coluna == ColunaY ? p.Y : p.Rug;
    switch (papel) {
    case Qt::DisplayRole: {
        if (coluna == ColunaN && (indice.row() == 0 || !(p.Rug > 0)))
            return QString(); // no interval, or no coefficient yet
        const char sep = TEditNumero::SeparadorDecimal().toLatin1();
        return QString::fromStdString(FormatarEntrada(valor, coluna == ColunaN ? 3 : 2, sep));
    }
    case Qt::EditRole:
        return valor;
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (!Editavel(indice.row(), coluna, rowCount()))
            return QApplication::palette().color(QPalette::Window);
        return {};
    default:
        return {};
    }
}

QVariant TModeloPontos::headerData(int secao, Qt::Orientation orientacao, int papel) const {
    if (papel == Qt::ToolTipRole && orientacao == Qt::Vertical) {
        const QString marcas = headerData(secao, orientacao, Qt::DisplayRole).toString();
        if (marcas.endsWith(QStringLiteral(" E D")))
            return QStringLiteral("Margem esquerda e margem direita");
        if (marcas.endsWith(QStringLiteral(" E")))
            return QStringLiteral("Margem esquerda");
        if (marcas.endsWith(QStringLiteral(" D")))
            return QStringLiteral("Margem direita");
        return {};
    }
    if (papel != Qt::DisplayRole)
        return {};
    if (orientacao == Qt::Vertical) {
        // A bank station set at this point's X: "E" or "D" after the number.
        if (secao >= 0 && secao < rowCount()) {
            const double x = pontos_[static_cast<std::size_t>(secao)].X;
            QString marcas;
            if (margemE_ && *margemE_ == x)
                marcas += QStringLiteral(" E");
            if (margemD_ && *margemD_ == x)
                marcas += QStringLiteral(" D");
            if (!marcas.isEmpty())
                return QString::number(secao + 1) + marcas;
        }
        return secao + 1;
    }
    switch (secao) {
    case ColunaX:
        return QStringLiteral("X (m)");
    case ColunaY:
        return QStringLiteral("Y (m)");
    default:
        return QStringLiteral("n");
    }
}

Qt::ItemFlags TModeloPontos::flags(const QModelIndex& indice) const {
    if (!indice.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (Editavel(indice.row(), indice.column(), rowCount()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool TModeloPontos::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
    if (papel != Qt::EditRole || !indice.isValid() || !AoEditar)
        return false;
    bool ok = false;
    const double v = valor.toDouble(&ok);
    return ok && AoEditar(indice.row(), indice.column(), v);
}

void TModeloPontos::Recarregar() {
    beginResetModel();
    endResetModel();
}

void TModeloPontos::MargensAlteradas() {
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void TModeloPontos::AntesDeSubstituir() {
    beginResetModel();
}

void TModeloPontos::DepoisDeSubstituir() {
    endResetModel();
}

void TModeloPontos::LinhaAlterada(int linha) {
    emit dataChanged(index(linha, 0), index(linha, 2));
}

void TModeloPontos::AntesDeInserir(int linha) {
    beginInsertRows({}, linha, linha);
}

void TModeloPontos::DepoisDeInserir() {
    endInsertRows();
}

void TModeloPontos::AntesDeRemover(int linha) {
    beginRemoveRows({}, linha, linha);
}

void TModeloPontos::DepoisDeRemover() {
    endRemoveRows();
}

// ---- Undo ----

// One change of the points, undone and redone in place. A change already made when it is recorded (by the
// "Inserir" button or another window) skips its first redo.
class TComandoPontos : public QUndoCommand {
public:
    enum class Tipo { Ponto, Insercao, Remocao, Substituicao };

    TComandoPontos(TEditorPontos& editor, Tipo tipo, const QString& texto)
        : QUndoCommand(texto), editor_(editor), tipo_(tipo) {}

    int linha = 0;
    TPontoSecao antes, depois;                        // Ponto: the point before and after; Insercao/Remocao: the point
    std::vector<TPontoSecao> secaoAntes, secaoDepois; // Substituicao
    bool jaAplicado = false;

    void redo() override {
        if (jaAplicado) {
            jaAplicado = false;
            return;
        }
        switch (tipo_) {
        case Tipo::Ponto:
            editor_.AplicarPonto(linha, depois);
            break;
        case Tipo::Insercao:
            editor_.AplicarInsercao(linha, antes);
            break;
        case Tipo::Remocao:
            editor_.AplicarRemocao(linha);
            break;
        case Tipo::Substituicao:
            editor_.AplicarSubstituicao(secaoDepois, -1);
            break;
        }
    }

    void undo() override {
        switch (tipo_) {
        case Tipo::Ponto:
            editor_.AplicarPonto(linha, antes);
            break;
        case Tipo::Insercao:
            editor_.AplicarRemocao(linha);
            break;
        case Tipo::Remocao:
            editor_.AplicarInsercao(linha, antes);
            break;
        case Tipo::Substituicao:
            editor_.AplicarSubstituicao(secaoAntes, -1);
            break;
        }
    }

private:
    TEditorPontos& editor_;
    Tipo tipo_;
};

// A change of the bank stations, on the same history as the points.
class TComandoMargens : public QUndoCommand {
public:
    TComandoMargens(TEditorPontos& editor, const QString& texto) : QUndoCommand(texto), editor_(editor) {}

    std::optional<double> antesE, antesD, depoisE, depoisD;

    void redo() override { editor_.AplicarMargens(depoisE, depoisD); }
    void undo() override { editor_.AplicarMargens(antesE, antesD); }

private:
    TEditorPontos& editor_;
};

// ---- Editor ----

TEditorPontos::TEditorPontos(TSulvoIrregular& secao, IDialogService& dialogos, QObject* parent)
    : QObject(parent), secao_(secao), dialogos_(dialogos), modelo_(new TModeloPontos(secao.Pontos, this)),
      pilha_(new QUndoStack(this)) {
    // Each step of a 10 000-point survey is small, but whole-section steps are not: keep a bounded history.
    pilha_->setUndoLimit(200);
    modelo_->AoEditar = [this](int linha, int coluna, double valor) { return AlterarCelula(linha, coluna, valor); };
    modelo_->DefinirMargens(&secao.MargemE, &secao.MargemD);
}

void TEditorPontos::AplicarMargens(std::optional<double> esquerda, std::optional<double> direita) {
    secao_.MargemE = esquerda;
    secao_.MargemD = direita;
    modelo_->MargensAlteradas();
    emit SecaoAlterada();
}

bool TEditorPontos::MudarMargens(std::optional<double> esquerda, std::optional<double> direita,
                                 const QString& descricao) {
    if (esquerda == secao_.MargemE && direita == secao_.MargemD)
        return false;
    auto* comando = new TComandoMargens(*this, descricao);
    comando->antesE = secao_.MargemE;
    comando->antesD = secao_.MargemD;
    comando->depoisE = esquerda;
    comando->depoisD = direita;
    pilha_->push(comando);
    return true;
}

// The main channel lies between the banks: a left bank at or right of the right one would leave it no width.
// An unset bank stands at its end of the section.
bool TEditorPontos::DefinirMargemEsquerda(int linha) {
    const auto& p = secao_.Pontos;
    if (linha < 0 || linha >= static_cast<int>(p.size()))
        return false;
    const double x = p[static_cast<std::size_t>(linha)].X;
    if (!(x < secao_.MargemD.value_or(p.back().X))) {
        dialogos_.Mensagem("A margem esquerda deve ficar à esquerda da margem direita.");
        return false;
    }
    return MudarMargens(x, secao_.MargemD, QStringLiteral("Margem esquerda"));
}

bool TEditorPontos::DefinirMargemDireita(int linha) {
    const auto& p = secao_.Pontos;
    if (linha < 0 || linha >= static_cast<int>(p.size()))
        return false;
    const double x = p[static_cast<std::size_t>(linha)].X;
    if (!(x > secao_.MargemE.value_or(p.front().X))) {
        dialogos_.Mensagem("A margem direita deve ficar à direita da margem esquerda.");
        return false;
    }
    return MudarMargens(secao_.MargemE, x, QStringLiteral("Margem direita"));
}

bool TEditorPontos::LimparMargens() {
    return MudarMargens(std::nullopt, std::nullopt, QStringLiteral("Limpar margens"));
}

void TEditorPontos::AcompanharMargens(const std::vector<TPontoSecao>& antes, const std::vector<TPontoSecao>& depois) {
    AcompanharMargens(SeguirMargens(antes, depois, secao_.MargemE, secao_.MargemD));
}

void TEditorPontos::AcompanharMargens(const TMargensSeguidas& m) {
    if (m.Cruzadas) {
        MudarMargens(std::nullopt, std::nullopt, QStringLiteral("Limpar margens"));
        dialogos_.Mensagem("Com a alteração dos pontos as margens do canal principal se cruzaram e voltaram às "
                           "extremidades da seção.");
        return;
    }
    MudarMargens(m.Esquerda, m.Direita, QStringLiteral("Mover margens"));
    if (m.EsquerdaRetirada && m.DireitaRetirada)
        dialogos_.Mensagem("As margens do canal principal estavam em pontos que não existem mais e voltaram às "
                           "extremidades da seção.");
    else if (m.EsquerdaRetirada || m.DireitaRetirada)
        dialogos_.Mensagem(std::string("A margem ") + (m.EsquerdaRetirada ? "esquerda" : "direita") +
                           " do canal principal estava num ponto que não existe mais e voltou à extremidade " +
                           (m.EsquerdaRetirada ? "esquerda" : "direita") + " da seção.");
}

// The history is forgotten whenever the section is replaced elsewhere (a new width, a new or opened project), so
// every recorded row exists; the checks only keep a missed case from writing outside the points.
void TEditorPontos::AplicarPonto(int linha, const TPontoSecao& ponto) {
    if (linha < 0 || linha >= static_cast<int>(secao_.Pontos.size()))
        return;
    secao_.Pontos[static_cast<std::size_t>(linha)] = ponto;
    modelo_->LinhaAlterada(linha);
    emit SecaoAlterada();
    emit LinhaEmFoco(linha);
}

void TEditorPontos::AplicarInsercao(int linha, const TPontoSecao& ponto) {
    if (linha < 0 || linha > static_cast<int>(secao_.Pontos.size()))
        return;
    modelo_->AntesDeInserir(linha);
    secao_.Pontos.insert(secao_.Pontos.begin() + linha, ponto);
    modelo_->DepoisDeInserir();
    emit SecaoAlterada();
    emit LinhaEmFoco(linha);
}

void TEditorPontos::AplicarRemocao(int linha) {
    if (linha < 0 || linha >= static_cast<int>(secao_.Pontos.size()))
        return;
    modelo_->AntesDeRemover(linha);
    secao_.Pontos.erase(secao_.Pontos.begin() + linha);
    modelo_->DepoisDeRemover();
    emit SecaoAlterada();
    emit LinhaEmFoco(std::min(linha, static_cast<int>(secao_.Pontos.size()) - 1));
}

void TEditorPontos::AplicarSubstituicao(const std::vector<TPontoSecao>& pontos, int foco) {
    modelo_->AntesDeSubstituir();
    secao_.Pontos = pontos;
    modelo_->DepoisDeSubstituir();
    emit SecaoAlterada();
    if (foco >= 0)
        emit LinhaEmFoco(foco);
}

bool TEditorPontos::AlterarCelula(int linha, int coluna, double valor) {
    auto& pontos = secao_.Pontos;
    if (!TModeloPontos::Editavel(linha, coluna, static_cast<int>(pontos.size())))
        return false;
    const auto i = static_cast<std::size_t>(linha);
    TPontoSecao novo = pontos[i];
    switch (coluna) {
    case TModeloPontos::ColunaX:
        switch (VerificarAlteracao(pontos, i, valor)) {
        case TVerificacaoPonto::MaiorQueLargura:
            dialogos_.Mensagem("A largura é maior que a largura total do sulvo");
            return false;
        case TVerificacaoPonto::LarguraInvalida:
            dialogos_.Mensagem("Largura Invalida!");
            return false;
        case TVerificacaoPonto::MargemEsquerda:
            return false;
        case TVerificacaoPonto::Aceita:
            break;
        }
        novo.X = valor;
        break;
    case TModeloPontos::ColunaY:
        if (valor > 0) {
            novo.Y = valor;
            dialogos_.Mensagem("O ponto " + RotuloPonto(novo, separador_) + " está acima das margens da seção.");
            return false;
        }
        novo.Y = 0.0 + valor; // a typed -0 is stored as the banks' 0
        break;
    default:
        if (!(valor >= 0))
            return false;
        // A coefficient typed by hand has no table band.
        if (valor != novo.Rug)
            novo.DefinirFaixa({});
        novo.Rug = valor;
        break;
    }
    if (novo.X == pontos[i].X && novo.Y == pontos[i].Y && novo.Rug == pontos[i].Rug)
        return true;
    const QString descricao =
        coluna == TModeloPontos::ColunaN ? QStringLiteral("Alterar rugosidade") : QStringLiteral("Alterar ponto");
    // A bank station on the point moves with it, in the same step of the history.
    const bool margem = novo.X != pontos[i].X && MargemEm(pontos[i].X);
    TMargensSeguidas seguidas;
    if (margem) {
        std::vector<TPontoSecao> depois = pontos;
        depois[i] = novo;
        seguidas = SeguirMargens(pontos, depois, secao_.MargemE, secao_.MargemD);
        if (seguidas.Cruzadas) {
            dialogos_.Mensagem("A margem esquerda deve ficar à esquerda da margem direita.");
            return false;
        }
        pilha_->beginMacro(descricao);
    }
    auto* comando = new TComandoPontos(*this, TComandoPontos::Tipo::Ponto, descricao);
    comando->linha = linha;
    comando->antes = pontos[i];
    comando->depois = novo;
    pilha_->push(comando);
    if (margem) {
        AcompanharMargens(seguidas);
        pilha_->endMacro();
    }
    return true;
}

int TEditorPontos::InserirDepois(int linha) {
    const auto& pontos = secao_.Pontos;
    if (pontos.size() < 2)
        return -1;
    // After the right bank there is nothing: the new point goes before it.
    const auto r = static_cast<std::size_t>(std::clamp(linha, 0, static_cast<int>(pontos.size()) - 2));
    const TPontoSecao& a = pontos[r];
    const TPontoSecao& b = pontos[r + 1];
    // Halfway along the interval, which keeps its coefficient on both halves.
    auto* comando = new TComandoPontos(*this, TComandoPontos::Tipo::Insercao, QStringLiteral("Inserir ponto"));
    comando->linha = static_cast<int>(r + 1);
    comando->antes = {(a.X + b.X) / 2, (a.Y + b.Y) / 2, b.Rug, b.RugTabela, b.RugMin, b.RugMax};
    pilha_->push(comando);
    return comando->linha;
}

bool TEditorPontos::Excluir(std::vector<int> linhas) {
    const int n = static_cast<int>(secao_.Pontos.size());
    if (linhas.empty())
        return false;
    if (std::any_of(linhas.begin(), linhas.end(), [n](int l) { return l <= 0 || l >= n - 1; })) {
        dialogos_.Mensagem("Não é possivel eliminar este ponto!");
        return false;
    }
    // From the last down, so that the indices of the rest stay as selected.
    std::sort(linhas.begin(), linhas.end(), std::greater<>());
    linhas.erase(std::unique(linhas.begin(), linhas.end()), linhas.end());
    const bool margem = std::any_of(linhas.begin(), linhas.end(),
                                    [this](int l) { return MargemEm(secao_.Pontos[static_cast<std::size_t>(l)].X); });
    const std::vector<TPontoSecao> antes = margem ? secao_.Pontos : std::vector<TPontoSecao>{};
    pilha_->beginMacro(linhas.size() == 1 ? QStringLiteral("Eliminar ponto") : QStringLiteral("Eliminar pontos"));
    for (int l : linhas) {
        auto* comando = new TComandoPontos(*this, TComandoPontos::Tipo::Remocao, QStringLiteral("Eliminar ponto"));
        comando->linha = l;
        comando->antes = secao_.Pontos[static_cast<std::size_t>(l)];
        pilha_->push(comando);
    }
    // A bank station whose point went returns to its end of the section, undone with the points.
    if (margem)
        AcompanharMargens(antes, secao_.Pontos);
    pilha_->endMacro();
    return true;
}

void TEditorPontos::RegistrarInsercao(int linha) {
    // The row appears in the views now; the command only remembers it.
    modelo_->Recarregar();
    auto* comando = new TComandoPontos(*this, TComandoPontos::Tipo::Insercao, QStringLiteral("Inserir ponto"));
    comando->linha = linha;
    comando->antes = secao_.Pontos[static_cast<std::size_t>(linha)];
    comando->jaAplicado = true;
    pilha_->push(comando);
    emit LinhaEmFoco(linha);
}

void TEditorPontos::RegistrarAlteracao(const std::vector<TPontoSecao>& antes, const QString& descricao) {
    modelo_->Recarregar();
    const auto& agora = secao_.Pontos;
    const bool igual = antes.size() == agora.size() &&
                       std::equal(antes.begin(), antes.end(), agora.begin(), [](const auto& a, const auto& b) {
                           return a.X == b.X && a.Y == b.Y && a.Rug == b.Rug;
                       });
    if (igual)
        return;
    pilha_->beginMacro(descricao);
    auto* comando = new TComandoPontos(*this, TComandoPontos::Tipo::Substituicao, descricao);
    comando->secaoAntes = antes;
    comando->secaoDepois = agora;
    comando->jaAplicado = true;
    pilha_->push(comando);
    AcompanharMargens(antes, agora);
    pilha_->endMacro();
}

void TEditorPontos::Substituir(std::vector<TPontoSecao> novos, const QString& descricao) {
    pilha_->beginMacro(descricao);
    auto* comando = new TComandoPontos(*this, TComandoPontos::Tipo::Substituicao, descricao);
    comando->secaoAntes = secao_.Pontos;
    comando->secaoDepois = std::move(novos);
    pilha_->push(comando);
    AcompanharMargens(comando->secaoAntes, secao_.Pontos);
    pilha_->endMacro();
    emit LinhaEmFoco(0);
}

bool TEditorPontos::LerLevantamentoColado(const std::string& texto, const char* verbo) {
    const std::string nada = std::string(" Nenhum ponto foi ") + verbo + ".";
    TLeituraLevantamento lido = LerLevantamento(texto, TTipoCota::Automatico, separador_);
    // Values at or below 0 whose banks are not both at 0 are elevations below some datum, or a section
    // that cannot be calculated: only the user knows which.
    const auto& p = lido.Levantamento.Pontos;
    if (!lido.Erro && !lido.Levantamento.Convertido && p.size() >= 2 && (p.front().Y != 0 || p.back().Y != 0) &&
        dialogos_.PerguntarSimNao("As margens do levantamento não estão na profundidade 0. Os valores de Y são "
                                  "cotas do terreno, a converter para a seção?"))
        lido = LerLevantamento(texto, TTipoCota::Cotas, separador_);
    if (lido.Erro) {
        const TErroLevantamento& e = *lido.Erro;
        if (e.Linha == 0)
            dialogos_.Mensagem("Levantamento recusado: " + e.Mensagem + "." + nada);
        else
            dialogos_.Mensagem("Linha " + std::to_string(e.Linha) + " recusada: " + e.Mensagem + " (\"" + e.Texto +
                               "\")." + nada);
        return false;
    }
    if (lido.Levantamento.Pontos.size() < 2) {
        dialogos_.Mensagem("O levantamento precisa de pelo menos dois pontos, as duas margens." + nada);
        return false;
    }
    Substituir(std::move(lido.Levantamento.Pontos),
               QString::fromUtf8(verbo[0] == 'c' ? "Colar levantamento" : "Importar pontos"));
    if (!lido.Levantamento.Aviso.empty())
        dialogos_.Mensagem(lido.Levantamento.Aviso);
    return true;
}

void TEditorPontos::Colar(const QString& texto, int linhaAtual, int colunaAtual) {
    const QString limpo = texto.trimmed();
    if (limpo.isEmpty())
        return;
    // A single number from the clipboard is a value for the current cell.
    if (!limpo.contains(u'\n') && !limpo.contains(u'\t') && !limpo.contains(u';') && !limpo.contains(u' ')) {
        if (const auto valor = LerReal(limpo.toStdString())) {
            if (TModeloPontos::Editavel(linhaAtual, colunaAtual, static_cast<int>(secao_.Pontos.size())))
                AlterarCelula(linhaAtual, colunaAtual, *valor);
            return;
        }
    }
    LerLevantamentoColado(texto.toStdString(), "colado");
}

void TEditorPontos::Importar(const std::string& conteudo) {
    LerLevantamentoColado(conteudo, "importado");
}

void TEditorPontos::Esquecer() {
    pilha_->clear();
    modelo_->Recarregar();
}

// ---- Delegate ----

QWidget* TDelegadoPontos::createEditor(QWidget* pai, const QStyleOptionViewItem&, const QModelIndex& indice) const {
    auto* campo = new TEditNumero(pai);
    campo->SetFormato(TFormato::fDouble);
    const bool y = indice.column() == TModeloPontos::ColunaY;
    campo->SetNegativo(y);
    if (y)
        campo->SetMinimo(-campo->Maximo());
    campo->SetDecimais(indice.column() == TModeloPontos::ColunaN ? 3 : 2);
    campo->setFrame(false);
    return campo;
}

void TDelegadoPontos::setEditorData(QWidget* editor, const QModelIndex& indice) const {
    auto* campo = static_cast<TEditNumero*>(editor);
    const double valor = indice.data(Qt::EditRole).toDouble();
    if (indice.column() == TModeloPontos::ColunaN && !(valor > 0))
        campo->clear();
    else
        campo->SetValor(valor);
    campo->selectAll();
}

void TDelegadoPontos::setModelData(QWidget* editor, QAbstractItemModel* modelo, const QModelIndex& indice) const {
    auto* campo = static_cast<TEditNumero*>(editor);
    if (campo->text().trimmed().isEmpty() && indice.column() != TModeloPontos::ColunaN)
        return; // an emptied X or Y leaves the point as it was
    modelo->setData(indice, campo->Valor(), Qt::EditRole);
}

// ---- View ----

TTabelaPontos::TTabelaPontos(QWidget* pai) : QTableView(pai) {
    setItemDelegate(new TDelegadoPontos(this));
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setAlternatingRowColors(true);
    // Uniform rows keep a survey of 10 000 points as quick to scroll as one of ten.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setHighlightSections(false);
}

QSize TTabelaPontos::sizeHint() const {
    return {minimumWidth(), QTableView::sizeHint().height()};
}

std::vector<int> TTabelaPontos::LinhasSelecionadas() const {
    std::vector<int> linhas;
    if (!selectionModel())
        return linhas;
    for (const QModelIndex& i : selectionModel()->selectedIndexes())
        linhas.push_back(i.row());
    if (linhas.empty() && currentIndex().isValid())
        linhas.push_back(currentIndex().row());
    std::sort(linhas.begin(), linhas.end());
    linhas.erase(std::unique(linhas.begin(), linhas.end()), linhas.end());
    return linhas;
}

// The rows as a spreadsheet pastes them: X, Y and n separated by tabs, full precision.
QString TTabelaPontos::TextoDasLinhas(const std::vector<int>& linhas) const {
    QString texto;
    const char sep = TEditNumero::SeparadorDecimal().toLatin1();
    for (int l : linhas) {
        QStringList campos;
        for (int c = 0; c < 3; ++c)
            campos << QString::fromStdString(
                FormatarGeral(model()->index(l, c).data(Qt::EditRole).toDouble(), sep, 15));
        texto += campos.join(u'\t') + u'\n';
    }
    return texto;
}

void TTabelaPontos::keyPressEvent(QKeyEvent* evento) {
    if (evento->matches(QKeySequence::Paste)) {
        emit ColarPedido(QGuiApplication::clipboard()->text());
        return;
    }
    if (evento->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(TextoDasLinhas(LinhasSelecionadas()));
        return;
    }
    switch (evento->key()) {
    case Qt::Key_Delete:
        emit ExcluirPedido();
        return;
    case Qt::Key_Insert:
        emit InserirPedido();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Down to the next row, as in a spreadsheet; the page's "Calcular" is not meant here.
        if (currentIndex().isValid() && currentIndex().row() + 1 < model()->rowCount())
            setCurrentIndex(model()->index(currentIndex().row() + 1, currentIndex().column()));
        evento->accept();
        return;
    default:
        QTableView::keyPressEvent(evento);
    }
}

} // namespace sulvo
