#pragma once

#include "engine/uIrregular.h"
#include "report/URelatorio.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPrinter;
class QTextBrowser;
class QToolBar;
class QToolButton;

namespace sulvo {

class IDialogService;

// The report window: shows one report, prints it, and removes the chart picture when it goes away.
// Created for one report, shown modally, destroyed when closed.
class TFRelatorio : public QDialog {
    Q_OBJECT

public:
    static constexpr int kContextoAjuda = 223;

    // `pasta` is the installation folder: the chart picture is written there and the document's
    // pictures are looked up there.
    explicit TFRelatorio(const QString& pasta, QWidget* parent = nullptr);
    ~TFRelatorio() override;

    // Pictures the chart of the selected type, builds the regular report and sets the caption.
    // When the picture cannot be written the error goes to `dialogos` and the result is false:
    // the window must then not be shown.
    bool GerarRelatorioRegular(int IndSulvoReg, const SecoesRegulares& secoes, const std::string& incognita,
                               const TIDProjeto& id, const std::array<QWidget*, 4>& graficos, IDialogService& dialogos);
    // With `curva`, the discharge-depth table follows the chart as an appendix.
    bool GerarRelatorioIrregular(const TSulvoIrregular& secao, const std::string& incognita,
                                 const std::string& metodologia, const TIDProjeto& id, QWidget& grafico,
                                 IDialogService& dialogos, const std::vector<TPontoCurva>* curva = nullptr);

    // Number and date conventions of the user's regional settings and the banner's folder.
    OpcoesRelatorio Opcoes() const;
    // Takes a finished report: its caption now, its text at the first showing.
    void DefinirRelatorio(TRelatorio relatorio);

    // The print dialog: configures the printer and answers whether to print. Defaults to the dialog
    // service's given to DefinirDestino (none: nothing prints); tests may put a scripted one in its place.
    using DialogoImpressao = std::function<bool(QPrinter&)>;
    void DefinirDialogoImpressao(DialogoImpressao dialogo) { dialogoImpressao_ = std::move(dialogo); }

    // Prints the shown document on `impressora` with 2.0 cm margins on every side, the pages the
    // printer's range asks for (all when none), the job named after the document's TITLE.
    void ImprimirDocumento(QPrinter& impressora);
    QString TituloDocumento() const;

    // Where "Salvar PDF…" and "Salvar HTML…" start: the project's folder and its name without extension,
    // asked through `dialogos`. Without it the buttons ask in the installation folder with the title.
    void DefinirDestino(IDialogService& dialogos, const std::string& pasta, const std::string& nome);
    // The shown report as an A4 PDF laid out as the print, or as one HTML file with its pictures inside.
    // False, with the error shown through the dialogs, when the file cannot be written.
    bool SalvarPdf(const QString& arquivo);
    bool SalvarHtml(const QString& arquivo);

    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QToolButton* BSalvarPdf = nullptr;
    QToolButton* BSalvarHtml = nullptr;
    QToolButton* BFechar = nullptr;
    QTextBrowser* Viewer = nullptr;

public slots:
    void ToolButton1Click();
    void BSalvarPdfClick();
    void BSalvarHtmlClick();
    void BFecharClick();

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void Centralizar();
    std::optional<std::string> PerguntarArquivo(const char* titulo, const char* filtro, const char* extensao);
    void InformarErro(const QString& arquivo, const QString& motivo);

    QString pasta_;
    QString textoRelatorio_;
    QString html_; // the report as built, kept for "Salvar HTML…"
    IDialogService* dialogos_ = nullptr;
    std::string pastaDestino_;
    std::string nomeDestino_;
    bool carregado_ = false;
    DialogoImpressao dialogoImpressao_;
};

} // namespace sulvo
