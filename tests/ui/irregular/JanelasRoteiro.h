#pragma once

// Modal windows for the page's tests: each window the code under test shows modally is handed to the next
// step of a script, which fills it in and presses its buttons. A window that appears when no step is left,
// or that a step leaves open, is a test failure; so is a step that never ran. The script answers the modal
// windows of the dialog service it is attached to, for as long as it lives.

#include "tests/support/ScriptedDialogService.h"

#include <QDialog>
#include <QString>
#include <QTest>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace sulvo::testing {

class JanelasRoteiro {
public:
    using Passo = std::function<void(QDialog&)>;

    explicit JanelasRoteiro(ScriptedDialogService& dialogos) : dialogos_(dialogos) {
        dialogos_.DefinirModais([this](QDialog& dialogo) { return ExibirModal(dialogo); });
    }
    ~JanelasRoteiro() {
        dialogos_.DefinirModais({});
        if (!roteiro_.empty())
            QTest::qFail("a scripted modal window never appeared", __FILE__, __LINE__);
    }

    JanelasRoteiro(const JanelasRoteiro&) = delete;
    JanelasRoteiro& operator=(const JanelasRoteiro&) = delete;

    JanelasRoteiro& Depois(Passo passo) {
        roteiro_.push_back(std::move(passo));
        return *this;
    }

    int ExibirModal(QDialog& dialogo) {
        titulos_.push_back(dialogo.windowTitle());
        if (roteiro_.empty()) {
            QTest::qFail(("unexpected modal window: " + dialogo.windowTitle().toStdString()).c_str(), __FILE__,
                         __LINE__);
            return QDialog::Rejected;
        }
        Passo passo = std::move(roteiro_.front());
        roteiro_.pop_front();
        dialogo.setResult(QDialog::Rejected);
        dialogo.show();
        passo(dialogo);
        if (dialogo.isVisible()) {
            QTest::qFail(("modal window left open: " + dialogo.windowTitle().toStdString()).c_str(), __FILE__,
                         __LINE__);
            dialogo.hide();
        }
        return dialogo.result();
    }

    bool Cumprido() const { return roteiro_.empty(); }
    const std::vector<QString>& Titulos() const { return titulos_; }

private:
    ScriptedDialogService& dialogos_;
    std::deque<Passo> roteiro_;
    std::vector<QString> titulos_;
};

} // namespace sulvo::testing
