#pragma once

#include "tests/support/ScriptedDialogService.h"

#include <QDialog>
#include <QTest>

#include <deque>
#include <functional>

namespace sulvo::testing {

// Shows each modal dialog as an ordinary window, lets the next scripted step fill it in and press its
// buttons, and returns the dialog's result; a dialog the script does not expect fails the test. It answers
// the modal windows of the dialog service it is attached to, for as long as it lives.
class ModaisRoteirizados final {
public:
    using Passo = std::function<void(QDialog&)>;

    explicit ModaisRoteirizados(ScriptedDialogService& dialogos) : dialogos_(dialogos) {
        dialogos_.DefinirModais([this](QDialog& dialogo) { return ExibirModal(dialogo); });
    }
    ~ModaisRoteirizados() {
        dialogos_.DefinirModais({});
        if (!passos_.empty())
            QTest::qFail("scripted modal dialog never shown", __FILE__, __LINE__);
    }
    ModaisRoteirizados(const ModaisRoteirizados&) = delete;
    ModaisRoteirizados& operator=(const ModaisRoteirizados&) = delete;

    ModaisRoteirizados& Esperar(Passo passo) {
        passos_.push_back(std::move(passo));
        return *this;
    }
    int Exibidos() const { return exibidos_; }

    int ExibirModal(QDialog& dialogo) {
        ++exibidos_;
        dialogo.setResult(QDialog::Rejected);
        dialogo.show();
        if (passos_.empty()) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected modal dialog: ") + dialogo.windowTitle()), __FILE__,
                         __LINE__);
            dialogo.reject();
            return QDialog::Rejected;
        }
        Passo passo = std::move(passos_.front());
        passos_.pop_front();
        passo(dialogo);
        if (dialogo.isVisible()) // the step left it open: the close box
            dialogo.reject();
        return dialogo.result();
    }

private:
    ScriptedDialogService& dialogos_;
    std::deque<Passo> passos_;
    int exibidos_ = 0;
};

} // namespace sulvo::testing
