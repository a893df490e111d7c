#pragma once

#include "ui/principal/JanelasModais.h"

#include <QDialog>
#include <QTest>

#include <deque>
#include <functional>

namespace sulvo::testing {

// Shows each modal dialog as an ordinary window, lets the next scripted step fill it in and press its
// buttons, and returns the dialog's result; a dialog the script does not expect fails the test.
class ModaisRoteirizados final : public IJanelasModais {
public:
    using Passo = std::function<void(QDialog&)>;

    ~ModaisRoteirizados() override {
        if (!passos_.empty())
            QTest::qFail("scripted modal dialog never shown", __FILE__, __LINE__);
    }

    ModaisRoteirizados& Esperar(Passo passo) {
        passos_.push_back(std::move(passo));
        return *this;
    }
    int Exibidos() const { return exibidos_; }

    int ExibirModal(QDialog& dialogo) override {
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
    std::deque<Passo> passos_;
    int exibidos_ = 0;
};

} // namespace sulvo::testing
