#pragma once

#include <QLabel>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Shows the warnings of a calculation on `rotulo`, one per line, and hides it when there are none. Both work
// pages show their warnings this way, under the results.
inline void MostrarAvisos(QLabel& rotulo, const std::vector<std::string>& avisos) {
    QStringList linhas;
    for (const std::string& aviso : avisos)
        linhas << QString::fromStdString(aviso);
    rotulo.setText(linhas.join(QLatin1Char('\n')));
    rotulo.setVisible(!linhas.isEmpty());
}
