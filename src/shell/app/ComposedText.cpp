#include "shell/app/ComposedText.h"

#include "shell/app/Language.h"

namespace corva::shell {

ComposedText::ComposedText(Language& language, std::function<void(const QString&)> apply,
                           QObject* owner)
    : QObject(owner), language_(language), apply_(std::move(apply)) {
    connect(&language_, &Language::Changed, this, [this] { Apply(); });
}

void ComposedText::Show(Compose compose) {
    compose_ = std::move(compose);
    Apply();
}

void ComposedText::Show(const UiText& text) {
    Show([text](const Language& language) { return language.Pick(text); });
}

void ComposedText::AddLine(const UiText& line) {
    Show([above = std::move(compose_), line](const Language& language) {
        const QString below = language.Pick(line);
        return above ? above(language) + QLatin1Char('\n') + below : below;
    });
}

void ComposedText::Clear() {
    compose_ = nullptr;
    Apply();
}

void ComposedText::Apply() {
    apply_(compose_ ? compose_(language_) : QString());
}

}  // namespace corva::shell
