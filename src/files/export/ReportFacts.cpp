#include "files/export/ReportFacts.h"

#include <QDateTime>

#include <string>
#include <utility>
#include <vector>

#include "core/ProgramVersion.h"
#include "text/CodePage.h"

namespace corva {
namespace {

std::string Now() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
}

std::string LiveName(const TuningSession& session) {
    return DecodeRecordText(session.Snapshot().liveName);
}

// A header text as the user typed it, or nothing when it still holds the new file's
// placeholder.
std::string Filled(const std::string& recordText, const std::string& placeholder) {
    return recordText == placeholder ? std::string{} : DecodeRecordText(recordText);
}

std::string FileName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

ReportFacts FileReportFacts(const TuningSession& session, const std::string& path,
                            const JsonHeaderRecord& header) {
    ReportFacts facts;
    facts.tuningName = LiveName(session);
    facts.source = Tr("Files", "File %1").Arg(FileName(path));
    facts.madeAt = Now();
    facts.clientName = Filled(header.client.name, DefaultClientBlock().name);
    const JsonDataInfo defaults;
    const std::string brand = Filled(header.info.carBrand, defaults.carBrand);
    const std::string model = Filled(header.info.carType, defaults.carType);
    facts.vehicle = brand.empty() || model.empty() ? brand + model : brand + " " + model;
    return facts;
}

ReportFacts ProcessorReportFacts(const TuningSession& session, const std::string& linkDescription) {
    ReportFacts facts;
    facts.tuningName = LiveName(session);
    facts.source = Tr("Files", "Processor (%1)").Arg(linkDescription);
    facts.madeAt = Now();
    return facts;
}

UiText ReportHeaderText(const ReportFacts& facts) {
    std::vector<UiText> lines;
    lines.push_back(Tr("Files", "Parameter report: %1")
                        .Arg(facts.tuningName.empty() ? Tr("Files", "(no name)")
                                                      : UiText::Literal(facts.tuningName)));
    if (!facts.source.empty() && !facts.madeAt.empty()) {
        lines.push_back(Tr("Files", "Source: %1, %2").Arg(facts.source).Arg(facts.madeAt));
    } else if (!facts.source.empty()) {
        lines.push_back(Tr("Files", "Source: %1").Arg(facts.source));
    } else if (!facts.madeAt.empty()) {
        lines.push_back(UiText::Literal(facts.madeAt));
    }
    if (!facts.clientName.empty() && !facts.vehicle.empty()) {
        lines.push_back(
            Tr("Files", "Client: %1, Vehicle: %2").Arg(facts.clientName).Arg(facts.vehicle));
    } else if (!facts.clientName.empty()) {
        lines.push_back(Tr("Files", "Client: %1").Arg(facts.clientName));
    } else if (!facts.vehicle.empty()) {
        lines.push_back(Tr("Files", "Vehicle: %1").Arg(facts.vehicle));
    }
    // Every line ends in CR LF in every language: the lines fill a pattern of places only.
    std::string pattern;
    for (std::size_t k = 1; k <= lines.size(); ++k) {
        pattern += "%" + std::to_string(k) + "\r\n";
    }
    UiText text = UiText::Literal(pattern);
    for (UiText& line : lines) {
        text = std::move(text).Arg(std::move(line));
    }
    return text;
}

UiText ReportFooterText() {
    return UiText::Literal(ProgramNameAndVersion());
}

UiText ReportDocumentName(const ReportFacts& facts) {
    if (facts.tuningName.empty()) {
        return Tr("Files", "%1 report").Arg(kProgramName);
    }
    return UiText::Literal(facts.tuningName);
}

}  // namespace corva
