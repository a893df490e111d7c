#pragma once

#include "report/URelatorio.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <string>

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
    bool GerarRelatorioIrregular(const TSulvoIrregular& secao, const std::string& incognita,
                                 const std::string& metodologia, const TIDProjeto& id, QWidget& grafico,
                                 IDialogService& dialogos);

    // Number and date conventions of the user's regional settings and the banner's folder.
    OpcoesRelatorio Opcoes() const;
    // Takes a finished report: its caption now, its text at the first showing.
    void DefinirRelatorio(TRelatorio relatorio);

    // The print dialog: configures the printer and answers whether to print. Defaults to the
    // platform's print dialog; tests put a scripted one in its place.
    using DialogoImpressao = std::function<bool(QPrinter&)>;
    void DefinirDialogoImpressao(DialogoImpressao dialogo) { dialogoImpressao_ = std::move(dialogo); }

    // Prints the shown document on `impressora` with 2.0 cm margins on every side, the pages the
    // printer's range asks for (all when none), the job named after the document's TITLE.
    void ImprimirDocumento(QPrinter& impressora);
    QString TituloDocumento() const;

    QToolBar* ToolBar1 = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QToolButton* BFechar = nullptr;
    QTextBrowser* Viewer = nullptr;

public slots:
    void ToolButton1Click();
    void BFecharClick();

protected:
    void showEvent(QShowEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void Centralizar();

    QString pasta_;
    QString textoRelatorio_;
    bool carregado_ = false;
    DialogoImpressao dialogoImpressao_;
};

} // namespace sulvo
