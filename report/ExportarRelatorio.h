#pragma once

#include <QString>

#include <memory>

class QPrinter;
class QTextDocument;

// A finished report taken away from the window: printed, written as PDF, or written as one HTML file that
// carries its pictures. None of it needs the report window, so sulvo-calc writes reports the same way.
namespace sulvo {

// The report's HTML laid out as the viewer shows it, with every picture it names (IMG SRC) loaded from
// `pasta` when the name is relative, or from its own path when absolute.
std::unique_ptr<QTextDocument> DocumentoRelatorio(const QString& html, const QString& pasta);

// Prints `documento` on `impressora` with 2.0 cm margins on every side, the job (and a PDF's title) named
// after the document's TITLE, the pages the printer's range asks for (all when none).
void ImprimirRelatorio(const QTextDocument& documento, QPrinter& impressora);

// The same print on A4 paper into the PDF file `arquivo`. False with the reason in `erro` when the file
// cannot be written.
bool SalvarRelatorioPdf(const QTextDocument& documento, const QString& arquivo, QString& erro);

// The report's HTML with every picture embedded as a data URI (the chart as PNG, the JPEG banner as it is)
// and its encoding declared, so the one file can be mailed or opened anywhere.
QString HtmlAutonomo(const QString& html, const QString& pasta);
bool SalvarRelatorioHtml(const QString& html, const QString& pasta, const QString& arquivo, QString& erro);

} // namespace sulvo
