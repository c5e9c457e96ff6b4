// The translation catalogues as the programs carry them: every message of every catalogue file
// is finished and keeps its source's places, the compiled catalogue answers every entry with
// the file's text, and texts put together from entries render through the catalogue.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "catalogue/Catalogue.h"

namespace corva {
namespace {

struct CatalogueMessage {
    std::string context;
    std::string source;
    std::string disambiguation;
    std::string translation;
    std::string translationType;  // "unfinished", "vanished", ... or empty when finished
};

std::vector<CatalogueMessage> ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<CatalogueMessage> messages;
    QXmlStreamReader xml(&file);
    std::string context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText().toStdString();
        } else if (name == QLatin1String("message")) {
            messages.push_back({context, {}, {}, {}, {}});
        } else if (name == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText().toStdString();
        } else if (name == QLatin1String("comment") && !messages.empty()) {
            messages.back().disambiguation = xml.readElementText().toStdString();
        } else if (name == QLatin1String("translation") && !messages.empty()) {
            messages.back().translationType =
                xml.attributes().value("type").toString().toStdString();
            messages.back().translation = xml.readElementText().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

std::set<std::string> PlacesIn(const std::string& text) {
    std::set<std::string> places;
    static const QRegularExpression kPlace(QStringLiteral("%[1-9][0-9]?"));
    for (auto match = kPlace.globalMatch(QString::fromStdString(text)); match.hasNext();) {
        places.insert(match.next().captured().toStdString());
    }
    return places;
}

std::string Describe(const CatalogueMessage& message) {
    return message.context + ": \"" + message.source + "\"" +
           (message.disambiguation.empty() ? "" : " (" + message.disambiguation + ")") + " -> \"" +
           message.translation + "\"";
}

QStringList CatalogueFiles() {
    const QDir folder(QStringLiteral(CORVA_TRANSLATIONS_DIR));
    QStringList paths;
    for (const QString& name : folder.entryList({QStringLiteral("*.ts")}, QDir::Files)) {
        paths << folder.filePath(name);
    }
    return paths;
}

TEST(CatalogueFilesTest, EveryMessageIsFinishedOnceWithTheSourcesPlaces) {
    const QStringList files = CatalogueFiles();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& path : files) {
        const std::vector<CatalogueMessage> messages = ReadCatalogue(path);
        EXPECT_GT(messages.size(), 100u) << path.toStdString();
        std::string faults;
        std::set<std::tuple<std::string, std::string, std::string>> seen;
        for (const CatalogueMessage& message : messages) {
            if (message.source.empty()) {
                faults += "no source: " + Describe(message) + "\n";
            }
            if (!message.translationType.empty() || message.translation.empty()) {
                faults += "not translated: " + Describe(message) + "\n";
            } else if (PlacesIn(message.source) != PlacesIn(message.translation)) {
                faults += "other places: " + Describe(message) + "\n";
            }
            if (!seen.insert({message.context, message.source, message.disambiguation}).second) {
                faults += "twice: " + Describe(message) + "\n";
            }
        }
        EXPECT_EQ(faults, "") << path.toStdString();
    }
}

// The compiled catalogues are the files: every entry looked up by its context, source and
// disambiguation renders the file's translation, and the pseudo-language made from it wraps
// the source.
TEST(CatalogueFilesTest, TheProgramsCataloguesAnswerEveryEntryOfTheFile) {
    const Catalogue& catalogue = Catalogue::Program();
    const auto chinese = catalogue.ByCode("zh_CN");
    const auto pseudo = catalogue.ByCode("pseudo");
    ASSERT_TRUE(chinese.has_value());
    ASSERT_TRUE(pseudo.has_value()) << "the test's pseudo-language is missing";
    EXPECT_EQ(*chinese, UiLanguage::Chinese);
    EXPECT_EQ(catalogue.ByStoredName("Chinese"), UiLanguage::Chinese);
    EXPECT_EQ(catalogue.Next(*pseudo), UiLanguage::English);

    std::string faults;
    for (const CatalogueMessage& message :
         ReadCatalogue(QStringLiteral(CORVA_TRANSLATIONS_DIR "/corva_zh_CN.ts"))) {
        const UiText text =
            Tr(message.context.c_str(), message.source.c_str(), message.disambiguation.c_str());
        if (text.In(UiLanguage::Chinese) != message.translation) {
            faults += "Chinese: " + Describe(message) + " renders \"" +
                      text.In(UiLanguage::Chinese) + "\"\n";
        }
        if (text.In(*pseudo) != "⟦" + message.source + "⟧") {
            faults += "pseudo: " + Describe(message) + " renders \"" + text.In(*pseudo) + "\"\n";
        }
        if (text.In(UiLanguage::English) != message.source) {
            faults += "English: " + Describe(message) + "\n";
        }
    }
    EXPECT_EQ(faults, "");
}

// A text put together from entries renders each part through the catalogue, and a value is
// filled once: a '%' in a name or a path stays as it is.
TEST(CatalogueFilesTest, PlacesAreFilledOnceWithTranslatedParts) {
    const std::vector<CatalogueMessage> messages =
        ReadCatalogue(QStringLiteral(CORVA_TRANSLATIONS_DIR "/corva_zh_CN.ts"));
    const CatalogueMessage* withTwoPlaces = nullptr;
    const CatalogueMessage* plain = nullptr;
    for (const CatalogueMessage& message : messages) {
        const auto places = PlacesIn(message.source);
        if (places == std::set<std::string>{"%1", "%2"} && withTwoPlaces == nullptr) {
            withTwoPlaces = &message;
        } else if (places.empty() && message.source.find('%') == std::string::npos &&
                   plain == nullptr) {
            plain = &message;
        }
    }
    ASSERT_NE(withTwoPlaces, nullptr);
    ASSERT_NE(plain, nullptr);

    const UiLanguage pseudo = Catalogue::Program().ByCode("pseudo").value_or(UiLanguage::English);
    ASSERT_NE(pseudo, UiLanguage::English);
    const UiText part =
        Tr(plain->context.c_str(), plain->source.c_str(), plain->disambiguation.c_str());
    const UiText whole = Tr(withTwoPlaces->context.c_str(), withTwoPlaces->source.c_str(),
                            withTwoPlaces->disambiguation.c_str())
                             .Arg("50%2 of %1")
                             .Arg(part);
    std::string expected = "⟦" + withTwoPlaces->source + "⟧";
    const std::size_t first = expected.find("%1");
    const std::size_t second = expected.find("%2");
    // The later place first, so that the earlier one stays where it was found.
    if (first < second) {
        expected.replace(second, 2, "⟦" + plain->source + "⟧").replace(first, 2, "50%2 of %1");
    } else {
        expected.replace(first, 2, "50%2 of %1").replace(second, 2, "⟦" + plain->source + "⟧");
    }
    EXPECT_EQ(whole.In(pseudo), expected);
    EXPECT_EQ(UiText::Literal("100%1").Arg("x").In(pseudo), "100x");
    EXPECT_EQ(UiText::Literal("a name").In(UiLanguage::Chinese), "a name");

    EXPECT_EQ(FillPlaces("%1%2%10%1", {"%2", "b"}), "%2b%20%2");
    EXPECT_EQ(FillPlaces("%12 %0 %", std::vector<std::string>(12, "v")), "v %0 %");
    EXPECT_EQ(FillPlaces("%12", {"v"}), "v2");
}

}  // namespace
}  // namespace corva
