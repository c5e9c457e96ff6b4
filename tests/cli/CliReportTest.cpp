// The parameter report through corva-dsp-cli, read back by independent readers (the JSON and
// CSV text, openpyxl for the workbook, poppler for the PDF): each output channel under its own
// heading, the tuning's facts in the printed header, and no sample text anywhere.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "CliFixture.h"
#include "CliJson.h"

namespace corva::test {
namespace {

std::string Scrambled(std::string bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(bytes[i] ^ static_cast<char>(i & 0xFF));
    }
    return bytes;
}

// Standard output of a shell command run in `folder`; empty when it failed.
std::string Output(const std::string& command, const std::string& folder) {
    std::string text;
    if (FILE* pipe = ::popen(("cd '" + folder + "' && " + command).c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, n);
        }
        if (::pclose(pipe) != 0) {
            text.clear();
        }
    }
    return text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The text after the last `first`, with `second` somewhere after it.
bool InOrder(const std::string& line, const std::string& first, const std::string& second) {
    const auto at = line.find(first);
    return at != std::string::npos && line.find(second, at + first.size()) != std::string::npos;
}

class CliReportTest : public CliFixture {
protected:
    void SetUp() override {
        // Output 5 (the sub) and output 6 (the centre) at different gains.
        const CliRun set = Sim({"set", "ULF", "gain=-5", "name=Sub"});
        ASSERT_EQ(set.exitCode, 0) << set.err;
        ASSERT_EQ(Sim({"set", "Center", "gain=-2"}).exitCode, 0);
        // Recalling a stored preset gives the live tuning its name.
        ASSERT_EQ(Sim({"store", "1", "Street"}).exitCode, 0);
        ASSERT_EQ(Sim({"recall", "1"}).exitCode, 0);
        ASSERT_EQ(Sim({"read", "tune.qvms"}).exitCode, 0);
    }
};

TEST_F(CliReportTest, OutputsFiveAndSixStandUnderTheirOwnHeadingsInEveryForm) {
    const CliRun json = Offline({"--json", "table", "tune.qvms"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    JsonDocument table(json.out);
    EXPECT_STREQ(Item(Member(table.root(), "headings"), 5)->valuestring, "Sub");
    EXPECT_STREQ(Item(Member(table.root(), "headings"), 6)->valuestring, "Center");
    const cJSON* gain = Item(Member(table.root(), "rows"), 165);
    EXPECT_STREQ(Item(gain, 5)->valuestring, "-5.0dB");
    EXPECT_STREQ(Item(gain, 6)->valuestring, "-2.0dB");

    const auto text = Lines(Offline({"table", "tune.qvms"}).out);
    ASSERT_EQ(text.size(), 173u);
    EXPECT_TRUE(InOrder(text[0], "Sub", "Center")) << text[0];
    EXPECT_TRUE(InOrder(text[166], "-5.0dB", "-2.0dB") && EndsWith(text[166], "-2.0dB"))
        << text[166];

    const CliRun exported =
        Offline({"table", "tune.qvms", "--csv", "t.csv", "--xlsx", "t.xlsx", "--pdf", "t.pdf"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const std::string csv = ReadText(scratch.File("t.csv"));
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);  // UTF-8 byte-order mark
    const auto csvLines = Lines(csv.substr(3));
    EXPECT_EQ(csvLines[0], "Args,Front.Left,Front.Right,Rear.Left,Rear.Right,Sub,Center");
    EXPECT_TRUE(EndsWith(csvLines[166], ",-5.0dB,-2.0dB")) << csvLines[166];

    const std::string cells = Output(
        "/usr/bin/python3 -c 'import openpyxl; s = openpyxl.load_workbook(\"t.xlsx\").active; "
        "print(s[\"F1\"].value, s[\"G1\"].value, s[\"F167\"].value, s[\"G167\"].value)'",
        scratch.path());
    EXPECT_EQ(cells, "Sub Center -5.0dB -2.0dB\n") << "python3-openpyxl is needed";

    const auto pdf = Lines(Output("pdftotext -layout t.pdf -", scratch.path()));
    ASSERT_FALSE(pdf.empty()) << "pdftotext (poppler-utils) is needed";
    const auto headings = std::find_if(pdf.begin(), pdf.end(), [](const std::string& line) {
        return line.find("Front.Left") != std::string::npos;
    });
    ASSERT_NE(headings, pdf.end());
    EXPECT_TRUE(InOrder(*headings, "Sub", "Center")) << *headings;
    const auto gainLine = std::find_if(pdf.begin(), pdf.end(), [](const std::string& line) {
        return line.find(" Gain ") != std::string::npos && line.find("dB") != std::string::npos &&
               line.find("EQ") == std::string::npos;
    });
    ASSERT_NE(gainLine, pdf.end());
    EXPECT_TRUE(InOrder(*gainLine, "-5.0dB", "-2.0dB")) << *gainLine;
}

TEST_F(CliReportTest, ThePrintedHeaderNamesTheTuningItsSourceAndTheClient) {
    // The client's texts, as another program fills them in before handing the file on.
    JsonDocument file(Scrambled(ReadText(scratch.File("tune.qvms"))));
    ASSERT_TRUE(file.ok());
    cJSON* root = const_cast<cJSON*>(file.root());
    cJSON_ReplaceItemInObject(cJSON_GetObjectItem(root, "client"), "company_name",
                              cJSON_CreateString("Li Lei"));
    cJSON_ReplaceItemInObject(cJSON_GetObjectItem(root, "data_info"), "data_car_type",
                              cJSON_CreateString("Boyue"));
    char* printed = cJSON_Print(root);
    {
        std::ofstream out(scratch.File("client.qvms"), std::ios::binary);
        out << Scrambled(printed);
    }
    cJSON_free(printed);

    ASSERT_EQ(Offline({"table", "client.qvms", "--pdf", "c.pdf"}).exitCode, 0);
    const std::string text = Output("pdftotext -layout c.pdf -", scratch.path());
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.find("Parameter report: Street"), std::string::npos) << text.substr(0, 400);
    EXPECT_NE(text.find("Source: File client.qvms, 20"), std::string::npos);
    EXPECT_NE(text.find("Client: Li Lei, Vehicle: Boyue"), std::string::npos);
    EXPECT_NE(text.find("Corva DSP "), std::string::npos);
    EXPECT_NE(Output("pdfinfo c.pdf", scratch.path()).find("Title:           Street\n"),
              std::string::npos);
    for (const char* sample : {"Multiline", "huar", "senza nome", "report of the file"}) {
        EXPECT_EQ(text.find(sample), std::string::npos) << sample;
    }
    // Default texts of a file nobody filled in are no client.
    ASSERT_EQ(Offline({"table", "tune.qvms", "--pdf", "plain.pdf"}).exitCode, 0);
    EXPECT_EQ(Output("pdftotext plain.pdf -", scratch.path()).find("Client"), std::string::npos);

    // The processor as the source, in Chinese.
    ASSERT_EQ(RunCli({"--lang", "zh", "--sim", "--sim-state", scratch.File("state"), "table",
                      "--pdf", "zh.pdf"},
                     scratch.path())
                  .exitCode,
              0);
    const std::string chinese = Output("pdftotext zh.pdf -", scratch.path());
    EXPECT_NE(chinese.find("处理器（USB sim:processor"), std::string::npos)
        << chinese.substr(0, 300);
    EXPECT_NE(chinese.find("Street"), std::string::npos);
}

}  // namespace
}  // namespace corva::test
