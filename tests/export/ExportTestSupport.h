// Shared pieces of the export tests: tables to export, the one
// QGuiApplication the PDF renderer needs, and running the outside readers (Python, poppler).
#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <array>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "core/ByteOrder.h"
#include "files/FileTestSupport.h"
#include "files/ParameterTable.h"
#include "model/TuningModel.h"

namespace corva::test {

// The facts of a report on a tuning read from a file with client texts.
inline ReportFacts SampleFacts() {
    ReportFacts facts;
    facts.tuningName = "Street";
    facts.source = Tr("Files", "File %1").Arg("car.qvma");
    facts.madeAt = "2026-12-09 16:40";
    facts.clientName = "Li Lei";
    facts.vehicle = "Geely Boyue";
    return facts;
}

// The table of a model in its construction state. At the current listening position channel c
// has a delay of c + 1 ms; the last one lies beyond the largest code and reads as 5.396 ms.
inline ParameterTable ModelTable() {
    TuningModel model;
    ParameterImage image;
    for (int c = 0; c < kOutputChannelCount; ++c) {
        WriteLe16(image.ListeningPositions(), 2 * c, 48 * (c + 1));
    }
    ParameterTable table =
        BuildParameterTable(model, image.ListeningPositions(), DelayUnit::Milliseconds);
    table.facts = SampleFacts();
    return table;
}

// `rowCount` rows whose texts name their row and column: "R7" in column 0, "7.3" in column 3.
inline ParameterTableText NumberedTable(int rowCount) {
    ParameterTableText table;
    table.headings = {"H0", "H1", "H2", "H3", "H4", "H5", "H6"};
    table.facts = SampleFacts();
    for (int r = 0; r < rowCount; ++r) {
        ParameterTextRow& row = table.rows.emplace_back();
        row[0] = "R" + std::to_string(r);
        for (std::size_t k = 1; k < row.size(); ++k) {
            row[k] = std::to_string(r) + "." + std::to_string(k);
        }
    }
    return table;
}

inline void EnsureGuiApplication() {
    if (QGuiApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "export_tests";
        static char* argv[] = {name, nullptr};
        static QGuiApplication* application = new QGuiApplication(argc, argv);
        (void)application;
    }
}

// Standard output of a shell command, and whether it ended with status 0.
struct CommandOutput {
    bool ok = false;
    std::string text;
};
inline CommandOutput RunCommand(const std::string& command) {
    CommandOutput output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe != nullptr) {
        std::array<char, 4096> buffer{};
        for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
            output.text.append(buffer.data(), n);
        }
        output.ok = ::pclose(pipe) == 0;
    }
    return output;
}

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string{"'\\''"} : std::string(1, c);
    }
    return quoted + "'";
}

// Every name in a folder, sub-folders included.
inline std::set<std::string> NamesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        names.insert(std::filesystem::relative(entry.path(), folder).string());
    }
    return names;
}

}  // namespace corva::test
