#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace sulvo {

class IDialogService;
class TEditNumero;
class TSulvoIrregular;

// "Alterar Ponto": moves or deletes one surveyed point of the irregular section. The left bank is fixed,
// the right bank may only change its width (which widens or narrows the section), and an interior point
// keeps its place in the sequence, so its width must stay between its neighbours'.
class TFAltPonto : public QDialog {
    Q_OBJECT
public:
    TFAltPonto(TSulvoIrregular& secao, IDialogService& dialogos, QWidget* parent = nullptr);

    // The point worked on, an index into the section's points; set before the window opens.
    int IndicePonto = 0;

    QLabel* Label1;
    QLabel* Label2;
    TEditNumero* EdX;
    TEditNumero* EdY;
    QPushButton* btAlterar;
    QPushButton* BtEliminar;
    QPushButton* btCancelar;

    void FormActivate();
    void btAlterarClick();
    void BtEliminarClick();
    void btCancelarClick();

signals:
    // The right bank moved: the section's total width is now `largura`.
    void LarguraAlterada(double largura);
    // A point moved or was deleted: the chart and the water line are redrawn and the project changed.
    void SecaoAlterada();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    TSulvoIrregular& secao_;
    IDialogService& dialogos_;
};

} // namespace sulvo
