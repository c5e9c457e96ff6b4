// A text that stays on screen and is made of bilingual parts and values (a status line, a
// reading, a result): composed in the current language when shown, and again after every
// language switch until another text replaces it. Message boxes, which keep the language they
// were shown in, pick their texts once instead.
#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "core/UiText.h"

namespace corva::shell {

class Language;

class ComposedText final : public QObject {
    Q_OBJECT

public:
    using Compose = std::function<QString(const Language&)>;

    // `apply` puts the text on screen (a label's setText, a progress bar's setFormat); the
    // text lives as long as `owner`.
    ComposedText(Language& language, std::function<void(const QString&)> apply, QObject* owner);

    void Show(Compose compose);
    void Show(const UiText& text);
    // Adds `line` below what is shown now.
    void AddLine(const UiText& line);
    void Clear();

private:
    void Apply();

    Language& language_;
    std::function<void(const QString&)> apply_;
    Compose compose_;
};

}  // namespace corva::shell
