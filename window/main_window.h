#pragma once

#include "evaluation/failure.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;

namespace zorvel {

// Form1: the one window. It reads the two boxes, runs the evaluation one step at a
// time and writes each result into its control as soon as it has it.
class MainWindow : public QWidget {
    Q_OBJECT
    // 0 until a calculation first selects a class, then 1..9.
    Q_PROPERTY(int categoria READ categoria)
    // The id of the picture Image1 shows, 0 while it shows none.
    Q_PROPERTY(int pictureId READ pictureId)
    // Where the marker stands, in twips; it may lie far off the bar.
    Q_PROPERTY(float markerX READ markerX)

public:
    explicit MainWindow(QWidget* parent = nullptr);

    int categoria() const;
    int pictureId() const;
    float markerX() const;

public slots:
    // The "Calcola" command. Returns whether every step succeeded; a failure is
    // shown to the user in a modal message and leaves the earlier writes in place.
    bool calcola();

signals:
    // Emitted with the message the user is shown.
    void calculationFailed(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool runSteps();
    void writeNormalBound(QLabel& label, double factor, double altezzaM);
    void showClass(int number);
    void moveMarker(float xTwips);
    bool showClassPicture();
    void updateToolTip(QWidget& box);
    void reportFailure(Failure failure);
    void reportMissingPicture();
    void showFailureMessage(const QString& message, QLineEdit* boxToCorrect);
    void returnToBoxToCorrect();
    void centreOnScreen(QMargins frame);
    void centreInAnnouncedFrame();

    QLineEdit* peso_;
    QLineEdit* altezza_;
    QPushButton* command1_;
    QLabel* label3_;
    QLabel* minP_;
    QLabel* maxP_;
    QLabel* dp_;
    QLabel* sp_;
    QLabel* poi_;
    QLabel* adesso_;
    QLabel* segue_;
    QLabel* tipoT_;
    QWidget* line1_;
    QLabel* image1_;
    // One box for every failure, shown again each time: a new box per failure
    // costs memory that Qt never gives back.
    QMessageBox* failureMessage_;
    QLineEdit* boxToCorrect_ = nullptr;

    std::optional<int> categoria_;
    std::optional<Failure> failure_;
    int pictureId_ = 0;
    float markerX_;
    bool centredInFrame_ = false;
};

} // namespace zorvel
