#include "ui/principal/DialogosQt.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace sulvo {
namespace {

QString Q(const std::string& texto) {
    return QString::fromStdString(texto);
}

// A confirmation box: question icon, the toolkit's standard buttons, Escape and the close box
// answering as the last button (No, or Cancel when there is one).
QMessageBox::StandardButton Perguntar(QWidget* janela, const std::string& texto, QMessageBox::StandardButtons botoes,
                                      QMessageBox::StandardButton escape) {
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Confirmação"), Q(texto), botoes, janela);
    caixa.setDefaultButton(QMessageBox::Yes);
    caixa.setEscapeButton(escape);
    const int resposta = caixa.exec();
    return static_cast<QMessageBox::StandardButton>(resposta);
}

} // namespace

TDialogosQt::TDialogosQt(QWidget* janela) : janela_(janela) {}
TDialogosQt::~TDialogosQt() = default;

QString TDialogosQt::Titulo() {
    const QString titulo = QApplication::applicationDisplayName();
    return titulo.isEmpty() ? QStringLiteral("Sulvo") : titulo;
}

void TDialogosQt::Mensagem(const std::string& texto) {
    QMessageBox caixa(QMessageBox::NoIcon, Titulo(), Q(texto), QMessageBox::Ok, janela_);
    caixa.exec();
}

void TDialogosQt::Erro(const std::string& texto) {
    QMessageBox caixa(QMessageBox::Critical, Titulo(), Q(texto), QMessageBox::Ok, janela_);
    caixa.exec();
}

bool TDialogosQt::PerguntarSimNao(const std::string& texto) {
    return Perguntar(janela_, texto, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

Resposta TDialogosQt::PerguntarSimNaoCancelar(const std::string& texto) {
    switch (Perguntar(janela_, texto, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Resposta::Sim;
    case QMessageBox::No:
        return Resposta::Nao;
    default:
        return Resposta::Cancelar;
    }
}

Resposta TDialogosQt::PerguntarTresOpcoes(const std::string& texto, const std::string& sim, const std::string& nao,
                                          const std::string& cancelar) {
    QMessageBox caixa(QMessageBox::Question, QStringLiteral("Confirmação"), Q(texto), QMessageBox::NoButton, janela_);
    QPushButton* bSim = caixa.addButton(Q(sim), QMessageBox::YesRole);
    QPushButton* bNao = caixa.addButton(Q(nao), QMessageBox::NoRole);
    QPushButton* bCancelar = caixa.addButton(Q(cancelar), QMessageBox::RejectRole);
    // Nothing is lost by default: Enter and Escape both cancel.
    caixa.setDefaultButton(bCancelar);
    caixa.setEscapeButton(bCancelar);
    caixa.exec();
    if (caixa.clickedButton() == bSim)
        return Resposta::Sim;
    if (caixa.clickedButton() == bNao)
        return Resposta::Nao;
    return Resposta::Cancelar;
}

std::optional<std::string> TDialogosQt::DialogoArquivo(const OpcoesArquivo& opcoes, bool salvar) {
    QFileDialog dialogo(janela_);
    dialogo.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The document manager asks its own question before replacing a file.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!opcoes.titulo.empty())
        dialogo.setWindowTitle(Q(opcoes.titulo));
    if (!opcoes.filtro.empty())
        dialogo.setNameFilter(Q(opcoes.filtro));
    QString extensao = Q(opcoes.extensaoPadrao);
    while (extensao.startsWith(u'*') || extensao.startsWith(u'.'))
        extensao.remove(0, 1);
    if (!extensao.isEmpty())
        dialogo.setDefaultSuffix(extensao);
    const QString pasta = opcoes.pasta.empty() ? ultimaPasta_ : Q(opcoes.pasta);
    if (!pasta.isEmpty())
        dialogo.setDirectory(pasta);
    if (!opcoes.nomeSugerido.empty())
        dialogo.selectFile(Q(opcoes.nomeSugerido));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;
    ultimaPasta_ = dialogo.directory().absolutePath();
    return dialogo.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> TDialogosQt::AbrirArquivo(const OpcoesArquivo& opcoes) {
    return DialogoArquivo(opcoes, false);
}

std::optional<std::string> TDialogosQt::SalvarArquivo(const OpcoesArquivo& opcoes) {
    return DialogoArquivo(opcoes, true);
}

QPrinter& TDialogosQt::Impressora() {
    if (!impressora_)
        impressora_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *impressora_;
}

void TDialogosQt::ConfigurarImpressora() {
    QPageSetupDialog dialogo(&Impressora(), janela_);
    dialogo.exec();
}

// A report prints on the printer chosen under "Configurar Impressora", with the paper and orientation set up
// there; the report window keeps its own margins.
bool TDialogosQt::Imprimir(QPrinter& impressora) {
    const QPrinter& configurada = Impressora();
    if (!configurada.printerName().isEmpty())
        impressora.setPrinterName(configurada.printerName());
    impressora.setPageSize(configurada.pageLayout().pageSize());
    impressora.setPageOrientation(configurada.pageLayout().orientation());
    QPrintDialog dialogo(&impressora,
                         QApplication::activeModalWidget() ? QApplication::activeModalWidget() : janela_.data());
    return dialogo.exec() == QDialog::Accepted;
}

int TDialogosQt::ExibirModal(QDialog& dialogo) {
    return dialogo.exec();
}

} // namespace sulvo
