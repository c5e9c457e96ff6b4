#include "shell/PageArea.h"

#include <QPainter>
#include <QVBoxLayout>

#include "pages/FullInterfacePage.h"
#include "shell/AppContext.h"
#include "shell/ShellStyle.h"
#include "shell/ShellTexts.h"

namespace corva::shell {

PageArea::PageArea(AppContext& context, QWidget* parent) : QFrame(parent) {
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
