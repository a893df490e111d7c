#pragma once

#include "engine/Levantamento.h"
#include "engine/uIrregular.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <optional>
#include <string>
#include <vector>

class QUndoStack;

namespace sulvo {

class IDialogService;
struct TMargensSeguidas;

// The surveyed points of the irregular section as a table: X, Y (as stored: 0 at the banks, negative below)
// and the n of the interval that ends at the point. A view over the section's own vector, so that a survey
// of 10 000 points costs nothing until it is drawn. Edits come in through setData and go to the editor,
// which checks them and records them for undo.
class TModeloPontos : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna { ColunaX = 0, ColunaY = 1, ColunaN = 2 };

    TModeloPontos(std::vector<TPontoSecao>& pontos, QObject* parent = nullptr);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int papel = Qt::EditRole) override;

    // The editor's hook for a cell typed in place; returns whether the edit was accepted.
    std::function<bool(int linha, int coluna, double valor)> AoEditar;

    // Tell the views what the editor changed in the vector.
    void Recarregar(); // after a change made elsewhere
    void AntesDeSubstituir();
    void DepoisDeSubstituir();
    void LinhaAlterada(int linha);
    void AntesDeInserir(int linha);
    void DepoisDeInserir();
    void AntesDeRemover(int linha);
    void DepoisDeRemover();

    static bool Editavel(int linha, int coluna, int linhas);

    // The bank stations the row headers mark ("E", "D" after the number of the point at that X).
    void DefinirMargens(const std::optional<double>* esquerda, const std::optional<double>* direita) {
        margemE_ = esquerda;
        margemD_ = direita;
    }
    void MargensAlteradas();

private:
    std::vector<TPontoSecao>& pontos_;
    const std::optional<double>* margemE_ = nullptr;
    const std::optional<double>* margemD_ = nullptr;
};

// Every change of the points goes through here: the rules of the point editor (the banks fixed, X never
// decreasing along the section, Y at or below the banks), the messages that refuse an edit, and one undo
// stack for all of them, the "Inserir" button, the point window, the roughness window, pastes and imports.
class TEditorPontos : public QObject {
    Q_OBJECT
public:
    TEditorPontos(TSulvoIrregular& secao, IDialogService& dialogos, QObject* parent = nullptr);

    TModeloPontos* Modelo() const { return modelo_; }
    QUndoStack* Pilha() const { return pilha_; }

    // A cell typed in place; false (with the message of the rule) when refused.
    bool AlterarCelula(int linha, int coluna, double valor);
    // A new point after `linha`, halfway to the next one; its index, or -1 at the right bank.
    int InserirDepois(int linha);
    // Deletes the given points; the banks are refused with their message.
    bool Excluir(std::vector<int> linhas);
    // Records an insertion already made in the section (by the "Inserir" button).
    void RegistrarInsercao(int linha);
    // Records a change made elsewhere (the point or roughness window): `antes` is the section before it.
    void RegistrarAlteracao(const std::vector<TPontoSecao>& antes, const QString& descricao);
    // Replaces the whole section by a survey (paste, import).
    void Substituir(std::vector<TPontoSecao> novos, const QString& descricao);
    // The bank stations at the X of point `linha`, or cleared (both at once, one step). A left bank not left of
    // the right one (or the reverse) is refused with its message; false then, or when nothing changes.
    bool DefinirMargemEsquerda(int linha);
    bool DefinirMargemDireita(int linha);
    bool LimparMargens();

    // Text pasted into the table: one number goes into the current cell; a block of lines is a survey
    // that replaces the section (elevations converted). Messages tell what was refused or cut.
    void Colar(const QString& texto, int linhaAtual, int colunaAtual);
    // A survey file, by the same rules.
    void Importar(const std::string& conteudo);

    // Forgets the undo history (a new width or project starts a new section).
    void Esquecer();

    // Decimal separator of the numbers shown and quoted.
    void DefinirSeparador(char separador) { separador_ = separador; }

signals:
    // The points changed (by an edit, an undo or a redo): charts, water line and state follow.
    void SecaoAlterada();
    // The edit made or undone wants this row shown and selected.
    void LinhaEmFoco(int linha);

private:
    friend class TComandoPontos;
    friend class TComandoMargens;
    bool MudarMargens(std::optional<double> esquerda, std::optional<double> direita, const QString& descricao);
    // Moves or clears the bank stations for points that change from `antes` to `depois`, recorded in the step of
    // the history being built, and tells the user of a station that had to go.
    void AcompanharMargens(const std::vector<TPontoSecao>& antes, const std::vector<TPontoSecao>& depois);
    void AcompanharMargens(const TMargensSeguidas& seguidas);
    bool MargemEm(double x) const { return secao_.MargemE == x || secao_.MargemD == x; }
    void AplicarMargens(std::optional<double> esquerda, std::optional<double> direita);
    void AplicarSubstituicao(const std::vector<TPontoSecao>& pontos, int foco);
    void AplicarPonto(int linha, const TPontoSecao& ponto);
    void AplicarInsercao(int linha, const TPontoSecao& ponto);
    void AplicarRemocao(int linha);
    bool LerLevantamentoColado(const std::string& texto, const char* verbo);

    TSulvoIrregular& secao_;
    IDialogService& dialogos_;
    TModeloPontos* modelo_;
    QUndoStack* pilha_;
    char separador_ = ',';
};

// The table's editor: a numeric field that takes negative values in the Y column.
class TDelegadoPontos : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
    void setEditorData(QWidget* editor, const QModelIndex& indice) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modelo, const QModelIndex& indice) const override;
};

// The point table: Ctrl+V pastes a survey, Delete deletes the selected points, Insert adds one, Ctrl+C
// copies the selected rows as a spreadsheet takes them, Enter moves down as in a spreadsheet.
class TTabelaPontos : public QTableView {
    Q_OBJECT
public:
    explicit TTabelaPontos(QWidget* pai = nullptr);

    // As narrow as its minimum: beside the chart, the chart takes the room the window gains first.
    QSize sizeHint() const override;

    std::vector<int> LinhasSelecionadas() const;
    QString TextoDasLinhas(const std::vector<int>& linhas) const;

signals:
    void ColarPedido(const QString& texto);
    void ExcluirPedido();
    void InserirPedido();

protected:
    void keyPressEvent(QKeyEvent* evento) override;
};

} // namespace sulvo
