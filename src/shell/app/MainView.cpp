#include "shell/app/HistoryControls.h"
#include "shell/app/MainView.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "controls/ConnectButton.h"
#include "controls/FlatButton.h"
#include "controls/GlyphButton.h"
#include "shell/app/AppContext.h"
#include "shell/app/ConnectionDriver.h"
#include "shell/app/KeyboardRules.h"
#include "shell/app/PageArea.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/TopBar.h"
#include "shell/dialogs/ConnectionChooser.h"
#include "shell/dialogs/ProgramDialog.h"
#include "shell/dialogs/ProgressWindow.h"
#include "shell/panels/FileMenuEntries.h"
#include "shell/panels/FilePanels.h"
#include "shell/panels/PanelHost.h"
#include "shell/panels/SettingsPanel.h"
#include "shell/panels/TuningFileActions.h"

namespace corva::shell {
MainView::MainView(AppContext& context, QWidget* parent)
    : QWidget(parent),
      context_{context},
      connection_{new ConnectionDriver(context, this)},
      topBar_{new TopBar(context.language(), this)},
      pageArea_{new PageArea(context, this)},
      panels_{new PanelHost([this](PanelSlot slot) { return MakePanel(slot); }, this)},
      progress_{new ProgressWindow(
          context.language(), [&context] { return context.controller().bulk().bulkBusy.load(); },
          parent)},
      chooser_{
          new ConnectionChooser(context, *connection_, *topBar_->connectionChooserButton(), *this)},
      fileActions_{new TuningFileActions(context, *connection_, this)},
      history_{new HistoryControls(context, *connection_, *fileActions_, this, topBar_)} {
    setObjectName(QStringLiteral("mainView"));
    topBar_->PlaceHistoryControls(history_);
    // The page area takes whatever room the window has beyond the top bar.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topBar_);
    layout->addWidget(pageArea_, 1);
    setFocusPolicy(Qt::StrongFocus);

    connect(topBar_->connectButton(), &QAbstractButton::clicked, this, &MainView::OnConnectClicked);
    connect(topBar_->settingsButton(), &QAbstractButton::clicked, this,
            [this] { ShowPanel(PanelSlot::Settings); });
    connect(topBar_->saveButton(), &QAbstractButton::clicked, this,
            [this] { ShowPanel(PanelSlot::Save); });
    connect(topBar_->openButton(), &QAbstractButton::clicked, this,
            [this] { ShowPanel(PanelSlot::Open); });
    connect(topBar_->minimiseButton(), &QAbstractButton::clicked, this,
            &MainView::MinimiseRequested);
    connect(topBar_->closeButton(), &QAbstractButton::clicked, this, [this] {
        if (PrepareToClose()) {
            emit CloseRequested();
        }
    });

    connect(connection_, &ConnectionDriver::OnlineChanged, this, &MainView::FollowConnection);
    connect(connection_, &ConnectionDriver::SynchronisedChanged, this, &MainView::FollowConnection);
    connect(connection_, &ConnectionDriver::UpdatingChanged, this, &MainView::FollowConnection);
    connect(connection_, &ConnectionDriver::BulkTransferStarted, progress_, &ProgressWindow::Start);
    connect(connection_, &ConnectionDriver::ProgressMoved, progress_, &ProgressWindow::SetPosition);
    connect(connection_, &ConnectionDriver::FirmwareUpdateEnded, this, [this](bool succeeded) {
        if (!succeeded) {
            panels_->Close(PanelSlot::Settings);
        }
    });
    // While a bulk transfer's window shows, the view takes no input.
    connect(progress_, &ProgressWindow::Started, this, [this] { setEnabled(false); });
    connect(progress_, &ProgressWindow::Finished, this, [this] { setEnabled(true); });

    AttachFileMenuEntries(*topBar_, context_.language(), *fileActions_, this,
                          [this] { OpenProgramDialog(); });

    qApp->installEventFilter(new KeyboardRules(*this));
    FollowConnection();
}

MainView::~MainView() {
    if (!closing_) {
        panels_->CloseAll();
    }
}

void MainView::UseFullLayout() {
    panels_->CloseAll();
    update();
}

void MainView::StartupConnect() {
    if (startupDone_) {
        return;
    }
    connection_->StartupConnect();
    startupConnected_ = connection_->online();
    connection_->StartHotPlugPolling();
    startupDone_ = true;
}

bool MainView::busy() const {
    return context_.busy || context_.controller().updating();
}

bool MainView::PrepareToClose() {
    if (busy()) {
        return false;
    }
    closing_ = true;
    panels_->CloseAll();
    progress_->Reset();
    connection_->Disconnect();
    return true;
}

void MainView::ShowPanel(PanelSlot slot) {
    const QWidget* anchor = slot == PanelSlot::Settings ? topBar_->settingsButton()
                            : slot == PanelSlot::Save   ? topBar_->saveButton()
                                                        : topBar_->openButton();
    panels_->Open(slot, anchor);
}

FloatingPanel* MainView::MakePanel(PanelSlot slot) {
    QWidget* owner = window();
    switch (slot) {
        case PanelSlot::Settings:
            return new SettingsPanel(context_, *connection_, owner);
        case PanelSlot::Save:
            return new SavePanel(context_, *connection_, *fileActions_, owner);
        case PanelSlot::Open:
            break;
    }
    return new OpenPanel(context_, *connection_, *fileActions_, owner);
}

ProgramDialog* MainView::OpenProgramDialog() {
    auto* dialog = new ProgramDialog(context_, *connection_, *fileActions_, window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    return dialog;
}

void MainView::OnConnectClicked() {
    if (auto choice = connection_->Toggle()) {
        ShowDeviceChooser(choice->labels, choice->paths);
    }
}

void MainView::ShowDeviceChooser(const QStringList& labels, const std::vector<std::string>& paths) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("deviceChooser"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < labels.size(); ++i) {
        const std::string path = paths[static_cast<std::size_t>(i)];
        connect(menu->addAction(labels[i]), &QAction::triggered, this,
                [this, path] { connection_->ConnectTo(path); });
    }
    const QWidget* button = topBar_->connectButton();
    menu->popup(button->mapToGlobal(QPoint(0, button->height() + 2)));
}

void MainView::FollowConnection() {
    if (!connection_->online()) {
        // Every disconnect: the transfer display is reset and hidden.
        progress_->Reset();
        topBar_->SetConnectionLook(ConnectionLook::Disconnected);
        return;
    }
    if (context_.controller().updating()) {
        topBar_->SetConnectionLook(ConnectionLook::Updating);
        return;
    }
    topBar_->SetConnectionLook(connection_->synchronised() ? ConnectionLook::Synchronised
                                                           : ConnectionLook::Reading);
}

void MainView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour::kBackground);
}

void MainView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
    }
    QWidget::mousePressEvent(event);
}

}  // namespace corva::shell
