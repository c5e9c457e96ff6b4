// A measured response written as a text export that REW (and this program's own measurement
// reader) imports: '*' comment lines, then frequency, level and phase per line.
#pragma once

#include <string>

#include "core/Status.h"
#include "dsp/response/ResponseGrid.h"

namespace corva::measure {

// `title` goes into the first comment line ("FL, 3 positions").
std::string MeasurementExportText(const Response& levelsDb, const std::string& title);

// Written through the safe writer: a complete file or none.
Status WriteMeasurementExport(const std::string& path, const Response& levelsDb,
                              const std::string& title);

}  // namespace corva::measure
