// "Measure...": measuring the car from the driver's seat. The sound devices, the microphone's
// calibration, the sweep and the positions; a quiet level test and the input meter; a run over
// the six outputs that shows which one plays and can be cancelled (the processor's mutes come
// back as they were); each curve on the response graph as it arrives; a table of arrival
// times, distances and proposed delays with the impulse responses; alignment, EQ and the
// one-step calibration applied as one undo step each and checked by measuring again. The
// measurements are kept beside the tuning files. Non-modal: the page stays usable.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QDialog>

#include "pages/MeasuredCurves.h"
#include "shell/tools/MeasureRun.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace corva::pages {
class FullInterfacePage;
}

namespace corva::shell {

class AppContext;
class ComposedText;
class ConnectionDriver;
class ImpulseView;

class MeasureWindow : public QDialog {
    Q_OBJECT

public:
    MeasureWindow(AppContext& context, pages::FullInterfacePage& page, ConnectionDriver& connection,
                  QWidget* parent);

    QComboBox* inputList() const { return input_; }
    QComboBox* outputList() const { return output_; }
    QLineEdit* micFileField() const { return micFile_; }
    QDoubleSpinBox* sweepField() const { return sweep_; }
    QSpinBox* positionsField() const { return positions_; }
    QProgressBar* inputMeter() const { return meter_; }
    QLabel* levelLabel() const { return levelText_; }
    QPushButton* levelTestButton() const { return levelTest_; }
    QPushButton* measureButton() const { return measure_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* nextPositionButton() const { return next_; }
    QLabel* statusLabel() const { return status_; }
    QProgressBar* runProgress() const { return progress_; }
    QTableWidget* resultsTable() const { return table_; }
    ImpulseView* impulseView() const { return impulses_; }
    QPushButton* applyAlignmentButton() const { return applyAlignment_; }
    QPushButton* applyEqButton() const { return applyEq_; }
    QPushButton* calibrateAllButton() const { return calibrateAll_; }
    QPushButton* showSavedButton() const { return showSaved_; }
    MeasureRun& run() { return *run_; }
    // The folder the measurements of the current tuning are kept in.
    QString measurementFolder() const;

signals:
    // A run, a level test or a check ended (done, failed or cancelled).
    void RunEnded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Phase { Measuring, Checking };
    QWidget* BuildSetup();
    QWidget* BuildResults();
    void ApplyLanguage();
    void FillDevices();
    std::optional<CalibrationRequest> ReadRequest();
    bool MayRun();
    // Clears what a new run replaces and shows it running; nothing when it may not run.
    // `rounds`: how many times the run measures every output at every position.
    std::optional<CalibrationRequest> BeginRun(Phase phase, int rounds);
    void StartLevelTest(bool thenMeasure);
    void StartMeasure(Phase phase);
    void StartCalibrateAll();
    void ApplyPart(CalibrationParts parts);
    // The live input meter: the peak that came in last.
    void ShowMeter(double peakDbfs);
    void ShowLevel(const audio::InputLevelReport& level, int channel);
    void OnSweepStarting(int channel, int position);
    void OnSwept(const SweepReport& report);
    void OnMeasured(Phase phase, const MeasuredCar& car);
    void OnCalibrated(const CalibrationOutcome& outcome);
    void ShowRunEnd(MeasureEnd end, const Status& status, bool mutesRestored);
    void FillTable();
    void ShowCurves();
    void SaveMeasurements(const std::vector<ChannelMeasurement>& channels);
    void ShowSaved();
    void SetRunning(bool running);
    QString ChannelName(int channel) const;

    AppContext& context_;
    pages::FullInterfacePage& page_;
    MeasureRun* run_;
    QComboBox* input_;
    QComboBox* output_;
    QLineEdit* micFile_;
    QDoubleSpinBox* sweep_;
    QSpinBox* positions_;
    QComboBox* target_;
    QProgressBar* meter_;
    QLabel* levelText_;
    QPushButton* levelTest_;
    QPushButton* measure_;
    QPushButton* cancel_;
    QPushButton* next_;
    QLabel* status_;
    // What stays on screen after a run, in the language of the moment.
    ComposedText* statusText_;
    ComposedText* meterText_;
    ComposedText* levelReading_;
    QProgressBar* progress_;
    QTableWidget* table_;
    ImpulseView* impulses_;
    QPushButton* applyAlignment_;
    QPushButton* applyEq_;
    QPushButton* calibrateAll_;
    QPushButton* showSaved_;
    QPushButton* close_;

    bool levelTested_ = false;
    Phase phase_ = Phase::Measuring;
    int runPositions_ = 1;
    // What the current run heard so far, per channel and position.
    std::array<std::vector<Response>, kOutputChannelCount> heard_{};
    std::optional<MeasuredCar> car_;  // the last complete measurement and its plan
    std::optional<CalibrationRequest> request_;
    std::array<std::optional<double>, kOutputChannelCount> errorAfterDb_{};
    std::vector<pages::MeasuredCurve> measuredCurves_;
    std::vector<pages::MeasuredCurve> checkCurves_;
};

}  // namespace corva::shell
