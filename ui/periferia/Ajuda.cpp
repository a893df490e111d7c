#include "ui/periferia/Ajuda.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace sulvo {
namespace {

const QString kDiretivaConteudo = QStringLiteral("@conteudo");
const QString kDiretivaTopico = QStringLiteral("@topico");
const QString kDiretivaTitulo = QStringLiteral("@titulo");
const QString kDiretivaChaves = QStringLiteral("@chaves");
const QString kDiretivaFim = QStringLiteral("@fim");
const QString kEsquemaTopico = QStringLiteral("topico");

// The rest of a header line after its directive ("@titulo Canais" -> "Canais"), or nothing when the line
// is another directive.
std::optional<QString> Argumento(const QString& linha, const QString& diretiva) {
    if (linha == diretiva)
        return QString();
    if (linha.startsWith(diretiva) && linha.at(diretiva.size()).isSpace())
        return linha.mid(diretiva.size()).trimmed();
    return std::nullopt;
}

// The words of a topic without its markup, for the search by text.
QString TextoSemMarcacao(const QString& html) {
    static const QRegularExpression marca(QStringLiteral("<[^>]*>"));
    QString texto = html;
    texto.replace(marca, QStringLiteral(" "));
    texto.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    texto.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    texto.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    texto.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    texto.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return texto.simplified();
}

void Acrescentar(QList<int>& lista, int contexto) {
    if (!lista.contains(contexto))
        lista.append(contexto);
}

// The look of the topics: dark blue headings like the report's banner, formulas set apart.
const char* const kEstiloTopicos = R"(
h1 { color: #0b3c6e; font-size: 15pt; font-weight: bold; margin-bottom: 6px; }
h2 { color: #1565a8; font-size: 12pt; font-weight: bold; margin-top: 12px; margin-bottom: 4px; }
p { margin-top: 4px; margin-bottom: 6px; }
li { margin-bottom: 3px; }
a { color: #1565a8; }
.formula { margin-left: 24px; margin-top: 6px; margin-bottom: 6px; font-family: serif; font-size: 12pt; }
.nota { background-color: #eef5fb; }
.aviso { color: #8a1c1c; }
th { background-color: #dbe9f6; }
)";

} // namespace

// --- F1 ---------------------------------------------------------------------------------------------------

int ContextoAjuda(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        bool ok = false;
        const int contexto = w->property(kPropriedadeContextoAjuda).toInt(&ok);
        if (ok && contexto > 0)
            return contexto;
        if (w->isWindow())
            break;
    }
    return 0;
}

TTeclaAjuda::TTeclaAjuda(IAjuda& ajuda, QObject* parent) : QObject(parent), ajuda_(ajuda) {}

bool TTeclaAjuda::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::KeyPress && objeto->isWidgetType()) {
        const auto* tecla = static_cast<const QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_F1 && tecla->modifiers() == Qt::NoModifier) {
            const int contexto = ContextoAjuda(static_cast<const QWidget*>(objeto));
            if (contexto > 0) {
                // Holding the key down asks once.
                if (!tecla->isAutoRepeat())
                    ajuda_.Topico(contexto);
                return true;
            }
        }
    }
    return QObject::eventFilter(objeto, evento);
}

TTeclaAjuda* InstalarTeclaAjuda(IAjuda& ajuda, QObject* dono) {
    auto* tecla = new TTeclaAjuda(ajuda, dono);
    if (QCoreApplication* aplicacao = QCoreApplication::instance())
        aplicacao->installEventFilter(tecla);
    return tecla;
}

// --- The help file ------------------------------------------------------------------------------------------

QString TArquivoAjuda::Normalizar(const QString& texto) {
    const QString decomposto = texto.normalized(QString::NormalizationForm_D);
    QString resultado;
    resultado.reserve(decomposto.size());
    for (QChar c : decomposto)
        if (c.category() != QChar::Mark_NonSpacing)
            resultado.append(c);
    return resultado.toCaseFolded();
}

std::optional<TArquivoAjuda> TArquivoAjuda::Ler(const QString& texto, QString& erro) {
    QStringList linhas = texto.split(u'\n');
    for (QString& linha : linhas)
        if (linha.endsWith(u'\r'))
            linha.chop(1);
    if (!linhas.isEmpty() && linhas.front().startsWith(QChar(0xFEFF)))
        linhas.front().remove(0, 1);

    const auto falha = [&erro](qsizetype indice, const QString& mensagem) -> std::optional<TArquivoAjuda> {
        erro = QStringLiteral("linha %1: %2").arg(indice + 1).arg(mensagem);
        return std::nullopt;
    };

    if (linhas.isEmpty() || linhas.front().trimmed() != QLatin1String(kCabecalho))
        return falha(0, QStringLiteral("o arquivo não começa com \"%1\"").arg(QLatin1String(kCabecalho)));

    TArquivoAjuda arquivo;
    bool temConteudo = false;
    qsizetype linhaConteudo = 0;
    qsizetype i = 1;
    while (i < linhas.size()) {
        const QString linha = linhas[i].trimmed();
        if (linha.isEmpty() || linha.startsWith(u'#')) {
            ++i;
            continue;
        }
        if (linha == kDiretivaConteudo) {
            if (temConteudo)
                return falha(i, QStringLiteral("segundo bloco @conteudo"));
            temConteudo = true;
            linhaConteudo = i;
            for (++i;; ++i) {
                if (i >= linhas.size())
                    return falha(i - 1, QStringLiteral("bloco @conteudo sem @fim"));
                const QString& original = linhas[i];
                const QString item = original.trimmed();
                if (item == kDiretivaFim)
                    break;
                if (item.isEmpty() || item.startsWith(u'#'))
                    continue;
                if (item.startsWith(u'@'))
                    return falha(i, QStringLiteral("diretiva inesperada no conteúdo: %1").arg(item));
                if (original.front().isSpace()) {
                    bool ok = false;
                    const int numero = item.toInt(&ok);
                    if (!ok || numero <= 0)
                        return falha(i, QStringLiteral("número de tópico inválido no conteúdo: %1").arg(item));
                    if (arquivo.capitulos_.isEmpty())
                        return falha(i, QStringLiteral("tópico %1 fora de um capítulo").arg(numero));
                    arquivo.capitulos_.back().topicos.append(numero);
                } else {
                    arquivo.capitulos_.append({item, {}});
                }
            }
            ++i;
            continue;
        }
        if (const auto numeroTexto = Argumento(linha, kDiretivaTopico)) {
            bool ok = false;
            TTopicoAjuda topico;
            topico.contexto = numeroTexto->toInt(&ok);
            if (!ok || topico.contexto <= 0)
                return falha(i, QStringLiteral("número de tópico inválido: %1").arg(*numeroTexto));
            if (arquivo.topicos_.contains(topico.contexto))
                return falha(i, QStringLiteral("tópico %1 repetido").arg(topico.contexto));
            const qsizetype inicio = i;
            QStringList corpo;
            bool fechado = false;
            for (++i; i < linhas.size(); ++i) {
                const QString& original = linhas[i];
                const QString diretiva = original.trimmed();
                if (diretiva == kDiretivaFim) {
                    fechado = true;
                    break;
                }
                if (corpo.isEmpty() && diretiva.startsWith(u'@')) {
                    if (const auto titulo = Argumento(diretiva, kDiretivaTitulo)) {
                        topico.titulo = *titulo;
                        continue;
                    }
                    if (const auto chaves = Argumento(diretiva, kDiretivaChaves)) {
                        for (const QString& chave : chaves->split(u';'))
                            if (!chave.trimmed().isEmpty())
                                topico.chaves.append(chave.trimmed());
                        continue;
                    }
                }
                if (diretiva.startsWith(u'@'))
                    return falha(
                        i, QStringLiteral("diretiva inesperada no tópico %1: %2").arg(topico.contexto).arg(diretiva));
                corpo.append(original);
            }
            if (!fechado)
                return falha(inicio, QStringLiteral("tópico %1 sem @fim").arg(topico.contexto));
            if (topico.titulo.isEmpty())
                return falha(inicio, QStringLiteral("tópico %1 sem @titulo").arg(topico.contexto));
            topico.html = corpo.join(u'\n');
            topico.textoNormalizado = Normalizar(TextoSemMarcacao(topico.html));
            arquivo.ordem_.append(topico.contexto);
            arquivo.topicos_.insert(topico.contexto, std::move(topico));
            ++i;
            continue;
        }
        return falha(i, QStringLiteral("linha fora de um bloco: %1").arg(linha));
    }

    if (arquivo.topicos_.isEmpty())
        return falha(linhas.size() - 1, QStringLiteral("o arquivo não tem tópicos"));
    for (const TCapituloAjuda& capitulo : std::as_const(arquivo.capitulos_))
        for (int numero : capitulo.topicos)
            if (!arquivo.topicos_.contains(numero))
                return falha(linhaConteudo, QStringLiteral("o conteúdo cita o tópico %1, que não existe").arg(numero));

    // The index: one entry per keyword, whatever its case or accents in the topics that give it.
    QHash<QString, QString> exibicao;
    for (int contexto : std::as_const(arquivo.ordem_)) {
        for (const QString& chave : arquivo.topicos_[contexto].chaves) {
            const QString normalizada = Normalizar(chave);
            if (!exibicao.contains(normalizada))
                exibicao.insert(normalizada, chave);
            Acrescentar(arquivo.indice_[normalizada], contexto);
        }
    }
    QStringList normalizadas = exibicao.keys();
    std::sort(normalizadas.begin(), normalizadas.end());
    for (const QString& normalizada : std::as_const(normalizadas))
        arquivo.chaves_.append(exibicao.value(normalizada));
    erro.clear();
    return arquivo;
}

std::optional<TArquivoAjuda> TArquivoAjuda::Carregar(const QString& caminho, QString& erro) {
    QFile arquivo(caminho);
    if (!arquivo.exists()) {
        erro = QStringLiteral("O arquivo de ajuda \"%1\" não foi encontrado.").arg(QDir::toNativeSeparators(caminho));
        return std::nullopt;
    }
    if (!arquivo.open(QIODevice::ReadOnly)) {
        erro = QStringLiteral("Não foi possível abrir o arquivo de ajuda \"%1\": %2.")
                   .arg(QDir::toNativeSeparators(caminho), arquivo.errorString());
        return std::nullopt;
    }
    QString detalhe;
    auto lido = Ler(QString::fromUtf8(arquivo.readAll()), detalhe);
    if (!lido)
        erro = QStringLiteral("O arquivo de ajuda \"%1\" está danificado (%2).")
                   .arg(QDir::toNativeSeparators(caminho), detalhe);
    return lido;
}

const TTopicoAjuda* TArquivoAjuda::Topico(int contexto) const {
    const auto it = topicos_.constFind(contexto);
    return it == topicos_.constEnd() ? nullptr : &it.value();
}

QList<int> TArquivoAjuda::Contextos() const {
    QList<int> contextos = ordem_;
    std::sort(contextos.begin(), contextos.end());
    return contextos;
}

int TArquivoAjuda::TopicoInicial() const {
    for (const TCapituloAjuda& capitulo : capitulos_)
        if (!capitulo.topicos.isEmpty())
            return capitulo.topicos.front();
    return ordem_.isEmpty() ? 0 : ordem_.front();
}

QStringList TArquivoAjuda::ChavesCom(const QString& palavra) const {
    const QString procurada = Normalizar(palavra.trimmed());
    if (procurada.isEmpty())
        return chaves_;
    QStringList comecam;
    QStringList contem;
    for (const QString& chave : chaves_) {
        const QString normalizada = Normalizar(chave);
        if (normalizada.startsWith(procurada))
            comecam.append(chave);
        else if (normalizada.contains(procurada))
            contem.append(chave);
    }
    return comecam + contem;
}

QList<int> TArquivoAjuda::TopicosDaChave(const QString& chave) const {
    return indice_.value(Normalizar(chave.trimmed()));
}

QList<int> TArquivoAjuda::Pesquisar(const QString& palavra) const {
    const QString procurada = Normalizar(palavra.simplified());
    QList<int> resultado;
    if (procurada.isEmpty())
        return resultado;
    for (const QString& chave : chaves_)
        if (Normalizar(chave).contains(procurada))
            for (int contexto : indice_.value(Normalizar(chave)))
                Acrescentar(resultado, contexto);
    for (int contexto : ordem_)
        if (Normalizar(Topico(contexto)->titulo).contains(procurada))
            Acrescentar(resultado, contexto);
    for (int contexto : ordem_)
        if (Topico(contexto)->textoNormalizado.contains(procurada))
            Acrescentar(resultado, contexto);
    return resultado;
}

// --- The help window ---------------------------------------------------------------------------------------

TFAjuda::TFAjuda(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FAjuda"));
    setWindowTitle(QStringLiteral("Ajuda do Sulvo"));
    // The help outlives no window of its own: closing the main window ends the program even with help open.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(900, 600);

    BtConteudo = new QPushButton(QStringLiteral("&Conteúdo"), this);
    BtIndice = new QPushButton(QStringLiteral("Í&ndice"), this);
    BtVoltar = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("&Voltar"), this);
    BtAvancar = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), QStringLiteral("&Avançar"), this);
    auto* botoes = new QHBoxLayout;
    for (QPushButton* botao : {BtConteudo, BtIndice, BtVoltar, BtAvancar}) {
        botao->setAutoDefault(false);
        botao->setFocusPolicy(Qt::TabFocus);
        botoes->addWidget(botao);
    }
    botoes->addStretch();

    Abas = new QTabWidget(this);
    ArvoreConteudo = new QTreeWidget(Abas);
    ArvoreConteudo->setHeaderHidden(true);
    ArvoreConteudo->setRootIsDecorated(true);
    Abas->addTab(ArvoreConteudo, QStringLiteral("Conteúdo"));

    auto* indice = new QWidget(Abas);
    EdPalavra = new QLineEdit(indice);
    EdPalavra->setClearButtonEnabled(true);
    LbChaves = new QListWidget(indice);
    LbTopicos = new QListWidget(indice);
    BtMostrar = new QPushButton(QStringLiteral("&Mostrar"), indice);
    BtMostrar->setAutoDefault(false);
    auto* rotuloPalavra = new QLabel(QStringLiteral("&Digite a palavra procurada:"), indice);
    rotuloPalavra->setBuddy(EdPalavra);
    auto* rotuloChaves = new QLabel(QStringLiteral("&Palavras-chave:"), indice);
    rotuloChaves->setBuddy(LbChaves);
    auto* rotuloTopicos = new QLabel(QStringLiteral("&Tópicos encontrados:"), indice);
    rotuloTopicos->setBuddy(LbTopicos);
    auto* colunaIndice = new QVBoxLayout(indice);
    colunaIndice->addWidget(rotuloPalavra);
    colunaIndice->addWidget(EdPalavra);
    colunaIndice->addWidget(rotuloChaves);
    colunaIndice->addWidget(LbChaves, 3);
    colunaIndice->addWidget(rotuloTopicos);
    colunaIndice->addWidget(LbTopicos, 2);
    colunaIndice->addWidget(BtMostrar, 0, Qt::AlignRight);
    Abas->addTab(indice, QStringLiteral("Índice"));

    Texto = new QTextBrowser(this);
    Texto->setOpenLinks(false);
    Texto->setOpenExternalLinks(false);
    QPalette papel = Texto->palette();
    papel.setColor(QPalette::Base, Qt::white);
    papel.setColor(QPalette::Text, Qt::black);
    Texto->setPalette(papel);
    Texto->document()->setDefaultStyleSheet(QString::fromUtf8(kEstiloTopicos));
    Texto->document()->setDocumentMargin(12);

    auto* divisor = new QSplitter(Qt::Horizontal, this);
    divisor->addWidget(Abas);
    divisor->addWidget(Texto);
    divisor->setStretchFactor(0, 0);
    divisor->setStretchFactor(1, 1);
    divisor->setSizes({300, 600});
    divisor->setChildrenCollapsible(false);

    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(6, 6, 6, 6);
    principal->addLayout(botoes);
    principal->addWidget(divisor, 1);

    connect(BtConteudo, &QPushButton::clicked, this, &TFAjuda::MostrarConteudo);
    connect(BtIndice, &QPushButton::clicked, this, [this] { MostrarIndice(EdPalavra->text()); });
    connect(BtVoltar, &QPushButton::clicked, this, &TFAjuda::Voltar);
    connect(BtAvancar, &QPushButton::clicked, this, &TFAjuda::Avancar);
    connect(ArvoreConteudo, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const int contexto = item->data(0, Qt::UserRole).toInt();
        if (contexto > 0)
            Apresentar(contexto, true);
        else
            item->setExpanded(!item->isExpanded());
    });
    connect(ArvoreConteudo, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int contexto = item->data(0, Qt::UserRole).toInt();
        if (contexto > 0)
            Apresentar(contexto, true);
    });
    connect(EdPalavra, &QLineEdit::textChanged, this, &TFAjuda::FiltrarChaves);
    connect(EdPalavra, &QLineEdit::returnPressed, this, &TFAjuda::MostrarEscolhido);
    connect(LbChaves, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && arquivo_)
            ListarTopicos(arquivo_->TopicosDaChave(item->text()));
    });
    connect(LbChaves, &QListWidget::itemActivated, this, &TFAjuda::MostrarEscolhido);
    connect(LbTopicos, &QListWidget::itemActivated, this, &TFAjuda::MostrarEscolhido);
    connect(BtMostrar, &QPushButton::clicked, this, &TFAjuda::MostrarEscolhido);
    connect(Texto, &QTextBrowser::anchorClicked, this, &TFAjuda::SeguirLink);

    AtualizarBotoes();
}

