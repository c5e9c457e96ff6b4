#include "shell/app/PageArea.h"

#include <QPainter>
#include <QVBoxLayout>

#include "controls/ValueField.h"
#include "pages/FullInterfacePage.h"
#include "shell/app/AppContext.h"
#include "shell/app/FocusRing.h"
#include "shell/app/ShellStyle.h"
#include "shell/app/ShellTexts.h"

namespace corva::shell {

PageArea::PageArea(AppContext& context, QWidget* parent)
    : QFrame(parent), ring_{new FocusRing(this)} {
    setObjectName(QStringLiteral("pageArea"));
    const ConfirmQuestion confirm = [&context](const UiText& question) {
        return context.messages().AskYesNo(context.language().Pick(question),
                                           context.language().Pick(text::kWindowTitle));
    };
    page_ = new pages::FullInterfacePage(context.session(), confirm, this);
    page_->SetLanguage(context.language().current());
    connect(&context.language(), &Language::Changed, page_, &pages::FullInterfacePage::SetLanguage);
    connect(&context.poster(), &NoticePoster::SessionChanged, page_,
            &pages::FullInterfacePage::OnSessionChanged);

    // Tab and the arrows walk the value fields (crossover, delays, volume, strips, then the EQ
    // band by band; hidden ones are skipped); the chooser and the graph come before them in
    // Qt's own Tab order, so Shift+Tab from the first field still reaches them.
    for (controls::ValueField* field : page_->ValueFieldsInRingOrder()) {
        ring_->Add(field);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page_);
}

QString PageArea::title() const {
    return page_->accessibleName();
}

void PageArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), colour::kBackground);
}

}  // namespace corva::shell
