// The facts a parameter report carries about its tuning (name, source, time, client), taken
// from a session and, for a preset file, from the file's header texts.
#pragma once

#include <string>

#include "files/JsonHeaderRecord.h"
#include "files/ParameterTable.h"
#include "model/TuningSession.h"

namespace corva {

// A tuning read from the file at `path`; `header` holds the file's header texts (the defaults
// for a music file), whose client name and vehicle are shown only when they are filled in.
ReportFacts FileReportFacts(const TuningSession& session, const std::string& path,
                            const JsonHeaderRecord& header);

// The live tuning of the processor reached over `linkDescription`.
ReportFacts ProcessorReportFacts(const TuningSession& session, const std::string& linkDescription);

// The printed report's header lines, footer and document name (the tuning's name, or the
// program's name for a tuning without one).
UiText ReportHeaderText(const ReportFacts& facts);
UiText ReportFooterText();
UiText ReportDocumentName(const ReportFacts& facts);

}  // namespace corva
