#include "ui/principal/FIdentProjeto.h"

#include "project/IdentProjeto.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sulvo {
namespace {

QString Q(const std::string& texto) {
    return QString::fromStdString(texto);
}

} // namespace

TFIdentProjeto::TFIdentProjeto(TIDProjeto& IDProjeto, std::function<void()> marcarAlterado, QWidget* parent)
    : QDialog(parent), IDProjeto_(IDProjeto), marcarAlterado_(std::move(marcarAlterado)) {
    setObjectName(QStringLiteral("FIdentProjeto"));
    setWindowTitle(QStringLiteral("Identificação do Projeto"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);

    QFont negrito = font();
    negrito.setBold(true);
    setFont(negrito);
    QFont normal = negrito;
    normal.setBold(false);

    auto* grade = new QGridLayout;
    grade->setHorizontalSpacing(8);
    grade->setVerticalSpacing(10);
    const char* rotulos[] = {"&Nome:", "&Empresa:", "&Localidade:", "E&stado:", "&Técnico:", "&Data:"};
    QLineEdit** caixas[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6};
    for (int i = 0; i < 6; ++i) {
        auto* rotulo = new QLabel(QString::fromUtf8(rotulos[i]), this);
        rotulo->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        rotulo->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rotulo->setFont(normal);
        auto* caixa = new QLineEdit(this);
        caixa->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        caixa->setFixedWidth(220);
        caixa->setFont(normal);
        caixa->installEventFilter(this);
        rotulo->setBuddy(caixa);
        grade->addWidget(rotulo, i, 0);
        grade->addWidget(caixa, i, 1);
        *caixas[i] = caixa;
    }

    Fechar = new QPushButton(QStringLiteral("&Ok"), this);
    Fechar->setObjectName(QStringLiteral("Fechar"));
    Fechar->setDefault(true);
    Button1 = new QPushButton(QStringLiteral("&Cancelar"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Ajuda = new QPushButton(QStringLiteral("Aj&uda"), this);
    Ajuda->setObjectName(QStringLiteral("Ajuda"));
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    for (QPushButton* botao : {Fechar, Button1, Ajuda}) {
        botao->setFixedSize(90, 28);
        botao->setAutoDefault(false);
        botao->setFont(normal);
        botoes->addWidget(botao);
    }
    Fechar->setDefault(true);
    botoes->addStretch();

    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(16, 16, 16, 12);
    principal->addLayout(grade);
    principal->addStretch();
    principal->addLayout(botoes);

    QWidget* ordem[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Fechar, Button1, Ajuda};
    for (int i = 0; i + 1 < 9; ++i)
        setTabOrder(ordem[i], ordem[i + 1]);

    connect(Fechar, &QPushButton::clicked, this, &TFIdentProjeto::FecharClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Ajuda, &QPushButton::clicked, this, &TFIdentProjeto::AjudaClick);

    setFixedSize(sizeHint().expandedTo(QSize(362, 267)));
}

void TFIdentProjeto::showEvent(QShowEvent* evento) {
    FormShow();
    QDialog::showEvent(evento);
}

void TFIdentProjeto::FormShow() {
    Edit1->setText(Q(IDProjeto_.Nome));
    Edit2->setText(Q(IDProjeto_.Empresa));
    Edit3->setText(Q(IDProjeto_.Local));
    Edit4->setText(Q(IDProjeto_.Estado));
    Edit5->setText(Q(IDProjeto_.Tecnico));
    Edit6->setText(Q(IDProjeto_.Data));
    Edit1->setFocus(Qt::OtherFocusReason);
}

void TFIdentProjeto::FecharClick() {
    IDProjeto_.Nome = Edit1->text().toStdString();
    IDProjeto_.Empresa = Edit2->text().toStdString();
    IDProjeto_.Local = Edit3->text().toStdString();
    IDProjeto_.Estado = Edit4->text().toStdString();
    IDProjeto_.Tecnico = Edit5->text().toStdString();
    IDProjeto_.Data = Edit6->text().toStdString();
    accept();
}

void TFIdentProjeto::AjudaClick() {
    emit PedirAjuda(kContextoAjuda);
}

// Edit1KeyPress: any character typed into one of the six boxes counts as a change of the project,
// even when the dialog is cancelled afterwards.
bool TFIdentProjeto::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        const int k = tecla->key();
        const bool caractere = !tecla->text().isEmpty() && k != Qt::Key_Return && k != Qt::Key_Enter &&
                               k != Qt::Key_Escape && k != Qt::Key_Tab && k != Qt::Key_Backtab;
        if (caractere && marcarAlterado_)
            marcarAlterado_();
    }
    return QDialog::eventFilter(objeto, evento);
}

} // namespace sulvo