TFAjuda::~TFAjuda() = default;

void TFAjuda::DefinirArquivo(TArquivoAjuda arquivo) {
    arquivo_ = std::move(arquivo);
    falha_.clear();
    historico_.clear();
    posicao_ = -1;
    atual_ = 0;
    PreencherConteudo();
    FiltrarChaves(EdPalavra->text());
    AtualizarBotoes();
}

void TFAjuda::DefinirFalha(const QString& mensagem) {
    arquivo_.reset();
    falha_ = mensagem;
    historico_.clear();
    posicao_ = -1;
    atual_ = 0;
    ArvoreConteudo->clear();
    LbChaves->clear();
    LbTopicos->clear();
    AtualizarBotoes();
}

void TFAjuda::PreencherConteudo() {
    ArvoreConteudo->clear();
    if (!arquivo_)
        return;
    const QIcon livro = style()->standardIcon(QStyle::SP_DirIcon);
    const QIcon pagina = style()->standardIcon(QStyle::SP_FileIcon);
    for (const TCapituloAjuda& capitulo : arquivo_->Capitulos()) {
        auto* item = new QTreeWidgetItem(ArvoreConteudo, {capitulo.titulo});
        item->setIcon(0, livro);
        for (int contexto : capitulo.topicos) {
            auto* folha = new QTreeWidgetItem(item, {arquivo_->Topico(contexto)->titulo});
            folha->setIcon(0, pagina);
            folha->setData(0, Qt::UserRole, contexto);
            folha->setToolTip(0, folha->text(0));
        }
    }
    ArvoreConteudo->expandAll();
}

