// Conversion between the program's UTF-8 texts and the GB2312 code page used by names and
// texts inside records and files (decoded as GBK, its superset).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Status.h"
#include "protocol/TextField.h"

namespace corva {

// Record bytes to UTF-8; bytes that are not valid GBK become U+001A.
std::string DecodeRecordText(std::string_view recordBytes);

// UTF-8 to record bytes; nothing when a character has no code in the code page.
std::optional<std::string> EncodeRecordText(std::string_view utf8);

// TextFromField, decoded to UTF-8.
std::string Utf8FromField(std::span<const std::uint8_t> field);

// Encodes a UTF-8 text and writes it with TextToField; the field is unchanged on refusal.
Status Utf8ToField(std::span<std::uint8_t> field, std::string_view utf8, FieldForm form,
                   FieldPadding padding = FieldPadding::Zero);

}  // namespace corva
