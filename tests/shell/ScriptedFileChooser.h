// A file chooser that answers from a script instead of showing dialogs, and remembers what
// each dialog was asked with.
#pragma once

#include <deque>
#include <vector>

#include "shell/panels/FileChooser.h"

namespace corva::shell::test {

class ScriptedFileChooser final : public FileChooser {
public:
    struct Asked {
        bool save = false;
        QString start;
        QString filter;
    };

    QString ChooseSavePath(QWidget*, const QString&, const QString& start,
                           const QString& filter) override {
        return Answer({true, start, filter});
    }
    QString ChooseOpenPath(QWidget*, const QString&, const QString& start,
                           const QString& filter) override {
        return Answer({false, start, filter});
    }

    std::deque<QString> answers;  // an empty text cancels; no answer left cancels too
    std::vector<Asked> asked;

private:
    QString Answer(Asked question) {
        asked.push_back(std::move(question));
        if (answers.empty()) {
            return {};
        }
        QString next = answers.front();
        answers.pop_front();
        return next;
    }
};

}  // namespace corva::shell::test