void TFAjuda::MostrarConteudo() {
    Abas->setCurrentWidget(ArvoreConteudo);
    if (!arquivo_) {
        Apresentar(0, false);
        return;
    }
    Apresentar(arquivo_->TopicoInicial(), true);
    ArvoreConteudo->setFocus();
}

void TFAjuda::MostrarIndice(const QString& palavra) {
    Abas->setCurrentIndex(1);
    if (EdPalavra->text() == palavra)
        FiltrarChaves(palavra);
    else
        EdPalavra->setText(palavra);
    if (atual_ == 0)
        Apresentar(arquivo_ ? arquivo_->TopicoInicial() : 0, true);
    EdPalavra->setFocus();
    EdPalavra->selectAll();
}

void TFAjuda::MostrarTopico(int contexto) {
    Apresentar(contexto, true);
}

void TFAjuda::Exibir() {
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modalidade = (modal && modal != this) ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modalidade) {
        // A window's modality can only change while it is hidden.
        if (isVisible())
            hide();
        setWindowModality(modalidade);
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void TFAjuda::Apresentar(int contexto, bool registrar) {
    if (!arquivo_) {
        PaginaDeAviso(QStringLiteral("Ajuda indisponível"),
                      QStringLiteral("<p class=\"aviso\">%1</p><p>O arquivo de ajuda <b>Sulvo.hlp</b> acompanha o "
                                     "programa e deve estar na pasta de instalação do Sulvo. Reinstale o Sulvo ou "
                                     "copie o arquivo para essa pasta e peça a ajuda novamente.</p>")
                          .arg(falha_.toHtmlEscaped()));
        return;
    }
    const TTopicoAjuda* topico = arquivo_->Topico(contexto);
    if (!topico) {
        PaginaDeAviso(QStringLiteral("Tópico não encontrado"),
                      QStringLiteral("<p class=\"aviso\">O arquivo de ajuda não tem o tópico número %1.</p>"
                                     "<p>Veja o <a href=\"topico:%2\">conteúdo da ajuda</a> ou procure o assunto "
                                     "no índice.</p>")
                          .arg(contexto)
                          .arg(arquivo_->TopicoInicial()));
        return;
    }
    Texto->document()->clear();
    Texto->setHtml(QStringLiteral("<h1>%1</h1>\n").arg(topico->titulo.toHtmlEscaped()) + topico->html);
    setWindowTitle(QStringLiteral("Ajuda do Sulvo - ") + topico->titulo);
    atual_ = contexto;
    if (registrar && (posicao_ < 0 || historico_[posicao_] != contexto)) {
        historico_.erase(historico_.begin() + (posicao_ + 1), historico_.end());
        historico_.append(contexto);
        posicao_ = static_cast<int>(historico_.size()) - 1;
    }
    SelecionarNaArvore(contexto);
    AtualizarBotoes();
}

void TFAjuda::PaginaDeAviso(const QString& titulo, const QString& html) {
    Texto->document()->clear();
    Texto->setHtml(QStringLiteral("<h1>%1</h1>\n").arg(titulo.toHtmlEscaped()) + html);
    setWindowTitle(QStringLiteral("Ajuda do Sulvo - ") + titulo);
    atual_ = 0;
    SelecionarNaArvore(0);
    AtualizarBotoes();
}

void TFAjuda::SelecionarNaArvore(int contexto) {
    const QSignalBlocker bloqueio(ArvoreConteudo);
    ArvoreConteudo->clearSelection();
    for (int c = 0; c < ArvoreConteudo->topLevelItemCount(); ++c) {
        QTreeWidgetItem* capitulo = ArvoreConteudo->topLevelItem(c);
        for (int t = 0; t < capitulo->childCount(); ++t) {
            QTreeWidgetItem* item = capitulo->child(t);
            if (item->data(0, Qt::UserRole).toInt() == contexto) {
                ArvoreConteudo->setCurrentItem(item);
                ArvoreConteudo->scrollToItem(item);
                return;
            }
        }
    }
}

void TFAjuda::FiltrarChaves(const QString& palavra) {
    {
        const QSignalBlocker bloqueio(LbChaves);
        LbChaves->clear();
        if (arquivo_)
            LbChaves->addItems(arquivo_->ChavesCom(palavra));
    }
    if (!arquivo_) {
        LbTopicos->clear();
        return;
    }
    if (LbChaves->count() > 0) {
        LbChaves->setCurrentRow(0);
        ListarTopicos(arquivo_->TopicosDaChave(LbChaves->item(0)->text()));
    } else {
        // No keyword has the word: the topics that mention it anywhere.
        ListarTopicos(arquivo_->Pesquisar(palavra));
    }
}

void TFAjuda::ListarTopicos(const QList<int>& topicos) {
    LbTopicos->clear();
    if (!arquivo_)
        return;
    for (int contexto : topicos) {
        const TTopicoAjuda* topico = arquivo_->Topico(contexto);
        if (!topico)
            continue;
        auto* item = new QListWidgetItem(topico->titulo, LbTopicos);
        item->setData(Qt::UserRole, contexto);
    }
    if (LbTopicos->count() > 0)
        LbTopicos->setCurrentRow(0);
}

void TFAjuda::MostrarEscolhido() {
    if (QListWidgetItem* item = LbTopicos->currentItem())
        Apresentar(item->data(Qt::UserRole).toInt(), true);
}

void TFAjuda::SeguirLink(const QUrl& endereco) {
    if (endereco.scheme() == kEsquemaTopico) {
        bool ok = false;
        const int contexto = endereco.path().toInt(&ok);
        if (ok)
            Apresentar(contexto, true);
        return;
    }
    const QString esquema = endereco.scheme();
    if (esquema == QLatin1String("http") || esquema == QLatin1String("https") || esquema == QLatin1String("mailto"))
        QDesktopServices::openUrl(endereco);
}

void TFAjuda::Voltar() {
    if (posicao_ > 0)
        Apresentar(historico_[--posicao_], false);
}

void TFAjuda::Avancar() {
    if (posicao_ + 1 < historico_.size())
        Apresentar(historico_[++posicao_], false);
}

void TFAjuda::AtualizarBotoes() {
    BtVoltar->setEnabled(posicao_ > 0);
    BtAvancar->setEnabled(posicao_ >= 0 && posicao_ + 1 < historico_.size());
    BtIndice->setEnabled(arquivo_.has_value());
    BtConteudo->setEnabled(arquivo_.has_value());
}

// --- The help service --------------------------------------------------------------------------------------

TAjudaViewer::TAjudaViewer(const QString& pasta) : caminho_(QDir(pasta).filePath(QLatin1String(kNomeArquivo))) {}

TAjudaViewer::~TAjudaViewer() = default;

TFAjuda& TAjudaViewer::Janela() {
    if (!janela_)
        janela_ = std::make_unique<TFAjuda>();
    return *janela_;
}

void TAjudaViewer::Carregar() {
    TFAjuda& janela = Janela();
    if (janela.TemArquivo())
        return;
    QString erro;
    if (auto arquivo = TArquivoAjuda::Carregar(caminho_, erro))
        janela.DefinirArquivo(std::move(*arquivo));
    else
        janela.DefinirFalha(erro);
}

void TAjudaViewer::Conteudo() {
    Carregar();
    Janela().MostrarConteudo();
    Janela().Exibir();
}

void TAjudaViewer::Pesquisar(const QString& palavra) {
    Carregar();
    Janela().MostrarIndice(palavra);
    Janela().Exibir();
}

void TAjudaViewer::Topico(int contexto) {
    Carregar();
    Janela().MostrarTopico(contexto);
    Janela().Exibir();
}

} // namespace sulvo
