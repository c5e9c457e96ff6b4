#include "shell/app/Language.h"

#include "catalogue/Catalogue.h"

namespace corva::shell {

QString ToQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void Language::Set(UiLanguage language) {
    if (current_ == language) {
        return;
    }
    current_ = language;
    emit Changed(language);
}

void Language::Toggle() {
    Set(Catalogue::Program().Next(current_));
}

void Language::Bind(QObject* owner, const UiText& text, std::function<void(const QString&)> apply) {
    apply(Pick(text));
    // The owner is the connection's context: Qt drops the connection when it is destroyed.
    connect(this, &Language::Changed, owner,
            [this, text, apply = std::move(apply)] { apply(Pick(text)); });
}

void Language::OnChange(QObject* owner, std::function<void()> refresh) {
    connect(this, &Language::Changed, owner, [refresh = std::move(refresh)] { refresh(); });
}

}  // namespace corva::shell
