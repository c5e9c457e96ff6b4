// Before the window writes a file whose name the program completed (an extension appended, a
// name typed into a panel), it asks whether to replace a file of that name: the platform's save
// dialog asked only about the name as chosen.
#pragma once

#include <QString>

namespace corva::shell {

class AppContext;

// True when nothing is at `path`, or when the user chooses to replace what is there.
bool MayReplace(AppContext& context, const QString& path);

// The save dialog asked about `chosen` only: when the program completed it into another name
// (`written`, an extension appended), that file is asked about here.
bool MayReplaceCompleted(AppContext& context, const QString& chosen, const QString& written);

// The success message of a written file: names the file.
void ShowWritten(AppContext& context, const QString& path);

}  // namespace corva::shell
