#include "text/CodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

namespace corva {
namespace {
constexpr const char* kCodePage = "GBK";
}

std::string DecodeRecordText(std::string_view recordBytes) {
    QStringDecoder decoder(kCodePage);
    const QString text =
        decoder.decode(QByteArray(recordBytes.data(), static_cast<qsizetype>(recordBytes.size())));
    return text.toStdString();
}

std::optional<std::string> EncodeRecordText(std::string_view utf8) {
    QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

std::string Utf8FromField(std::span<const std::uint8_t> field) {
    return DecodeRecordText(TextFromField(field));
}

Status Utf8ToField(std::span<std::uint8_t> field, std::string_view utf8, FieldForm form,
                   FieldPadding padding) {
    const auto bytes = EncodeRecordText(utf8);
    if (!bytes) {
        return Status::Fail(
            Tr("Common", "The text contains characters the processor cannot store."));
    }
    return TextToField(field, *bytes, form, padding);
}

}  // namespace corva
