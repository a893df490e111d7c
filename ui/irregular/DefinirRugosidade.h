#pragma once

#include "engine/FaixaRugosidade.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace sulvo {

class IDialogService;
class TEditNumero;
class TFRugosidade;
class TSulvoIrregular;

// "Definir Rugosidades": gives a Manning coefficient to runs of consecutive intervals of the irregular
// section and shows the coefficient of every interval. Interval r runs from point r-1 to point r and its
// coefficient is stored at point r. Closing checks that every interval has a coefficient greater than 0
// before the page may calculate.
class TFDefinirRugosidade : public QDialog {
    Q_OBJECT
public:
    TFDefinirRugosidade(TSulvoIrregular& secao, IDialogService& dialogos, QWidget* parent = nullptr);

    static constexpr int kContextoAjuda = 228;

    // The roughness tables the "..." menu opens; without them its entries only hide and show this window.
    void DefinirTabelas(TFRugosidade* tabelas) { tabelas_ = tabelas; }

    // One opening: the lists and the table are prepared from the section, the window is shown modally, and
    // each table picked from the "..." menu runs while this window is hidden, which then shows again with
    // the chosen coefficient in its field. Returns when the window has closed.
    void Executar();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QComboBox* CBInicio;
    QComboBox* CBFinal;
    TEditNumero* EdRugosidade;
    QToolButton* BtRugosidade;
    QTableWidget* SGTabela;
    QPushButton* BtAdicionar;
    QPushButton* BtSair;
    QMenu* PpMRugosidade;
    QAction* CondutosCirculares1;
    QAction* CanaisRevestidos1;
    QAction* CursosDguaDragadosouEscavados1;
    QAction* CusrosDguaNaturaisMenores1;
    QAction* Enchentes1;
    QAction* CursosDguaMaiores1;

    void FormActivate();
    void BtAdicionarClick();
    void BtRugosidadeClick();
    void BtSairClick();
    void CondutosCirculares1Click() { EscolherTabela(1); }
    void CanaisRevestidos1Click() { EscolherTabela(0); }
    void CursosDguaDragadosouEscavados1Click() { EscolherTabela(2); }
    void CusrosDguaNaturaisMenores1Click() { EscolherTabela(3); }
    void Enchentes1Click() { EscolherTabela(4); }
    void CursosDguaMaiores1Click() { EscolherTabela(5); }

    // Empties the coefficient column (the page's "Limpar" starts a new section).
    void LimparGrade();

    // The coefficient texts of the table, interval 1 first.
    std::vector<std::string> TextosRugosidade() const;

signals:
    // A coefficient of the section changed ("&Adicionar" or a value typed into the table).
    void RugosidadeAlterada();
    // The window closed: with every interval valid, or left with invalid ones on the user's word.
    void Fechado(bool todasValidas);
    // Every attempt to close: the report no longer matches the section's roughness.
    void RelatorioInvalidado();

protected:
    void showEvent(QShowEvent* evento) override;

public slots:
    // Closing by "&Sair", the close box or Escape runs the check of every interval first.
    void reject() override;

private:
    void EscolherTabela(int tipo);
    void SGTabelaItemChanged(QTableWidgetItem* item);
    void EsvaziarListas();
    void EscreverCelula(int intervalo, const QString& texto);

    TSulvoIrregular& secao_;
    IDialogService& dialogos_;
    TFRugosidade* tabelas_ = nullptr;
    int tabelaPedida_ = -1;
    // The band of the coefficient last picked from a table into EdRugosidade; dropped when the user types.
    TFaixaRugosidade faixaEscolhida_;
    bool preenchendo_ = false;
};

} // namespace sulvo
