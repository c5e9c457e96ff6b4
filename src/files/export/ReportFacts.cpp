#include "files/export/ReportFacts.h"

#include <QDateTime>

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
    facts.source = {"File " + FileName(path), "文件 " + FileName(path)};
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
    facts.source = {"Processor (" + linkDescription + ")", "处理器（" + linkDescription + "）"};
    facts.madeAt = Now();
    return facts;
}

UiText ReportHeaderText(const ReportFacts& facts) {
    const UiText name = facts.tuningName.empty() ? UiText{"(no name)", "（未命名）"}
                                                 : UiText{facts.tuningName, facts.tuningName};
    UiText text{"Parameter report: " + name.english + "\r\n", "参数报告：" + name.chinese + "\r\n"};
    if (!facts.source.english.empty()) {
        text.english += "Source: " + facts.source.english;
        text.chinese += "来源：" + facts.source.chinese;
    }
    if (!facts.madeAt.empty()) {
        text.english += (facts.source.english.empty() ? "" : ", ") + facts.madeAt;
        text.chinese += (facts.source.chinese.empty() ? "" : "，") + facts.madeAt;
    }
    if (!facts.source.english.empty() || !facts.madeAt.empty()) {
        text.english += "\r\n";
        text.chinese += "\r\n";
    }
    if (!facts.clientName.empty() || !facts.vehicle.empty()) {
        std::string english;
        std::string chinese;
        if (!facts.clientName.empty()) {
            english += "Client: " + facts.clientName;
            chinese += "客户：" + facts.clientName;
        }
        if (!facts.vehicle.empty()) {
            english += (english.empty() ? "" : ", ") + std::string("Vehicle: ") + facts.vehicle;
            chinese += (chinese.empty() ? "" : "，") + std::string("车型：") + facts.vehicle;
        }
        text.english += english + "\r\n";
        text.chinese += chinese + "\r\n";
    }
    return text;
}

UiText ReportFooterText() {
    const std::string program = ProgramNameAndVersion();
    return {program, program};
}

UiText ReportDocumentName(const ReportFacts& facts) {
    if (facts.tuningName.empty()) {
        return {std::string(kProgramName) + " report", std::string(kProgramName) + " 参数报告"};
    }
    return {facts.tuningName, facts.tuningName};
}

}  // namespace corva
