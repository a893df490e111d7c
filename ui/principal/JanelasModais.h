#pragma once

class QDialog;

namespace sulvo {

// How the windows show their own modal dialogs (the identification, and later the roughness, point and
// interval dialogs): through this seam, so that tests can fill in and close a real dialog without a
// nested event loop. The result is QDialog::Accepted or QDialog::Rejected.
class IJanelasModais {
public:
    virtual ~IJanelasModais() = default;
    virtual int ExibirModal(QDialog& dialogo) = 0;
};

} // namespace sulvo
