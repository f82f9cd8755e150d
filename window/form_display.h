#pragma once

#include "evaluation/evaluation.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace zorvel {

// The results of a press written into the window's controls, each as soon as the
// calculation has it.
class FormDisplay final : public Display {
public:
    // The controls of a built form.
    explicit FormDisplay(QWidget& form);

    // The class the window shows: 0 until a press first selects one.
    int categoria() const { return categoria_; }

    void rewriteBox(Box box, std::string_view text) override;
    void showIndice(std::string_view text) override;
    std::string showBandFirstStep(BandEnd end, std::string_view text) override;
    void showBand(BandEnd end, std::string_view text) override;
    void showClass(int categoria, std::string_view leftBoundText, std::string_view rightBoundText,
                   ClassColours colours) override;
    std::string scaleEndText(ScaleEnd end) const override;
    void moveMarker(float xTwips) override;
    void showClassName(std::string_view name) override;
    bool showClassPicture(int categoria) override;

private:
    QLabel& band(BandEnd end) const { return end == BandEnd::lowest ? *minP_ : *maxP_; }

    QWidget& form_;
    QLineEdit* peso_;
    QLineEdit* altezza_;
    QLabel* label3_;
    QLabel* minP_;
    QLabel* maxP_;
    QLabel* dp_;
    QLabel* sp_;
    QLabel* poi_;
    QLabel* adesso_;
    QLabel* segue_;
    QWidget* line1_;
    QLabel* tipoT_;
    QLabel* image1_;
    int categoria_ = 0;
};

} // namespace zorvel
