#include "shell/tools/MeasureWindow.h"

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "commands/MeasurementSet.h"
#include "dsp/values/DelayCodes.h"
#include "model/OutputChannel.h"
#include "pages/DelayPanel.h"
#include "pages/FullInterfacePage.h"
#include "pages/GraphPalette.h"
#include "pages/ResponseGraph.h"
#include "shell/app/AppContext.h"
#include "shell/app/ComposedText.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/NameAndTip.h"
#include "shell/tools/ImpulseView.h"
#include "shell/tools/MeasureTexts.h"
#include "shell/tools/MeasurementTexts.h"
#include "text/CodePage.h"
#include "tuning/FitError.h"
#include "tuning/Measurement.h"
#include "tuning/TargetCurves.h"

namespace corva::shell {
namespace {

enum Column { kChannel, kArrival, kDistance, kDelay, kBefore, kAfter, kColumnCount };
enum FitTarget { kFitToFlat, kFitToHouse };

// The distance sound travels in a millisecond, as the delay fields show it.
constexpr double kCentimetresPerMs = 34.6;
constexpr double kCentimetresPerInch = 2.54;
constexpr double kFitLowHz = 30.0;
constexpr double kFitHighHz = 16000.0;
constexpr int kMeterFloorDbfs = -80;

QPushButton* Button(Language& language, const UiText& label, const UiText& tip, QWidget* parent) {
    auto* button = new QPushButton(parent);
    language.BindText(button, label);
    BindNameAndTip(language, button, label, tip);
    return button;
}

QString Fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

QString UnitSuffix(DelayUnit unit) {
    switch (unit) {
        case DelayUnit::Centimetres:
            return QStringLiteral(" cm");
        case DelayUnit::Inches:
            return QStringLiteral(" in");
        default:
            return QStringLiteral(" ms");
    }
}

}  // namespace

MeasureWindow::MeasureWindow(AppContext& context, pages::FullInterfacePage& page,
                             ConnectionDriver& connection, QWidget* parent)
    : QDialog(parent),
      context_{context},
      page_{page},
      run_{new MeasureRun(context.session(), this)},
      input_{new QComboBox(this)},
      output_{new QComboBox(this)},
      micFile_{new QLineEdit(this)},
      sweep_{new QDoubleSpinBox(this)},
      positions_{new QSpinBox(this)},
      target_{new QComboBox(this)},
      meter_{new QProgressBar(this)},
      levelText_{new QLabel(this)},
      levelTest_{nullptr},
      measure_{nullptr},
      cancel_{nullptr},
      next_{nullptr},
      status_{new QLabel(this)},
      statusText_{new ComposedText(
          context.language(), [this](const QString& text) { status_->setText(text); }, this)},
      meterText_{new ComposedText(
          context.language(), [this](const QString& text) { meter_->setFormat(text); }, this)},
      levelReading_{new ComposedText(
          context.language(), [this](const QString& text) { levelText_->setText(text); }, this)},
      progress_{new QProgressBar(this)},
      table_{new QTableWidget(kOutputChannelCount, kColumnCount, this)},
      impulses_{new ImpulseView(this)},
      applyAlignment_{nullptr},
      applyEq_{nullptr},
      calibrateAll_{nullptr},
      showSaved_{nullptr},
      close_{nullptr} {
    Language& language = context_.language();
    language.Bind(this, text::kMeasureTitle, [this](const QString& title) {
        setWindowTitle(title);
        setAccessibleName(title);
    });
    levelTest_ = Button(language, text::kLevelTest, text::kLevelTestTip, this);
    measure_ = Button(language, text::kMeasure, text::kMeasureTip, this);
    cancel_ = Button(language, text::kCancelRun, text::kCancelRunTip, this);
    next_ = Button(language, text::kNextPosition, text::kNextPositionTip, this);
    applyAlignment_ = Button(language, text::kApplyAlignment, text::kApplyAlignmentTip, this);
    applyEq_ = Button(language, text::kApplyEq, text::kApplyEqTip, this);
    calibrateAll_ = Button(language, text::kCalibrateAll, text::kCalibrateAllTip, this);
    showSaved_ = Button(language, text::kShowSaved, text::kShowSavedTip, this);
    close_ = Button(language, text::kCloseMeasure, text::kCloseMeasureTip, this);

    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildSetup());
    columns->addWidget(BuildResults(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(applyAlignment_);
    buttons->addWidget(applyEq_);
    buttons->addWidget(calibrateAll_);
    buttons->addStretch();
    buttons->addWidget(showSaved_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    // Room for the table's columns in both languages; still fits a 1280 x 720 screen.
    setMinimumSize(1000, 420);

    run_->onSweepStarting = [this](int channel, int position) {
        OnSweepStarting(channel, position);
    };
    run_->onSwept = [this](const SweepReport& report) { OnSwept(report); };
    run_->onInputPeak = [this](double peakDbfs) { ShowMeter(peakDbfs); };
    run_->onMoveMicrophone = [this](int position) {
        statusText_->Show([position](const Language& language) {
            return language.Pick(text::kMoveMicrophone).arg(position + 1);
        });
        next_->setEnabled(true);
        next_->setFocus();
    };
    connect(levelTest_, &QPushButton::clicked, this, [this] { StartLevelTest(false); });
    connect(measure_, &QPushButton::clicked, this, [this] {
        if (levelTested_) {
            StartMeasure(Phase::Measuring);
        } else {
            StartLevelTest(true);  // a quiet tone before the first sweep
        }
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false);
        next_->setEnabled(false);
        run_->Cancel();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        next_->setEnabled(false);
        run_->Continue();
    });
    connect(applyAlignment_, &QPushButton::clicked, this,
            [this] { ApplyPart(CalibrationParts::Alignment); });
    connect(applyEq_, &QPushButton::clicked, this,
            [this] { ApplyPart(CalibrationParts::Equalizer); });
    connect(calibrateAll_, &QPushButton::clicked, this, [this] { StartCalibrateAll(); });
    connect(showSaved_, &QPushButton::clicked, this, [this] { ShowSaved(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    connect(&connection, &ConnectionDriver::OnlineChanged, this, [this](bool online) {
        if (!online) {
            run_->LinkLost();
            run_->Cancel();
        }
    });
    language.OnChange(this, [this] { ApplyLanguage(); });
    ApplyLanguage();
    FillDevices();
    SetRunning(false);
}

QWidget* MeasureWindow::BuildSetup() {
    Language& language = context_.language();
    auto* box = new QWidget(this);
    auto* form = new QFormLayout;
    form->setContentsMargins(0, 0, 0, 0);
    const auto row = [&](const UiText& label, const UiText& tip, QWidget* field) {
        auto* name = new QLabel(box);
        language.BindText(name, label);
        name->setBuddy(field);
        BindNameAndTip(language, field, label, tip);
        form->addRow(name, field);
    };
    auto* micRow = new QWidget(box);
    auto* micLayout = new QHBoxLayout(micRow);
    micLayout->setContentsMargins(0, 0, 0, 0);
    auto* browse = Button(language, text::kBrowseFile, text::kBrowseMicTip, micRow);
    micLayout->addWidget(micFile_, 1);
    micLayout->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = context_.fileChooser().ChooseOpenPath(
            this, context_.language().Pick(text::kMicCalibration), micFile_->text(),
            QStringLiteral("Calibration (*.txt *.cal *.frd);;All files (*)"));
        if (!chosen.isEmpty()) {
            micFile_->setText(chosen);
        }
    });
    sweep_->setRange(0.1, 30.0);
    sweep_->setDecimals(1);
    sweep_->setSingleStep(0.5);
    sweep_->setValue(1.0);
    positions_->setRange(1, 16);
    positions_->setValue(1);
    for (QComboBox* list : {input_, output_}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(18);
    }
    row(text::kInputDevice, text::kInputDeviceTip, input_);
    row(text::kOutputDevice, text::kOutputDeviceTip, output_);
    row(text::kMicCalibration, text::kMicCalibrationTip, micRow);
    BindNameAndTip(language, micFile_, text::kMicCalibration, text::kMicCalibrationTip);
    row(text::kSweepLength, text::kSweepLengthTip, sweep_);
    row(text::kPositions, text::kPositionsTip, positions_);
    row(text::kCalibrationTarget, text::kCalibrationTargetTip, target_);

    meter_->setRange(kMeterFloorDbfs, 0);
    meter_->setValue(kMeterFloorDbfs);
    meter_->setTextVisible(true);
    meter_->setFormat(QString());
    BindNameAndTip(language, meter_, text::kInputMeter, text::kInputMeterTip);
    levelText_->setWordWrap(true);
    auto* meterRow = new QHBoxLayout;
    meterRow->addWidget(meter_, 1);
    meterRow->addWidget(levelTest_);
    auto* meterName = new QLabel(box);
    language.BindText(meterName, text::kInputMeter);
    meterName->setBuddy(meter_);
    form->addRow(meterName, meterRow);
    form->addRow(QString(), levelText_);

    auto* runRow = new QHBoxLayout;
    runRow->addWidget(measure_);
    runRow->addWidget(cancel_);
    runRow->addWidget(next_);
    runRow->addStretch();
    BindNameAndTip(language, progress_, text::kRunProgress, text::kRunProgressTip);
    status_->setWordWrap(true);
    status_->setMinimumHeight(42);  // two lines, Chinese glyphs included
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BindName(language, status_, Tr("Window", "Status", "accessible name"));

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addLayout(runRow);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addStretch();
    box->setFixedWidth(400);
    return box;
}

QWidget* MeasureWindow::BuildResults() {
    Language& language = context_.language();
    auto* box = new QWidget(this);
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->verticalHeader()->setDefaultSectionSize(22);
    table_->setMinimumHeight(22 * kOutputChannelCount + 44);  // rows under two-line headings
    BindNameAndTip(language, table_, text::kResultsTable, text::kResultsTableTip);
    BindNameAndTip(language, impulses_, text::kImpulseView, text::kImpulseViewTip);
    for (int c = 0; c < kOutputChannelCount; ++c) {
        for (int column = 0; column < kColumnCount; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(column == kChannel ? Qt::AlignLeft | Qt::AlignVCenter
                                                      : Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(c, column, item);
        }
    }
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_);
    layout->addWidget(impulses_, 1);
    return box;
}

void MeasureWindow::ApplyLanguage() {
    Language& language = context_.language();
    const bool inches = page_.delayPanel().unit() == DelayUnit::Inches;
    // A heading's unit goes under its words, so that all six columns fit the table's width.
    const auto heading = [&language](const UiText& text) {
        return language.Pick(text).replace(QStringLiteral(" ("), QStringLiteral("\n("));
    };
    table_->setHorizontalHeaderLabels(
        {heading(text::kColumnChannel), heading(text::kColumnArrival),
         heading(inches ? text::kColumnDistanceIn : text::kColumnDistanceCm),
         heading(text::kColumnDelay), heading(text::kColumnBefore), heading(text::kColumnAfter)});
    const int target = target_->currentIndex();
    target_->clear();
    target_->addItems({language.Pick(text::kTargetFlat), language.Pick(text::kTargetHouse)});
    target_->setCurrentIndex(std::max(target, 0));
    for (QComboBox* list : {input_, output_}) {
        list->setItemText(0, language.Pick(text::kDefaultDevice));
    }
    FillTable();
}

void MeasureWindow::FillDevices() {
    const auto audio = context_.host().MakeAudio();
    const QString defaultName = context_.language().Pick(text::kDefaultDevice);
    input_->clear();
    output_->clear();
    input_->addItem(defaultName, QString());
    output_->addItem(defaultName, QString());
    for (const audio::AudioDeviceInfo& device : audio->Devices()) {
        const QString name = QString::fromStdString(device.name);
        if (device.inputChannels > 0) {
            input_->addItem(name, name);
            if (device.defaultInput) {
                input_->setCurrentIndex(input_->count() - 1);
            }
        }
        if (device.outputChannels > 0) {
            output_->addItem(name, name);
            if (device.defaultOutput) {
                output_->setCurrentIndex(output_->count() - 1);
            }
        }
    }
}

std::optional<CalibrationRequest> MeasureWindow::ReadRequest() {
    CalibrationRequest request;
    MeasureRequest& measure = request.measure;
    measure.inputName = input_->currentData().toString().toStdString();
    measure.outputName = output_->currentData().toString().toStdString();
    measure.sweep.durationS = sweep_->value();
    measure.positions = positions_->value();
    if (const QString path = micFile_->text().trimmed(); !path.isEmpty()) {
        measure::MicCalibration microphone =
            measure::ReadMicCalibration(QFile::encodeName(path).toStdString());
        if (!microphone.status.ok()) {
            statusText_->Show(microphone.status.message());
            context_.messages().ShowPlain(status_->text(), windowTitle());
            return std::nullopt;
        }
        measure.microphone = std::move(microphone);
    }
    request.target =
        target_->currentIndex() == kFitToHouse ? tuning::HouseTarget() : tuning::FlatTarget();
    request.fit.lowHz = kFitLowHz;
    request.fit.highHz = kFitHighHz;
    return request;
}

bool MeasureWindow::MayRun() {
    const TuningSnapshot snapshot = context_.session().Snapshot();
    const UiText* refusal = nullptr;
    if (!snapshot.connected || !snapshot.synchronised) {
        refusal = &text::kMeasureNeedsConnection;
    } else if (snapshot.isProtected) {
        refusal = &text::kMeasureProtected;
    }
    if (refusal != nullptr) {
        statusText_->Show(*refusal);
        emit RunEnded();
        return false;
    }
    return !run_->running();
}

void MeasureWindow::StartLevelTest(bool thenMeasure) {
    if (!MayRun()) {
        return;
    }
    auto request = ReadRequest();
    if (!request) {
        emit RunEnded();
        return;
    }
    statusText_->Show(text::kTestingLevel);
    SetRunning(true);
    run_->StartLevelTest(context_.host().MakeAudio(), request->measure,
                         [this, thenMeasure](const LevelTestOutcome& outcome) {
                             SetRunning(false);
                             statusText_->Clear();
                             if (outcome.end != MeasureEnd::Done) {
                                 ShowRunEnd(outcome.end, outcome.status, outcome.muteStateRestored);
                                 return;
                             }
                             ShowLevel(outcome.expected, outcome.channel);
                             levelTested_ = outcome.expected.level == audio::InputLevel::Good;
                             if (levelTested_ && thenMeasure && outcome.muteStateRestored) {
                                 StartMeasure(Phase::Measuring);
                                 return;
                             }
                             ShowRunEnd(MeasureEnd::Done, Status::Ok(), outcome.muteStateRestored);
                         });
}

std::optional<CalibrationRequest> MeasureWindow::BeginRun(Phase phase, int rounds) {
    if (!MayRun()) {
        return std::nullopt;
    }
    auto request = phase == Phase::Checking && request_ ? request_ : ReadRequest();
    if (!request) {
        emit RunEnded();
        return std::nullopt;
    }
    request_ = request;
    phase_ = phase;
    runPositions_ = request->measure.positions;
    heard_.fill({});
    if (phase == Phase::Measuring) {
        car_.reset();
        errorAfterDb_.fill(std::nullopt);
        measuredCurves_.clear();
        impulses_->Clear();
        FillTable();
    }
    checkCurves_.clear();
    ShowCurves();
    progress_->setRange(0, rounds * kOutputChannelCount * runPositions_);
    progress_->setValue(0);
    SetRunning(true);
    return request;
}

void MeasureWindow::StartMeasure(Phase phase) {
    if (const auto request = BeginRun(phase, 1)) {
        run_->StartMeasure(context_.host().MakeAudio(), *request,
                           [this, phase](const MeasuredCar& car) { OnMeasured(phase, car); });
    }
}

void MeasureWindow::StartCalibrateAll() {
    // Measured, then measured again after the apply.
    if (const auto request = BeginRun(Phase::Measuring, 2)) {
        run_->StartCalibrate(context_.host().MakeAudio(), *request,
                             [this](const CalibrationOutcome& outcome) { OnCalibrated(outcome); });
    }
}

void MeasureWindow::ApplyPart(CalibrationParts parts) {
    if (!car_ || run_->running() || !MayRun()) {
        return;
    }
    ApplyCalibration(context_.session(), car_->plan, parts);
    page_.RefreshAll();
    statusText_->Show(text::kVerifying);
    StartMeasure(Phase::Checking);
}

void MeasureWindow::ShowMeter(double peakDbfs) {
    meter_->setValue(std::clamp(static_cast<int>(std::lround(peakDbfs)), kMeterFloorDbfs, 0));
    meterText_->Show([peak = Fixed(peakDbfs, 1)](const Language& language) {
        return language.Pick(text::kMeterText).arg(peak);
    });
}

void MeasureWindow::ShowLevel(const audio::InputLevelReport& level, int channel) {
    ShowMeter(level.peakDbfs);
    const bool good = level.level == audio::InputLevel::Good;
    if (good) {
        levelReading_->Show(text::kLevelGood);
    } else {
        levelReading_->Show(
            [name = ChannelName(channel), why = level.message](const Language& language) {
                return name + QStringLiteral(": ") + language.Pick(why);
            });
    }
    QPalette palette = levelText_->palette();
    palette.setColor(QPalette::WindowText, good ? QColor(40, 130, 60) : QColor(200, 40, 40));
    levelText_->setPalette(palette);
}

void MeasureWindow::OnSweepStarting(int channel, int position) {
    // The one-step calibration measures twice: the second round is its check.
    if (channel == 0 && position == 0 && progress_->value() > 0) {
        phase_ = Phase::Checking;
        heard_.fill({});
    }
    statusText_->Show([name = ChannelName(channel), position,
                       positions = runPositions_](const Language& language) {
        return language.Pick(text::kPlaying).arg(name).arg(position + 1).arg(positions);
    });
}

void MeasureWindow::OnSwept(const SweepReport& report) {
    progress_->setValue(progress_->value() + 1);
    ShowLevel(report.level, report.channel);
    if (!report.analysed) {
        return;
    }
    auto& heard = heard_[static_cast<std::size_t>(report.channel)];
    heard.push_back(report.analysed->levelsDb);
    const measure::AveragedResponse average = measure::PowerAverage(heard);
    pages::MeasuredCurve curve{report.channel, average.levelsDb, std::nullopt,
                               phase_ == Phase::Measuring ? pages::MeasuredKind::Measured
                                                          : pages::MeasuredKind::Verification};
    if (heard.size() > 1) {
        curve.spreadDb = average.spreadDb;
    }
    auto& curves = phase_ == Phase::Measuring ? measuredCurves_ : checkCurves_;
    std::erase_if(curves,
                  [&](const pages::MeasuredCurve& c) { return c.channel == report.channel; });
    curves.push_back(std::move(curve));
    ShowCurves();
    if (phase_ == Phase::Measuring && report.analysed->arrivalMs) {
        impulses_->SetChannel(report.channel, report.analysed->impulse,
                              *report.analysed->arrivalMs);
        table_->item(report.channel, kArrival)->setText(Fixed(*report.analysed->arrivalMs, 3));
    }
}

void MeasureWindow::OnMeasured(Phase phase, const MeasuredCar& car) {
    if (car.outcome.end == MeasureEnd::Done) {
        if (phase == Phase::Measuring) {
            car_ = car;
            SaveMeasurements(car.outcome.channels);
        } else if (request_) {
            const tuning::GridSpan span =
                tuning::GridSpanOf(request_->fit.lowHz, request_->fit.highHz);
            for (const ChannelMeasurement& m : car.outcome.channels) {
                errorAfterDb_[static_cast<std::size_t>(m.channel)] =
                    tuning::ErrorsOver(m.response.levelsDb, request_->target, span).rmsDb;
            }
            statusText_->Show(text::kVerified);
        }
        FillTable();
    }
    ShowRunEnd(car.outcome.end, car.outcome.status, car.outcome.muteStateRestored);
}

void MeasureWindow::OnCalibrated(const CalibrationOutcome& outcome) {
    if (outcome.end == CalibrationEnd::Applied) {
        MeasuredCar car;
        car.outcome.channels = outcome.measured;
        car.plan = outcome.channels;
        car_ = car;
        for (const ChannelCalibration& c : outcome.channels) {
            if (c.after) {
                errorAfterDb_[static_cast<std::size_t>(c.channel)] = c.after->rmsDb;
            }
        }
        SaveMeasurements(outcome.measured);
        page_.RefreshAll();
        FillTable();
        if (outcome.verified) {
            statusText_->Show(text::kVerified);
        }
    }
    const MeasureEnd end = outcome.end == CalibrationEnd::Cancelled ? MeasureEnd::Cancelled
                           : outcome.status.ok()                    ? MeasureEnd::Done
                                                                    : MeasureEnd::Failed;
    ShowRunEnd(end, outcome.status, outcome.muteStateRestored);
}

void MeasureWindow::ShowRunEnd(MeasureEnd end, const Status& status, bool mutesRestored) {
    SetRunning(false);
    if (end == MeasureEnd::Cancelled) {
        statusText_->Show(text::kRunCancelled);
    } else if (end == MeasureEnd::Failed) {
        statusText_->Show(status.message());
    }
    if (!mutesRestored) {
        statusText_->AddLine(text::kMutesNotRestored);
        context_.messages().ShowPlain(context_.language().Pick(text::kMutesNotRestored),
                                      windowTitle());
    }
    emit RunEnded();
}

void MeasureWindow::FillTable() {
    const DelayUnit unit = page_.delayPanel().unit();
    double earliestMs = 0.0;
    if (car_) {
        earliestMs = 1e9;
        for (const ChannelMeasurement& m : car_->outcome.channels) {
            earliestMs = std::min(earliestMs, m.meanArrivalMs);
        }
    }
    for (int c = 0; c < kOutputChannelCount; ++c) {
        table_->item(c, kChannel)->setText(ChannelName(c));
        table_->item(c, kChannel)
            ->setForeground(pages::kChannelColours[static_cast<std::size_t>(c)]);
        const auto after = errorAfterDb_[static_cast<std::size_t>(c)];
        table_->item(c, kAfter)->setText(after ? Fixed(*after, 2) : QString());
        if (!car_) {
            for (const int column : {kDistance, kDelay, kBefore}) {
                table_->item(c, column)->setText(QString());
            }
            continue;
        }
        const ChannelCalibration& plan = car_->plan[static_cast<std::size_t>(c)];
        for (const ChannelMeasurement& m : car_->outcome.channels) {
            if (m.channel != c) {
                continue;
            }
            const double fartherCm = (m.meanArrivalMs - earliestMs) * kCentimetresPerMs;
            table_->item(c, kArrival)->setText(Fixed(m.meanArrivalMs, 3));
            table_->item(c, kDistance)
                ->setText(Fixed(
                    unit == DelayUnit::Inches ? fartherCm / kCentimetresPerInch : fartherCm, 0));
            table_->item(c, kDelay)->setText(
                QString::fromStdString(DelayFieldText(plan.delayCode, unit)) + UnitSuffix(unit));
            table_->item(c, kBefore)->setText(Fixed(plan.before.rmsDb, 2));
        }
    }
}

void MeasureWindow::ShowCurves() {
    std::vector<pages::MeasuredCurve> curves = measuredCurves_;
    curves.insert(curves.end(), checkCurves_.begin(), checkCurves_.end());
    page_.graph().SetMeasuredCurves(std::move(curves));
}

QString MeasureWindow::measurementFolder() const {
    const std::string name = DecodeRecordText(context_.session().Snapshot().liveName);
    return QString::fromStdString(MeasurementFolderFor(
        QDir::fromNativeSeparators(context_.settings().DataFolder()).toStdString(), name));
}

void MeasureWindow::SaveMeasurements(const std::vector<ChannelMeasurement>& channels) {
    const QString folder = measurementFolder();
    const MeasurementSetWrite written =
        SaveMeasurementSet(QFile::encodeName(folder).toStdString(), channels, runPositions_);
    if (!written.status.ok()) {
        statusText_->Show(written.status.message());
        context_.messages().ShowPlain(status_->text(), windowTitle());
        return;
    }
    statusText_->Show([shown = QDir::toNativeSeparators(folder)](const Language& language) {
        return language.Pick(text::kRunDone).arg(shown);
    });
}

void MeasureWindow::ShowSaved() {
    const QString chosen = context_.fileChooser().ChooseOpenPath(
        this, context_.language().Pick(text::kShowSavedCaption), measurementFolder(),
        QStringLiteral("Measurements (*.txt *.frd);;All files (*)"));
    if (chosen.isEmpty()) {
        return;
    }
    const tuning::MeasurementRead read =
        tuning::ReadMeasurementFile(QFile::encodeName(chosen).toStdString());
    if (!read.status.ok()) {
        statusText_->Show(read.status.message());
        context_.messages().ShowPlain(status_->text(), windowTitle());
        return;
    }
    // A file named after a channel goes with it; any other with the channel on the page.
    int channel = page_.currentChannel();
    const QString base = QFileInfo(chosen).completeBaseName();
    for (int c = 0; c < kOutputChannelCount; ++c) {
        if (base.compare(QString::fromLatin1(DefaultsOfOutput(c).name), Qt::CaseInsensitive) == 0) {
            channel = c;
        }
    }
    page_.SetCurrentChannel(channel);
    page_.graph().SetMeasurementOverlay(
        channel,
        pages::MeasurementOverlay{tuning::ResampleToGrid(read.points), std::nullopt, std::nullopt});
}

void MeasureWindow::SetRunning(bool running) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             input_, output_, micFile_->parentWidget(), sweep_, positions_, target_, levelTest_,
             measure_, calibrateAll_, showSaved_}) {
        control->setEnabled(!running);
    }
    applyAlignment_->setEnabled(!running && car_.has_value());
    applyEq_->setEnabled(!running && car_.has_value());
    cancel_->setEnabled(running);
    next_->setEnabled(false);
}

QString MeasureWindow::ChannelName(int channel) const {
    const QAbstractButton* button = page_.channelButton(channel);
    return button != nullptr && !button->text().isEmpty()
               ? button->text()
               : QString::fromLatin1(DefaultsOfOutput(channel).name);
}

void MeasureWindow::closeEvent(QCloseEvent* event) {
    // The run ends on its own thread and puts the mutes back; the window only hides.
    if (run_->running()) {
        run_->Cancel();
    }
    QDialog::closeEvent(event);
}

}  // namespace corva::shell
