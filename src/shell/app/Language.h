// The language the interface speaks, and the bindings that put every text on screen into it:
// a bound text is applied at once and again after every switch, for as long as the widget
// that shows it lives. Texts shown once (message boxes) are picked with Pick() and keep the
// language they were shown in; status lines and results made of texts and values stay on
// screen and follow a switch through ComposedText.
#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "core/UiText.h"

namespace corva::shell {

QString ToQString(const std::string& utf8);

class Language : public QObject {
    Q_OBJECT

public:
    explicit Language(QObject* parent = nullptr) : QObject(parent) {}

    UiLanguage current() const { return current_; }
    void Set(UiLanguage language);
    void Toggle();  // the next language of the program's list, after the last the first

    QString Pick(const UiText& text) const { return ToQString(text.In(current_)); }

    // Calls `apply` with the text in the current language now and after every switch, until
    // `owner` is destroyed.
    void Bind(QObject* owner, const UiText& text, std::function<void(const QString&)> apply);
    // Calls `refresh` after every switch until `owner` is destroyed (texts that depend on
    // more than the language, such as the connect button's).
    void OnChange(QObject* owner, std::function<void()> refresh);

    // Binds a widget's setText (labels, buttons, actions).
    template <class Target>
    void BindText(Target* target, const UiText& text) {
        Bind(target, text, [target](const QString& value) { target->setText(value); });
    }

signals:
    void Changed(corva::UiLanguage language);

private:
    UiLanguage current_ = UiLanguage::English;
};

}  // namespace corva::shell
