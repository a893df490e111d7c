#include "ui/irregular/AltPonto.h"

#include "controls/EditNumero.h"
#include "engine/uIrregular.h"
#include "project/DialogService.h"
#include "ui/irregular/IrregularSecao.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace sulvo {
namespace {

TEditNumero* CampoMetros(QWidget* pai) {
    auto* campo = new TEditNumero(pai);
    campo->SetFormato(TFormato::fDouble);
    campo->SetNegativo(false);
    campo->SetDecimais(2);
    return campo;
}

} // namespace

TFAltPonto::TFAltPonto(TSulvoIrregular& secao, IDialogService& dialogos, QWidget* parent)
    : QDialog(parent), secao_(secao), dialogos_(dialogos) {
    setObjectName(QStringLiteral("FAltPonto"));
    setWindowTitle(QStringLiteral("Alterar Ponto"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);

    Label1 = new QLabel(QStringLiteral("Largura :"), this);
    Label2 = new QLabel(QStringLiteral("Profundidade :"), this);
    EdX = CampoMetros(this);
    EdX->setObjectName(QStringLiteral("EdX"));
    EdY = CampoMetros(this);
    EdY->setObjectName(QStringLiteral("EdY"));
    btAlterar = new QPushButton(QStringLiteral("&Alterar"), this);
    BtEliminar = new QPushButton(QStringLiteral("&Eliminar"), this);
    btCancelar = new QPushButton(QStringLiteral("&Cancelar"), this);
    for (QPushButton* b : {btAlterar, BtEliminar, btCancelar})
        b->setAutoDefault(false);
    // Enter in either field changes the point.
    btAlterar->setDefault(true);

    auto* campos = new QGridLayout;
    campos->addWidget(Label1, 0, 0);
    campos->addWidget(EdX, 0, 1);
    campos->addWidget(new QLabel(QStringLiteral("m"), this), 0, 2);
    campos->addWidget(Label2, 1, 0);
    campos->addWidget(EdY, 1, 1);
    campos->addWidget(new QLabel(QStringLiteral("m"), this), 1, 2);
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btAlterar);
    botoes->addWidget(BtEliminar);
    botoes->addWidget(btCancelar);
    auto* layout = new QGridLayout(this);
    layout->addLayout(campos, 0, 0, Qt::AlignHCenter);
    layout->addLayout(botoes, 1, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btAlterar, &QPushButton::clicked, this, &TFAltPonto::btAlterarClick);
    connect(BtEliminar, &QPushButton::clicked, this, &TFAltPonto::BtEliminarClick);
    connect(btCancelar, &QPushButton::clicked, this, &TFAltPonto::btCancelarClick);
}

void TFAltPonto::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());
    FormActivate();
}

void TFAltPonto::FormActivate() {
    const auto& pontos = secao_.Pontos;
    if (IndicePonto < 0 || IndicePonto >= static_cast<int>(pontos.size()))
        return;
    const TPontoSecao& p = pontos[static_cast<std::size_t>(IndicePonto)];
    EdX->SetValor(p.X);
    EdY->SetValor(0.0 - p.Y); // the depth; 0.0 - keeps a bank at +0
    const bool margemEsquerda = IndicePonto == 0;
    const bool margemDireita = IndicePonto == static_cast<int>(pontos.size()) - 1;
    EdX->setEnabled(!margemEsquerda);
    EdY->setEnabled(!margemEsquerda && !margemDireita);
}

void TFAltPonto::btAlterarClick() {
    auto& pontos = secao_.Pontos;
    if (IndicePonto <= 0 || IndicePonto >= static_cast<int>(pontos.size()))
        return;
    const auto i = static_cast<std::size_t>(IndicePonto);
    const double x = EdX->Valor();
    switch (VerificarAlteracao(pontos, i, x)) {
    case TVerificacaoPonto::MargemEsquerda:
        return;
    case TVerificacaoPonto::MaiorQueLargura:
        dialogos_.Mensagem("A largura é maior que a largura total do sulvo");
        EdX->clear();
        return;
    case TVerificacaoPonto::LarguraInvalida:
        dialogos_.Mensagem("Largura Invalida!");
        return;
    case TVerificacaoPonto::Aceita:
        break;
    }
    pontos[i].X = x;
    pontos[i].Y = 0.0 - EdY->Valor();
    if (i == pontos.size() - 1)
        emit LarguraAlterada(x);
    emit SecaoAlterada();
    accept();
}

void TFAltPonto::BtEliminarClick() {
    auto& pontos = secao_.Pontos;
    if (IndicePonto <= 0 || IndicePonto >= static_cast<int>(pontos.size()) - 1) {
        dialogos_.Mensagem("Não é possivel eliminar este ponto!");
        return;
    }
    // The two intervals beside the point become one, with the roughness stored at its end point.
    pontos.erase(pontos.begin() + IndicePonto);
    emit SecaoAlterada();
    accept();
}

void TFAltPonto::btCancelarClick() {
    reject();
}

} // namespace sulvo
