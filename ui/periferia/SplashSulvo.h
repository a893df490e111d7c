#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class QLabel;

namespace sulvo {

// "Sobre o Sulvo": a borderless window centred on the screen, covered by the about picture "Sobre.jpg";
// a click anywhere on it closes it. Created for each showing and destroyed afterwards.
class TFSplashSulvo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kLargura = 560;
    static constexpr int kAltura = 340;
    static constexpr int kLarguraFigura = 559;
    static constexpr const char* kNomeFigura = "Sobre.jpg";

    // `pasta`: the installation folder, which holds the picture.
    explicit TFSplashSulvo(const QString& pasta, QWidget* parent = nullptr);

    QLabel* Image1;

    // True when the picture was read; otherwise Image1 shows the program's name on a plain background.
    bool FiguraCarregada() const { return figuraCarregada_; }

    void Image1Click();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void showEvent(QShowEvent* evento) override;

private:
    QPixmap figura_;
    bool figuraCarregada_ = false;
};

} // namespace sulvo
