#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace sulvo {

class TIDProjeto;

// "Identificação do Projeto": edits the six texts of the project identification. The texts are
// loaded from the identification every time the dialog is shown and stored only by "&Ok"; every
// keystroke in a box marks the project as changed, whatever the dialog's result.
class TFIdentProjeto : public QDialog {
    Q_OBJECT
public:
    TFIdentProjeto(TIDProjeto& IDProjeto, std::function<void()> marcarAlterado, QWidget* parent = nullptr);

    static constexpr int kContextoAjuda = 208;

    QLineEdit* Edit1; // Nome
    QLineEdit* Edit2; // Empresa
    QLineEdit* Edit3; // Local
    QLineEdit* Edit4; // Estado
    QLineEdit* Edit5; // Tecnico
    QLineEdit* Edit6; // Data
    QPushButton* Fechar;
    QPushButton* Button1;
    QPushButton* Ajuda;

signals:
    // "Aj&uda" asks for the topic of the dialog's help context.
    void PedirAjuda(int contexto);

protected:
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void FormShow();
    void FecharClick();
    void AjudaClick();

    TIDProjeto& IDProjeto_;
    std::function<void()> marcarAlterado_;
};

} // namespace sulvo
