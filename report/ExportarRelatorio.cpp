#include "report/ExportarRelatorio.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

namespace sulvo {
namespace {

// Margins of the printed report on every side, in millimetres.
constexpr double kMargemMm = 20.0;

// The picture names of the document: the SRC of every IMG element, quoted as the report builder writes them.
const QRegularExpression& FonteImagem() {
    static const QRegularExpression re(QStringLiteral(R"((<IMG\b[^>]*?\bSRC=")([^"]*)("))"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}

QString CaminhoImagem(const QString& fonte, const QString& pasta) {
    const QUrl url(fonte);
    const QString nome = url.isLocalFile() ? url.toLocalFile() : fonte;
    return QDir::isAbsolutePath(nome) ? nome : QDir(pasta).filePath(nome);
}

} // namespace

std::unique_ptr<QTextDocument> DocumentoRelatorio(const QString& html, const QString& pasta) {
    auto documento = std::make_unique<QTextDocument>();
    auto it = FonteImagem().globalMatch(html);
    while (it.hasNext()) {
        const QString fonte = it.next().captured(2);
        QImage imagem(CaminhoImagem(fonte, pasta));
        if (!imagem.isNull())
            documento->addResource(QTextDocument::ImageResource, QUrl(fonte), imagem);
    }
    documento->setHtml(html);
    return documento;
}

void ImprimirRelatorio(const QTextDocument& documento, QPrinter& impressora) {
    impressora.setDocName(documento.metaInformation(QTextDocument::DocumentTitle));
    impressora.setPageMargins(QMarginsF(kMargemMm, kMargemMm, kMargemMm, kMargemMm), QPageLayout::Millimeter);
    // A document that is not paginated gets a margin and page numbers of its own when printed; a copy laid
    // out on the printer's page area prints with the printer's margins alone.
    std::unique_ptr<QTextDocument> copia(documento.clone());
    copia->documentLayout()->setPaintDevice(&impressora);
    copia->setDocumentMargin(0);
    copia->setPageSize(impressora.pageRect(QPrinter::DevicePixel).size());
    copia->print(&impressora);
}

bool SalvarRelatorioPdf(const QTextDocument& documento, const QString& arquivo, QString& erro) {
    {
        // The PDF writer fails silently on a file it cannot create: try it first for the reason.
        QFile teste(arquivo);
        if (!teste.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            erro = teste.errorString();
            return false;
        }
    }
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setOutputFormat(QPrinter::PdfFormat);
    impressora.setOutputFileName(arquivo);
    impressora.setPageSize(QPageSize(QPageSize::A4));
    impressora.setCreator(QStringLiteral("Sulvo"));
    ImprimirRelatorio(documento, impressora);
    if (QFile(arquivo).size() == 0) {
        erro = QStringLiteral("o PDF não foi gerado");
        return false;
    }
    return true;
}

QString HtmlAutonomo(const QString& html, const QString& pasta) {
    QString saida;
    saida.reserve(html.size() * 2);
    qsizetype inicio = 0;
    auto it = FonteImagem().globalMatch(html);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        saida += QStringView(html).mid(inicio, m.capturedStart(2) - inicio);
        const QString caminho = CaminhoImagem(m.captured(2), pasta);
        QFile arquivo(caminho);
        QByteArray dados = arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
        QByteArray tipo = "image/jpeg";
        const QImage imagem = QImage::fromData(dados);
        if (imagem.isNull()) {
            // A picture that is missing stays named as it was; the viewer showed nothing for it either.
            saida += m.captured(2);
        } else {
            if (!dados.startsWith("\xFF\xD8")) {
                // Not a JPEG: the chart's bitmap travels as PNG, which every browser shows and is far smaller.
                QBuffer buffer;
                buffer.open(QIODevice::WriteOnly);
                imagem.save(&buffer, "PNG");
                dados = buffer.data();
                tipo = "image/png";
            }
            saida += QLatin1String("data:") + QLatin1String(tipo) + QLatin1String(";base64,") +
                     QLatin1String(dados.toBase64());
        }
        inicio = m.capturedEnd(2);
    }
    saida += QStringView(html).mid(inicio);
    // The text is written in UTF-8; without a declaration a browser would read the accents as Windows-1252.
    const qsizetype cabeca = saida.indexOf(QLatin1String("<HEAD>"), 0, Qt::CaseInsensitive);
    const QString meta = QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">");
    if (cabeca >= 0)
        saida.insert(cabeca + 6, meta);
    else
        saida.prepend(meta);
    return saida;
}

bool SalvarRelatorioHtml(const QString& html, const QString& pasta, const QString& arquivo, QString& erro) {
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        erro = f.errorString();
        return false;
    }
    const QByteArray dados = HtmlAutonomo(html, pasta).toUtf8();
    if (f.write(dados) != dados.size()) {
        erro = f.errorString();
        return false;
    }
    return true;
}

} // namespace sulvo
