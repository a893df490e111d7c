#pragma once

#include "project/DialogService.h"

#include <QPointer>
#include <QString>

#include <memory>

class QDialog;
class QPrinter;
class QWidget;

namespace sulvo {

// The real message boxes and file dialogs, with Qt's standard buttons (in Portuguese once the
// qtbase_pt_BR translation is installed), the printer the reports print on, and modal windows.
class TDialogosQt final : public IDialogService {
public:
    explicit TDialogosQt(QWidget* janela = nullptr);
    ~TDialogosQt() override;

    // The window the boxes are centred on and modal to.
    void DefinirJanela(QWidget* janela) { janela_ = janela; }

    void Mensagem(const std::string& texto) override;
    void Erro(const std::string& texto) override;
    bool PerguntarSimNao(const std::string& texto) override;
    Resposta PerguntarSimNaoCancelar(const std::string& texto) override;
    Resposta PerguntarTresOpcoes(const std::string& texto, const std::string& sim, const std::string& nao,
                                 const std::string& cancelar) override;
    std::optional<std::string> AbrirArquivo(const OpcoesArquivo& opcoes) override;
    std::optional<std::string> SalvarArquivo(const OpcoesArquivo& opcoes) override;
    void ConfigurarImpressora() override;
    bool Imprimir(QPrinter& impressora) override;
    int ExibirModal(QDialog& dialogo) override;

    // The printer set up under "Configurar Impressora".
    QPrinter& Impressora();

    // Caption of the plain and error boxes: the application title.
    static QString Titulo();

private:
    std::optional<std::string> DialogoArquivo(const OpcoesArquivo& opcoes, bool salvar);

    QPointer<QWidget> janela_;
    QString ultimaPasta_;
    std::unique_ptr<QPrinter> impressora_;
};

} // namespace sulvo
