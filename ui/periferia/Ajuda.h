#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace sulvo {

// What the program asks of the help: the contents, the keyword search and a topic by its help context.
class IAjuda {
public:
    virtual ~IAjuda() = default;
    virtual void Conteudo() = 0;
    // Opens the keyword search with `palavra` typed in (empty: the whole keyword list).
    virtual void Pesquisar(const QString& palavra) = 0;
    virtual void Topico(int contexto) = 0;
};

// Name of the dynamic property (int) that carries a widget's help context.
inline constexpr const char* kPropriedadeContextoAjuda = "helpContext";

// The help context of `widget`: its own "helpContext" when greater than 0, otherwise that of the nearest
// enclosing widget up to and including its window; 0 when none has one. The search stops at the window:
// a dialog does not inherit the topic of the window that owns it.
int ContextoAjuda(const QWidget* widget);

// F1: asks `ajuda` for the help context of the widget that receives the key. Installed on the application
// it serves every window; a widget without a context lets the key go on, so a window may still handle F1
// itself.
class TTeclaAjuda : public QObject {
    Q_OBJECT
public:
    explicit TTeclaAjuda(IAjuda& ajuda, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    IAjuda& ajuda_;
};

// Installs a TTeclaAjuda on the application, owned by `dono`; it goes away with `dono`.
TTeclaAjuda* InstalarTeclaAjuda(IAjuda& ajuda, QObject* dono);

struct TTopicoAjuda {
    int contexto = 0;
    QString titulo;
    QStringList chaves;
    QString html;             // body of the topic, rich text
    QString textoNormalizado; // plain text without accents, case-folded, for the search
};

struct TCapituloAjuda {
    QString titulo;
    QList<int> topicos;
};

// The help file "Sulvo.hlp": UTF-8 text, first line "SULVO-AJUDA 1", then one "@conteudo" block (chapter
// titles flush left, the topic numbers of each chapter indented below it) and the topics, each
// "@topico N", "@titulo ...", optional "@chaves a; b; c", the body, and "@fim". Topics link to each other
// with <a href="topico:N">. data/help holds the sources and the script that assembles them.
class TArquivoAjuda {
public:
    static constexpr const char* kCabecalho = "SULVO-AJUDA 1";

    // The file's topics, or nothing with `erro` saying what is wrong and on which line.
    static std::optional<TArquivoAjuda> Ler(const QString& texto, QString& erro);
    static std::optional<TArquivoAjuda> Carregar(const QString& caminho, QString& erro);

    const TTopicoAjuda* Topico(int contexto) const;
    QList<int> Contextos() const; // ascending
    const QList<TCapituloAjuda>& Capitulos() const { return capitulos_; }
    // The topic shown with the contents: the first topic of the first chapter.
    int TopicoInicial() const;

    // Every keyword once, in alphabetical order ignoring case and accents.
    QStringList Chaves() const { return chaves_; }
    // The keywords that contain `palavra` (ignoring case and accents), those that start with it first.
    QStringList ChavesCom(const QString& palavra) const;
    // Topics indexed under `chave`, in the order of the file.
    QList<int> TopicosDaChave(const QString& chave) const;
    // Topics about `palavra`: indexed under a keyword containing it, then with it in the title, then in
    // the text. Empty for an empty word.
    QList<int> Pesquisar(const QString& palavra) const;

    // Lower case without accents: the form in which words are compared.
    static QString Normalizar(const QString& texto);

private:
    QHash<int, TTopicoAjuda> topicos_;
    QList<int> ordem_; // contexts in the order of the file
    QList<TCapituloAjuda> capitulos_;
    QStringList chaves_;
    QHash<QString, QList<int>> indice_; // normalised keyword -> topics
};

// The help window: the contents and the keyword index on the left, the topic on the right, with links
// between topics and a back/forward history. It reports a missing or damaged help file in its own page.
class TFAjuda : public QWidget {
    Q_OBJECT
public:
    explicit TFAjuda(QWidget* parent = nullptr);
    ~TFAjuda() override;

    void DefinirArquivo(TArquivoAjuda arquivo);
    void DefinirFalha(const QString& mensagem);
    bool TemArquivo() const { return arquivo_.has_value(); }

    void MostrarConteudo();
    void MostrarIndice(const QString& palavra);
    void MostrarTopico(int contexto);
    // Brings the window to the front; above a modal dialog it becomes modal itself, or it could not be used.
    void Exibir();

    int TopicoAtual() const { return atual_; }

    QPushButton* BtConteudo;
    QPushButton* BtIndice;
    QPushButton* BtVoltar;
    QPushButton* BtAvancar;
    QTabWidget* Abas;
    QTreeWidget* ArvoreConteudo;
    QLineEdit* EdPalavra;
    QListWidget* LbChaves;
    QListWidget* LbTopicos;
    QPushButton* BtMostrar;
    QTextBrowser* Texto;

private:
    void Apresentar(int contexto, bool registrar);
    void PaginaDeAviso(const QString& titulo, const QString& html);
    void PreencherConteudo();
    void FiltrarChaves(const QString& palavra);
    void ListarTopicos(const QList<int>& topicos);
    void MostrarEscolhido();
    void SeguirLink(const QUrl& endereco);
    void Voltar();
    void Avancar();
    void AtualizarBotoes();
    void SelecionarNaArvore(int contexto);

    std::optional<TArquivoAjuda> arquivo_;
    QString falha_;
    QList<int> historico_;
    int posicao_ = -1;
    int atual_ = 0;
};

// The help service of the program: reads "Sulvo.hlp" from the installation folder the first time it is
// asked (again after a failure, so a file put back later is found) and shows TFAjuda.
class TAjudaViewer final : public IAjuda {
public:
    static constexpr const char* kNomeArquivo = "Sulvo.hlp";

    explicit TAjudaViewer(const QString& pasta);
    ~TAjudaViewer() override;

    void Conteudo() override;
    void Pesquisar(const QString& palavra) override;
    void Topico(int contexto) override;

    QString Caminho() const { return caminho_; }
    // The window, created on first use.
    TFAjuda& Janela();

private:
    void Carregar();

    QString caminho_;
    std::unique_ptr<TFAjuda> janela_;
};

} // namespace sulvo
